#pragma once

#include <QString>

class TDtm_Destino;

// "Exportar Imagem do Destino..." of the destination list's menu: asks where
// to save, then writes the picture (.png) or the simulator's play (.gif) of
// the number in the kind the tables show. Returns the file written; a
// cancelled dialog does nothing and returns an empty name; a failure raises TErro.
QString ExportarImagemDoDestino(TDtm_Destino &dados, int numero);
