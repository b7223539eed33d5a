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

// Fills the frame with a titled group holding the pair: the frame's own layout
// without margins around the group, the pair inside it with margins of 4 and 2.
// Disposicao is already in the group's layout.
TBotoesLigaDesliga CriarGrupoLigaDesliga(QWidget *quadro, const QString &titulo, const QString &nomeGrupo,
                                         const QString &nomeLiga, const QString &nomeDesliga);
