#pragma once

#include <QByteArray>
#include <vector>

#include "panel/UTipos.h"

// The built-in glyph tables. Each font is designed in its own source file
// (glifos/UGlifos<rows>x<cols>.cpp) as pictures read by GradeDoDesenho; the
// code below turns a picture into the column-major glyph string of the font file.

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
// is malformed (see GradeDoDesenho).
const std::vector<TGlifoPadrao> &GlifosPadrao(TTipoFonte fonte);

// Converts one picture to its glyph string for a font of the given height (throws as above).
QByteArray GlifoDoDesenho(const char *desenho, int altura);

// One table per font, defined in glifos/.
namespace Glifos {
extern const std::vector<TDesenhoGlifo> Fonte5x5, Fonte6x5, Fonte6x6, Fonte8x4, Fonte8x5, Fonte8x6, Fonte8x7,
    Fonte11x6, Fonte11x8, Fonte13x7, Fonte13x8, Fonte13x9;
}
