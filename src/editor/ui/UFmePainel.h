#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "editor/UEditorPaineis.h"

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;
class TFlexLed;
class TFme_CoresLED;
class TFme_Fontes;
class TFme_Graficos;
class TFme_Rolagem;
class TFme_Rotativo;

// The editing surface of an open project: one LED panel per fitted sign
// position with its caption, the header tools that act on the active panel,
// the rotating-message tool in the footer, the panels' context menu and the
// simulator that plays every sign at once. The state and the algorithms
// without widgets are TEditorPaineis'; this frame owns the panels and tools
// and wires them to each other in one place.
class TFme_Painel : public QWidget, public TEditorPaineis {
    Q_OBJECT
public:
    // Builds the frame on its owner, which it fills, with the panels asked for.
    TFme_Painel(QWidget *dono, bool frontal, bool lateral, bool traseiro, bool auxiliar);
    ~TFme_Painel() override;

    // Gives every position asked for a new caption and panel (replacing one
    // there), frees the others, binds the tools and resets the editor.
    void CriarPaineis(bool frontal, bool lateral, bool traseiro, bool auxiliar);
    // Places captions and panels in the panel area.
    void OrganizarPaineis();
    // The panel widget of a position (1..4), or of the active panel; nullptr for none.
    TFlexLed *FlexLed(int posicao) const;
    TFlexLed *FlexAtivo();
    QLabel *Legenda(int posicao) const;

    // With an active panel: its settings shown in every tool.
    void AtualizarFerramentas();
    // With an active panel: keyboard editing on it, and AtualizarFerramentas.
    void FocarPainelAtivo() override;
    // Empties the model list and the rotating slots; full also resets the tools and clears the panels.
    void ReiniciarEditor(bool completo);
    void DefinirModoSimulador(bool ligado);
    bool SimuladorLigado() const { return simuladorLigado; }

    // Raised first when the simulator is switched on and last when it is switched off.
    std::function<void(TFme_Painel *Sender)> AoAlterarSimulador;
    // A notice for the operator about the panels (a typed character refused, and why).
    std::function<void(const QString &aviso)> AoAvisar;

    // The commands of the panels' context menu, also the main window's F5 to
    // F8: the font tool's alignment button (0 left, 2 centre, 1 right) when it
    // is enabled and not down; the active panel and its slot cleared, one step.
    void AlinharPainelAtivo(int botao);
    void LimparTudo();
    // "Inserir Pictograma..." (menu and header): the chooser at the height the
    // active sign takes, then the pictogram at its cursor, one step. A sign
    // without room for the smallest is refused at once, with the reason.
    void InserirPictograma();
    // "Importar Imagem..." (menu and header): a picture file, the preview,
    // then its LEDs at the active sign's cursor, one step. A file that cannot
    // be read is shown in the error box and changes nothing.
    void ImportarImagem();

    // The operator's handlers.
    void PainelAtivado(TPainelLed *painel);
    void AbrirMenuOpcoes(TPainelLed *painel, int x, int y);
    void Cbo_ModeloChange();
    void Sbt_LINHASTopClick();
    void Sbt_LINHASBottomClick();
    void Sbt_COLUNASTopClick();
    void Sbt_COLUNASBottomClick();
    void Btn_IniciaSimuladorClick();
    void Btn_FinalizaSimuladorClick();
    void Tmr_SimuladorTimer(); // a rotating step
    void Tmr_RolagemTimer();   // a scroll step

    QWidget *Pnl_Cabecalho;
    QWidget *Panel1;
    QWidget *Pnl_Rodape;
    QScrollArea *ScrollBox1;
    QComboBox *Cbo_Modelo;
    QToolButton *Sbt_LINHASTop;
    QToolButton *Sbt_LINHASBottom;
    QToolButton *Sbt_COLUNASTop;
    QToolButton *Sbt_COLUNASBottom;
    QLabel *Lbl_LINHAS1;
    QLabel *Lbl_COLUNAS1;
    QPushButton *Btn_IniciaSimulador;
    QPushButton *Btn_FinalizaSimulador;
    QPushButton *Btn_Pictograma;
    QPushButton *Btn_Imagem;
    TFme_Fontes *Fme_Fontes;
    TFme_CoresLED *Fme_CoresLED;
    TFme_Rolagem *Fme_Rolagem;
    TFme_Graficos *Fme_Graficos;
    TFme_Rotativo *Fme_Rotativo;
    QTimer *Tmr_Simulador; // the rotating messages, each for its exposure time
    QTimer *Tmr_Rolagem;   // the scrolling signs, every 5 ms
    QMenu *PopupMenu1;

protected:
    void ClicarRotativo(quint16 rotativo) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QWidget *criarCabecalho();
    void escolherCores();
    void ligarFerramentas();
    void alterarRolagem(TPainelLed &ativo, bool rolar);
    void criarPosicao(int posicao);
    void liberarPosicao(int posicao);
    // Shows a panel's settings in the tools and makes it the active panel.
    void exibirNasFerramentas(TPainelLed &painel);
    void editarSoOAtivo();
    void definirDimensoes(int posicao, int linhas, int colunas, bool aplicar);
    // The spin buttons: the active panel's size with one step, kept within what a sign can be.
    void passoDeTamanho(int linhas, int colunas);
    void programarSimulador(int intervalo);
    // The active panel when a figure can go on it now: none while the simulator plays.
    TPainelLed *painelParaFigura();
    void centrar(QWidget *fundo, QWidget *conteudo);

    QWidget *areaPaineis; // the scroll area's content: captions and panels
    std::array<QPointer<TFlexLed>, QtdPosicoes> flex{};
    std::array<QPointer<QLabel>, QtdPosicoes> legendas{};
    bool simuladorLigado = false;
    TPainelLed *ativando = nullptr; // the panel PainelAtivado is running for
};
