#include "panel/USom.h"

namespace {
std::function<void()> &bipeAtual()
{
    static std::function<void()> bipe;
    return bipe;
}
}

void TSom::Bipe()
{
    if (bipeAtual())
        bipeAtual()();
}

void TSom::DefinirBipe(std::function<void()> bipe)
{
    bipeAtual() = std::move(bipe);
}
