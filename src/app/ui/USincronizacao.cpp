#include "app/ui/USincronizacao.h"

#include <QScopeGuard>

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

QVariant cor(TCor valor)
{
    return static_cast<qint32>(valor); // colours keep their 32 bits in an integer column
}

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
    TDtm_Destino &dados = lista.Dados();
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const int numero = lista.SemDestinos() ? 1 : NumeroSelecionado();
    const TPainelLed *ativo = e->PainelAtivo();
    const quint16 lembrado = quint16(ativo ? ativo->Tag : 1);
    e->AtualizarAoAtivar = false;
    {
        const auto religar = qScopeGuard([e] { e->AtualizarAoAtivar = true; });
        e->ReiniciarEditor(true);
    }
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p) {
        TPainelLed *painel = e->Painel(p);
        if (!painel)
            continue;
        painel->ExibirCursor(false, true);
        if (!t.Ativa() || !t.Localizar(u"EXTRA;PAINEL;NRO_DESTINO"_s, {lista.ModoExtra, p, numero}, TVazio::ComoZero))
            continue;
        if (p == 1)
            e->Fme_Rolagem->DefinirRolagem(t.ComoBooleano(u"ROLAGEM"_s));
        const TCor corLed = TCor(t.ComoInteiro(u"COR_PADRAO"_s));
        const TCor corDivisao = TCor(t.ComoInteiro(u"COR_DIVISAO"_s));
        const int divisao = t.ComoInteiro(u"DIV_COLUNA"_s);
        for (int i = 1; i <= qtdRotativos; ++i) {
            const QString n = QString::number(i);
            if (t.EstaVazio(u"CONFIG_PAINEL"_s + n))
                continue;
            TCfgRotativo &c = e->Fme_Rotativo->Configuracao(qint16(p), quint16(i));
            c.TempoExposicao = qint16(t.ComoInteiro(u"TPO_ROTATIVO"_s + n));
            c.Rolagem = SentidoDoCodigo(t.ComoInteiro(u"SENTIDO_ROTATIVO"_s + n));
            c.Vazio = false;
            c.Rotulo = t.ComoTexto(u"ROTULO"_s + n);
            c.CorLed = corLed;
            c.CorLedNaDivisao = corDivisao;
            c.DivisaoNaColuna = qint16(divisao);
            c.DefinirTextoConteudo(t.ComoBytes(u"CONFIG_PAINEL"_s + n));
        }
        painel->CarregarDoStream(e->Fme_Rotativo->Configuracao(qint16(p), 1).Conteudo.get());
        painel->DefinirCorLed(corLed);
        painel->DefinirCorLedNaDivisao(corDivisao);
        painel->DefinirDivisaoNaColuna(divisao);
    }
    e->DefinirPainelAtivo(lembrado);
    e->Fme_Rotativo->ExibirRotativo(qint16(e->PainelAtivo() ? e->PainelAtivo()->Tag : lembrado), 1);
    if (TPainelLed *atual = e->PainelAtivo()) {
        atual->CursorParaFim();
        e->AtualizarFerramentas();
        atual->AtivarEdicao();
    }
    MarcarPaineisComoGravados();
}

void TSincronizacao::GravaPainel(TPainelLed *painel)
{
    TFme_Painel *e = editor();
    if (!e || !painel)
        return;
    TDtm_Destino &dados = lista.Dados();
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const int p = painel->Tag;
    const bool extra = lista.ModoExtra;
    const int numero = NumeroSelecionado();
    const auto localizar = [&] {
        return t.Localizar(u"EXTRA;PAINEL;NRO_DESTINO"_s, {extra, p, numero}, TVazio::ComoZero);
    };
    const auto novaLinhaPendente = [&](int n) {
        dados.NovaLinha(p);
        t.DefinirValor(u"TIPOONIBUS"_s, TipoOnibusLido);
        t.DefinirValor(u"NRO_DESTINO"_s, n);
        t.DefinirValor(u"PAINEL"_s, p);
    };

    // The row to write: this position's row of the selected number (made when missing),
    // a pending new row, or a new row after the highest number.
    if (dados.TemLinhas() && t.ComoInteiro(u"PAINEL"_s) != p) {
        if (!localizar()) {
            novaLinhaPendente(numero);
            t.DefinirValor(u"EXTRA"_s, extra);
            t.DefinirValor(u"NOVO"_s, true);
            dados.GravarPendente();
        }
        dados.EditarAtual();
    } else if (dados.TemLinhas() && t.ComoBooleano(u"NOVO"_s)) {
        dados.EditarAtual();
    } else if (dados.TemLinhas() && localizar()) {
        dados.EditarAtual();
    } else {
        novaLinhaPendente(dados.MaiorNumero(p) + 1);
    }

    for (int i = 1; i <= qtdRotativos; ++i) {
        const QString n = QString::number(i);
        const TCfgRotativo &c = e->Fme_Rotativo->Configuracao(qint16(p), quint16(i));
        const bool vazio = c.Vazio;
        t.DefinirValor(u"NRO_ROTATIVO"_s + n, vazio ? QVariant() : QVariant(i));
        t.DefinirValor(u"TPO_ROTATIVO"_s + n, vazio ? QVariant() : QVariant(int(c.TempoExposicao)));
        t.DefinirValor(u"SENTIDO_ROTATIVO"_s + n, vazio ? QVariant() : QVariant(CodigoDoSentido(c.Rolagem)));
        t.DefinirValor(u"ROTULO"_s + n, vazio ? QVariant() : QVariant(c.Rotulo));
        t.DefinirValor(u"CONFIG_PAINEL"_s + n, vazio ? QVariant() : QVariant(c.TextoConteudo()));
    }
    t.DefinirValor(u"TAMANHO_MENSAGEM"_s, painel->UltimaColunaAcesa(true));
    t.DefinirValor(u"NRO_LINHAS"_s, painel->NroLinhas());
    t.DefinirValor(u"NRO_COLUNAS"_s, painel->NroColunas());
    t.DefinirValor(u"COR_FUNDO"_s, cor(painel->CorFundo()));
    t.DefinirValor(u"COR_PADRAO"_s, cor(painel->CorLed()));
    t.DefinirValor(u"ROLAGEM"_s, painel->Rolagem() != TRolagem::tsNenhum);
    if (p == 1)
        t.DefinirValor(u"FONTE_HORARIO"_s, TFontesLed::NumeroDaFonte(painel->RelogioFonte()));
    const int divisao = painel->DivisaoNaColuna();
    if (extra) {
        t.DefinirValor(u"POSXINICIAL"_s, painel->RelogioColunaInicial());
        t.DefinirValor(u"POSXFINAL"_s, painel->RelogioColunaFinal());
        t.DefinirValor(u"POSYINICIAL"_s, painel->RelogioLinhaInicial());
        t.DefinirValor(u"POSYFINAL"_s, painel->RelogioLinhaFinal());
    } else {
        t.DefinirValor(u"POSXINICIAL"_s, divisao != 0 ? divisao : 1);
        t.DefinirValor(u"POSXFINAL"_s, painel->NroColunas());
        t.DefinirValor(u"POSYINICIAL"_s, 1);
        t.DefinirValor(u"POSYFINAL"_s, painel->NroLinhas());
    }
    t.DefinirValor(u"DIV_COLUNA"_s, divisao < 1 ? QVariant() : QVariant(divisao));
    t.DefinirValor(u"COR_DIVISAO"_s, divisao < 1 ? QVariant() : cor(painel->CorLedNaDivisao()));
    t.DefinirValor(u"DIV_LINHA"_s, false);
    t.DefinirValor(u"EXTRA"_s, extra);
    t.DefinirValor(u"NOVO"_s, false);
    dados.GravarPendente();
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
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
        if (TPainelLed *painel = e->Painel(p))
            GravaPainel(painel);
    prepararProximo();
    if (MarcarAlterado)
        MarcarAlterado();
}

void TSincronizacao::prepararProximo()
{
    TFme_Painel *e = editor();
    int p = 0;
    for (int posicao = 1; posicao <= TFme_Painel::QtdPosicoes && p == 0; ++posicao)
        if (e->Painel(posicao))
            p = posicao;
    if (p == 0)
        throw TErro(u"ATENÇÃO:\rOcorreu um problema ao selecionar o primeiro itinerário."_s);
    TDtm_Destino &dados = lista.Dados();
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const bool extra = lista.ModoExtra;
    if (t.Ativa() && t.Localizar(u"EXTRA;PAINEL;NOVO"_s, {extra, p, true}, TVazio::ComoZero)) {
        const int numero = t.ComoInteiro(u"NRO_DESTINO"_s);
        if (dados.Cds_Rotulos.Ativa())
            dados.Cds_Rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {extra, numero}, TVazio::ComoZero);
        return;
    }
    const int n = dados.MaiorNumero(p);
    dados.NovaLinha(p);
    t.DefinirValor(u"TIPOONIBUS"_s, TipoOnibusLido);
    t.DefinirValor(u"NRO_DESTINO"_s, n + 1);
    t.DefinirValor(u"PAINEL"_s, p);
    t.DefinirValor(u"EXTRA"_s, extra);
    t.DefinirValor(u"NOVO"_s, true);
    dados.GravarPendente();
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
    lista.Dados().InserirDestino(*e->PainelAtivo(), NumeroSelecionado());
    if (MarcarAlterado)
        MarcarAlterado();
}

void TSincronizacao::ExcluiDestino()
{
    if (!editor())
        return;
    if (lista.Dados().TemLinhas())
        lista.Dados().ExcluirRotuloAtual();
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
    const quint16 atual = e->Fme_Rotativo->RotativoAtual;
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p) {
        TPainelLed *painel = e->Painel(p);
        if (!painel)
            continue;
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
            if (i == atual && !painel->EstaVazio())
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

bool TSincronizacao::SalvarEditado()
{
    TTabelaMemoria &rotulos = lista.Dados().Cds_Rotulos;
    const bool extra = lista.ModoExtra;
    const int selecionado = NumeroSelecionado();
    if (rotulos.Ativa())
        rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {extra, numeroDosPaineis}, TVazio::ComoZero);
    const bool salvou = lista.Act_SalvarDestinoExecute();
    if (rotulos.Ativa())
        rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {extra, selecionado}, TVazio::ComoZero);
    return salvou;
}
