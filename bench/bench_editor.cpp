#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

#include "editor/UEditorPaineis.h"
#include "editor/URotativos.h"
#include "panel/UPainelLed.h"

// The simulator's scroll step and a rotating-slot switch over the four signs
// of a bus (13 x 128, 8 x 80, 13 x 32, 8 x 80), each full of text, at the
// editor's LED size of 7 pixels. For the scroll step every sign scrolls, and
// the step includes repainting every panel whose first shown column changed,
// as the screen does.

namespace {
struct TOnibus {
    TRotativos rotativos;
    TEditorPaineis editor{rotativos};
    std::array<std::unique_ptr<TPainelLed>, 4> paineis;
    std::array<QImage, 4> telas;

    TOnibus()
    {
        const int tamanhos[4][3] = {{13, 128, 10}, {8, 80, 7}, {13, 32, 10}, {8, 80, 7}};
        for (int i = 0; i < 4; ++i) {
            auto p = std::make_unique<TPainelLed>();
            p->Tag = i + 1;
            p->DefinirTamanhoLed(7);
            p->DefinirNroLinhas(tamanhos[i][0]);
            p->DefinirNroColunas(tamanhos[i][1]);
            p->DefinirFonteUtilizada(static_cast<TTipoFonte>(tamanhos[i][2]));
            p->PosicionarCursor(1, 1);
            // Full: text up to the last column, then a scrolling panel would go on.
            while (p->ColunaCursor() + 8 < p->NroColunas())
                p->DigitarTexto(QStringLiteral("TERMINAL CENTRO "));
            editor.DefinirPainel(i + 1, p.get());
            telas[size_t(i)] = QImage(p->Largura() + 8, p->Altura() + 8, QImage::Format_RGB32);
            paineis[size_t(i)] = std::move(p);
        }
        editor.LigarRotativos();
        rotativos.ReiniciarRotativos();
        rotativos.GravarAoTrocar = true;
    }
};

void BM_PassoDeRolagem(benchmark::State &estado)
{
    TOnibus onibus;
    for (const auto &painel : onibus.paineis)
        painel->DefinirRolagem(TRolagem::tsEsquerda);
    for (auto _ : estado) {
        std::array<int, 4> antes{};
        for (size_t i = 0; i < 4; ++i)
            antes[i] = onibus.paineis[i]->PrimeiraColuna();
        onibus.editor.PassoDeRolagem();
        for (size_t i = 0; i < 4; ++i)
            if (onibus.paineis[i]->PrimeiraColuna() != antes[i]) {
                QPainter pintor(&onibus.telas[i]);
                onibus.paineis[i]->Desenhar(pintor);
            }
    }
}
BENCHMARK(BM_PassoDeRolagem)->Unit(benchmark::kMicrosecond);

// Store the four panels into slot 1, then load them from it (as a switch to another slot and back does per step).
void BM_TrocaDeRotativo(benchmark::State &estado)
{
    TOnibus onibus;
    for (auto _ : estado) {
        onibus.editor.GravarRotativoAtual();
        onibus.editor.CarregarRotativoAtual();
    }
}
BENCHMARK(BM_TrocaDeRotativo)->Unit(benchmark::kMicrosecond);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
