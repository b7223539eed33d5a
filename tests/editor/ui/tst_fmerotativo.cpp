#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "editor/rotativos_fixture.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/ui/URespostasMensagem.h"

using namespace Qt::StringLiterals;

// The rotating-message tool on screen: what it shows, and the operator's
// clicks and shortcut keys reaching the slots and the exposure time.
class TesteTFmeRotativo : public QObject {
    Q_OBJECT

    template <typename T> static T *controle(const TFme_Rotativo &f, const QString &nome)
    {
        T *c = f.findChild<T *>(nome);
        if (!c)
            qFatal("controle ausente: %s", qPrintable(nome));
        return c;
    }

    static QList<int> marcadas(const TFme_Rotativo &f)
    {
        QList<int> resultado;
        for (int n = 1; n <= 8; ++n)
            if (controle<QRadioButton>(f, u"Rbt_Rotativo%1"_s.arg(n))->isChecked())
                resultado.append(n);
        return resultado;
    }

    static QString tempo(const TFme_Rotativo &f) { return controle<QLabel>(f, u"Lbl_TEMPOEXP"_s)->text(); }

    static void mostrar(TFme_Rotativo &f)
    {
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
    }

private slots:
    void telaInicial()
    {
        TFme_Rotativo f;
        QCOMPARE(controle<QGroupBox>(f, u"Grp_TextoRotativo"_s)->title(), u"Texto Rotativo"_s);
        QCOMPARE(controle<QGroupBox>(f, u"Grp_Tiempo"_s)->title(), u"Tiempo"_s);
        QCOMPARE(controle<QToolButton>(f, u"Btn_RotativoAnterior"_s)->text(), u"Anterior"_s);
        QCOMPARE(controle<QToolButton>(f, u"Btn_ProximoRotativo"_s)->text(), u"Próximo"_s);
        QCOMPARE(controle<QAction>(f, u"Act_Anterior"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F3));
        QCOMPARE(controle<QAction>(f, u"Act_Proximo"_s)->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(controle<QLabel>(f, u"Lbl_Seg"_s)->text(), u"Seg."_s);
        QCOMPARE(tempo(f), u"0000"_s);
        QVERIFY(controle<QLabel>(f, u"Lbl_TEMPOEXP"_s)->font().bold());
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(controle<QRadioButton>(f, u"Rbt_Rotativo%1"_s.arg(n))->text(), QString::number(n));
        QVERIFY(marcadas(f).isEmpty());
        QCOMPARE(f.RotativoAtual, quint16(0));
        QVERIFY(!f.GravarAoTrocar);
        QVERIFY(f.UltimoPainel.isEmpty());
    }

    void cliqueNasCaixas()
    {
        TFme_Rotativo f;
        TDonoRotativos dono(f, {1, 2});
        f.ReiniciarRotativos();
        QCOMPARE(marcadas(f), QList<int>{1});
        QCOMPARE(tempo(f), u"2"_s);
        mostrar(f);

        QTest::mouseClick(controle<QRadioButton>(f, u"Rbt_Rotativo5"_s), Qt::LeftButton);
        QCOMPARE(f.RotativoAtual, quint16(5));
        QCOMPARE(marcadas(f), QList<int>{5});
        QCOMPARE(dono.apos, 1);

        // Clicking the ticked box again reloads the slot and leaves it ticked.
        QTest::mouseClick(controle<QRadioButton>(f, u"Rbt_Rotativo5"_s), Qt::LeftButton);
        QCOMPARE(marcadas(f), QList<int>{5});
        QCOMPARE(dono.apos, 2);

        QTest::mouseClick(controle<QToolButton>(f, u"Btn_RotativoAnterior"_s), Qt::LeftButton);
        QCOMPARE(marcadas(f), QList<int>{4});
        QTest::mouseClick(controle<QToolButton>(f, u"Btn_ProximoRotativo"_s), Qt::LeftButton);
        QCOMPARE(marcadas(f), QList<int>{5});
    }

    void atalhos_data()
    {
        QTest::addColumn<int>("inicial");
        QTest::addColumn<bool>("controle");
        QTest::addColumn<int>("esperado");
        QTest::newRow("F3") << 3 << false << 4;
        QTest::newRow("F3 em 8") << 8 << false << 8;
        QTest::newRow("Ctrl+F3") << 3 << true << 2;
        QTest::newRow("Ctrl+F3 em 1") << 1 << true << 1;
    }
    void atalhos()
    {
        QFETCH(int, inicial);
        QFETCH(bool, controle);
        QFETCH(int, esperado);
        TFme_Rotativo f;
        TDonoRotativos dono(f, {1});
        f.ReiniciarRotativos();
        f.GravarAoTrocar = true;
        f.ClicarRotativo(quint16(inicial));
        dono.antes = dono.apos = 0;
        mostrar(f);

        QTest::keyClick(f.windowHandle(), Qt::Key_F3, controle ? Qt::ControlModifier : Qt::NoModifier);

        QCOMPARE(int(f.RotativoAtual), esperado);
        QCOMPARE(marcadas(f), QList<int>{esperado});
        QCOMPARE(dono.antes, 1);
        QCOMPARE(dono.apos, 1);
    }

    void botaoDeGiro()
    {
        TFme_Rotativo f;
        TDonoRotativos dono(f, {1});
        f.ReiniciarRotativos();
        mostrar(f);
        auto *acima = controle<QToolButton>(f, u"Sbt_TEMPOEXPTop"_s);
        auto *abaixo = controle<QToolButton>(f, u"Sbt_TEMPOEXPBottom"_s);

        QTest::mouseClick(acima, Qt::LeftButton);
        QCOMPARE(tempo(f), u"3"_s);
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(abaixo, Qt::LeftButton);
        QCOMPARE(tempo(f), u"0"_s);
        QCOMPARE(f.Configuracao(1, 1).TempoExposicao, qint16(0));

        f.Configuracao(1, 1).TempoExposicao = 255;
        QTest::mouseClick(acima, Qt::LeftButton);
        QCOMPARE(tempo(f), u"255"_s);
        QCOMPARE(f.Configuracao(1, 1).TempoExposicao, qint16(255));
    }

    void habilitacao()
    {
        TFme_Rotativo f;
        TDonoRotativos dono(f, {1});
        f.ReiniciarRotativos();
        mostrar(f);
        const QStringList nomes{u"Lbl_Seg"_s, u"Btn_RotativoAnterior"_s, u"Btn_ProximoRotativo"_s,
                                u"Grp_Tiempo"_s, u"Grp_TextoRotativo"_s, u"Lbl_TEMPOEXP"_s,
                                u"Sbt_TEMPOEXP"_s, u"Rbt_Rotativo1"_s, u"Rbt_Rotativo8"_s};

        f.DesabilitarRotativo();
        QVERIFY(!f.isEnabled());
        for (const QString &nome : nomes)
            QVERIFY2(!controle<QWidget>(f, nome)->isEnabled(), qPrintable(nome));
        QTest::keyClick(f.windowHandle(), Qt::Key_F3);
        QCOMPARE(f.RotativoAtual, quint16(1));

        f.HabilitarRotativo();
        for (const QString &nome : nomes)
            QVERIFY2(controle<QWidget>(f, nome)->isEnabled(), qPrintable(nome));
        QTest::keyClick(f.windowHandle(), Qt::Key_F3);
        QCOMPARE(f.RotativoAtual, quint16(2));
    }

    void eventoAusenteNaCaixaDeErro()
    {
        TFme_Rotativo f;
        TDonoRotativos dono(f, {1});
        f.ReiniciarRotativos();
        f.OnRetornaPainelAtivo = nullptr;
        mostrar(f);
        TRespostasMensagem respostas{TMensagem::mrOk, TMensagem::mrOk};

        QTest::mouseClick(controle<QRadioButton>(f, u"Rbt_Rotativo3"_s), Qt::LeftButton);
        QTest::mouseClick(controle<QToolButton>(f, u"Sbt_TEMPOEXPTop"_s), Qt::LeftButton);

        QCOMPARE(respostas.Pedidos().size(), 2);
        QCOMPARE(respostas.Pedidos().first().Texto,
                 u"ATENÇÃO:\r\nO evento \"OnRetornaPainelAtivo\" não foi informado."_s);
        QCOMPARE(respostas.Pedidos().first().Tipo, TTipoMensagem::mtError);
        QCOMPARE(f.RotativoAtual, quint16(1));
        QCOMPARE(marcadas(f), QList<int>{1});
        QCOMPARE(tempo(f), u"2"_s);
    }
};

QTEST_MAIN(TesteTFmeRotativo)
#include "tst_fmerotativo.moc"
