#include <QTemporaryDir>
#include <QtTest>

#include "panel/UArquivoIni.h"

using namespace Qt::StringLiterals;

// The profile-file reader and writer: names found without regard to case,
// values as written, and every byte the operator wrote kept on writing back.
class TesteArquivoIni : public QObject {
    Q_OBJECT

private slots:
    void leitura_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QByteArray>("valor");

        const QByteArray crlf = "; fonts\r\n[Veltronix 8x7]\r\n65=0110\r\n\r\n[Outra]\r\n65=1\r\n";
        QTest::newRow("crlf") << crlf << u"Veltronix 8x7"_s << u"65"_s << true << QByteArray("0110");
        QTest::newRow("section case") << crlf << u"VELTRONIX 8X7"_s << u"65"_s << true << QByteArray("0110");
        QTest::newRow("other section") << crlf << u"outra"_s << u"65"_s << true << QByteArray("1");
        QTest::newRow("lf") << QByteArray("[A]\n65=01\n66=10") << u"A"_s << u"66"_s << true << QByteArray("10");
        QTest::newRow("cr alone") << QByteArray("[A]\r65=01\r66=10\r") << u"A"_s << u"66"_s << true
                                  << QByteArray("10");
        QTest::newRow("mixed ends") << QByteArray("[A]\r\n65=01\r66=10\n") << u"A"_s << u"66"_s << true
                                    << QByteArray("10");
        QTest::newRow("key case") << QByteArray("[A]\nChave=x\n") << u"a"_s << u"CHAVE"_s << true << QByteArray("x");
        QTest::newRow("untrimmed value") << QByteArray("[A]\r\n 65 = 01 \r\n") << u"A"_s << u"65"_s << true
                                         << QByteArray(" 01 ");
        QTest::newRow("'=' in value") << QByteArray("[A]\n1=a=b\n") << u"A"_s << u"1"_s << true << QByteArray("a=b");
        QTest::newRow("empty value") << QByteArray("[A]\n1=\n") << u"A"_s << u"1"_s << true << QByteArray();
        QTest::newRow("first of two keys") << QByteArray("[A]\n1=a\n1=b\n") << u"A"_s << u"1"_s << true
                                           << QByteArray("a");
        QTest::newRow("missing key") << crlf << u"Veltronix 8x7"_s << u"66"_s << false << QByteArray();
        QTest::newRow("missing section") << crlf << u"Veltronix 5x5"_s << u"65"_s << false << QByteArray();
        QTest::newRow("key before any section") << QByteArray("1=a\n[A]\n") << u"A"_s << u"1"_s << false
                                                << QByteArray();
        QTest::newRow("comment") << QByteArray("[A]\n;1=a\n") << u"A"_s << u";1"_s << false << QByteArray();
        QTest::newRow("'=' in a section name") << QByteArray("[a=b]\n") << u"a=b"_s << u"[a"_s << false
                                               << QByteArray();
        QTest::newRow("leading zero") << QByteArray("[A]\n065=a\n") << u"A"_s << u"65"_s << false << QByteArray();
    }
    void leitura()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(bool, existe);
        QFETCH(QByteArray, valor);
        TArquivoIni ini;
        ini.DefinirConteudo(conteudo);
        QCOMPARE(ini.Contem(secao, chave), existe);
        QCOMPARE(ini.Valor(secao, chave).has_value(), existe);
        QCOMPARE(ini.Valor(secao, chave).value_or(QByteArray()), valor);
        QCOMPARE(ini.Conteudo(), conteudo);
    }

    void escrita_data()
    {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QByteArray>("valor");
        QTest::addColumn<QByteArray>("depois");

        QTest::newRow("replace, keep the rest") << QByteArray("junk\r\n[A]\r\n;c\r\nKey = x\r\n???\r\n") << u"a"_s
                                                << u"KEY"_s << QByteArray("y")
                                                << QByteArray("junk\r\n[A]\r\n;c\r\nKey =y\r\n???\r\n");
        QTest::newRow("append to own section") << QByteArray("[A]\n1=x\n; end of A\n\n[B]\n2=y\n") << u"a"_s
                                               << u"3"_s << QByteArray("z")
                                               << QByteArray("[A]\n1=x\n3=z\n; end of A\n\n[B]\n2=y\n");
        QTest::newRow("section without keys") << QByteArray("[A]\r\n; note\r\n") << u"A"_s << u"1"_s
                                              << QByteArray("x") << QByteArray("[A]\r\n1=x\r\n; note\r\n");
        QTest::newRow("new section") << QByteArray("[A]\r\n1=x\r\n") << u"Veltronix 5x5"_s << u"32"_s
                                     << QByteArray("00") << QByteArray("[A]\r\n1=x\r\n[Veltronix 5x5]\r\n32=00\r\n");
        QTest::newRow("no final line break") << QByteArray("[A]\n1=x") << u"A"_s << u"2"_s << QByteArray("y")
                                             << QByteArray("[A]\n1=x\n2=y\n");
        QTest::newRow("new section, no final line break") << QByteArray("; c") << u"A"_s << u"1"_s
                                                          << QByteArray("x") << QByteArray("; c\r\n[A]\r\n1=x\r\n");
        QTest::newRow("empty file") << QByteArray() << u"A"_s << u"1"_s << QByteArray("x")
                                    << QByteArray("[A]\r\n1=x\r\n");
        QTest::newRow("cr alone") << QByteArray("[A]\r1=x\r") << u"A"_s << u"2"_s << QByteArray("y")
                                  << QByteArray("[A]\r1=x\r2=y\r");
    }
    void escrita()
    {
        QFETCH(QByteArray, antes);
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QByteArray, valor);
        QFETCH(QByteArray, depois);
        TArquivoIni ini;
        ini.DefinirConteudo(antes);
        ini.DefinirValor(secao, chave, valor);
        QCOMPARE(ini.Conteudo(), depois);
        QCOMPARE(ini.Valor(secao, chave).value_or("(missing)"), valor);
    }

    // Many keys added to two sections land in their own sections, in order.
    void variasChavesNaPropriaSecao()
    {
        TArquivoIni ini;
        ini.DefinirConteudo("[B]\n0=b\n[A]\n0=a\n");
        for (int i = 1; i <= 3; ++i) {
            ini.DefinirValor(u"A"_s, QString::number(i), "a");
            ini.DefinirValor(u"b"_s, QString::number(i), "b");
        }
        QCOMPARE(ini.Conteudo(), QByteArray("[B]\n0=b\n1=b\n2=b\n3=b\n[A]\n0=a\n1=a\n2=a\n3=a\n"));
    }

    void disco()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(u"FONTES12.INI"_s);
        const QByteArray mista = "\xE7junk\n[A]\r\n1=\xE3\r\n";
        TArquivoIni ini;
        QVERIFY(!ini.Ler(caminho));
        ini.DefinirConteudo(mista);
        QVERIFY(ini.Gravar(caminho));
        TArquivoIni lido;
        QVERIFY(lido.Ler(caminho));
        QCOMPARE(lido.Conteudo(), mista);
        QCOMPARE(lido.Valor(u"A"_s, u"1"_s).value_or(QByteArray()), QByteArray("\xE3"));

        // The parent is a regular file: nobody, root included, can create the file.
        QVERIFY(!ini.Gravar(caminho + u"/FONTES12.INI"_s));
        QVERIFY(lido.Ler(caminho));
        QCOMPARE(lido.Conteudo(), mista);
    }
};

QTEST_GUILESS_MAIN(TesteArquivoIni)
#include "tst_arquivoini.moc"
