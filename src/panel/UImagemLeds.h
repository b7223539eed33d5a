#pragma once

#include <QImage>
#include <QSize>

#include "panel/UFolhaGlifos.h"

// A picture turned into the lit and dark LEDs of a sign: scaled to the LEDs
// it will take, then each LED lit where the picture is darker than the
// threshold (ink on paper lights up), or lighter with Inverter; transparent
// parts stay dark either way.

enum class TAjusteImagem : quint8 {
    AlturaDoPainel, // the rows given, keeping the picture's proportions
    PainelInteiro,  // every row and column given, stretched
};

struct TOpcoesImagem {
    TAjusteImagem Ajuste = TAjusteImagem::AlturaDoPainel;
    int Limiar = 128;      // 1..255: a grey below it lights its LED
    bool Inverter = false; // a grey at or above it lights it instead
};

// The LEDs (columns x rows) a picture of that size takes in linhas x colunas
// LEDs. Keeping the proportions, the height is linhas unless the width would
// pass colunas (limitarColunas, a sign that does not scroll), then the width
// is colunas; never less than one LED each way. Empty for an empty picture or no room.
QSize TamanhoEmLeds(QSize imagem, int linhas, int colunas, TAjusteImagem ajuste, bool limitarColunas);

// The picture scaled to tamanho LEDs (columns x rows), each LED the average of
// the pixels it covers: lit or dark by the options' threshold and inversion;
// an LED whose pixels are more than half transparent is dark.
TGradeLeds ImagemParaLeds(const QImage &imagem, QSize tamanho, const TOpcoesImagem &opcoes);
