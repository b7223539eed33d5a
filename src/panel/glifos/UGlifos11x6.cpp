#include "panel/UGlifosPadrao.h"

// Font "Veltronix 11x6".
const std::vector<TDesenhoGlifo> Glifos::Fonte11x6 = {
};
