#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/UHistorico.h"
#include "app/UModelosOnibus.h"
#include "app/UPenDrive.h"
#include "app/URecuperacao.h"
#include "app/ui/UProjeto.h"
#include "app/ui/USincronizacao.h"

class QAction;
class QLabel;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTimer;
class QToolButton;
class TFme_Destinos;
class TFme_Painel;

// The program's one window: the open project's panel editor in the work area,
// the destination list below it, the status bar and the button bar. It owns
// the commands, the choice of the bus's signs and the open project.
class TFrm_PrincipalVeltronix : public QMainWindow, private TAlvoHistorico {
    Q_OBJECT
public:
    explicit TFrm_PrincipalVeltronix(QWidget *dono = nullptr);
    ~TFrm_PrincipalVeltronix() override;

    TEstadoModelos Modelos;         // the signs chosen in the selection
    QString ArquivoEscolhido;       // the project file chosen with "Abrir Archivo"
    qint16 LarguraColunaNumero = 0; // the list's number column as designed
    TProjeto *Projeto() const { return projeto.get(); }
    TFme_Painel *Editor() const;
    // The open project's undo history; nullptr without a project.
    THistorico *Historico() const;

    // Ends the program; tests replace it.
    std::function<void()> Terminar;
    // The pen drives mounted now; whether the desktop can take one out, and
    // taking it out (TPenDrive, TEjecaoPenDrive; tests replace them).
    std::function<QList<TUnidadeRemovivel>()> UnidadesRemoviveis;
    std::function<bool()> EjecaoDisponivel;
    std::function<void(const TUnidadeRemovivel &unidade)> Ejetar;
    // The listing report of the label table for the fitted signs, shown in the
    // preview; the print command calls it (tests replace it).
    std::function<void(bool frontal, bool lateral, bool traseiro, bool auxiliar)> ImprimirListagem;
    TSincronizacao Sincronizacao;

    void AtualizaComandos();
    void ParaSimulador();
    int SelecionaModelos();
    // Sizes the editor's panels from the model codes and rebuilds the list's label columns.
    void DimensionaPaineis(int larguraRotulos);
    // Removes the list's label columns and returns the width of each new one.
    int PrepararColunas(int quantidade);
    void MostrarProgresso(const QString &texto);
    void EsconderProgresso();

    // The start-up selection (the one-shot timer's tick).
    void Timer1Timer();
    // The selection, then a new or opened project; again after an open that
    // failed (its error shown), until a project is open or the operator closes
    // the selection, which ends the program.
    void Selecionar();
    // The recovery copy of unsaved work: written (on its own thread) when the
    // project has changes not in its file or edited panels, removed otherwise.
    void GuardarRecuperacao();
    TCopiaRecuperacao CopiaAtual() const;
    // Offers the copies of runs that did not end normally, newest first; true
    // when one was opened (the start-up selection is then skipped).
    bool OferecerRecuperacao();
    void Recuperar(const TCopiaRecuperacao &copia, const QString &arquivoDaCopia);
    TGravadorRecuperacao &GravadorRecuperacao() { return *recuperacao; }
    QTimer *TmrRecuperacao;

    // Started with a project file: opens it as "Abrir Archivo" does, without the
    // selection; when it cannot be opened (the error is shown), the selection follows.
    void AbrirNaPartida(const QString &arquivo);

    TFme_Destinos *Fme_Destinos;
    QWidget *Pnl_AreaTrabalho;
    QSplitter *JvSyncSplitter1;
    QStatusBar *stBarraStatus;
    QLabel *PainelStatus[3];
    QWidget *Pnl_Botoes;
    QLabel *Lbl_Salvando;
    QPushButton *Btn_SalvarProjeto;
    QPushButton *Btn_ImprimirProjeto;
    QPushButton *Btn_TransferirProjeto;
    QPushButton *btn_VolaraSelecao;
    QToolButton *Btn_Desfazer;
    QToolButton *Btn_Refazer;
    QTimer *Timer1;

    QAction *Act_NovoProjeto;
    QAction *Act_AbrirProjeto;
    QAction *Act_SalvarProjeto;
    QAction *Act_FecharProjeto;
    QAction *Act_TransferirProjeto;
    QAction *Act_SalvarComoProjeto;
    QAction *Act_ImprimirProjeto;
    QAction *Act_VoltaraSelecao;
    QAction *Act_AlinhaEsquerda;
    QAction *Act_AlinhaCentro;
    QAction *Act_AlinhaDireita;
    QAction *Act_LimpaTudo;
    QAction *Act_QuadricularPainel;
    QAction *Act_Desfazer; // Ctrl+Z
    QAction *Act_Refazer;  // Ctrl+Y, Ctrl+Shift+Z
    QList<QAction *> AcoesSemEfeito; // Modo Texto, Modo Gráfico, ... (enabled with a project)

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void criarAcoes();
    void criarBarraDeBotoes(QWidget *centro);
    void criarBarraDeStatus();
    void posicionarBotoes();
    // Runs a command: its TErro is shown in the error box; AtualizaComandos always
    // follows, and the keyboard goes back to the active panel.
    void executar(const std::function<void()> &comando);
    // The window active and the active panel editing, as after every command.
    void devolverTeclado();
    // A notice in the status bar, cleared after a while.
    void avisar(const QString &aviso);

    // The project commands; parou tells a caller that the command stopped.
    void NovoProjeto();
    void AbrirProjeto();
    void SalvarProjeto(bool &parou);
    void SalvarComoProjeto();
    void FecharProjeto(bool &parou);
    void VoltarASelecao();
    void AdicionaPainel();
    void TransferirProjeto();
    // "Importar Lista de Destinos...": a file, what it will do, then the rows.
    void ImportarLista();
    void Imprimir();
    // Panels edited since their destination was loaded or stored: asks
    // "Salvar o destino editado?"; false when the operator cancelled.
    bool ConfirmarDestinoEditado();
    // The list's "Destino" and "Extra" buttons.
    void MostrarTipo(bool extra);
    void instalarEventosDaLista();
    // After a project command: tools and panels of the open project refreshed.
    void focarEditor();
    void criarProjeto();
    // Opens the project file into a new project; raises TErro when it cannot.
    void abrirArquivo(const QString &arquivo);
    void aposAbrir();
    void Alinhar(int botao);
    void LimpaTudo();
    void QuadricularPainel();

    // The undo history (UFrmPrincipalHistorico.cpp).
    void criarHistorico();
    void iniciarHistorico();
    void desfazerOuRefazer(bool desfazer);
    // The undo and redo buttons and commands: enabled and named after the steps.
    void atualizarHistorico();
    // Runs acao as one step of the history (when a project is open).
    void passo(TTipoPasso tipo, const std::function<void()> &acao);
    TEstadoTrabalho CapturarTrabalho(const TEstadoTrabalho *anterior) override;
    void RestaurarTrabalho(const TEstadoTrabalho &estado) override;
    TTabelaMemoria &TabelaDestinos() override;
    void RestaurarDestinos(const std::vector<QVector<QVariant>> &linhas) override;

    std::unique_ptr<TProjeto> projeto;
    std::unique_ptr<TGravadorRecuperacao> recuperacao;
    bool atualizado = false; // the first AtualizaComandos has run
};
