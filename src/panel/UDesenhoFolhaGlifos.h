#pragma once

#include <QImage>
#include <QString>

// A picture of every glyph of the twelve fonts on an LED-style grid, for
// judging the glyphs by eye: per font its section name, each glyph the font
// file holds (codes 1 to 255, read with LerGlifo) with its character above
// and its code below, and a sample line laid as a sign would show it.
// Painting text needs a QGuiApplication.
QImage DesenharFolhaGlifos();

// Paints the sheet and saves it as PNG, atomically; returns the picture
// written. Throws TErro when it cannot be written.
QImage GravarFolhaGlifos(const QString &caminho);
