#include "panel/UGlifosPadrao.h"

// Font "Veltronix 13x7".
const std::vector<TDesenhoGlifo> Glifos::Fonte13x7 = {
};
