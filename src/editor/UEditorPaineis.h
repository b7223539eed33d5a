#pragma once

#include <QPoint>
#include <QScopeGuard>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "editor/UTipoPasso.h"
#include "panel/UPainelLed.h"
#include "panel/UTipos.h"

class TRotativos;

// The panel editor without its widgets: the panel of each sign position, the
// active panel, the rotating-slot storage and the simulator's steps. The
// editor frame owns the panels and the tools, registers the panels here and
// turns the tools' events into these operations.
class TEditorPaineis {
public:
    static constexpr int QtdPosicoes = 4; // 1 front, 2 side, 3 rear, 4 auxiliary

    explicit TEditorPaineis(TRotativos &rotativos);
    virtual ~TEditorPaineis() = default;
    TEditorPaineis(const TEditorPaineis &) = delete;
    TEditorPaineis &operator=(const TEditorPaineis &) = delete;

    // The panel of a position (1..4); nullptr when the position has none.
    TPainelLed *Painel(int posicao) const;
    // The frame registers its panels; nullptr removes one.
    void DefinirPainel(int posicao, TPainelLed *painel);

    quint16 NumeroPainelAtivo = 0;   // 0 until a panel has been made active
    bool AtualizarAoAtivar = false;  // activating a panel shows it in the tools
    quint16 ContadorSimulador = 0;   // the simulator's slot counter, 0..8
    quint16 RotativoSalvo = 0;       // the slot current when the simulator was switched on
    std::array<int, QtdPosicoes> ColunaCursorSalva{}; // cursor column of each scrolling panel then
    std::array<int, QtdPosicoes> PrimeiraColunaSalva{}; // and the first column its view showed
    // Set, loading a slot leaves alone a panel whose slot holds no stored message
    // (Vazio), as the bus goes on showing a sign's own messages; unset, the panel
    // shows what the editor starts a new slot with. For a play that stores
    // nothing (the rotating slots' GravarAoTrocar unset).
    bool ManterSemMensagem = false;

    // The undo history's side: a step the operator names begins, or the open step ends.
    std::function<void(TTipoPasso tipo)> AoComecarPasso;
    std::function<void()> AoConcluirPasso;
    void ComecarPasso(TTipoPasso tipo)
    {
        if (AoComecarPasso)
            AoComecarPasso(tipo);
    }
    void ConcluirPasso()
    {
        if (AoConcluirPasso)
            AoConcluirPasso();
    }
    // One whole step: begun, done, ended (also when the action fails).
    template <typename Acao> void Passo(TTipoPasso tipo, Acao &&acao)
    {
        ComecarPasso(tipo);
        const auto fim = qScopeGuard([this] { ConcluirPasso(); });
        acao();
    }
    // What the operator is about to do on a panel, as a step: typing continues a
    // run, a deletion, paste or drawing press begins a step, a cursor move or
    // click ends the open one.
    void EdicaoNoPainel(TEdicao edicao);

    // The active panel; with no valid active position, the first present one
    // (front, side, rear, auxiliary), which becomes active.
    TPainelLed *PainelAtivo();
    void DefinirPainelAtivo(quint16 posicao) { NumeroPainelAtivo = posicao; }
    // The rotating tool's question: the active position and which positions are present.
    void InformarPainelAtivo(quint16 &painelAtivo, bool &auxiliar, bool &traseiro, bool &lateral, bool &frontal);

    // Binds the rotating tool's events: store the panels before a slot change,
    // answer which panel is active, load the panels after it.
    void LigarRotativos();
    // Stores every panel that is not empty into its configuration of its slot
    // (SlotDoPainel), unless the slot holds no message and the panel shows only what it brought.
    void GravarRotativoAtual();
    // The slot a panel shows: the current one; a scrolling sign's one message,
    // which the slot changes leave on it, is slot 1.
    quint16 SlotDoPainel(const TPainelLed &painel) const;
    // Loads every panel that does not scroll from its configuration of the current slot
    // (see ManterSemMensagem).
    void CarregarRotativoAtual();

    // Simulator: the signs as the bus plays them. The signs that scroll move
    // one column per scroll step; the others show the rotating messages, each
    // for its exposure time; a sign without a message in a slot goes on showing
    // the one it has (ManterSemMensagem). Both steps run side by side.
    // Ligar stores what the panels show into the current slot (as a slot
    // change would), then saves that slot and the cursor columns of the
    // scrolling panels; the play stores nothing. DefinirModoSimulador puts the panels in or out of ModoSimulador,
    // ticks slot 1, resets the counter and runs one rotating step. Each step
    // returns the interval in ms until the next one; 0 means no next step.
    void LigarSimulador();
    int DefinirModoSimulador(bool ligado);
    // A scroll step: the panels that scroll move one column; IntervaloRolagem ms to the next.
    static constexpr int IntervaloRolagem = 5;
    int PassoDeRolagem();
    // A rotating step: the next slot that some present panel has.
    int PassoDeRotativo();
    // Back in the editing modes, the slot and the cursor columns of switching on
    // restored, every panel showing that slot again. Panels that do not scroll
    // show their first column again.
    void DesligarSimulador();

    // The models the operator can choose for a sign.
    struct TModelo {
        QString Legenda; // "Modelo 8x40"
        int Linhas;
        int Colunas;
    };
    static const std::array<TModelo, 12> &Modelos();
    // The entry of that size; -1 when the list has none.
    static int IndiceDoModelo(int linhas, int colunas);
    // The font a sign of that many rows gets; none from 14 rows on (the font stays).
    static std::optional<TTipoFonte> FonteDasLinhas(int linhas);
    // The sizes a sign may take: what the sign controller file can hold.
    static constexpr int MinimoLinhas = 1;
    static constexpr int MaximoLinhas = 16;
    static constexpr int MinimoColunas = 1;
    static constexpr int MaximoColunas = 255;

    // Where the captions and panels go in the panel area: stacked from the top
    // at x = 10, one pixel apart; the rear sign beside the side sign (or the
    // auxiliary one) when the front sign and one of them exist.
    struct TPeca {
        QSize Legenda;
        QSize Painel;
    };
    struct TLugar {
        QPoint Legenda;
        QPoint Painel;
    };
    struct TDisposicao {
        std::array<std::optional<TLugar>, QtdPosicoes> Lugares;
        int Altura = 0; // of the panel area
    };
    static TDisposicao Organizar(const std::array<std::optional<TPeca>, QtdPosicoes> &pecas);

protected:
    // The view's side. A click on a slot box as the operator makes it.
    virtual void ClicarRotativo(quint16 rotativo);
    // Keyboard editing on the active panel and its settings in the tools.
    virtual void FocarPainelAtivo();

    TRotativos &rotativos;

private:
    std::array<TPainelLed *, QtdPosicoes> paineis{};
    bool tocando = false;     // the simulator plays: slot changes store nothing
    bool manterAntes = false; // ManterSemMensagem before the simulator
};
