#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "projeto_bancada.h"

using namespace Qt::StringLiterals;

// Opening and saving the project file of ProjetoBancada, and rebuilding the
// labels after the kind shown changes. N is the number of destinations.
namespace {

using namespace ProjetoBancada;

struct TBancada {
    QTemporaryDir pasta;
    QString arquivo = pasta.filePath(u"projeto.ar1"_s);
    TDtm_Destino d;
};

void BM_Salvar(benchmark::State &estado)
{
    TBancada b;
    Montar(b.d, int(estado.range(0)));
    for (auto _ : estado)
        benchmark::DoNotOptimize(b.d.SalvarArquivo(b.arquivo));
    estado.counters["KiB"] = double(QFileInfo(b.arquivo).size()) / 1024;
}
BENCHMARK(BM_Salvar)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_Abrir(benchmark::State &estado)
{
    TBancada b;
    Montar(b.d, int(estado.range(0)));
    b.d.SalvarArquivo(b.arquivo);
    for (auto _ : estado) {
        b.d.FecharTabelas();
        benchmark::DoNotOptimize(b.d.AbrirTabelas(b.arquivo));
    }
}
BENCHMARK(BM_Abrir)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Switching to the destinations and rebuilding their labels (the list's MostrarDestinos).
void BM_MostrarDestinos(benchmark::State &estado)
{
    TBancada b;
    Montar(b.d, int(estado.range(0)));
    for (auto _ : estado) {
        estado.PauseTiming();
        b.d.DefinirFiltroExtra(true);
        estado.ResumeTiming();
        b.d.DefinirFiltroExtra(false);
        b.d.ReconstruirRotulos(true);
    }
}
BENCHMARK(BM_MostrarDestinos)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
