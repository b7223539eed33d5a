#include "data/UConexaoSqlite.h"

#include "panel/UErro.h"

#include <atomic>

using namespace Qt::StringLiterals;

namespace {
std::atomic<int> ultimaConexao{0};
}

TConexaoSqlite::TConexaoSqlite(const QString &arquivo, bool somenteLeitura)
    : nome(u"dorvik_sqlite_%1"_s.arg(++ultimaConexao))
{
    const QString driver = u"QSQLITE"_s;
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw TErro(u"ATENÇÃO:\r\nO suporte a SQLite (driver QSQLITE do Qt) não está instalado: não é possível "
                    "ler nem gravar arquivos de projeto."_s);
    banco = QSqlDatabase::addDatabase(driver, nome);
    banco.setDatabaseName(arquivo);
    if (somenteLeitura)
        banco.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
    banco.open();
}

TConexaoSqlite::~TConexaoSqlite()
{
    banco.close();
    banco = QSqlDatabase();
    QSqlDatabase::removeDatabase(nome);
}
