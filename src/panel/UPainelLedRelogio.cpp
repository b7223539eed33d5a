#include <QPainter>
#include <algorithm>
#include <optional>

#include "panel/UPainelLed.h"

// Bounds of the departure clock: the characters typed with the clock flag.
// Every bound is 0 (and the font tfNenhum) when there are none.

int TPainelLed::RelogioColunaInicial() const
{
    std::optional<int> menor;
    for (const auto &c : texto)
        if (c->Relogio)
            menor = std::min(menor.value_or(c->Coluna), c->Coluna);
    return menor.value_or(0);
}

int TPainelLed::RelogioColunaFinal() const
{
    std::optional<int> maior;
    for (const auto &c : texto)
        if (c->Relogio)
            maior = std::max(maior.value_or(c->ColunaFinal()), c->ColunaFinal());
    return maior.value_or(0);
}

int TPainelLed::RelogioLinhaInicial() const
{
    std::optional<int> menor;
    for (const auto &c : texto)
        if (c->Relogio)
            menor = std::min(menor.value_or(c->Linha), c->Linha);
    return menor.value_or(0);
}

int TPainelLed::RelogioLinhaFinal() const
{
    std::optional<int> maior;
    for (const auto &c : texto)
        if (c->Relogio)
            maior = std::max(maior.value_or(c->LinhaFinal()), c->LinhaFinal());
    return maior.value_or(0);
}

TTipoFonte TPainelLed::RelogioFonte() const
{
    const TCfgChar *primeiro = nullptr;
    for (const auto &c : texto)
        if (c->Relogio && (!primeiro || c->Coluna < primeiro->Coluna))
            primeiro = c.get();
    return primeiro ? primeiro->Fonte : TTipoFonte::tfNenhum;
}

void TPainelLed::desenharRelogio(QPainter &pintor) const
{
    const int c0 = RelogioColunaInicial();
    const int c1 = RelogioColunaFinal();
    const int r0 = RelogioLinhaInicial();
    const int r1 = RelogioLinhaFinal();
    if (c0 == 0 && c1 == 0)
        return;
    // The frame ends at the left edge of the clock's last column: that column
    // is the blank spacing column of its last glyph.
    const int esquerda = RetanguloDe(r0, c0, 1).Left;
    const int direita = RetanguloDe(r0, c1 - 1, 1).Left;
    const int topo = RetanguloDe(r0, c0, 1).Top;
    const int base = RetanguloDe(r1, c0, 1).Bottom;
    pintor.setPen(QPen(QColor(0xFF, 0x00, 0xFF), 1));
    pintor.drawLine(esquerda, topo, esquerda, base);
    pintor.drawLine(esquerda, topo, direita, topo);
    pintor.drawLine(esquerda, base, direita, base);
    pintor.drawLine(direita, topo, direita, base);
}
