#include <benchmark/benchmark.h>

#include "panel/UConteudoPainel.h"

// The content text of the largest panel in use, 13 x 128, with 100 characters:
// written, converted to bits, loaded and cropped.
namespace {

constexpr int linhas = 13;
constexpr int colunas = 128;
constexpr int caracteres = 100;

QByteArray escreverPainel()
{
    QByteArray texto;
    texto.reserve(linhas * colunas * 8 + caracteres * 12);
    for (int c = 1; c <= colunas; ++c)
        for (int r = 1; r <= linhas; ++r)
            TConteudoPainel::EscreverEntradaLed(texto, r, c, (r * 7 + c * 3) % 5 < 2);
    for (int i = 0; i < caracteres; ++i)
        TConteudoPainel::EscreverEntradaCaractere(texto, i == 0, 1 + (i / 25) * 3, 1 + (i % 25) * 5,
                                                  static_cast<unsigned char>('A' + i % 26),
                                                  TTipoFonte::tfVeltronix5x5, i % 10 == 0);
    TConteudoPainel::FecharCaracteres(texto);
    return texto;
}

const QByteArray &painel()
{
    static const QByteArray texto = escreverPainel();
    return texto;
}

void BM_Escrever(benchmark::State &estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(escreverPainel());
    estado.SetBytesProcessed(estado.iterations() * painel().size());
}
BENCHMARK(BM_Escrever);

void BM_ConteudoParaBits(benchmark::State &estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(TConteudoPainel::ConteudoParaBits(painel()));
    estado.SetBytesProcessed(estado.iterations() * painel().size());
}
BENCHMARK(BM_ConteudoParaBits);

void BM_AnalisarConteudo(benchmark::State &estado)
{
    int acesas = 0;
    int letras = 0;
    for (auto _ : estado) {
        TConteudoPainel::AnalisarConteudo(
            painel(), [&](const TEntradaLed &e) { acesas += e.Acesa; },
            [&](const TEntradaCaractere &) { ++letras; });
        benchmark::DoNotOptimize(acesas);
    }
    estado.SetBytesProcessed(estado.iterations() * painel().size());
}
BENCHMARK(BM_AnalisarConteudo);

void BM_RecortarConteudo(benchmark::State &estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(TConteudoPainel::RecortarConteudo(linhas, 64, painel()));
    estado.SetBytesProcessed(estado.iterations() * painel().size());
}
BENCHMARK(BM_RecortarConteudo);

}

BENCHMARK_MAIN();
