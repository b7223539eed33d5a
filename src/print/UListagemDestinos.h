#pragma once

#include "print/URelatorioPagina.h"

#include <QList>
#include <QString>

#include <array>

class TMedidorTexto;
class TDtm_Destino;

// The destination listing (TRpt_ListagemDestinosVeltronix): one line per row
// of the label table with the number and the label of each fitted sign, on A4
// landscape pages with a page header, a column header, silver and white lines
// and a page footer "Página: 001/003".

inline constexpr int QtdPosicoes = 4; // front, side, rear, auxiliary

// What one listing prints.
struct TDadosListagem {
    std::array<bool, QtdPosicoes> Presentes{}; // TemFrontal, TemLateral, TemTraseiro, TemAuxiliar
    std::array<QString, QtdPosicoes> Titulos;  // each position's column title
    QString TituloJanela;  // the main window's caption, at the top of every page
    QString TituloNumero;  // the number column's title ("Nº Destino", "Nº Extra")
    QString DataHora;      // the date and time the pages carry

    struct TLinha {
        QString Numero;
        std::array<QString, QtdPosicoes> Rotulos;
    };
    QList<TLinha> Linhas;
};

// Reads the label table (NRO_DESTINO, ROTULO1..ROTULO4) in its current order
// and filter, without moving its cursor: the numbers some sign has stored (the
// pending line that waits for the next destination is none). The position
// titles are the display labels of ROTULO1..ROTULO4; the date and time are
// now's, as Brazil writes them.
TDadosListagem DadosDaListagem(const TDtm_Destino &tabelas, const std::array<bool, QtdPosicoes> &presentes,
                               const QString &tituloJanela, const QString &tituloNumero);

// A position's column: its left edge and width in mm from the band's left.
struct TColunaListagem {
    int Posicao = 0; // 1..4
    double X = 0;
    double Largura = 0;
};

// The columns of the fitted positions in the order front, side, rear,
// auxiliary: the first at 21.2 mm, each next one 0.5 mm after the one before;
// an absent position leaves no gap.
QList<TColunaListagem> ColunasDaListagem(const std::array<bool, QtdPosicoes> &presentes);

// "Página: 001/003": both numbers padded to three digits, longer ones in full.
QString TextoNroPagina(int numero, int total);

// The report title, under the caption on every page and the preview's name for the PDF.
QString TituloListagem();

// The listing's pages. A counting generation finds the page count, which the
// second one prints in every footer.
QList<TPaginaRelatorio> GerarListagem(const TDadosListagem &dados, const TMedidorTexto &medidor);
