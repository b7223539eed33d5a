// TFrm_PrincipalVeltronix: the recovery copy of unsaved work, and its offer at start.
#include "app/ui/UFrmPrincipalVeltronix.h"

#include <QDir>
#include <QTimer>

#include "data/ui/UFmeDestinos.h"
#include "editor/UCfgRotativo.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/UErro.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

TCopiaRecuperacao TFrm_PrincipalVeltronix::CopiaAtual() const
{
    TCopiaRecuperacao c;
    c.ArquivoOriginal = projeto ? projeto->NomeArquivo : QString();
    c.Momento = QDateTime::currentDateTime();
    c.Extra = Fme_Destinos->ModoExtra;
    c.Numero = Sincronizacao.NumeroDosPaineis();
    c.Tabela = TArquivoProjeto::TConteudoProjeto::DaTabela(Fme_Destinos->Dados().Cds_DestinosExtras);
    TFme_Painel *e = Editor();
    if (!e)
        return c;
    c.Rotativo = e->Fme_Rotativo->RotativoAtual;
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
        if (TPainelLed *painel = e->Painel(p))
            c.Paineis.append({p, painel->NroLinhas(), painel->NroColunas(), int(painel->FonteUtilizada()),
                              int(painel->Rolagem()), painel->DivisaoNaColuna(), painel->CorLed(),
                              painel->CorLedNaDivisao(), painel->GerarConteudo(painel->NroLinhas(), painel->NroColunas())});
    for (const auto &r : e->Fme_Rotativo->Rotativos())
        c.Rotativos.append({r->Painel, r->NroRotativo, r->Vazio, r->TempoExposicao, int(r->Rolagem), r->Rotulo,
                            r->DivisaoNaColuna, r->CorLed, r->CorLedNaDivisao, r->TextoConteudo()});
    return c;
}

void TFrm_PrincipalVeltronix::GuardarRecuperacao()
{
    if (projeto && (projeto->Alterado || Sincronizacao.PaineisAlterados()))
        recuperacao->Agendar(CopiaAtual());
    else
        recuperacao->Remover();
}

bool TFrm_PrincipalVeltronix::OferecerRecuperacao()
{
    for (const QString &arquivo : TRecuperacao::CopiasAbandonadas()) {
        TCopiaRecuperacao copia;
        try {
            copia = TRecuperacao::Ler(arquivo, Fme_Destinos->Dados().Cds_DestinosExtras);
        } catch (const TErro &erro) {
            const QString aParte = TRecuperacao::PorDeLado(arquivo, u"danificada"_s);
            TMensagem::Mensagem(erro.Mensagem + u"\r\nEla foi guardada como \"%1\"."_s.arg(QDir::toNativeSeparators(aParte)),
                                TTipoMensagem::mtError);
            continue;
        }
        const QString nome = copia.ArquivoOriginal.isEmpty() ? u"projeto novo"_s
                                                             : QDir::toNativeSeparators(copia.ArquivoOriginal);
        const int resposta = TMensagem::Pergunta(
            u"Recuperar o trabalho não salvo de %1 (%2)?"_s.arg(
                QLocale().toString(copia.Momento, QLocale::ShortFormat), nome),
            TTipoMensagem::mtConfirmation, TMensagem::mrYes, TMensagem::mbYesNo);
        if (resposta != TMensagem::mrYes) {
            TRecuperacao::PorDeLado(arquivo, u"guardada"_s);
            continue;
        }
        Recuperar(copia, arquivo);
        if (projeto) {
            // This run keeps the work from now on; the old copy is not needed any more.
            GuardarRecuperacao();
            QFile::remove(arquivo);
            return true;
        }
        TRecuperacao::PorDeLado(arquivo, u"guardada"_s);
    }
    return false;
}

void TFrm_PrincipalVeltronix::Recuperar(const TCopiaRecuperacao &copia, const QString &arquivoDaCopia)
{
    bool *presentes[] = {&Modelos.TemFrontal, &Modelos.TemLateral, &Modelos.TemTraseiro, &Modelos.TemAuxiliar};
    for (const TPainelRecuperado &p : copia.Paineis)
        *presentes[p.Posicao - 1] = true;
    ArquivoEscolhido = arquivoDaCopia;
    executar([this] { AbrirProjeto(); });
    TFme_Painel *e = Editor();
    if (!e)
        return;
    projeto->NomeArquivo = copia.ArquivoOriginal;
    projeto->Alterado = true;
    for (const TPainelRecuperado &p : copia.Paineis)
        if (TFlexLed *painel = e->FlexLed(p.Posicao)) {
            painel->DefinirNroLinhas(p.Linhas);
            painel->DefinirNroColunas(p.Colunas);
            painel->DefinirFonteUtilizada(static_cast<TTipoFonte>(p.Fonte));
        }
    if (copia.Extra)
        Fme_Destinos->MostrarExtras();
    TDtm_Destino &dados = Fme_Destinos->Dados();
    if (dados.Cds_Rotulos.Ativa())
        dados.Cds_Rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {copia.Extra, copia.Numero}, TVazio::ComoZero);
    // What the stored rows hold is the unedited state; the panels then get what they showed.
    Sincronizacao.CarregaDestino();
    e->Fme_Rotativo->LimparConfiguracoes();
    for (const TRotativoRecuperado &r : copia.Rotativos) {
        TCfgRotativo &c = e->Fme_Rotativo->Configuracao(qint16(r.Posicao), quint16(r.Numero));
        c.Vazio = r.Vazio;
        c.TempoExposicao = qint16(r.Tempo);
        c.Rolagem = static_cast<TRolagem>(r.Rolagem);
        c.Rotulo = r.Rotulo;
        c.DivisaoNaColuna = qint16(r.Divisao);
        c.CorLed = r.CorLed;
        c.CorLedNaDivisao = r.CorDivisao;
        c.DefinirTextoConteudo(r.Conteudo);
    }
    for (const TPainelRecuperado &p : copia.Paineis)
        if (TPainelLed *painel = e->Painel(p.Posicao)) {
            painel->Limpar();
            painel->DefinirRolagem(static_cast<TRolagem>(p.Rolagem));
            painel->DefinirDivisaoNaColuna(p.Divisao);
            painel->DefinirCorLedNaDivisao(p.CorDivisao);
            painel->DefinirCorLed(p.CorLed);
            painel->CarregarConteudo(p.Conteudo);
        }
    e->Fme_Rotativo->ExibirRotativo(qint16(e->PainelAtivo() ? e->PainelAtivo()->Tag : 1), quint16(copia.Rotativo));
    iniciarHistorico();
    AtualizaComandos();
    focarEditor();
}
