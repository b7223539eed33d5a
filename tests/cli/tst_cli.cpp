#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/projeto_fixture.h"
#include "output/UGeracaoArquivo.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"

using namespace Fixture;

// dorvik-cli run as a separate process on project files saved by the data module.
class TesteCli : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QTemporaryDir execucao;  // the command's XDG_RUNTIME_DIR (0700), so that stderr holds only its messages
    QString projeto;         // front and side signs, destinations and extras
    QString projetoSoExtras; // extra messages only
    QByteArray esperado;     // its ".art" file, from a builder filled by hand

    struct TResultado {
        int Codigo = -1;
        QString Saida;
        QString Erro;
    };

    TResultado executar(const QStringList &argumentos) const
    {
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(u"XDG_RUNTIME_DIR"_s, execucao.path());
        processo.setProcessEnvironment(ambiente);
        processo.start(QCoreApplication::applicationDirPath() + u"/../dorvik-cli"_s, argumentos);
        if (!processo.waitForFinished(30000))
            return {};
        return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
                QString::fromUtf8(processo.readAllStandardOutput()), QString::fromUtf8(processo.readAllStandardError())};
    }
    QString caminho(const QString &nome) const { return pasta.filePath(nome); }

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
        QVERIFY(execucao.isValid());
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
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    void exportarArt()
    {
        const QString saida = caminho(u"onibus.art"_s);
        const TResultado r = executar({u"export-art"_s, projeto, saida});
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Codigo, 0);
        QCOMPARE(Fixture::LerArquivo(saida), esperado);
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

    void usoErrado_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("sem saída") << QStringList{u"export-art"_s, u"a.ar1"_s};
        QTest::newRow("argumento a mais") << QStringList{u"export-art"_s, u"a.ar1"_s, u"b.art"_s, u"c"_s};
        QTest::newRow("opção desconhecida") << QStringList{u"export-art"_s, u"a.ar1"_s, u"b.art"_s, u"--forca"_s};
        QTest::newRow("list sem projeto") << QStringList{u"list"_s};
        QTest::newRow("list com opção desconhecida") << QStringList{u"list"_s, u"a.ar1"_s, u"--extra"_s};
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
        QTest::newRow("destinos") << QStringList{} << u"1\tCentro\tEstação\n2\tRua A\t\n3\t\t\n"_s;
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
};

QTEST_GUILESS_MAIN(TesteCli)
#include "tst_cli.moc"
