#pragma once

#include "data/UTabelaMemoria.h"

#include <QVariant>
#include <QVector>

#include <vector>

// A photograph of every row of a table, in insertion order, with its bookmark. The
// values share their storage with the table (Qt's implicit sharing) until either side changes.
struct TFotoTabela {
    std::vector<TMarcador> Marcadores;
    std::vector<QVector<QVariant>> Linhas;
    static TFotoTabela De(const TTabelaMemoria &tabela);
};

// What a step changed in a table's rows: enough to turn the rows before the step into
// the rows after it (Refazer) and back (Desfazer), whatever bookmarks the rows have by then.
class TDeltaTabela {
public:
    // Rows are matched by bookmark: a bookmark only in antes is a deleted row, only in depois
    // an added one; rows kept keep only the columns that changed. Kept rows whose relative
    // order changed count as deleted and added again.
    static TDeltaTabela Entre(const TFotoTabela &antes, const TFotoTabela &depois);
    bool Vazio() const; // the rows after equal the rows before
    // The rows after the step from the rows before it (as TodasAsLinhas gives them), and back.
    // TErro when the rows given are not the ones the delta starts from: another number of
    // rows, or a deleted row or a changed column that does not hold what the step found.
    std::vector<QVector<QVariant>> Refazer(const std::vector<QVector<QVariant>> &antes) const;
    std::vector<QVector<QVariant>> Desfazer(const std::vector<QVector<QVariant>> &depois) const;
    // An estimate of the memory the delta holds, counting the bytes of texts and blobs it keeps.
    qint64 Bytes() const;

private:
    // A column of a kept row that the step changed; both values, so that either way can be taken.
    // Here and in the rows deleted and added, blobs of 1 kB or more are kept compressed.
    struct TAlteracao {
        qint32 Coluna = 0;
        QVariant Antes;
        QVariant Depois;
    };
    // The rows are walked in runs: Iguais rows the step left as they were, then
    // SoAntes rows it deleted and SoDepois rows it added (the next ones of
    // linhasSoAntes and linhasSoDepois), then, when Alteracoes is not 0, one kept
    // row whose changed columns are the next Alteracoes entries of alteracoes.
    struct TTrecho {
        qint32 Iguais = 0;
        qint32 SoAntes = 0;
        qint32 SoDepois = 0;
        qint32 Alteracoes = 0;
    };
    class TConstrutor;

    std::vector<QVector<QVariant>> Aplicar(const std::vector<QVector<QVariant>> &linhas, bool refazer) const;

    std::vector<TTrecho> trechos;
    std::vector<TAlteracao> alteracoes;
    std::vector<QVector<QVariant>> linhasSoAntes;  // deleted rows, in their order before the step
    std::vector<QVector<QVariant>> linhasSoDepois; // added rows, in their order after the step
    size_t quantidadeAntes = 0;
    size_t quantidadeDepois = 0;
};
