#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/UTransferencia.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UFontes.h"
#include "projeto_bancada.h"

using namespace Qt::StringLiterals;

// The pen drive transfer of the ProjetoBancada project: walking the tables and
// building the file's bytes, against writing as many bytes to a file. N is the
// number of destinations.
namespace {

using namespace ProjetoBancada;

QList<TSinalEquipado> Equipados()
{
    QList<TSinalEquipado> equipados;
    for (int p = 1; p <= 4; ++p)
        equipados.append({p, sinais[p - 1].Linhas, sinais[p - 1].Colunas});
    return equipados;
}

struct TBancada {
    QTemporaryDir pasta;
    TDtm_Destino d;
    explicit TBancada(int destinos)
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        Montar(d, destinos);
    }
    ~TBancada() { TFontesLed::DefinirArquivoDeFontes({}); }
    QByteArray Transferir()
    {
        TGeracaoArquivo g;
        TTransferencia(d, Equipados()).Preencher(g);
        return g.GerarBytes();
    }
};

// The walk over both kinds of every position, then the file's bytes.
void BM_Transferencia(benchmark::State &estado)
{
    TBancada b(int(estado.range(0)));
    qint64 tamanho = 0;
    for (auto _ : estado)
        tamanho = b.Transferir().size();
    estado.counters["KiB"] = double(tamanho) / 1024;
}
BENCHMARK(BM_Transferencia)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The walk alone: the builder filled, no bytes built.
void BM_Percurso(benchmark::State &estado)
{
    TBancada b(int(estado.range(0)));
    for (auto _ : estado) {
        TGeracaoArquivo g;
        TTransferencia(b.d, Equipados()).Preencher(g);
        benchmark::DoNotOptimize(g.Paineis().size());
    }
}
BENCHMARK(BM_Percurso)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The bytes alone, from a builder the walk filled once: what the whole transfer is compared with.
void BM_SoBytes(benchmark::State &estado)
{
    TBancada b(int(estado.range(0)));
    TGeracaoArquivo g;
    TTransferencia(b.d, Equipados()).Preencher(g);
    for (auto _ : estado)
        benchmark::DoNotOptimize(g.GerarBytes().size());
}
BENCHMARK(BM_SoBytes)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Writing the same bytes to a file, the part the walk adds to.
void BM_GravarBytes(benchmark::State &estado)
{
    TBancada b(int(estado.range(0)));
    const QByteArray bytes = b.Transferir();
    const QString arquivo = b.pasta.filePath(u"saida.art"_s);
    for (auto _ : estado) {
        QFile f(arquivo);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            estado.SkipWithError("write failed");
    }
    estado.counters["KiB"] = double(bytes.size()) / 1024;
}
BENCHMARK(BM_GravarBytes)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
