#pragma once

#include <QImage>
#include <QString>
#include <functional>

class TImagemDestino;

// A destination as the simulator plays it, frame by frame: every frame is the
// picture of a state the simulator's own steps (TEditorPaineis) leave the
// panels in. The signs that scroll move one column per scroll step; the
// others show the rotating messages, each for its exposure time; both run on
// one clock, as in the operator's simulator.
// A sign without a message in a slot goes on showing the one it has
// (TEditorPaineis::ManterSemMensagem, which TImagemDestino sets).
//
// One loop holds every sign's whole play: whole rounds of the rotating
// messages, as many as a pass of the longest scrolling text needs; without
// rotating messages, one pass of that text; otherwise one frame. An
// exposure time of 0 stops the simulator on its message: the play then ends
// there and does not start over. A scroll step lasts MenorIntervalo here
// rather than the simulator's 5 ms: browsers show a GIF frame of less than
// 2 centiseconds for 100 ms, so 20 ms is the fastest step they play as written.
class TAnimacaoDestino {
public:
    static constexpr int MenorIntervalo = 20; // ms

    struct TResumo {
        int Quadros = 0;    // as written (a frame equal to the one before only lengthens it)
        int Duracao = 0;    // ms of one loop
        bool Repete = true; // the loop starts over
    };

    // Plays the messages and the scrolling apart once, to learn the loop.
    explicit TAnimacaoDestino(TImagemDestino &imagem);
    int Duracao() const { return ciclo.Duracao; } // ms of one loop
    bool Repete() const { return ciclo.Repete; }

    // Plays one loop from the simulator switched on, handing over each frame
    // (the picture, drawn over for the next one) and how long it shows in ms
    // (0: for ever); the simulator is off again afterwards.
    TResumo Percorrer(const std::function<void(const QImage &quadro, int duracao)> &aoQuadro);

    // Writes one loop as an animated GIF through a temporary file. Throws TErro.
    TResumo GravarGif(const QString &arquivo);

private:
    struct TCiclo {
        int Duracao = 0;
        bool Repete = true;
        bool Rotativo = false; // two or more messages take turns
        bool Rola = false;     // some sign scrolls
    };
    TCiclo medir();
    int voltaDaRolagem(); // ms

    TImagemDestino &imagem;
    TCiclo ciclo;
};
