#pragma once

#include <QStyledItemDelegate>
#include <functional>

// Draws a label cell of the destination list as coloured bracketed parts, one
// per rotating message, over the row's own background; other cells and empty
// labels are drawn as usual.
class TRotuloDelegado : public QStyledItemDelegate {
    Q_OBJECT
public:
    // ehRotulo tells the label columns apart by their column in the view.
    TRotuloDelegado(std::function<bool(int coluna)> ehRotulo, QObject *dono);
    void paint(QPainter *pintor, const QStyleOptionViewItem &opcao, const QModelIndex &indice) const override;

    // The parts of texto drawn in retangulo: each 7 pixels after the previous one, 2 below the top.
    static void DesenharRotulo(QPainter &pintor, const QRect &retangulo, const QString &texto);

private:
    std::function<bool(int coluna)> ehRotulo;
};
