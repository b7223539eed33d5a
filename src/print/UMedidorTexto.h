#pragma once

#include "print/URelatorioPagina.h"

#include <QString>
#include <QStringList>

// Breaks the text of a fixed-width report cell into its printed lines.
class TMedidorTexto {
public:
    virtual ~TMedidorTexto() = default;

    // The lines of the text in a cell `largura` mm wide: the text's own line
    // breaks (CR, LF, CR LF) kept, other control characters printed as blanks,
    // words wrapped, a word wider than the cell broken between characters.
    // A text with nothing in it has no line.
    QStringList Quebrar(const QString &texto, const TFonteRelatorio &fonte, double largura) const;

    // From the top of one line to the top of the next, in mm.
    virtual double AlturaLinha(const TFonteRelatorio &fonte) const = 0;

protected:
    // One paragraph (no line break in it), wrapped; at least one line.
    virtual QStringList QuebrarParagrafo(const QString &paragrafo, const TFonteRelatorio &fonte,
                                         double largura) const = 0;
};

// Measures with the fonts FonteQt gives, as every device paints them.
// Needs a QGuiApplication.
class TMedidorQt final : public TMedidorTexto {
public:
    double AlturaLinha(const TFonteRelatorio &fonte) const override;

protected:
    QStringList QuebrarParagrafo(const QString &paragrafo, const TFonteRelatorio &fonte,
                                 double largura) const override;
};
