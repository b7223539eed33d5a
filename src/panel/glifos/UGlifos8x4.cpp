#include "panel/UGlifosPadrao.h"

// Font "Veltronix 8x4".
const std::vector<TDesenhoGlifo> Glifos::Fonte8x4 = {
};
