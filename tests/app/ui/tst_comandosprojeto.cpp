#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "app/URecuperacao.h"
#include "app/ui/UComandosProjeto.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "app/ui/USincronizacao.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "panel/UFontes.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/URespostasDialogos.h"
#include "panel/ui/URespostasMensagem.h"
#include "output/saida_fixture.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TTipoMensagem)

// The project commands without the main window: what they ask, in which
// order, and what each answer does.
class TesteComandosProjeto : public QObject {
    Q_OBJECT

    // What the window would show: a work area and the selection's answers.
    struct TVisao : TVisaoComandos {
        QWidget area;
        QList<int> selecoes; // the selection's results, in turn; closed when none is left
        QStringList progresso;
        TVisao() { new QVBoxLayout(&area); }
        QWidget *AreaDeTrabalho() override { return &area; }
        int SelecionaModelos() override { return selecoes.isEmpty() ? 2 : selecoes.takeFirst(); }
        void MostrarProgresso(const QString &texto) override { progresso << texto; }
    };
    // The commands over a list and a new front-sign project whose table is changed.
    struct TComandos {
        TVisao visao;
        std::unique_ptr<TFme_Destinos> lista = std::make_unique<TFme_Destinos>();
        TSincronizacao sincronizacao{*lista, [this] { return comandos.Editor(); }};
        TComandosProjeto comandos{sincronizacao, visao};
        int terminou = 0;
        TComandos()
        {
            comandos.Terminar = [this] { ++terminou; };
            GravarItens(comandos.Modelos, {1, 0, 0, 0});
            comandos.NovoProjeto();
            comandos.Projeto()->Alterado = true;
            visao.progresso.clear();
        }
        // Another LED colour on the front panel: the panels hold an edited destination.
        void Editar()
        {
            TFlexLed *frente = comandos.Editor()->FlexLed(1);
            frente->DefinirCorLed(frente->CorLed() ^ 0xFF);
            QVERIFY(sincronizacao.PaineisAlterados());
        }
    };

    QTemporaryDir pasta;

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        QStandardPaths::setTestModeEnabled(true);
        TRecuperacao::DefinirPasta(pasta.filePath(u"recuperacao"_s));
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // Nothing to save is said, not done.
    void salvarSemAlteracoes()
    {
        TComandos c;
        c.comandos.Projeto()->Alterado = false;
        TRespostasMensagem r({TMensagem::mrOk});
        bool parou = false;
        c.comandos.SalvarProjeto(parou);
        QVERIFY(parou);
        QCOMPARE(r.Pedidos().size(), 1);
        QCOMPARE(r.Pedidos().first().Texto, u"O Arquivo sem alterações, não é necessário salvar."_s);
        QVERIFY(c.visao.progresso.isEmpty());
    }

    void fechar_data()
    {
        QTest::addColumn<bool>("editado");
        QTest::addColumn<QList<int>>("respostas");
        QTest::addColumn<QString>("arquivo"); // the save dialog's answer
        QTest::addColumn<QStringList>("perguntas");
        QTest::addColumn<bool>("fechou");
        const QString salvar = u"Atenção:\rDeseja Salvar o Arquivo Aberto?"_s;
        const QString destino = u"Salvar o destino editado?"_s;
        const QString salvo = u"O Archivo foi salvo com sucesso!"_s;
        QTest::newRow("cancelar") << false << QList<int>{TMensagem::mrCancel} << QString() << QStringList{salvar}
                                  << false;
        QTest::newRow("não salvar") << false << QList<int>{TMensagem::mrNo} << QString() << QStringList{salvar}
                                    << true;
        QTest::newRow("salvar, diálogo cancelado")
            << false << QList<int>{TMensagem::mrYes} << QString() << QStringList{salvar} << false;
        QTest::newRow("salvar") << false << QList<int>{TMensagem::mrYes, TMensagem::mrOk} << u"p.ar1"_s
                                << QStringList{salvar, salvo} << true;
        // The edited destination is asked about first; cancelling it asks nothing more.
        QTest::newRow("destino editado, cancelar")
            << true << QList<int>{TMensagem::mrCancel} << QString() << QStringList{destino} << false;
        QTest::newRow("destino editado, descartado")
            << true << QList<int>{TMensagem::mrNo, TMensagem::mrNo} << QString() << QStringList{destino, salvar}
            << true;
    }
    void fechar()
    {
        QFETCH(bool, editado);
        QFETCH(QList<int>, respostas);
        QFETCH(QString, arquivo);
        QFETCH(QStringList, perguntas);
        QFETCH(bool, fechou);
        TComandos c;
        if (editado)
            c.Editar();
        TRespostasMensagem r;
        for (int resposta : std::as_const(respostas))
            r.Responder(resposta);
        TRespostasDialogos d;
        d.ResponderArquivo(arquivo.isEmpty() ? QString() : pasta.filePath(arquivo));
        bool parou = false;
        c.comandos.FecharProjeto(parou);
        QStringList feitas;
        for (const TPedidoMensagem &p : r.Pedidos())
            feitas << p.Texto;
        QCOMPARE(feitas, perguntas);
        QVERIFY(r.Inesperados().isEmpty());
        QCOMPARE(parou, !fechou);
        QCOMPARE(c.comandos.Projeto() == nullptr, fechou);
        if (!arquivo.isEmpty())
            QVERIFY(QFile::exists(pasta.filePath(arquivo)));
    }

    // "Volver a Selecion": the questions, then the choice; closing the project
    // goes back to the selection, and closing the selection ends the program.
    void voltarASelecao()
    {
        TComandos c;
        TRespostasMensagem r({TMensagem::mrNo});
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &escolha) {
            escolha.show();
            QTest::mouseClick(escolha.findChild<QPushButton *>(u"Btn_FecharArquivo"_s), Qt::LeftButton);
            return escolha.result();
        });
        c.comandos.VoltarASelecao();
        QCOMPARE(r.Pedidos().size(), 1);
        QCOMPARE(r.Pedidos().first().Texto, u"Atencion:\rDeseja Salvar o Archivo Abierto?"_s);
        QCOMPARE(d.Janelas().size(), 1);
        QVERIFY(!c.comandos.Projeto());
        QCOMPARE(c.terminou, 1);
        QCOMPARE(c.comandos.Modelos.Modelo(1), quint8(0)); // the selection starts blank
    }

    // "Abrir Archivo do PenDrive..." from the selection: a file rebuilt into a
    // new, unsaved project with the signs of the file alone and one message; a
    // damaged or a cancelled one shows the selection again.
    void selecionarPenDrive_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: the file dialog is cancelled
        QTest::addColumn<bool>("aberto");
        QTest::addColumn<TTipoMensagem>("caixa");
        QTest::addColumn<QString>("texto");
        TGeracaoArquivo g;
        Fixture::DoisPaineis(g, 2);
        const QByteArray bytes = g.GerarBytes();
        QTest::newRow("rebuilt") << bytes << true << TTipoMensagem::mtInformation
                                 << u"Projeto reconstruído do arquivo \"%1\": Frontal 2 destinos, 0 extras; Lateral 2 "
                                    u"destinos, 0 extras.\r\nOs textos voltam como desenhos de LEDs"_s;
        QTest::newRow("damaged") << bytes.left(100) << false << TTipoMensagem::mtError
                                 << u"ATENÇÃO:\r\nO arquivo \"%1\" está danificado na posição 1:"_s;
        QTest::newRow("cancelled") << QByteArray() << false << TTipoMensagem::mtInformation << QString();
    }
    void selecionarPenDrive()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, aberto);
        QFETCH(TTipoMensagem, caixa);
        QFETCH(QString, texto);
        const QString arquivo = pasta.filePath(u"onibus.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, bytes));
        // At start-up, or back at the selection: no project open.
        TComandos c;
        c.comandos.Projeto()->Alterado = false;
        bool parou = false;
        c.comandos.FecharProjeto(parou);
        QVERIFY(!c.comandos.Projeto());
        c.comandos.UnidadesRemoviveis = [] { return QList<TUnidadeRemovivel>(); };
        // A rear sign chosen in the boxes before the button: the signs come from the file.
        GravarItens(c.comandos.Modelos, {0, 0, 1, 0});
        c.visao.selecoes = {TFrm_TipoOnibusVeltronix::ResultadoPenDrive};
        TRespostasMensagem r({TMensagem::mrOk});
        TRespostasDialogos d;
        d.ResponderArquivo(bytes.isEmpty() ? QString() : arquivo);
        c.comandos.Selecionar();
        QCOMPARE(d.Pedidos().size(), 1);
        QCOMPARE(d.Pedidos().first().Titulo, u"Abrir Archivo do PenDrive..."_s);
        QCOMPARE(c.comandos.Projeto() != nullptr, aberto);
        // The selection again after a refusal, closed here: the program ends.
        QCOMPARE(c.terminou, aberto ? 0 : 1);
        QCOMPARE(r.Pedidos().size(), texto.isEmpty() ? 0 : 1);
        if (texto.isEmpty())
            return;
        QCOMPARE(r.Pedidos().first().Tipo, caixa);
        QVERIFY2(r.Pedidos().first().Texto.startsWith(texto.contains(u"%1"_s) ? texto.arg(arquivo) : texto),
                 qPrintable(r.Pedidos().first().Texto));
        if (!aberto)
            return;
        QVERIFY(c.comandos.Projeto()->Alterado);
        QCOMPARE(c.comandos.Projeto()->NomeArquivo, QString());
        QVERIFY(c.comandos.Modelos.TemFrontal && c.comandos.Modelos.TemLateral);
        QVERIFY(!c.comandos.Modelos.TemTraseiro && !c.comandos.Modelos.TemAuxiliar);
        QVERIFY(c.comandos.Editor()->FlexLed(1) && c.comandos.Editor()->FlexLed(2));
        QVERIFY(!c.comandos.Editor()->FlexLed(3));
    }

    // Ending the program: a failed save is shown and keeps the program open.
    void terminarComFalha()
    {
        TComandos c;
        const QString pastaComoArquivo = pasta.filePath(u"pasta.ar1"_s);
        QVERIFY(QDir().mkpath(pastaComoArquivo));
        c.comandos.Projeto()->NomeArquivo = pastaComoArquivo;
        TRespostasMensagem r({TMensagem::mrYes, TMensagem::mrOk});
        QVERIFY(!c.comandos.PodeTerminar());
        QCOMPARE(r.Pedidos().size(), 2);
        QCOMPARE(r.Pedidos().last().Tipo, TTipoMensagem::mtError);
        QVERIFY(c.comandos.Projeto());
        QVERIFY(c.comandos.Projeto()->Alterado);
    }
};

QTEST_MAIN(TesteComandosProjeto)
#include "tst_comandosprojeto.moc"
