#include <QApplication>
#include <QFontDatabase>
#include <QtTest>

#include "app/ui/UAmbiente.h"

using namespace Qt::StringLiterals;

// The program's language and fonts on a Debian desktop, whatever the machine's language.
class TesteAmbiente : public QObject {
    Q_OBJECT

private slots:
    void localidadeDasDatas_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcTime");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QByteArray>("datas");
        QTest::newRow("máquina sem idioma") << QByteArray() << QByteArray() << "C.UTF-8"_ba << "pt_BR.UTF-8"_ba;
        QTest::newRow("nada definido") << QByteArray() << QByteArray() << QByteArray() << "pt_BR.UTF-8"_ba;
        QTest::newRow("inglês") << QByteArray() << QByteArray() << "en_US.UTF-8"_ba << "pt_BR.UTF-8"_ba;
        QTest::newRow("brasileira") << QByteArray() << QByteArray() << "pt_BR.UTF-8"_ba << QByteArray();
        QTest::newRow("portuguesa") << QByteArray() << QByteArray() << "pt_PT.UTF-8"_ba << QByteArray();
        QTest::newRow("datas já em português") << QByteArray() << "pt_BR.UTF-8"_ba << "en_US.UTF-8"_ba
                                               << QByteArray();
        QTest::newRow("datas em inglês") << QByteArray() << "en_GB.UTF-8"_ba << "pt_BR.UTF-8"_ba << "pt_BR.UTF-8"_ba;
        // LC_ALL overrides every category: whoever set it chose.
        QTest::newRow("LC_ALL decide") << "en_US.UTF-8"_ba << QByteArray() << QByteArray() << QByteArray();
    }
    void localidadeDasDatas()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcTime);
        QFETCH(QByteArray, lang);
        QFETCH(QByteArray, datas);
        QCOMPARE(LocalidadeDasDatas(lcAll, lcTime, lang), datas);
    }

    // Tahoma from the fonts the package depends on; Qt's own captions in Portuguese; Brazilian dates.
    void ambiente()
    {
        PrepararAmbiente(*qApp);
        QVERIFY2(QFontDatabase::families().contains(u"Tahoma"_s), "Tahoma (fonts-wine) is not installed");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), u"&Nome do arquivo:"_s);
        QCOMPARE(QLocale().toString(QDate(2026, 12, 10), QLocale::ShortFormat), u"10/12/2026"_s);
    }
};

QTEST_MAIN(TesteAmbiente)
#include "tst_ambiente.moc"
