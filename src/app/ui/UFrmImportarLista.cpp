#include "app/ui/UFrmImportarLista.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

TFrm_ImportarLista::TFrm_ImportarLista(TImportacaoLista &importacao, TListaDestinos lista, QWidget *dono)
    : QDialog(dono), importacao(importacao), lista(std::move(lista))
{
    setObjectName(u"Frm_ImportarLista"_s);
    setWindowTitle(TMensagem::TituloAplicacao() + u" - Importar Lista de Destinos"_s);
    resize(760, 420);
    auto *coluna = new QVBoxLayout(this);
    Lbl_Resumo = new QLabel(this);
    Lbl_Resumo->setObjectName(u"Lbl_Resumo"_s);
    coluna->addWidget(Lbl_Resumo);
    Tbl_Linhas = new QTableWidget(0, 4, this);
    Tbl_Linhas->setObjectName(u"Tbl_Linhas"_s);
    Tbl_Linhas->setHorizontalHeaderLabels({u"Linha"_s, u"Número"_s, u"Ação"_s, u"Textos / motivo"_s});
    Tbl_Linhas->horizontalHeader()->setStretchLastSection(true);
    Tbl_Linhas->verticalHeader()->hide();
    Tbl_Linhas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    coluna->addWidget(Tbl_Linhas, 1);
    Chk_Substituir = new QCheckBox(u"Substituir os números que o projeto já tem"_s, this);
    Chk_Substituir->setObjectName(u"Chk_Substituir"_s);
    coluna->addWidget(Chk_Substituir);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    Btn_Importar = new QPushButton(u"Importar"_s, this);
    Btn_Importar->setObjectName(u"Btn_Importar"_s);
    Btn_Cancelar = new QPushButton(u"Cancelar"_s, this);
    Btn_Cancelar->setObjectName(u"Btn_Cancelar"_s);
    botoes->addWidget(Btn_Importar);
    botoes->addWidget(Btn_Cancelar);
    coluna->addLayout(botoes);
    connect(Chk_Substituir, &QCheckBox::toggled, this, [this] { mostrar(); });
    connect(Btn_Importar, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancelar, &QPushButton::clicked, this, &QDialog::reject);
    mostrar();
}

void TFrm_ImportarLista::mostrar()
{
    importacao.Preparar(lista, Chk_Substituir->isChecked());
    Tbl_Linhas->setRowCount(0);
    const auto linha = [this](int numeroLinha, const QString &numero, const QString &acao, const QString &texto,
                              bool recusada) {
        const int r = Tbl_Linhas->rowCount();
        Tbl_Linhas->insertRow(r);
        const QStringList campos{QString::number(numeroLinha), numero, acao, texto};
        for (int c = 0; c < campos.size(); ++c) {
            auto *item = new QTableWidgetItem(campos.at(c));
            if (recusada)
                item->setForeground(Qt::red);
            Tbl_Linhas->setItem(r, c, item);
        }
    };
    // In the order of the file, refused rows among the others.
    struct TEntrada {
        int Linha;
        QString Numero;
        QString Acao;
        QString Texto;
        bool Recusada;
    };
    QList<TEntrada> entradas;
    for (const auto &r : importacao.Recusas())
        entradas.append({r.Linha, QString(), u"Recusada"_s, r.Motivo, true});
    for (const auto &p : importacao.Planos())
        entradas.append({p.Linha, QString::number(p.Numero) + (p.Extra ? u" (extra)"_s : QString()),
                         p.Substitui ? u"Substitui"_s : u"Cria"_s, p.Resumo, false});
    std::stable_sort(entradas.begin(), entradas.end(), [](const TEntrada &a, const TEntrada &b) { return a.Linha < b.Linha; });
    for (const TEntrada &e : std::as_const(entradas))
        linha(e.Linha, e.Numero, e.Acao, e.Texto, e.Recusada);
    Lbl_Resumo->setText(importacao.Recusas().isEmpty()
                            ? u"%1 linhas serão importadas."_s.arg(importacao.Planos().size())
                            : u"%1 linhas recusadas: corrija a lista; nada será importado."_s.arg(
                                  importacao.Recusas().size()));
    Tbl_Linhas->resizeColumnsToContents();
    Btn_Importar->setEnabled(importacao.Recusas().isEmpty() && !importacao.Planos().isEmpty());
}
