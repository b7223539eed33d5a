#pragma once

#include <array>
#include <functional>

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
// shows slot 1 on its panel (panels are expected cleared; a position without
// a row stays so). aoRolagemFrontal gets the front row's ROLAGEM before its
// panel is loaded.
void Carregar(TTabelaMemoria &destinos, bool extra, int numero, const TPaineis &paineis, TRotativos &rotativos,
              const std::function<void(bool rolagem)> &aoRolagemFrontal);

// Writes the panel and its slots into its row of (extra, numero): the row
// found, a pending new row, or a new one (see the rules in the source), and posts it.
void Gravar(TDtm_Destino &dados, TPainelLed &painel, TRotativos &rotativos, bool extra, int numero, int tipoOnibus);

// Writes the panel and its slots into the current row, being edited or
// inserted (everything but the row's keys: kind, position, number).
void EscreverColunas(TTabelaMemoria &destinos, const TPainelLed &painel, TRotativos &rotativos, bool extra);

// Prepares the next entry: the pending new row of the position (made after the
// highest number when missing) becomes the label table's current line.
void PrepararProximo(TDtm_Destino &dados, int posicao, bool extra, int tipoOnibus);

}
