#include <QClipboard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "panel/USom.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFrmDimensaoTexto.h"
#include "panel/ui/URespostasMensagem.h"

// Typing on the panel widget through its real key catcher, the blink timer,
// the dimension window on a line that does not fit, and the mouse.
class TesteEdicaoFlexLed : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    int bipes = 0;

    // A shown, active window with one 8 x 40 panel in 5x5, its catcher focused.
    struct TJanela {
        QWidget janela;
        TFlexLed *painel = TFlexLed::Criar(&janela);
        TJanela()
        {
            painel->DefinirNroLinhas(8);
            painel->DefinirNroColunas(40);
            painel->DefinirFonteUtilizada(TTipoFonte::tfVeltronix5x5);
            janela.resize(400, 100);
        }
        QWidget *captura() const { return painel->CapturaDeTeclas(); }
    };

    static bool mostrar(TJanela &j)
    {
        j.janela.show();
        j.janela.activateWindow();
        if (!QTest::qWaitForWindowActive(&j.janela))
            return false;
        j.painel->AtivarEdicao();
        return j.captura()->hasFocus();
    }

    static QString texto(const TPainelLed &p)
    {
        QString r;
        for (const auto &c : p.TextoDigitado())
            r.append(QLatin1Char(char(c->Caractere)));
        return r;
    }

private slots:
    void initTestCase()
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(QStringLiteral("FONTES12.INI")));
        TSom::DefinirBipe([this] { ++bipes; });
    }
    void init() { bipes = 0; }
    void cleanupTestCase()
    {
        TSom::DefinirBipe({});
        TFontesLed::DefinirArquivoDeFontes({});
    }

    void capturaEscondidaEPisca()
    {
        TJanela j;
        QWidget *c = j.captura();
        QVERIFY(c);
        QCOMPARE(c->parentWidget(), &j.janela);
        QCOMPARE(c->geometry(), QRect(-10, -10, 10, 10));
        QVERIFY(mostrar(j));
        QVERIFY(c->isEnabled());
        QVERIFY(j.painel->TemporizadorPisca()->isActive());
        QCOMPARE(j.painel->TemporizadorPisca()->interval(), 200);
        // In another mode the first tick ends editing: catcher disabled, timer stopped.
        j.painel->DefinirModo(TModo::ModoGrafico);
        QTRY_VERIFY_WITH_TIMEOUT(!j.painel->TemporizadorPisca()->isActive(), 2000);
        QVERIFY(!c->isEnabled());
        QVERIFY(!j.painel->EdicaoAtiva());
        // Back in ModoTexto editing starts again.
        j.painel->DefinirModo(TModo::ModoTexto);
        QVERIFY(c->isEnabled());
        QVERIFY(c->hasFocus());
    }

    void digitarEEditarPelasTeclas()
    {
        TJanela j;
        QVERIFY(mostrar(j));
        QWidget *c = j.captura();
        int eventos = 0;
        j.painel->AoAlterarPropriedade = [&](TPainelLed *) { ++eventos; };
        QTest::keyClicks(c, QStringLiteral("ABC"));
        QCOMPARE(texto(*j.painel), QStringLiteral("ABC"));
        QTest::keyClick(c, Qt::Key_Home);
        QTest::keyClick(c, Qt::Key_Right);
        QCOMPARE(j.painel->ColunaCursor(), 6);
        QTest::keyClicks(c, QStringLiteral("X"));
        QCOMPARE(texto(*j.painel), QStringLiteral("AXBC"));
        QTest::keyClick(c, Qt::Key_Delete);
        QCOMPARE(texto(*j.painel), QStringLiteral("AXC"));
        QTest::keyClick(c, Qt::Key_End);
        QTest::keyClick(c, Qt::Key_Backspace);
        QCOMPARE(texto(*j.painel), QStringLiteral("AX"));
        QTest::keyClick(c, Qt::Key_Home);
        QTest::keyClick(c, Qt::Key_Backspace);
        QCOMPARE(texto(*j.painel), QStringLiteral("X"));
        QCOMPARE(j.painel->TextoDigitado().front()->Coluna, 1);
        QCOMPARE(eventos, 3); // Home, Right, Home
        // Modifiers do not change an editing key: Left at column 1 beeps.
        QTest::keyClick(c, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(eventos, 4);
        QCOMPARE(bipes, 1);
        QCOMPARE(j.painel->ColunaCursor(), 1);
        // Down from a character jumps a line, which an 8-row panel cannot hold.
        QTest::keyClick(c, Qt::Key_Down);
        QCOMPARE(bipes, 2);
        QCOMPARE(j.painel->LinhaCursor(), 1);
    }

    void copiarEColarPelasTeclas()
    {
        TJanela j;
        QVERIFY(mostrar(j));
        QWidget *c = j.captura();
        QTest::keyClicks(c, QStringLiteral("AB"));
        QTest::keyClick(c, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("AB"));
        QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(texto(*j.painel), QStringLiteral("ABAB"));
        QGuiApplication::clipboard()->setText(QStringLiteral("中文"));
        QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(texto(*j.painel), QStringLiteral("ABAB"));
        QCOMPARE(bipes, 2); // one for each character refused
        // A non-ASCII character arrives as text and is stored as its Windows-1252 byte.
        QByteArray glifo;
        if (TFontesLed::LerGlifo(TTipoFonte::tfVeltronix5x5, static_cast<unsigned char>(0xC7), glifo)) {
            QTest::sendKeyEvent(QTest::Click, c, Qt::Key_unknown, QStringLiteral("Ç"), Qt::NoModifier);
            QCOMPARE(j.painel->TextoDigitado().back()->Caractere, static_cast<unsigned char>(0xC7));
        }
    }

    void linhaQueNaoCabeAbreADimensao()
    {
        TJanela j;
        QVERIFY(mostrar(j));
        QWidget *c = j.captura();
        // 8 x 5 = 40 columns fit (the last column may be lit); the 9th does not.
        QTest::keyClicks(c, QStringLiteral("AAAAAAAAA"));
        QCOMPARE(int(j.painel->TextoDigitado().size()), 8);
        QCOMPARE(bipes, 1);
        TFrm_DimensaoTexto *janela = TFrm_DimensaoTexto::Aberto();
        QVERIFY(janela);
        QVERIFY(janela->isVisible());
        QCOMPARE(janela->Painel(), j.painel);
        QCOMPARE(j.painel->Modo(), TModo::ModoMarcacao);
        QCOMPARE(j.painel->InicioMarcacao, j.painel->Led(1, 1, false));
        QCOMPARE(j.painel->FimMarcacao, j.painel->Led(5, 41, false));
        QTest::keyClick(janela, Qt::Key_Escape);
        QVERIFY(!TFrm_DimensaoTexto::Aberto());
        QCOMPARE(j.painel->Modo(), TModo::ModoTexto);
        QVERIFY(!j.painel->InicioMarcacao);
        QVERIFY(!j.painel->FimMarcacao);
        QVERIFY(j.painel->EdicaoAtiva());
    }

    void mouseNoModoGrafico()
    {
        TJanela j;
        QVERIFY(mostrar(j));
        j.painel->DefinirModo(TModo::ModoGrafico);
        const QPoint celula(2 * 8 + 4, 4); // row 1, column 3
        QTest::mouseClick(j.painel, Qt::LeftButton, {}, celula);
        QVERIFY(j.painel->Led(1, 3, false)->Acesa);
        QTest::mouseClick(j.painel, Qt::LeftButton, {}, celula);
        QVERIFY(!j.painel->Led(1, 3, false)->Acesa);
        QList<QPoint> pedidos;
        j.painel->AoClicarMouseOpcoes = [&](TPainelLed *, int x, int y) { pedidos.append(QPoint(x, y)); };
        QTest::mouseClick(j.painel, Qt::RightButton, {}, celula);
        QCOMPARE(pedidos, QList<QPoint>{celula});
        QVERIFY(!j.painel->Led(1, 3, false)->Acesa);
    }
};

QTEST_MAIN(TesteEdicaoFlexLed)
#include "tst_edicaoflexled.moc"
