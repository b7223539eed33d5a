#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "panel/UArquivoIni.h"
#include "panel/UPainelLed.h"

// One keystroke on a 150-character scrolling line (8 x 80, font 5x5): typed
// at the end, and inserted at the start (which lays every glyph of the line
// again). The font lookups go through LerGlifo's cache; the "ArquivoPorGlifo"
// variants add, for every glyph the keystroke lays, the parse of the font
// file that a lookup without the cache costs.
namespace {
constexpr int caracteres = 150;
constexpr TTipoFonte fonte = TTipoFonte::tfVeltronix5x5;

struct TArquivo {
    QTemporaryDir Pasta;
    QString Caminho = Pasta.filePath(QStringLiteral("FONTES12.INI"));
    TArquivo()
    {
        TFontesLed::DefinirArquivoDeFontes(Caminho);
        TFontesLed::CriarFontesPadrao();
    }
};

TArquivo &arquivo()
{
    static TArquivo a;
    return a;
}

void lerArquivoPorGlifo(int glifos)
{
    const QString secao = TFontesLed::SecaoDaFonte(fonte);
    for (int i = 0; i < glifos; ++i) {
        TArquivoIni ini;
        ini.Ler(arquivo().Caminho);
        const QByteArray glifo = ini.Valor(secao, QStringLiteral("65")).value_or(QByteArray());
        benchmark::DoNotOptimize(glifo.data());
    }
}

void preparar(TPainelLed &p)
{
    arquivo();
    p.DefinirNroLinhas(8);
    p.DefinirNroColunas(80);
    p.DefinirFonteUtilizada(fonte);
    p.DefinirRolagem(TRolagem::tsEsquerda);
    p.PosicionarCursor(1, 1);
    for (int i = 0; i < caracteres; ++i)
        p.DigitarCaractere('A' + i % 26, false);
}

// Types at the end; the added character is taken out again untimed.
void digitarNoFim(benchmark::State &estado, bool arquivoPorGlifo)
{
    TPainelLed p;
    preparar(p);
    const int coluna = p.ColunaCursor();
    const int primeira = p.PrimeiraColuna();
    for (auto _ : estado) {
        p.DigitarCaractere('Z', false);
        if (arquivoPorGlifo)
            lerArquivoPorGlifo(1);
        estado.PauseTiming();
        p.RemoverCaractere(p.TextoDigitado().back().get());
        p.DefinirColunaCursor(coluna);
        p.DefinirPrimeiraColuna(primeira); // each keystroke at the end moves the view
        estado.ResumeTiming();
    }
}

// Inserts at the start; the line is restored untimed.
void inserirNoInicio(benchmark::State &estado, bool arquivoPorGlifo)
{
    TPainelLed p;
    preparar(p);
    for (auto _ : estado) {
        p.PosicionarCursor(1, 1);
        p.DigitarCaractere('Z', false);
        if (arquivoPorGlifo)
            lerArquivoPorGlifo(1 + caracteres); // the typed glyph and every glyph laid again, uncached
        estado.PauseTiming();
        p.PosicionarCursor(1, 1);
        p.PressionarTecla(TeclasPainel::Apagar, false);
        estado.ResumeTiming();
    }
}

void BM_DigitarNoFim(benchmark::State &s) { digitarNoFim(s, false); }
void BM_DigitarNoFim_ArquivoPorGlifo(benchmark::State &s) { digitarNoFim(s, true); }
void BM_InserirNoInicio(benchmark::State &s) { inserirNoInicio(s, false); }
void BM_InserirNoInicio_ArquivoPorGlifo(benchmark::State &s) { inserirNoInicio(s, true); }
}

BENCHMARK(BM_DigitarNoFim)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DigitarNoFim_ArquivoPorGlifo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InserirNoInicio)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InserirNoInicio_ArquivoPorGlifo)->Unit(benchmark::kMicrosecond)->Iterations(20);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the key dispatch may reach the clipboard
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
