#pragma once

#include <QString>
#include <array>

#include "panel/UTipos.h"

// The five LED colours an operator can pick for a sign, in the order the
// colour boxes list them.
struct TCorDoLed {
    QString Nome;
    TCor Valor;
};

namespace TCoresLed {
const std::array<TCorDoLed, 5> &Lista(); // "Amarelo", "Branco", "Verde", "Vermelho", "Azul"
// The position of the colour in the list; -1 for any other value.
int Indice(TCor valor);
// The colour's name; empty for any other value.
QString Nome(TCor valor);

// What an empty choice stands for: the fixed part green, the LEDs yellow.
constexpr TCor EsquerdaPadrao = 0x0000FF00;
constexpr TCor DireitaPadrao = 0x0000FFFF;
}
