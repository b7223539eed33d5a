#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include "panel/UFolhaGlifos.h"

class QPainter;

// A picture of every glyph of the twelve fonts on an LED-style grid, for
// judging the glyphs by eye: per font its section name, each glyph the font
// file holds (codes 1 to 255, read with LerGlifo) with its character above
// and its code below, and sample lines laid as a sign would show them (one
// of them full of accents), with the characters of the samples the font
// lacks listed below; then the pictograms of every height drawn, each with its
// name below. Painting text needs a QGuiApplication.
QImage DesenharFolhaGlifos();

// The labels of the sheet: pixels from a label's top to its bottom, room for
// the accents of capitals and the tails below the baseline included.
int AlturaDoRotulo();
// Paints a label with its top at y, centred in the given width (at x when the
// width is negative).
void DesenharRotulo(QPainter &p, int x, int y, int largura, const QString &texto);

// LEDs as the sheet draws them: lit amber, dark ones dim, passo pixels from one
// LED to the next, LED (1, 1) at origem.
void DesenharGrade(QPainter &p, const TGradeLeds &grade, QPoint origem, int passo);
// The LEDs alone on the sheet's dark ground.
QImage ImagemDaGrade(const TGradeLeds &grade, int passo);

// Paints the sheet and saves it as PNG, atomically; returns the picture
// written. Throws TErro when it cannot be written.
QImage GravarFolhaGlifos(const QString &caminho);
