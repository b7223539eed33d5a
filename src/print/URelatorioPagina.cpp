#include "print/URelatorioPagina.h"

QFont FonteQt(const TFonteRelatorio &fonte)
{
    QFont f(fonte.Familia);
    // 1 pt = 25.4 / 72 mm.
    f.setPixelSize(qRound(fonte.Pontos * 25.4 / 72.0 * UnidadesPorMm));
    f.setBold(fonte.Negrito);
    f.setItalic(fonte.Italico);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::ForceOutline);
    return f;
}

const TTextoBanda *TBandaPagina::Texto(const QString &nome) const
{
    for (const TTextoBanda &t : Textos)
        if (t.Nome == nome)
            return &t;
    return nullptr;
}
