#include <QtTest>
#include <set>

#include "panel/UFontes.h"
#include "panel/UGlifosPadrao.h"

// The built-in glyph tables: the codes each font covers, the shape rules every
// glyph keeps, and the glyphs whose exact strings other programs rely on.
class TesteGlifos : public QObject {
    Q_OBJECT

    static std::set<int> codigosEsperados(int fonte)
    {
        std::set<int> codigos = {32, 33, 40, 41, 43, 45, 46, 47, 58};
        for (int c = '0'; c <= '9'; ++c)
            codigos.insert(c);
        for (int c = 'A'; c <= 'Z'; ++c)
            codigos.insert(c);
        for (int c = 'a'; c <= 'z'; ++c)
            codigos.insert(c);
        const std::set<int> lista8x4 = {193, 194, 195, 199, 201, 202, 205, 211, 212, 213,
                                        225, 226, 227, 231, 233, 234, 237, 243, 244, 245};
        auto sem = [](std::set<int> s, std::initializer_list<int> fora) {
            for (int c : fora)
                s.erase(c);
            return s;
        };
        std::set<int> acentos;
        switch (fonte) {
        case 1: codigos.erase('w'); acentos = {205, 231, 237}; break;
        case 2: codigos.erase('W'); acentos = {193, 194, 195, 199, 205, 231, 243, 244, 245}; break;
        case 3: acentos = {193, 194, 195, 199, 205, 211, 212, 213, 231}; break;
        case 5: acentos = sem(lista8x4, {227, 245}); break;
        case 9: codigos.erase('W'); acentos = sem(lista8x4, {243, 244, 245}); break;
        case 10: acentos = sem(lista8x4, {205, 243, 244}); break;
        default: acentos = lista8x4; break;
        }
        codigos.insert(acentos.begin(), acentos.end());
        return codigos;
    }

    static int colunas(const QByteArray &glifo, int altura) { return int(glifo.size() / altura); }

private slots:
    void codigosDeCadaFonte_data()
    {
        QTest::addColumn<int>("fonte");
        QTest::addColumn<int>("quantidade");
        const int quantidades[] = {73, 79, 80, 91, 89, 91, 91, 91, 87, 88, 91, 91};
        for (int f = 1; f <= 12; ++f)
            QTest::addRow("%s", qPrintable(TFontesLed::NomeDaFonte(TTipoFonte(f)))) << f << quantidades[f - 1];
    }
    void codigosDeCadaFonte()
    {
        QFETCH(int, fonte);
        QFETCH(int, quantidade);
        std::set<int> obtidos;
        for (const TGlifoPadrao &g : GlifosPadrao(TTipoFonte(fonte)))
            QVERIFY2(obtidos.insert(g.Codigo).second, qPrintable(QStringLiteral("code %1 twice").arg(g.Codigo)));
        QCOMPARE(obtidos, codigosEsperados(fonte));
        QCOMPARE(int(obtidos.size()), quantidade);
    }

    void formaDeCadaGlifo_data() { codigosDeCadaFonte_data(); }
    void formaDeCadaGlifo()
    {
        QFETCH(int, fonte);
        const TTipoFonte f = TTipoFonte(fonte);
        const int h = TFontesLed::AlturaDaFonte(f);
        int larguraDigitos = -1;
        for (const TGlifoPadrao &g : GlifosPadrao(f)) {
            const QString onde = QStringLiteral("code %1").arg(g.Codigo);
            QVERIFY2(!g.Glifo.contains('2'), qPrintable(onde));
            if (f == TTipoFonte::tfVeltronix5x5 && g.Codigo == 32)
                continue; // the 13-character space is not whole columns on purpose
            QVERIFY2(g.Glifo.size() % h == 0, qPrintable(onde + QStringLiteral(": not whole columns")));
            QVERIFY2(g.Glifo.size() >= 2 * h, qPrintable(onde + QStringLiteral(": fewer than two columns")));
            QVERIFY2(g.Glifo.right(h) == QByteArray(h, '0'),
                     qPrintable(onde + QStringLiteral(": last column not blank")));
            if (g.Codigo >= '0' && g.Codigo <= '9') {
                if (larguraDigitos < 0)
                    larguraDigitos = colunas(g.Glifo, h);
                QVERIFY2(colunas(g.Glifo, h) == larguraDigitos, qPrintable(onde + QStringLiteral(": digit width")));
            }
        }
    }

    void entradasConhecidas_data()
    {
        QTest::addColumn<int>("fonte");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QByteArray>("glifo");
        QTest::newRow("5x5 A") << 1 << 65 << QByteArray("0111110100101000111100000");
        QTest::newRow("5x5 space") << 1 << 32 << QByteArray("0000000000000");
        QTest::newRow("8x7 0") << 7 << 48
                               << QByteArray("0111111011111111100000011000000110000001111111110111111000000000");
        QTest::newRow("8x7 colon") << 7 << 58 << QByteArray("0000101000000000");
        QTest::newRow("8x7 space") << 7 << 32 << QByteArray(24, '0');
    }
    void entradasConhecidas()
    {
        QFETCH(int, fonte);
        QFETCH(int, codigo);
        QFETCH(QByteArray, glifo);
        for (const TGlifoPadrao &g : GlifosPadrao(TTipoFonte(fonte)))
            if (g.Codigo == codigo) {
                QCOMPARE(g.Glifo, glifo);
                return;
            }
        QFAIL("glyph missing");
    }

    void desenhoMalFormadoFalha()
    {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, GlifoDoDesenho("##.\n#.\n", 2));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, GlifoDoDesenho("##\n", 2));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, GlifoDoDesenho("#x\n..\n", 2));
        QCOMPARE(GlifoDoDesenho("\n#.\n.#\n", 2), QByteArray("1001"));
    }
};

QTEST_GUILESS_MAIN(TesteGlifos)
#include "tst_glifos.moc"
