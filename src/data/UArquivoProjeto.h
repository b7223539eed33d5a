#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>

#include "data/UColunaTabela.h"

class QSqlDatabase;

#include <vector>

class TTabelaMemoria;

// The project file (".ar1"): an SQLite 3 database holding one table,
// DESTINOS_EXTRAS, whose columns are the stored columns of the destination
// table, same names, in definition order: integers INTEGER, booleans INTEGER
// 0/1, texts TEXT (UTF-8), byte columns BLOB (the bytes unchanged), an empty
// value NULL. One row per table row, in the table's order. PRAGMA
// user_version is the format version, 1.
//
// Every failure raises TErro with a message for the operator naming the file.
namespace TArquivoProjeto {

inline constexpr int VersaoFormato = 1;

// Writes the visible rows of the table in their current order. The file is
// written beside the target under another name and renamed over it only
// when complete: a failure leaves the previous file as it was.
void Gravar(const QString &arquivo, const TTabelaMemoria &tabela);

// The stored columns of a table and rows of values for them: what a project
// file holds, copied so that it can be written away from the table (another thread).
struct TConteudoProjeto {
    std::vector<TColunaTabela> Colunas;       // the table's columns, calculated ones included (not written)
    std::vector<QVector<QVariant>> Linhas;    // one value per column
    static TConteudoProjeto DaTabela(const TTabelaMemoria &tabela); // every row, filtered out or not
};
// Writes them as Gravar does; antesDeConcluir may add its own tables to the file.
void GravarConteudo(const QString &arquivo, const TConteudoProjeto &conteudo,
                    const std::function<void(QSqlDatabase &banco)> &antesDeConcluir = {});

// Reads the rows of a project file as values for the table's columns, one
// per column index: each file column goes to the stored column of the same
// name, converted to its type; file columns the table lacks are skipped, and
// table columns the file lacks (and calculated ones) stay empty. The table
// itself is not touched.
std::vector<QVector<QVariant>> Ler(const QString &arquivo, const TTabelaMemoria &tabela);

}
