#include "output/UTabelaSaida.h"

TTabela *TListaTabelas::Tabela(int painel, int numero, bool criar)
{
    const QPair<int, int> chave(painel, numero);
    if (TTabela *existente = indice.value(chave))
        return existente;
    if (!criar)
        return nullptr;
    tabelas.push_back(std::make_unique<TTabela>(TTabela{painel, numero, {}}));
    indice.insert(chave, tabelas.back().get());
    return tabelas.back().get();
}

void TListaTabelas::Limpar()
{
    indice.clear();
    tabelas.clear();
}
