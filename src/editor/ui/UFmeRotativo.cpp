#include "editor/ui/UFmeRotativo.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "panel/UErro.h"
#include "panel/ui/UMensagem.h"

namespace {
QToolButton *botaoDeSeta(QWidget *dono, Qt::ArrowType seta, const QString &nome)
{
    auto *botao = new QToolButton(dono);
    botao->setObjectName(nome);
    botao->setArrowType(seta);
    botao->setAutoRepeat(true);
    botao->setFixedSize(16, 11);
    return botao;
}

QHBoxLayout *linhaCompacta(QWidget *dono)
{
    auto *linha = new QHBoxLayout(dono);
    linha->setContentsMargins(4, 0, 4, 0);
    linha->setSpacing(4);
    return linha;
}
}

TFme_Rotativo::TFme_Rotativo(QWidget *dono)
    : QWidget(dono)
{
    setObjectName(QStringLiteral("Fme_Rotativo"));
    Grp_TextoRotativo = new QGroupBox(QStringLiteral("Texto Rotativo"), this);
    Grp_TextoRotativo->setObjectName(QStringLiteral("Grp_TextoRotativo"));
    auto *externa = new QHBoxLayout(this);
    externa->setContentsMargins(0, 0, 0, 0);
    externa->addWidget(Grp_TextoRotativo);
    auto *linha = linhaCompacta(Grp_TextoRotativo);

    Act_Anterior = new QAction(QStringLiteral("Anterior"), this);
    Act_Anterior->setObjectName(QStringLiteral("Act_Anterior"));
    Act_Anterior->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
    connect(Act_Anterior, &QAction::triggered, this, [this] { Act_AnteriorExecute(); });
    Act_Proximo = new QAction(QStringLiteral("Próximo"), this);
    Act_Proximo->setObjectName(QStringLiteral("Act_Proximo"));
    Act_Proximo->setShortcut(QKeySequence(Qt::Key_F3));
    connect(Act_Proximo, &QAction::triggered, this, [this] { Act_ProximoExecute(); });

    Btn_RotativoAnterior = new QToolButton(Grp_TextoRotativo);
    Btn_RotativoAnterior->setObjectName(QStringLiteral("Btn_RotativoAnterior"));
    Btn_RotativoAnterior->setDefaultAction(Act_Anterior);
    linha->addWidget(Btn_RotativoAnterior);
    Btn_ProximoRotativo = new QToolButton(Grp_TextoRotativo);
    Btn_ProximoRotativo->setObjectName(QStringLiteral("Btn_ProximoRotativo"));
    Btn_ProximoRotativo->setDefaultAction(Act_Proximo);
    linha->addWidget(Btn_ProximoRotativo);

    Grp_Tiempo = new QGroupBox(QStringLiteral("Tiempo"), Grp_TextoRotativo);
    Grp_Tiempo->setObjectName(QStringLiteral("Grp_Tiempo"));
    auto *tempo = linhaCompacta(Grp_Tiempo);
    Lbl_TEMPOEXP = new QLabel(QStringLiteral("0000"), Grp_Tiempo);
    Lbl_TEMPOEXP->setObjectName(QStringLiteral("Lbl_TEMPOEXP"));
    QFont negrito = Lbl_TEMPOEXP->font();
    negrito.setBold(true);
    Lbl_TEMPOEXP->setFont(negrito);
    tempo->addWidget(Lbl_TEMPOEXP);
    Lbl_Seg = new QLabel(QStringLiteral("Seg."), Grp_Tiempo);
    Lbl_Seg->setObjectName(QStringLiteral("Lbl_Seg"));
    tempo->addWidget(Lbl_Seg);
    Sbt_TEMPOEXP = new QWidget(Grp_Tiempo);
    Sbt_TEMPOEXP->setObjectName(QStringLiteral("Sbt_TEMPOEXP"));
    auto *setas = new QVBoxLayout(Sbt_TEMPOEXP);
    setas->setContentsMargins(0, 0, 0, 0);
    setas->setSpacing(0);
    auto *acima = botaoDeSeta(Sbt_TEMPOEXP, Qt::UpArrow, QStringLiteral("Sbt_TEMPOEXPTop"));
    auto *abaixo = botaoDeSeta(Sbt_TEMPOEXP, Qt::DownArrow, QStringLiteral("Sbt_TEMPOEXPBottom"));
    setas->addWidget(acima);
    setas->addWidget(abaixo);
    connect(acima, &QToolButton::clicked, this, [this] { Sbt_TEMPOEXPTopClick(); });
    connect(abaixo, &QToolButton::clicked, this, [this] { Sbt_TEMPOEXPBottomClick(); });
    tempo->addWidget(Sbt_TEMPOEXP);
    linha->addWidget(Grp_Tiempo);

    for (int n = 1; n <= 8; ++n) {
        // Ticked only by Exibir: the box shows the current slot, whatever a click did.
        auto *caixa = new QRadioButton(QString::number(n), Grp_TextoRotativo);
        caixa->setObjectName(QStringLiteral("Rbt_Rotativo%1").arg(n));
        caixa->setAutoExclusive(false);
        connect(caixa, &QRadioButton::clicked, this, [this, n] { Rbt_RotativoClick(n); });
        linha->addWidget(caixa);
        Rbt_Rotativo[n - 1] = caixa;
    }
}

// Runs one of the operator's commands: a failure is shown in the error box and
// the boxes show the model's slot again (a click may have toggled one).
template <typename Acao> void TFme_Rotativo::executar(Acao acao)
{
    try {
        acao();
    } catch (const TErro &erro) {
        TMensagem::Mensagem(erro.Mensagem, TTipoMensagem::mtError);
    }
    Exibir();
}

void TFme_Rotativo::HabilitarRotativo()
{
    habilitar(true);
}

void TFme_Rotativo::DesabilitarRotativo()
{
    habilitar(false);
}

void TFme_Rotativo::Rbt_RotativoClick(int n)
{
    executar([this, n] { ClicarRotativo(quint16(n)); });
}

void TFme_Rotativo::Act_ProximoExecute()
{
    executar([this] { Proximo(); });
}

void TFme_Rotativo::Act_AnteriorExecute()
{
    executar([this] { Anterior(); });
}

void TFme_Rotativo::Sbt_TEMPOEXPTopClick()
{
    executar([this] { AumentarTempoExposicao(); });
}

void TFme_Rotativo::Sbt_TEMPOEXPBottomClick()
{
    executar([this] { DiminuirTempoExposicao(); });
}

void TFme_Rotativo::Exibir()
{
    for (int n = 1; n <= 8; ++n)
        Rbt_Rotativo[n - 1]->setChecked(n == RotativoMarcado());
    const auto tempo = TempoExibido();
    Lbl_TEMPOEXP->setText(tempo ? QString::number(*tempo) : QStringLiteral("0000"));
}

void TFme_Rotativo::habilitar(bool habilitado)
{
    setEnabled(habilitado);
    for (QWidget *controle : std::initializer_list<QWidget *>{Lbl_Seg, Btn_RotativoAnterior, Btn_ProximoRotativo,
                                                              Grp_Tiempo, Grp_TextoRotativo, Lbl_TEMPOEXP,
                                                              Sbt_TEMPOEXP})
        controle->setEnabled(habilitado);
    for (QRadioButton *caixa : Rbt_Rotativo)
        caixa->setEnabled(habilitado);
    Act_Anterior->setEnabled(habilitado);
    Act_Proximo->setEnabled(habilitado);
}
