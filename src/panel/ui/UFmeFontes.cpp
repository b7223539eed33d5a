#include "panel/ui/UFmeFontes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "panel/UFontes.h"

namespace {
QToolButton *botao(QWidget *dono, const QString &nome, const QString &texto, const QString &dica)
{
    auto *b = new QToolButton(dono);
    b->setObjectName(nome);
    b->setText(texto);
    b->setToolTip(dica);
    b->setAutoRaise(true);
    return b;
}

QToolButton *seta(QWidget *dono, const QString &nome, Qt::ArrowType direcao)
{
    auto *b = new QToolButton(dono);
    b->setObjectName(nome);
    b->setArrowType(direcao);
    b->setFixedSize(16, 11);
    return b;
}
}

TFme_Fontes::TFme_Fontes(QWidget *dono)
    : QWidget(dono)
{
    auto *externa = new QVBoxLayout(this);
    externa->setContentsMargins(0, 0, 0, 0);
    Gbx_Graficos = new QGroupBox(QStringLiteral("Fonte/Texto"), this);
    Gbx_Graficos->setObjectName(QStringLiteral("Gbx_Graficos"));
    externa->addWidget(Gbx_Graficos);

    Lbl_NOME_FONTE = new QLabel(QStringLiteral("8x7"), Gbx_Graficos);
    Lbl_NOME_FONTE->setObjectName(QStringLiteral("Lbl_NOME_FONTE"));
    Lbl_NOME_FONTE->setAlignment(Qt::AlignCenter);
    QFont negrito = Lbl_NOME_FONTE->font();
    negrito.setBold(true);
    Lbl_NOME_FONTE->setFont(negrito);

    Sbt_DIVISAO = new QWidget(Gbx_Graficos);
    Sbt_DIVISAO->setObjectName(QStringLiteral("Sbt_DIVISAO"));
    auto *spin = new QVBoxLayout(Sbt_DIVISAO);
    spin->setContentsMargins(0, 0, 0, 0);
    spin->setSpacing(0);
    Sbt_DIVISAO_Cima = seta(Sbt_DIVISAO, QStringLiteral("Sbt_DIVISAO_Cima"), Qt::UpArrow);
    Sbt_DIVISAO_Baixo = seta(Sbt_DIVISAO, QStringLiteral("Sbt_DIVISAO_Baixo"), Qt::DownArrow);
    spin->addWidget(Sbt_DIVISAO_Cima);
    spin->addWidget(Sbt_DIVISAO_Baixo);

    Btn_AlinhaEsquerda = botao(Gbx_Graficos, QStringLiteral("Btn_AlinhaEsquerda"), QStringLiteral("|◀"),
                               QStringLiteral("Alinhar à esquerda"));
    Btn_AlinhaCentro = botao(Gbx_Graficos, QStringLiteral("Btn_AlinhaCentro"), QStringLiteral("▶◀"),
                             QStringLiteral("Centralizar"));
    Btn_AlinhaDireita = botao(Gbx_Graficos, QStringLiteral("Btn_AlinhaDireita"), QStringLiteral("▶|"),
                              QStringLiteral("Alinhar à direita"));
    Btn_AumntaDistancia = botao(Gbx_Graficos, QStringLiteral("Btn_AumntaDistancia"), QStringLiteral("+"),
                                QStringLiteral("Aumentar espaçamento"));
    Btn_DiminuiDistancia = botao(Gbx_Graficos, QStringLiteral("Btn_DiminuiDistancia"), QStringLiteral("−"),
                                 QStringLiteral("Diminuir espaçamento"));
    Btn_FormataTexto = botao(Gbx_Graficos, QStringLiteral("Btn_FormataTexto"), QStringLiteral("..."),
                             QStringLiteral("Dimension do Texto"));

    auto *grade = new QGridLayout(Gbx_Graficos);
    grade->setContentsMargins(4, 4, 4, 4);
    grade->setSpacing(2);
    grade->addWidget(Lbl_NOME_FONTE, 0, 0, 1, 2);
    grade->addWidget(Sbt_DIVISAO, 0, 2);
    grade->addWidget(Btn_FormataTexto, 0, 3);
    grade->addWidget(Btn_AlinhaEsquerda, 1, 0);
    grade->addWidget(Btn_AlinhaCentro, 1, 1);
    grade->addWidget(Btn_AlinhaDireita, 1, 2);
    grade->addWidget(Btn_AumntaDistancia, 2, 0);
    grade->addWidget(Btn_DiminuiDistancia, 2, 1);

    connect(Sbt_DIVISAO_Cima, &QToolButton::clicked, this, &TFme_Fontes::ProximaFonte);
    connect(Sbt_DIVISAO_Baixo, &QToolButton::clicked, this, &TFme_Fontes::FonteAnterior);
    const auto alinhar = [this](TAlinhamento a) {
        if (AoAlinhar)
            AoAlinhar(a);
    };
    connect(Btn_AlinhaEsquerda, &QToolButton::clicked, this, [=] { alinhar(TAlinhamento::taLeftJustify); });
    connect(Btn_AlinhaCentro, &QToolButton::clicked, this, [=] { alinhar(TAlinhamento::taCenter); });
    connect(Btn_AlinhaDireita, &QToolButton::clicked, this, [=] { alinhar(TAlinhamento::taRightJustify); });
    const auto espacar = [this](int passo) {
        if (AoEspacar)
            AoEspacar(passo);
    };
    connect(Btn_AumntaDistancia, &QToolButton::clicked, this, [=] { espacar(+1); });
    connect(Btn_DiminuiDistancia, &QToolButton::clicked, this, [=] { espacar(-1); });
    connect(Btn_FormataTexto, &QToolButton::clicked, this, [this] {
        if (AoFormatarTexto)
            AoFormatarTexto(this);
    });
}

void TFme_Fontes::MostrarFonte(TTipoFonte valor)
{
    fonte = valor;
    const QString nome = TFontesLed::NomeDaFonte(valor);
    if (!nome.isEmpty())
        Lbl_NOME_FONTE->setText(nome);
}

void TFme_Fontes::DefinirFonte(TTipoFonte valor)
{
    MostrarFonte(valor);
    if (AoAlterarFonte)
        AoAlterarFonte(this);
}

void TFme_Fontes::HabilitarBotoes(bool ligados)
{
    for (QToolButton *b : {Btn_AlinhaEsquerda, Btn_AlinhaCentro, Btn_AlinhaDireita, Btn_AumntaDistancia,
                           Btn_DiminuiDistancia})
        b->setEnabled(ligados);
}

void TFme_Fontes::ProximaFonte()
{
    const int n = int(fonte);
    if (n < 1 || n > 12)
        return;
    DefinirFonte(TTipoFonte(n % 12 + 1));
}

void TFme_Fontes::FonteAnterior()
{
    const int n = int(fonte);
    if (n < 1 || n > 12)
        return;
    DefinirFonte(TTipoFonte(n == 1 ? 12 : n - 1));
}
