#include "editor/ui/UFmeRolagem.h"

#include <QPushButton>
#include <QSignalBlocker>

#include "editor/ui/UBotoesLigaDesliga.h"

using namespace Qt::StringLiterals;

TFme_Rolagem::TFme_Rolagem(QWidget *dono)
    : QWidget(dono)
{
    setObjectName(u"Fme_Rolagem"_s);
    const TBotoesLigaDesliga botoes =
        CriarGrupoLigaDesliga(this, u"Rolagem"_s, u"Grp_Rolagem"_s, u"Btn_Rolar"_s, u"Btn_NaoRolar"_s);
    Btn_Rolar = botoes.Liga;
    Btn_NaoRolar = botoes.Desliga;
    connect(Btn_Rolar, &QPushButton::clicked, this, [this] { Btn_RolarClick(); });
    connect(Btn_NaoRolar, &QPushButton::clicked, this, [this] { Btn_NaoRolarClick(); });
}

void TFme_Rolagem::DefinirRolagem(bool valor)
{
    Rolar = valor;
    if (AoAlterar)
        AoAlterar(this);
}

void TFme_Rolagem::ExibirRolagem(bool valor)
{
    const QSignalBlocker liga(Btn_Rolar);
    const QSignalBlocker desliga(Btn_NaoRolar);
    Rolar = valor;
    (valor ? Btn_Rolar : Btn_NaoRolar)->setChecked(true);
}

void TFme_Rolagem::HabilitarBotoesRolagem()
{
    Btn_Rolar->setEnabled(true);
    Btn_NaoRolar->setEnabled(true);
    Rolar = rolarSalvo;
}

void TFme_Rolagem::Btn_RolarClick()
{
    const QSignalBlocker desliga(Btn_NaoRolar);
    DefinirRolagem(true);
}

void TFme_Rolagem::Btn_NaoRolarClick()
{
    const QSignalBlocker desliga(Btn_NaoRolar);
    DefinirRolagem(false);
}
