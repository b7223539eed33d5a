#include <QtTest>

#include "output/UFuncaoHexa.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UErro.h"
#include "saida_fixture.h"

using namespace Qt::StringLiterals;
using Fixture::Bytes;

// Numbers and LED columns as the sign controller file holds them.
class TesteCodificacaoSaida : public QObject {
    Q_OBJECT

private slots:
    void gravar_data()
    {
        QTest::addColumn<qint64>("valor");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("inverter");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("300 in two bytes") << qint64(300) << 2 << true << Bytes({0x2C, 0x01});
        QTest::newRow("255 in one byte") << qint64(255) << 1 << true << Bytes({0xFF});
        QTest::newRow("0 in four bytes") << qint64(0) << 4 << true << Bytes({0, 0, 0, 0});
        QTest::newRow("451 in four bytes") << qint64(451) << 4 << true << Bytes({0xC3, 0x01, 0, 0});
        QTest::newRow("largest of four bytes") << qint64(0xFFFFFFFF) << 4 << true << Bytes({0xFF, 0xFF, 0xFF, 0xFF});
        QTest::newRow("not reversed") << qint64(0x1234) << 2 << false << Bytes({0x12, 0x34});
    }
    void gravar()
    {
        QFETCH(qint64, valor);
        QFETCH(int, n);
        QFETCH(bool, inverter);
        QFETCH(QByteArray, esperado);
        QByteArray stream("x"); // appends after what is there
        TFuncaoHexa::Gravar(valor, n, stream, inverter);
        QCOMPARE(stream, QByteArray("x") + esperado);
    }

    // A value that would widen its field is refused rather than written.
    void gravarForaDoCampo_data()
    {
        QTest::addColumn<qint64>("valor");
        QTest::addColumn<int>("n");
        QTest::newRow("256 in one byte") << qint64(256) << 1;
        QTest::newRow("65536 in two bytes") << qint64(65536) << 2;
        QTest::newRow("negative") << qint64(-1) << 2;
    }
    void gravarForaDoCampo()
    {
        QFETCH(qint64, valor);
        QFETCH(int, n);
        QByteArray stream;
        QVERIFY_THROWS_EXCEPTION(TErro, TFuncaoHexa::Gravar(valor, n, stream, true));
        QVERIFY(stream.isEmpty());
    }

    void valorBinario_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<quint64>("valor");
        QTest::newRow("empty") << QByteArray() << quint64(0);
        QTest::newRow("101") << QByteArray("101") << quint64(5);
        QTest::newRow("blanks around") << QByteArray("  101 ") << quint64(5);
        QTest::newRow("other characters are 0") << QByteArray("1x1") << quint64(5);
        QTest::newRow("sixteen digits") << QByteArray("1000000000000001") << quint64(0x8001);
    }
    void valorBinario()
    {
        QFETCH(QByteArray, texto);
        QFETCH(quint64, valor);
        QCOMPARE(TGeracaoArquivo::ValorBinario(texto), valor);
    }

    void colunaDeBits_data()
    {
        QTest::addColumn<QByteArray>("bits");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QByteArray>("coluna");
        QTest::newRow("first") << QByteArray("1110001") << 1 << 3 << QByteArray("111");
        QTest::newRow("second") << QByteArray("1110001") << 2 << 3 << QByteArray("000");
        QTest::newRow("cut short by the end") << QByteArray("1110001") << 3 << 3 << QByteArray("1");
        QTest::newRow("beyond the end") << QByteArray("1110001") << 4 << 3 << QByteArray();
        QTest::newRow("only blanks") << QByteArray("      ") << 1 << 3 << QByteArray();
    }
    void colunaDeBits()
    {
        QFETCH(QByteArray, bits);
        QFETCH(int, k);
        QFETCH(int, linhas);
        QFETCH(QByteArray, coluna);
        QCOMPARE(TGeracaoArquivo::ColunaDeBits(bits, k, linhas).toByteArray(), coluna);
    }

    // Bit 0 is the bottom row; two bytes per column above 8 rows, lower rows first.
    void gravarColunas_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QByteArray>("bits");
        QTest::addColumn<int>("colunas");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("7 rows, top lit") << 7 << QByteArray("1000000") << 1 << Bytes({0x40});
        QTest::newRow("8 rows, top and bottom") << 8 << QByteArray("10000001") << 1 << Bytes({0x81});
        QTest::newRow("16 rows, bottom lit") << 16 << QByteArray("0000000000000001") << 1 << Bytes({0x01, 0x00});
        QTest::newRow("16 rows, top lit") << 16 << QByteArray("1000000000000000") << 1 << Bytes({0x00, 0x80});
        QTest::newRow("13 rows, top and bottom") << 13 << QByteArray("1000000000001") << 1 << Bytes({0x01, 0x10});
        QTest::newRow("no bits: dark columns") << 8 << QByteArray() << 2 << Bytes({0, 0});
        QTest::newRow("columns past the bits are dark") << 8 << QByteArray("11111111") << 3 << Bytes({0xFF, 0, 0});
        // The rows a cut-short last column lacks are its bottom rows, not its top ones.
        QTest::newRow("short last column") << 7 << QByteArray("1000000" "1") << 2 << Bytes({0x40, 0x40});
        QTest::newRow("no rows: no bytes") << 0 << QByteArray("1111") << 5 << QByteArray();
    }
    void gravarColunas()
    {
        QFETCH(int, linhas);
        QFETCH(QByteArray, bits);
        QFETCH(int, colunas);
        QFETCH(QByteArray, esperado);
        QByteArray saida;
        TGeracaoArquivo::GravarColunas(bits, linhas, colunas, saida);
        QCOMPARE(saida, esperado);
    }

    // The bits of the messages follow each other: message 2 starts one sign width on.
    void bitsDoConteudo()
    {
        const QByteArray m1 = Fixture::Conteudo(2, 2, {QPoint(1, 1)});
        const QByteArray m2 = Fixture::Conteudo(2, 2, {QPoint(2, 2)});
        QCOMPARE(TGeracaoArquivo::BitsDoConteudo({m1, m2}), QByteArray("1000" "0001"));
        QCOMPARE(TGeracaoArquivo::BitsDoConteudo({}), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TesteCodificacaoSaida)
#include "tst_codificacaosaida.moc"
