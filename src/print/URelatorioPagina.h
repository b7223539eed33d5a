#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

// A report page as the preview, the printer and the PDF receive it: bands
// placed on the paper, each holding its texts already broken into lines and
// its rules. Every measure is in millimetres: a band from the paper's top left
// corner, an item from its band's top left corner. Breaking the lines once,
// here, is what makes the three outputs agree line for line.

// A4 landscape; the report keeps its own margins inside the paper.
namespace TPapel {
inline constexpr double Largura = 297.0;
inline constexpr double Altura = 210.0;
inline constexpr double Margem = 10.0;
}

struct TFonteRelatorio {
    QString Familia;
    double Pontos = 8;
    bool Negrito = false;
    bool Italico = false;
};

// Painters and measurers draw in hundredths of a millimetre.
inline constexpr double UnidadesPorMm = 100.0;

// The font sized in hundredths of a millimetre and unhinted, so that a line
// measured once has the same width on every device.
QFont FonteQt(const TFonteRelatorio &fonte);

struct TTextoBanda {
    QString Nome;            // the item's name in the report ("QRLabel8")
    QRectF Caixa;            // the cell: its width is fixed, its height that of its lines (one at least)
    TFonteRelatorio Fonte;
    Qt::Alignment Alinhamento = Qt::AlignLeft; // AlignLeft or AlignRight inside the cell
    QStringList Linhas;      // the printed lines, top to bottom
    double AlturaLinha = 0;  // from the top of one line to the top of the next
};

// A horizontal rule from X1 to X2 at Y.
struct TFioBanda {
    QString Nome;
    double X1 = 0;
    double X2 = 0;
    double Y = 0;
};

struct TBandaPagina {
    QString Nome;      // "QRBand1"
    QPointF Origem;    // top left corner on the paper
    double Largura = 0;
    double Altura = 0;
    QColor Cor = Qt::white;
    QList<TTextoBanda> Textos;
    QList<TFioBanda> Fios;

    double Base() const { return Origem.y() + Altura; }
    // The text item of that name, nullptr when the band has none.
    const TTextoBanda *Texto(const QString &nome) const;
};

struct TPaginaRelatorio {
    QList<TBandaPagina> Bandas; // top to bottom, never overlapping
};
