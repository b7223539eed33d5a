#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "panel/UPainelLed.h"

// A full paint pass of a 13 x 128 panel looks up (128 + 1) x (13 + 1) cells.
// Indexed lookup against the scan of the creation-ordered list it replaces.

namespace {
void preparar(TPainelLed &p)
{
    p.DefinirNroLinhas(13);
    p.DefinirNroColunas(128);
    for (int c = 1; c <= 128; c += 3)
        p.Led(1 + c % 13, c, true)->DefinirAcesa(true);
}

TLed *ledPorVarredura(const TPainelLed &p, int linha, int coluna)
{
    for (const auto &led : p.Leds())
        if (led->Linha == linha && led->Coluna == coluna)
            return led.get();
    return nullptr;
}

void BM_PassoDePintura_Indice(benchmark::State &estado)
{
    TPainelLed p;
    preparar(p);
    for (auto _ : estado) {
        int acesas = 0;
        for (int c = 1; c <= 129; ++c)
            for (int l = 1; l <= 14; ++l)
                acesas += p.Led(l, c, true)->Acesa;
        benchmark::DoNotOptimize(acesas);
    }
}
BENCHMARK(BM_PassoDePintura_Indice);

void BM_PassoDePintura_Varredura(benchmark::State &estado)
{
    TPainelLed p;
    preparar(p);
    for (auto _ : estado) {
        int acesas = 0;
        for (int c = 1; c <= 129; ++c)
            for (int l = 1; l <= 14; ++l)
                acesas += ledPorVarredura(p, l, c)->Acesa;
        benchmark::DoNotOptimize(acesas);
    }
}
BENCHMARK(BM_PassoDePintura_Varredura);

void BM_DesenhoCompleto(benchmark::State &estado)
{
    TPainelLed p;
    preparar(p);
    QImage imagem(p.Largura() + 8, p.Altura() + 8, QImage::Format_RGB32);
    for (auto _ : estado) {
        QPainter pintor(&imagem);
        p.Desenhar(pintor);
    }
}
BENCHMARK(BM_DesenhoCompleto);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
