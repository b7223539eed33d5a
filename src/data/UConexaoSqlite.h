#pragma once

#include <QSqlDatabase>
#include <QString>

// A QSQLITE connection of its own to one database file, under a name no
// other connection uses, closed and removed on destruction. Queries on it
// must be destroyed before it (declare them after it).
class TConexaoSqlite {
public:
    // Raises TErro when the QSQLITE driver is missing; otherwise check Banco().isOpen().
    TConexaoSqlite(const QString &arquivo, bool somenteLeitura);
    ~TConexaoSqlite();
    TConexaoSqlite(const TConexaoSqlite &) = delete;
    TConexaoSqlite &operator=(const TConexaoSqlite &) = delete;

    QSqlDatabase &Banco() { return banco; }

private:
    QString nome;
    QSqlDatabase banco;
};
