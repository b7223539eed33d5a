#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "panel/UArquivoIni.h"
#include "panel/UFontes.h"
#include "panel/UGlifosPadrao.h"

// The glyph lookups of a 100-character redraw over a full font file: through
// LerGlifo, which keeps the parsed file while it is unchanged on disk, against
// opening and parsing the file for every glyph.
namespace {
constexpr int caracteresPorRedesenho = 100;

struct TCenario {
    QTemporaryDir Pasta;
    QString Arquivo = Pasta.filePath(QStringLiteral("FONTES12.INI"));
    std::vector<QString> Codigos; // the text of the redraw, as decimal codes
    TTipoFonte Fonte = TTipoFonte::tfVeltronix8x7;

    TCenario()
    {
        TFontesLed::DefinirArquivoDeFontes(Arquivo);
        TFontesLed::CriarFontesPadrao();
        const auto &glifos = GlifosPadrao(Fonte);
        for (int i = 0; i < caracteresPorRedesenho && !glifos.empty(); ++i)
            Codigos.push_back(QString::number(glifos.at(size_t(i * 7) % glifos.size()).Codigo));
    }
};

TCenario &cenario()
{
    static TCenario c;
    return c;
}

void contarGlifos(benchmark::State &state)
{
    qint64 total = 0;
    for (int f = 1; f <= 12; ++f)
        total += qint64(GlifosPadrao(TTipoFonte(f)).size());
    state.counters["glyphs_in_file"] = double(total);
}

void BM_RedesenhoComCache(benchmark::State &state)
{
    TCenario &c = cenario();
    QByteArray glifo;
    for (auto _ : state)
        for (const QString &codigo : c.Codigos) {
            TFontesLed::LerGlifo(c.Fonte, codigo, glifo);
            benchmark::DoNotOptimize(glifo.data());
        }
    contarGlifos(state);
}

void BM_RedesenhoLendoArquivoPorGlifo(benchmark::State &state)
{
    TCenario &c = cenario();
    const QString secao = TFontesLed::SecaoDaFonte(c.Fonte);
    for (auto _ : state)
        for (const QString &codigo : c.Codigos) {
            TArquivoIni ini;
            ini.Ler(c.Arquivo);
            const QByteArray glifo = ini.Valor(secao, codigo).value_or(QByteArray());
            benchmark::DoNotOptimize(glifo.data());
        }
    contarGlifos(state);
}
}

BENCHMARK(BM_RedesenhoComCache)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedesenhoLendoArquivoPorGlifo)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
