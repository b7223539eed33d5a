#include "panel/UGlifosPadrao.h"

// Font "Veltronix 6x6".
const std::vector<TDesenhoGlifo> Glifos::Fonte6x6 = {
};
