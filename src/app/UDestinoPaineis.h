#pragma once

#include <array>

class TDtm_Destino;
class TPainelLed;
class TRotativos;
class TTabelaMemoria;

// How one destination (or extra message) of the destination table and the
// panels of its signs map onto each other: the rows of a number go into the
// rotating slots of each position and onto the panels, and a panel with its
// slots goes back into its row. Without widgets; the main window's handlers
// and the tools that work on stored projects share them.
namespace TDestinoPaineis {

using TPaineis = std::array<TPainelLed *, 4>; // by position - 1; nullptr where no sign is fitted

// Loads the rows of (extra, numero) into the slots of each fitted position and
// shows slot 1 on its panel, which scrolls as its row says (panels are expected
// cleared; a position without a row stays so).
void Carregar(TTabelaMemoria &destinos, bool extra, int numero, const TPaineis &paineis, TRotativos &rotativos);

// Writes the panel and its slots into its row of (extra, numero), stored or
// pending, and posts it. A position without that row gets a new one, unless
// the number was stored before (novo false) and the position has nothing to
// store (its panel and every slot empty): a sign added to the bus after a
// destination was stored gets no empty row when the destination is stored again.
void Gravar(TDtm_Destino &dados, TPainelLed &painel, TRotativos &rotativos, bool extra, int numero, int tipoOnibus,
            bool novo);

// True when some sign has a stored (not pending) row of (extra, numero).
bool NumeroGuardado(TTabelaMemoria &destinos, bool extra, int numero);

// Writes the panel and its slots into the current row, being edited or
// inserted (everything but the row's keys: kind, position, number). What the
// row says of the messages as a whole (the message length, the departure
// clock) comes from the stored slots, whichever one the panel shows.
void EscreverColunas(TTabelaMemoria &destinos, const TPainelLed &painel, TRotativos &rotativos, bool extra);

// Prepares the next entry: the pending new row of the position (made after the
// highest number when missing) becomes the label table's current line.
void PrepararProximo(TDtm_Destino &dados, int posicao, bool extra, int tipoOnibus);

}
