#pragma once

#include "print/UListagemDestinos.h"
#include "print/URelatorioPagina.h"

class TMedidorTexto;

// The four bands of the listing as designed, sizes in mm. Each is built at
// the paper's corner; the pager places it. A band is the designed height when
// every cell holds one line, and grows by the extra lines of its tallest cell;
// what the design puts below a grown cell moves down with it.
namespace TBandasListagem {
inline constexpr double Largura = 277.0;
inline constexpr double AlturaCabecalhoPagina = 13.5; // QRBand2
inline constexpr double AlturaCabecalhoColunas = 8.5; // QRBand3
inline constexpr double AlturaDetalhe = 6.4;          // QRBand1
inline constexpr double AlturaRodape = 8.5;           // QRBand4

// QRBand2: the main window's caption, the report title, the date and time, a rule.
TBandaPagina CabecalhoPagina(const TDadosListagem &dados, const TMedidorTexto &medidor);
// QRBand3: the number column's title and the fitted positions' titles, a rule.
TBandaPagina CabecalhoColunas(const TDadosListagem &dados, const TMedidorTexto &medidor);
// QRBand1: one line of the listing with every line of its cells, white.
TBandaPagina Detalhe(const TDadosListagem::TLinha &linha, const QList<TColunaListagem> &colunas,
                     const TMedidorTexto &medidor);
// QRBand4: a rule and "Página: n/total".
TBandaPagina Rodape(int numero, int total, const TMedidorTexto &medidor);

// The height a detail band needs for its cells' lines from `inicio` on (one index per text).
double AlturaDetalheRestante(const TBandaPagina &detalhe, const QList<int> &inicio);
// The part of a detail band that fits in `disponivel` mm: from each cell the
// lines from `inicio` on that fit (one at least, while it has any), advancing `inicio`.
TBandaPagina PedacoDetalhe(const TBandaPagina &detalhe, QList<int> &inicio, double disponivel);
}
