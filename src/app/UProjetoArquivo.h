#pragma once

#include "app/UTransferencia.h"

#include <QList>
#include <QString>
#include <QStringList>

class TDtm_Destino;
class TTabelaMemoria;

// A project file as the program finds it when the operator opens it right
// after start-up, for the tools that work on a file without the main window.

// Opens the project file into the tables. TErro when it does not exist, is
// not a regular file, cannot be read or is not a valid project.
void AbrirProjeto(TDtm_Destino &dados, const QString &arquivo);

// Shows the destinations (false) or extra messages (true) in both tables and
// rebuilds the label table for that kind, as the destination list does.
void MostrarTipo(TDtm_Destino &dados, bool extra);

// The signs that the rows of the kind shown fit, in position order. A
// position is fitted when it has a row, pending new rows included. Its size
// starts from the bus type of the current row (TIPOONIBUS 1: front 13 x 128,
// side 8 x 80, rear 13 x 32, auxiliary 8 x 80; otherwise 8 x 80 for all);
// then, walking the rows in table order, NRO_LINHAS and NRO_COLUNAS above 0
// replace it, so the last row that names a size wins.
QList<TSinalEquipado> SinaisDoProjeto(TDtm_Destino &dados);

// The signs the bus carries: those that the rows of both kinds fit, whatever
// kind is shown (a sign with extra messages only is fitted too), sized the
// same way from tipoOnibus (the TIPOONIBUS read from the file) and the rows in
// the order they were stored. What the window opens and what the pen drive
// file holds.
QList<TSinalEquipado> SinaisDoOnibus(const TTabelaMemoria &tabela, int tipoOnibus);

// "Frontal", "Lateral", "Traseiro", "Auxiliar"; "Painel n" for other slots.
QString NomeDoSinal(int painel);

// A label as one field of a tab-separated line: its line breaks, tabs, NULs
// and backslashes are written as \n, \r, \t, \0 and \\.
QString EscaparCampo(const QString &rotulo);

// The label table of the kind shown, one line per number some sign has stored
// (the pending line that waits for the next destination is none): the number,
// then the label of each fitted position (escaped as above), separated by tabs.
QStringList LinhasDosRotulos(const TDtm_Destino &dados, const QList<TSinalEquipado> &sinais);
