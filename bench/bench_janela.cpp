#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTableView>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "app/URecuperacao.h"
#include "app/ui/UFrmPrincipalVeltronix.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "panel/UFontes.h"
#include "panel/ui/UMensagem.h"
#include "panel/ui/URespostasDialogos.h"
#include "projeto_bancada.h"

using namespace Qt::StringLiterals;

// The main window's commands on the benchmark project (four signs, 13 x 128,
// 8 x 80, 13 x 32, 8 x 80, two messages each, 200 destinations): opening a
// destination from the list, storing one (with its label upkeep), and opening
// the project through the command.
namespace {

struct TBancada {
    QTemporaryDir pasta;
    QString arquivo = pasta.filePath(u"bancada.ar1"_s);
    TFrm_PrincipalVeltronix janela;

    TBancada()
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        TDtm_Destino d;
        ProjetoBancada::Montar(d, 200);
        d.SalvarArquivo(arquivo);
        janela.Timer1->stop();
        janela.resize(1366, 740);
        janela.show();
        Abrir();
    }
    ~TBancada() { TFontesLed::DefinirArquivoDeFontes({}); }

    void Abrir()
    {
        TRespostasDialogos d;
        d.ResponderArquivo(arquivo);
        d.ResponderJanela([](QDialog &s) {
            static_cast<TFrm_TipoOnibusVeltronix &>(s).Btn_AbrirArquivoClick();
            return s.result();
        });
        janela.Timer1Timer();
    }
    void Selecionar(int linha)
    {
        QTableView *v = janela.Fme_Destinos->Dbg_DestinosExtras;
        v->setCurrentIndex(v->model()->index(linha, 0));
    }
};

void BM_CarregaDestino(benchmark::State &estado)
{
    TBancada b;
    int linha = 0;
    for (auto _ : estado) {
        b.Selecionar(linha);
        b.janela.Sincronizacao.CarregaDestino();
        linha = (linha + 37) % 200;
    }
}
BENCHMARK(BM_CarregaDestino)->Unit(benchmark::kMillisecond);

// "Salvar Destino" over a loaded destination: the rows of four signs written, the labels kept up, the panels cleared.
void BM_SalvaDestino(benchmark::State &estado)
{
    TBancada b;
    int linha = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        b.Selecionar(linha);
        b.janela.Sincronizacao.CarregaDestino();
        linha = (linha + 37) % 200;
        estado.ResumeTiming();
        b.janela.Fme_Destinos->Act_SalvarDestinoExecute();
    }
}
BENCHMARK(BM_SalvaDestino)->Unit(benchmark::kMillisecond);

// What the operator waits for when a recovery copy is due: the copy of the tables and panels
// handed to the writer thread (the disk write itself runs on that thread).
void BM_GuardarRecuperacao(benchmark::State &estado)
{
    TBancada b;
    TRecuperacao::DefinirPasta(b.pasta.filePath(u"recuperacao"_s));
    b.Selecionar(5);
    b.janela.Sincronizacao.CarregaDestino();
    b.janela.Projeto()->Alterado = true;
    for (auto _ : estado)
        b.janela.Comandos.GuardarRecuperacao();
    b.janela.Comandos.GravadorRecuperacao().Esperar();
    TRecuperacao::DefinirPasta({});
}
BENCHMARK(BM_GuardarRecuperacao)->Unit(benchmark::kMillisecond);

// The write on the writer thread, for comparison.
void BM_GravarCopia(benchmark::State &estado)
{
    TBancada b;
    b.Selecionar(5);
    b.janela.Sincronizacao.CarregaDestino();
    const TCopiaRecuperacao copia = b.janela.Comandos.CopiaAtual();
    const QString arquivo = b.pasta.filePath(u"copia.ar1"_s);
    for (auto _ : estado)
        TRecuperacao::Gravar(arquivo, copia);
}
BENCHMARK(BM_GravarCopia)->Unit(benchmark::kMillisecond);

void BM_AbrirProjeto(benchmark::State &estado)
{
    TBancada b;
    for (auto _ : estado)
        b.Abrir();
}
BENCHMARK(BM_AbrirProjeto)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMensagem::DefinirTituloAplicacao(u"Dorvik  System"_s);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
