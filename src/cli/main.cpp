#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

#include "app/UVersao.h"
#include "cli/UComandos.h"
#include "panel/UErro.h"

namespace {
QList<TComando> &registro()
{
    static QList<TComando> comandos;
    return comandos;
}

void imprimirAjuda(QTextStream &saida)
{
    saida << "Usage: dorvik-cli COMMAND [ARGS]\n\nCommands:\n";
    for (const TComando &c : Comandos())
        saida << "  " << c.Uso << "\n      " << c.Descricao << "\n";
    saida << "  --help\n      Shows this text.\n  --version\n      Prints the version.\n\n"
             "Exit codes: 0 done, 1 error, 2 wrong usage.\n";
}

// Qt's own diagnostics (such as "XDG_RUNTIME_DIR not set" in a root shell)
// are not the tool's: stderr carries only its messages, for scripts to read.
void descartarAvisosDoQt(QtMsgType tipo, const QMessageLogContext &, const QString &mensagem)
{
    if (tipo == QtFatalMsg) {
        QTextStream(stderr) << mensagem << "\n";
        std::abort();
    }
}
}

QString ParaTerminal(QString texto)
{
    return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

TRegistroComando::TRegistroComando(TComando comando)
{
    registro().append(std::move(comando));
}

const QList<TComando> &Comandos()
{
    return registro();
}

int main(int argc, char *argv[])
{
    // Offscreen: some commands paint (glyph sheets) but none opens a window.
    qInstallMessageHandler(descartarAvisosDoQt);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The program's name, so that both find the same per-user font file.
    QCoreApplication::setApplicationName(QStringLiteral("dorvik"));
    QTextStream saida(stdout);
    QTextStream erro(stderr);

    QStringList argumentos = app.arguments().mid(1);
    if (argumentos.isEmpty()) {
        imprimirAjuda(erro);
        return 2;
    }
    const QString nome = argumentos.takeFirst();
    if (nome == u"--help" || nome == u"-h") {
        imprimirAjuda(saida);
        return 0;
    }
    if (nome == u"--version") {
        saida << "dorvik-cli " << VersaoDoPrograma() << "\n";
        return 0;
    }
    for (const TComando &c : Comandos()) {
        if (c.Nome != nome)
            continue;
        try {
            return c.Executar(argumentos);
        } catch (const TErroDeUso &e) {
            erro << QString::fromUtf8(e.what()) << "\nUsage: dorvik-cli " << c.Uso << "\n";
            return 2;
        } catch (const TErro &e) {
            erro << ParaTerminal(e.Mensagem) << "\n";
            return 1;
        } catch (const std::exception &e) {
            erro << QString::fromUtf8(e.what()) << "\n";
            return 1;
        }
    }
    erro << "Unknown command: " << nome << "\n";
    imprimirAjuda(erro);
    return 2;
}
