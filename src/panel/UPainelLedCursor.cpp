#include <QScopeGuard>

#include "panel/UPainelLed.h"

// The text cursor and keyboard editing. The cursor is an overlay: Desenhar
// draws it from CursorVisivel, CursorLigado and the mode; erasing it only
// clears the flag. The cells it would touch are still created, as its
// drawing always did (the content text of a scrolling line counts them).

void TPainelLed::PosicionarCursor(int coluna, int linha)
{
    colunaCursor = coluna;
    linhaCursor = linha;
    NormalizarCursor();
}

void TPainelLed::AcompanharCursor(int delta)
{
    const int p = primeiraColuna;
    const int n = nroColunas;
    const int c = colunaCursor;
    if (c <= n)
        DefinirPrimeiraColuna(1);
    else if (p <= c && c <= p + n)
        return;
    else if (c < p)
        DefinirPrimeiraColuna(p - n);
    else
        DefinirPrimeiraColuna(p + delta);
}

void TPainelLed::NormalizarCursor()
{
    // A column left of the panel has no cells to stand on: 1 is the first.
    if (colunaCursor <= 0)
        colunaCursor = 1;
    if (rolagem == TRolagem::tsNenhum && colunaCursor > nroColunas)
        colunaCursor = nroColunas;
    DesenharCursor(fasePisca);
}

void TPainelLed::DesenharCursor(bool mostrar)
{
    cursorVisivel = mostrar;
    if (mostrar) {
        if (CursorLigado && modo == TModo::ModoTexto) {
            Led(linhaCursor, colunaCursor, true);
            Led(linhaCursor + AlturaDaFonte(fonteUtilizada) - 1, colunaCursor, true);
        }
    } else {
        for (int linha = linhaCursor; linha < linhaCursor + nroLinhas; ++linha)
            Led(linha, colunaCursor, true);
    }
    SolicitarDesenho();
}

void TPainelLed::ExibirCursor(bool mostrar, bool pararTemporizador)
{
    DesenharCursor(mostrar);
    if (pararTemporizador) {
        piscando = false;
        LigarPisca(false);
    }
}

void TPainelLed::AtivarEdicao()
{
    if (ocupado || !Habilitado() || modo != TModo::ModoTexto)
        return;
    AtivarCaptura(true);
    piscando = true;
    LigarPisca(true);
}

void TPainelLed::DesativarEdicao()
{
    if (ocupado)
        return;
    piscando = false;
    LigarPisca(false);
    AtivarCaptura(false);
    DesenharCursor(false);
}

void TPainelLed::PiscarCursor()
{
    const auto depois = qScopeGuard([this] { SolicitarDesenho(); });
    fasePisca = !fasePisca;
    if (modo == TModo::ModoTexto)
        NormalizarCursor();
    else
        DesativarEdicao();
}
