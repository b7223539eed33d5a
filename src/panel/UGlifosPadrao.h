#pragma once

#include <QByteArray>
#include <vector>

#include "panel/UTipos.h"

// The built-in glyph tables. Each font is designed in its own source file
// (glifos/UGlifos<rows>x<cols>.cpp) as pictures, one text row per LED row,
// "#" lit and "." dark; the code below turns a picture into the column-major
// glyph string of the font file.

struct TDesenhoGlifo {
    unsigned char Codigo;  // Windows-1252 code
    const char *Desenho;   // rows separated by '\n'; leading and trailing blank lines ignored
    const char *Cru = nullptr; // a glyph string given as is, instead of a picture (rare)
};

struct TGlifoPadrao {
    unsigned char Codigo;
    QByteArray Glifo;      // column-major "0"/"1" string
};

// The glyphs of a font in table order. Throws std::logic_error when a picture
// is malformed (rows of different lengths, wrong row count, a character other
// than '#' or '.'), so a bad edit fails every test at once.
const std::vector<TGlifoPadrao> &GlifosPadrao(TTipoFonte fonte);

// Converts one picture to its glyph string for a font of the given height.
QByteArray GlifoDoDesenho(const char *desenho, int altura);

// One table per font, defined in glifos/.
namespace Glifos {
extern const std::vector<TDesenhoGlifo> Fonte5x5, Fonte6x5, Fonte6x6, Fonte8x4, Fonte8x5, Fonte8x6, Fonte8x7,
    Fonte11x6, Fonte11x8, Fonte13x7, Fonte13x8, Fonte13x9;
}
