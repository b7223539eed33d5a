#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QImageReader>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "app/UVersao.h"
#include "app/projeto_fixture.h"
#include "output/UGeracaoArquivo.h"
#include "output/ULeituraArquivo.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"
#include "print/pdf_fixture.h"

using namespace Fixture;

// dorvik-cli run as a separate process on project files saved by the data module.
class TesteCli : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QString projeto;         // front and side signs, destinations and extras
    QString projetoSoExtras; // extra messages only
    QByteArray esperado;     // its ".art" file, from a builder filled by hand

    struct TResultado {
        int Codigo = -1;
        QString Saida;
        QString Erro;
    };

    static QString cliConstruido() { return QCoreApplication::applicationDirPath() + u"/../dorvik-cli"_s; }

    // Runs the command in the test folder (relative paths start there).
    // programa: the executable, by default the one built; a copy elsewhere
    // uses the font file of its own folder. prefixo: a command that runs it
    // (setpriv to drop root).
    TResultado executar(const QStringList &argumentos, const QString &programa = cliConstruido(),
                        const QStringList &prefixo = {}) const
    {
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        // Unset, as in a root shell: Qt's warning about it must not reach stderr.
        ambiente.remove(u"XDG_RUNTIME_DIR"_s);
        processo.setProcessEnvironment(ambiente);
        processo.setWorkingDirectory(pasta.path());
        if (prefixo.isEmpty())
            processo.start(programa, argumentos);
        else
            processo.start(prefixo.first(), prefixo.mid(1) + QStringList{programa} + argumentos);
        if (!processo.waitForFinished(30000))
            return {};
        return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
                QString::fromUtf8(processo.readAllStandardOutput()), QString::fromUtf8(processo.readAllStandardError())};
    }
    QString caminho(const QString &nome) const { return pasta.filePath(nome); }

    // A 16 KiB file system mounted on the new folder montagem (needs root:
    // Montado says whether it is), unmounted when this goes. Encher writes the old file "antigo"
    // there and fills what is left with the file "enche".
    struct TDiscoCheio {
        QString Montagem;
        bool PastaCriada = false;
        bool Montado = false;
        explicit TDiscoCheio(QString montagem) : Montagem(std::move(montagem))
        {
            PastaCriada = QDir().mkdir(Montagem);
            Montado = PastaCriada
                   && QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=16k"_s, u"tmpfs"_s, Montagem})
                          == 0;
        }
        ~TDiscoCheio()
        {
            if (Montado)
                QProcess::execute(u"umount"_s, {Montagem});
        }
        bool Encher(const QString &antigo) const
        {
            if (!Fixture::GravarArquivo(antigo, "antigo"))
                return false;
            QFile enche(Montagem + u"/enche"_s);
            if (!enche.open(QIODevice::WriteOnly))
                return false;
            while (enche.write(QByteArray(1024, 'x')) == 1024 && enche.flush()) {
            }
            return true;
        }
    };

    static QString fonteDoCli() { return QCoreApplication::applicationDirPath() + u"/../FONTES12.INI"_s; }

    // Every entry under the test folder with its bytes (a kind for what is not
    // a regular file), and the font file of the built command: what a refused
    // command must leave as it was.
    QMap<QString, QByteArray> retrato() const
    {
        QMap<QString, QByteArray> r;
        QDirIterator i(pasta.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                       QDirIterator::Subdirectories);
        while (i.hasNext()) {
            const QFileInfo info(i.next());
            r.insert(info.filePath(), info.isSymLink() ? "-> " + info.symLinkTarget().toUtf8()
                                      : info.isFile()  ? Fixture::LerArquivo(info.filePath())
                                                       : QByteArray("(não regular)"));
        }
        r.insert(fonteDoCli(), Fixture::LerArquivo(fonteDoCli()));
        return r;
    }

    // A copy of the project with an SQL statement run on it.
    QString projetoAlterado(const QString &nome, const QString &sql) const
    {
        const QString arquivo = caminho(nome);
        if (!QFile::copy(projeto, arquivo))
            return {};
        {
            QSqlDatabase banco = QSqlDatabase::addDatabase(u"QSQLITE"_s, nome);
            banco.setDatabaseName(arquivo);
            if (!banco.open() || !QSqlQuery(banco).exec(sql))
                return {};
        }
        QSqlDatabase::removeDatabase(nome);
        return arquivo;
    }

    // A copy of the command in a folder of its own, so that it uses the font file there.
    QString cliEm(const QString &nomePasta) const
    {
        QDir(pasta.path()).mkpath(nomePasta);
        const QString copia = caminho(nomePasta + u"/dorvik-cli"_s);
        if (!QFile::exists(copia))
            QFile::copy(cliConstruido(), copia);
        return copia;
    }

    void salvarProjeto()
    {
        const QByteArray f1 = Conteudo(8, 80, {QPoint(1, 1)});
        const QByteArray f2 = Conteudo(8, 80, {QPoint(2, 2)});
        const QByteArray l1 = Conteudo(16, 96, {QPoint(96, 16)});
        const QByteArray x1 = Conteudo(8, 80, {QPoint(4, 4)});
        TDtm_Destino d;
        d.AbrirTabelas({});
        TLinhaProjeto lateral = Linha(2, 1, l1, u"Estação"_s);
        lateral.Linhas = 16;
        lateral.Colunas = 96;
        for (const TLinhaProjeto &l : {Linha(1, 1, f1, u"Centro"_s), lateral, Linha(1, 2, f2, u"Rua A"_s),
                                       Pendente(1, 3)})
            GravarLinha(d, l);
        d.DefinirFiltroExtra(true);
        GravarLinha(d, Linha(1, 1, x1, u"Recolhe"_s));
        QVERIFY(d.SalvarArquivo(projeto));

        TGeracaoArquivo mao;
        mao.DefinirTipoArquivo(2);
        TPainel &frente = Painel(mao, 1, 8, 80);
        TPainel &lado = Painel(mao, 2, 16, 96);
        Destino(frente, 1, f1, u"Centro"_s, 2);
        Destino(lado, 1, l1, u"Estação"_s, 2);
        Destino(frente, 2, f2, u"Rua A"_s, 2);
        TExtras &x = frente.ObterExtra(1);
        x.QtdMensagens = 1;
        x.Conteudo = {x1};
        x.Rotulo = u"Recolhe"_s;
        x.TempoExposicao = 2;
        esperado = mao.GerarBytes();

        TDtm_Destino extras;
        extras.AbrirTabelas({});
        extras.DefinirFiltroExtra(true);
        GravarLinha(extras, Linha(1, 1, x1, u"Recolhe"_s));
        QVERIFY(extras.SalvarArquivo(projetoSoExtras));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath() + u"/../dorvik-cli"_s),
                 "build the dorvik-cli target first");
        // The builder filled by hand reads its own font file; the command uses
        // the one beside its executable. The projects hold no clock, so only
        // the glyphs built into both matter.
        TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        projeto = caminho(u"onibus.ar1"_s);
        projetoSoExtras = caminho(u"extras.ar1"_s);
        salvarProjeto();

        // The built command's font file exists, so that writing over it is a same-file case.
        QCOMPARE(executar({u"fonts"_s}).Codigo, 0);
        // Other names of the project's file, and paths that are not regular files.
        QVERIFY(QFile::link(projeto, caminho(u"link.ar1"_s)));
        QCOMPARE(::link(QFile::encodeName(projeto).constData(), QFile::encodeName(caminho(u"duro.ar1"_s)).constData()),
                 0);
        QCOMPARE(::mkfifo(QFile::encodeName(caminho(u"fifo.art"_s)).constData(), 0644), 0);
        QVERIFY(QDir(pasta.path()).mkdir(u"pasta.art"_s));
        QVERIFY(QFile::link(projeto, caminho(u"projeto.png"_s)));
        QVERIFY(QFile::link(fonteDoCli(), caminho(u"fontes.gif"_s)));
        QVERIFY(QDir(pasta.path()).mkdir(u"pasta.gif"_s));
        QVERIFY(!projetoAlterado(u"grande.ar1"_s, u"UPDATE DESTINOS_EXTRAS SET NRO_DESTINO = 1099511627776 "
                                                  u"WHERE rowid = 2"_s).isEmpty());
        QVERIFY(!projetoAlterado(u"semextras.ar1"_s, u"DELETE FROM DESTINOS_EXTRAS WHERE EXTRA = 1"_s).isEmpty());
        // A backup name that is another name of the project.
        QVERIFY(Fixture::GravarArquivo(caminho(u"sobre.art"_s), "antigo"));
        QVERIFY(QFile::link(projeto, caminho(u"sobre.art.bak"_s)));
        QVERIFY(!projetoAlterado(u"semsinal.ar1"_s, u"UPDATE DESTINOS_EXTRAS SET PAINEL = CASE rowid % 4 "
                                                    u"WHEN 0 THEN NULL WHEN 1 THEN 0 WHEN 2 THEN 5 ELSE 99 END"_s)
                     .isEmpty());
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // One line on success, nothing on stderr.
    void exportarArt()
    {
        const QString saida = caminho(u"onibus.art"_s);
        const TResultado r = executar({u"export-art"_s, projeto, saida});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(Fixture::LerArquivo(saida), esperado);
        QCOMPARE(r.Saida, u"Gravado \"%1\" (%2 bytes): Frontal 2 destinos, 1 extra; Lateral 1 destino, 0 extras.\n"_s
                              .arg(saida)
                              .arg(esperado.size()));
    }

    // A sign that carries extra messages only is on the bus too: the file holds
    // it, as "Salvar no PenDrive" of the project opened in the window does.
    void exportarSinalSoComExtras()
    {
        const QString arquivo =
            projetoAlterado(u"traseiroextras.ar1"_s, u"UPDATE DESTINOS_EXTRAS SET PAINEL = 3 WHERE EXTRA = 1"_s);
        QVERIFY(!arquivo.isEmpty());
        const QString saida = caminho(u"traseiroextras.art"_s);
        const TResultado r = executar({u"export-art"_s, arquivo, saida});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QVERIFY2(r.Saida.contains(u"; Traseiro 0 destinos, 1 extra."_s), qPrintable(r.Saida));
        QCOMPARE(LerArquivoSaida(saida).Paineis.last().Numero, 3);
    }

    void folhaDeGlifos()
    {
        const QString saida = caminho(u"folha.png"_s);
        const TResultado r = executar({u"glyph-sheet"_s, saida});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        const QImage folha(saida);
        QVERIFY(!folha.isNull());
        QCOMPARE(r.Saida, u"Gravado \"%1\" (%2 bytes): folha de glifos de %3 x %4 pixels.\n"_s
                              .arg(saida)
                              .arg(QFileInfo(saida).size())
                              .arg(folha.width())
                              .arg(folha.height()));
    }

    // Each refused, exit 1, with a message naming the file and the cause, and no file changed.
    void recusas_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("causa");
        const QString art = u"export-art"_s;
        const QString forcar = u"--force"_s;
        const QString mesmo = u"é o mesmo arquivo que"_s;
        QTest::newRow("export-art over its project") << QStringList{art, projeto, projeto, forcar} << projeto << mesmo;
        QTest::newRow("through a relative path")
            << QStringList{art, u"onibus.ar1"_s, u"./onibus.ar1"_s, forcar} << u"onibus.ar1"_s << mesmo;
        QTest::newRow("through a symbolic link")
            << QStringList{art, projeto, caminho(u"link.ar1"_s), forcar} << u"link.ar1"_s << mesmo;
        QTest::newRow("through a hard link")
            << QStringList{art, projeto, caminho(u"duro.ar1"_s), forcar} << u"duro.ar1"_s << mesmo;
        QTest::newRow("export-art keeping the old file over its project")
            << QStringList{art, projeto, caminho(u"sobre.art"_s), forcar} << u"sobre.art.bak"_s << mesmo;
        QTest::newRow("export-art over the font file")
            << QStringList{art, projeto, fonteDoCli(), forcar} << u"FONTES12.INI"_s << mesmo;
        QTest::newRow("glyph-sheet over the font file")
            << QStringList{u"glyph-sheet"_s, fonteDoCli(), forcar} << u"FONTES12.INI"_s << mesmo;
        QTest::newRow("glyph-sheet over a project, no --force")
            << QStringList{u"glyph-sheet"_s, projeto} << projeto << u"já existe.\nUse --force para substituí-lo."_s;
        QTest::newRow("into a device") << QStringList{art, projeto, u"/dev/full"_s, forcar} << u"/dev/full"_s
                                       << u"não é um arquivo comum: é um dispositivo"_s;
        QTest::newRow("into a FIFO") << QStringList{art, projeto, caminho(u"fifo.art"_s), forcar} << u"fifo.art"_s
                                     << u"não é um arquivo comum: é um FIFO"_s;
        QTest::newRow("into a folder") << QStringList{art, projeto, caminho(u"pasta.art"_s), forcar}
                                       << u"pasta.art"_s << u"não é um arquivo comum: é uma pasta"_s;
        QTest::newRow("a folder as the project")
            << QStringList{u"list"_s, caminho(u"pasta.art"_s)} << u"pasta.art"_s << u"é uma pasta"_s;
        QTest::newRow("a FIFO as the project")
            << QStringList{u"list"_s, caminho(u"fifo.art"_s)} << u"fifo.art"_s << u"é um FIFO"_s;
        QTest::newRow("a number out of range")
            << QStringList{u"list"_s, caminho(u"grande.ar1"_s)} << u"grande.ar1"_s
            << u"na linha 2, a coluna NRO_DESTINO vale 1099511627776, fora do intervalo de -2147483648 a 2147483647"_s;
        QTest::newRow("no row of a fitted sign")
            << QStringList{art, caminho(u"semsinal.ar1"_s), caminho(u"semsinal.art"_s)} << QString()
            << u"Archivo não contien destinos informados"_s;
        QTest::newRow("listing over its project")
            << QStringList{u"listing"_s, projeto, caminho(u"link.ar1"_s), forcar} << u"link.ar1"_s << mesmo;
        QTest::newRow("listing over a file, no --force")
            << QStringList{u"listing"_s, projeto, projetoSoExtras} << projetoSoExtras
            << u"já existe.\nUse --force para substituí-lo."_s;
        QTest::newRow("listing into a folder") << QStringList{u"listing"_s, projeto, caminho(u"pasta.art"_s), forcar}
                                               << u"pasta.art"_s << u"não é um arquivo comum: é uma pasta"_s;
        QTest::newRow("listing of no extra message")
            << QStringList{u"listing"_s, caminho(u"semextras.ar1"_s), caminho(u"semextras.pdf"_s), u"--extras"_s}
            << u"semextras.ar1"_s << u"não tem extras a listar.\nNada foi gravado."_s;
        const QString render = u"render"_s;
        QTest::newRow("render over its project through a link")
            << QStringList{render, projeto, u"1"_s, caminho(u"projeto.png"_s), forcar} << u"projeto.png"_s << mesmo;
        QTest::newRow("render over the font file through a link")
            << QStringList{render, projeto, u"1"_s, caminho(u"fontes.gif"_s), forcar} << u"fontes.gif"_s << mesmo;
        QTest::newRow("render into a folder") << QStringList{render, projeto, u"1"_s, caminho(u"pasta.gif"_s), forcar}
                                              << u"pasta.gif"_s << u"não é um arquivo comum: é uma pasta"_s;
        QTest::newRow("render a number the project lacks")
            << QStringList{render, projeto, u"9"_s, caminho(u"nove.png"_s)} << QString()
            << u"ATENÇÃO:\nO destino 9 não existe neste projeto.\n"_s;
        QTest::newRow("render an extra the project lacks")
            << QStringList{render, projeto, u"2"_s, caminho(u"nove.gif"_s), u"--extras"_s} << QString()
            << u"ATENÇÃO:\nO extra 2 não existe neste projeto.\n"_s;
        QTest::newRow("glyph-sheet into a missing folder")
            << QStringList{u"glyph-sheet"_s, caminho(u"falta/folha.png"_s)} << u"falta/folha.png"_s
            << u"o arquivo ou a pasta não existe"_s;
    }
    void recusas()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, arquivo);
        QFETCH(QString, causa);
        const QMap<QString, QByteArray> antes = retrato();
        const TResultado r = executar(argumentos);
        QCOMPARE(r.Codigo, 1);
        QVERIFY2(r.Erro.contains(arquivo) && r.Erro.contains(causa), qPrintable(r.Erro));
        QCOMPARE(r.Saida, QString());
        QCOMPARE(retrato(), antes);
        struct stat info {};
        QVERIFY(::stat("/dev/full", &info) == 0 && S_ISCHR(info.st_mode));
    }

    // Read permission is checked as a user other than root, who reads everything.
    void projetoSemPermissao()
    {
        const QString arquivo = caminho(u"fechado.ar1"_s);
        QVERIFY(QFile::copy(projeto, arquivo));
        QVERIFY(QFile::setPermissions(arquivo, {}));
        QStringList prefixo;
        if (::geteuid() == 0) {
            if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
                QSKIP("setpriv is needed to drop root");
            QVERIFY(QFile::setPermissions(pasta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                            | QFile::ReadOther | QFile::ExeOther));
            prefixo = QStringList{u"setpriv"_s, u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s};
        }
        const TResultado r = executar({u"list"_s, arquivo}, cliConstruido(), prefixo);
        QCOMPARE(r.Codigo, 1);
        QCOMPARE(r.Erro, u"ATENÇÃO:\nNão foi possível ler o arquivo \"%1\": permissão negada.\n"_s.arg(arquivo));
    }

    // The disk fills up while writing: the reason is told and the old file stays.
    void discoCheio()
    {
        const TDiscoCheio disco(caminho(u"cheio"_s));
        QVERIFY(disco.PastaCriada);
        if (!disco.Montado)
            QSKIP("a small file system could not be mounted here (needs root)");
        const QString &montagem = disco.Montagem;
        const QString saida = montagem + u"/antigo.art"_s;
        QVERIFY(disco.Encher(saida));

        const TResultado r = executar({u"export-art"_s, projeto, saida, u"--force"_s});
        QCOMPARE(r.Codigo, 1);
        QCOMPARE(r.Erro, u"ATENÇÃO:\nNão foi possível gravar o arquivo \"%1\": não há espaço livre no dispositivo.\n"
                         u"O arquivo anterior foi mantido.\n"_s.arg(saida));
        QCOMPARE(Fixture::LerArquivo(saida), QByteArray("antigo"));
        QCOMPARE(QDir(montagem).entryList(QDir::Files), (QStringList{u"antigo.art"_s, u"enche"_s}));
    }

    // The clock's glyphs come from the completed font file, so a font file
    // lacking the clock font's section gives the same file as a complete one.
    void relogioComFonteIncompleta()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        GravarLinha(d, Linha(1, 1, Conteudo(8, 80, {QPoint(1, 1)}), u"Centro"_s));
        d.DefinirFiltroExtra(true);
        TLinhaProjeto relogio = Linha(1, 1, Conteudo(8, 80, {QPoint(2, 2)}), u"Saída"_s);
        relogio.FonteRelogio = 7;
        relogio.Relogio = {10, 40, 1, 8};
        GravarLinha(d, relogio);
        const QString comRelogio = caminho(u"relogio.ar1"_s);
        QVERIFY(d.SalvarArquivo(comRelogio));

        const QString completa = cliEm(u"completa"_s);
        QCOMPARE(executar({u"fonts"_s}, completa).Codigo, 0);
        const QString incompleta = cliEm(u"incompleta"_s);
        QVERIFY(Fixture::GravarArquivo(caminho(u"incompleta/FONTES12.INI"_s), "; sem fontes\r\n"));

        TResultado r = executar({u"export-art"_s, comRelogio, caminho(u"completa.art"_s)}, completa);
        QCOMPARE(r.Codigo, 0);
        r = executar({u"export-art"_s, comRelogio, caminho(u"incompleta.art"_s)}, incompleta);
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(Fixture::LerArquivo(caminho(u"incompleta.art"_s)), Fixture::LerArquivo(caminho(u"completa.art"_s)));
        QCOMPARE(Fixture::LerArquivo(caminho(u"incompleta/FONTES12.INI"_s)),
                 "; sem fontes\r\n" + Fixture::LerArquivo(caminho(u"completa/FONTES12.INI"_s)));
    }

    // An existing file is replaced only with --force; without it the old bytes stay.
    void arquivoExistente()
    {
        const QString saida = caminho(u"existente.art"_s);
        QVERIFY(Fixture::GravarArquivo(saida, "antigo"));
        TResultado r = executar({u"export-art"_s, projeto, saida});
        QCOMPARE(r.Codigo, 1);
        QVERIFY2(r.Erro.contains(u"já existe"_s), qPrintable(r.Erro));
        QCOMPARE(Fixture::LerArquivo(saida), QByteArray("antigo"));

        r = executar({u"export-art"_s, u"--force"_s, projeto, saida});
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(Fixture::LerArquivo(saida), esperado);
        // The file replaced is kept beside it, under a name that is not ".art".
        QCOMPARE(Fixture::LerArquivo(saida + u".bak"_s), QByteArray("antigo"));
        QVERIFY2(r.Saida.endsWith(u" O anterior foi guardado em \"%1.bak\".\n"_s.arg(saida)), qPrintable(r.Saida));
    }

    // What a controller finds in the project's file, one line per record.
    void mostrarArt()
    {
        const QString arquivo = caminho(u"mostrar.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, esperado));
        const TResultado r = executar({u"show-art"_s, arquivo});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(r.Saida, u"Arquivo \"%1\": %2 bytes, tipo 2; o cabeçalho conta 2 destinos, 1 extra e 0 fontes de "
                          "relógio.\n"
                          "Frontal (painel 1): 8 linhas x 80 colunas, 2 destinos, 1 extra\n"
                          "  destino 1\tCentro\t1 mensagem\t2 s\tfixo\t80 colunas\n"
                          "  destino 2\tRua A\t1 mensagem\t2 s\tfixo\t80 colunas\n"
                          "  extra 1\tRecolhe\t1 mensagem\t2 s\tfixo\t80 colunas\n"
                          "Lateral (painel 2): 16 linhas x 96 colunas, 1 destino, 0 extras\n"
                          "  destino 1\t\t1 mensagem\t2 s\tfixo\t96 colunas\n"_s.arg(arquivo)
                              .arg(esperado.size()));
    }

    // The same as one JSON document, as a script reads it.
    void mostrarArtJson()
    {
        const QString arquivo = caminho(u"mostrar.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, esperado));
        const TResultado r = executar({u"show-art"_s, arquivo, u"--json"_s});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QJsonParseError erro;
        const QJsonDocument documento = QJsonDocument::fromJson(r.Saida.toUtf8(), &erro);
        QCOMPARE(erro.error, QJsonParseError::NoError);
        const auto registro = [](int numero, const QString &rotulo, int colunas) {
            return QJsonObject{{u"numero"_s, numero},  {u"rotulo"_s, rotulo}, {u"mensagens"_s, 1},
                               {u"tempo"_s, 2},        {u"sentido"_s, u"fixo"_s}, {u"codigoSentido"_s, 0},
                               {u"colunas"_s, colunas}};
        };
        const QJsonObject frente{{u"painel"_s, 1}, {u"nome"_s, u"Frontal"_s}, {u"linhas"_s, 8}, {u"colunas"_s, 80},
                                 {u"destinos"_s, QJsonArray{registro(1, u"Centro"_s, 80), registro(2, u"Rua A"_s, 80)}},
                                 {u"extras"_s, QJsonArray{registro(1, u"Recolhe"_s, 80)}}};
        const QJsonObject lado{{u"painel"_s, 2}, {u"nome"_s, u"Lateral"_s}, {u"linhas"_s, 16}, {u"colunas"_s, 96},
                               {u"destinos"_s, QJsonArray{registro(1, QString(), 96)}}, {u"extras"_s, QJsonArray{}}};
        const QJsonObject esperadoJson{
            {u"arquivo"_s, arquivo},
            {u"bytes"_s, esperado.size()},
            {u"tipo"_s, 2},
            {u"cabecalho"_s, QJsonObject{{u"destinos"_s, 2}, {u"extras"_s, 1}, {u"fontes"_s, 0}}},
            {u"paineis"_s, QJsonArray{frente, lado}},
            {u"fontes"_s, QJsonArray{}}};
        QCOMPARE(documento.object(), esperadoJson);
    }

    // A destination's first message drawn on each sign that has it.
    void desenho_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("linhas");
        const QString apagada80 = QString(80, u'.') + u'\n';
        const QString apagada96 = QString(96, u'.') + u'\n';
        QTest::newRow("destination 1, both signs")
            << u"1"_s
            << u"Frontal (painel 1), destino 1:\n#"_s + QString(79, u'.') + u'\n' + apagada80.repeated(7)
                   + u"Lateral (painel 2), destino 1:\n"_s + apagada96.repeated(15) + QString(95, u'.') + u"#\n"_s;
        QTest::newRow("destination 2, front only")
            << u"2"_s << u"Frontal (painel 1), destino 2:\n"_s + apagada80 + u'.' + u'#' + QString(78, u'.') + u'\n'
                            + apagada80.repeated(6);
    }
    void desenho()
    {
        QFETCH(QString, numero);
        QFETCH(QString, linhas);
        const QString arquivo = caminho(u"mostrar.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, esperado));
        const TResultado r = executar({u"show-art"_s, arquivo, u"--picture"_s, numero});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(r.Saida, linhas);
    }

    // A damaged file, or a destination no sign has: exit 1 with the message, nothing on stdout.
    void mostrarArtRecusado_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("opcoes");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("cut short") << esperado.left(100) << QStringList{}
                                   << u"ATENÇÃO:\nO arquivo \"%1\" está danificado na posição 1: o cabeçalho diz que o "
                                      "arquivo tem %2 bytes e ele tem 100.\n"_s.arg(caminho(u"recusado.art"_s))
                                          .arg(esperado.size());
        QTest::newRow("no destination 9") << esperado << QStringList{u"--picture"_s, u"9"_s}
                                          << u"ATENÇÃO:\nNenhum painel do arquivo tem o destino 9.\n"_s;
    }
    void mostrarArtRecusado()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, opcoes);
        QFETCH(QString, mensagem);
        const QString arquivo = caminho(u"recusado.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, bytes));
        const TResultado r = executar(QStringList{u"show-art"_s, arquivo} + opcoes);
        QCOMPARE(r.Codigo, 1);
        QCOMPARE(r.Erro, mensagem);
        QCOMPARE(r.Saida, QString());
    }

    void semDestinos()
    {
        const QString saida = caminho(u"nada.art"_s);
        const TResultado r = executar({u"export-art"_s, projetoSoExtras, saida});
        QCOMPARE(r.Codigo, 1);
        QCOMPARE(r.Erro, u"ATENCION:\nArchivo não contien destinos informados.\n"
                         u"A grabacion do Archivo não sera executada.\n"_s);
        QVERIFY(!QFile::exists(saida));
    }

    void arquivoInexistente()
    {
        const TResultado r = executar({u"list"_s, caminho(u"ausente.ar1"_s)});
        QCOMPARE(r.Codigo, 1);
        QVERIFY2(r.Erro.contains(u"ausente.ar1"_s), qPrintable(r.Erro));
    }

    // A picture of destination 1 (front 8 x 80, side 16 x 96), and of the extra (front only) at scale 3.
    void desenharPng_data()
    {
        QTest::addColumn<QStringList>("opcoes");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<int>("largura"); // the widest sign's LEDs, its face's edges and the margins
        QTest::newRow("destino") << QStringList{} << u"destino 1, Frontal 8 x 80, Lateral 16 x 96"_s
                                 << 96 * 8 + 2 * 4 + 2 * 16;
        QTest::newRow("extra, escala 3") << QStringList{u"--extras"_s, u"--scale"_s, u"3"_s}
                                         << u"extra 1, Frontal 8 x 80"_s << 80 * 3 + 2 * 2 + 2 * 8;
    }
    void desenharPng()
    {
        QFETCH(QStringList, opcoes);
        QFETCH(QString, descricao);
        QFETCH(int, largura);
        const QString saida = caminho(u"desenho.png"_s);
        const TResultado r = executar(QStringList{u"render"_s, projeto, u"1"_s, saida, u"--force"_s} + opcoes);
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        const QImage imagem(saida);
        QCOMPARE(imagem.width(), largura);
        QCOMPARE(r.Saida, u"Gravado \"%1\" (%2 bytes): %3; imagem de %4 x %5 pixels.\n"_s.arg(saida)
                              .arg(QFileInfo(saida).size())
                              .arg(descricao)
                              .arg(imagem.width())
                              .arg(imagem.height()));
    }

    // Front messages of 2, 3 and 5 s: three frames, a 10 s loop; one message: one still frame.
    void desenharGif_data()
    {
        QTest::addColumn<QList<int>>("tempos");
        QTest::addColumn<QString>("animacao");
        QTest::addColumn<QList<int>>("atrasos");
        QTest::newRow("three messages") << QList<int>{2, 3, 5} << u"3 quadros, ciclo de 10 s"_s
                                        << QList<int>{2000, 3000, 5000};
        QTest::newRow("stops on the second") << QList<int>{2, 0, 5} << u"2 quadros, para após 2 s"_s
                                             << QList<int>{2000, 100};
        QTest::newRow("one message") << QList<int>{4} << u"1 quadro, sem movimento"_s << QList<int>{100};
    }
    void desenharGif()
    {
        QFETCH(QList<int>, tempos);
        QFETCH(QString, animacao);
        QFETCH(QList<int>, atrasos);
        TDtm_Destino d;
        d.AbrirTabelas({});
        TLinhaProjeto frente;
        for (qsizetype i = 0; i < tempos.size(); ++i)
            frente.Conteudo[size_t(i)] = Conteudo(8, 80, {QPoint(int(i) + 1, 1)});
        GravarLinha(d, frente);
        d.EditarAtual();
        for (qsizetype i = 0; i < tempos.size(); ++i)
            d.Cds_DestinosExtras.DefinirValor(u"TPO_ROTATIVO"_s + QString::number(i + 1), tempos[i]);
        d.GravarPendente();
        const QString rotativo = caminho(u"rotativo.ar1"_s);
        QVERIFY(d.SalvarArquivo(rotativo));

        const QString saida = caminho(u"rotativo.gif"_s);
        const TResultado r = executar({u"render"_s, rotativo, u"1"_s, saida, u"--force"_s});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QImageReader leitor(saida, "gif");
        const QImage primeiro = leitor.read();
        QList<int> lidos{leitor.nextImageDelay()};
        while (!leitor.read().isNull())
            lidos << leitor.nextImageDelay();
        QCOMPARE(lidos, atrasos); // as a browser plays them: a frame of 0 (for ever) shows 100 ms
        QCOMPARE(r.Saida, u"Gravado \"%1\" (%2 bytes): destino 1, Frontal 8 x 80; animação de %3 x %4 pixels, %5.\n"_s
                              .arg(saida)
                              .arg(QFileInfo(saida).size())
                              .arg(primeiro.width())
                              .arg(primeiro.height())
                              .arg(animacao));
    }

    // The disk fills up while the animation is written: the old file stays, no temporary one is left.
    void desenharComDiscoCheio()
    {
        const TDiscoCheio disco(caminho(u"cheio-gif"_s));
        QVERIFY(disco.PastaCriada);
        if (!disco.Montado)
            QSKIP("a small file system could not be mounted here (needs root)");
        const QString &montagem = disco.Montagem;
        const QString saida = montagem + u"/antigo.gif"_s;
        QVERIFY(disco.Encher(saida));

        const TResultado r = executar({u"render"_s, projeto, u"1"_s, saida, u"--force"_s});
        QCOMPARE(r.Codigo, 1);
        QCOMPARE(r.Erro, u"ATENÇÃO:\nNão foi possível gravar o arquivo \"%1\": não há espaço livre no dispositivo.\n"_s
                             .arg(saida));
        QCOMPARE(Fixture::LerArquivo(saida), QByteArray("antigo"));
        QCOMPARE(QDir(montagem).entryList(QDir::Files), (QStringList{u"antigo.gif"_s, u"enche"_s}));
    }

    void versao()
    {
        const TResultado r = executar({u"--version"_s});
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(r.Saida, u"dorvik-cli "_s + VersaoDoPrograma() + u'\n');
        QProcess programa;
        programa.start(QCoreApplication::applicationDirPath() + u"/../dorvik"_s, {u"--version"_s});
        QVERIFY(programa.waitForFinished(30000));
        QCOMPARE(programa.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(programa.readAllStandardOutput()), u"dorvik "_s + VersaoDoPrograma() + u'\n');
    }

    // A new project from a list; list --csv reads back; the same numbers again only with --replace.
    void importarLista()
    {
        const QString novo = caminho(u"importado.ar1"_s);
        const QString lista = caminho(u"lista.csv"_s);
        QVERIFY(Fixture::GravarArquivo(lista, "numero,frontal,lateral\n1,CENTRO,Praça\n2,\"BAIRRO\",\n"));
        TResultado r = executar({u"import-csv"_s, novo, lista, u"--front"_s, u"13x96"_s, u"--side"_s, u"8x80"_s});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(r.Saida, u"Importado \"%1\": 2 números (2 novos, 0 substituídos; 0 extras).\n"_s.arg(novo));
        r = executar({u"list"_s, novo, u"--csv"_s});
        QCOMPARE(r.Saida, u"numero;frontal;lateral\n1;CENTRO;Praça\n2;BAIRRO;\n"_s);
        const QString volta = caminho(u"volta.csv"_s);
        QVERIFY(Fixture::GravarArquivo(volta, r.Saida.toUtf8()));
        r = executar({u"import-csv"_s, novo, volta});
        QCOMPARE(r.Codigo, 1);
        QVERIFY2(r.Erro.contains(u"linha 2: o número 1 já existe no projeto"_s), qPrintable(r.Erro));
        r = executar({u"import-csv"_s, novo, volta, u"--replace"_s});
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(executar({u"list"_s, novo}).Saida, u"1\tCENTRO\tPraça\n2\tBAIRRO\t\n"_s);
        QCOMPARE(executar({u"import-csv"_s, caminho(u"sem_sinais.ar1"_s), lista}).Codigo, 2);
    }

    // A project rebuilt from the pen drive file: one summary line, its signs
    // and labels listed, its listing printed, and the same file exported again.
    void importarArt()
    {
        const QString art = caminho(u"reconstruir.art"_s);
        QVERIFY(Fixture::GravarArquivo(art, esperado));
        const QString novo = caminho(u"reconstruido.ar1"_s);
        TResultado r = executar({u"import-art"_s, art, novo});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        const QString inicio = u"Reconstruído \"%1\" de \"%2\": Frontal 2 destinos, 1 extra; Lateral 1 destino, 0 "
                               u"extras. Os textos voltam como desenhos de LEDs"_s.arg(novo, art);
        QVERIFY2(r.Saida.startsWith(inicio), qPrintable(r.Saida));
        QCOMPARE(r.Saida.count(u'\n'), 1);
        QVERIFY2(!r.Saida.contains(u"não grava o mesmo arquivo"_s), qPrintable(r.Saida));

        QCOMPARE(executar({u"list"_s, novo}).Saida, u"1\tCentro\tDestino 1\n2\tRua A\t\n"_s);
        QCOMPARE(executar({u"list"_s, novo, u"--extras"_s}).Saida, u"1\tRecolhe\t\n"_s);
        const QString pdf = caminho(u"reconstruido.pdf"_s);
        r = executar({u"listing"_s, novo, pdf, u"--force"_s});
        QCOMPARE(r.Codigo, 0);
        QVERIFY2(Fixture::PaginasDoPdf(pdf).value(0).contains(u"1 Centro Destino 1 2 Rua A"_s),
                 qPrintable(Fixture::PaginasDoPdf(pdf).value(0)));
        const QString devolta = caminho(u"devolta.art"_s);
        r = executar({u"export-art"_s, novo, devolta, u"--force"_s});
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(Fixture::LerArquivo(devolta), esperado);
    }

    // A damaged file, an existing project without --force, the file itself as
    // the project, a file with no sign of the bus: exit 1, nothing written.
    void importarArtRecusado_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("saida");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("damaged") << esperado.left(200) << u"danificado.ar1"_s << u"danificado.art"_s;
        QTest::newRow("existing project") << esperado << u"onibus.ar1"_s << u"já existe"_s;
        QTest::newRow("the same file") << esperado << u"recusado.art"_s << u"é o mesmo arquivo"_s;
        // A sign in slot 5, which is no position of the bus.
        TGeracaoArquivo quinto;
        quinto.DefinirTipoArquivo(2);
        Destino(Painel(quinto, 5, 8, 80), 1, Conteudo(8, 80));
        QTest::newRow("no sign of the bus") << quinto.GerarBytes() << u"quinto.ar1"_s
                                            << u"Nenhum projeto foi reconstruído"_s;
    }
    void importarArtRecusado()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, saida);
        QFETCH(QString, mensagem);
        const QString art = caminho(QTest::currentDataTag() == QByteArray("damaged") ? u"danificado.art"_s
                                                                                     : u"recusado.art"_s);
        QVERIFY(Fixture::GravarArquivo(art, bytes));
        const auto antes = retrato();
        const TResultado r = executar({u"import-art"_s, art, caminho(saida)});
        QCOMPARE(r.Codigo, 1);
        QVERIFY2(r.Erro.contains(mensagem), qPrintable(r.Erro));
        QCOMPARE(retrato(), antes);
    }

    void usoErrado_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("sem saída") << QStringList{u"export-art"_s, u"a.ar1"_s};
        QTest::newRow("argumento a mais") << QStringList{u"export-art"_s, u"a.ar1"_s, u"b.art"_s, u"c"_s};
        QTest::newRow("opção desconhecida") << QStringList{u"export-art"_s, u"a.ar1"_s, u"b.art"_s, u"--forca"_s};
        QTest::newRow("list sem projeto") << QStringList{u"list"_s};
        QTest::newRow("list com opção desconhecida") << QStringList{u"list"_s, u"a.ar1"_s, u"--extra"_s};
        QTest::newRow("listing sem saída") << QStringList{u"listing"_s, u"a.ar1"_s};
        QTest::newRow("listing com opção desconhecida")
            << QStringList{u"listing"_s, u"a.ar1"_s, u"b.pdf"_s, u"--extra"_s};
        QTest::newRow("show-art sem arquivo") << QStringList{u"show-art"_s};
        QTest::newRow("show-art --picture sem número") << QStringList{u"show-art"_s, u"a.art"_s, u"--picture"_s};
        QTest::newRow("show-art --picture 0") << QStringList{u"show-art"_s, u"a.art"_s, u"--picture"_s, u"0"_s};
        QTest::newRow("show-art --json e --picture")
            << QStringList{u"show-art"_s, u"a.art"_s, u"--json"_s, u"--picture"_s, u"1"_s};
        QTest::newRow("render sem número") << QStringList{u"render"_s, u"a.ar1"_s, u"b.png"_s};
        QTest::newRow("render número zero") << QStringList{u"render"_s, u"a.ar1"_s, u"0"_s, u"b.png"_s};
        QTest::newRow("render em outro formato") << QStringList{u"render"_s, u"a.ar1"_s, u"1"_s, u"b.jpg"_s};
        QTest::newRow("render escala pequena")
            << QStringList{u"render"_s, u"a.ar1"_s, u"1"_s, u"b.png"_s, u"--scale"_s, u"2"_s};
        QTest::newRow("import-art sem projeto") << QStringList{u"import-art"_s, u"a.art"_s};
        QTest::newRow("render escala sem valor") << QStringList{u"render"_s, u"a.ar1"_s, u"1"_s, u"b.png"_s, u"--scale"_s};
    }
    void usoErrado()
    {
        QFETCH(QStringList, argumentos);
        const TResultado r = executar(argumentos);
        QCOMPARE(r.Codigo, 2);
        QVERIFY2(r.Erro.contains(u"Usage: dorvik-cli "_s + argumentos.first()), qPrintable(r.Erro));
    }

    void listar_data()
    {
        QTest::addColumn<QStringList>("opcoes");
        QTest::addColumn<QString>("linhas");
        // Number 3 is only the pending line that waits for the next destination: not listed.
        QTest::newRow("destinos") << QStringList{} << u"1\tCentro\tEstação\n2\tRua A\t\n"_s;
        QTest::newRow("extras") << QStringList{u"--extras"_s} << u"1\tRecolhe\t\n"_s;
    }
    void listar()
    {
        QFETCH(QStringList, opcoes);
        QFETCH(QString, linhas);
        const TResultado r = executar(QStringList{u"list"_s, projeto} + opcoes);
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(r.Saida, linhas);
    }

    void listagem_data()
    {
        QTest::addColumn<QString>("projeto");
        QTest::addColumn<QStringList>("opcoes");
        QTest::addColumn<QString>("resumo");
        QTest::addColumn<QStringList>("textos");
        // Without the pending line (3) that waits for the next destination.
        QTest::newRow("destinos") << projeto << QStringList{} << u"2 destinos em 1 página"_s
                                  << QStringList{u"Nº Destino Frontal Lateral 1 Centro Estação 2 Rua A Página"_s};
        QTest::newRow("extras") << projeto << QStringList{u"--extras"_s} << u"1 extra em 1 página"_s
                                << QStringList{u"Nº Extra Frontal Lateral 1 Recolhe"_s};
        // A bus whose signs hold extra messages only still has its signs' columns.
        QTest::newRow("extras only") << projetoSoExtras << QStringList{u"--extras"_s} << u"1 extra em 1 página"_s
                                     << QStringList{u"Nº Extra Frontal 1 Recolhe"_s};
    }
    // The listing as a PDF: its text, and one line on success.
    void listagem()
    {
        QFETCH(QString, projeto);
        QFETCH(QStringList, opcoes);
        QFETCH(QString, resumo);
        QFETCH(QStringList, textos);
        const QString saida = caminho(u"listagem.pdf"_s);
        const TResultado r = executar(QStringList{u"listing"_s, projeto, saida, u"--force"_s} + opcoes);
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(r.Saida, u"Gravado \"%1\" (%2 bytes): Lista de Destinos, %3.\n"_s.arg(saida)
                              .arg(QFileInfo(saida).size())
                              .arg(resumo));
        const QStringList paginas = Fixture::PaginasDoPdf(saida);
        QCOMPARE(paginas.size(), 1);
        for (const QString &texto : textos + QStringList{u"Dorvik System [ %1 ]"_s.arg(projeto),
                                                         u"Lista de Destinos"_s, u"Página: 001/001"_s})
            QVERIFY2(paginas[0].contains(texto), qPrintable(texto + u" | "_s + paginas[0]));
    }
};

QTEST_GUILESS_MAIN(TesteCli)
#include "tst_cli.moc"
