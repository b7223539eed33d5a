#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include "panel/ui/UFmeFontes.h"

// The font tool frame: the font spin with its wrap-around, the buttons and
// the hooks they raise.
class TesteFmeFontes : public QObject {
    Q_OBJECT

private slots:
    void inicial()
    {
        TFme_Fontes f;
        QCOMPARE(f.Gbx_Graficos->title(), QStringLiteral("Fonte/Texto"));
        QCOMPARE(f.Fonte(), TTipoFonte::tfVeltronix8x7);
        QCOMPARE(f.Lbl_NOME_FONTE->text(), QStringLiteral("8x7"));
        QCOMPARE(f.Btn_FormataTexto->text(), QStringLiteral("..."));
    }

    void giro_data()
    {
        QTest::addColumn<TTipoFonte>("inicial");
        QTest::addColumn<bool>("subir");
        QTest::addColumn<TTipoFonte>("final");
        QTest::addColumn<QString>("nome");
        QTest::newRow("13x9 sobe para 5x5") << TTipoFonte::tfVeltronix13x9 << true << TTipoFonte::tfVeltronix5x5
                                            << "5x5";
        QTest::newRow("5x5 desce para 13x9") << TTipoFonte::tfVeltronix5x5 << false << TTipoFonte::tfVeltronix13x9
                                             << "13x9";
        QTest::newRow("8x7 sobe para 11x6") << TTipoFonte::tfVeltronix8x7 << true << TTipoFonte::tfVeltronix11x6
                                            << "11x6";
        QTest::newRow("8x4 desce para 6x6") << TTipoFonte::tfVeltronix8x4 << false << TTipoFonte::tfVeltronix6x6
                                            << "6x6";
    }

    void giro()
    {
        QFETCH(TTipoFonte, inicial);
        QFETCH(bool, subir);
        TFme_Fontes f;
        int avisos = 0;
        f.AoAlterarFonte = [&](TFme_Fontes *sender) {
            QCOMPARE(sender, &f);
            ++avisos;
        };
        f.MostrarFonte(inicial);
        QCOMPARE(avisos, 0);
        QTest::mouseClick(subir ? f.Sbt_DIVISAO_Cima : f.Sbt_DIVISAO_Baixo, Qt::LeftButton);
        QTEST(f.Fonte(), "final");
        QTEST(f.Lbl_NOME_FONTE->text(), "nome");
        QCOMPARE(avisos, 1);
    }

    void semFonteOGiroNadaFaz()
    {
        TFme_Fontes f;
        int avisos = 0;
        f.AoAlterarFonte = [&](TFme_Fontes *) { ++avisos; };
        f.MostrarFonte(TTipoFonte::tfNenhum);
        QCOMPARE(f.Lbl_NOME_FONTE->text(), QStringLiteral("8x7")); // a name only for fonts 1..12
        QTest::mouseClick(f.Sbt_DIVISAO_Cima, Qt::LeftButton);
        QTest::mouseClick(f.Sbt_DIVISAO_Baixo, Qt::LeftButton);
        QCOMPARE(f.Fonte(), TTipoFonte::tfNenhum);
        QCOMPARE(avisos, 0);
        f.DefinirFonte(TTipoFonte::tfVeltronix11x8);
        QCOMPARE(f.Lbl_NOME_FONTE->text(), QStringLiteral("11x8"));
        QCOMPARE(avisos, 1);
    }

    void botoes()
    {
        TFme_Fontes f;
        QList<TAlinhamento> alinhamentos;
        QList<int> passos;
        int formatar = 0;
        f.AoAlinhar = [&](TAlinhamento a) { alinhamentos.append(a); };
        f.AoEspacar = [&](int p) { passos.append(p); };
        f.AoFormatarTexto = [&](TFme_Fontes *sender) {
            QCOMPARE(sender, &f);
            ++formatar;
        };
        for (QToolButton *b : {f.Btn_AlinhaEsquerda, f.Btn_AlinhaCentro, f.Btn_AlinhaDireita, f.Btn_AumntaDistancia,
                               f.Btn_DiminuiDistancia, f.Btn_FormataTexto})
            QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(alinhamentos, (QList<TAlinhamento>{TAlinhamento::taLeftJustify, TAlinhamento::taCenter,
                                                     TAlinhamento::taRightJustify}));
        QCOMPARE(passos, (QList<int>{+1, -1}));
        QCOMPARE(formatar, 1);
        // Disabled buttons raise nothing; "..." is not among them.
        f.HabilitarBotoes(false);
        for (QToolButton *b : {f.Btn_AlinhaEsquerda, f.Btn_AlinhaCentro, f.Btn_AlinhaDireita, f.Btn_AumntaDistancia,
                               f.Btn_DiminuiDistancia})
            QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(alinhamentos.size(), 3);
        QCOMPARE(passos.size(), 2);
        QVERIFY(f.Btn_FormataTexto->isEnabled());
        // Without hooks nothing happens.
        TFme_Fontes semGanchos;
        QTest::mouseClick(semGanchos.Btn_AlinhaCentro, Qt::LeftButton);
        QTest::mouseClick(semGanchos.Sbt_DIVISAO_Cima, Qt::LeftButton);
        QCOMPARE(semGanchos.Fonte(), TTipoFonte::tfVeltronix11x6);
    }
};

QTEST_MAIN(TesteFmeFontes)
#include "tst_fmefontes.moc"
