#pragma once

#include <QList>
#include <QtGlobal>

#include "panel/UTipos.h"

// The sign models an operator chooses for each position of the bus, and the
// choice as the main window keeps it.

// The panel of a model code: 1 = 8 x 80, 2 = 11 x 112, 3 = 13 x 96,
// 4 = 8 x 40, 5 = 13 x 32; any other code gives 0 x 0 and no font.
struct TModeloSinal {
    int Linhas = 0;
    int Colunas = 0;
    TTipoFonte Fonte = TTipoFonte::tfNenhum;
};
TModeloSinal ModeloDoCodigo(int codigo);

// Which positions are fitted and with which model (0 when not fitted).
struct TEstadoModelos {
    bool TemFrontal = false;
    bool TemLateral = false;
    bool TemTraseiro = false;
    bool TemAuxiliar = false;
    quint8 ModeloFrontal = 0;
    quint8 ModeloLateral = 0;
    quint8 ModeloTraseiro = 0;
    quint8 ModeloAuxiliar = 0;
    quint8 TipoOnibus = 0; // bus type: 1 after every selection, from the rows when a project is opened

    bool Tem(int posicao) const;      // 1 front, 2 side, 3 rear, 4 auxiliary
    quint8 Modelo(int posicao) const;
    QList<int> Posicoes() const;      // the fitted positions, in order
};

// The item each box of the selection dialog shows: 0 "S e l e c i o n e",
// then the models the position offers (front: 8 x 80, 11 x 112, 13 x 96;
// side and auxiliary: 8 x 80; rear: 8 x 40, 13 x 32).
struct TItensSelecao {
    int Frontal = 0;
    int Lateral = 0;
    int Traseiro = 0;
    int Auxiliar = 0;
};
TItensSelecao ItensDoEstado(const TEstadoModelos &estado);
// Writes the boxes back: TipoOnibus 1, each position fitted when its item is not 0.
void GravarItens(TEstadoModelos &estado, const TItensSelecao &itens);

// The bus type a project file keeps in TIPOONIBUS (1 to 6) and the one the
// model state holds, both ways; 0 for a value with no counterpart.
quint8 TipoOnibusDoArquivo(int tipoOnibusLido);
int TipoOnibusParaArquivo(quint8 tipoOnibus);

// The font a sign of an opened project types in: the font of the model of
// that size; otherwise the front's by the bus type (13x7 for types 1, 2 and
// 5, else 8x7), 8x7 for the side and auxiliary signs and 13x7 for the rear,
// unless that font is taller than the sign, which then gets the font for its rows.
TTipoFonte FonteAoAbrir(int posicao, int linhas, int colunas, quint8 tipoOnibus);

// Widths of the list's label columns, one per fitted position in order:
// (grid - number column) / count on 16-bit values, the front one 200 wider.
// With no position fitted the width is not divided.
int LarguraDosRotulos(int larguraGrade, int larguraNumero, int quantidade);
