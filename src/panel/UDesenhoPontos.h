#pragma once

#include "panel/UFolhaGlifos.h"

// The pictures the source draws LEDs with (the glyphs of the fonts, the
// pictograms): one text row per LED row, "#" lit and "." dark; blank lines
// before the first row and after the last are ignored.

// Reads a picture of the given number of rows. Throws std::logic_error when it
// is malformed (another row count, rows of different lengths, a
// character other than '#' and '.'), so a bad edit fails every test at once.
TGradeLeds GradeDoDesenho(const char *desenho, int altura);
