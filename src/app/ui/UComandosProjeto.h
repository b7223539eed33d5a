#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "app/UHistorico.h"
#include "app/UModelosOnibus.h"
#include "app/UPenDrive.h"
#include "app/URecuperacao.h"
#include "app/ui/UProjeto.h"

class QWidget;
class TFme_Destinos;
class TFme_Painel;
class TSincronizacao;

// What the project commands show and ask through the main window. The
// defaults show nothing, so that tests drive the commands without a window.
class TVisaoComandos {
public:
    virtual ~TVisaoComandos() = default;
    // Where the open project's editor lives; the owner of the commands' dialogs.
    virtual QWidget *AreaDeTrabalho() = 0;
    // The selection of the bus's signs into the commands' Modelos and ArquivoEscolhido:
    // TFrm_TipoOnibusVeltronix's result (1 OK, 3 "Abrir Archivo", 2 closed).
    virtual int SelecionaModelos() = 0;
    virtual void MostrarProgresso(const QString &texto) { Q_UNUSED(texto); }
    virtual void EsconderProgresso() {}
    virtual void MostrarSimulador(bool ligado) { Q_UNUSED(ligado); }
    virtual void Avisar(const QString &aviso) { Q_UNUSED(aviso); }
    // After every command: the commands' enabled state, captions and the undo buttons.
    virtual void AtualizaComandos() {}
    virtual void AtualizarHistorico() {}
    // The keyboard back to the active panel.
    virtual void DevolverTeclado() {}
};

// The project commands' decisions: new, open, save, save as, close, back to
// the selection, adding a sign, the pen drive transfer, importing a list,
// printing, switching the list's kind; the open project with its undo history
// and its recovery copy. What to ask, in which order and what each answer
// does is decided here; dialogs go through TDialogos, boxes through TMensagem,
// and what is shown through the window's TVisaoComandos.
class TComandosProjeto : public QObject, private TAlvoHistorico {
    Q_OBJECT
public:
    TComandosProjeto(TSincronizacao &sincronizacao, TVisaoComandos &visao);
    ~TComandosProjeto() override;

    TEstadoModelos Modelos;         // the signs chosen in the selection
    QString ArquivoEscolhido;       // the project file chosen with "Abrir Archivo"
    qint16 LarguraColunaNumero = 0; // the list's number column as designed

    // Ends the program (the selection closed); tests replace it.
    std::function<void()> Terminar;
    // The pen drives mounted now; whether the desktop can take one out, and
    // taking it out (TPenDrive, TEjecaoPenDrive; tests replace them).
    std::function<QList<TUnidadeRemovivel>()> UnidadesRemoviveis;
    std::function<bool()> EjecaoDisponivel;
    std::function<void(const TUnidadeRemovivel &unidade)> Ejetar;
    // The listing of the label table for the fitted signs, shown in the
    // preview; the print command calls it (tests replace it).
    std::function<void(bool frontal, bool lateral, bool traseiro, bool auxiliar)> ImprimirListagem;

    TProjeto *Projeto() const { return projeto.get(); }
    TFme_Painel *Editor() const;
    // The open project's undo history; nullptr without a project.
    THistorico *Historico() const;

    // Runs a command: its TErro is shown in the error box; the window's
    // commands are refreshed always, and the keyboard goes back to the active panel.
    void Executar(const std::function<void()> &comando);

    // The project commands (UComandosProjeto.cpp); parou tells a caller that the command stopped.
    void NovoProjeto();
    void AbrirProjeto();
    void SalvarProjeto(bool &parou);
    void SalvarComoProjeto();
    void FecharProjeto(bool &parou);
    void VoltarASelecao();
    void AdicionaPainel();
    // "Abrir Archivo do PenDrive...": a pen drive file (".art") rebuilt into a
    // new project, unsaved, and a message saying what came back and what did
    // not (UComandosImportacaoArt.cpp). A damaged file raises its TErro
    // before the open project, if any, is closed.
    void AbrirArquivoPenDrive();
    // The selection, then a new, opened or rebuilt project; again after an open
    // that failed or was cancelled (an error shown), until a project is open or the operator closes
    // the selection, which ends the program.
    void Selecionar();
    // Whether the program may end now: the edited destination and the project
    // saved or discarded as the operator answers; false when they cancelled.
    bool PodeTerminar();

    // The list's and the output's commands (UComandosLista.cpp).
    void TransferirProjeto();
    // "Importar Lista de Destinos...": a file, what it will do, then the rows.
    void ImportarLista();
    void Imprimir();
    // The list's "Destino" and "Extra" buttons.
    void MostrarTipo(bool extra);
    // Panels edited since their destination was loaded or stored: asks
    // "Salvar o destino editado?"; false when the operator cancelled.
    bool ConfirmarDestinoEditado();
    void ParaSimulador();
    // Removes the list's label columns and returns the width of each new one.
    int PrepararColunas(int quantidade);
    // Sizes the editor's panels from the model codes and rebuilds the list's label columns.
    void DimensionaPaineis(int larguraRotulos);
    // The active panel editing, its tools showing it, the panels laid out.
    void FocarEditor();

    // The undo history (UComandosHistorico.cpp): a step of it around acao (when a project is open).
    void Passo(TTipoPasso tipo, const std::function<void()> &acao);
    void DesfazerOuRefazer(bool desfazer);

    // The recovery copy of unsaved work (UComandosRecuperacao.cpp): written
    // on its own thread when the project has changes not in its file or edited
    // panels, removed otherwise.
    void GuardarRecuperacao();
    TCopiaRecuperacao CopiaAtual() const;
    // Offers the copies of runs that did not end normally, newest first; true
    // when one was opened (the start-up selection is then skipped).
    bool OferecerRecuperacao();
    void Recuperar(const TCopiaRecuperacao &copia, const QString &arquivoDaCopia);
    TGravadorRecuperacao &GravadorRecuperacao() { return *recuperacao; }
    // A normal end: the copy is removed once what was waiting is written.
    void EncerrarRecuperacao();

private:
    void criarProjeto();
    // Opens the project file into a new project; raises TErro when it cannot.
    void abrirArquivo(const QString &arquivo);
    void aposAbrir();
    // Asks whether to save the changed project (texto), saves on Yes; false when the operator stopped.
    bool salvarAntes(const QString &texto);

    void iniciarHistorico();
    TEstadoTrabalho CapturarTrabalho(const TEstadoTrabalho *anterior) override;
    void RestaurarTrabalho(const TEstadoTrabalho &estado) override;
    TTabelaMemoria &TabelaDestinos() override;
    void RestaurarDestinos(const std::vector<QVector<QVariant>> &linhas) override;

    TSincronizacao &sincronizacao;
    TFme_Destinos &lista;
    TVisaoComandos &visao;
    std::unique_ptr<TProjeto> projeto;
    std::unique_ptr<TGravadorRecuperacao> recuperacao;
};
