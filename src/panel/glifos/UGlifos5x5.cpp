#include "panel/UGlifosPadrao.h"

// Font "Veltronix 5x5".
const std::vector<TDesenhoGlifo> Glifos::Fonte5x5 = {
    // The space is two blank columns and three blank cells: its string is not
    // a whole number of columns, so it is given as is.
    {32, nullptr, "0000000000000"},
    {65, R"(
.##..
#..#.
####.
#..#.
#..#.
)"},
};
