#include <QGroupBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;

#include "panel/USom.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UFrmDimensaoTexto.h"

// The text-dimension window: one per program, the frame around the cursor
// line, its controls acting on the bound panel, and the panel given back on close.
class TesteDimensaoTexto : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    int bipes = 0;

    static TFlexLed *novoPainel(QWidget &dono)
    {
        TFlexLed *p = TFlexLed::Criar(&dono);
        p->DefinirNroLinhas(8);
        p->DefinirNroColunas(96);
        p->PosicionarCursor(1, 1);
        return p;
    }

    // Typing needs the panel's key catcher focused in an active window.
    static void digitar(QWidget &dono, TFlexLed *p, const QString &texto)
    {
        dono.show();
        dono.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dono));
        p->AtivarEdicao();
        QVERIFY(p->CapturaDeTeclas()->hasFocus());
        p->DigitarTexto(texto);
        QCOMPARE(int(p->TextoDigitado().size()), int(texto.size()));
    }

    static int colunas(TTipoFonte fonte, char caractere)
    {
        QByteArray glifo;
        TFontesLed::LerGlifo(fonte, static_cast<unsigned char>(caractere), glifo);
        return TFontesLed::UltimaColunaDoGlifo(fonte, glifo, TFontesLed::AlturaDaFonte(fonte)) + 1;
    }

private slots:
    void initTestCase()
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(QStringLiteral("FONTES12.INI")));
        TSom::DefinirBipe([this] { ++bipes; });
    }
    void init() { bipes = 0; }
    void cleanup()
    {
        if (TFrm_DimensaoTexto *j = TFrm_DimensaoTexto::Aberto())
            j->close();
        QVERIFY(!TFrm_DimensaoTexto::Aberto());
    }
    void cleanupTestCase()
    {
        TSom::DefinirBipe({});
        TFontesLed::DefinirArquivoDeFontes({});
    }

    void emolduraALinhaERestauraNoEsc()
    {
        QWidget dono;
        TFlexLed *p = novoPainel(dono);
        digitar(dono, p, QStringLiteral("00:0"));
        QCOMPARE(colunas(TTipoFonte::tfVeltronix8x7, '0'), 8);
        QCOMPARE(colunas(TTipoFonte::tfVeltronix8x7, ':'), 2);
        AbrirDimensaoTexto(p);
        QCOMPARE(bipes, 1);
        TFrm_DimensaoTexto *j = TFrm_DimensaoTexto::Aberto();
        QVERIFY(j);
        QVERIFY(j->isVisible());
        QCOMPARE(j->windowTitle(), QStringLiteral("Dimension do Texto"));
        QCOMPARE(j->Fme_Fontes->Gbx_Graficos->title(), QStringLiteral("Fuente/Texto"));
        QVERIFY(!j->Fme_Fontes->Btn_FormataTexto->isVisibleTo(j));
        QCOMPARE(j->Timer1->interval(), 1500);
        QVERIFY(j->Timer1->isActive());
        QCOMPARE(j->Fme_Fontes->Fonte(), TTipoFonte::tfVeltronix8x7);
        QCOMPARE(p->Modo(), TModo::ModoMarcacao);
        QCOMPARE(p->InicioMarcacao, p->Led(1, 1, false));
        QCOMPARE(p->FimMarcacao, p->Led(8, 8 + 8 + 2 + 8 + 1, false));
        // Opening again reuses the window, with the reason it opened; the keyboard is
        // the window's (a click on a control leaves it there), and Esc closes it.
        AbrirDimensaoTexto(p, u"O texto não cabe no painel Frontal: ligue a rolagem ou escolha uma fonte menor"_s);
        QCOMPARE(TFrm_DimensaoTexto::Aberto(), j);
        QCOMPARE(bipes, 2);
        QVERIFY(j->Lbl_Motivo->isVisibleTo(j));
        QCOMPARE(j->Lbl_Motivo->text(), u"O texto não cabe no painel Frontal: ligue a rolagem ou escolha uma fonte menor"_s);
        QVERIFY(QTest::qWaitForWindowActive(j));
        QTest::mouseClick(j->Fme_Fontes->Btn_AlinhaEsquerda, Qt::LeftButton);
        QVERIFY(!QApplication::focusWidget());
        QTest::keyClick(j, Qt::Key_Escape);
        QVERIFY(!TFrm_DimensaoTexto::Aberto());
        // The mode from before the first opening, not ModoMarcacao, and the keyboard back on the panel.
        QCOMPARE(p->Modo(), TModo::ModoTexto);
        QVERIFY(!p->InicioMarcacao);
        QVERIFY(!p->FimMarcacao);
        QVERIFY(QTest::qWaitForWindowActive(&dono));
        QVERIFY(p->CapturaDeTeclas()->hasFocus());
    }

    void linhaSemCaracteresNaoTemMoldura()
    {
        QWidget dono;
        TFlexLed *p = novoPainel(dono);
        digitar(dono, p, QStringLiteral("00"));
        p->DefinirFonteUtilizada(TTipoFonte::tfVeltronix5x5); // characters of another font only
        AbrirDimensaoTexto(p);
        QCOMPARE(p->Modo(), TModo::ModoMarcacao);
        QVERIFY(!p->InicioMarcacao);
        QVERIFY(!p->FimMarcacao);
    }

    void controlesAgemNoPainel()
    {
        QWidget dono;
        TFlexLed *p = novoPainel(dono);
        digitar(dono, p, QStringLiteral("00"));
        AbrirDimensaoTexto(p);
        TFrm_DimensaoTexto *j = TFrm_DimensaoTexto::Aberto();
        j->Fme_Fontes->Btn_AlinhaCentro->click();
        QCOMPARE(p->Alinhamento(), TAlinhamento::taCenter);
        QCOMPARE(p->TextoDigitado().front()->Coluna, (96 - 16) / 2 + 1);
        j->Fme_Fontes->Btn_AumntaDistancia->click();
        QCOMPARE(p->TextoDigitado().front()->Largura, 9);
        j->Fme_Fontes->Sbt_DIVISAO_Baixo->click();
        QCOMPARE(p->FonteUtilizada(), TTipoFonte::tfVeltronix8x6);
        QCOMPARE(p->Modo(), TModo::ModoMarcacao);
    }

    // Rebinding gives the first panel its mode back; the window goes with
    // its panel.
    void outroPainelEPainelQueSome()
    {
        QWidget dono;
        TFlexLed *a = novoPainel(dono);
        TFlexLed *b = novoPainel(dono);
        digitar(dono, a, QStringLiteral("0"));
        a->DefinirModo(TModo::ModoGrafico);
        AbrirDimensaoTexto(a);
        QCOMPARE(a->Modo(), TModo::ModoMarcacao);
        AbrirDimensaoTexto(b);
        TFrm_DimensaoTexto *j = TFrm_DimensaoTexto::Aberto();
        QCOMPARE(j->Painel(), b);
        QCOMPARE(a->Modo(), TModo::ModoGrafico);
        QVERIFY(!a->InicioMarcacao);
        QCOMPARE(b->Modo(), TModo::ModoMarcacao);
        QPointer<TFrm_DimensaoTexto> fechada = j;
        delete b;
        QVERIFY(!TFrm_DimensaoTexto::Aberto());
        QTRY_VERIFY(!fechada); // deleted on close
        QCOMPARE(a->Modo(), TModo::ModoGrafico);
    }
};

QTEST_MAIN(TesteDimensaoTexto)
#include "tst_dimensaotexto.moc"
