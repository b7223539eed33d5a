#include "panel/UGlifosPadrao.h"

// Font "Veltronix 13x9".
const std::vector<TDesenhoGlifo> Glifos::Fonte13x9 = {
};
