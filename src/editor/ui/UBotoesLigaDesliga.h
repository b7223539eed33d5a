#pragma once

#include <QString>

class QButtonGroup;
class QPushButton;
class QVBoxLayout;
class QWidget;

// A pair of mutually exclusive toggle buttons, "Liga" above "Desliga", with
// "Desliga" down: the switch of the editor's header tools.
struct TBotoesLigaDesliga {
    QPushButton *Liga;
    QPushButton *Desliga;
    QVBoxLayout *Disposicao; // both buttons, for the caller's layout
};

TBotoesLigaDesliga CriarBotoesLigaDesliga(QWidget *dono, const QString &nomeLiga, const QString &nomeDesliga,
                                          const QString &textoLiga = QStringLiteral("Liga"),
                                          const QString &textoDesliga = QStringLiteral("Desliga"));
