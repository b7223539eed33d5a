#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <functional>
#include <memory>

#include "panel/UTipos.h"

// The panel content text: one panel's LED cells and typed characters as a
// plain 8-bit text, with no header and no line breaks:
//
//   1-1-F|2-1-T|...|5-6-F(1-1-A-1|1-7-B-1")
//
// LED entries are "row-column-state" (state "T" lit, "F" dark), written column
// by column, each column from the top row down. Character entries, between
// "(" and ")", are "row-column-character-font", the font as its number text
// ("1" to "12"), followed by a double quote for a clock placeholder. Rows and
// columns are 1-based decimal numbers; values above 32767 wrap to 16 bits.
//
// The four bytes the grammar uses as delimiters cannot be written raw as a
// character: the writer puts 0x01 for "(", 0x02 for ")", 0x03 for "|" and
// 0x04 for the double quote, and the loader turns them back.
//
// All operations are class operations and need no panel; TFlexLed inherits
// them and applies what the loader delivers to its cells and characters.

// A finished LED entry. Linha and Coluna are as written, wrapped to 16 bits.
struct TEntradaLed {
    qint16 Linha = 0;
    qint16 Coluna = 0;
    bool Acesa = false;
};

// A finished character entry. Caractere is the byte of the character itself,
// already decoded from its delimiter substitute; Fonte is tfNenhum when the
// font text is not "1" to "12".
struct TEntradaCaractere {
    qint16 Linha = 0;
    qint16 Coluna = 0;
    unsigned char Caractere = 0;
    TTipoFonte Fonte = TTipoFonte::tfNenhum;
    bool Relogio = false;
};

class TConteudoPainel {
public:
    // The device's bytes from position 0 to the end (the part read when reading
    // fails part way); empty for nullptr.
    static QByteArray LerStream(QIODevice *stream);

    // A memory stream owning a copy of the text, open for reading and writing,
    // positioned at its end; nullptr for an empty text.
    static std::unique_ptr<QBuffer> NovoStream(const QByteArray &texto);

    // Copy of the text keeping only what lies inside the limits: LED entries
    // with a row above limiteLinhas or a column at or right of limiteColunas
    // turn dark, character entries there are dropped with their terminator.
    // Never fails: characters that do not belong to an entry are left out.
    static QByteArray RecortarConteudo(int limiteLinhas, int limiteColunas, const QByteArray &texto);

    // One "1" (lit) or "0" (dark) per LED entry, in written order. Never fails.
    static QByteArray ConteudoParaBits(const QByteArray &texto);

    // Reads the text and hands over every finished entry in order. Throws
    // TErro("'1x' is not a valid integer value") when a row or column field
    // holds something other than digits or does not fit 32 bits; the entries
    // finished before it have been delivered. A character entry with an empty
    // character field is skipped; an unterminated one at the end is not
    // delivered.
    static void AnalisarConteudo(const QByteArray &texto, const std::function<void(const TEntradaLed &)> &aoLed,
                                 const std::function<void(const TEntradaCaractere &)> &aoCaractere);

    // Writing, in this order: every LED entry (column by column, each from the
    // top row down), then, when there are characters, every character entry in
    // list order with primeiro set for the first one (it opens the section with
    // "("), then FecharCaracteres once (the closing ")").
    static void EscreverEntradaLed(QByteArray &texto, int linha, int coluna, bool acesa);
    static void EscreverEntradaCaractere(QByteArray &texto, bool primeiro, int linha, int coluna,
                                         unsigned char caractere, TTipoFonte fonte, bool relogio);
    static void FecharCaracteres(QByteArray &texto);
};
