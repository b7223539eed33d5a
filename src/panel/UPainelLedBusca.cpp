#include <cstdlib>

#include "panel/UPainelLed.h"

// Lookups of characters around the cursor. A line is a band of rows: the
// cursor line is rows LinhaCursor .. LinhaCursor + H - 1 (H the height of
// FonteUtilizada); a character is on a band when its rows overlap it. Ties go
// by list order as each lookup states.

namespace {
bool naFaixa(const TCfgChar &c, int primeira, int ultima)
{
    return c.Linha <= ultima && c.LinhaFinal() >= primeira;
}
}

TCfgChar *TPainelLed::caractereSob(int linha, int coluna, bool incluirFim) const
{
    for (const auto &c : texto)
        if (c->Linha <= linha && linha <= c->LinhaFinal() && c->Coluna <= coluna
            && (incluirFim ? coluna <= c->ColunaFinal() : coluna < c->ColunaFinal()))
            return c.get();
    return nullptr;
}

TCfgChar *TPainelLed::CaractereNoCursor() const
{
    return caractereSob(linhaCursor, colunaCursor, false);
}

TCfgChar *TPainelLed::CaractereJuntoAoCursor() const
{
    return caractereSob(linhaCursor, colunaCursor, true);
}

TCfgChar *TPainelLed::UltimoCaractereDaLinha() const
{
    const int ultima = linhaCursor + AlturaDaFonte(fonteUtilizada) - 1;
    TCfgChar *achado = nullptr;
    for (const auto &c : texto)
        if (naFaixa(*c, linhaCursor, ultima) && (!achado || c->ColunaFinal() > achado->ColunaFinal()))
            achado = c.get();
    return achado;
}

TCfgChar *TPainelLed::PrimeiroCaractereDaLinha() const
{
    const int ultima = linhaCursor + AlturaDaFonte(fonteUtilizada) - 1;
    TCfgChar *achado = nullptr;
    for (const auto &c : texto)
        if (naFaixa(*c, linhaCursor, ultima) && (!achado || c->Coluna < achado->Coluna))
            achado = c.get();
    return achado;
}

TCfgChar *TPainelLed::caractereNaFaixa(int primeiraLinha, int ultimaLinha) const
{
    // The last in list order whose columns hold the cursor column.
    TCfgChar *achado = nullptr;
    for (const auto &c : texto)
        if (naFaixa(*c, primeiraLinha, ultimaLinha) && c->Coluna <= colunaCursor && colunaCursor < c->ColunaFinal())
            achado = c.get();
    return achado;
}

TCfgChar *TPainelLed::CaractereAbaixo(int folga) const
{
    const int h = AlturaDaFonte(fonteUtilizada);
    return caractereNaFaixa(linhaCursor + h + folga, linhaCursor + 2 * h + folga - 1);
}

TCfgChar *TPainelLed::CaractereAcima(int folga) const
{
    const int h = AlturaDaFonte(fonteUtilizada);
    return caractereNaFaixa(linhaCursor - h - folga, linhaCursor - folga - 1);
}

int TPainelLed::BordaMaisProxima(const TCfgChar &registro) const
{
    return std::abs(registro.ColunaFinal() - colunaCursor) < std::abs(registro.Coluna - colunaCursor)
               ? registro.ColunaFinal()
               : registro.Coluna;
}

void TPainelLed::atualizarIndiceNoCursor()
{
    const TCfgChar *c = CaractereNoCursor();
    indiceNoCursor = c ? c->Indice : 0;
}
