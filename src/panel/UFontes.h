#pragma once

#include <QByteArray>
#include <QString>

#include "panel/UTipos.h"

// The twelve bitmap fonts and the font file "FONTES12.INI". All operations are
// class operations: they need no panel. TFlexLed inherits them, so callers
// write TFlexLed::LerGlifo(...).
//
// A glyph string holds "0"/"1"/"2" characters read column by column, left to
// right, each column from the top row down, H characters per column (H = the
// font's rows). "1" is lit, anything else dark; a complete column ending in "2"
// is laid onto the same panel column as the next one.
class TFontesLed {
public:
    static int AlturaDaFonte(TTipoFonte fonte);   // rows; 0 for tfNenhum
    static int LarguraDaFonte(TTipoFonte fonte);  // nominal columns; 0 for tfNenhum
    static QString SecaoDaFonte(TTipoFonte fonte); // "Veltronix 8x7"; empty for tfNenhum
    static QString TextoDaFonte(TTipoFonte fonte); // "1" .. "12"; empty for tfNenhum
    static TTipoFonte FonteDoTexto(const QString &texto); // exact match only; tfNenhum otherwise
    static int NumeroDaFonte(TTipoFonte fonte);   // 0 for tfNenhum
    static QString NomeDaFonte(TTipoFonte fonte); // "8x7"; empty for tfNenhum

    // Path of the font file; see UFontes.cpp for where it lives.
    static QString ArquivoDeFontes();
    // Points every font operation at another file (tests); an empty path
    // restores the default location.
    static void DefinirArquivoDeFontes(const QString &caminho);

    // No sign the controller file can hold is wider than this many columns.
    static constexpr int MaiorLarguraDeGlifo = 255;

    // The glyph of a character (code as decimal text, "65"), as read. True
    // when the glyph is not empty after trimming blanks and control characters.
    // A glyph wider than MaiorLarguraDeGlifo columns is a damaged value: it
    // reads as missing (empty, false).
    static bool LerGlifo(TTipoFonte fonte, const QString &codigo, QByteArray &glifo);
    static bool LerGlifo(TTipoFonte fonte, unsigned char caractere, QByteArray &glifo);
    // True when the font file holds the character's glyph wider than
    // MaiorLarguraDeGlifo columns, which LerGlifo reads as missing.
    static bool GlifoLargoDemais(TTipoFonte fonte, unsigned char caractere);

    // Complete columns of the glyph minus one (-1 for an empty glyph); 0 for tfNenhum.
    static int UltimaColunaDoGlifo(TTipoFonte fonte, const QByteArray &glifo, int altura);

    // Pads the glyph with blank columns up to the nominal width, the larger half
    // on the left when centralizar is set. Returns the column count; false (and
    // 0 columns) for tfNenhum.
    static bool GlifoCentralizado(TTipoFonte fonte, QByteArray &glifo, int altura, bool centralizar,
                                  int &colunas);

    // The clock's glyphs as the sign controller gets them: whole columns, the
    // digits "0" to "9" each exactly as wide as the "0" (so that digit d starts
    // at column d x larguraDigito: narrower ones get blank columns on the left,
    // wider ones lose their rightmost columns), then the ":". Empty (and a width
    // of 0) for tfNenhum.
    static QByteArray GlifosDoRelogio(TTipoFonte fonte, int &larguraDigito);

    // Writes every built-in glyph whose key is missing into the font file.
    // Existing keys are never overwritten. Throws TErro when the file
    // cannot be written.
    static void CriarFontesPadrao();
};
