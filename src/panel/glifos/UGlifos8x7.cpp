#include "panel/UGlifosPadrao.h"

// Font "Veltronix 8x7".
const std::vector<TDesenhoGlifo> Glifos::Fonte8x7 = {
    {32, R"(
...
...
...
...
...
...
...
...
)"},
    {48, R"(
.#####..
##...##.
##...##.
##...##.
##...##.
##...##.
##...##.
.#####..
)"},
    {58, R"(
..
..
..
..
#.
..
#.
..
)"},
};
