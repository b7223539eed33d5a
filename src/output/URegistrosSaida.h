#pragma once

#include <QByteArray>
#include <array>
#include <optional>

// The records of the sign controller file (".art"), field by field in file
// order. Every number is unsigned and little-endian. The structs hold values
// already narrowed to their fields; Gravar only lays them out.

// Twelve bytes, in records of slot 1 only: the label's first 12 Windows-1252
// bytes, then zero bytes.
using TBlocoRotulo = std::array<quint8, 12>;

// A scrolling destination's window, 0-based, row 0 the top row.
//   x first 1 | y first 1 | x last 1 | y last 1 | 0 1
struct TJanelaRolagem {
    quint8 XInicial = 0;
    quint8 YInicial = 0;
    quint8 XFinal = 0;
    quint8 YFinal = 0;
    bool operator==(const TJanelaRolagem &) const = default;
};

// The clock of an extra message. Columns are 0-based; rows count from the
// sign's bottom row (0) upwards, Y1 is one above the clock's top row.
//   font index 2 (1-based entry of the font offset table) | x0 1 | y0 1 | x1 1 | y1 1 | 0 1
struct TBlocoRelogio {
    quint16 IndiceFonte = 0;
    quint8 X0 = 0;
    quint8 Y0 = 0;
    quint8 X1 = 0;
    quint8 Y1 = 0;
    bool operator==(const TBlocoRelogio &) const = default;
};

// The start of a destination or extra record.
//   [label 12, slot 1 only] | slot 1 | reserved 1 (0) | data length 2 | exposure time 1 (s) | direction code 1
struct TCabecalhoRegistro {
    std::optional<TBlocoRotulo> Rotulo;
    quint8 Painel = 0;
    quint16 TamanhoDados = 0; // bytes of column data that follow the record's blocks
    quint8 TempoExposicao = 0;
    quint8 CodigoSentido = 0;
    bool operator==(const TCabecalhoRegistro &) const = default;
};

// header | [window 5, when the direction code is not 0] | column data
struct TRegistroDestino {
    TCabecalhoRegistro Cabecalho;
    std::optional<TJanelaRolagem> Janela;
    QByteArray Colunas; // ceil(rows / 8) bytes per column
    bool operator==(const TRegistroDestino &) const = default;
};

// header | [clock block 7, when the direction code is not 0] | column data
struct TRegistroExtra {
    TCabecalhoRegistro Cabecalho;
    std::optional<TBlocoRelogio> Relogio;
    QByteArray Colunas;
    bool operator==(const TRegistroExtra &) const = default;
};

// The glyphs of a clock font: digits "0" to "9", each LarguraDigito columns
// wide, then ":".
//   digit width 1 | rows 1 | data length 2 | column data
struct TTabelaFonteRelogio {
    quint8 LarguraDigito = 0;
    quint8 Altura = 0;
    quint16 TamanhoDados = 0;
    QByteArray Colunas;
    bool operator==(const TTabelaFonteRelogio &) const = default;
};

// Columns and rows of one slot's sign; 0 and 0 for a slot without a sign.
struct TTamanhoPainel {
    quint8 Colunas = 0;
    quint8 Linhas = 0;
    bool operator==(const TTamanhoPainel &) const = default;
};

constexpr int QtdSlotsArquivo = 16;
constexpr int TamanhoCabecalhoArquivo = 75;

// The file header, 75 bytes.
//   kind 1 | file length 4 | destination count 2 | extra count 2 | font count 2
//   | sizes 16 x (columns 1, rows 1) | destination table offset 4 | extra table offset 4
//   | font table offset 4 | reserved 20 (0)
struct TCabecalhoArquivo {
    quint8 TipoArquivo = 0;
    quint32 TamanhoArquivo = 0;
    quint16 QtdDestinos = 0;
    quint16 QtdExtras = 0;
    quint16 QtdFontes = 0;
    std::array<TTamanhoPainel, QtdSlotsArquivo> Tamanhos{};
    quint32 OffsetDestinos = 0;
    quint32 OffsetExtras = 0;
    quint32 OffsetFontes = 0;
    bool operator==(const TCabecalhoArquivo &) const = default;
};

void Gravar(const TRegistroDestino &registro, QByteArray &saida);
void Gravar(const TRegistroExtra &registro, QByteArray &saida);
void Gravar(const TTabelaFonteRelogio &tabela, QByteArray &saida);
void Gravar(const TCabecalhoArquivo &cabecalho, QByteArray &saida);
