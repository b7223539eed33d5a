#include "editor/ui/UFrmImportarImagem.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "panel/UDesenhoFolhaGlifos.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int larguraDaPrevia = 900; // pixels the sign's room takes in the preview
constexpr int larguraMaxima = 1200;   // and a picture wider than the room, at most
}

TFrm_ImportarImagem::TFrm_ImportarImagem(const QImage &imagem, int linhas, int colunas, bool limitarColunas,
                                         QWidget *dono)
    : QDialog(dono), imagem(imagem), linhas(linhas), colunas(colunas), limitarColunas(limitarColunas),
      passo(std::clamp(larguraDaPrevia / std::max(colunas, 1), 3, 12))
{
    setObjectName(u"Frm_ImportarImagem"_s);
    setWindowTitle(TMensagem::TituloAplicacao() + u" - Importar Imagem"_s);
    auto *coluna = new QVBoxLayout(this);

    Lbl_Previa = new QLabel(this);
    Lbl_Previa->setObjectName(u"Lbl_Previa"_s);
    Lbl_Previa->setAlignment(Qt::AlignCenter);
    Lbl_Previa->setMinimumSize(colunas * passo + 2, linhas * passo + 2);
    coluna->addWidget(Lbl_Previa, 1);
    Lbl_Tamanho = new QLabel(this);
    Lbl_Tamanho->setObjectName(u"Lbl_Tamanho"_s);
    coluna->addWidget(Lbl_Tamanho);

    auto *tamanho = new QGroupBox(u"Tamanho"_s, this);
    tamanho->setObjectName(u"Grp_Tamanho"_s);
    auto *linhaTamanho = new QHBoxLayout(tamanho);
    Rbt_AlturaPainel = new QRadioButton(u"Altura do painel (mantém as proporções)"_s, tamanho);
    Rbt_AlturaPainel->setObjectName(u"Rbt_AlturaPainel"_s);
    Rbt_AlturaPainel->setChecked(true);
    Rbt_PainelInteiro = new QRadioButton(u"Painel inteiro"_s, tamanho);
    Rbt_PainelInteiro->setObjectName(u"Rbt_PainelInteiro"_s);
    linhaTamanho->addWidget(Rbt_AlturaPainel);
    linhaTamanho->addWidget(Rbt_PainelInteiro);
    linhaTamanho->addStretch();
    coluna->addWidget(tamanho);

    auto *linhaLimiar = new QHBoxLayout;
    auto *rotulo = new QLabel(u"Limiar"_s, this);
    rotulo->setObjectName(u"Lbl_TituloLimiar"_s);
    Sld_Limiar = new QSlider(Qt::Horizontal, this);
    Sld_Limiar->setObjectName(u"Sld_Limiar"_s);
    Sld_Limiar->setRange(1, 255);
    Sld_Limiar->setValue(TOpcoesImagem().Limiar);
    Sld_Limiar->setPageStep(16);
    Lbl_Limiar = new QLabel(u"255"_s, this);
    Lbl_Limiar->setObjectName(u"Lbl_Limiar"_s);
    Lbl_Limiar->setMinimumWidth(Lbl_Limiar->sizeHint().width());
    Chk_Inverter = new QCheckBox(u"Inverter"_s, this);
    Chk_Inverter->setObjectName(u"Chk_Inverter"_s);
    linhaLimiar->addWidget(rotulo);
    linhaLimiar->addWidget(Sld_Limiar, 1);
    linhaLimiar->addWidget(Lbl_Limiar);
    linhaLimiar->addSpacing(12);
    linhaLimiar->addWidget(Chk_Inverter);
    coluna->addLayout(linhaLimiar);

    const TBotoesDialogo botoes = BotoesDoDialogo(*this, u"Importar"_s, u"Btn_Importar"_s);
    Btn_Importar = botoes.Confirmar;
    Btn_Cancelar = botoes.Cancelar;
    coluna->addLayout(botoes.Linha);

    connect(Rbt_AlturaPainel, &QRadioButton::toggled, this, [this] { mostrar(); });
    connect(Sld_Limiar, &QSlider::valueChanged, this, [this] { mostrar(); });
    connect(Chk_Inverter, &QCheckBox::toggled, this, [this] { mostrar(); });
    mostrar();
}

TOpcoesImagem TFrm_ImportarImagem::Opcoes() const
{
    TOpcoesImagem opcoes;
    opcoes.Ajuste = Rbt_PainelInteiro->isChecked() ? TAjusteImagem::PainelInteiro : TAjusteImagem::AlturaDoPainel;
    opcoes.Limiar = Sld_Limiar->value();
    opcoes.Inverter = Chk_Inverter->isChecked();
    return opcoes;
}

// The room from the cursor as dark LEDs, the picture's LEDs over it from its top left.
void TFrm_ImportarImagem::mostrar()
{
    const TOpcoesImagem opcoes = Opcoes();
    const QSize tamanho = TamanhoEmLeds(imagem.size(), linhas, colunas, opcoes.Ajuste, limitarColunas);
    resultado = ImagemParaLeds(imagem, tamanho, opcoes);
    Lbl_Limiar->setText(QString::number(opcoes.Limiar));
    Lbl_Tamanho->setText(u"%1 colunas x %2 linhas de LEDs"_s.arg(tamanho.width()).arg(tamanho.height()));
    TGradeLeds sinal(linhas);
    for (int c = 1; c <= std::max(colunas, tamanho.width()); ++c)
        for (int l = 1; l <= linhas; ++l)
            sinal.Definir(l, c, resultado.Aceso(l, c));
    // A picture much wider than a sign that scrolls is shown narrower, whole.
    const QImage previa = ImagemDaGrade(sinal, passo);
    Lbl_Previa->setPixmap(QPixmap::fromImage(previa.width() > larguraMaxima
                                                 ? previa.scaledToWidth(larguraMaxima, Qt::SmoothTransformation)
                                                 : previa));
}
