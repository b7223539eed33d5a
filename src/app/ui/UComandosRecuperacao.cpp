// TComandosProjeto: the recovery copy of unsaved work, and its offer at start.
#include "app/ui/UComandosProjeto.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include "app/ui/USincronizacao.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/UEstadoEditor.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/UErro.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

TCopiaRecuperacao TComandosProjeto::CopiaAtual() const
{
    TCopiaRecuperacao c;
    c.ArquivoOriginal = projeto ? projeto->NomeArquivo : QString();
    c.Momento = QDateTime::currentDateTime();
    c.Extra = lista.ModoExtra;
    c.Numero = sincronizacao.NumeroDosPaineis();
    c.Tabela = TArquivoProjeto::TConteudoProjeto::DaTabela(lista.Dados().Cds_DestinosExtras);
    if (TFme_Painel *e = Editor())
        TRecuperacao::CopiarDoEditor(c, TEstadoEditor::Capturar(*e, *e->Fme_Rotativo));
    return c;
}

void TComandosProjeto::GuardarRecuperacao()
{
    if (projeto && (projeto->Alterado || sincronizacao.PaineisAlterados()))
        recuperacao->Agendar(CopiaAtual());
    else
        recuperacao->Remover();
}

void TComandosProjeto::EncerrarRecuperacao()
{
    recuperacao->Remover();
    recuperacao->Esperar();
}

bool TComandosProjeto::OferecerRecuperacao()
{
    for (const QString &arquivo : TRecuperacao::CopiasAbandonadas()) {
        TCopiaRecuperacao copia;
        try {
            copia = TRecuperacao::Ler(arquivo, lista.Dados().Cds_DestinosExtras);
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

// The copy opens as a project file; the stored rows are the unedited state,
// and the panels and slots then get what they showed.
void TComandosProjeto::Recuperar(const TCopiaRecuperacao &copia, const QString &arquivoDaCopia)
{
    bool *presentes[] = {&Modelos.TemFrontal, &Modelos.TemLateral, &Modelos.TemTraseiro, &Modelos.TemAuxiliar};
    for (const TPainelRecuperado &p : copia.Paineis)
        *presentes[p.Posicao - 1] = true;
    ArquivoEscolhido = arquivoDaCopia;
    Executar([this] { AbrirProjeto(); });
    TFme_Painel *e = Editor();
    if (!e)
        return;
    projeto->NomeArquivo = copia.ArquivoOriginal;
    projeto->Alterado = true;
    if (copia.Extra)
        lista.MostrarExtras();
    TDtm_Destino &dados = lista.Dados();
    if (dados.Cds_Rotulos.Ativa())
        dados.Cds_Rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {copia.Extra, copia.Numero}, TVazio::ComoZero);
    sincronizacao.CarregaDestino();
    TEstadoEditor estado = TEstadoEditor::Capturar(*e, *e->Fme_Rotativo);
    TRecuperacao::AplicarAoEditor(copia, estado);
    estado.Restaurar(*e, *e->Fme_Rotativo);
    iniciarHistorico();
    visao.AtualizaComandos();
    FocarEditor();
}
