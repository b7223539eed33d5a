#include "editor/ui/UFmeCoresLED.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/UCoresLed.h"
#include "editor/ui/UBotoesLigaDesliga.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

namespace {
QComboBox *caixaDeCores(QWidget *dono, const QString &nome)
{
    auto *caixa = new QComboBox(dono);
    caixa->setObjectName(nome);
    caixa->setEditable(false);
    caixa->setMinimumContentsLength(8);
    return caixa;
}

QLabel *rotulo(QWidget *dono, const QString &nome, const QString &texto)
{
    auto *r = new QLabel(texto, dono);
    r->setObjectName(nome);
    return r;
}
}

TFme_CoresLED::TFme_CoresLED(QWidget *dono)
    : QWidget(dono)
{
    setObjectName(u"Fme_CoresLED"_s);
    auto *externa = new QHBoxLayout(this);
    externa->setContentsMargins(0, 0, 0, 0);
    auto *grupo = new QGroupBox(u"Division de Columna"_s, this);
    grupo->setObjectName(u"Grp_DivisaoColuna"_s);
    externa->addWidget(grupo);
    auto *linha = new QHBoxLayout(grupo);
    linha->setContentsMargins(4, 2, 4, 2);
    linha->setSpacing(6);

    const TBotoesLigaDesliga botoes = CriarBotoesLigaDesliga(grupo, u"btnHabilitarDivColuna"_s,
                                                              u"btnDesabilitarDivColuna"_s);
    btnHabilitarDivColuna = botoes.Liga;
    btnDesabilitarDivColuna = botoes.Desliga;
    linha->addLayout(botoes.Disposicao);
    connect(btnHabilitarDivColuna, &QPushButton::clicked, this, [this] { btnHabilitarDivColunaClick(); });
    connect(btnDesabilitarDivColuna, &QPushButton::clicked, this, [this] { btnDesabilitarDivColunaClick(); });

    auto *cores = new QGroupBox(u"Cor do Led"_s, grupo);
    cores->setObjectName(u"Grp_CorLed"_s);
    auto *grade = new QGridLayout(cores);
    grade->setContentsMargins(4, 2, 4, 2);
    grade->setSpacing(2);
    Lbl_CorLED2 = rotulo(cores, u"Lbl_CorLED2"_s, u"isqierda:"_s);
    Cbo_CorLED2 = caixaDeCores(cores, u"Cbo_CorLED2"_s);
    Lbl_CorLED1 = rotulo(cores, u"Lbl_CorLED1"_s, u"Derecha:"_s);
    Cbo_CorLED1 = caixaDeCores(cores, u"Cbo_CorLED1"_s);
    grade->addWidget(Lbl_CorLED2, 0, 0);
    grade->addWidget(Cbo_CorLED2, 0, 1);
    grade->addWidget(Lbl_CorLED1, 1, 0);
    grade->addWidget(Cbo_CorLED1, 1, 1);
    linha->addWidget(cores);
    for (QComboBox *caixa : {Cbo_CorLED1, Cbo_CorLED2})
        connect(caixa, &QComboBox::currentIndexChanged, this, [this] { Cbo_CorLEDChange(); });

    Rg_Coluna = new QGroupBox(u"Columna"_s, grupo);
    Rg_Coluna->setObjectName(u"Rg_Coluna"_s);
    auto *colunas = new QVBoxLayout(Rg_Coluna);
    colunas->setContentsMargins(4, 2, 4, 2);
    colunas->setSpacing(0);
    Rbt_Coluna28 = new QRadioButton(u"28"_s, Rg_Coluna);
    Rbt_Coluna28->setObjectName(u"Rbt_Coluna28"_s);
    Rbt_Coluna32 = new QRadioButton(u"32"_s, Rg_Coluna);
    Rbt_Coluna32->setObjectName(u"Rbt_Coluna32"_s);
    colunas->addWidget(Rbt_Coluna28);
    colunas->addWidget(Rbt_Coluna32);
    Grp_Colunas = new QButtonGroup(this);
    Grp_Colunas->addButton(Rbt_Coluna28, 0);
    Grp_Colunas->addButton(Rbt_Coluna32, 1);
    connect(Grp_Colunas, &QButtonGroup::idClicked, this, [this](int item) { Rg_ColunaClick(item); });
    Rg_Coluna->setEnabled(false);
    linha->addWidget(Rg_Coluna);

    ReiniciarCores();
}

TCor TFme_CoresLED::CorEsquerda() const
{
    const int i = Cbo_CorLED2->currentIndex();
    return i < 0 ? TCoresLed::EsquerdaPadrao : TCoresLed::Lista()[size_t(i)].Valor;
}

TCor TFme_CoresLED::CorDireita() const
{
    const int i = Cbo_CorLED1->currentIndex();
    return i < 0 ? TCoresLed::DireitaPadrao : TCoresLed::Lista()[size_t(i)].Valor;
}

void TFme_CoresLED::alterado()
{
    if (AoAlterar)
        AoAlterar(this);
}

void TFme_CoresLED::selecionarColuna(QRadioButton *item)
{
    // An exclusive group cannot lose its selection; it is made non-exclusive for the moment.
    Grp_Colunas->setExclusive(false);
    Rbt_Coluna28->setChecked(item == Rbt_Coluna28);
    Rbt_Coluna32->setChecked(item == Rbt_Coluna32);
    Grp_Colunas->setExclusive(true);
}

void TFme_CoresLED::habilitarEsquerda(bool habilitada)
{
    Cbo_CorLED2->setEnabled(habilitada);
    Lbl_CorLED2->setEnabled(habilitada);
}

void TFme_CoresLED::habilitarColunas(bool habilitado)
{
    Rg_Coluna->setEnabled(habilitado);
}

void TFme_CoresLED::DefinirDivisao(qint16 coluna)
{
    const auto avisar = qScopeGuard([this] { alterado(); });
    Divisao = coluna;
    const QSignalBlocker bloqueio(Cbo_CorLED2);
    habilitarEsquerda(coluna > 0);
    // Without a division the left box shows green; with one, its choice, or green when it has none.
    const TCor esquerda = coluna <= 0 ? TCoresLed::EsquerdaPadrao : CorEsquerda();
    Cbo_CorLED2->setCurrentIndex(TCoresLed::Indice(esquerda));
}

void TFme_CoresLED::btnHabilitarDivColunaClick()
{
    habilitarColunas(true);
    if (!Grp_Colunas->checkedButton() || Divisao == 28) {
        selecionarColuna(Rbt_Coluna28);
        DefinirDivisao(28);
    } else {
        selecionarColuna(Rbt_Coluna32);
        DefinirDivisao(32);
    }
}

void TFme_CoresLED::btnDesabilitarDivColunaClick()
{
    selecionarColuna(nullptr);
    DefinirDivisao(0);
    habilitarColunas(false);
}

void TFme_CoresLED::Rg_ColunaClick(int item)
{
    DefinirDivisao(item == 0 ? 28 : 32);
}

void TFme_CoresLED::Cbo_CorLEDChange()
{
    alterado();
}

void TFme_CoresLED::ExibirPainel(const TPainelLed &painel)
{
    const QSignalBlocker bloqueioDireita(Cbo_CorLED1);
    const QSignalBlocker bloqueioEsquerda(Cbo_CorLED2);
    const int divisao = painel.DivisaoNaColuna();
    Divisao = qint16(divisao);
    if (divisao <= 0) {
        btnDesabilitarDivColuna->setChecked(true);
        selecionarColuna(nullptr);
        Cbo_CorLED2->setCurrentIndex(-1);
    } else {
        btnHabilitarDivColuna->setChecked(true);
        selecionarColuna(divisao == 28 ? Rbt_Coluna28 : divisao == 32 ? Rbt_Coluna32 : nullptr);
        Cbo_CorLED2->setCurrentIndex(TCoresLed::Indice(painel.CorLedNaDivisao()));
    }
    const int direita = TCoresLed::Indice(painel.CorLed());
    Cbo_CorLED1->setCurrentIndex(direita < 0 ? TCoresLed::Indice(TCoresLed::DireitaPadrao) : direita);
    Cbo_CorLED1->setEnabled(true);
    Lbl_CorLED1->setEnabled(true);
    habilitarEsquerda(divisao > 0);
    habilitarColunas(divisao > 0);
}

void TFme_CoresLED::ReiniciarCores()
{
    {
        const QSignalBlocker bloqueioDireita(Cbo_CorLED1);
        const QSignalBlocker bloqueioEsquerda(Cbo_CorLED2);
        for (QComboBox *caixa : {Cbo_CorLED1, Cbo_CorLED2}) {
            caixa->clear();
            for (const TCorDoLed &cor : TCoresLed::Lista())
                caixa->addItem(cor.Nome);
            caixa->setCurrentIndex(-1);
        }
    }
    DefinirDivisao(0);
    const QSignalBlocker bloqueioDireita(Cbo_CorLED1);
    const QSignalBlocker bloqueioEsquerda(Cbo_CorLED2);
    Cbo_CorLED1->setCurrentIndex(TCoresLed::Indice(TCoresLed::DireitaPadrao));
    Cbo_CorLED2->setCurrentIndex(TCoresLed::Indice(TCoresLed::EsquerdaPadrao));
}
