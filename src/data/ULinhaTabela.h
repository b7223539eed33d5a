#pragma once

#include <QVariant>
#include <QVector>

class TTabelaMemoria;

// Read-only view of one row of a TTabelaMemoria, handed to the filter and
// calculation callbacks (and to anyone reading a row without moving the
// cursor). Valid only for the duration of the call that produced it.
class TLinhaTabela {
public:
    TLinhaTabela(const TTabelaMemoria &tabela, const QVector<QVariant> &valores);

    // A calculated column is computed by the table's AoCalcular.
    QVariant Valor(int indice) const;
    QVariant Valor(const QString &coluna) const;
    bool EstaVazio(const QString &coluna) const { return Valor(coluna).isNull(); }
    int ComoInteiro(const QString &coluna) const;
    bool ComoBooleano(const QString &coluna) const;
    QString ComoTexto(const QString &coluna) const;
    QByteArray ComoBytes(const QString &coluna) const;

protected:
    const TTabelaMemoria &tabela;
    const QVector<QVariant> &valores;
    bool calculando = false;
};

// The row being calculated: the stored columns read as usual; the calculated
// columns read what this calculation has set so far and are set with Definir.
class TLinhaCalculo : public TLinhaTabela {
public:
    TLinhaCalculo(const TTabelaMemoria &tabela, QVector<QVariant> &valores);
    // Throws TErro for a stored column or a value of the wrong type.
    void Definir(const QString &coluna, const QVariant &valor);

private:
    QVector<QVariant> &calculados;
};
