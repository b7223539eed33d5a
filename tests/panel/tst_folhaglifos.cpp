#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "panel/UDesenhoFolhaGlifos.h"
#include "panel/UErro.h"
#include "panel/UFolhaGlifos.h"
#include "panel/UFontes.h"
#include "panel/UPictogramas.h"

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

    // A label keeps every mark inside its height, clear of its edges: the
    // accents of capitals once fell outside the box and were clipped, "Á"
    // showing as "A".
    void rotuloInteiro_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("semMarca");
        QTest::newRow("acute") << u"Á"_s << u"A"_s;
        QTest::newRow("circumflex") << u"Ô"_s << u"O"_s;
        QTest::newRow("tilde") << u"Ã"_s << u"A"_s;
        QTest::newRow("acute on I") << u"Í"_s << u"I"_s;
        QTest::newRow("cedilla") << u"Ç"_s << u"C"_s;
        QTest::newRow("lowercase cedilla") << u"ç"_s << u"c"_s;
        QTest::newRow("descender") << u"j"_s << u"i"_s;
        QTest::newRow("code") << u"213"_s << u"21"_s;
    }
    void rotuloInteiro()
    {
        QFETCH(QString, texto);
        QFETCH(QString, semMarca);
        const int altura = AlturaDoRotulo();
        const int topo = 30;
        auto pintar = [&](const QString &t) {
            QImage imagem(120, altura + 2 * topo, QImage::Format_RGB32);
            imagem.fill(Qt::black);
            QPainter p(&imagem);
            p.setRenderHint(QPainter::Antialiasing);
            DesenharRotulo(p, 20, topo, 80, t);
            return imagem;
        };
        const QImage imagem = pintar(texto);
        int acesos = 0;
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                if (imagem.pixel(x, y) != qRgb(0, 0, 0)) {
                    // The edge rows stay dark too: a mark cut off by the edge leaves ink on it.
                    QVERIFY2(y > topo && y < topo + altura - 1, qPrintable(u"lit at row %1"_s.arg(y - topo)));
                    ++acesos;
                }
        QVERIFY(acesos > 0);
        QVERIFY(imagem != pintar(semMarca));
    }

    // Each font shows the accent sample; in 13x9, the widest font, that line
    // sets the width of the sheet: 7-pixel LED pitch, 16-pixel margins.
    void folhaComAmostraDeAcentos()
    {
        QTemporaryDir pasta;
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        const QString amostra = u"SÃO JOÃO ESTAÇÃO PRAÇA Conceição Ônibus Rodoviária"_s;
        const int colunas = GradeDoTexto(TTipoFonte::tfVeltronix13x9, amostra).Colunas();
        const QImage folha = DesenharFolhaGlifos();
        TFontesLed::DefinirArquivoDeFontes({});
        QCOMPARE(folha.width(), colunas * 7 + 2 * 16);
    }

    // The pictograms of every height are on the sheet as LEDs: somewhere the
    // centre of every LED of the picture has the lit or dark colour it should.
    void folhaComPictogramas_data()
    {
        QTest::addColumn<int>("pictograma");
        QTest::addColumn<int>("altura");
        QTest::newRow("estádio, 13") << int(TPictograma::Estadio) << 13;
        QTest::newRow("trem, 11") << int(TPictograma::Trem) << 11;
        QTest::newRow("acessibilidade, 8") << int(TPictograma::Acessibilidade) << 8;
    }
    void folhaComPictogramas()
    {
        QFETCH(int, pictograma);
        QFETCH(int, altura);
        QTemporaryDir pasta;
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        const QImage folha = DesenharFolhaGlifos();
        TFontesLed::DefinirArquivoDeFontes({});
        const TGradeLeds &g = Pictogramas::Grade(TPictograma(pictograma), altura);
        // The colours at the centre of a lit and of a dark LED, as the sheet draws them.
        TGradeLeds par(1);
        par.Definir(1, 1, true);
        par.Definir(1, 2, false);
        const QImage cores = ImagemDaGrade(par, 7);
        const QRgb aceso = cores.pixel(3, 3);
        const QRgb apagado = cores.pixel(10, 3);
        QVERIFY(aceso != apagado);
        const auto confere = [&](int x, int y) {
            for (int c = 0; c < g.Colunas(); ++c)
                for (int l = 0; l < g.Linhas(); ++l)
                    if (folha.pixel(x + 7 * c, y + 7 * l) != (g.Aceso(l + 1, c + 1) ? aceso : apagado))
                        return false;
            return true;
        };
        bool achado = false;
        for (int y = 0; !achado && y + 7 * g.Linhas() < folha.height(); ++y)
            for (int x = 0; !achado && x + 7 * g.Colunas() < folha.width(); ++x)
                achado = confere(x, y);
        QVERIFY(achado);
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
