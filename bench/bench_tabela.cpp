#include <benchmark/benchmark.h>

#include "data/UDeltaTabela.h"
#include "data/UDtmDestino.h"
#include "data/UTabelaMemoria.h"

// A project of 200 destinations on 4 signs: 800 rows of the destination
// table, 8 content blobs of about 12 kB each per row, sorted by kind,
// position and number, with the label upkeep posting into a second table
// after every post.

using namespace Qt::StringLiterals;

namespace {

constexpr int Destinos = 200;
constexpr int Paineis = 4;

void DefinirDestinos(TTabelaMemoria &t)
{
    for (const QString &nome : {u"EXTRA"_s, u"NOVO"_s})
        t.AdicionarColuna({.Nome = nome, .Tipo = TTipoColuna::Booleano});
    for (const QString &nome : {u"PAINEL"_s, u"NRO_DESTINO"_s, u"NRO_LINHAS"_s, u"NRO_COLUNAS"_s, u"COR_PADRAO"_s})
        t.AdicionarColuna({.Nome = nome});
    for (int n = 8; n >= 1; --n) {
        t.AdicionarColuna({.Nome = u"CONFIG_PAINEL%1"_s.arg(n), .Tipo = TTipoColuna::Blob});
        t.AdicionarColuna({.Nome = u"TPO_ROTATIVO%1"_s.arg(n)});
        t.AdicionarColuna({.Nome = u"ROTULO%1"_s.arg(n), .Tipo = TTipoColuna::Texto, .Tamanho = 100});
    }
    t.AdicionarColuna({.Nome = u"ROTULO"_s, .Tipo = TTipoColuna::Texto, .Tamanho = 100, .Calculada = true});
    t.AoCalcular = [](TLinhaCalculo &linha) {
        QString rotulo = linha.ComoTexto(u"ROTULO1"_s).trimmed();
        for (int n = 2; n <= 8 && !rotulo.isEmpty(); ++n) {
            const QString parte = linha.ComoTexto(u"ROTULO%1"_s.arg(n)).trimmed();
            if (!parte.isEmpty())
                rotulo += u'|' + parte;
        }
        linha.Definir(u"ROTULO"_s, rotulo);
    };
    t.AoFiltrar = [](const TLinhaTabela &linha) { return !linha.ComoBooleano(u"EXTRA"_s); };
    t.DefinirFiltrado(true);
    t.DefinirOrdem(u"EXTRA;PAINEL;NRO_DESTINO"_s);
}

void DefinirRotulos(TTabelaMemoria &rotulos, TTabelaMemoria &destinos)
{
    rotulos.AdicionarColuna({.Nome = u"NRO_DESTINO"_s});
    for (int p = 1; p <= Paineis; ++p)
        rotulos.AdicionarColuna({.Nome = u"ROTULO%1"_s.arg(p), .Tipo = TTipoColuna::Texto, .Tamanho = 100});
    rotulos.AdicionarColuna({.Nome = u"EXTRA"_s, .Tipo = TTipoColuna::Booleano});
    rotulos.DefinirOrdem(u"EXTRA;NRO_DESTINO"_s);
    destinos.AposGravar = [&rotulos](TTabelaMemoria &d) {
        const QVariantList chave{d.ComoBooleano(u"EXTRA"_s), d.ComoInteiro(u"NRO_DESTINO"_s)};
        if (rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, chave, TVazio::ComoZero)) {
            rotulos.Editar();
        } else {
            rotulos.Inserir();
            rotulos.DefinirValor(u"EXTRA"_s, chave[0]);
            rotulos.DefinirValor(u"NRO_DESTINO"_s, chave[1]);
        }
        rotulos.DefinirValor(u"ROTULO%1"_s.arg(d.ComoInteiro(u"PAINEL"_s)), d.Valor(u"ROTULO"_s));
        rotulos.Gravar();
    };
}

void Preencher(TTabelaMemoria &destinos)
{
    const QByteArray conteudo(12 * 1024, 'x');
    for (int nro = 1; nro <= Destinos; ++nro) {
        for (int painel = 1; painel <= Paineis; ++painel) {
            destinos.Acrescentar();
            destinos.DefinirValor(u"EXTRA"_s, false);
            destinos.DefinirValor(u"PAINEL"_s, painel);
            destinos.DefinirValor(u"NRO_DESTINO"_s, nro);
            for (int n = 1; n <= 8; ++n) {
                destinos.DefinirValor(u"CONFIG_PAINEL%1"_s.arg(n), conteudo + QByteArray::number(nro));
                destinos.DefinirValor(u"ROTULO%1"_s.arg(n), u"Destino %1"_s.arg(nro));
            }
            destinos.Gravar();
        }
    }
}

void BM_GravarProjeto(benchmark::State &estado)
{
    for (auto _ : estado) {
        TTabelaMemoria destinos(u"Cds_DestinosExtras"_s), rotulos(u"Cds_Rotulos"_s);
        DefinirDestinos(destinos);
        DefinirRotulos(rotulos, destinos);
        destinos.Abrir();
        rotulos.Abrir();
        Preencher(destinos);
        benchmark::DoNotOptimize(rotulos.QuantidadeDeLinhas());
    }
}
BENCHMARK(BM_GravarProjeto)->Unit(benchmark::kMillisecond);

// Deleting destination 1: every other row is edited and posted once with its
// number lowered, each post running the label upkeep.
void BM_RenumerarTodos(benchmark::State &estado)
{
    TTabelaMemoria destinos(u"Cds_DestinosExtras"_s), rotulos(u"Cds_Rotulos"_s);
    DefinirDestinos(destinos);
    DefinirRotulos(rotulos, destinos);
    destinos.Abrir();
    rotulos.Abrir();
    Preencher(destinos);
    int passo = 1;
    for (auto _ : estado) {
        destinos.Primeiro();
        while (!destinos.Fim()) {
            destinos.Editar();
            destinos.DefinirValor(u"NRO_DESTINO"_s, destinos.ComoInteiro(u"NRO_DESTINO"_s) + passo);
            destinos.Gravar();
            destinos.Proximo();
        }
        passo = -passo;
    }
}
BENCHMARK(BM_RenumerarTodos)->Unit(benchmark::kMillisecond);

// Finding every row of the project by kind, position and number.
void BM_LocalizarTodos(benchmark::State &estado)
{
    TTabelaMemoria destinos(u"Cds_DestinosExtras"_s);
    DefinirDestinos(destinos);
    destinos.Abrir();
    Preencher(destinos);
    for (auto _ : estado) {
        for (int nro = 1; nro <= Destinos; ++nro) {
            for (int painel = 1; painel <= Paineis; ++painel)
                benchmark::DoNotOptimize(
                    destinos.Localizar(u"EXTRA;PAINEL;NRO_DESTINO"_s, {false, painel, nro}));
        }
    }
}
BENCHMARK(BM_LocalizarTodos)->Unit(benchmark::kMillisecond);

// Undoing the removal of destination 100 in the project's own tables: the
// delta between the rows before and after it, the rows before rebuilt from the
// table's rows, and the table reopened with them (labels rebuilt). Between
// runs, untimed, the table goes back to the rows after the removal.
void BM_DeltaRemocao(benchmark::State &estado)
{
    TDtm_Destino dados;
    dados.AbrirTabelas(QString());
    Preencher(dados.Cds_DestinosExtras);
    TTabelaMemoria &destinos = dados.Cds_DestinosExtras;
    const TFotoTabela antes = TFotoTabela::De(destinos);
    dados.Cds_Rotulos.Localizar(u"NRO_DESTINO"_s, {Destinos / 2});
    dados.ExcluirRotuloAtual();
    const TFotoTabela depois = TFotoTabela::De(destinos);
    for (auto _ : estado) {
        const TDeltaTabela delta = TDeltaTabela::Entre(antes, depois);
        dados.RestaurarLinhas(delta.Desfazer(destinos.TodasAsLinhas()));
        estado.PauseTiming();
        estado.counters["bytes"] = double(delta.Bytes());
        dados.RestaurarLinhas(depois.Linhas);
        estado.ResumeTiming();
    }
}
BENCHMARK(BM_DeltaRemocao)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
