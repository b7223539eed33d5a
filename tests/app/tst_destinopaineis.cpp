#include <QTemporaryDir>
#include <QtTest>

#include "app/UDestinoPaineis.h"
#include "app/linhas_fixture.h"
#include "app/projeto_fixture.h"
#include "editor/UCfgRotativo.h"
#include "editor/URotativos.h"
#include "output/saida_fixture.h"
#include "panel/UPainelLed.h"

// A destination between the table and the panels without a window: which
// number the next destination gets and which rows a store makes.
class TesteDestinoPaineis : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // The next number comes after the highest any sign holds: a new destination
    // never lands on another sign's stored message. A pending row at a number
    // some sign has stored gives way; one after them all is kept.
    void proximoNumero_data()
    {
        QTest::addColumn<QList<int>>("lateral");
        QTest::addColumn<int>("pendente");
        QTest::addColumn<int>("esperado");
        QTest::newRow("lateral com mais números") << QList<int>{1, 2, 3, 4, 5} << 0 << 6;
        QTest::newRow("pendente onde a lateral guardou") << QList<int>{1, 2, 3, 4} << 4 << 5;
        QTest::newRow("pendente depois de todos") << QList<int>{1, 2} << 7 << 7;
    }
    void proximoNumero()
    {
        QFETCH(QList<int>, lateral);
        QFETCH(int, pendente);
        TDtm_Destino d;
        d.AbrirTabelas({});
        for (int n : {1, 2, 3})
            GravarLinha(d, Linha(1, n, Fixture::Conteudo(8, 80, {QPoint(1, 1)}), u"F%1"_s.arg(n)));
        for (int n : lateral)
            GravarLinha(d, Linha(2, n, Fixture::Conteudo(8, 80, {QPoint(2, 2)}), u"L%1"_s.arg(n)));
        if (pendente)
            GravarLinha(d, Pendente(1, pendente));
        const TLinhas guardadas = linhasGuardadas(d.Cds_DestinosExtras);

        TDestinoPaineis::PrepararProximo(d, 1, false, 1);
        QTEST(d.Cds_Rotulos.ComoInteiro(u"NRO_DESTINO"_s), "esperado");
        QVERIFY(d.Cds_DestinosExtras.Localizar(u"EXTRA;PAINEL;NOVO"_s, {false, 1, true}, TVazio::ComoZero));
        QTEST(d.Cds_DestinosExtras.ComoInteiro(u"NRO_DESTINO"_s), "esperado");
        QVERIFY(diferenca(d.Cds_DestinosExtras, guardadas, linhasGuardadas(d.Cds_DestinosExtras)).isEmpty());
    }

    // Storing a destination again writes no empty row for a sign that has none
    // (one added to the bus later); a new destination gets a row on every sign.
    void semLinhaParaSinalVazio_data()
    {
        QTest::addColumn<bool>("novo");
        QTest::addColumn<bool>("linhaTraseira");
        QTest::newRow("destino guardado antes") << false << false;
        QTest::newRow("destino novo") << true << true;
    }
    void semLinhaParaSinalVazio()
    {
        QFETCH(bool, novo);
        TDtm_Destino d;
        d.AbrirTabelas({});
        TRotativos rotativos;
        TPainelLed traseiro;
        traseiro.Tag = 3;
        traseiro.DefinirNroLinhas(8);
        traseiro.DefinirNroColunas(40);
        TDestinoPaineis::Gravar(d, traseiro, rotativos, false, 1, 1, novo);
        QTEST(linhasGuardadas(d.Cds_DestinosExtras).contains({false, 3, 1}), "linhaTraseira");
        // With something to show the row is made either way.
        traseiro.DigitarTexto(u"T"_s);
        rotativos.Configuracao(3, 1).GravarPainel(traseiro);
        TDestinoPaineis::Gravar(d, traseiro, rotativos, false, 1, 1, novo);
        QVERIFY(linhasGuardadas(d.Cds_DestinosExtras).contains({false, 3, 1}));
    }

    // The message length and the departure clock come from the stored
    // messages, whichever one the panel shows when the row is written.
    void colunasDasMensagens()
    {
        TRotativos rotativos;
        TPainelLed painel;
        painel.Tag = 1;
        painel.DefinirNroLinhas(8);
        painel.DefinirNroColunas(80);
        painel.PosicionarCursor(1, 1);
        painel.DigitarTexto(u"SAIDA AS "_s);
        painel.InserirRelogio();
        rotativos.Configuracao(1, 2).GravarPainel(painel);
        const int relogio[] = {painel.RelogioColunaInicial(), painel.RelogioColunaFinal(),
                               painel.RelogioLinhaInicial(), painel.RelogioLinhaFinal()};
        const int longa = painel.UltimaColunaAcesa(true);
        painel.Limpar();
        painel.DigitarTexto(u"CURTO"_s);
        rotativos.Configuracao(1, 1).GravarPainel(painel);
        QVERIFY(painel.UltimaColunaAcesa(true) < longa);

        TDtm_Destino d;
        d.AbrirTabelas({});
        d.DefinirFiltroExtra(true);
        TDestinoPaineis::Gravar(d, painel, rotativos, true, 1, 1, true);
        TTabelaMemoria &t = d.Cds_DestinosExtras;
        QVERIFY(t.Localizar(u"EXTRA;PAINEL;NRO_DESTINO"_s, {true, 1, 1}, TVazio::ComoZero));
        QCOMPARE(t.ComoInteiro(u"TAMANHO_MENSAGEM"_s), longa);
        QCOMPARE(t.ComoInteiro(u"FONTE_HORARIO"_s), int(TTipoFonte::tfVeltronix8x7));
        QCOMPARE(t.ComoInteiro(u"POSXINICIAL"_s), relogio[0]);
        QCOMPARE(t.ComoInteiro(u"POSXFINAL"_s), relogio[1]);
        QCOMPARE(t.ComoInteiro(u"POSYINICIAL"_s), relogio[2]);
        QCOMPARE(t.ComoInteiro(u"POSYFINAL"_s), relogio[3]);
    }
};

QTEST_MAIN(TesteDestinoPaineis)
#include "tst_destinopaineis.moc"
