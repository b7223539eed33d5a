#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

// Sub-commands of dorvik-cli. Each command file registers itself with a
// static TRegistroComando; main() dispatches on the first argument.
//
// Exit codes: 0 done, 1 error (the message on stderr), 2 wrong usage.
struct TComando {
    QString Nome;
    QString Uso;        // "export-art PROJECT.ar1 OUT.art [--force]"
    QString Descricao;  // one line for --help
    std::function<int(const QStringList &argumentos)> Executar;
};

// Thrown by a command whose arguments are wrong; main() prints the usage and exits with 2.
class TErroDeUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TRegistroComando {
    explicit TRegistroComando(TComando comando);
};

const QList<TComando> &Comandos();

// The program's messages break lines with "\r\n" or "\r"; a terminal wants "\n".
QString ParaTerminal(QString texto);
