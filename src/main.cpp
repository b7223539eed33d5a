#include <QApplication>
#include <QScreen>

#include "app/ui/UFrmPrincipalVeltronix.h"
#include "panel/USom.h"
#include "panel/ui/UMensagem.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // dorvik-cli uses the same name, so that both find the same per-user font file.
    QCoreApplication::setApplicationName(QStringLiteral("dorvik"));
    TMensagem::DefinirTituloAplicacao(QStringLiteral("Dorvik  System"));
    TSom::DefinirBipe([] { QApplication::beep(); });

    TFrm_PrincipalVeltronix janela;
    // The whole work area also where no window manager maximises windows.
    janela.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    janela.showMaximized();
    return app.exec();
}
