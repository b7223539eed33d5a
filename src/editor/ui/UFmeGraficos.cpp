#include "editor/ui/UFmeGraficos.h"

#include <QPushButton>
#include <QSignalBlocker>

#include "editor/ui/UBotoesLigaDesliga.h"

using namespace Qt::StringLiterals;

TFme_Graficos::TFme_Graficos(QWidget *dono)
    : QWidget(dono)
{
    setObjectName(u"Fme_Graficos"_s);
    const TBotoesLigaDesliga botoes =
        CriarGrupoLigaDesliga(this, u"Gráficos"_s, u"Grp_Graficos"_s, u"Btn_Habilitar"_s, u"Btn_Desabilitar"_s);
    Btn_Habilitar = botoes.Liga;
    Btn_Desabilitar = botoes.Desliga;
    connect(Btn_Habilitar, &QPushButton::clicked, this, [this] { Btn_HabilitarClick(); });
    connect(Btn_Desabilitar, &QPushButton::clicked, this, [this] { Btn_DesabilitarClick(); });
    ReiniciarGraficos();
}

void TFme_Graficos::alterado()
{
    if (AoAlterar)
        AoAlterar(this);
}

void TFme_Graficos::ExibirModoGrafico(bool valor)
{
    const QSignalBlocker liga(Btn_Habilitar);
    const QSignalBlocker desliga(Btn_Desabilitar);
    Habilitado = valor;
    (valor ? Btn_Habilitar : Btn_Desabilitar)->setChecked(true);
}

void TFme_Graficos::DefinirModoGrafico(bool valor)
{
    ExibirModoGrafico(valor);
    alterado();
}

void TFme_Graficos::ReiniciarGraficos()
{
    Espessura = 0;
    alterado();
    DefinirModoGrafico(false);
}

void TFme_Graficos::Btn_HabilitarClick()
{
    DefinirModoGrafico(true);
}

void TFme_Graficos::Btn_DesabilitarClick()
{
    DefinirModoGrafico(false);
}
