#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>

#include "cli/UComandos.h"
#include "cli/USaidaCli.h"
#include "panel/UDesenhoFolhaGlifos.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// Paints every glyph of the twelve fonts, as the font file holds them, and the
// built-in pictograms of every height into a PNG.
namespace {
int executar(QStringList argumentos)
{
    const bool forcar = argumentos.removeAll(u"--force"_s) > 0;
    if (argumentos.size() != 1 || argumentos.first().startsWith(u'-'))
        throw TErroDeUso("glyph-sheet takes the name of the PNG file to write");
    const QString &saida = argumentos.first();
    VerificarSaida(saida, {TFontesLed::ArquivoDeFontes()}, forcar);
    const QImage folha = GravarFolhaGlifos(saida);
    QTextStream(stdout) << u"Gravado \"%1\" (%2): folha de glifos de %3 x %4 pixels."_s.arg(
        QDir::toNativeSeparators(saida), Quantidade(QFileInfo(saida).size(), u"byte"_s, u"bytes"_s))
                               .arg(folha.width())
                               .arg(folha.height())
                        << "\n";
    return 0;
}

const TRegistroComando registro({u"glyph-sheet"_s, u"glyph-sheet OUT.png [--force]"_s,
                                 u"Paints every glyph of every font, read from the font file, and the "
                                 u"pictograms of every height, named, into a PNG picture; --force replaces an "
                                 u"existing OUT.png."_s,
                                 executar});
}
