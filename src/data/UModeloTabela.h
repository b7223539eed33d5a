#pragma once

#include "data/UObservadorTabela.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <optional>

class TTabelaMemoria;

// Item model over a TTabelaMemoria: rows are the visible rows in the current
// order, columns the chosen columns of the table. DisplayRole and EditRole
// give the value, Qt::UserRole the row's bookmark; the header gives the
// columns' display labels. While the table's display updates are suspended
// the model stays frozen (same row and column counts, no signals) and resumes
// with one reset.
class TModeloTabela : public QAbstractTableModel, private TObservadorTabela {
    Q_OBJECT
public:
    explicit TModeloTabela(TTabelaMemoria &tabela, QObject *parent = nullptr);
    ~TModeloTabela() override;

    // The columns shown, by name; an empty list shows every column of the
    // table. Throws TErro for a name the table does not have.
    void DefinirColunas(const QStringList &nomes);
    QStringList Colunas() const { return nomes; }
    // Replaces the title a column shows (its display label otherwise).
    void DefinirTitulo(const QString &coluna, const QString &titulo);
    // Null once the table is destroyed.
    TTabelaMemoria *Tabela() const { return tabela; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;

signals:
    // The table's cursor moved to this row (-1: none).
    void LinhaCorrenteMudou(int linha);

private:
    void AntesDeInserirLinha(int linha) override;
    void DepoisDeInserirLinha() override;
    void AntesDeRemoverLinha(int linha) override;
    void DepoisDeRemoverLinha() override;
    void LinhaAlterada(int linha) override;
    void AntesDeReiniciar() override;
    void DepoisDeReiniciar() override;
    void CursorMovido(int linha) override;
    void ControlesDesabilitados() override;
    void ControlesHabilitados() override;
    void TabelaDestruida() override;

    int ColunaDaTabela(int secao) const; // -1 when the table lacks it
    int LinhasVivas() const;
    int ColunasVivas() const;

    TTabelaMemoria *tabela;
    QStringList nomes;
    QHash<QString, QString> titulos; // column name -> title shown instead of its display label
    // Counts the views last heard of, kept while the table is suspended.
    std::optional<int> linhasCongeladas;
    std::optional<int> colunasCongeladas;
};
