#include "data/UArquivoProjeto.h"

#include "data/UConexaoSqlite.h"
#include "data/UTabelaMemoria.h"
#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <cerrno>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

using TArquivoProjeto::TConteudoProjeto;

namespace {

const QString NomeTabela = u"DESTINOS_EXTRAS"_s;

// SQLite's result codes that have a reason an operator can act on.
constexpr int SqliteSomenteLeitura = 8;
constexpr int SqliteCheio = 13;

[[noreturn]] void FalhaGravar(const QString &arquivo, const QSqlError &erro)
{
    const int codigo = erro.nativeErrorCode().toInt();
    QString motivo = erro.text();
    if (codigo == SqliteCheio)
        motivo = TArquivoDisco::Motivo(ENOSPC);
    else if (codigo == SqliteSomenteLeitura)
        motivo = TArquivoDisco::Motivo(EROFS);
    throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, motivo));
}

[[noreturn]] void FalhaLer(const QString &arquivo, const QString &detalhe)
{
    throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" não é um projeto (.ar1) válido ou está danificado.\r\n(%2)"_s.arg(
        QDir::toNativeSeparators(arquivo), detalhe));
}

QString TipoSql(TTipoColuna tipo)
{
    switch (tipo) {
    case TTipoColuna::Texto:
        return u"TEXT"_s;
    case TTipoColuna::Blob:
        return u"BLOB"_s;
    case TTipoColuna::Inteiro:
    case TTipoColuna::Booleano:
        break;
    }
    return u"INTEGER"_s;
}

// The value as bound to SQLite: booleans as 0/1, an empty value as NULL.
QVariant ValorSql(TTipoColuna tipo, const QVariant &valor)
{
    if (valor.isNull())
        return {};
    switch (tipo) {
    case TTipoColuna::Inteiro:
        return qlonglong(valor.toInt());
    case TTipoColuna::Booleano:
        return valor.toBool() ? 1 : 0;
    case TTipoColuna::Texto:
    case TTipoColuna::Blob:
        break;
    }
    return valor;
}

void Executar(QSqlQuery &consulta, const QString &sql, const QString &arquivo)
{
    if (!consulta.exec(sql))
        FalhaGravar(arquivo, consulta.lastError());
}

void EscreverBanco(const QString &caminho, const QString &arquivo, const TConteudoProjeto &conteudo,
                   const std::function<void(QSqlDatabase &)> &antesDeConcluir)
{
    TConexaoSqlite conexao(caminho, false);
    if (!conexao.Banco().isOpen())
        FalhaGravar(arquivo, conexao.Banco().lastError());
    QSqlQuery consulta(conexao.Banco());
    QStringList definicoes;
    QStringList marcas;
    std::vector<size_t> colunas;
    for (size_t i = 0; i < conteudo.Colunas.size(); ++i) {
        const TColunaTabela &coluna = conteudo.Colunas[i];
        if (coluna.Calculada)
            continue;
        definicoes << u"\"%1\" %2"_s.arg(coluna.Nome, TipoSql(coluna.Tipo));
        marcas << u"?"_s;
        colunas.push_back(i);
    }
    Executar(consulta, u"PRAGMA user_version = %1"_s.arg(TArquivoProjeto::VersaoFormato), arquivo);
    Executar(consulta, u"CREATE TABLE %1 (%2)"_s.arg(NomeTabela, definicoes.join(u", "_s)), arquivo);
    if (!conexao.Banco().transaction())
        FalhaGravar(arquivo, conexao.Banco().lastError());
    if (!consulta.prepare(u"INSERT INTO %1 VALUES (%2)"_s.arg(NomeTabela, marcas.join(u','))))
        FalhaGravar(arquivo, consulta.lastError());
    for (const QVector<QVariant> &linha : conteudo.Linhas) {
        for (size_t k = 0; k < colunas.size(); ++k)
            consulta.bindValue(int(k), ValorSql(conteudo.Colunas[colunas[k]].Tipo, linha.value(int(colunas[k]))));
        if (!consulta.exec())
            FalhaGravar(arquivo, consulta.lastError());
    }
    if (antesDeConcluir) {
        QSqlDatabase banco = conexao.Banco();
        antesDeConcluir(banco);
    }
    if (!conexao.Banco().commit())
        FalhaGravar(arquivo, conexao.Banco().lastError());
}

bool EhInteiroSql(const QVariant &valor)
{
    const int tipo = valor.metaType().id();
    return tipo == QMetaType::LongLong || tipo == QMetaType::Int;
}

// An SQLite integer for an integer column that a 32-bit integer cannot hold.
bool ForaDoIntervalo(const TColunaTabela &coluna, const QVariant &valor)
{
    if (coluna.Tipo != TTipoColuna::Inteiro || !EhInteiroSql(valor))
        return false;
    const qlonglong numero = valor.toLongLong();
    return numero < std::numeric_limits<int>::min() || numero > std::numeric_limits<int>::max();
}

// A file value for a column of the table; nullopt when it is of the wrong type or out of range.
std::optional<QVariant> ValorDaColuna(const TColunaTabela &coluna, const QVariant &valor)
{
    if (valor.isNull())
        return QVariant();
    const int tipo = valor.metaType().id();
    switch (coluna.Tipo) {
    case TTipoColuna::Inteiro: {
        if (!EhInteiroSql(valor))
            return std::nullopt;
        const qlonglong numero = valor.toLongLong();
        if (numero < std::numeric_limits<int>::min() || numero > std::numeric_limits<int>::max())
            return std::nullopt;
        return QVariant(int(numero));
    }
    case TTipoColuna::Booleano:
        if (!EhInteiroSql(valor) || (valor.toLongLong() != 0 && valor.toLongLong() != 1))
            return std::nullopt;
        return QVariant(valor.toLongLong() == 1);
    case TTipoColuna::Texto:
        if (tipo != QMetaType::QString)
            return std::nullopt;
        return coluna.Normalizar(valor);
    case TTipoColuna::Blob:
        if (tipo != QMetaType::QByteArray)
            return std::nullopt;
        return coluna.Normalizar(valor);
    }
    return std::nullopt;
}

QString NomeDoTipo(TTipoColuna tipo)
{
    switch (tipo) {
    case TTipoColuna::Inteiro:
        return u"um número inteiro"_s;
    case TTipoColuna::Booleano:
        return u"0 ou 1"_s;
    case TTipoColuna::Texto:
        return u"um texto"_s;
    case TTipoColuna::Blob:
        return u"um conteúdo binário"_s;
    }
    return {};
}

void Consultar(QSqlQuery &consulta, const QString &sql, const QString &arquivo)
{
    consulta.setForwardOnly(true);
    if (!consulta.exec(sql))
        FalhaLer(arquivo, consulta.lastError().text());
}

// Pages that contradict each other (rows out of order, a broken page) would
// give rows in an order, or with values, that no save wrote: the operator is
// told the file is damaged rather than shown part of it.
void VerificarIntegridade(QSqlQuery &consulta, const QString &arquivo)
{
    Consultar(consulta, u"PRAGMA quick_check(1)"_s, arquivo);
    const QString resultado = consulta.next() ? consulta.value(0).toString() : QString();
    if (resultado != u"ok")
        throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" está danificado: o banco de dados não passou na verificação de "
                    "integridade (%2).\r\nAbra uma cópia anterior do projeto."_s.arg(QDir::toNativeSeparators(arquivo),
                                                                                    resultado.simplified()));
}

void VerificarCabecalho(QSqlQuery &consulta, const QString &arquivo)
{
    Consultar(consulta, u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '%1' "
                        "COLLATE NOCASE"_s.arg(NomeTabela), arquivo);
    if (!consulta.next() || consulta.value(0).toInt() == 0)
        throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" não contém os destinos de um projeto (falta a tabela %2).\r\n"
                    "Verifique se é mesmo um arquivo de projeto (.ar1)."_s.arg(QDir::toNativeSeparators(arquivo),
                                                                               NomeTabela));
    Consultar(consulta, u"PRAGMA user_version"_s, arquivo);
    const int versao = consulta.next() ? consulta.value(0).toInt() : 0;
    if (versao > TArquivoProjeto::VersaoFormato)
        throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" foi gravado por uma versão mais nova do programa (formato %2)."
                    "\r\nAtualize o programa para abri-lo."_s.arg(QDir::toNativeSeparators(arquivo))
                        .arg(versao));
}

} // namespace

void TArquivoProjeto::Gravar(const QString &arquivo, const TTabelaMemoria &tabela)
{
    if (arquivo.trimmed().isEmpty())
        throw TErro(u"ATENÇÃO:\r\nInforme o nome do arquivo do projeto."_s);
    TConteudoProjeto conteudo;
    for (int i = 0; i < tabela.QuantidadeDeColunas(); ++i)
        conteudo.Colunas.push_back(tabela.Coluna(i));
    for (int linha = 0; linha < tabela.QuantidadeDeLinhas(); ++linha) {
        QVector<QVariant> valores(tabela.QuantidadeDeColunas());
        for (int i = 0; i < tabela.QuantidadeDeColunas(); ++i)
            if (!tabela.Coluna(i).Calculada)
                valores[i] = tabela.ValorNaLinha(linha, i);
        conteudo.Linhas.push_back(std::move(valores));
    }
    TArquivoProjeto::GravarConteudo(arquivo, conteudo);
}

TConteudoProjeto TArquivoProjeto::TConteudoProjeto::DaTabela(const TTabelaMemoria &tabela)
{
    TConteudoProjeto conteudo;
    for (int i = 0; i < tabela.QuantidadeDeColunas(); ++i)
        conteudo.Colunas.push_back(tabela.Coluna(i));
    conteudo.Linhas = tabela.TodasAsLinhas();
    return conteudo;
}

void TArquivoProjeto::GravarConteudo(const QString &arquivo, const TConteudoProjeto &conteudo,
                                      const std::function<void(QSqlDatabase &banco)> &antesDeConcluir)
{
    if (arquivo.trimmed().isEmpty())
        throw TErro(u"ATENÇÃO:\r\nInforme o nome do arquivo do projeto."_s);
    TArquivoDisco::SubstituirAtomico(arquivo, [&](const QString &temporario) {
        EscreverBanco(temporario, arquivo, conteudo, antesDeConcluir);
    });
}

std::vector<QVector<QVariant>> TArquivoProjeto::Ler(const QString &arquivo, const TTabelaMemoria &tabela)
{
    TArquivoDisco::ExigirLeitura(arquivo);
    const QFileInfo info(arquivo);
    if (info.size() == 0)
        throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" está vazio: não é um projeto (.ar1)."_s.arg(
            QDir::toNativeSeparators(arquivo)));
    TConexaoSqlite conexao(arquivo, true);
    if (!conexao.Banco().isOpen())
        FalhaLer(arquivo, conexao.Banco().lastError().text());
    QSqlQuery consulta(conexao.Banco());
    VerificarIntegridade(consulta, arquivo);
    VerificarCabecalho(consulta, arquivo);
    Consultar(consulta, u"SELECT * FROM %1 ORDER BY rowid"_s.arg(NomeTabela), arquivo);

    const QSqlRecord registro = consulta.record();
    std::vector<int> destinoDe; // file column -> table column, -1 when skipped
    for (int i = 0; i < registro.count(); ++i) {
        const TColunaTabela *coluna = tabela.ProcurarColuna(registro.fieldName(i));
        destinoDe.push_back(coluna && !coluna->Calculada ? tabela.IndiceDaColuna(coluna->Nome) : -1);
    }
    std::vector<QVector<QVariant>> linhas;
    while (consulta.next()) {
        QVector<QVariant> valores(tabela.QuantidadeDeColunas());
        for (int i = 0; i < registro.count(); ++i) {
            if (destinoDe[i] < 0)
                continue;
            const TColunaTabela &coluna = tabela.Coluna(destinoDe[i]);
            const QVariant lido = consulta.value(i);
            if (ForaDoIntervalo(coluna, lido))
                throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" está danificado: na linha %2, a coluna %3 vale %4, fora do "
                            "intervalo de %5 a %6.\r\nAbra uma cópia anterior do projeto."_s
                                .arg(QDir::toNativeSeparators(arquivo), QString::number(linhas.size() + 1),
                                     coluna.Nome, QString::number(lido.toLongLong()))
                                .arg(std::numeric_limits<int>::min())
                                .arg(std::numeric_limits<int>::max()));
            const std::optional<QVariant> valor = ValorDaColuna(coluna, lido);
            if (!valor)
                throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" está danificado: na linha %2, a coluna %3 deveria "
                            "conter %4.\r\nAbra uma cópia anterior do projeto."_s.arg(
                                QDir::toNativeSeparators(arquivo), QString::number(linhas.size() + 1),
                                coluna.Nome, NomeDoTipo(coluna.Tipo)));
            valores[destinoDe[i]] = *valor;
        }
        linhas.push_back(std::move(valores));
    }
    if (consulta.lastError().isValid())
        FalhaLer(arquivo, consulta.lastError().text());
    return linhas;
}
