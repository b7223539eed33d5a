#include "output/UPainelSaida.h"

#include <algorithm>

namespace {
template <typename T>
T &obter(int numero, std::vector<std::unique_ptr<T>> &lista, QHash<int, T *> &indice)
{
    if (T *existente = indice.value(numero))
        return *existente;
    lista.push_back(std::make_unique<T>(numero));
    indice.insert(numero, lista.back().get());
    return *lista.back();
}

template <typename T>
int maiorNumero(const std::vector<std::unique_ptr<T>> &lista)
{
    int maior = 0;
    for (const auto &r : lista)
        maior = std::max(maior, r->Numero);
    return maior;
}
}

void TDestinos::DefinirSentido(TRolagem valor)
{
    Sentido = valor;
    if (valor == TRolagem::tsNenhum)
        PosXInicial = PosXFinal = PosYInicial = PosYFinal = 0;
}

bool TExtras::TemRelogio() const
{
    return Sentido == TRolagem::tsHorario && FonteRelogio != TTipoFonte::tfNenhum;
}

TDestinos &TPainel::ObterDestino(int numero)
{
    return obter(numero, destinos, destinoPorNumero);
}

TExtras &TPainel::ObterExtra(int numero)
{
    return obter(numero, extras, extraPorNumero);
}

int TPainel::MaiorNumeroDestino() const
{
    return maiorNumero(destinos);
}

int TPainel::MaiorNumeroExtra() const
{
    return maiorNumero(extras);
}
