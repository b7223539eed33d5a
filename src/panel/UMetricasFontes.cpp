#include <array>

#include "panel/UFontes.h"

// Rows, nominal columns and names of the twelve fonts. Name = rows x columns.
namespace {
struct TMetrica {
    int Linhas;
    int Colunas;
};

constexpr std::array<TMetrica, 13> metricas = {{
    {0, 0}, {5, 5}, {6, 5}, {6, 6}, {8, 4}, {8, 5}, {8, 6}, {8, 7}, {11, 6}, {11, 8}, {13, 7}, {13, 8}, {13, 9},
}};

TMetrica metrica(TTipoFonte fonte)
{
    const auto i = static_cast<size_t>(fonte);
    return i < metricas.size() ? metricas[i] : metricas[0];
}
}

int TFontesLed::AlturaDaFonte(TTipoFonte fonte)
{
    return metrica(fonte).Linhas;
}

int TFontesLed::LarguraDaFonte(TTipoFonte fonte)
{
    return metrica(fonte).Colunas;
}

QString TFontesLed::NomeDaFonte(TTipoFonte fonte)
{
    const TMetrica m = metrica(fonte);
    if (m.Linhas == 0)
        return {};
    return QString::number(m.Linhas) + u'x' + QString::number(m.Colunas);
}

QString TFontesLed::SecaoDaFonte(TTipoFonte fonte)
{
    const QString nome = NomeDaFonte(fonte);
    return nome.isEmpty() ? QString() : QStringLiteral("Veltronix ") + nome;
}

QString TFontesLed::TextoDaFonte(TTipoFonte fonte)
{
    const int numero = NumeroDaFonte(fonte);
    return numero == 0 ? QString() : QString::number(numero);
}

int TFontesLed::NumeroDaFonte(TTipoFonte fonte)
{
    return metrica(fonte).Linhas == 0 ? 0 : static_cast<int>(fonte);
}

TTipoFonte TFontesLed::FonteDoTexto(const QString &texto)
{
    for (int n = 1; n <= 12; ++n)
        if (texto == QString::number(n))
            return static_cast<TTipoFonte>(n);
    return TTipoFonte::tfNenhum;
}
