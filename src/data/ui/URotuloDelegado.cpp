#include "data/ui/URotuloDelegado.h"

#include <QApplication>
#include <QPainter>

#include "data/URotuloPartes.h"

namespace {
constexpr int vao = 7;    // pixels before each part
constexpr int margem = 2; // pixels above the text

QColor cor(TCor c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
}

TRotuloDelegado::TRotuloDelegado(std::function<bool(int coluna)> ehRotulo, QObject *dono)
    : QStyledItemDelegate(dono), ehRotulo(std::move(ehRotulo))
{
}

void TRotuloDelegado::DesenharRotulo(QPainter &pintor, const QRect &retangulo, const QString &texto)
{
    const QFontMetrics medidas = pintor.fontMetrics();
    int x = retangulo.left();
    pintor.save();
    pintor.setClipRect(retangulo);
    for (const TParteRotulo &parte : PartesDoRotulo(texto)) {
        pintor.setPen(cor(parte.Cor));
        pintor.drawText(x + vao, retangulo.top() + margem + medidas.ascent(), parte.Texto);
        x += vao + medidas.horizontalAdvance(parte.Texto);
    }
    pintor.restore();
}

void TRotuloDelegado::paint(QPainter *pintor, const QStyleOptionViewItem &opcao, const QModelIndex &indice) const
{
    const QString texto = indice.data().toString();
    if (texto.isEmpty() || !ehRotulo || !ehRotulo(indice.column())) {
        QStyledItemDelegate::paint(pintor, opcao, indice);
        return;
    }
    // The cell as the view draws it without its text, then the parts.
    QStyleOptionViewItem fundo = opcao;
    initStyleOption(&fundo, indice);
    fundo.text.clear();
    const QStyle *estilo = fundo.widget ? fundo.widget->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &fundo, pintor, fundo.widget);
    pintor->setFont(opcao.font);
    DesenharRotulo(*pintor, opcao.rect, texto);
}
