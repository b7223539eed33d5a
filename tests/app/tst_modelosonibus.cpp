#include <QtTest>

#include "app/UModelosOnibus.h"
#include "app/UNomeArquivo.h"
#include "app/UVersao.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TTipoFonte)

// The choice of signs without the dialog: model codes, boxes, list widths, version text, file names.
class TesteModelosOnibus : public QObject {
    Q_OBJECT

private slots:
    void modeloDoCodigo_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("colunas");
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::newRow("1") << 1 << 8 << 80 << TTipoFonte::tfVeltronix8x7;
        QTest::newRow("2, the blank front item") << 2 << 11 << 112 << TTipoFonte::tfVeltronix11x8;
        QTest::newRow("3") << 3 << 13 << 96 << TTipoFonte::tfVeltronix13x7;
        QTest::newRow("4") << 4 << 8 << 40 << TTipoFonte::tfVeltronix8x7;
        QTest::newRow("5") << 5 << 13 << 32 << TTipoFonte::tfVeltronix13x7;
        QTest::newRow("0") << 0 << 0 << 0 << TTipoFonte::tfNenhum;
        QTest::newRow("6") << 6 << 0 << 0 << TTipoFonte::tfNenhum;
    }
    void modeloDoCodigo()
    {
        QFETCH(int, codigo);
        QFETCH(int, linhas);
        QFETCH(int, colunas);
        QFETCH(TTipoFonte, fonte);
        const TModeloSinal m = ModeloDoCodigo(codigo);
        QCOMPARE(m.Linhas, linhas);
        QCOMPARE(m.Colunas, colunas);
        QCOMPARE(m.Fonte, fonte);
        QCOMPARE(int(fonte), codigo == 2 ? 9 : int(fonte));
    }

    // What the boxes show for a state, and the state written back from them.
    void itensDaSelecao()
    {
        TEstadoModelos e;
        e.TemFrontal = true;
        e.ModeloFrontal = 2;
        e.TemTraseiro = true;
        e.ModeloTraseiro = 5;
        e.TemLateral = true; // fitted, but its code has no item
        e.ModeloLateral = 3;
        const TItensSelecao itens = ItensDoEstado(e);
        QCOMPARE(itens.Frontal, 2);
        QCOMPARE(itens.Lateral, 0);
        QCOMPARE(itens.Traseiro, 2);
        QCOMPARE(itens.Auxiliar, 0);

        TEstadoModelos escrito;
        escrito.TipoOnibus = 4;
        GravarItens(escrito, {3, 1, 1, 0});
        QCOMPARE(escrito.TipoOnibus, quint8(1));
        QCOMPARE(escrito.Posicoes(), (QList<int>{1, 2, 3}));
        QCOMPARE(escrito.ModeloFrontal, quint8(3));
        QCOMPARE(escrito.ModeloLateral, quint8(1));
        QCOMPARE(escrito.ModeloTraseiro, quint8(4));
        QCOMPARE(escrito.ModeloAuxiliar, quint8(0));
        QVERIFY(!escrito.TemAuxiliar);

        // "Fechar Arquivo" sets the codes to 0 and keeps the flags: every box shows item 0.
        escrito.ModeloFrontal = escrito.ModeloLateral = escrito.ModeloTraseiro = 0;
        const TItensSelecao zerados = ItensDoEstado(escrito);
        QCOMPARE(zerados.Frontal + zerados.Lateral + zerados.Traseiro + zerados.Auxiliar, 0);
    }

    void larguraDosRotulos_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("quantidade");
        QTest::addColumn<int>("largura");
        QTest::newRow("860, 55, three signs") << 860 << 55 << 3 << 268;
        QTest::newRow("one sign") << 860 << 55 << 1 << 805;
        QTest::newRow("none: undivided") << 860 << 55 << 0 << 805;
        QTest::newRow("16-bit wrap") << 40000 << 0 << 1 << -25536;
    }
    void larguraDosRotulos()
    {
        QFETCH(int, grade);
        QFETCH(int, numero);
        QFETCH(int, quantidade);
        QFETCH(int, largura);
        QCOMPARE(LarguraDosRotulos(grade, numero, quantidade), largura);
    }

    void textoVersao_data()
    {
        QTest::addColumn<int>("maior");
        QTest::addColumn<int>("menor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("2.0") << 2 << 0 << u"2.0"_s;
        QTest::newRow("minor 12") << 1 << 12 << u"1.2"_s;
        QTest::newRow("minor 905") << 0 << 905 << u"0.05"_s;
    }
    void textoVersao()
    {
        QFETCH(int, maior);
        QFETCH(int, menor);
        QFETCH(QString, texto);
        QCOMPARE(TextoVersao(maior, menor), texto);
    }

    void nomeComExtensao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("no extension") << u"/tmp/onibus"_s << u"/tmp/onibus.ar1"_s;
        QTest::newRow("other extension kept") << u"/tmp/onibus.bak"_s << u"/tmp/onibus.bak"_s;
        QTest::newRow("dot in a folder") << u"/tmp/a.b/onibus"_s << u"/tmp/a.b/onibus.ar1"_s;
        QTest::newRow("cancelled") << QString() << QString();
    }
    void nomeComExtensao()
    {
        QFETCH(QString, nome);
        QFETCH(QString, esperado);
        QCOMPARE(NomeComExtensao(nome, u".ar1"_s), esperado);
    }
};

QTEST_GUILESS_MAIN(TesteModelosOnibus)
#include "tst_modelosonibus.moc"
