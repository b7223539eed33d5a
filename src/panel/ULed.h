#pragma once

#include "panel/UTipos.h"

class TPainelLed;

// A cell's rectangle in panel pixels. Right and Bottom are Left/Top + size −
// inset: the full rectangle (inset 0) reaches the next cell's edge, the inner
// one (inset 1) stops one pixel short; LedNoPonto takes the inner bounds as inclusive.
struct TRetangulo {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// One LED cell of a panel. Cells are created on demand and live until the
// panel is cleared; at most one exists per (row, column).
struct TLed {
    int Linha = 0;
    int Coluna = 0;
    TPainelLed *Dono = nullptr; // not owned
    bool Acesa = false;
    int Ordem = 0;              // position in the panel's creation-ordered list

    // The cell's rectangle on screen; inset 0 the full cell, inset 1 the inner one.
    TRetangulo Retangulo(int recuo) const;
    void DefinirAcesa(bool acesa);
    // Asks for the cell to be drawn again with its stored state.
    void Redesenhar();
};

// One typed character: which glyph produced which box of cells.
struct TCfgChar {
    unsigned char Caractere = 0; // Windows-1252
    int Linha = 0;               // top row
    int Indice = 0;              // 1-based position in the character list
    int Coluna = 0;              // leftmost column
    int Largura = 0;             // glyph columns occupied
    int Altura = 0;              // rows (the font height)
    TTipoFonte Fonte = TTipoFonte::tfNenhum;
    bool Relogio = false;        // part of the departure clock

    int ColunaFinal() const { return Coluna + Largura; } // first column after the character
    int LinhaFinal() const { return Linha + Altura - 1; }
};
