#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/UVersao.h"
#include "app/ui/UAmbiente.h"
#include "app/ui/UFrmPrincipalVeltronix.h"
#include "panel/USom.h"
#include "panel/ui/UMensagem.h"

// dorvik [--version | PROJECT.ar1]
int main(int argc, char *argv[])
{
    // Answered before any window: it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("dorvik %s\n", qPrintable(VersaoDoPrograma()));
        return 0;
    }
    PrepararDatas();
    QApplication app(argc, argv);
    // dorvik-cli uses the same name, so that both find the same per-user font file.
    QCoreApplication::setApplicationName(QStringLiteral("dorvik"));
    QCoreApplication::setApplicationVersion(VersaoDoPrograma());
    // The installed menu entry (dorvik.desktop) and icon: the desktop shows
    // them for the window; from the build folder there is no icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("dorvik"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("dorvik")));
    TMensagem::DefinirTituloAplicacao(QStringLiteral("Dorvik  System"));
    TSom::DefinirBipe([] { QApplication::beep(); });
    PrepararAmbiente(app);

    TFrm_PrincipalVeltronix janela;
    // The whole work area also where no window manager maximises windows.
    janela.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    janela.showMaximized();
    // A project file given (a double click on it): opened once the window is up.
    const QStringList argumentos = app.arguments().mid(1);
    if (!argumentos.isEmpty())
        QTimer::singleShot(0, &janela, [&janela, arquivo = argumentos.first()] { janela.AbrirNaPartida(arquivo); });
    return app.exec();
}
