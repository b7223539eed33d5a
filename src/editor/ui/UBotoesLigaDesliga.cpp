#include "editor/ui/UBotoesLigaDesliga.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *botao(QWidget *dono, const QString &nome, const QString &texto)
{
    auto *b = new QPushButton(texto, dono);
    b->setObjectName(nome);
    b->setCheckable(true);
    b->setAutoDefault(false);
    return b;
}
}

TBotoesLigaDesliga CriarBotoesLigaDesliga(QWidget *dono, const QString &nomeLiga, const QString &nomeDesliga,
                                          const QString &textoLiga, const QString &textoDesliga)
{
    TBotoesLigaDesliga b{botao(dono, nomeLiga, textoLiga), botao(dono, nomeDesliga, textoDesliga), new QVBoxLayout};
    b.Disposicao->setContentsMargins(0, 0, 0, 0);
    b.Disposicao->setSpacing(2);
    b.Disposicao->addWidget(b.Liga);
    b.Disposicao->addWidget(b.Desliga);
    auto *grupo = new QButtonGroup(dono);
    grupo->addButton(b.Liga);
    grupo->addButton(b.Desliga);
    b.Desliga->setChecked(true);
    return b;
}
