#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/UAnimacaoDestino.h"
#include "app/UImagemDestino.h"
#include "projeto_bancada.h"

// Pictures of a destination: a 13 x 128 front sign divided at column 20 with
// three messages of 20 s (10, 17 and 7 characters of text), drawn to a PNG, and its one-minute
// loop written as a GIF (3 frames); then the same with an 8 x 80 side sign
// scrolling a 240-column text on the same clock (3000 frames of 20 ms).
// Each run loads the destination from the tables, draws and writes the file,
// at the default scale of 8 pixels per LED.

namespace {
using namespace Qt::StringLiterals;

void gravar(TDtm_Destino &d, int painel, const ProjetoBancada::TSinal &sinal, int colunasDoTexto,
            const QList<QByteArray> &mensagens, bool rola)
{
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    t.Acrescentar();
    t.DefinirValor(u"TIPOONIBUS"_s, 1);
    t.DefinirValor(u"PAINEL"_s, painel);
    t.DefinirValor(u"EXTRA"_s, false);
    t.DefinirValor(u"NRO_DESTINO"_s, 1);
    t.DefinirValor(u"NRO_LINHAS"_s, sinal.Linhas);
    t.DefinirValor(u"NRO_COLUNAS"_s, sinal.Colunas);
    t.DefinirValor(u"COR_PADRAO"_s, 0x0000FFFF);
    t.DefinirValor(u"COR_DIVISAO"_s, 0x000000FF);
    t.DefinirValor(u"DIV_COLUNA"_s, painel == 1 ? 20 : 0);
    ProjetoBancada::TSinal texto = sinal;
    texto.Colunas = colunasDoTexto;
    for (int i = 1; i <= int(mensagens.size()); ++i) {
        const QString n = QString::number(i);
        t.DefinirValor(u"CONFIG_PAINEL"_s + n, ProjetoBancada::Conteudo(texto, mensagens[i - 1]));
        t.DefinirValor(u"SENTIDO_ROTATIVO"_s + n, rola ? 1 : 0);
        t.DefinirValor(u"TPO_ROTATIVO"_s + n, 20);
        t.DefinirValor(u"NRO_ROTATIVO"_s + n, i);
    }
    t.DefinirValor(u"ROLAGEM"_s, rola);
    t.DefinirValor(u"NOVO"_s, false);
    d.GravarPendente();
}

void montar(TDtm_Destino &d, bool comLateral)
{
    d.AbrirTabelas({});
    const auto &frente = ProjetoBancada::sinais[0];
    gravar(d, 1, frente, frente.Colunas, {"123 CENTRO", "123 VIA AV BRASIL", "123 SUL"}, false);
    if (comLateral) {
        const auto &lado = ProjetoBancada::sinais[1];
        gravar(d, 2, lado, 240, {"123 TERMINAL CENTRO VIA AV BRASIL E TERMINAL SUL"}, true);
    }
    d.ReconstruirRotulos(true);
}

void BM_ImagemPng(benchmark::State &estado)
{
    QTemporaryDir pasta;
    TDtm_Destino d;
    montar(d, false);
    for (auto _ : estado) {
        TImagemDestino imagem(d, 1);
        imagem.GravarPng(pasta.filePath(u"destino.png"_s));
    }
}
BENCHMARK(BM_ImagemPng)->Unit(benchmark::kMillisecond);

void BM_GifDeUmMinuto(benchmark::State &estado)
{
    QTemporaryDir pasta;
    TDtm_Destino d;
    montar(d, estado.range(0) != 0);
    int quadros = 0;
    for (auto _ : estado) {
        TImagemDestino imagem(d, 1);
        TAnimacaoDestino animacao(imagem);
        if (animacao.Duracao() != 60000)
            estado.SkipWithError("the loop is not one minute");
        quadros = animacao.GravarGif(pasta.filePath(u"destino.gif"_s)).Quadros;
    }
    estado.counters["quadros"] = quadros;
}
BENCHMARK(BM_GifDeUmMinuto)->ArgName("lateral_rolando")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
