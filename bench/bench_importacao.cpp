#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/UImportacaoLista.h"
#include "data/UDtmDestino.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// Importing a list of 500 destinations for four signs (13 x 128, 8 x 80,
// 13 x 32, 8 x 80): reading, typing every text, and storing the rows.
namespace {
QByteArray lista(int destinos)
{
    QByteArray texto = "numero;frontal;lateral;traseiro;auxiliar\n";
    for (int n = 1; n <= destinos; ++n)
        texto += QByteArray::number(n) + ";LINHA " + QByteArray::number(n) + " CENTRO;Terminal Centro " +
                 QByteArray::number(n) + ";" + QByteArray::number(n) + ";Via Norte\n";
    return texto;
}

void BM_ImportarLista(benchmark::State &estado)
{
    QTemporaryDir pasta;
    TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
    TFontesLed::CriarFontesPadrao();
    const QByteArray bytes = lista(int(estado.range(0)));
    for (auto _ : estado) {
        TDtm_Destino dados;
        dados.AbrirTabelas({});
        TImportacaoLista importacao(dados, {{1, 13, 128}, {2, 8, 80}, {3, 13, 32}, {4, 8, 80}});
        if (!importacao.Preparar(LerLista(bytes), false))
            estado.SkipWithError("rows refused");
        importacao.Importar();
        benchmark::DoNotOptimize(dados.Cds_DestinosExtras.QuantidadeDeLinhas());
    }
    TFontesLed::DefinirArquivoDeFontes({});
}
BENCHMARK(BM_ImportarLista)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(2);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
