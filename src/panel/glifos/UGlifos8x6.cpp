#include "panel/UGlifosPadrao.h"

// Font "Veltronix 8x6".
const std::vector<TDesenhoGlifo> Glifos::Fonte8x6 = {
};
