#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QTime>
#include <array>
#include <memory>

#include "app/UTransferencia.h"
#include "editor/UEditorPaineis.h"
#include "editor/URotativos.h"
#include "panel/UDesenhoLeds.h"

class TDtm_Destino;
class TPainelLed;

struct TOpcoesImagem {
    int Escala = 8;                // pixels from one LED's centre to the next (TDesenhoLeds' limits)
    QTime Horario = QTime(12, 34); // what a clock placeholder shows
};

// A destination (or extra message) of an open project as its signs show it on
// the bus, drawn from the stored rows without a window. One panel per fitted
// sign, at the sign's size, is loaded as the destination list loads it (every
// stored message into its rotating slot, slot 1 shown); a sign whose first
// message scrolls (SENTIDO_ROTATIVO1, as the pen drive file has it) scrolls.
// The picture stacks the signs in position order, each under its name.
class TImagemDestino {
public:
    // Loads the number in the kind the tables show; their cursor is back where
    // it was afterwards. Throws TErro when no fitted sign has a row of the
    // number, or only pending new rows.
    TImagemDestino(TDtm_Destino &dados, int numero, const TOpcoesImagem &opcoes = {});
    ~TImagemDestino();
    TImagemDestino(const TImagemDestino &) = delete;
    TImagemDestino &operator=(const TImagemDestino &) = delete;

    bool Extra() const { return extra; }
    int Numero() const { return numero; }
    const QList<TSinalEquipado> &Sinais() const { return sinais; }
    // The panel of a position; nullptr where no sign is fitted.
    TPainelLed *Painel(int posicao) const;
    // The simulator over the panels, its rotating slots bound (the animation plays it).
    TEditorPaineis &Editor() { return editor; }
    bool Rola(int posicao) const; // the sign at the position scrolls

    // Draws what the panels show now; the same picture each time, drawn over.
    const QImage &Desenhar();
    QSize Tamanho() const { return tela.size(); }
    // The pixel at the centre of LED (linha, coluna) of a sign's face, both 1-based.
    QPoint CentroDoLed(int posicao, int linha, int coluna) const;

    // Draws the picture and writes it as PNG through a temporary file. Throws TErro.
    void GravarPng(const QString &arquivo);

    // "O destino 7 não existe neste projeto." for the kind.
    static QString MensagemNaoExiste(bool extra, int numero);

private:
    void verificarNumero(TDtm_Destino &dados) const;
    void carregar(TDtm_Destino &dados);
    void montar();

    bool extra;
    int numero;
    TOpcoesImagem opcoes;
    QList<TSinalEquipado> sinais;
    TRotativos rotativos;
    TEditorPaineis editor{rotativos};
    std::array<std::unique_ptr<TPainelLed>, TEditorPaineis::QtdPosicoes> paineis;
    std::array<QPoint, TEditorPaineis::QtdPosicoes> origens; // LED (1, 1)'s square of each sign
    TDesenhoLeds desenho;
    QImage tela;
};
