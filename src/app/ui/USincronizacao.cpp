#include "app/ui/USincronizacao.h"

#include <QScopeGuard>

#include "app/UDestinoPaineis.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/UCfgRotativo.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/UErro.h"
#include "panel/ui/UFlexLed.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int qtdRotativos = 8;

// A content text as a panel of that size shows it and writes it back: two texts
// that light the same LEDs with the same characters compare equal.
QByteArray normalizado(const QByteArray &texto, int linhas, int colunas, TRolagem rolagem)
{
    if (texto.isEmpty())
        return {};
    TPainelLed rascunho;
    rascunho.DefinirNroLinhas(linhas);
    rascunho.DefinirNroColunas(colunas);
    rascunho.DefinirRolagem(rolagem);
    rascunho.CarregarConteudo(texto);
    return rascunho.GerarConteudo(linhas, colunas);
}
}

TSincronizacao::TSincronizacao(TFme_Destinos &lista, std::function<TFme_Painel *()> editor)
    : lista(lista), editor(std::move(editor))
{
}

int TSincronizacao::NumeroSelecionado() const
{
    if (lista.SemRotulos())
        return 1;
    return lista.Dados().Cds_Rotulos.ComoInteiro(u"NRO_DESTINO"_s);
}

void TSincronizacao::CarregaDestino()
{
    TFme_Painel *e = editor();
    if (!e || lista.SemRotulos())
        return;
    lista.CancelarEdicao();
    const int numero = lista.SemDestinos() ? 1 : NumeroSelecionado();
    const TPainelLed *ativo = e->PainelAtivo();
    const quint16 lembrado = quint16(ativo ? ativo->Tag : 1);
    e->AtualizarAoAtivar = false;
    {
        const auto religar = qScopeGuard([e] { e->AtualizarAoAtivar = true; });
        e->ReiniciarEditor(true);
    }
    TDestinoPaineis::Carregar(lista.Dados().Cds_DestinosExtras, lista.ModoExtra, numero, paineis(),
                              *e->Fme_Rotativo);
    e->DefinirPainelAtivo(lembrado);
    e->Fme_Rotativo->ExibirRotativo(qint16(e->PainelAtivo() ? e->PainelAtivo()->Tag : lembrado), 1);
    if (TPainelLed *atual = e->PainelAtivo()) {
        atual->CursorParaFim();
        e->AtualizarFerramentas();
        atual->AtivarEdicao();
    }
    MarcarPaineisComoGravados();
}

void TSincronizacao::GravaPainel(TPainelLed *painel, bool novo)
{
    TFme_Painel *e = editor();
    if (e && painel)
        TDestinoPaineis::Gravar(lista.Dados(), *painel, *e->Fme_Rotativo, lista.ModoExtra, numeroDosPaineis,
                                TipoOnibusLido, novo);
}

void TSincronizacao::SalvaDestino()
{
    TFme_Painel *e = editor();
    if (!e)
        return;
    lista.AbrirTabelas(NomeArquivo ? NomeArquivo() : QString());
    if (!e->PainelAtivo())
        throw TErro(u"ATENÇÃO:\rOcorreu um problema ao selecionar o primeiro itinerário."_s);
    e->GravarRotativoAtual();
    const bool novo = !TDestinoPaineis::NumeroGuardado(lista.Dados().Cds_DestinosExtras, lista.ModoExtra,
                                                       numeroDosPaineis);
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
        if (TPainelLed *painel = e->Painel(p))
            GravaPainel(painel, novo);
    prepararProximo();
    if (MarcarAlterado)
        MarcarAlterado();
}

int TSincronizacao::primeiraPosicao() const
{
    TFme_Painel *e = editor();
    for (int p = 1; e && p <= TFme_Painel::QtdPosicoes; ++p)
        if (e->Painel(p))
            return p;
    return 0;
}

void TSincronizacao::prepararProximo()
{
    const int p = primeiraPosicao();
    if (p == 0)
        throw TErro(u"ATENÇÃO:\rOcorreu um problema ao selecionar o primeiro itinerário."_s);
    TDestinoPaineis::PrepararProximo(lista.Dados(), p, lista.ModoExtra, TipoOnibusLido);
}

void TSincronizacao::ProntoParaNovo()
{
    if (primeiraPosicao() != 0 && lista.Dados().TemLinhas())
        prepararProximo();
    MarcarPaineisComoGravados();
}

bool TSincronizacao::selecionar(int numero)
{
    TTabelaMemoria &rotulos = lista.Dados().Cds_Rotulos;
    return rotulos.Ativa() && rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {lista.ModoExtra, numero}, TVazio::ComoZero);
}

void TSincronizacao::SelecionarLinhaDosPaineis()
{
    selecionar(numeroDosPaineis);
}

TDestinoPaineis::TPaineis TSincronizacao::paineis() const
{
    TDestinoPaineis::TPaineis resultado{};
    if (TFme_Painel *e = editor())
        for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
            resultado[size_t(p - 1)] = e->Painel(p);
    return resultado;
}

void TSincronizacao::NovoDestinoNoFinal()
{
    if (!editor())
        return;
    prepararProximo();
    if (MarcarAlterado)
        MarcarAlterado();
}

void TSincronizacao::InsereDestinoAqui()
{
    TFme_Painel *e = editor();
    if (!e || !e->PainelAtivo())
        return;
    const int numero = NumeroSelecionado();
    if (lista.Dados().InserirDestino(*e->PainelAtivo(), numero) && numeroDosPaineis >= numero)
        ++numeroDosPaineis;
    if (MarcarAlterado)
        MarcarAlterado();
}

void TSincronizacao::ExcluiDestino()
{
    if (!editor())
        return;
    const int numero = NumeroSelecionado();
    if (lista.Dados().TemLinhas() && lista.Dados().ExcluirRotuloAtual()) {
        if (numeroDosPaineis > numero) {
            --numeroDosPaineis;
        } else if (numeroDosPaineis == numero) {
            // What the panels show belongs to no number any more: it goes to
            // the next one (the list shows it), and is asked about before it is dropped.
            prepararProximo();
            numeroDosPaineis = NumeroSelecionado();
            if (!paineisVazios())
                estadoGravado.clear();
        }
    }
    if (MarcarAlterado)
        MarcarAlterado();
}

void TSincronizacao::LimpaPaineis()
{
    TFme_Painel *e = editor();
    if (!e)
        return;
    e->Fme_Rotativo->ReiniciarRotativos();
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
        if (TPainelLed *painel = e->Painel(p))
            painel->Limpar();
    MarcarPaineisComoGravados();
}

void TSincronizacao::InsereHorario()
{
    TFme_Painel *e = editor();
    if (e && e->PainelAtivo())
        e->PainelAtivo()->InserirRelogio();
}

void TSincronizacao::HabilitaFerramentas()
{
    TFme_Painel *e = editor();
    if (!e || lista.ModoExtra)
        return;
    e->Fme_Rotativo->HabilitarRotativo();
    e->Fme_Rolagem->HabilitarBotoesRolagem();
}

QByteArray TSincronizacao::EstadoDosPaineis() const
{
    TFme_Painel *e = editor();
    if (!e)
        return {};
    QByteArray estado;
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p) {
        TPainelLed *painel = e->Painel(p);
        if (!painel)
            continue;
        const quint16 atual = e->SlotDoPainel(*painel);
        const int linhas = painel->NroLinhas();
        const int colunas = painel->NroColunas();
        estado += u"|P%1 %2x%3 %4 %5 %6 %7 %8"_s.arg(p).arg(linhas).arg(colunas).arg(painel->CorLed())
                      .arg(painel->CorLedNaDivisao()).arg(painel->DivisaoNaColuna()).arg(int(painel->Rolagem()))
                      .arg(int(painel->FonteUtilizada()))
                      .toUtf8();
        for (int i = 1; i <= qtdRotativos; ++i) {
            bool achou = false;
            const TCfgRotativo *c = e->Fme_Rotativo->BuscarConfiguracao(qint16(p), quint16(i), false, achou);
            QByteArray texto;
            // The panel shows the current slot; what storing it would not make a message does not count.
            if (i == atual && !painel->EstaVazio() && !(c && c->Vazio && c->MostradoEm(*painel)))
                texto = painel->GerarConteudo(linhas, colunas);
            else if (c && !c->Vazio)
                texto = normalizado(c->TextoConteudo(), linhas, colunas, painel->Rolagem());
            else
                continue;
            estado += u"|S%1 %2 "_s.arg(i).arg(c ? c->TempoExposicao : 0).toUtf8() + texto;
        }
    }
    return estado;
}

bool TSincronizacao::PaineisAlterados() const
{
    return editor() && EstadoDosPaineis() != estadoGravado;
}

void TSincronizacao::MarcarPaineisComoGravados()
{
    estadoGravado = EstadoDosPaineis();
    numeroDosPaineis = NumeroSelecionado();
}

bool TSincronizacao::paineisVazios() const
{
    TFme_Painel *e = editor();
    for (int p = 1; e && p <= TFme_Painel::QtdPosicoes; ++p) {
        TPainelLed *painel = e->Painel(p);
        if (!painel)
            continue;
        if (!painel->EstaVazio())
            return false;
        for (int i = 1; i <= qtdRotativos; ++i) {
            bool achou = false;
            const TCfgRotativo *c = e->Fme_Rotativo->BuscarConfiguracao(qint16(p), quint16(i), false, achou);
            if (c && !c->Vazio)
                return false;
        }
    }
    return true;
}

bool TSincronizacao::SalvarEditado()
{
    const int selecionado = NumeroSelecionado();
    const bool salvou = lista.Act_SalvarDestinoExecute();
    selecionar(selecionado);
    return salvou;
}
