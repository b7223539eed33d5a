#include <QtTest>

#include "dtm_fixture.h"
#include "panel/UErro.h"
#include "panel/UPainelLed.h"

// The two tables of a project: labels, numbering, insertion and deletion.
class TesteDtmDestino : public QObject {
    Q_OBJECT
private slots:
    void colunasDosDestinos();
    void projetoNovo();
    void tabelaFechadaOuVazia();
    void rotuloCombinado_data();
    void rotuloCombinado();
    void rotuloPorPosicao();
    void inserirDestino();
    void exclusao_data();
    void exclusao();
    void novaLinhaDuasVezes();
    void maiorNumero();
    void reconstruirPorTipo();
};

void TesteDtmDestino::colunasDosDestinos()
{
    TDtm_Destino d;
    QStringList nomes;
    for (int i = 0; i < d.Cds_DestinosExtras.QuantidadeDeColunas(); ++i)
        nomes << d.Cds_DestinosExtras.Coluna(i).Nome;
    QStringList esperados{u"TIPOONIBUS"_s, u"PAINEL"_s, u"EXTRA"_s, u"ROTULO"_s, u"NRO_DESTINO"_s,
                          u"NRO_LINHAS"_s, u"NRO_COLUNAS"_s, u"COR_DIVISAO"_s, u"COR_PADRAO"_s, u"COR_FUNDO"_s,
                          u"DIV_COLUNA"_s, u"DIV_LINHA"_s};
    for (int n = 8; n >= 1; --n) {
        for (const QString &base : {u"CONFIG_PAINEL"_s, u"SENTIDO_ROTATIVO"_s, u"TPO_ROTATIVO"_s,
                                    u"NRO_ROTATIVO"_s, u"ROTULO"_s})
            esperados << base + QString::number(n);
    }
    esperados << u"NOVO"_s << u"ROTATIVO"_s << u"ROLAGEM"_s << u"FONTE_HORARIO"_s << u"POSXINICIAL"_s
              << u"POSXFINAL"_s << u"POSYINICIAL"_s << u"POSYFINAL"_s << u"TAMANHO_MENSAGEM"_s;
    QCOMPARE(nomes, esperados);

    const TTabelaMemoria &t = d.Cds_DestinosExtras;
    QCOMPARE(t.ProcurarColuna(u"TIPOONIBUS"_s)->Padrao, QVariant(1));
    QCOMPARE(t.ProcurarColuna(u"TIPOONIBUS"_s)->RotuloExibido(), u"Tipo de Onibus"_s);
    QVERIFY(t.ProcurarColuna(u"ROTULO"_s)->Calculada);
    QCOMPARE(t.ProcurarColuna(u"ROTULO"_s)->RotuloExibido(), u"Rótulo"_s);
    QCOMPARE(t.ProcurarColuna(u"NRO_DESTINO"_s)->RotuloExibido(), u"Número"_s);
    QCOMPARE(t.ProcurarColuna(u"CONFIG_PAINEL3"_s)->RotuloExibido(), u"Config do Painel 3"_s);
    QCOMPARE(t.ProcurarColuna(u"NRO_ROTATIVO8"_s)->RotuloExibido(), u"Nº do Rotativo 8"_s);
    QCOMPARE(t.ProcurarColuna(u"ROTULO5"_s)->Tamanho, 100);
    const TTabelaMemoria &r = d.Cds_Rotulos;
    QCOMPARE(r.ProcurarColuna(u"ROTULO4"_s)->RotuloExibido(), u"Frontal Aux."_s);
    QCOMPARE(r.ProcurarColuna(u"ROTULO4"_s)->Tag, 4);
    QCOMPARE(r.ProcurarColuna(u"NRO_DESTINO"_s)->RotuloExibido(), u"Nº Destino"_s);
}

// The label row of number 1 is there before anything is saved, hidden among
// the extras; saving the first destination fills it instead of adding a second row 1.
void TesteDtmDestino::projetoNovo()
{
    TDtm_Destino d;
    QVERIFY(d.AbrirTabelas(u"  "_s));
    QVERIFY(!d.TemLinhas());
    QCOMPARE(Rotulos(d), QStringList{u"1:|||"_s});
    d.DefinirFiltroExtra(true);
    QVERIFY(d.Cds_Rotulos.Vazia());
    d.DefinirFiltroExtra(false);

    Gravar(d, QStringList{u"1/1"_s, u"2/1"_s, u"1/2/N"_s});
    QCOMPARE(Rotulos(d), (QStringList{u"1:P1N1|P2N1||"_s, u"2:|||"_s}));

    TDtm_Destino semArquivo;
    QVERIFY(!semArquivo.AbrirTabelas(u"/nao/existe.ar1"_s));
    QVERIFY(!semArquivo.Cds_DestinosExtras.Ativa());
}

void TesteDtmDestino::tabelaFechadaOuVazia()
{
    TDtm_Destino d;
    TPainelLed painel;
    QVERIFY(!d.TemLinhas());
    QVERIFY(!d.Campo(u"PAINEL"_s));
    QVERIFY(!d.EditarAtual());
    QVERIFY(!d.GravarPendente());
    QVERIFY(!d.NovaLinha(1));
    QVERIFY(!d.InserirDestino(painel, 1));
    QCOMPARE(d.MaiorNumero(1), 0);
    QVERIFY(!d.ExcluirRotuloAtual());
    d.Primeiro();
    d.GuardarPosicao();
    d.RestaurarPosicao();

    d.AbrirTabelas({});
    QVERIFY(!d.InserirDestino(painel, 1));
    QCOMPARE(d.MaiorNumero(1), 0);
    QCOMPARE(d.CampoNumerado(u"CONFIG_PAINEL"_s, 3)->Nome, u"CONFIG_PAINEL3"_s);
    QVERIFY(d.CampoBlobNumerado(u"CONFIG_PAINEL"_s, 8));
    QVERIFY(!d.CampoBlobNumerado(u"ROTULO"_s, 1));
    QVERIFY(!d.Campo(u"NADA"_s));

    // A pending insert counts as editing even in an empty table.
    QVERIFY(d.NovaLinha(1));
    QVERIFY(d.EditarAtual());
    d.Cds_DestinosExtras.AposGravar = nullptr;
    QVERIFY(d.GravarPendente());
    QVERIFY(d.Cds_DestinosExtras.AposGravar); // attached again
    QVERIFY(d.TemLinhaCorrente(true));
    d.Proximo();
    QVERIFY(d.TemLinhaCorrente(false));
    QVERIFY(!d.TemLinhaCorrente(true));
    QVERIFY(!d.GravarPendente());
}

void TesteDtmDestino::rotuloCombinado_data()
{
    QTest::addColumn<QStringList>("mensagens");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("vazio no meio") << QStringList{u"Rua A"_s, {}, u"Centro"_s} << u"Rua A|Centro"_s;
    QTest::newRow("primeiro vazio") << QStringList{{}, u"B"_s} << QString();
    QTest::newRow("primeiro em branco") << QStringList{u"   "_s, u"B"_s} << QString();
    QTest::newRow("brancos aparados") << QStringList{u"  Estação  "_s, u" São João "_s} << u"Estação|São João"_s;
    QTest::newRow("oito") << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s}
                          << u"1|2|3|4|5|6|7|8"_s;
    QTest::newRow("cortado em 100") << QStringList{QString(60, u'a'), QString(60, u'b')}
                                    << QString(60, u'a') + u'|' + QString(39, u'b');
}

// The combined label, and the label table's column that receives it.
void TesteDtmDestino::rotuloCombinado()
{
    QFETCH(QStringList, mensagens);
    QFETCH(QString, rotulo);
    TDtm_Destino d;
    d.AbrirTabelas({});
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    t.Acrescentar();
    t.DefinirValor(u"PAINEL"_s, 3);
    t.DefinirValor(u"NRO_DESTINO"_s, 1);
    for (int n = 1; n <= mensagens.size(); ++n)
        t.DefinirValor(u"ROTULO"_s + QString::number(n), mensagens[n - 1]);
    d.GravarPendente();
    QCOMPARE(t.ComoTexto(u"ROTULO"_s), rotulo);
    QCOMPARE(Rotulos(d), QStringList{u"1:||%1|"_s.arg(rotulo)});
}

void TesteDtmDestino::rotuloPorPosicao()
{
    TDtm_Destino d;
    d.AbrirTabelas({});
    Gravar(d, QStringList{u"1/1"_s, u"2/1"_s, u"3/1"_s, u"4/1"_s, u"5/1"_s, u"4/2"_s});
    QCOMPARE(Rotulos(d), (QStringList{u"1:P1N1|P2N1|P3N1|P4N1"_s, u"2:|||P4N2"_s}));

    // An edit of a stored row rewrites its column only.
    QVERIFY(d.Cds_DestinosExtras.Localizar(u"PAINEL;NRO_DESTINO"_s, {2, 1}));
    QVERIFY(d.EditarAtual());
    d.Cds_DestinosExtras.DefinirValor(u"ROTULO1"_s, u"Novo"_s);
    QVERIFY(d.GravarPendente());
    QCOMPARE(Rotulos(d).first(), u"1:P1N1|Novo|P3N1|P4N1"_s);
}

// Inserting at 2 moves 2..3 of both positions up and gives only the panel's
// position a row 2, with the panel's colours, and an empty label row 2.
void TesteDtmDestino::inserirDestino()
{
    TDtm_Destino d;
    d.AbrirTabelas({});
    d.DefinirFiltroExtra(true);
    Gravar(d, QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s});
    d.DefinirFiltroExtra(false);
    Gravar(d, QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s});

    TPainelLed painel;
    painel.Tag = 2;
    painel.DefinirNroColunas(80);
    painel.DefinirCorFundo(Cores::Preto);
    painel.DefinirCorLed(Cores::Amarelo);
    painel.DefinirCorLedNaDivisao(Cores::Vermelho);
    painel.DefinirDivisaoNaColuna(20);
    QVERIFY(d.InserirDestino(painel, 2));

    QCOMPARE(Destinos(d), (QStringList{u"1/1"_s, u"1/3"_s, u"1/4"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s, u"2/4"_s}));
    QCOMPARE(Rotulos(d), (QStringList{u"1:P1N1|P2N1||"_s, u"2:|||"_s, u"3:P1N2|P2N2||"_s,
                                      u"4:P1N3|P2N3||"_s}));
    QVERIFY(d.Cds_DestinosExtras.Localizar(u"PAINEL;NRO_DESTINO"_s, {2, 2}));
    const TTabelaMemoria &t = d.Cds_DestinosExtras;
    QCOMPARE(t.ComoInteiro(u"COR_FUNDO"_s), int(Cores::Preto));
    QCOMPARE(t.ComoInteiro(u"COR_PADRAO"_s), int(Cores::Amarelo));
    QCOMPARE(t.ComoInteiro(u"COR_DIVISAO"_s), int(Cores::Vermelho));
    QCOMPARE(t.ComoInteiro(u"DIV_COLUNA"_s), 20);
    QCOMPARE(t.Valor(u"EXTRA"_s), QVariant(false));
    QCOMPARE(t.Valor(u"TIPOONIBUS"_s), QVariant(1));
    QCOMPARE(t.Ordem(), u"EXTRA;PAINEL;NRO_DESTINO"_s);
    QVERIFY(t.AposGravar);

    d.DefinirFiltroExtra(true); // the other kind did not move
    QCOMPARE(Destinos(d), (QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s}));
}

void TesteDtmDestino::exclusao_data()
{
    QTest::addColumn<bool>("extra");
    QTest::addColumn<QStringList>("linhas");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QStringList>("destinos");
    QTest::addColumn<QStringList>("rotulos");

    const QStringList quatro{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"1/4"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s, u"2/4"_s};
    const QStringList meio{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s};
    const QStringList rotulosMeio{u"1:P1N1|P2N1||"_s, u"2:P1N3|P2N3||"_s, u"3:P1N4|P2N4||"_s};
    QTest::newRow("meio") << false << quatro << 2 << meio << rotulosMeio;
    QTest::newRow("meio, extras") << true << quatro << 2 << meio << rotulosMeio;
    QTest::newRow("ultimo") << false << quatro << 4 << meio
                            << QStringList{u"1:P1N1|P2N1||"_s, u"2:P1N2|P2N2||"_s, u"3:P1N3|P2N3||"_s};
    QTest::newRow("unico, com pendente") << false << QStringList{u"1/1"_s, u"2/1"_s, u"1/1/N"_s} << 1
                                         << QStringList{} << QStringList{};
    // A pending row on one position: the label row after the last one renumbered
    // is the pending row's, which still has a row; the left-over row 4 goes.
    QTest::newRow("pendente numa posicao")
        << false << QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"1/4/N"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s} << 2
        << QStringList{u"1/1"_s, u"1/2"_s, u"1/3/N"_s, u"2/1"_s, u"2/2"_s}
        << QStringList{u"1:P1N1|P2N1||"_s, u"2:P1N3|P2N3||"_s, u"3:|||"_s};
    // A position added later holds fewer numbers.
    QTest::newRow("posicao com menos numeros")
        << false << QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"2/1"_s, u"2/2"_s} << 1
        << QStringList{u"1/1"_s, u"1/2"_s, u"2/1"_s} << QStringList{u"1:P1N2|P2N2||"_s, u"2:P1N3|||"_s};
    // The same on position 4: its column of label 2 is emptied, not left at P4N2.
    QTest::newRow("posicao 4 com menos numeros")
        << false << QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"4/1"_s, u"4/2"_s} << 1
        << QStringList{u"1/1"_s, u"1/2"_s, u"4/1"_s} << QStringList{u"1:P1N2|||P4N2"_s, u"2:P1N3|||"_s};
}

void TesteDtmDestino::exclusao()
{
    QFETCH(bool, extra);
    QFETCH(QStringList, linhas);
    QFETCH(int, numero);
    QFETCH(QStringList, destinos);
    QFETCH(QStringList, rotulos);

    TDtm_Destino d;
    d.AbrirTabelas({});
    const QStringList outroTipo{u"1/1"_s, u"1/2"_s, u"1/3/N"_s, u"2/1"_s, u"2/2"_s};
    d.DefinirFiltroExtra(!extra);
    Gravar(d, outroTipo);
    d.DefinirFiltroExtra(extra);
    d.ReconstruirRotulos(true);
    Gravar(d, linhas);

    QVERIFY(d.Cds_Rotulos.Localizar(u"NRO_DESTINO"_s, {numero}));
    QVERIFY(d.ExcluirRotuloAtual());
    QCOMPARE(Destinos(d), destinos);
    QCOMPARE(Rotulos(d), rotulos);

    d.DefinirFiltroExtra(!extra);
    QCOMPARE(Destinos(d), outroTipo);
}

// Each position keeps one pending row per kind: the latest.
void TesteDtmDestino::novaLinhaDuasVezes()
{
    TDtm_Destino d;
    d.AbrirTabelas({});
    Gravar(d, QStringList{u"1/1"_s, u"2/1"_s, u"2/2/N"_s});
    for (int tipo : {5, 6}) {
        QVERIFY(d.NovaLinha(1));
        TTabelaMemoria &t = d.Cds_DestinosExtras;
        t.DefinirValor(u"TIPOONIBUS"_s, tipo);
        t.DefinirValor(u"PAINEL"_s, 1);
        t.DefinirValor(u"NRO_DESTINO"_s, 2);
        t.DefinirValor(u"EXTRA"_s, false);
        t.DefinirValor(u"NOVO"_s, true);
        QVERIFY(d.GravarPendente());
    }
    QCOMPARE(Destinos(d), (QStringList{u"1/1"_s, u"1/2/N"_s, u"2/1"_s, u"2/2/N"_s}));
    QVERIFY(d.Cds_DestinosExtras.Localizar(u"PAINEL;NOVO"_s, {1, true}));
    QCOMPARE(d.Cds_DestinosExtras.ComoInteiro(u"TIPOONIBUS"_s), 6);
}

void TesteDtmDestino::maiorNumero()
{
    TDtm_Destino d;
    d.AbrirTabelas({});
    Gravar(d, QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"1/9/N"_s, u"2/1"_s, u"2/2"_s});
    d.DefinirFiltroExtra(true);
    Gravar(d, QStringList{u"2/7"_s});
    d.DefinirFiltroExtra(false);

    QVERIFY(d.Cds_DestinosExtras.Localizar(u"PAINEL;NRO_DESTINO"_s, {2, 1}));
    const TMarcador antes = d.Cds_DestinosExtras.Marcador();
    QCOMPARE(d.MaiorNumero(1), 3);
    QCOMPARE(d.MaiorNumero(2), 2);
    QCOMPARE(d.MaiorNumero(3), 0);
    QCOMPARE(d.Cds_DestinosExtras.Marcador(), antes);
    QVERIFY(!d.Cds_DestinosExtras.ControlesDesabilitados());
}

// Switching the kind and rebuilding lists the labels of that kind only.
void TesteDtmDestino::reconstruirPorTipo()
{
    TDtm_Destino d;
    d.AbrirTabelas({});
    Gravar(d, QStringList{u"1/1"_s, u"2/1"_s, u"1/2"_s});
    d.DefinirFiltroExtra(true);
    d.ReconstruirRotulos(true);
    QVERIFY(d.Cds_Rotulos.Vazia()); // the number-1 row of an empty kind is a destination row
    Gravar(d, QStringList{u"3/1"_s});
    d.ReconstruirRotulos(true);
    QCOMPARE(Rotulos(d), QStringList{u"1:||P3N1|"_s});
    d.DefinirFiltroExtra(false);
    d.ReconstruirRotulos(false); // open: left alone
    QVERIFY(d.Cds_Rotulos.Vazia());
    d.ReconstruirRotulos(true);
    QCOMPARE(Rotulos(d), (QStringList{u"1:P1N1|P2N1||"_s, u"2:P1N2|||"_s}));
}

QTEST_GUILESS_MAIN(TesteDtmDestino)
#include "tst_dtmdestino.moc"
