#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/UProjetoArquivo.h"
#include "app/UTransferencia.h"
#include "app/gerador_projetos.h"
#include "output/UGeracaoArquivo.h"
#include "output/UGravacaoArquivo.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// The pen drive file on a FAT file system, as depots' pen drives are: written
// by dorvik-cli export-art and by the transfer, under a name with accents and
// spaces, replaced with its ".art.bak" beside it, and read back from the
// image with mtools. Where the kernel cannot mount FAT (no vfat), that part
// says so and is skipped; the same run goes through a plain folder, and the
// files then go into a FAT image with mtools to check their names and bytes.
class TestePenDriveFat : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QString projeto;
    QByteArray esperado; // the file the project gives
    const QString nome = u"Linha Ônibus Centro.art"_s;

    static QString cli() { return QCoreApplication::applicationDirPath() + u"/../dorvik-cli"_s; }
    static int rodar(const QString &programa, const QStringList &argumentos, QByteArray *saida = nullptr)
    {
        QProcess p;
        p.start(programa, argumentos);
        if (!p.waitForFinished(30000))
            return -1;
        if (saida)
            *saida = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    // A 4 MiB FAT image labelled PENDRIVE; false without mkfs.vfat.
    bool imagem(const QString &arquivo) const
    {
        QFile::remove(arquivo);
        return rodar(u"mkfs.vfat"_s, {u"-C"_s, u"-n"_s, u"PENDRIVE"_s, arquivo, u"4096"_s}) == 0;
    }
    static QByteArray doFat(const QString &imagem, const QString &nomeNoFat)
    {
        QByteArray bytes;
        return rodar(u"mcopy"_s, {u"-n"_s, u"-i"_s, imagem, u"::"_s + nomeNoFat, u"-"_s}, &bytes) == 0 ? bytes
                                                                                                      : QByteArray();
    }
    static QStringList nomesNoFat(const QString &imagem)
    {
        QByteArray lista;
        if (rodar(u"mdir"_s, {u"-b"_s, u"-i"_s, imagem, u"::"_s}, &lista) != 0)
            return {};
        QStringList nomes;
        for (const QByteArray &linha : lista.split('\n'))
            if (!linha.trimmed().isEmpty())
                nomes << QString::fromUtf8(linha.trimmed()).remove(u"::/"_s);
        nomes.sort();
        return nomes;
    }
    // export-art (then again with --force), then the transfer over it: the file
    // and the previous one kept as ".art.bak", in the folder given.
    void gravarEm(const QString &destino)
    {
        const QString arquivo = QDir(destino).filePath(nome);
        QCOMPARE(rodar(cli(), {u"export-art"_s, projeto, arquivo}), 0);
        QCOMPARE(rodar(cli(), {u"export-art"_s, projeto, arquivo, u"--force"_s}), 0);
        TDtm_Destino dados;
        AbrirProjeto(dados, projeto);
        TTransferencia transferencia(dados, SinaisDoProjeto(dados));
        TGeracaoArquivo geracao;
        geracao.ConfirmarSobrescrita = [](const QString &) { return true; };
        QVERIFY(transferencia.Gravar(geracao, arquivo));
        QCOMPARE(Fixture::LerArquivo(arquivo), esperado);
        QCOMPARE(Fixture::LerArquivo(ArquivoAnterior(arquivo)), esperado);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        for (const char *programa : {"mkfs.vfat", "mcopy", "mdir"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(programa)).isEmpty()
                         || !QStandardPaths::findExecutable(QString::fromLatin1(programa),
                                                            {u"/usr/sbin"_s, u"/sbin"_s})
                                 .isEmpty(),
                     programa);
        TFontesLed::DefinirArquivoDeFontes(QCoreApplication::applicationDirPath() + u"/../FONTES12.INI"_s);
        TFontesLed::CriarFontesPadrao();
        projeto = pasta.filePath(u"Ônibus da Linha 100.ar1"_s);
        TDtm_Destino dados;
        dados.AbrirTabelas({});
        TGeradorProjetos(26).Gerar(dados);
        QVERIFY(dados.SalvarArquivo(projeto));
        esperado = TGeradorProjetos::Art(dados, SinaisDoProjeto(dados));
        QVERIFY(!esperado.isEmpty());
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // Mounted through a loop device, where the kernel has vfat (and the test runs as root).
    void fatMontado()
    {
        const QString img = pasta.filePath(u"montado.img"_s);
        QVERIFY(imagem(img));
        const QString montagem = pasta.filePath(u"PENDRIVE"_s);
        QVERIFY(QDir().mkpath(montagem));
        if (rodar(u"mount"_s, {u"-t"_s, u"vfat"_s, u"-o"_s, u"loop,utf8"_s, img, montagem}) != 0)
            QSKIP("FAT cannot be mounted here (no vfat in this kernel, or not root): fatEmPastaComum writes "
                  "the same files in a plain folder and puts them into a FAT image with mtools");
        bool montado = true;
        const auto desmontar = qScopeGuard([&] {
            if (montado)
                rodar(u"umount"_s, {montagem});
        });
        gravarEm(montagem);
        QCOMPARE(rodar(u"umount"_s, {montagem}), 0);
        montado = false;
        QCOMPARE(nomesNoFat(img), (QStringList{nome, nome + u".bak"_s}));
        QCOMPARE(doFat(img, nome), esperado);
        QCOMPARE(doFat(img, nome + u".bak"_s), esperado);
    }

    // The same run in a plain folder; the files then go into a FAT image and
    // come back from it, names and bytes as written.
    void fatEmPastaComum()
    {
        const QString destino = pasta.filePath(u"pasta comum"_s);
        QVERIFY(QDir().mkpath(destino));
        gravarEm(destino);
        const QString img = pasta.filePath(u"copiado.img"_s);
        QVERIFY(imagem(img));
        for (const QString &arquivo : {nome, nome + u".bak"_s})
            QCOMPARE(rodar(u"mcopy"_s, {u"-n"_s, u"-i"_s, img, QDir(destino).filePath(arquivo), u"::"_s + arquivo}), 0);
        QCOMPARE(nomesNoFat(img), (QStringList{nome, nome + u".bak"_s}));
        QCOMPARE(doFat(img, nome), esperado);
        QCOMPARE(doFat(img, nome + u".bak"_s), esperado);
    }
};

QTEST_MAIN(TestePenDriveFat)
#include "tst_pendrivefat.moc"
