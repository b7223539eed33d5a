#include <QPainter>
#include <functional>
#include <optional>

#include "panel/UPainelLed.h"

// Bounds of the departure clock: the characters typed with the clock flag.
// Every bound is 0 (and the font tfNenhum) when there are none.

namespace {
// The bound of the clock characters that comes first in Antes's order (the
// least with std::less, the greatest with std::greater); 0 without any.
template <typename Antes, typename Limite>
int extremoDoRelogio(const std::vector<std::unique_ptr<TCfgChar>> &texto, Limite limite)
{
    std::optional<int> extremo;
    for (const auto &c : texto) {
        if (!c->Relogio)
            continue;
        const int valor = std::invoke(limite, *c);
        if (!extremo || Antes{}(valor, *extremo))
            extremo = valor;
    }
    return extremo.value_or(0);
}
}

int TPainelLed::RelogioColunaInicial() const
{
    return extremoDoRelogio<std::less<>>(texto, &TCfgChar::Coluna);
}

int TPainelLed::RelogioColunaFinal() const
{
    return extremoDoRelogio<std::greater<>>(texto, &TCfgChar::ColunaFinal);
}

int TPainelLed::RelogioLinhaInicial() const
{
    return extremoDoRelogio<std::less<>>(texto, &TCfgChar::Linha);
}

int TPainelLed::RelogioLinhaFinal() const
{
    return extremoDoRelogio<std::greater<>>(texto, &TCfgChar::LinhaFinal);
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
