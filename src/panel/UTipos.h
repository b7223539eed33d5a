#pragma once

#include <QtGlobal>

// Enumerations whose ordinals are stored in project files, content texts and
// the sign controller file: never renumber them.

enum class TModo : quint8 { ModoGrafico = 0, ModoTexto = 1, ModoSimulador = 2, ModoMarcacao = 3 };

enum class TRolagem : quint8 { tsNenhum = 0, tsDireita = 1, tsEsquerda = 2, tsCima = 3, tsBaixo = 4, tsHorario = 5 };

// The ordinal is the font number everywhere ("1" to "12").
enum class TTipoFonte : quint8 {
    tfNenhum = 0,
    tfVeltronix5x5 = 1,
    tfVeltronix6x5 = 2,
    tfVeltronix6x6 = 3,
    tfVeltronix8x4 = 4,
    tfVeltronix8x5 = 5,
    tfVeltronix8x6 = 6,
    tfVeltronix8x7 = 7,
    tfVeltronix11x6 = 8,
    tfVeltronix11x8 = 9,
    tfVeltronix13x7 = 10,
    tfVeltronix13x8 = 11,
    tfVeltronix13x9 = 12,
};

enum class TAlinhamento : quint8 { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// Colour as stored in files: 0x00BBGGRR (red in the low byte).
using TCor = quint32;

namespace Cores {
constexpr TCor Preto = 0x00000000;
constexpr TCor Branco = 0x00FFFFFF;
constexpr TCor Amarelo = 0x0000FFFF;
constexpr TCor Vermelho = 0x000000FF;
constexpr TCor Prata = 0x00C0C0C0;
constexpr TCor Agua = 0x00FFFF00;
constexpr TCor Magenta = 0x00FF00FF;
constexpr TCor Lima = 0x0000FF00;
constexpr TCor Verde = 0x00008000;
}
