#include "panel/UGlifosPadrao.h"

#include <array>

#include "panel/UDesenhoPontos.h"
#include "panel/UFontes.h"

QByteArray GlifoDoDesenho(const char *desenho, int altura)
{
    const TGradeLeds grade = GradeDoDesenho(desenho, altura);
    QByteArray glifo;
    glifo.reserve(grade.Colunas() * altura);
    for (int coluna = 1; coluna <= grade.Colunas(); ++coluna)
        for (int linha = 1; linha <= altura; ++linha)
            glifo.append(grade.Aceso(linha, coluna) ? '1' : '0');
    return glifo;
}

namespace {
const std::vector<TDesenhoGlifo> &desenhos(TTipoFonte fonte)
{
    static const std::array<const std::vector<TDesenhoGlifo> *, 12> tabelas = {
        &Glifos::Fonte5x5,  &Glifos::Fonte6x5,   &Glifos::Fonte6x6,   &Glifos::Fonte8x4,
        &Glifos::Fonte8x5,  &Glifos::Fonte8x6,   &Glifos::Fonte8x7,   &Glifos::Fonte11x6,
        &Glifos::Fonte11x8, &Glifos::Fonte13x7, &Glifos::Fonte13x8, &Glifos::Fonte13x9,
    };
    return *tabelas.at(static_cast<int>(fonte) - 1);
}

std::vector<TGlifoPadrao> converter(TTipoFonte fonte)
{
    const int altura = TFontesLed::AlturaDaFonte(fonte);
    std::vector<TGlifoPadrao> glifos;
    for (const TDesenhoGlifo &d : desenhos(fonte))
        glifos.push_back({d.Codigo, d.Cru ? QByteArray(d.Cru) : GlifoDoDesenho(d.Desenho, altura)});
    return glifos;
}
}

const std::vector<TGlifoPadrao> &GlifosPadrao(TTipoFonte fonte)
{
    static const std::vector<TGlifoPadrao> nenhum;
    if (fonte == TTipoFonte::tfNenhum || static_cast<int>(fonte) > 12)
        return nenhum;
    // Converted once; the tables are constant.
    static std::array<std::vector<TGlifoPadrao>, 12> cache;
    static std::array<bool, 12> pronto{};
    const int i = static_cast<int>(fonte) - 1;
    if (!pronto[i]) {
        cache[i] = converter(fonte);
        pronto[i] = true;
    }
    return cache[i];
}
