#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "panel/UDesenhoFolhaGlifos.h"
#include "panel/UErro.h"
#include "panel/UFolhaGlifos.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// Laying glyphs and texts into an LED grid, and the glyph sheet picture.
class TesteFolhaGlifos : public QObject {
    Q_OBJECT

    // The grid as text rows, "#" lit and "." dark.
    static QStringList desenho(const TGradeLeds &grade)
    {
        QStringList linhas;
        for (int l = 1; l <= grade.Linhas(); ++l) {
            QString linha;
            for (int c = 1; c <= grade.Colunas(); ++c)
                linha += grade.Aceso(l, c) ? u'#' : u'.';
            linhas << linha;
        }
        return linhas;
    }

private slots:
    void assentarGlifo_data()
    {
        QTest::addColumn<QByteArray>("glifo");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QStringList>("esperado");
        QTest::addColumn<int>("proxima");
        QTest::newRow("two columns") << QByteArray("100011") << 1 << QStringList{u"#."_s, u".#"_s, u".#"_s} << 3;
        QTest::newRow("from column 2") << QByteArray("101") << 2 << QStringList{u".#"_s, u".."_s, u".#"_s} << 3;
        QTest::newRow("overlay column") << QByteArray("102010") << 1 << QStringList{u"."_s, u"#"_s, u"."_s} << 2;
        QTest::newRow("tail into the next column") << QByteArray("1111") << 1
                                                   << QStringList{u"##"_s, u"#."_s, u"#."_s} << 2;
        QTest::newRow("empty") << QByteArray() << 1 << QStringList{QString(), QString(), QString()} << 1;
    }
    void assentarGlifo()
    {
        QFETCH(QByteArray, glifo);
        QFETCH(int, coluna);
        QFETCH(QStringList, esperado);
        QFETCH(int, proxima);
        TGradeLeds grade(3);
        QCOMPARE(AssentarGlifo(grade, coluna, glifo, 3), proxima);
        QCOMPARE(desenho(grade), esperado);
    }

    // Glyph after glyph from the font file; a character the font lacks, or
    // that Windows-1252 cannot hold, is skipped.
    void gradeDoTexto()
    {
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(u"FONTES12.INI"_s);
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Veltronix 5x5]\r\n65=1111100000\r\n231=0000100001\r\n");
        f.close();
        TFontesLed::DefinirArquivoDeFontes(arquivo);
        const TGradeLeds grade = GradeDoTexto(TTipoFonte::tfVeltronix5x5, u"AçBΩA"_s);
        TFontesLed::DefinirArquivoDeFontes({});
        QCOMPARE(desenho(grade), (QStringList{u"#...#."_s, u"#...#."_s, u"#...#."_s, u"#...#."_s, u"#.###."_s}));
    }

    void folhaGravada()
    {
        QTemporaryDir pasta;
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        const QString png = pasta.filePath(u"folha.png"_s);
        GravarFolhaGlifos(png);
        QImage folha(png);
        QVERIFY(!folha.isNull());
        QVERIFY(folha.width() >= 1280);
        QVERIFY(folha.height() >= 12 * 30);
        QVERIFY_THROWS_EXCEPTION(TErro, GravarFolhaGlifos(png + u"/x.png"_s));
        TFontesLed::DefinirArquivoDeFontes({});
    }
};

QTEST_MAIN(TesteFolhaGlifos)
#include "tst_folhaglifos.moc"
