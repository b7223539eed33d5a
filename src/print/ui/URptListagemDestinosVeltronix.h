#pragma once

#include <QString>

class TDtm_Destino;

// The main window's print command (TRpt_ListagemDestinosVeltronix): the
// destination listing of the label table, as it stands (its order and the
// kind it shows), with the labels of the positions present, shown in the
// preview window (TFrm_PreviewQuickReport) modally. Returns when the window
// has closed, true; false, showing nothing, when no number is stored.
// tituloJanela: the main window's caption, printed at the top of every page.
// tituloNumero: the title of the list's number column ("Nº Destino", "Nº Extra").
// The position titles are the display labels of ROTULO1..ROTULO4.
bool ImprimirListagem(bool frontal, bool lateral, bool traseiro, bool auxiliar, const TDtm_Destino &tabelas,
                      const QString &tituloJanela, const QString &tituloNumero);
