#include "panel/UGlifosPadrao.h"

// Font "Veltronix 11x8".
const std::vector<TDesenhoGlifo> Glifos::Fonte11x8 = {
};
