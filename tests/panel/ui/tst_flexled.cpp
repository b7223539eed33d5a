#include <QTemporaryDir>
#include <QtTest>

#include "panel/ui/UFlexLed.h"
#include "panel/ui/URespostasMensagem.h"

// The panel widget: construction on its owner, the font file it completes,
// and the cells its painting creates.
class TesteTFlexLed : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

private slots:
    void init() { TFontesLed::DefinirArquivoDeFontes(pasta.filePath(QStringLiteral("FONTES12.INI"))); }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    void semDonoNaoCriaPainel()
    {
        TRespostasMensagem respostas({TMensagem::mrOk});
        QVERIFY(!TFlexLed::Criar(nullptr));
        QCOMPARE(respostas.Pedidos().size(), 1);
        const TPedidoMensagem &p = respostas.Pedidos().first();
        QCOMPARE(p.Tipo, TTipoMensagem::mtInformation);
        QCOMPARE(p.Botoes, TMensagem::mbOK);
        QCOMPARE(p.Texto, QStringLiteral("ATENÇÃO:\r\nO Componente só pode ser criado sobre objetos tipo TWinControl."));
    }

    void criacaoCompletaOArquivoDeFontes()
    {
        QWidget dono;
        TRespostasMensagem respostas;
        TFlexLed *painel = TFlexLed::Criar(&dono);
        QVERIFY(painel);
        QCOMPARE(painel->parentWidget(), &dono);
        QVERIFY(QFile::exists(TFontesLed::ArquivoDeFontes()));
        QByteArray glifo;
        QVERIFY(TFontesLed::LerGlifo(TTipoFonte::tfVeltronix8x7, QStringLiteral("48"), glifo));
        QVERIFY(respostas.Pedidos().isEmpty());
    }

    // A font file that cannot be read (a folder in its place) costs the operator
    // neither the panels nor the fonts: one error box for the whole run,
    // built-in glyphs after.
    void arquivoDeFontesSemEscrita()
    {
        QVERIFY(QDir(pasta.path()).mkpath(QStringLiteral("bloqueado/FONTES12.INI")));
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(QStringLiteral("bloqueado/FONTES12.INI")));
        QWidget dono;
        TRespostasMensagem respostas({TMensagem::mrOk});
        QVERIFY(TFlexLed::Criar(&dono));
        QVERIFY(TFlexLed::Criar(&dono));
        QCOMPARE(respostas.Pedidos().size(), 1);
        QCOMPARE(respostas.Pedidos().first().Tipo, TTipoMensagem::mtError);
        QVERIFY(respostas.Pedidos().first().Texto.contains(QStringLiteral("FONTES12.INI\" não é um arquivo comum")));
        QByteArray glifo;
        QVERIFY(TFontesLed::LerGlifo(TTipoFonte::tfVeltronix5x5, QStringLiteral("65"), glifo));
        QCOMPARE(glifo, QByteArray("0111110100101000111100000"));
    }

    void pinturaCriaCelulasEDimensiona()
    {
        QWidget dono;
        TRespostasMensagem respostas;
        TFlexLed *painel = TFlexLed::Criar(&dono);
        painel->DefinirNroLinhas(8);
        painel->DefinirNroColunas(80);
        QCOMPARE(painel->size(), QSize(640, 64));
        QCOMPARE(painel->UltimaColuna(), 81); // painted before the window is shown
        dono.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dono));
        QCOMPARE(int(painel->Leds().size()), 81 * 9);

        painel->hide();
        painel->DefinirPrimeiraColuna(5); // a hidden panel does not paint
        QCOMPARE(painel->UltimaColuna(), 81);
    }

    void ponteiroPorModo_data()
    {
        QTest::addColumn<TModo>("modo");
        QTest::addColumn<Qt::CursorShape>("forma");
        QTest::newRow("graphics") << TModo::ModoGrafico << Qt::PointingHandCursor;
        QTest::newRow("text") << TModo::ModoTexto << Qt::IBeamCursor;
        QTest::newRow("preview") << TModo::ModoSimulador << Qt::ArrowCursor;
        QTest::newRow("marking") << TModo::ModoMarcacao << Qt::ArrowCursor;
    }
    void ponteiroPorModo()
    {
        QFETCH(TModo, modo);
        QFETCH(Qt::CursorShape, forma);
        QWidget dono;
        TRespostasMensagem respostas;
        TFlexLed *painel = TFlexLed::Criar(&dono);
        painel->DefinirModo(modo);
        QCOMPARE(painel->cursor().shape(), forma);
    }
};

QTEST_MAIN(TesteTFlexLed)
#include "tst_flexled.moc"
