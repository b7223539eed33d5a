#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "panel/USom.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UFrmDimensaoTexto.h"

namespace {
// Until the main window exists: one front panel of 8 x 80 and one of 13 x 96,
// with the font tool acting on the panel that last had the keyboard.
TFlexLed *adicionarPainel(QWidget &janela, QVBoxLayout &disposicao, const QString &titulo, int linhas,
                          int colunas, int tag)
{
    disposicao.addWidget(new QLabel(titulo, &janela));
    TFlexLed *painel = TFlexLed::Criar(&janela);
    painel->Tag = tag;
    painel->DefinirNroLinhas(linhas);
    painel->DefinirNroColunas(colunas);
    disposicao.addWidget(painel);
    return painel;
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // dorvik-cli uses the same name, so that both find the same per-user font file.
    QCoreApplication::setApplicationName(QStringLiteral("dorvik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dorvik  System"));
    TSom::DefinirBipe([] { QApplication::beep(); });

    QWidget janela;
    auto *linha = new QHBoxLayout(&janela);
    auto *paineis = new QVBoxLayout;
    linha->addLayout(paineis);
    const QList<TFlexLed *> todos{adicionarPainel(janela, *paineis, QStringLiteral("Frontal"), 8, 80, 1),
                                  adicionarPainel(janela, *paineis, QStringLiteral("Lateral"), 13, 96, 2)};
    paineis->addStretch();
    auto *fontes = new TFme_Fontes(&janela);
    linha->addWidget(fontes, 0, Qt::AlignTop);

    QPointer<TFlexLed> ativo = todos.last();
    fontes->MostrarFonte(ativo->FonteUtilizada());
    QObject::connect(&app, &QApplication::focusChanged, &janela, [&](QWidget *, QWidget *agora) {
        for (TFlexLed *p : todos)
            if (agora && agora == p->CapturaDeTeclas()) {
                ativo = p;
                fontes->MostrarFonte(p->FonteUtilizada());
            }
    });
    for (TFlexLed *p : todos)
        p->AoAlterarPropriedade = [&](TPainelLed *sender) {
            if (sender == static_cast<TPainelLed *>(ativo.data()))
                fontes->MostrarFonte(sender->FonteUtilizada());
        };
    fontes->AoAlterarFonte = [&](TFme_Fontes *f) {
        if (ativo)
            ativo->DefinirFonteUtilizada(f->Fonte());
    };
    fontes->AoAlinhar = [&](TAlinhamento a) {
        if (ativo)
            ativo->DefinirAlinhamento(a);
    };
    fontes->AoEspacar = [&](int passo) {
        if (!ativo)
            return;
        if (passo > 0)
            ativo->AumentarEspacamento(1, ativo->UltimaColuna());
        else
            ativo->DiminuirEspacamento(1, ativo->UltimaColuna());
    };
    fontes->AoFormatarTexto = [&](TFme_Fontes *) {
        if (ativo)
            AbrirDimensaoTexto(ativo);
    };

    janela.show();
    return app.exec();
}
