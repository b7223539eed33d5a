#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/UPenDrive.h"

using namespace Qt::StringLiterals;

// The pen drives mounted, read from a system tree of the test's own (its mount
// table and its /sys/block), and where the pen drive dialog starts.
class TestePenDrive : public QObject {
    Q_OBJECT

    QTemporaryDir raiz;

    QString em(const QString &caminho) const { return QDir(raiz.path()).filePath(caminho); }
    bool escrever(const QString &caminho, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(em(caminho)).absolutePath());
        QFile f(em(caminho));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private slots:
    // Mounted under /media, /run/media or /mnt, on a removable disk or one on a
    // USB bus: a partition of a fixed disk, the system's root and a folder
    // outside those places are not pen drives. Spaces in a mount point come escaped.
    void unidadesMontadas()
    {
        QVERIFY(raiz.isValid());
        const QByteArray r = raiz.path().toUtf8();
        QVERIFY(escrever(u"proc/self/mounts"_s,
                         "/dev/sda1 " + r + "/ ext4 rw 0 0\n"
                         "/dev/sdb1 " + r + "/media/ana/PEN\\040DRIVE vfat rw,nosuid 0 0\n"
                         "/dev/sda2 " + r + "/media/ana/DADOS ext4 rw 0 0\n"
                         "/dev/sdc1 " + r + "/run/media/bob/USB vfat rw 0 0\n"
                         "/dev/mmcblk0p1 " + r + "/mnt/cartao vfat rw 0 0\n"
                         "/dev/sdb2 " + r + "/srv/pen vfat rw 0 0\n"
                         "tmpfs " + r + "/media tmpfs rw 0 0\n"));
        QVERIFY(escrever(u"sys/block/sda/removable"_s, "0\n"));
        QVERIFY(escrever(u"sys/block/sdb/removable"_s, "1\n"));
        QVERIFY(escrever(u"sys/block/mmcblk0/removable"_s, "1\n"));
        // A USB disk that does not say it is removable.
        QVERIFY(escrever(u"sys/devices/pci0000:00/usb1/1-1/host6/block/sdc/removable"_s, "0\n"));
        QVERIFY(QFile::link(em(u"sys/devices/pci0000:00/usb1/1-1/host6/block/sdc"_s), em(u"sys/block/sdc"_s)));

        const QList<TUnidadeRemovivel> unidades = TPenDrive::UnidadesMontadas(raiz.path());
        QStringList vistas;
        for (const TUnidadeRemovivel &u : unidades)
            vistas << u"%1 %2 %3"_s.arg(u.Nome(), u.Dispositivo, QDir(raiz.path()).relativeFilePath(u.Pasta));
        QCOMPARE(vistas, (QStringList{u"PEN DRIVE /dev/sdb1 media/ana/PEN DRIVE"_s,
                                      u"USB /dev/sdc1 run/media/bob/USB"_s, u"cartao /dev/mmcblk0p1 mnt/cartao"_s}));
        const auto unidade = TPenDrive::UnidadeDoArquivo(em(u"media/ana/PEN DRIVE/linhas/DESTINOS.art"_s), unidades);
        QVERIFY(unidade);
        QCOMPARE(unidade->Nome(), u"PEN DRIVE"_s);
        QVERIFY(!TPenDrive::UnidadeDoArquivo(em(u"media/ana/PEN DRIVE2/DESTINOS.art"_s), unidades));
        QVERIFY(TPenDrive::UnidadesMontadas(em(u"nenhum"_s)).isEmpty());
    }

    // Where the dialog starts: the folder used last on the drive used last,
    // wherever that drive is mounted now; else the first drive; else the folder
    // used last; else nothing.
    void pastaInicial_data()
    {
        QTest::addColumn<QStringList>("montadas");   // mount folders, below the test's root
        QTest::addColumn<QString>("ultimoArquivo");  // the file written last, below the root
        QTest::addColumn<QString>("esperada");       // below the root; empty for none
        QTest::newRow("a mesma unidade, noutra pasta de montagem")
            << QStringList{u"media/ana/OUTRO"_s, u"media/bob/PENDRIVE"_s} << u"media/ana/PENDRIVE/linhas/D.art"_s
            << u"media/bob/PENDRIVE/linhas"_s;
        QTest::newRow("a unidade usada, sem a pasta de antes")
            << QStringList{u"media/bob/PENDRIVE"_s} << u"media/ana/PENDRIVE/sumiu/D.art"_s << u"media/bob/PENDRIVE"_s;
        QTest::newRow("outra unidade: a primeira montada")
            << QStringList{u"media/ana/OUTRO"_s, u"mnt/USB"_s} << u"media/ana/PENDRIVE/D.art"_s << u"media/ana/OUTRO"_s;
        QTest::newRow("nenhuma unidade: a pasta usada") << QStringList() << u"casa/projetos/D.art"_s
                                                        << u"casa/projetos"_s;
        QTest::newRow("nada") << QStringList() << u"casa/apagada/D.art"_s << QString();
    }
    void pastaInicial()
    {
        QFETCH(QStringList, montadas);
        QFETCH(QString, ultimoArquivo);
        QFETCH(QString, esperada);
        QTemporaryDir r;
        const QDir base(r.path());
        QVERIFY(base.mkpath(u"casa/projetos"_s));
        QVERIFY(base.mkpath(u"media/ana/PENDRIVE/linhas"_s));
        const QList<TUnidadeRemovivel> antes{{base.filePath(u"media/ana/PENDRIVE"_s), u"/dev/sdb1"_s}};
        const TPenDrive::TUltimoDestino ultimo = TPenDrive::Destino(base.filePath(ultimoArquivo), antes);
        QVERIFY(QDir(base.filePath(u"media/ana"_s)).removeRecursively()); // taken out
        QList<TUnidadeRemovivel> agora;
        for (const QString &m : montadas) {
            QVERIFY(base.mkpath(m));
            agora.append({base.filePath(m), u"/dev/sdc1"_s});
        }
        QVERIFY(base.mkpath(u"media/bob/PENDRIVE/linhas"_s));
        QCOMPARE(TPenDrive::PastaInicial(agora, ultimo), esperada.isEmpty() ? QString() : base.filePath(esperada));
    }
};

QTEST_MAIN(TestePenDrive)
#include "tst_pendrive.moc"
