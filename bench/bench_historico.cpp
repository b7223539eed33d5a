#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "panel/UFontes.h"
#include "trabalho_bancada.h"

// What the undo history adds to the operator's keys, on the benchmarks'
// four-sign project with 200 destinations, the front sign a full 13 x 128
// scrolling panel (160 characters, 5x5 font): a key typed inside a run (the
// history only notes it), the key that opens a run (everything captured), a
// cursor key that closes a run (the step stored), a Backspace (a step of its
// own), each beside the same key with no history; and undoing a destination's
// removal.
namespace {

constexpr int destinos = 200;
constexpr int caracteres = 160;

struct TBancada {
    QTemporaryDir pasta;
    TTrabalho trabalho;
    THistorico historico{trabalho};

    explicit TBancada(bool comHistorico)
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(QStringLiteral("FONTES12.INI")));
        TFontesLed::CriarFontesPadrao();
        trabalho.Destinos(destinos);
        TPainelLed &frente = trabalho.Painel(1);
        frente.DefinirRolagem(TRolagem::tsEsquerda);
        frente.DefinirFonteUtilizada(TTipoFonte::tfVeltronix5x5);
        for (int linha : {1, 7}) {
            frente.PosicionarCursor(1, linha);
            for (int i = 0; i < caracteres / 2; ++i)
                frente.DigitarCaractere('A' + i % 26, false);
        }
        if (comHistorico) {
            trabalho.editor.AoComecarPasso = [this](TTipoPasso tipo) { historico.Comecar(tipo); };
            trabalho.editor.AoConcluirPasso = [this] { historico.Concluir(); };
        }
        historico.Reiniciar(false);
    }
    TPainelLed &Frente() { return trabalho.Painel(1); }
    // A character typed at the end of the line, as the key catcher hands it over.
    void Digitar()
    {
        trabalho.editor.EdicaoNoPainel(TEdicao::Digitacao);
        Frente().DigitarCaractere('Z', false);
    }
    // Takes the typed character out again, untimed, with the view where it was.
    void Desfazer(int coluna, int primeira)
    {
        Frente().RemoverCaractere(Frente().TextoDigitado().back().get());
        Frente().DefinirColunaCursor(coluna);
        Frente().DefinirPrimeiraColuna(primeira);
    }
};

void digitarNaCorrida(benchmark::State &estado, bool comHistorico)
{
    TBancada b(comHistorico);
    b.Digitar(); // the run is open from here on
    const int coluna = b.Frente().ColunaCursor();
    const int primeira = b.Frente().PrimeiraColuna();
    for (auto _ : estado) {
        b.Digitar();
        estado.PauseTiming();
        b.Desfazer(coluna, primeira);
        estado.ResumeTiming();
    }
}

// A cursor key ends the run the previous key left open; the next key opens one.
void abrirEFecharCorrida(benchmark::State &estado, bool abrir)
{
    TBancada b(true);
    const int coluna = b.Frente().ColunaCursor();
    const int primeira = b.Frente().PrimeiraColuna();
    for (auto _ : estado) {
        if (abrir) {
            b.Digitar();
            estado.PauseTiming();
            b.trabalho.editor.EdicaoNoPainel(TEdicao::Movimento);
        } else {
            estado.PauseTiming();
            b.Digitar();
            estado.ResumeTiming();
            b.trabalho.editor.EdicaoNoPainel(TEdicao::Movimento);
            b.Frente().PressionarTecla(TeclasPainel::Esquerda, false);
            estado.PauseTiming();
        }
        b.Desfazer(coluna, primeira);
        estado.ResumeTiming();
    }
}

void apagar(benchmark::State &estado, bool comHistorico)
{
    TBancada b(comHistorico);
    const int coluna = b.Frente().ColunaCursor();
    const int primeira = b.Frente().PrimeiraColuna();
    for (auto _ : estado) {
        estado.PauseTiming();
        b.Frente().DigitarCaractere('Z', false);
        estado.ResumeTiming();
        b.trabalho.editor.EdicaoNoPainel(TEdicao::Exclusao);
        b.Frente().PressionarTecla(TeclasPainel::Retrocesso, false);
        estado.PauseTiming();
        b.Frente().DefinirColunaCursor(coluna);
        b.Frente().DefinirPrimeiraColuna(primeira);
        estado.ResumeTiming();
    }
}

void BM_DesfazerRemocao(benchmark::State &estado)
{
    TBancada b(true);
    for (auto _ : estado) {
        estado.PauseTiming();
        b.trabalho.Selecionar(destinos / 2);
        b.historico.Comecar(TTipoPasso::ExcluirDestino);
        b.trabalho.dados.ExcluirRotuloAtual();
        b.historico.Concluir();
        estado.ResumeTiming();
        b.historico.Desfazer();
    }
}

// Removing a destination from the middle as a step (the table's delta
// worked out, the deleted rows' contents compressed), beside the removal alone.
void excluirDestino(benchmark::State &estado, bool comHistorico)
{
    TBancada b(comHistorico);
    const auto inicial = b.trabalho.dados.Cds_DestinosExtras.TodasAsLinhas();
    for (auto _ : estado) {
        estado.PauseTiming();
        b.trabalho.Selecionar(destinos / 2);
        estado.ResumeTiming();
        b.trabalho.editor.Passo(TTipoPasso::ExcluirDestino, [&] { b.trabalho.dados.ExcluirRotuloAtual(); });
        estado.PauseTiming();
        b.trabalho.dados.RestaurarLinhas(inicial);
        b.historico.Reiniciar(false);
        estado.ResumeTiming();
    }
}

void BM_ExcluirDestino_SemHistorico(benchmark::State &s) { excluirDestino(s, false); }
void BM_ExcluirDestino_ComHistorico(benchmark::State &s) { excluirDestino(s, true); }
void BM_TeclaNaCorrida_SemHistorico(benchmark::State &s) { digitarNaCorrida(s, false); }
void BM_TeclaNaCorrida_ComHistorico(benchmark::State &s) { digitarNaCorrida(s, true); }
void BM_TeclaQueAbreCorrida(benchmark::State &s) { abrirEFecharCorrida(s, true); }
void BM_SetaQueFechaCorrida(benchmark::State &s) { abrirEFecharCorrida(s, false); }
void BM_Retrocesso_SemHistorico(benchmark::State &s) { apagar(s, false); }
void BM_Retrocesso_ComHistorico(benchmark::State &s) { apagar(s, true); }
}

BENCHMARK(BM_TeclaNaCorrida_SemHistorico)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TeclaNaCorrida_ComHistorico)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TeclaQueAbreCorrida)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetaQueFechaCorrida)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Retrocesso_SemHistorico)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Retrocesso_ComHistorico)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExcluirDestino_SemHistorico)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExcluirDestino_ComHistorico)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesfazerRemocao)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the history's pause timer
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
