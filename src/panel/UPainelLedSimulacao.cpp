#include <QScopeGuard>

#include "panel/UPainelLed.h"

// The clock placeholder and the preview of a playing sign.

void TPainelLed::InserirRelogio()
{
    const auto fim = qScopeGuard([this] { Pintar(); });
    for (char c : {'0', '0', ':', '0', '0'}) {
        DefinirFonteUtilizada(FonteUtilizada());
        DigitarCaractere(static_cast<unsigned char>(c), true);
    }
}

void TPainelLed::IniciarSimulacao()
{
    if (rolagem != TRolagem::tsNenhum) {
        colunaAntesDaSimulacao = colunaCursor;
        DefinirColunaCursor(1);
        DefinirPrimeiraColuna(1);
    }
    DefinirModo(TModo::ModoSimulador);
}

void TPainelLed::PassoSimulacao()
{
    if (UltimaColunaAcesa(true) < primeiraColuna)
        DefinirPrimeiraColuna(1);
    else
        DefinirPrimeiraColuna(primeiraColuna + 1);
}

void TPainelLed::PararSimulacao()
{
    DefinirModo(modoAnterior);
    if (rolagem != TRolagem::tsNenhum)
        DefinirColunaCursor(colunaAntesDaSimulacao);
}
