#include "panel/UGlifosPadrao.h"

// Font "Veltronix 13x8".
const std::vector<TDesenhoGlifo> Glifos::Fonte13x8 = {
};
