#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include "data/UModeloTabela.h"
#include "panel/UErro.h"
#include "tabela_fixture.h"

class TesteModeloTabela : public QObject {
    Q_OBJECT
private slots:
    void conteudoECabecalho();
    void sinaisDasAlteracoes();
    void suspensaoCongelaEReiniciaUmaVez();
    void operacoesAleatoriasMantemModeloFiel();
    void sobreviveATabela();
};

namespace {

// Every cell of the model equals the table's visible rows, in order.
void ConferirModelo(const TModeloTabela &modelo, TTabelaMemoria &tabela)
{
    QCOMPARE(modelo.rowCount(), tabela.QuantidadeDeLinhas());
    for (int linha = 0; linha < modelo.rowCount(); ++linha) {
        QCOMPARE(modelo.index(linha, 0).data(Qt::UserRole).value<TMarcador>(), tabela.MarcadorNaLinha(linha));
        for (int coluna = 0; coluna < modelo.columnCount(); ++coluna) {
            const int indice = tabela.IndiceDaColuna(modelo.Colunas().value(coluna, tabela.Coluna(coluna).Nome));
            QCOMPARE(modelo.index(linha, coluna).data(), tabela.ValorNaLinha(linha, indice));
        }
    }
}

} // namespace

void TesteModeloTabela::conteudoECabecalho()
{
    auto t = NovaTabela();
    TModeloTabela modelo(*t);
    QAbstractItemModelTester testador(&modelo, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(modelo.columnCount(), t->QuantidadeDeColunas());
    Acrescentar(*t, {{u"PAINEL"_s, 2}, {u"NRO"_s, 5}, {u"TEXTO"_s, u"abc"_s}});
    Acrescentar(*t, {{u"PAINEL"_s, 1}, {u"NRO"_s, 6}});
    const TMarcador primeiro = t->MarcadorNaLinha(0);

    modelo.DefinirColunas({u"nro"_s, u"ROTULO"_s, u"PAINEL"_s});
    QCOMPARE(modelo.columnCount(), 3);
    QCOMPARE(modelo.headerData(0, Qt::Horizontal).toString(), u"Número"_s);
    QCOMPARE(modelo.headerData(1, Qt::Horizontal).toString(), u"Rótulo"_s);
    QCOMPARE(modelo.headerData(2, Qt::Horizontal).toString(), u"PAINEL"_s);
    QCOMPARE(modelo.index(0, 0).data(), QVariant(5));
    QCOMPARE(modelo.index(0, 1).data(), QVariant(u"P2-abc"_s)); // calculated
    QCOMPARE(modelo.index(0, 0).data(Qt::UserRole).value<TMarcador>(), primeiro);
    QVERIFY(!(modelo.flags(modelo.index(0, 0)) & Qt::ItemIsEditable));

    t->DefinirOrdem(u"PAINEL"_s);
    QCOMPARE(modelo.index(1, 0).data(), QVariant(5));
    QVERIFY(t->IrPara(modelo.index(1, 0).data(Qt::UserRole).value<TMarcador>()));
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 5);
    QVERIFY_THROWS_EXCEPTION(TErro, modelo.DefinirColunas({u"NADA"_s}));
    QCOMPARE(modelo.columnCount(), 3);
}

void TesteModeloTabela::sinaisDasAlteracoes()
{
    auto t = NovaTabela();
    t->DefinirOrdem(u"NRO"_s);
    TModeloTabela modelo(*t);
    QAbstractItemModelTester testador(&modelo, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inseridas(&modelo, &QAbstractItemModel::rowsInserted);
    QSignalSpy removidas(&modelo, &QAbstractItemModel::rowsRemoved);
    QSignalSpy alteradas(&modelo, &QAbstractItemModel::dataChanged);
    QSignalSpy reinicios(&modelo, &QAbstractItemModel::modelReset);
    QSignalSpy corrente(&modelo, &TModeloTabela::LinhaCorrenteMudou);

    for (int nro : {10, 30, 20})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    QCOMPARE(inseridas.size(), 3);
    QCOMPARE(inseridas.last().at(1).toInt(), 1); // 20 went between 10 and 30
    QCOMPARE(corrente.last().at(0).toInt(), 1);

    t->Editar();
    t->DefinirValor(u"TEXTO"_s, u"x"_s);
    t->Gravar();
    QCOMPARE(alteradas.size(), 1);
    QCOMPARE(alteradas.last().at(0).toModelIndex().row(), 1);
    QCOMPARE(alteradas.last().at(1).toModelIndex().column(), modelo.columnCount() - 1);

    t->Editar();
    t->DefinirValor(u"NRO"_s, 40); // moves to the end: out, then in
    t->Gravar();
    QCOMPARE(removidas.size(), 1);
    QCOMPARE(removidas.last().at(1).toInt(), 1);
    QCOMPARE(inseridas.last().at(1).toInt(), 2);
    QCOMPARE(modelo.index(2, t->IndiceDaColuna(u"TEXTO"_s)).data(), QVariant(u"x"_s));

    t->Primeiro();
    t->Excluir();
    QCOMPARE(removidas.size(), 2);
    QCOMPARE(removidas.last().at(1).toInt(), 0);

    QCOMPARE(reinicios.size(), 0);
    t->AoFiltrar = [](const TLinhaTabela &linha) { return linha.ComoInteiro(u"NRO"_s) > 30; };
    t->DefinirFiltrado(true);
    t->DefinirOrdem(QString());
    t->Fechar();
    QCOMPARE(reinicios.size(), 3);
    QCOMPARE(modelo.rowCount(), 0);
}

void TesteModeloTabela::suspensaoCongelaEReiniciaUmaVez()
{
    auto t = NovaTabela();
    Acrescentar(*t, {{u"NRO"_s, 1}});
    TModeloTabela modelo(*t);
    QAbstractItemModelTester testador(&modelo, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reinicios(&modelo, &QAbstractItemModel::modelReset);
    QSignalSpy inseridas(&modelo, &QAbstractItemModel::rowsInserted);
    QSignalSpy removidas(&modelo, &QAbstractItemModel::rowsRemoved);

    t->DesabilitarControles();
    t->DesabilitarControles();
    for (int nro : {2, 3, 4})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    t->Primeiro();
    t->Excluir();
    t->DefinirOrdem(u"NRO"_s);
    QCOMPARE(modelo.rowCount(), 1); // frozen
    QVERIFY(!modelo.index(0, 0).data(Qt::UserRole).isNull());
    t->HabilitarControles();
    QCOMPARE(modelo.rowCount(), 1);
    QCOMPARE(reinicios.size(), 0);
    t->Fechar(); // still suspended: nothing heard
    t->Abrir();
    Acrescentar(*t, {{u"NRO"_s, 8}});
    Acrescentar(*t, {{u"NRO"_s, 9}});
    QCOMPARE(modelo.rowCount(), 1);
    t->HabilitarControles();
    QCOMPARE(reinicios.size(), 1);
    QCOMPARE(inseridas.size(), 0);
    QCOMPARE(removidas.size(), 0);
    ConferirModelo(modelo, *t);

    // A model made while the table is suspended starts frozen too.
    t->DesabilitarControles();
    TModeloTabela tardio(*t);
    Acrescentar(*t, {{u"NRO"_s, 10}});
    QCOMPARE(tardio.rowCount(), 2);
    t->HabilitarControles();
    QCOMPARE(tardio.rowCount(), 3);
}

// Random edits, inserts, deletes, filters, orders and suspensions, with
// after-post and after-delete callbacks that change this table and another
// one. After every step the model must hold exactly the table's visible rows,
// and the item model tester checks every signal on the way.
void TesteModeloTabela::operacoesAleatoriasMantemModeloFiel()
{
    auto t = NovaTabela();
    auto espelho = NovaTabela();
    TModeloTabela modelo(*t);
    TModeloTabela modeloEspelho(*espelho);
    modelo.DefinirColunas({u"NRO"_s, u"PAINEL"_s, u"ROTULO"_s});
    QAbstractItemModelTester testador(&modelo, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester testadorEspelho(&modeloEspelho, QAbstractItemModelTester::FailureReportingMode::QtTest);
    t->AoFiltrar = [](const TLinhaTabela &linha) { return linha.ComoInteiro(u"NRO"_s) % 5 != 0; };
    t->AposGravar = [&espelho](TTabelaMemoria &tabela) {
        const int nro = tabela.ComoInteiro(u"NRO"_s);
        if (espelho->Localizar(u"NRO"_s, {nro}))
            espelho->Editar();
        else
            espelho->Acrescentar();
        Preencher(*espelho, {{u"NRO"_s, nro}, {u"PAINEL"_s, tabela.Valor(u"PAINEL"_s)}});
        espelho->Gravar();
    };
    t->AposExcluir = [](TTabelaMemoria &tabela) {
        // Deleting one row also deletes the next one whose number is odd, re-entering Excluir.
        if (!tabela.Fim() && tabela.ComoInteiro(u"NRO"_s) % 2 == 1)
            tabela.Excluir();
    };

    QRandomGenerator aleatorio(20240611);
    const QStringList ordens{QString(), u"NRO"_s, u"PAINEL;NRO"_s, u"TEXTO"_s};
    for (int passo = 0; passo < 1500; ++passo) {
        const int escolha = aleatorio.bounded(100);
        const bool vazia = t->Vazia();
        if (escolha < 35) {
            aleatorio.bounded(2) ? t->Acrescentar() : t->Inserir();
            Preencher(*t, {{u"NRO"_s, aleatorio.bounded(40)}, {u"PAINEL"_s, aleatorio.bounded(4) + 1}});
            if (aleatorio.bounded(10) == 0)
                t->Cancelar();
            else
                t->Gravar();
        } else if (escolha < 52 && !vazia) {
            t->Editar();
            Preencher(*t, {{u"NRO"_s, aleatorio.bounded(40)},
                           {u"TEXTO"_s, QString::number(aleatorio.bounded(1000))}});
            aleatorio.bounded(3) ? t->Gravar() : t->Proximo(); // navigating posts too
        } else if (escolha < 62 && !vazia) {
            t->Excluir();
        } else if (escolha < 75) {
            t->Localizar(u"NRO"_s, {aleatorio.bounded(40)});
        } else if (escolha < 82) {
            t->IrPara(t->MarcadorNaLinha(aleatorio.bounded(qMax(1, t->QuantidadeDeLinhas()))));
        } else if (escolha < 87) {
            t->DefinirFiltrado(aleatorio.bounded(2) == 0);
        } else if (escolha < 92) {
            t->DefinirOrdem(ordens[aleatorio.bounded(ordens.size())]);
        } else if (escolha < 97) {
            aleatorio.bounded(2) ? t->DesabilitarControles() : t->HabilitarControles();
        } else if (escolha < 98) {
            t->Abrir();
        } else {
            aleatorio.bounded(2) ? t->Primeiro() : t->Ultimo();
        }
        if (!t->ControlesDesabilitados()) {
            ConferirModelo(modelo, *t);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(u"step %1"_s.arg(passo)));
        }
    }
    while (t->ControlesDesabilitados())
        t->HabilitarControles();
    ConferirModelo(modelo, *t);
    ConferirModelo(modeloEspelho, *espelho);
}

void TesteModeloTabela::sobreviveATabela()
{
    auto t = NovaTabela();
    Acrescentar(*t, {{u"NRO"_s, 1}});
    TModeloTabela modelo(*t);
    QSignalSpy reinicios(&modelo, &QAbstractItemModel::modelReset);
    t.reset();
    QCOMPARE(reinicios.size(), 1);
    QVERIFY(!modelo.Tabela());
    QCOMPARE(modelo.rowCount(), 0);
    QCOMPARE(modelo.columnCount(), 0);
}

QTEST_GUILESS_MAIN(TesteModeloTabela)
#include "tst_modelotabela.moc"
