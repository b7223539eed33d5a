#include "panel/UGlifosPadrao.h"

// Font "Veltronix 8x5".
const std::vector<TDesenhoGlifo> Glifos::Fonte8x5 = {
};
