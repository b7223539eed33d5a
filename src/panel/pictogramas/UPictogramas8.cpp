#include "panel/UPictogramas.h"

// The pictograms drawn 8 rows high, used where 8 to 10 rows are free from the cursor line down.
const std::vector<TDesenhoPictograma> Pictogramas::Altura8 = {
    // a person in a wheelchair, facing right
    {TPictograma::Acessibilidade, R"(
...##...
...##...
...#....
...####.
.#.#....
#..####.
#.....#.
.####.##
)"},
    {TPictograma::SetaEsquerda, R"(
...#....
..##....
.#######
########
########
.#######
..##....
...#....
)"},
    {TPictograma::SetaDireita, R"(
....#...
....##..
#######.
########
########
#######.
....##..
....#...
)"},
    {TPictograma::SetaCima, R"(
...##...
..####..
.######.
########
..####..
..####..
..####..
..####..
)"},
    {TPictograma::SetaBaixo, R"(
..####..
..####..
..####..
..####..
########
.######.
..####..
...##...
)"},
    // an aeroplane seen from above, nose up
    {TPictograma::Aeroporto, R"(
....#....
...###...
..#####..
#########
#..###..#
...###...
..#####..
.##...##.
)"},
    // a train front with its pantograph, on rails
    {TPictograma::Trem, R"(
.#####.
..#.#..
#######
#.....#
#######
##.#.##
#######
.#...#.
)"},
    // a lit cross
    {TPictograma::Hospital, R"(
...##...
...##...
...##...
########
########
...##...
...##...
...##...
)"},
    // a bicycle seen from the side
    {TPictograma::Bicicleta, R"(
..##....##...
...######....
....#..##....
.###.##.####.
#...#.#.#...#
#.#####.#.#.#
#...#...#...#
.###.....###.
)"},
    // a bus seen from the side, front to the right
    {TPictograma::Onibus, R"(
.#############.
#..#..#..#..#.#
#..#..#..#..#.#
###############
###############
##..#######..##
..##.......##..
..##.......##..
)"},
    // a mortarboard (the flat board over the cap) with its tassel
    {TPictograma::Escola, R"(
......#......
...#######...
#############
...#######..#
..#..###..#.#
..##.....##.#
..#########.#
...#######.##
)"},
    // a shopping trolley
    {TPictograma::Compras, R"(
##.........
.##########
..#########
..########.
...#######.
...#.......
...########
....##..##.
)"},
    // the sun, a beach umbrella and the sea
    {TPictograma::Praia, R"(
....###....
..#######..
.#########.
#..#.#.#..#
.....#.....
.....#.....
.##..##..##
#..##..##..
)"},
    // a football pitch seen from above: goals, centre line and circle, penalty boxes
    {TPictograma::Estadio, R"(
.#################.
.#.......#.......#.
.###....###....###.
##.#...#.#.#...#.##
##.#...#.#.#...#.##
.###....###....###.
.#.......#.......#.
.#################.
)"},
};
