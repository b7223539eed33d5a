#pragma once

#include <QList>
#include <QString>

#include "panel/UTipos.h"

// A destination's label as the list draws it: one bracketed part per rotating
// message ("Centro|Rua A" gives "[Centro]" and "[Rua A]"), coloured by the
// part's number: black, green, orange, maroon, silver, sky blue, orange, lime,
// and from the ninth on the eighth's colour. A part blank after trimming is
// not drawn and does not count: its characters go into the next part.
struct TParteRotulo {
    QString Texto; // with its brackets
    TCor Cor;
};
QList<TParteRotulo> PartesDoRotulo(const QString &rotulo);
