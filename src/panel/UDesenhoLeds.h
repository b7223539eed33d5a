#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QTime>
#include <array>
#include <vector>

#include "panel/UTipos.h"

class TPainelLed;

// Signs drawn as they look on the bus, into an 8-bit picture whose colour
// table this class builds: round LEDs in their colours on the black face of
// the sign, dark LEDs faintly visible, captions in one light colour on the
// page. The edges of the discs and letters are blended in Niveis steps, so a
// picture of four signs stays within the 256 colours of a GIF frame, and the
// table only grows: an index keeps its colour in every later frame.
class TDesenhoLeds {
public:
    static constexpr int Niveis = 8;          // blending steps, the background and the full colour included
    static constexpr int PassoMinimo = 3;     // pixels from one LED's centre to the next: the least with a full centre
    static constexpr int PassoMaximo = 40;
    static constexpr QRgb CorPagina = 0xFF2A2A2A;
    static constexpr QRgb CorFace = 0xFF000000;
    static constexpr QRgb CorLegenda = 0xFFDCDCDC;
    static constexpr QRgb CorApagado = 0xFF262626;

    explicit TDesenhoLeds(int passo); // clamped to PassoMinimo .. PassoMaximo
    int Passo() const { return passo; }

    // An Indexed8 picture with the colour table so far, filled with the page colour.
    QImage NovaImagem(int largura, int altura) const;
    // Adds the blends of an LED colour (0x00BBGGRR) to the table; drawing does it too.
    void RegistrarCor(TCor cor);
    const QList<QRgb> &Paleta() const { return paleta; }

    void PreencherFace(QImage &imagem, const QRect &retangulo) const;
    // Text in the caption colour with its top-left corner at the point, letters pixels high.
    void EscreverLegenda(QImage &imagem, QPoint ponto, const QString &texto, int pixels);
    // Pixels wide and high of a caption.
    static QSize TamanhoDaLegenda(const QString &texto, int pixels);

    // The sign's face as it shows now, LED (1, 1) in the passo x passo square at
    // origem: the columns of the view (the fixed part left of the division, the
    // scrolled rest), each lit LED in its column's colour, and a clock
    // placeholder showing horario in the clock's font.
    void DesenharPainel(QImage &imagem, QPoint origem, TPainelLed &painel, QTime horario);

private:
    using TTons = std::array<uchar, Niveis>; // palette index of each blend step
    uchar indice(QRgb cor);
    TTons tons(QRgb fundo, QRgb cor);
    void pintarLed(QImage &imagem, QPoint ponto, const TTons &tons) const;
    void copiarTabela(QImage &imagem) const;

    int passo;
    std::vector<quint8> disco; // blend step of each pixel of an LED's square, row by row
    QList<QRgb> paleta;
    QHash<QRgb, uchar> indicePorCor;
    QHash<quint64, TTons> tonsPorPar; // (background, colour) -> blends
};
