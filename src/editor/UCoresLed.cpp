#include "editor/UCoresLed.h"

using namespace Qt::StringLiterals;

namespace TCoresLed {

const std::array<TCorDoLed, 5> &Lista()
{
    static const std::array<TCorDoLed, 5> cores{{{u"Amarelo"_s, 0x0000FFFF},
                                                 {u"Branco"_s, 0x00FFFFFF},
                                                 {u"Verde"_s, 0x0000FF00},
                                                 {u"Vermelho"_s, 0x000000FF},
                                                 {u"Azul"_s, 0x00FF0000}}};
    return cores;
}

int Indice(TCor valor)
{
    const auto &cores = Lista();
    for (int i = 0; i < int(cores.size()); ++i)
        if (cores[size_t(i)].Valor == valor)
            return i;
    return -1;
}

QString Nome(TCor valor)
{
    const int i = Indice(valor);
    return i < 0 ? QString() : Lista()[size_t(i)].Nome;
}

}
