#pragma once

class TDtm_Destino;

// "Exportar Imagem do Destino..." of the destination list's menu: asks where
// to save, then writes the picture (.png) or the simulator's play (.gif) of
// the number in the kind the tables show. A cancelled dialog does nothing;
// a failure raises TErro.
void ExportarImagemDoDestino(TDtm_Destino &dados, int numero);
