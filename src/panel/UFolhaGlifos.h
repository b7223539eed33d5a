#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "panel/UTipos.h"

// A block of LEDs, lit or dark, that grows as glyphs are laid into it. Rows
// and columns are 1-based.
class TGradeLeds {
public:
    explicit TGradeLeds(int linhas = 0);
    int Linhas() const { return linhas; }
    int Colunas() const { return colunas; }
    bool Aceso(int linha, int coluna) const; // false outside the grid
    void Definir(int linha, int coluna, bool aceso); // widens the grid as needed

private:
    int linhas;
    int colunas = 0;
    QList<bool> celulas; // column after column, each top row first
};

// Lays a glyph string with its top row at row 1 and its first column at the
// given column, as a sign does: every character sets its cell lit ("1") or
// dark; a complete column ending in "2" is followed by a column laid onto the
// same place; a tail shorter than a column fills the top of the next one.
// Returns the column where the next glyph starts.
int AssentarGlifo(TGradeLeds &grade, int coluna, const QByteArray &glifo, int altura);

// A text laid glyph after glyph in a font, each glyph read from the font file
// (LerGlifo); characters the font lacks or Windows-1252 cannot hold are skipped.
TGradeLeds GradeDoTexto(TTipoFonte fonte, const QString &texto);
