#pragma once

#include <QByteArray>
#include <QHash>
#include <memory>
#include <vector>

// The bytes of one record or font table of the sign controller file, built
// completely in memory before the file is laid out.
struct TTabela {
    int Painel = 0; // slot of the record; 1 for font tables
    int Numero = 0; // destination or extra number; the font number for a font table
    QByteArray Bytes;
};

// The tables of one kind, in creation order, found by (slot, number).
class TListaTabelas {
public:
    // The table of that slot and number; when missing, a new one appended when
    // criar is set, else nullptr.
    TTabela *Tabela(int painel, int numero, bool criar);
    const TTabela *Buscar(int painel, int numero) const { return indice.value({painel, numero}); }
    const std::vector<std::unique_ptr<TTabela>> &Tabelas() const { return tabelas; }
    void Limpar();

private:
    std::vector<std::unique_ptr<TTabela>> tabelas;
    QHash<QPair<int, int>, TTabela *> indice;
};
