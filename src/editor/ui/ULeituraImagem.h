#pragma once

#include <QImage>
#include <QString>

// Reads a picture for "Importar Imagem...": PNG, JPEG or BMP (told by their
// contents) or SVG (by its ".svg" or ".svgz" name, or contents that begin as
// XML or SVG), which is drawn LadoMaiorSvg pixels on its longer side, keeping
// its proportions, on a transparent background. Throws TErro with the
// operator's message for a file that cannot be read, is empty, or is not a
// whole picture of those kinds.
QImage LerImagem(const QString &arquivo);

constexpr int LadoMaiorSvg = 512;
