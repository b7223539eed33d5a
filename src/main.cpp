#include <QApplication>
#include <QVBoxLayout>

#include "editor/ui/UFmePainel.h"
#include "panel/USom.h"
#include "panel/ui/UFlexLed.h"

namespace {
// Until the main window exists: the editor of a bus with all four signs.
struct TSinalInicial {
    int Posicao;
    int Linhas;
    int Colunas;
};
constexpr TSinalInicial sinais[] = {{1, 13, 96}, {2, 8, 80}, {3, 13, 32}, {4, 8, 80}};
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // dorvik-cli uses the same name, so that both find the same per-user font file.
    QCoreApplication::setApplicationName(QStringLiteral("dorvik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dorvik  System"));
    TSom::DefinirBipe([] { QApplication::beep(); });

    QWidget janela;
    auto *disposicao = new QVBoxLayout(&janela);
    disposicao->setContentsMargins(0, 0, 0, 0);
    auto *editor = new TFme_Painel(&janela, true, true, true, true);
    for (const TSinalInicial &s : sinais) {
        TFlexLed *painel = editor->FlexLed(s.Posicao);
        painel->DefinirNroLinhas(s.Linhas);
        painel->DefinirNroColunas(s.Colunas);
        painel->DefinirFonteUtilizada(*TEditorPaineis::FonteDasLinhas(s.Linhas));
    }
    editor->OrganizarPaineis();
    editor->AtualizarAoAtivar = true;
    janela.resize(1280, 720);
    janela.show();
    editor->FocarPainelAtivo();
    return app.exec();
}
