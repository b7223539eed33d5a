#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "panel/UPainelLed.h"

// Writing and applying the content text of a 13 x 128 panel holding 100
// characters, glyph lookups included (the font file is cached).

namespace {

void preparar(TPainelLed &p)
{
    p.DefinirNroLinhas(13);
    p.DefinirNroColunas(128);
    const QByteArray letras = "Terminal Centro 0123456789 Rodoviaria";
    for (int i = 0; i < 100; ++i) {
        const auto ch = static_cast<unsigned char>(letras.at(i % letras.size()));
        const int linha = 1 + (i / 25) * 3;
        const int coluna = 1 + (i % 25) * 5;
        QByteArray glifo;
        TFontesLed::LerGlifo(TTipoFonte::tfVeltronix5x5, ch, glifo);
        for (int k = 0; k < glifo.size(); ++k)
            p.Led(linha + k % 5, coluna + k / 5, true)->DefinirAcesa(glifo.at(k) == '1');
        p.RegistrarCaractere(linha, coluna, int(glifo.size() / 5), 5, TTipoFonte::tfVeltronix5x5, ch, false);
    }
}

void BM_GerarConteudo(benchmark::State &estado)
{
    TPainelLed p;
    preparar(p);
    qint64 bytes = 0;
    for (auto _ : estado) {
        const QByteArray texto = p.GerarConteudo(13, 128);
        bytes += texto.size();
        benchmark::DoNotOptimize(texto.data());
    }
    estado.SetBytesProcessed(bytes);
}
BENCHMARK(BM_GerarConteudo);

void BM_CarregarConteudo(benchmark::State &estado)
{
    TPainelLed origem;
    preparar(origem);
    const QByteArray texto = origem.GerarConteudo(13, 128);
    for (auto _ : estado) {
        estado.PauseTiming();
        auto p = std::make_unique<TPainelLed>();
        p->DefinirNroLinhas(13);
        p->DefinirNroColunas(128);
        p->Limpar();
        estado.ResumeTiming();
        p->CarregarConteudo(texto);
        benchmark::DoNotOptimize(p.get());
        estado.PauseTiming();
        p.reset();
        estado.ResumeTiming();
    }
    estado.SetBytesProcessed(qint64(estado.iterations()) * texto.size());
}
BENCHMARK(BM_CarregarConteudo);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporaria;
    TFontesLed::DefinirArquivoDeFontes(temporaria.filePath(QStringLiteral("FONTES12.INI")));
    TFontesLed::CriarFontesPadrao();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
