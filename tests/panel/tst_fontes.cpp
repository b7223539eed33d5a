#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "panel/UArquivoIni.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "panel/UGlifosPadrao.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TTipoFonte)

// The font operations over a font file of each test's own.
class TesteFontes : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> pasta;
    QString arquivo;

    void gravar(const QByteArray &conteudo)
    {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(conteudo);
    }
    QByteArray conteudo() const
    {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray glifo(TTipoFonte fonte, const QString &codigo)
    {
        QByteArray g;
        TFontesLed::LerGlifo(fonte, codigo, g);
        return g;
    }
    static QDateTime modificado(const QString &caminho)
    {
        QFileInfo info(caminho);
        return info.lastModified();
    }
    // Every built-in glyph reads back unchanged, from the file or from the tables.
    static void todosOsPadroesLidos()
    {
        for (int f = 1; f <= 12; ++f)
            for (const TGlifoPadrao &g : GlifosPadrao(TTipoFonte(f)))
                QCOMPARE(glifo(TTipoFonte(f), QString::number(g.Codigo)), g.Glifo);
    }

private slots:
    void init()
    {
        pasta = std::make_unique<QTemporaryDir>();
        arquivo = pasta->filePath(u"FONTES12.INI"_s);
        TFontesLed::DefinirArquivoDeFontes(arquivo);
    }
    void cleanup() { TFontesLed::DefinirArquivoDeFontes({}); }

    void arquivoAoLadoDoPrograma()
    {
        TFontesLed::DefinirArquivoDeFontes({});
        QCOMPARE(TFontesLed::ArquivoDeFontes(), QDir(QCoreApplication::applicationDirPath()).filePath(u"FONTES12.INI"_s));
    }

    void fonteDoTexto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("numero");
        for (const char *t : {" 1", "01", "", "0", "13", "1 ", "x"})
            QTest::addRow("\"%s\"", t) << QString::fromLatin1(t) << 0;
        QTest::newRow("1") << u"1"_s << 1;
        QTest::newRow("12") << u"12"_s << 12;
    }
    void fonteDoTexto()
    {
        QFETCH(QString, texto);
        QFETCH(int, numero);
        const TTipoFonte fonte = TFontesLed::FonteDoTexto(texto);
        QCOMPARE(int(fonte), numero);
        QCOMPARE(TFontesLed::NumeroDaFonte(fonte), numero);
        QCOMPARE(TFontesLed::TextoDaFonte(fonte), numero ? texto : QString());
    }

    void ultimaColunaDoGlifo_data()
    {
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::addColumn<QByteArray>("glifo");
        QTest::addColumn<int>("altura");
        QTest::addColumn<int>("ultima");
        QTest::newRow("5x5 space, 13 characters") << TTipoFonte::tfVeltronix5x5 << QByteArray(13, '0') << 5 << 1;
        QTest::newRow("8x7 zero") << TTipoFonte::tfVeltronix8x7 << QByteArray(64, '1') << 8 << 7;
        QTest::newRow("empty") << TTipoFonte::tfVeltronix8x7 << QByteArray() << 8 << -1;
        QTest::newRow("shorter than a column") << TTipoFonte::tfVeltronix8x7 << QByteArray(7, '1') << 8 << -1;
        QTest::newRow("no font") << TTipoFonte::tfNenhum << QByteArray(16, '1') << 8 << 0;
        QTest::newRow("height 0") << TTipoFonte::tfVeltronix8x7 << QByteArray(16, '1') << 0 << -1;
    }
    void ultimaColunaDoGlifo()
    {
        QFETCH(TTipoFonte, fonte);
        QFETCH(QByteArray, glifo);
        QFETCH(int, altura);
        QFETCH(int, ultima);
        QCOMPARE(TFontesLed::UltimaColunaDoGlifo(fonte, glifo, altura), ultima);
    }

    void glifoCentralizado_data()
    {
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::addColumn<QByteArray>("glifo");
        QTest::addColumn<bool>("centralizar");
        QTest::addColumn<bool>("resultado");
        QTest::addColumn<QByteArray>("esperado");
        QTest::addColumn<int>("colunas");
        const QByteArray doisPontos = "0000101000000000";
        const QByteArray zero = "0111111011111111100000011000000110000001111111110111111000000000";
        const QByteArray branca(8, '0');
        QTest::newRow("8x7 colon") << TTipoFonte::tfVeltronix8x7 << doisPontos << true << true
                                   << branca + branca + branca + doisPontos + branca + branca << 7;
        QTest::newRow("8x7 colon, not centred") << TTipoFonte::tfVeltronix8x7 << doisPontos << false << true
                                                << doisPontos << 2;
        QTest::newRow("8x7 zero, wider") << TTipoFonte::tfVeltronix8x7 << zero << true << true << zero << 8;
        QTest::newRow("8x7 empty") << TTipoFonte::tfVeltronix8x7 << QByteArray() << true << true
                                   << branca.repeated(7) << 7;
        QTest::newRow("no font") << TTipoFonte::tfNenhum << doisPontos << true << false << doisPontos << 0;
    }
    void glifoCentralizado()
    {
        QFETCH(TTipoFonte, fonte);
        QFETCH(QByteArray, glifo);
        QFETCH(bool, centralizar);
        QFETCH(bool, resultado);
        QFETCH(QByteArray, esperado);
        QFETCH(int, colunas);
        int obtidas = -1;
        QCOMPARE(TFontesLed::GlifoCentralizado(fonte, glifo, 8, centralizar, obtidas), resultado);
        QCOMPARE(glifo, esperado);
        QCOMPARE(obtidas, colunas);
    }

    void lerGlifo_data()
    {
        QTest::addColumn<QByteArray>("arquivo");
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QByteArray>("glifo");
        QTest::addColumn<bool>("achado");
        const QByteArray fontes = "[veltronix 8X7]\r\n65= 0110 \r\n66=\r\n67=  \t\r\n[Veltronix 5x5]\r\n231=11\r\n";
        const auto f8x7 = TTipoFonte::tfVeltronix8x7;
        QTest::newRow("as read, untrimmed") << fontes << f8x7 << u"65"_s << QByteArray(" 0110 ") << true;
        QTest::newRow("accented") << fontes << TTipoFonte::tfVeltronix5x5 << u"231"_s << QByteArray("11") << true;
        QTest::newRow("empty value") << fontes << f8x7 << u"66"_s << QByteArray() << false;
        QTest::newRow("blank value") << fontes << f8x7 << u"67"_s << QByteArray("  \t") << false;
        QTest::newRow("missing key, no built-in stands in") << fontes << f8x7 << u"48"_s << QByteArray() << false;
        QTest::newRow("missing section") << fontes << TTipoFonte::tfVeltronix13x9 << u"65"_s << QByteArray() << false;
        QTest::newRow("leading zero") << fontes << f8x7 << u"065"_s << QByteArray() << false;
        QTest::newRow("no font") << fontes << TTipoFonte::tfNenhum << u"65"_s << QByteArray() << false;
    }
    void lerGlifo()
    {
        QFETCH(QByteArray, arquivo);
        QFETCH(TTipoFonte, fonte);
        QFETCH(QString, codigo);
        QFETCH(QByteArray, glifo);
        QFETCH(bool, achado);
        gravar(arquivo);
        QByteArray lido = "stale";
        QCOMPARE(TFontesLed::LerGlifo(fonte, codigo, lido), achado);
        QCOMPARE(lido, glifo);
    }

    // A hand edit shows at the next lookup, also when it keeps the file's size.
    void edicaoValeNaProximaLeitura()
    {
        gravar("[Veltronix 8x7]\r\n65=0001\r\n");
        QCOMPARE(glifo(TTipoFonte::tfVeltronix8x7, u"65"_s), QByteArray("0001"));
        gravar("[Veltronix 8x7]\r\n65=000111\r\n");
        QCOMPARE(glifo(TTipoFonte::tfVeltronix8x7, u"65"_s), QByteArray("000111"));

        const QDateTime antes = modificado(arquivo);
        gravar("[Veltronix 8x7]\r\n65=111000\r\n");
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(antes.addSecs(2), QFileDevice::FileModificationTime));
        f.close();
        QCOMPARE(glifo(TTipoFonte::tfVeltronix8x7, u"65"_s), QByteArray("111000"));

        // Deleted: the built-ins stand in until the file is back.
        QVERIFY(QFile::remove(arquivo));
        todosOsPadroesLidos();
        gravar("[Veltronix 8x7]\r\n65=01\r\n");
        QCOMPARE(glifo(TTipoFonte::tfVeltronix8x7, u"65"_s), QByteArray("01"));
    }

    void criarFontesPadrao()
    {
        TFontesLed::CriarFontesPadrao();
        const QByteArray completo = conteudo();
        TArquivoIni ini;
        ini.DefinirConteudo(completo);
        for (int f = 1; f <= 12; ++f)
            for (const TGlifoPadrao &g : GlifosPadrao(TTipoFonte(f)))
                QCOMPARE(ini.Valor(TFontesLed::SecaoDaFonte(TTipoFonte(f)), QString::number(g.Codigo)), g.Glifo);
        todosOsPadroesLidos();

        // Nothing missing: the file is not written at all.
        const QDateTime antigo = QDateTime::currentDateTime().addDays(-1);
        {
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(antigo, QFileDevice::FileModificationTime));
        }
        TFontesLed::CriarFontesPadrao();
        QCOMPARE(modificado(arquivo), antigo);

        // Deleted: the next pass writes it again, whole.
        QVERIFY(QFile::remove(arquivo));
        TFontesLed::CriarFontesPadrao();
        QCOMPARE(conteudo(), completo);
    }

    // Empty or damaged values are the operator's: never repaired, and the
    // lines around them stay as they were.
    void valoresDanificadosMantidos()
    {
        const auto fonte = TTipoFonte::tfVeltronix8x7;
        const auto &padrao = GlifosPadrao(fonte);
        if (padrao.size() < 2)
            QSKIP("the 8x7 table needs two glyphs");
        const QString primeiro = QString::number(padrao.at(0).Codigo);
        const QString segundo = QString::number(padrao.at(1).Codigo);
        const QByteArray antes = "; my fonts\r\n[Veltronix 8x7]\r\n" + primeiro.toLatin1() + "=\r\n"
            + segundo.toLatin1() + "=x2y\r\n";
        gravar(antes);
        TFontesLed::CriarFontesPadrao();
        QVERIFY(conteudo().startsWith(antes));
        QByteArray g;
        QVERIFY(!TFontesLed::LerGlifo(fonte, primeiro, g));
        QVERIFY(g.isEmpty());
        QVERIFY(TFontesLed::LerGlifo(fonte, segundo, g));
        QCOMPARE(g, QByteArray("x2y"));
        for (size_t i = 2; i < padrao.size(); ++i)
            QCOMPARE(glifo(fonte, QString::number(padrao.at(i).Codigo)), padrao.at(i).Glifo);
    }

    // Lines ending in CR alone are lines: the file is completed once, not given a second copy.
    void finsDeLinhaSoCr()
    {
        const QByteArray antes = "[Veltronix 8x7]\r65=111000\r48=1\r";
        gravar(antes);
        TFontesLed::CriarFontesPadrao();
        const QByteArray completo = conteudo();
        QVERIFY(completo.startsWith("[Veltronix 8x7]\r65=111000\r48=1\r"));
        QCOMPARE(completo.count("[Veltronix 8x7]"), 1);
        qsizetype linhas = 12; // a section line per font, a line per glyph: none twice
        for (int f = 1; f <= 12; ++f)
            linhas += qsizetype(GlifosPadrao(TTipoFonte(f)).size());
        QCOMPARE(completo.count('\r'), linhas);
        QVERIFY(!completo.contains('\n'));
        QCOMPARE(glifo(TTipoFonte::tfVeltronix8x7, u"65"_s), QByteArray("111000"));
        QCOMPARE(glifo(TTipoFonte::tfVeltronix8x7, u"48"_s), QByteArray("1"));
        TFontesLed::CriarFontesPadrao();
        QCOMPARE(conteudo(), completo);
    }

    // A glyph wider than any sign the controller file holds is damaged: it reads as missing.
    void glifoLargoDemais_data()
    {
        QTest::addColumn<int>("colunas");
        QTest::addColumn<bool>("lido");
        QTest::newRow("255 columns") << 255 << true;
        QTest::newRow("256 columns") << 256 << false;
        QTest::newRow("1 MB") << (1 << 20) << false;
    }
    void glifoLargoDemais()
    {
        QFETCH(int, colunas);
        QFETCH(bool, lido);
        const QByteArray largo(qsizetype(colunas) * 8, '1');
        gravar("[Veltronix 8x7]\r\n65=" + largo + "\r\n");
        QByteArray g;
        QCOMPARE(TFontesLed::LerGlifo(TTipoFonte::tfVeltronix8x7, u"65"_s, g), lido);
        QCOMPARE(g, lido ? largo : QByteArray());
    }

    // A readable file that cannot be completed: lookups get the built-in glyph
    // of every key it lacks, and keep the keys it has, until the file changes.
    void arquivoSoLeitura()
    {
        // No temporary file can be made beside a name this long, not even by root.
        arquivo = pasta->filePath(QString(250, u'f'));
        TFontesLed::DefinirArquivoDeFontes(arquivo);
        gravar("[Veltronix 8x7]\r\n65=111000\r\n");
        try {
            TFontesLed::CriarFontesPadrao();
            QFAIL("no error");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, u"Unable to write to "_s + QDir::toNativeSeparators(arquivo));
        }
        QCOMPARE(conteudo(), QByteArray("[Veltronix 8x7]\r\n65=111000\r\n"));
        QCOMPARE(glifo(TTipoFonte::tfVeltronix8x7, u"65"_s), QByteArray("111000"));
        for (int f = 1; f <= 12; ++f)
            for (const TGlifoPadrao &g : GlifosPadrao(TTipoFonte(f)))
                if (!(f == int(TTipoFonte::tfVeltronix8x7) && g.Codigo == 65))
                    QCOMPARE(glifo(TTipoFonte(f), QString::number(g.Codigo)), g.Glifo);
    }

    // Made unwritable in ways root cannot get around either.
    void arquivoNaoGravavel_data()
    {
        QTest::addColumn<QString>("caminho");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("the path is a directory")
            << u"FONTES12.INI"_s << u"ATENÇÃO:\r\n\"%1\" não é um arquivo comum: é uma pasta."_s;
        QTest::newRow("the parent is a file") << u"arquivo/FONTES12.INI"_s << u"Unable to write to %1"_s;
    }
    void arquivoNaoGravavel()
    {
        QFETCH(QString, caminho);
        QFETCH(QString, mensagem);
        QVERIFY(QDir(pasta->path()).mkdir(u"FONTES12.INI"_s));
        arquivo = pasta->filePath(u"arquivo"_s);
        gravar("x");
        const QString completo = pasta->filePath(caminho);
        TFontesLed::DefinirArquivoDeFontes(completo);
        try {
            TFontesLed::CriarFontesPadrao();
            QFAIL("no error");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, mensagem.arg(QDir::toNativeSeparators(completo)));
        }
        // The glyphs are still there, from the built-in tables.
        todosOsPadroesLidos();
    }
};

QTEST_GUILESS_MAIN(TesteFontes)
#include "tst_fontes.moc"
