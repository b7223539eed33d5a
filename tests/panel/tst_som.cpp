#include <QtTest>

#include "panel/USom.h"

class TesteSom : public QObject {
    Q_OBJECT
private slots:
    void bipeContado()
    {
        int bipes = 0;
        TSom::DefinirBipe([&] { ++bipes; });
        TSom::Bipe();
        TSom::Bipe();
        TSom::DefinirBipe({});
        TSom::Bipe();
        QCOMPARE(bipes, 2);
    }
};

QTEST_GUILESS_MAIN(TesteSom)
#include "tst_som.moc"
