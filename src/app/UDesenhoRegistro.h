#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "output/URegistrosSaida.h"
#include "panel/UTipos.h"

// What a record of a pen drive file shows, written back as panel content
// texts: its messages drawn LED by LED, as the graphics mode keeps them, and
// the departure clock placeholder typed where the file places the clock.
namespace TDesenhoRegistro {

// The clock placeholder as the operator types it: "00:00" in the font, each
// character as wide as its glyph.
struct TRelogio {
    TTipoFonte Fonte = TTipoFonte::tfNenhum;
    int Linha = 0;  // top row
    int Altura = 0; // the font's rows
    QByteArray Caracteres;
    QList<int> Colunas;  // of each character
    int ColunaFinal = 0; // one past the last column of the last character
};

// "00:00" typed from (linha, coluna). A character the font lacks, or one that
// did not fit the sign, was never typed: of the characters left, the most that
// end at colunaFinal; all of them when none do; none when the font has none.
TRelogio DigitarRelogio(TTipoFonte fonte, int linha, int coluna, int colunaFinal);

// Whether columns [inicio, inicio + largura) of a record's column data (0-based)
// light a LED where the clock stands, counted from column 1.
bool AcendeRelogio(const QByteArray &dados, int linhas, int inicio, int largura, const TRelogio &relogio);

struct TMensagemDesenhada {
    QByteArray Conteudo; // the panel content text
    int UltimaAcesa = 0; // its last lit column, 0 when dark
};

// Columns [inicio, inicio + largura) of a record's column data drawn from
// column 1 of a content text ultima columns wide (the columns past largura
// dark), with the clock's characters when given.
TMensagemDesenhada Desenhar(const QByteArray &dados, int linhas, int inicio, int largura, int ultima,
                            const TRelogio *relogio);

// The clock table the file builder writes for a font; none when a field would not fit.
std::optional<TTabelaFonteRelogio> TabelaDaFonte(TTipoFonte fonte);

}
