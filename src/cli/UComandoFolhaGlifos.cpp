#include "cli/UComandos.h"
#include "panel/UDesenhoFolhaGlifos.h"

// Paints every glyph of the twelve fonts, as the font file holds them, into a PNG.
namespace {
int executar(const QStringList &argumentos)
{
    if (argumentos.size() != 1)
        throw TErroDeUso("glyph-sheet takes the name of the PNG file to write");
    GravarFolhaGlifos(argumentos.first());
    return 0;
}

const TRegistroComando registro({QStringLiteral("glyph-sheet"), QStringLiteral("glyph-sheet OUT.png"),
                                 QStringLiteral("Paints every glyph of every font, read from the font file, "
                                                "into a PNG picture."),
                                 executar});
}
