#include "editor/ui/UFrmPictogramas.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "panel/UDesenhoFolhaGlifos.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int passoLed = 6; // pixels from one LED to the next
constexpr int colunasDaGrade = 5;
}

TFrm_Pictogramas::TFrm_Pictogramas(int altura, QWidget *dono)
    : QDialog(dono)
{
    setObjectName(u"Frm_Pictogramas"_s);
    setWindowTitle(TMensagem::TituloAplicacao() + u" - Inserir Pictograma"_s);
    auto *coluna = new QVBoxLayout(this);
    Lbl_Altura = new QLabel(u"Pictogramas de %1 linhas, como o painel os mostra:"_s.arg(altura), this);
    Lbl_Altura->setObjectName(u"Lbl_Altura"_s);
    coluna->addWidget(Lbl_Altura);

    Lst_Pictogramas = new QListWidget(this);
    Lst_Pictogramas->setObjectName(u"Lst_Pictogramas"_s);
    Lst_Pictogramas->setViewMode(QListView::IconMode);
    Lst_Pictogramas->setMovement(QListView::Static);
    Lst_Pictogramas->setResizeMode(QListView::Adjust);
    Lst_Pictogramas->setWrapping(true);
    Lst_Pictogramas->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every cell as wide as the widest picture or name, so that no name is cut.
    const QFontMetrics medidas(Lst_Pictogramas->font());
    QSize icone;
    int larguraNome = 0;
    for (TPictograma p : Pictogramas::Todos()) {
        const QImage imagem = ImagemDaGrade(Pictogramas::Grade(p, altura), passoLed);
        icone = icone.expandedTo(imagem.size());
        larguraNome = std::max(larguraNome, medidas.horizontalAdvance(Pictogramas::Nome(p)));
        // The chosen one keeps its LEDs as they are: the selection shows on its name only.
        QIcon leds;
        leds.addPixmap(QPixmap::fromImage(imagem), QIcon::Normal);
        leds.addPixmap(QPixmap::fromImage(imagem), QIcon::Selected);
        auto *item = new QListWidgetItem(leds, Pictogramas::Nome(p), Lst_Pictogramas);
        item->setData(Qt::UserRole, int(p));
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    Lst_Pictogramas->setIconSize(icone);
    const QSize celula(std::max(icone.width(), larguraNome) + 16, icone.height() + medidas.height() + 14);
    Lst_Pictogramas->setGridSize(celula);
    Lst_Pictogramas->setSpacing(0);
    const int linhasDaGrade = (int(Pictogramas::Todos().size()) + colunasDaGrade - 1) / colunasDaGrade;
    Lst_Pictogramas->setMinimumSize(celula.width() * colunasDaGrade + 24, celula.height() * linhasDaGrade + 8);
    Lst_Pictogramas->setCurrentRow(0);
    coluna->addWidget(Lst_Pictogramas, 1);

    const TBotoesDialogo botoes = BotoesDoDialogo(*this, u"Inserir"_s, u"Btn_Inserir"_s);
    Btn_Inserir = botoes.Confirmar;
    Btn_Cancelar = botoes.Cancelar;
    coluna->addLayout(botoes.Linha);
    connect(Lst_Pictogramas, &QListWidget::itemActivated, this, &QDialog::accept);
    Lst_Pictogramas->setFocus();
}

TPictograma TFrm_Pictogramas::Escolhido() const
{
    const QListWidgetItem *item = Lst_Pictogramas->currentItem();
    return item ? TPictograma(item->data(Qt::UserRole).toInt()) : Pictogramas::Todos().front();
}

void TFrm_Pictogramas::Escolher(TPictograma pictograma)
{
    for (int i = 0; i < Lst_Pictogramas->count(); ++i)
        if (Lst_Pictogramas->item(i)->data(Qt::UserRole).toInt() == int(pictograma))
            Lst_Pictogramas->setCurrentRow(i);
}
