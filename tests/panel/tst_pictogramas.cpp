#include <QtTest>
#include <map>
#include <set>
#include <stdexcept>

#include "panel/UDesenhoPontos.h"
#include "panel/UPictogramas.h"

using namespace Qt::StringLiterals;

// The built-in pictograms: every design at every height keeps the shape rules
// a figure on a sign needs, and the picture reader refuses what is malformed.
class TestePictogramas : public QObject {
    Q_OBJECT

    static const std::vector<TDesenhoPictograma> &tabela(int altura)
    {
        return altura == 8 ? Pictogramas::Altura8 : altura == 11 ? Pictogramas::Altura11 : Pictogramas::Altura13;
    }

    // The columns of the narrowest model the editor offers with that many rows.
    static int maisEstreito(int altura) { return altura == 8 ? 40 : altura == 11 ? 32 : 28; }

    static bool colunaAcesa(const TGradeLeds &g, int coluna)
    {
        for (int l = 1; l <= g.Linhas(); ++l)
            if (g.Aceso(l, coluna))
                return true;
        return false;
    }

    static QString desenho(const TGradeLeds &g)
    {
        QString texto;
        for (int l = 1; l <= g.Linhas(); ++l) {
            for (int c = 1; c <= g.Colunas(); ++c)
                texto += g.Aceso(l, c) ? u'#' : u'.';
            texto += u'\n';
        }
        return texto;
    }

private slots:
    void altura_data()
    {
        QTest::addColumn<int>("altura");
        for (int altura : Pictogramas::Alturas)
            QTest::newRow(qPrintable(QString::number(altura))) << altura;
    }

    // Each set holds every pictogram once, at its height, as wide as the
    // narrowest sign of that height leaves room for, with no blank column at
    // either edge (the dark column after a figure is the insertion's), and no
    // two pictures alike.
    void altura()
    {
        QFETCH(int, altura);
        std::map<TPictograma, int> vezes;
        for (const TDesenhoPictograma &d : tabela(altura))
            ++vezes[d.Pictograma];
        QCOMPARE(vezes.size(), Pictogramas::Todos().size());
        for (const auto &[pictograma, n] : vezes)
            QVERIFY2(n == 1, qPrintable(Pictogramas::Nome(pictograma)));
        std::set<QString> vistos;
        for (TPictograma p : Pictogramas::Todos()) {
            const TGradeLeds &g = Pictogramas::Grade(p, altura);
            const QByteArray nome = Pictogramas::Nome(p).toUtf8();
            QCOMPARE(g.Linhas(), altura);
            QVERIFY2(g.Colunas() >= altura / 2 && g.Colunas() <= maisEstreito(altura), nome);
            QVERIFY2(colunaAcesa(g, 1), nome);
            QVERIFY2(colunaAcesa(g, g.Colunas()), nome);
            QVERIFY2(vistos.insert(desenho(g)).second, nome);
        }
    }

    // A pictogram looks the same at every height: the taller set is never narrower.
    void alturasCrescem()
    {
        for (TPictograma p : Pictogramas::Todos())
            QVERIFY2(Pictogramas::Grade(p, 8).Colunas() <= Pictogramas::Grade(p, 11).Colunas()
                         && Pictogramas::Grade(p, 11).Colunas() <= Pictogramas::Grade(p, 13).Colunas(),
                     qPrintable(Pictogramas::Nome(p)));
    }

    void nomes()
    {
        std::set<QString> nomes;
        for (TPictograma p : Pictogramas::Todos())
            QVERIFY(nomes.insert(Pictogramas::Nome(p)).second && !Pictogramas::Nome(p).isEmpty());
        QCOMPARE(Pictogramas::Nome(TPictograma::Trem), u"Trem / Metrô"_s);
        QCOMPARE(Pictogramas::Nome(TPictograma::Estadio), u"Estádio"_s);
    }

    void alturaPara_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("altura");
        QTest::newRow("nenhuma") << 0 << 0;
        QTest::newRow("7") << 7 << 0;
        QTest::newRow("8") << 8 << 8;
        QTest::newRow("10") << 10 << 8;
        QTest::newRow("11") << 11 << 11;
        QTest::newRow("12") << 12 << 11;
        QTest::newRow("13") << 13 << 13;
        QTest::newRow("16") << 16 << 13;
    }
    void alturaPara()
    {
        QFETCH(int, linhas);
        QFETCH(int, altura);
        QCOMPARE(Pictogramas::AlturaPara(linhas), altura);
    }

    void alturaSemDesenho() { QVERIFY_THROWS_EXCEPTION(std::logic_error, Pictogramas::Grade(TPictograma::Praia, 9)); }

    void leitor_data()
    {
        QTest::addColumn<QByteArray>("desenho");
        QTest::addColumn<int>("altura");
        QTest::newRow("linhas a menos") << QByteArray("##.\n#..\n") << 3;
        QTest::newRow("linhas a mais") << QByteArray("##\n#.\n.#\n") << 2;
        QTest::newRow("larguras diferentes") << QByteArray("##.\n#.\n") << 2;
        QTest::newRow("linha vazia no meio") << QByteArray("##\n\n.#\n") << 3;
        QTest::newRow("outro caractere") << QByteArray("#x\n..\n") << 2;
        QTest::newRow("espaco") << QByteArray("# \n..\n") << 2;
    }
    void leitor()
    {
        QFETCH(QByteArray, desenho);
        QFETCH(int, altura);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, GradeDoDesenho(desenho.constData(), altura));
    }

    // Blank lines around the picture are not rows; "#" is lit, "." dark, row by row.
    void leitorLe()
    {
        const TGradeLeds g = GradeDoDesenho("\n\n#..\n.##\n\n", 2);
        QCOMPARE(g.Linhas(), 2);
        QCOMPARE(g.Colunas(), 3);
        QCOMPARE(desenho(g), u"#..\n.##\n"_s);
    }
};

QTEST_GUILESS_MAIN(TestePictogramas)
#include "tst_pictogramas.moc"
