#include <QDir>
#include <QTextStream>

#include "cli/UComandos.h"
#include "panel/UFontes.h"

// Writes the missing built-in glyphs into the font file and tells where it is.
namespace {
int executar(const QStringList &argumentos)
{
    if (!argumentos.isEmpty())
        throw TErroDeUso("fonts takes no arguments");
    TFontesLed::CriarFontesPadrao();
    QTextStream(stdout) << QDir::toNativeSeparators(TFontesLed::ArquivoDeFontes()) << "\n";
    return 0;
}

const TRegistroComando registro({QStringLiteral("fonts"), QStringLiteral("fonts"),
                                 QStringLiteral("Completes the font file FONTES12.INI and prints its path."),
                                 executar});
}
