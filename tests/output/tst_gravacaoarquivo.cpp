#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

#include "output/UGeracaoArquivo.h"
#include "output/UGravacaoArquivo.h"
#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "saida_fixture.h"

using namespace Qt::StringLiterals;
using namespace Fixture;

Q_DECLARE_METATYPE(TGravarNoDisco)

// Writing the sign controller file: the previous file kept as "NAME.art.bak",
// the new one read back from the disk, and a pen drive that does not keep
// what it was given (a write seam) leaves the previous file in place.
class TesteGravacaoArquivo : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QString caminho(const QString &nome) const { return pasta.filePath(nome); }
    QStringList arquivos() const { return QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    static bool sim(const QString &) { return true; }

private slots:
    void init()
    {
        for (const QString &nome : arquivos())
            QVERIFY(QFile::remove(caminho(nome)));
    }

    // One generation: each replacement keeps the file it replaces, and the
    // only name ending in ".art" (in any case) is the file itself.
    void anteriorGuardado()
    {
        const QString arquivo = caminho(u"ONIBUS.ART"_s);
        QVERIFY(GravarArquivoSaida(arquivo, "primeiro", sim));
        QCOMPARE(arquivos(), QStringList{u"ONIBUS.ART"_s}); // nothing to keep yet
        QVERIFY(GravarArquivoSaida(arquivo, "segundo", sim));
        QVERIFY(GravarArquivoSaida(arquivo, "terceiro", sim));
        QCOMPARE(LerArquivo(arquivo), QByteArray("terceiro"));
        QCOMPARE(LerArquivo(ArquivoAnterior(arquivo)), QByteArray("segundo"));
        QCOMPARE(arquivos(), (QStringList{u"ONIBUS.ART"_s, u"ONIBUS.ART.bak"_s}));
        QCOMPARE(arquivos().filter(QRegularExpression(u"\\.art$"_s, QRegularExpression::CaseInsensitiveOption)),
                 QStringList{u"ONIBUS.ART"_s});
    }

    // What reaches the disk, in order: the new file's bytes flushed, its rename
    // into place and its folder flushed, then the previous file's rename to
    // ".bak" and the folder flushed again, so that a pen drive pulled out the
    // moment the program says "saved" keeps both. A failure of either folder
    // flush is reported as a failed write, and leaves the file and its backup
    // as they were (the first) or the new file in place (the second).
    void passosAteODisco_data()
    {
        QTest::addColumn<bool>("existia");
        QTest::addColumn<int>("passoQueFalha"); // 0 for none
        QTest::addColumn<QString>("arquivoDepois");
        QTest::addColumn<QString>("anteriorDepois");
        QTest::addColumn<QString>("mensagem");
        const QString falhou = u"ATENÇÃO:\r\nNão foi possível gravar o arquivo \"%1\": erro de leitura ou gravação "
                               u"no dispositivo."_s;
        QTest::newRow("arquivo novo") << false << 0 << u"novo"_s << QString() << QString();
        QTest::newRow("substituindo") << true << 0 << u"novo"_s << u"atual"_s << QString();
        QTest::newRow("falha ao gravar a pasta do novo") << true << 3 << u"atual"_s << u"velho"_s
                                                         << falhou + u"\r\nO arquivo anterior foi mantido."_s;
        QTest::newRow("falha ao gravar a pasta do novo, sem anterior") << false << 3 << QString() << QString()
                                                                       << falhou;
        // The rename to ".bak" was made; the folder's flush did not say it reached the disk.
        QTest::newRow("falha ao gravar a pasta do .bak")
            << true << 5 << u"novo"_s << u"atual"_s << falhou.arg(u"%1.bak"_s)
                                                          + u"\r\nO arquivo novo foi gravado e conferido; a cópia do "
                                                            u"anterior não foi guardada."_s;
    }
    void passosAteODisco()
    {
        QFETCH(bool, existia);
        QFETCH(int, passoQueFalha);
        QFETCH(QString, arquivoDepois);
        QFETCH(QString, anteriorDepois);
        QFETCH(QString, mensagem);
        const QString arquivo = caminho(u"DESTINOS.art"_s);
        if (existia) {
            QVERIFY(GravarArquivo(arquivo, "atual"));
            QVERIFY(GravarArquivo(ArquivoAnterior(arquivo), "velho"));
        }
        QStringList passos;
        const auto anterior = TArquivoDisco::DefinirObservador([&](TArquivoDisco::TPassoDisco passo,
                                                                     const QString &caminho) {
            const QString nome = QFileInfo(caminho).fileName();
            const char *const nomes[] = {"sincronizar", "renomear", "sincronizar pasta"};
            passos << u"%1 %2"_s.arg(QString::fromLatin1(nomes[int(passo)]),
                                     passo == TArquivoDisco::TPassoDisco::SincronizarPasta
                                         ? (caminho == pasta.path() ? u"."_s : caminho)
                                     : nome.startsWith(u"DESTINOS.art."_s) && !nome.endsWith(u".bak"_s)
                                         ? u"temporário"_s
                                         : nome);
            return passos.size() == passoQueFalha ? EIO : 0;
        });
        const auto restaurar = qScopeGuard([&] { TArquivoDisco::DefinirObservador(anterior); });
        QString erro;
        try {
            QVERIFY(GravarArquivoSaida(arquivo, "novo", sim));
        } catch (const TErro &e) {
            erro = e.Mensagem;
        }
        QCOMPARE(erro, mensagem.arg(QDir::toNativeSeparators(arquivo)));
        if (passoQueFalha == 0) {
            QStringList esperado{u"sincronizar temporário"_s, u"renomear DESTINOS.art"_s, u"sincronizar pasta ."_s};
            if (existia)
                esperado << u"renomear DESTINOS.art.bak"_s << u"sincronizar pasta ."_s;
            QCOMPARE(passos, esperado);
        }
        QCOMPARE(QString::fromLatin1(LerArquivo(arquivo)), arquivoDepois);
        QCOMPARE(QString::fromLatin1(LerArquivo(ArquivoAnterior(arquivo))), anteriorDepois);
        for (const QString &nome : arquivos())
            QVERIFY2(nome == u"DESTINOS.art"_s || nome == u"DESTINOS.art.bak"_s, qPrintable(nome));
    }

    // A read-only pen drive: the error names the file chosen, not the ".bak"
    // the program would have made first. Needs root to mount a small file system.
    void somenteLeituraNomeiaOArquivo()
    {
        const QString montagem = caminho(u"ro"_s);
        QVERIFY(QDir().mkpath(montagem));
        if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, montagem}) != 0)
            QSKIP("a small file system could not be mounted here (needs root)");
        const auto desmontar = qScopeGuard([&] {
            QProcess::execute(u"umount"_s, {montagem});
            QDir(montagem).removeRecursively();
        });
        const QString arquivo = montagem + u"/DESTINOS.art"_s;
        QVERIFY(GravarArquivo(arquivo, "atual"));
        QCOMPARE(QProcess::execute(u"mount"_s, {u"-o"_s, u"remount,ro"_s, montagem}), 0);
        QString erro;
        try {
            GravarArquivoSaida(arquivo, "novo", sim);
        } catch (const TErro &e) {
            erro = e.Mensagem;
        }
        QCOMPARE(erro, u"ATENÇÃO:\r\nNão foi possível gravar o arquivo \"%1\": o dispositivo está protegido contra "
                       u"gravação (somente leitura)."_s.arg(arquivo));
        QCOMPARE(LerArquivo(arquivo), QByteArray("atual"));
    }

    // Answered No (or nobody to ask): the file and its backup stay as they were.
    void semConfirmacaoNadaMuda()
    {
        const QString arquivo = caminho(u"x.art"_s);
        QVERIFY(GravarArquivo(arquivo, "atual"));
        QVERIFY(GravarArquivo(ArquivoAnterior(arquivo), "velho"));
        QVERIFY(!GravarArquivoSaida(arquivo, "novo", [](const QString &) { return false; }));
        QVERIFY(!GravarArquivoSaida(arquivo, "novo", {}));
        QCOMPARE(LerArquivo(arquivo), QByteArray("atual"));
        QCOMPARE(LerArquivo(ArquivoAnterior(arquivo)), QByteArray("velho"));
        QCOMPARE(arquivos(), (QStringList{u"x.art"_s, u"x.art.bak"_s}));
    }

    // A backup path that is not a regular file is refused before asking.
    void anteriorNaoRegular()
    {
        const QString arquivo = caminho(u"y.art"_s);
        QVERIFY(GravarArquivo(arquivo, "atual"));
        QVERIFY(QDir(pasta.path()).mkdir(u"y.art.bak"_s));
        int perguntas = 0;
        try {
            GravarArquivoSaida(arquivo, "novo", [&](const QString &) { return ++perguntas > 0; });
            QFAIL("a folder as the backup was accepted");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, u"ATENÇÃO:\r\n\"%1\" não é um arquivo comum: é uma pasta."_s.arg(caminho(u"y.art.bak"_s)));
        }
        QCOMPARE(perguntas, 0);
        QCOMPARE(LerArquivo(arquivo), QByteArray("atual"));
        QVERIFY(QDir(pasta.path()).rmdir(u"y.art.bak"_s));
    }

    // The disk keeps something else than it was given: the read-back sees it,
    // the previous file goes back under its name (or the bad file goes when
    // there was none), the backup of before stays, no temporary file is left.
    void leituraQueNaoConfere_data()
    {
        QTest::addColumn<bool>("existia");
        QTest::addColumn<TGravarNoDisco>("gravar");
        QTest::addColumn<QString>("motivo");
        const TGravarNoDisco trocaUmByte = [](const QString &arquivo, const QByteArray &bytes) {
            QByteArray alterado = bytes;
            if (bytes == "0123456789")
                alterado[7] = 'X';
            TArquivoDisco::GravarAtomico(arquivo, alterado);
        };
        const TGravarNoDisco corta = [](const QString &arquivo, const QByteArray &bytes) {
            TArquivoDisco::GravarAtomico(arquivo, bytes == "0123456789" ? bytes.left(4) : bytes);
        };
        const QString byte7 = u"em \"%1\", o byte da posição 7 vale 88 e deveria valer 55"_s;
        const QString curto = u"\"%1\" tem 4 bytes e deveria ter 10"_s;
        QTest::newRow("a byte changed, over a file") << true << trocaUmByte << byte7;
        QTest::newRow("cut short, over a file") << true << corta << curto;
        QTest::newRow("a byte changed, new file") << false << trocaUmByte << byte7;
    }
    void leituraQueNaoConfere()
    {
        QFETCH(bool, existia);
        QFETCH(TGravarNoDisco, gravar);
        QFETCH(QString, motivo);
        const QString arquivo = caminho(u"pen.art"_s);
        QVERIFY(GravarArquivo(ArquivoAnterior(arquivo), "velho"));
        if (existia)
            QVERIFY(GravarArquivo(arquivo, "anterior"));
        const QStringList antes = arquivos();
        try {
            GravarArquivoSaida(arquivo, "0123456789", sim, gravar);
            QFAIL("a read-back that differs was accepted");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, u"ATENÇÃO:\r\nO Archivo gravado no PenDrive não confere com o gerado: %1.\r\n%2"_s.arg(
                                     motivo.arg(arquivo), existia ? u"O arquivo anterior foi restaurado."_s
                                                                  : u"O arquivo gravado foi apagado."_s));
        }
        QCOMPARE(arquivos(), antes);
        if (existia)
            QCOMPARE(LerArquivo(arquivo), QByteArray("anterior"));
        QCOMPARE(LerArquivo(ArquivoAnterior(arquivo)), QByteArray("velho"));
    }

    // The builder hands its seam down: the program's transfer gets the check too.
    void geracaoUsaAMesmaGravacao()
    {
        TFontesLed::DefinirArquivoDeFontes(u"/nonexistent/FONTES12.INI"_s);
        const QString arquivo = caminho(u"onibus.art"_s);
        QVERIFY(GravarArquivo(arquivo, "anterior"));
        TGeracaoArquivo g;
        Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80));
        g.DefinirNomeArquivo(arquivo);
        g.ConfirmarSobrescrita = sim;
        int gravacoes = 0;
        g.GravarNoDisco = [&](const QString &nome, const QByteArray &bytes) {
            ++gravacoes;
            TArquivoDisco::GravarAtomico(nome, bytes.left(bytes.size() - 1));
        };
        QVERIFY_THROWS_EXCEPTION(TErro, g.GerarArquivo());
        QCOMPARE(gravacoes, 1);
        QCOMPARE(LerArquivo(arquivo), QByteArray("anterior"));

        g.GravarNoDisco = {};
        QVERIFY(g.GerarArquivo());
        QCOMPARE(LerArquivo(arquivo), g.GerarBytes());
        QCOMPARE(LerArquivo(ArquivoAnterior(arquivo)), QByteArray("anterior"));
        TFontesLed::DefinirArquivoDeFontes({});
    }
};

QTEST_GUILESS_MAIN(TesteGravacaoArquivo)
#include "tst_gravacaoarquivo.moc"
