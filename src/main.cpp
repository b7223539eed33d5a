#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "panel/USom.h"
#include "panel/ui/UFlexLed.h"

namespace {
// Until the main window exists: one front panel of 8 x 80 and one of 13 x 96.
void adicionarPainel(QWidget &janela, QVBoxLayout &disposicao, const QString &titulo, int linhas, int colunas, int tag)
{
    disposicao.addWidget(new QLabel(titulo, &janela));
    TFlexLed *painel = TFlexLed::Criar(&janela);
    painel->Tag = tag;
    painel->DefinirNroLinhas(linhas);
    painel->DefinirNroColunas(colunas);
    disposicao.addWidget(painel);
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Dorvik  System"));
    TSom::DefinirBipe([] { QApplication::beep(); });

    QWidget janela;
    auto *disposicao = new QVBoxLayout(&janela);
    adicionarPainel(janela, *disposicao, QStringLiteral("Frontal"), 8, 80, 1);
    adicionarPainel(janela, *disposicao, QStringLiteral("Lateral"), 13, 96, 2);
    disposicao->addStretch();
    janela.show();
    return app.exec();
}
