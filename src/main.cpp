#include <QApplication>
#include <QWidget>

#include "panel/USom.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TSom::DefinirBipe([] { QApplication::beep(); });
    QWidget janela;
    janela.show();
    return app.exec();
}
