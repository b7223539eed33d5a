#pragma once

#include <QMainWindow>

#include "app/ui/UComandosProjeto.h"
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
// the destination list below it, the status bar and the button bar. It lays
// them out, owns the actions and keys and wires them, the list's events and
// the undo buttons to the project commands (Comandos), which decide what each
// command asks and does, and shows what they report.
class TFrm_PrincipalVeltronix : public QMainWindow, private TVisaoComandos {
    Q_OBJECT
public:
    explicit TFrm_PrincipalVeltronix(QWidget *dono = nullptr);
    ~TFrm_PrincipalVeltronix() override;

    TSincronizacao Sincronizacao;
    TComandosProjeto Comandos;
    TProjeto *Projeto() const { return Comandos.Projeto(); }
    TFme_Painel *Editor() const { return Comandos.Editor(); }
    THistorico *Historico() const { return Comandos.Historico(); }

    // The commands' enabled state, the caption, the button bar and the undo buttons.
    void AtualizaComandos() override;
    // The start-up selection (the one-shot timer's tick), after the offer of a recovery copy.
    void Timer1Timer();
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
    QTimer *TmrRecuperacao; // the recovery copy while panels are edited

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

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // What the commands show (TVisaoComandos).
    QWidget *AreaDeTrabalho() override { return Pnl_AreaTrabalho; }
    int SelecionaModelos() override;
    void MostrarProgresso(const QString &texto) override;
    void EsconderProgresso() override;
    void MostrarSimulador(bool ligado) override;
    // A notice in the status bar, cleared after a while.
    void Avisar(const QString &aviso) override;
    // The undo and redo buttons and commands: enabled and named after the steps.
    void AtualizarHistorico() override;
    // The window active and the active panel editing, as after every command.
    void DevolverTeclado() override;

    void criarAcoes();
    void criarBarraDeBotoes(QWidget *centro);
    void criarBarraDeStatus();
    // The undo buttons and keys (UFrmPrincipalHistorico.cpp).
    void criarHistorico();
    void posicionarBotoes();
    void instalarEventosDaLista();
    void executar(const std::function<void()> &comando) { Comandos.Executar(comando); }

    // The project commands, as the actions and buttons run them.
    void NovoProjeto() { Comandos.NovoProjeto(); }
    void AbrirProjeto() { Comandos.AbrirProjeto(); }
    void SalvarProjeto(bool &parou) { Comandos.SalvarProjeto(parou); }
    void SalvarComoProjeto() { Comandos.SalvarComoProjeto(); }
    void FecharProjeto(bool &parou) { Comandos.FecharProjeto(parou); }
    void VoltarASelecao() { Comandos.VoltarASelecao(); }
    void TransferirProjeto() { Comandos.TransferirProjeto(); }
    void ImportarLista() { Comandos.ImportarLista(); }
    void Imprimir() { Comandos.Imprimir(); }
    void Alinhar(int botao);
    void LimpaTudo();
    void QuadricularPainel();

    bool atualizado = false; // the first AtualizaComandos has run
};
