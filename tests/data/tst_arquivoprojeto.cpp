#include <QtTest>

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "data/UConexaoSqlite.h"
#include "dtm_fixture.h"
#include "panel/UErro.h"

// The project file: what it holds, the round trip, and damaged or unwritable files.
class TesteArquivoProjeto : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    QString Caminho(const QString &nome) const { return pasta.filePath(nome); }

    static QByteArray Ler(const QString &arquivo)
    {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void Escrever(const QString &arquivo, const QByteArray &bytes)
    {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Runs statements on a database file; the first value of the last one's first row.
    static QVariant Sql(const QString &arquivo, const QStringList &comandos)
    {
        TConexaoSqlite conexao(arquivo, false);
        QSqlQuery consulta(conexao.Banco());
        for (const QString &comando : comandos) {
            if (!consulta.exec(comando))
                qFatal("%s", qPrintable(comando));
        }
        return consulta.next() ? consulta.value(0) : QVariant();
    }

    // Every stored value of every row, both kinds, destinations first.
    static QList<QVariantList> Conteudo(TDtm_Destino &d)
    {
        QList<QVariantList> linhas;
        const bool extra = d.FiltroExtra();
        for (bool tipo : {false, true}) {
            d.DefinirFiltroExtra(tipo);
            TTabelaMemoria &t = d.Cds_DestinosExtras;
            for (int l = 0; l < t.QuantidadeDeLinhas(); ++l) {
                QVariantList valores;
                for (int c = 0; c < t.QuantidadeDeColunas(); ++c)
                    valores << t.ValorNaLinha(l, c);
                linhas << valores;
            }
        }
        d.DefinirFiltroExtra(extra);
        return linhas;
    }

    // A database whose table page lists its rows out of rowid order, as in a
    // damaged file: the first row's rowid, a one-byte number, made 127.
    QByteArray ForaDeOrdem() const
    {
        const QString arquivo = Caminho(u"fora de ordem.ar1"_s);
        Sql(arquivo, {u"CREATE TABLE DESTINOS_EXTRAS (PAINEL INTEGER, NRO_DESTINO INTEGER, EXTRA INTEGER)"_s,
                      u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 1, 0)"_s, u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 2, 0)"_s});
        const int raiz = Sql(arquivo, {u"SELECT rootpage FROM sqlite_master WHERE name = 'DESTINOS_EXTRAS'"_s}).toInt();
        QByteArray b = Ler(arquivo);
        const auto u16 = [&](qsizetype i) { return quint8(b[i]) << 8 | quint8(b[i + 1]); }; // big-endian
        const qsizetype pagina = qsizetype(raiz - 1) * u16(16);
        // A leaf page: an 8-byte header, then the cell offsets in rowid order;
        // a cell starts with its length and its rowid.
        const qsizetype celula = pagina + u16(pagina + 8);
        b[celula + 1] = 127;
        return b;
    }

    // Destinations 1..2 on positions 1 and 2 and one extra on position 1.
    static void Projeto(TDtm_Destino &d)
    {
        d.AbrirTabelas({});
        Gravar(d, QStringList{u"1/1"_s, u"1/2"_s, u"2/1"_s, u"2/2"_s, u"1/3/N"_s});
        d.DefinirFiltroExtra(true);
        Gravar(d, u"1/1"_s);
        d.DefinirFiltroExtra(false);
        d.ReconstruirRotulos(true);
    }

private slots:
    void initTestCase() { QVERIFY(pasta.isValid()); }
    void idaEVolta();
    void salvaAmbosOsTipos_data();
    void salvaAmbosOsTipos();
    void colunasDesconhecidasEFaltantes();
    void arquivoDanificado_data();
    void arquivoDanificado();
    void gravacaoImpossivel_data();
    void gravacaoImpossivel();
};

// Every column type, NULLs, texts beyond Latin-1 and content texts holding every byte.
void TesteArquivoProjeto::idaEVolta()
{
    QByteArray todosOsBytes;
    for (int b = 0; b < 256; ++b)
        todosOsBytes.append(char(b));
    TDtm_Destino d;
    d.AbrirTabelas({});
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    t.Acrescentar();
    for (int c = 0; c < t.QuantidadeDeColunas(); ++c) {
        const TColunaTabela &coluna = t.Coluna(c);
        if (coluna.Calculada)
            continue;
        QVariant valor;
        switch (coluna.Tipo) {
        case TTipoColuna::Inteiro: valor = c % 3 == 0 ? -c : c * 100000; break;
        case TTipoColuna::Booleano: valor = c % 2 == 0; break;
        case TTipoColuna::Texto: valor = u"Estação São João € %1"_s.arg(c); break;
        case TTipoColuna::Blob: valor = todosOsBytes + QByteArray::number(c); break;
        }
        t.DefinirValor(coluna.Nome, valor);
    }
    t.DefinirValor(u"COR_FUNDO"_s, 0x00FFFFFF);
    t.DefinirValor(u"EXTRA"_s, false);
    d.GravarPendente();
    Gravar(d, QStringList{u"2/1"_s, u"1/2/N"_s});
    t.Acrescentar(); // every column empty, even the one with a default
    t.DefinirValor(u"TIPOONIBUS"_s, QVariant());
    d.GravarPendente();
    d.DefinirFiltroExtra(true);
    Gravar(d, QStringList{u"1/1"_s, u"4/1"_s});
    const QList<QVariantList> antes = Conteudo(d);
    const QStringList rotulos = Rotulos(d);

    const QString arquivo = Caminho(u"ida e volta.ar1"_s);
    QVERIFY(d.SalvarArquivo(arquivo));
    QVERIFY(d.FiltroExtra());
    QCOMPARE(Rotulos(d), rotulos);
    QCOMPARE(Conteudo(d), antes);

    TDtm_Destino outro;
    QVERIFY(outro.AbrirTabelas(arquivo));
    QCOMPARE(Conteudo(outro), antes);

    // The file as other tools see it.
    QCOMPARE(Sql(arquivo, {u"PRAGMA user_version"_s}), QVariant(1));
    QStringList colunas;
    {
        TConexaoSqlite conexao(arquivo, true);
        QSqlQuery consulta(conexao.Banco());
        QVERIFY(consulta.exec(u"PRAGMA table_info(DESTINOS_EXTRAS)"_s));
        while (consulta.next())
            colunas << consulta.value(1).toString() + u' ' + consulta.value(2).toString();
    }
    QCOMPARE(colunas.size(), t.QuantidadeDeColunas() - 1);
    QCOMPARE(colunas.first(), u"TIPOONIBUS INTEGER"_s);
    QVERIFY(!colunas.contains(u"ROTULO TEXT"_s));
    QVERIFY(colunas.contains(u"EXTRA INTEGER"_s));
    QVERIFY(colunas.contains(u"ROTULO1 TEXT"_s));
    QVERIFY(colunas.contains(u"CONFIG_PAINEL1 BLOB"_s));
    QCOMPARE(colunas.last(), u"TAMANHO_MENSAGEM INTEGER"_s);
    const QString primeira = u"SELECT %1 FROM DESTINOS_EXTRAS WHERE ROTULO8 IS NOT NULL"_s;
    QCOMPARE(Sql(arquivo, {primeira.arg(u"typeof(EXTRA) || EXTRA || typeof(CONFIG_PAINEL1)"_s)}),
             QVariant(u"integer0blob"_s));
    QCOMPARE(Sql(arquivo, {primeira.arg(u"CAST(ROTULO1 AS BLOB)"_s)}).toByteArray(),
             u"Estação São João € %1"_s.arg(t.IndiceDaColuna(u"ROTULO1"_s)).toUtf8());
    QCOMPARE(Sql(arquivo, {u"SELECT count(*) FROM DESTINOS_EXTRAS WHERE TIPOONIBUS IS NULL AND "
                           "CONFIG_PAINEL1 IS NULL AND ROTULO1 IS NULL AND NOVO IS NULL"_s}),
             QVariant(1));
    QVERIFY(QDir(pasta.path()).entryList(QDir::Files).filter(u"ida e volta.ar1."_s).isEmpty());
}

void TesteArquivoProjeto::salvaAmbosOsTipos_data()
{
    QTest::addColumn<bool>("extra");
    QTest::newRow("mostrando destinos") << false;
    QTest::newRow("mostrando extras") << true;
}

void TesteArquivoProjeto::salvaAmbosOsTipos()
{
    QFETCH(bool, extra);
    TDtm_Destino d;
    Projeto(d);
    d.DefinirFiltroExtra(extra);
    d.ReconstruirRotulos(true);
    const QStringList destinos = Destinos(d);
    const QStringList rotulos = Rotulos(d);
    const QString arquivo = Caminho(u"tipos.ar1"_s);
    Escrever(arquivo, "o arquivo anterior é substituído");

    QVERIFY(d.SalvarArquivo(arquivo));
    QCOMPARE(Sql(arquivo, {u"SELECT group_concat(EXTRA, '') FROM DESTINOS_EXTRAS"_s}), QVariant(u"000001"_s));
    QCOMPARE(d.FiltroExtra(), extra);
    QCOMPARE(Destinos(d), destinos);
    QCOMPARE(Rotulos(d), rotulos);
}

// A file column the table lacks is skipped; a table column the file lacks is empty in every row.
void TesteArquivoProjeto::colunasDesconhecidasEFaltantes()
{
    const QString arquivo = Caminho(u"colunas.ar1"_s);
    Sql(arquivo, {u"CREATE TABLE DESTINOS_EXTRAS (XYZ TEXT, painel INTEGER, NRO_DESTINO INTEGER, ROTULO1 TEXT, "
                  "ROTULO TEXT)"_s,
                  u"INSERT INTO DESTINOS_EXTRAS VALUES ('x', 2, 1, 'Centro', 'ignorado')"_s});
    TDtm_Destino d;
    QVERIFY(d.AbrirTabelas(arquivo));
    QCOMPARE(Destinos(d), QStringList{u"2/1"_s});
    QCOMPARE(Rotulos(d), QStringList{u"1:|Centro||"_s});
    d.Primeiro();
    QVERIFY(d.Cds_DestinosExtras.EstaVazio(u"TIPOONIBUS"_s));
    QVERIFY(d.Cds_DestinosExtras.EstaVazio(u"EXTRA"_s));
}

void TesteArquivoProjeto::arquivoDanificado_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QString>("mensagem");

    QByteArray aleatorios(4096, 0);
    QRandomGenerator gerador(7);
    for (char &b : aleatorios)
        b = char(gerador.bounded(256));
    const QString tabela = u"CREATE TABLE DESTINOS_EXTRAS (PAINEL INTEGER, NRO_DESTINO INTEGER, EXTRA INTEGER)"_s;
    QTest::newRow("bytes aleatorios") << aleatorios << QStringList() << u"não é um projeto (.ar1) válido"_s;
    QTest::newRow("arquivo vazio") << QByteArray() << QStringList() << u"está vazio"_s;
    QTest::newRow("sem a tabela") << QByteArray() << QStringList{u"CREATE TABLE OUTRA (A INTEGER)"_s}
                                  << u"falta a tabela DESTINOS_EXTRAS"_s;
    QTest::newRow("texto em coluna inteira")
        << QByteArray()
        << QStringList{tabela, u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 1, 0)"_s,
                       u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 'dois', 0)"_s}
        << u"na linha 2, a coluna NRO_DESTINO deveria conter um número inteiro"_s;
    // A BLOB column keeps text as text; a column declared without a type keeps
    // a number as a number (a TEXT column would have turned it into text).
    QTest::newRow("texto em coluna binaria")
        << QByteArray()
        << QStringList{u"CREATE TABLE DESTINOS_EXTRAS (PAINEL INTEGER, NRO_DESTINO INTEGER, CONFIG_PAINEL1 BLOB)"_s,
                       u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 1, X'0102')"_s,
                       u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 2, '1-1-T')"_s}
        << u"na linha 2, a coluna CONFIG_PAINEL1 deveria conter um conteúdo binário"_s;
    QTest::newRow("numero em coluna de texto")
        << QByteArray()
        << QStringList{u"CREATE TABLE DESTINOS_EXTRAS (PAINEL INTEGER, NRO_DESTINO INTEGER, ROTULO1)"_s,
                       u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 1, 'Centro')"_s,
                       u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 2, NULL)"_s,
                       u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 3, 15)"_s}
        << u"na linha 3, a coluna ROTULO1 deveria conter um texto"_s;
    QTest::newRow("booleano fora de 0 e 1")
        << QByteArray() << QStringList{tabela, u"INSERT INTO DESTINOS_EXTRAS VALUES (1, 1, 2)"_s}
        << u"a coluna EXTRA deveria conter 0 ou 1"_s;
    QTest::newRow("versao mais nova") << QByteArray() << QStringList{tabela, u"PRAGMA user_version = 2"_s}
                                      << u"versão mais nova do programa (formato 2)"_s;
    QTest::newRow("linhas fora de ordem") << ForaDeOrdem() << QStringList()
                                          << u"o banco de dados não passou na verificação de integridade"_s;
}

// Each damaged file is refused with its own message; the file and the rows in memory stay as they were.
void TesteArquivoProjeto::arquivoDanificado()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, sql);
    QFETCH(QString, mensagem);
    const QString arquivo = Caminho(u"danificado %1.ar1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
    if (sql.isEmpty())
        Escrever(arquivo, bytes);
    else
        Sql(arquivo, sql);
    const QByteArray original = Ler(arquivo);

    TDtm_Destino d;
    Projeto(d);
    const QStringList destinos = Destinos(d);
    const QStringList rotulos = Rotulos(d);
    try {
        d.CarregarArquivo(arquivo);
        QFAIL("the damaged file was accepted");
    } catch (const TErro &erro) {
        QVERIFY2(erro.Mensagem.startsWith(u"ATENÇÃO:\r\n"_s), qPrintable(erro.Mensagem));
        QVERIFY2(erro.Mensagem.contains(QDir::toNativeSeparators(arquivo)), qPrintable(erro.Mensagem));
        QVERIFY2(erro.Mensagem.contains(mensagem), qPrintable(erro.Mensagem));
    }
    QCOMPARE(Destinos(d), destinos);
    QCOMPARE(Rotulos(d), rotulos);
    QCOMPARE(Ler(arquivo), original);
}

void TesteArquivoProjeto::gravacaoImpossivel_data()
{
    QTest::addColumn<QString>("alvo");
    QTest::addColumn<QString>("causa");
    QTest::newRow("pasta que é um arquivo") << u"bloqueio/projeto.ar1"_s << u": uma parte do caminho não é uma pasta."_s;
    QTest::newRow("destino que é uma pasta") << u"ocupado"_s << u" não é um arquivo comum: é uma pasta."_s;
}

// Even root cannot write under a regular file; a folder is never replaced by
// a file: nothing is written, nothing is lost, and the message says why.
void TesteArquivoProjeto::gravacaoImpossivel()
{
    QFETCH(QString, alvo);
    QFETCH(QString, causa);
    Escrever(Caminho(u"bloqueio"_s), "um arquivo comum");
    QVERIFY(QDir(pasta.path()).mkpath(u"ocupado/dentro"_s));
    const QStringList entradas = QDir(pasta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    TDtm_Destino d;
    Projeto(d);
    d.DefinirFiltroExtra(true);
    d.ReconstruirRotulos(true);
    const QList<QVariantList> conteudo = Conteudo(d);
    const QStringList rotulos = Rotulos(d);
    const QString arquivo = Caminho(alvo);
    try {
        d.SalvarArquivo(arquivo);
        QFAIL("the save was reported as done");
    } catch (const TErro &erro) {
        QVERIFY2(erro.Mensagem.contains(u"\"%1\"%2"_s.arg(QDir::toNativeSeparators(arquivo), causa)),
                 qPrintable(erro.Mensagem));
    }
    QVERIFY(d.FiltroExtra());
    QVERIFY(d.Cds_DestinosExtras.Filtrado());
    QCOMPARE(Rotulos(d), rotulos);
    QCOMPARE(Conteudo(d), conteudo);
    QCOMPARE(QDir(pasta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entradas);
    QVERIFY(QFileInfo(Caminho(u"ocupado/dentro"_s)).isDir());
}

QTEST_GUILESS_MAIN(TesteArquivoProjeto)
#include "tst_arquivoprojeto.moc"
