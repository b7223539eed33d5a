#include <benchmark/benchmark.h>

#include <QSaveFile>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "output/UGeracaoArquivo.h"
#include "panel/UConteudoPainel.h"
#include "panel/UFontes.h"

// The sign controller file of a bus with four signs (13 x 128, 8 x 80, 13 x 32,
// 8 x 80), N destinations with two rotating messages on every sign and 20
// extra messages (two of them with a clock), built in memory; beside it, the
// time to write a file of the same size, so that the two can be compared in
// one run. Two sizes show how the build grows with N.
namespace {

struct TSinal {
    int Linhas;
    int Colunas;
};
constexpr TSinal sinais[] = {{13, 128}, {8, 80}, {13, 32}, {8, 80}};
constexpr int qtdExtras = 20;

QByteArray conteudo(const TSinal &s, int semente)
{
    QByteArray texto;
    texto.reserve(s.Linhas * s.Colunas * 8);
    for (int c = 1; c <= s.Colunas; ++c)
        for (int r = 1; r <= s.Linhas; ++r)
            TConteudoPainel::EscreverEntradaLed(texto, r, c, (r * 7 + c * 3 + semente) % 5 < 2);
    return texto;
}

QTemporaryDir &pasta()
{
    static QTemporaryDir p;
    return p;
}

void prepararFontes()
{
    static const bool pronto = [] {
        TFontesLed::DefinirArquivoDeFontes(pasta().filePath(QStringLiteral("FONTES12.INI")));
        TFontesLed::CriarFontesPadrao();
        return true;
    }();
    (void)pronto;
}

// Filled as the pen-drive transfer fills it.
std::unique_ptr<TGeracaoArquivo> construtor(int destinos)
{
    prepararFontes();
    auto g = std::make_unique<TGeracaoArquivo>();
    g->DefinirTipoArquivo(2);
    for (int p = 1; p <= 4; ++p) {
        const TSinal &s = sinais[p - 1];
        TPainel &painel = g->ObterPainel(p);
        painel.DefinirLinhas(s.Linhas);
        painel.DefinirColunas(s.Colunas);
        const QList<QByteArray> mensagens = {conteudo(s, p), conteudo(s, p + 1)};
        for (int n = 1; n <= destinos; ++n) {
            TDestinos &d = painel.ObterDestino(n);
            d.Conteudo = mensagens;
            d.QtdMensagens = 2;
            d.TempoExposicao = 3;
            d.Rotulo = QStringLiteral("DESTINO %1").arg(n);
        }
    }
    TPainel &frente = g->ObterPainel(1);
    for (int n = 1; n <= qtdExtras; ++n) {
        TExtras &e = g->ObterPainel(1 + (n - 1) % 4).ObterExtra((n - 1) / 4 + 1);
        e.QtdMensagens = 1;
        e.Conteudo = {conteudo(sinais[(n - 1) % 4], n)};
    }
    for (int n = 1; n <= 2; ++n) {
        TExtras &e = frente.ObterExtra(n);
        e.FonteRelogio = n == 1 ? TTipoFonte::tfVeltronix13x9 : TTipoFonte::tfVeltronix8x7;
        e.Sentido = TRolagem::tsHorario;
        e.PosXInicial = 90;
        e.PosXFinal = 128;
        e.PosYInicial = 1;
    }
    return g;
}

std::map<int, qsizetype> &tamanhos()
{
    static std::map<int, qsizetype> t;
    return t;
}

qsizetype tamanhoDoArquivo(int destinos)
{
    auto &t = tamanhos();
    if (!t.count(destinos))
        t[destinos] = construtor(destinos)->GerarBytes().size();
    return t[destinos];
}

void BM_GerarBytes(benchmark::State &estado)
{
    const int destinos = int(estado.range(0));
    auto g = construtor(destinos);
    qsizetype tamanho = 0;
    for (auto _ : estado) {
        const QByteArray bytes = g->GerarBytes();
        tamanho = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    estado.SetBytesProcessed(estado.iterations() * tamanho);
    estado.counters["bytes"] = double(tamanho);
}
BENCHMARK(BM_GerarBytes)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Only the write: the same number of bytes through a temporary file renamed over the target.
void BM_GravarMesmoTamanho(benchmark::State &estado)
{
    const QByteArray bytes(tamanhoDoArquivo(int(estado.range(0))), '\x5A');
    const QString arquivo = pasta().filePath(QStringLiteral("bench.art"));
    for (auto _ : estado) {
        QSaveFile f(arquivo);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
            estado.SkipWithError("write failed");
    }
    estado.SetBytesProcessed(estado.iterations() * bytes.size());
    estado.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_GravarMesmoTamanho)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The whole command: build and write the file, answering Yes to the overwrite question.
void BM_GerarArquivo(benchmark::State &estado)
{
    auto g = construtor(int(estado.range(0)));
    g->DefinirNomeArquivo(pasta().filePath(QStringLiteral("completo.art")));
    g->ConfirmarSobrescrita = [](const QString &) { return true; };
    for (auto _ : estado)
        benchmark::DoNotOptimize(g->GerarArquivo());
}
BENCHMARK(BM_GerarArquivo)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
}

BENCHMARK_MAIN();
