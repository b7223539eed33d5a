#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/UImportacaoArt.h"
#include "app/UTransferencia.h"
#include "data/UDtmDestino.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UFontes.h"
#include "projeto_bancada.h"

using namespace Qt::StringLiterals;

// Rebuilding a project from the pen drive file of a bus with four signs
// (13 x 128, 8 x 80, 13 x 32, 8 x 80), N destinations and 20 extras with two
// rotating messages on every sign: reading the file, making the rows and
// checking them by writing the file again. Beside it, writing that file from
// the project, as the transfer does, for a ratio in one run.
namespace {
const QList<TSinalEquipado> sinais{{1, 13, 128}, {2, 8, 80}, {3, 13, 32}, {4, 8, 80}};

QByteArray arquivo(TDtm_Destino &dados)
{
    TGeracaoArquivo g;
    TTransferencia(dados, sinais).Preencher(g);
    return g.GerarBytes();
}

QTemporaryDir &pasta()
{
    static QTemporaryDir p;
    return p;
}

// The file of the benchmark project once it has been through the program: the
// rows the rebuild makes are the ones it writes, so the check finds no difference.
QByteArray arquivoDoProjeto(int destinos)
{
    TFontesLed::DefinirArquivoDeFontes(pasta().filePath(u"FONTES12.INI"_s));
    TFontesLed::CriarFontesPadrao();
    TDtm_Destino projeto;
    ProjetoBancada::Montar(projeto, destinos);
    TDtm_Destino reconstruido;
    reconstruido.AbrirTabelas({});
    TImportacaoArt(arquivo(projeto)).Reconstruir(reconstruido);
    return arquivo(reconstruido);
}

void BM_ReconstruirDoArt(benchmark::State &estado)
{
    const QByteArray bytes = arquivoDoProjeto(int(estado.range(0)));
    bool difere = false;
    for (auto _ : estado) {
        TDtm_Destino dados;
        dados.AbrirTabelas({});
        TImportacaoArt importacao(bytes);
        importacao.Reconstruir(dados);
        difere = importacao.Difere();
        benchmark::DoNotOptimize(dados.Cds_DestinosExtras.QuantidadeDeLinhas());
    }
    if (difere)
        estado.SkipWithError("the rebuilt project writes another file");
    estado.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_ReconstruirDoArt)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_GravarArt(benchmark::State &estado)
{
    TFontesLed::DefinirArquivoDeFontes(pasta().filePath(u"FONTES12.INI"_s));
    TFontesLed::CriarFontesPadrao();
    TDtm_Destino dados;
    ProjetoBancada::Montar(dados, int(estado.range(0)));
    for (auto _ : estado)
        benchmark::DoNotOptimize(arquivo(dados).size());
}
BENCHMARK(BM_GravarArt)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(5);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    TFontesLed::DefinirArquivoDeFontes({});
    return 0;
}
