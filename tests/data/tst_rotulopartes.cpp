#include <QtTest>

#include "data/URotuloPartes.h"

using namespace Qt::StringLiterals;

// A label as the list draws it: bracketed parts, coloured by their number.
class TesteRotuloPartes : public QObject {
    Q_OBJECT

    static QString texto(const QList<TParteRotulo> &partes)
    {
        QStringList t;
        for (const TParteRotulo &p : partes)
            t << u"%1 %2"_s.arg(p.Texto).arg(p.Cor, 8, 16, QChar(u'0'));
        return t.join(u", "_s);
    }

private slots:
    void partes_data()
    {
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("partes");
        QTest::newRow("two parts") << u"Centro|Rua A"_s << u"[Centro] 00000000, [Rua A] 00008000"_s;
        QTest::newRow("an empty part is skipped") << u"A||C"_s << u"[A] 00000000, [C] 00008000"_s;
        QTest::newRow("a blank part goes into the next") << u" |B"_s << u"[ B] 00000000"_s;
        QTest::newRow("nine parts: the ninth as the eighth")
            << u"1|2|3|4|5|6|7|8|9"_s
            << u"[1] 00000000, [2] 00008000, [3] 006ab5ff, [4] 00000080, [5] 00c0c0c0, [6] 00f0caa6, "
               u"[7] 006ab5ff, [8] 0000ff00, [9] 0000ff00"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only bars") << u"||"_s << QString();
        QTest::newRow("trailing blank part") << u"A| "_s << u"[A] 00000000"_s;
    }
    void partes()
    {
        QFETCH(QString, rotulo);
        QFETCH(QString, partes);
        QCOMPARE(texto(PartesDoRotulo(rotulo)), partes);
    }
};

QTEST_GUILESS_MAIN(TesteRotuloPartes)
#include "tst_rotulopartes.moc"
