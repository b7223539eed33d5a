#pragma once

#include <QString>
#include <array>
#include <vector>

#include "panel/UFolhaGlifos.h"

// The built-in pictograms: symbols a sign carries besides letters, each drawn
// for signs of 8, 11 and 13 rows. Each set is designed in its own source file
// (pictogramas/UPictogramas<rows>.cpp) as pictures read by GradeDoDesenho.
enum class TPictograma : quint8 {
    Acessibilidade,
    SetaEsquerda,
    SetaDireita,
    SetaCima,
    SetaBaixo,
    Aeroporto,
    Trem,
    Hospital,
    Bicicleta,
    Onibus,
    Escola,
    Compras,
    Praia,
    Estadio,
};

struct TDesenhoPictograma {
    TPictograma Pictograma;
    const char *Desenho; // rows separated by '\n'; leading and trailing blank lines ignored
};

namespace Pictogramas {
// The heights the pictograms are drawn for, lowest first.
constexpr std::array<int, 3> Alturas{8, 11, 13};

// Every pictogram, in the order the chooser shows them.
const std::vector<TPictograma> &Todos();
// "Acessibilidade", "Seta para a esquerda", ...: the name the chooser shows.
QString Nome(TPictograma pictograma);
// The tallest height drawn that fits in linhas rows; 0 when none does.
int AlturaPara(int linhas);
// The picture of a pictogram at one of Alturas. Throws std::logic_error for a
// height not drawn or a set that lacks the pictogram or holds a malformed picture.
const TGradeLeds &Grade(TPictograma pictograma, int altura);

// One table per height, defined in pictogramas/.
extern const std::vector<TDesenhoPictograma> Altura8, Altura11, Altura13;
}
