#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "corpus.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho);

// Runs a fuzz target without libFuzzer.
//   (no arguments)   the generated corpus, then every input kept in
//                    fuzz/achados/<target>/ (the findings fixed so far)
//   --gravar DIR     writes the generated corpus into DIR, one file per input
//   FILE...          replays those inputs (a crash file left by scripts/fuzz)
namespace {

void executar(const QByteArray &entrada)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(entrada.constData()), size_t(entrada.size()));
}

bool ler(const QString &arquivo, QByteArray &bytes)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arquivo));
        return false;
    }
    bytes = f.readAll();
    return true;
}

int gravar(const QString &pasta)
{
    int n = 0;
    bool ok = QDir().mkpath(pasta);
    GerarCorpus([&](const QByteArray &entrada) {
        QFile f(QDir(pasta).filePath(QStringLiteral("gerado-%1").arg(n++, 6, 10, QLatin1Char('0'))));
        ok = ok && f.open(QIODevice::WriteOnly) && f.write(entrada) == entrada.size();
    });
    std::printf("%d inputs written to %s\n", n, qPrintable(pasta));
    return ok ? 0 : 1;
}

}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--gravar") == 0)
        return gravar(QString::fromLocal8Bit(argv[2]));
    QByteArray bytes;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            if (!ler(QString::fromLocal8Bit(argv[i]), bytes))
                return 1;
            executar(bytes);
        }
        return 0;
    }

    int entradas = 0;
    GerarCorpus([&](const QByteArray &entrada) {
        executar(entrada);
        ++entradas;
    });
    int achados = 0;
    const QDir pasta(QStringLiteral(DORVIK_ACHADOS));
    for (const QString &nome : pasta.entryList(QDir::Files, QDir::Name)) {
        if (!ler(pasta.filePath(nome), bytes))
            return 1;
        executar(bytes);
        ++achados;
    }
    std::printf("%d inputs replayed, %d of them kept findings\n", entradas + achados, achados);
    return 0;
}
