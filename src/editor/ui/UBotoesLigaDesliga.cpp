#include "editor/ui/UBotoesLigaDesliga.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
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

TBotoesLigaDesliga CriarGrupoLigaDesliga(QWidget *quadro, const QString &titulo, const QString &nomeGrupo,
                                         const QString &nomeLiga, const QString &nomeDesliga)
{
    auto *externa = new QHBoxLayout(quadro);
    externa->setContentsMargins(0, 0, 0, 0);
    auto *grupo = new QGroupBox(titulo, quadro);
    grupo->setObjectName(nomeGrupo);
    externa->addWidget(grupo);
    auto *interna = new QVBoxLayout(grupo);
    interna->setContentsMargins(4, 2, 4, 2);
    const TBotoesLigaDesliga botoes = CriarBotoesLigaDesliga(grupo, nomeLiga, nomeDesliga);
    interna->addLayout(botoes.Disposicao);
    return botoes;
}
