#pragma once

#include "data/UTabelaMemoria.h"

#include <QStringList>

#include <initializer_list>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

// A small table shaped like the destination rows: a kind, a position, a
// number, a short text, bytes, and a calculated label "P<painel>-<texto>".
inline std::unique_ptr<TTabelaMemoria> NovaTabela()
{
    auto tabela = std::make_unique<TTabelaMemoria>(u"Teste"_s);
    tabela->AdicionarColuna({.Nome = u"TIPO"_s, .Tipo = TTipoColuna::Inteiro, .Rotulo = u"Tipo de Onibus"_s,
                             .Padrao = 1});
    tabela->AdicionarColuna({.Nome = u"PAINEL"_s, .Tipo = TTipoColuna::Inteiro, .Tag = 7});
    tabela->AdicionarColuna({.Nome = u"EXTRA"_s, .Tipo = TTipoColuna::Booleano});
    tabela->AdicionarColuna({.Nome = u"NRO"_s, .Tipo = TTipoColuna::Inteiro, .Rotulo = u"Número"_s});
    tabela->AdicionarColuna({.Nome = u"TEXTO"_s, .Tipo = TTipoColuna::Texto, .Tamanho = 5});
    tabela->AdicionarColuna({.Nome = u"DADOS"_s, .Tipo = TTipoColuna::Blob});
    tabela->AdicionarColuna({.Nome = u"ROTULO"_s, .Tipo = TTipoColuna::Texto, .Tamanho = 6, .Rotulo = u"Rótulo"_s,
                             .Calculada = true});
    tabela->AoCalcular = [](TLinhaCalculo &linha) {
        linha.Definir(u"ROTULO"_s, u"P%1-%2"_s.arg(linha.ComoInteiro(u"PAINEL"_s)).arg(linha.ComoTexto(u"TEXTO"_s)));
    };
    tabela->Abrir();
    return tabela;
}

using TValores = std::initializer_list<std::pair<QString, QVariant>>;

inline void Preencher(TTabelaMemoria &tabela, TValores valores)
{
    for (const auto &[coluna, valor] : valores)
        tabela.DefinirValor(coluna, valor);
}

inline void Acrescentar(TTabelaMemoria &tabela, TValores valores)
{
    tabela.Acrescentar();
    Preencher(tabela, valores);
    tabela.Gravar();
}

// Rows "painel/nro" walked with the cursor from the first to Fim; an empty
// value reads "-".
inline QStringList Percorrer(TTabelaMemoria &tabela, const QString &colunas = u"PAINEL;NRO"_s)
{
    QStringList linhas;
    tabela.Primeiro();
    while (!tabela.Fim()) {
        QStringList partes;
        for (const QString &coluna : colunas.split(u';'))
            partes << (tabela.EstaVazio(coluna) ? u"-"_s : tabela.ComoTexto(coluna));
        linhas << partes.join(u'/');
        tabela.Proximo();
    }
    return linhas;
}
