#include "panel/UGlifosPadrao.h"

// Font "Veltronix 6x5".
const std::vector<TDesenhoGlifo> Glifos::Fonte6x5 = {
};
