#include "print/ui/UIconesPreview.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
const QColor azul(0x1F, 0x4E, 0x9A);
const QColor cinza(0x50, 0x50, 0x50);

void seta(QPainter &p, bool paraDireita)
{
    QPainterPath caminho;
    const qreal ponta = paraDireita ? 26 : 6;
    const qreal base = paraDireita ? 9 : 23;
    caminho.moveTo(ponta, 16);
    caminho.lineTo(base, 5);
    caminho.lineTo(base, 27);
    caminho.closeSubpath();
    p.fillPath(caminho, azul);
}

void lupa(QPainter &p, bool mais)
{
    p.setPen(QPen(cinza, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(azul, 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(QPen(azul, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (mais)
        p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
}

void disquete(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(azul);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 4, 16, 10));
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRect(QRectF(10, 19, 12, 9));
}

void impressora(QPainter &p)
{
    p.setPen(QPen(cinza, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(0x8A, 0x8A, 0x8A));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(QPen(azul, 1.5));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
}
}

QIcon IconePreview(TIconePreview icone)
{
    QPixmap figura(32, 32);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icone) {
    case TIconePreview::Anterior: seta(p, false); break;
    case TIconePreview::Proximo: seta(p, true); break;
    case TIconePreview::MaisZoom: lupa(p, true); break;
    case TIconePreview::MenosZoom: lupa(p, false); break;
    case TIconePreview::Salvar: disquete(p); break;
    case TIconePreview::Imprimir: impressora(p); break;
    }
    p.end();
    return QIcon(figura);
}
