#include <QtTest>

#include "panel/UErro.h"
#include "tabela_fixture.h"

#include <map>

class TesteTabelaMemoria : public QObject {
    Q_OBJECT
private slots:
    void colunasPadroesELeitura();
    void valoresPorTipo_data();
    void valoresPorTipo();
    void colunaCalculada();
    void filtro();
    void ordemEstavelComVaziosPrimeiro();
    void ordemSegueACorrente();
    void inserirNaOrdemDeInsercao();
    void localizar_data();
    void localizar();
    void marcadores();
    void marcadoresDeTodasAsLinhas();
    void caminhadaAteFim();
    void edicaoEErros();
    void excluirMoveCursor();
    void eventosDesligaveis();
    void aposGravarGravaEmOutraTabela();
    void aposExcluirExcluiERenumeraAPropriaTabela();
    void suspensaoAninhada();
};

void TesteTabelaMemoria::colunasPadroesELeitura()
{
    auto t = NovaTabela();
    QCOMPARE(t->IndiceDaColuna(u"painel"_s), 1);
    QCOMPARE(t->ProcurarColuna(u"Nro"_s)->RotuloExibido(), u"Número"_s);
    QCOMPARE(t->ProcurarColuna(u"PAINEL"_s)->RotuloExibido(), u"PAINEL"_s);
    QCOMPARE(t->ProcurarColuna(u"PAINEL"_s)->Tag, 7);
    QVERIFY(!t->ProcurarColuna(u"NADA"_s));
    QVERIFY_THROWS_EXCEPTION(TErro, t->Valor(u"NADA"_s));
    QVERIFY_THROWS_EXCEPTION(TErro, t->AdicionarColuna({.Nome = u"X"_s})); // open
    QVERIFY(t->Vazia());
    QVERIFY(t->EstaVazio(u"NRO"_s)); // no current row reads empty

    Acrescentar(*t, {{u"PAINEL"_s, 2}, {u"EXTRA"_s, true}, {u"DADOS"_s, QByteArray("x")}});
    t->Inserir();
    t->Gravar();
    for (int i = 0; i < 2; ++i) {
        i == 0 ? t->Ultimo() : t->Primeiro();
        QCOMPARE(t->Valor(u"TIPO"_s), QVariant(1)); // default on append and on insert
    }
    QVERIFY(t->EstaVazio(u"NRO"_s));
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 0);
    QCOMPARE(t->ComoBooleano(u"EXTRA"_s), false);
    QCOMPARE(t->ComoTexto(u"TEXTO"_s), QString());
    QVERIFY(t->ComoBytes(u"DADOS"_s).isEmpty());
    t->Ultimo();
    QCOMPARE(t->ComoTexto(u"PAINEL"_s), u"2"_s);
    QCOMPARE(t->ComoTexto(u"EXTRA"_s), u"True"_s);
    QCOMPARE(t->ComoInteiro(u"EXTRA"_s), 1);
    QVERIFY_THROWS_EXCEPTION(TErro, t->ComoTexto(u"DADOS"_s));
    QVERIFY_THROWS_EXCEPTION(TErro, t->ComoBytes(u"PAINEL"_s));

    t->Fechar();
    QVERIFY_THROWS_EXCEPTION(TErro, t->Valor(u"NRO"_s));
    QCOMPARE(t->QuantidadeDeLinhas(), 0);
    t->Abrir();
    QVERIFY(t->Vazia()); // created anew
}

void TesteTabelaMemoria::valoresPorTipo_data()
{
    QTest::addColumn<QString>("coluna");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QVariant>("guardado");
    QTest::addColumn<bool>("erro");
    QTest::newRow("inteiro") << u"NRO"_s << QVariant(42) << QVariant(42) << false;
    QTest::newRow("inteiro de 64 bits") << u"NRO"_s << QVariant(qlonglong(7)) << QVariant(7) << false;
    QTest::newRow("cor sem sinal") << u"NRO"_s << QVariant(0x00FFFFFFu) << QVariant(0x00FFFFFF) << false;
    QTest::newRow("inteiro fora do alcance") << u"NRO"_s << QVariant(qlonglong(1) << 40) << QVariant() << true;
    QTest::newRow("texto em inteiro") << u"NRO"_s << QVariant(u"12"_s) << QVariant() << true;
    QTest::newRow("real em inteiro") << u"NRO"_s << QVariant(1.5) << QVariant() << true;
    QTest::newRow("nulo") << u"NRO"_s << QVariant() << QVariant() << false;
    QTest::newRow("booleano") << u"EXTRA"_s << QVariant(false) << QVariant(false) << false;
    QTest::newRow("inteiro em booleano") << u"EXTRA"_s << QVariant(1) << QVariant() << true;
    QTest::newRow("texto cortado") << u"TEXTO"_s << QVariant(u"Centro"_s) << QVariant(u"Centr"_s) << false;
    QTest::newRow("texto vazio") << u"TEXTO"_s << QVariant(QString()) << QVariant() << false;
    QTest::newRow("bytes em texto") << u"TEXTO"_s << QVariant(QByteArray("ab")) << QVariant() << true;
    QTest::newRow("bytes") << u"DADOS"_s << QVariant(QByteArray("\0\xff", 2)) << QVariant(QByteArray("\0\xff", 2))
                           << false;
    QTest::newRow("bytes vazios") << u"DADOS"_s << QVariant(QByteArray("")) << QVariant() << false;
    QTest::newRow("texto em bytes") << u"DADOS"_s << QVariant(u"ab"_s) << QVariant() << true;
    QTest::newRow("coluna calculada") << u"ROTULO"_s << QVariant(u"x"_s) << QVariant() << true;
}

void TesteTabelaMemoria::valoresPorTipo()
{
    QFETCH(QString, coluna);
    QFETCH(QVariant, valor);
    QFETCH(QVariant, guardado);
    QFETCH(bool, erro);
    auto t = NovaTabela();
    t->Acrescentar();
    if (erro) {
        QVERIFY_THROWS_EXCEPTION(TErro, t->DefinirValor(coluna, valor));
        return;
    }
    t->DefinirValor(coluna, valor);
    t->Gravar();
    QCOMPARE(t->Valor(coluna), guardado);
    QCOMPARE(t->Valor(coluna).metaType(), guardado.metaType());
}

void TesteTabelaMemoria::colunaCalculada()
{
    auto t = NovaTabela();
    t->Acrescentar();
    Preencher(*t, {{u"PAINEL"_s, 3}, {u"TEXTO"_s, u"abc"_s}});
    QCOMPARE(t->Valor(u"ROTULO"_s), QVariant(u"P3-abc"_s)); // computed from the edit buffer
    t->Gravar();
    t->Editar();
    t->DefinirValor(u"TEXTO"_s, u"abcde"_s);
    t->Gravar();
    QCOMPARE(t->Valor(u"ROTULO"_s), QVariant(u"P3-abc"_s)); // cut to the column's 6 characters
    QCOMPARE(t->ValorNaLinha(0, t->IndiceDaColuna(u"ROTULO"_s)), QVariant(u"P3-abc"_s));

    // The calculation must not change the table it calculates for.
    t->AoCalcular = [&t](TLinhaCalculo &linha) {
        linha.Definir(u"ROTULO"_s, u"x"_s);
        t->Primeiro();
    };
    QVERIFY_THROWS_EXCEPTION(TErro, t->Valor(u"ROTULO"_s));
    t->AoCalcular = [](TLinhaCalculo &linha) { linha.Definir(u"TEXTO"_s, u"x"_s); };
    QVERIFY_THROWS_EXCEPTION(TErro, t->Valor(u"ROTULO"_s));
    t->AoCalcular = {};
    QVERIFY(t->EstaVazio(u"ROTULO"_s));
    t->Primeiro(); // the table is usable again
    QVERIFY_THROWS_EXCEPTION(TErro, t->DefinirOrdem(u"ROTULO"_s));
}

void TesteTabelaMemoria::filtro()
{
    auto t = NovaTabela();
    bool extras = false;
    int julgamentos = 0;
    t->AoFiltrar = [&](const TLinhaTabela &linha) {
        ++julgamentos;
        return linha.ComoBooleano(u"EXTRA"_s) == extras; // empty reads as false
    };
    t->DefinirFiltrado(true);
    Acrescentar(*t, {{u"NRO"_s, 1}});
    Acrescentar(*t, {{u"NRO"_s, 2}, {u"EXTRA"_s, true}});
    Acrescentar(*t, {{u"NRO"_s, 3}, {u"EXTRA"_s, false}});
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"1"_s, u"3"_s}));
    QCOMPARE(t->QuantidadeDeLinhas(), 2);
    QVERIFY(!t->Localizar(u"NRO"_s, {2}));

    extras = true;
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"1"_s, u"3"_s})); // nothing judged yet
    julgamentos = 0;
    t->DefinirFiltrado(true);
    QCOMPARE(julgamentos, 3);
    QCOMPARE(Percorrer(*t, u"NRO"_s), QStringList{u"2"_s});

    // A posted row that the filter now rejects leaves; the cursor takes the next row.
    Acrescentar(*t, {{u"NRO"_s, 4}, {u"EXTRA"_s, true}});
    t->Primeiro();
    t->Editar();
    t->DefinirValor(u"EXTRA"_s, false);
    t->Gravar();
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 4);
    QCOMPARE(t->QuantidadeDeLinhas(), 1);

    t->DefinirFiltrado(false);
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    t->AoFiltrar = [&t](const TLinhaTabela &) {
        t->Excluir();
        return true;
    };
    QVERIFY_THROWS_EXCEPTION(TErro, t->DefinirFiltrado(true));
    QCOMPARE(t->QuantidadeDeLinhas(), 4);
}

void TesteTabelaMemoria::ordemEstavelComVaziosPrimeiro()
{
    auto t = NovaTabela();
    Acrescentar(*t, {{u"PAINEL"_s, 2}, {u"NRO"_s, 1}, {u"TEXTO"_s, u"a"_s}});
    Acrescentar(*t, {{u"PAINEL"_s, 1}, {u"NRO"_s, 2}, {u"TEXTO"_s, u"b"_s}});
    Acrescentar(*t, {{u"NRO"_s, 5}, {u"TEXTO"_s, u"c"_s}});
    Acrescentar(*t, {{u"PAINEL"_s, 1}, {u"NRO"_s, 1}, {u"TEXTO"_s, u"d"_s}});
    Acrescentar(*t, {{u"PAINEL"_s, 2}, {u"NRO"_s, 1}, {u"TEXTO"_s, u"e"_s}});
    Acrescentar(*t, {{u"PAINEL"_s, 1}, {u"TEXTO"_s, u"f"_s}});
    const QString colunas = u"PAINEL;NRO;TEXTO"_s;
    t->DefinirOrdem(u"painel; nro"_s);
    QCOMPARE(Percorrer(*t, colunas),
             (QStringList{u"-/5/c"_s, u"1/-/f"_s, u"1/1/d"_s, u"1/2/b"_s, u"2/1/a"_s, u"2/1/e"_s}));
    t->DefinirOrdem(u"NRO"_s); // ties in insertion order
    QCOMPARE(Percorrer(*t, u"TEXTO"_s), (QStringList{u"f"_s, u"a"_s, u"d"_s, u"e"_s, u"b"_s, u"c"_s}));
    t->DefinirOrdem(QString());
    QCOMPARE(Percorrer(*t, u"TEXTO"_s), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s}));
    QVERIFY_THROWS_EXCEPTION(TErro, t->DefinirOrdem(u"PAINEL;NADA"_s));
    QCOMPARE(t->Ordem(), QString());
}

void TesteTabelaMemoria::ordemSegueACorrente()
{
    auto t = NovaTabela();
    for (int nro : {3, 1, 2})
        Acrescentar(*t, {{u"NRO"_s, nro}, {u"TEXTO"_s, QString::number(nro)}});
    t->Localizar(u"NRO"_s, {1});
    t->DefinirOrdem(u"NRO"_s);
    QCOMPARE(t->PosicaoCorrente(), 0);
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 1);
    t->DefinirOrdem(QString());
    QCOMPARE(t->PosicaoCorrente(), 1);
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 1);

    // A posted row goes to its place and the cursor follows it.
    t->DefinirOrdem(u"NRO"_s);
    t->Primeiro();
    t->Editar();
    t->DefinirValor(u"NRO"_s, 9);
    t->Gravar();
    QCOMPARE(t->PosicaoCorrente(), 2);
    QCOMPARE(t->ComoTexto(u"TEXTO"_s), u"1"_s);
    Acrescentar(*t, {{u"NRO"_s, 0}});
    QCOMPARE(t->PosicaoCorrente(), 0);
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"0"_s, u"2"_s, u"3"_s, u"9"_s}));
}

void TesteTabelaMemoria::inserirNaOrdemDeInsercao()
{
    auto t = NovaTabela();
    for (int nro : {1, 2, 3})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    t->Localizar(u"NRO"_s, {2});
    t->Inserir();
    QCOMPARE(t->Estado(), TEstadoTabela::Insercao);
    t->DefinirValor(u"NRO"_s, 7);
    t->Gravar();
    QCOMPARE(t->PosicaoCorrente(), 1);
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"1"_s, u"7"_s, u"2"_s, u"3"_s}));
    t->DefinirOrdem(u"NRO"_s);
    t->DefinirOrdem(QString()); // the insertion order survives a sort
    t->Primeiro();
    t->Inserir(); // before the first row
    t->DefinirValor(u"NRO"_s, 0);
    t->Gravar();
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"0"_s, u"1"_s, u"7"_s, u"2"_s, u"3"_s}));
}

void TesteTabelaMemoria::localizar_data()
{
    QTest::addColumn<QString>("colunas");
    QTest::addColumn<QVariantList>("chave");
    QTest::addColumn<bool>("comoZero");
    QTest::addColumn<int>("posicao"); // -1: not found
    // Rows in order: (EXTRA empty, PAINEL 1, NRO 3), (false, 2, 3), (true, 1, 3), (false, 1, empty), (true, 2, 4)
    QTest::newRow("varias colunas") << u"EXTRA;NRO"_s << QVariantList{true, 3} << false << 2;
    QTest::newRow("ordem das colunas livre") << u"NRO;EXTRA"_s << QVariantList{4, true} << false << 4;
    QTest::newRow("falso nao casa com vazio") << u"EXTRA;NRO"_s << QVariantList{false, 3} << false << 1;
    QTest::newRow("vazio casa so com vazio") << u"EXTRA;PAINEL"_s << QVariantList{QVariant(), 1} << false << 0;
    QTest::newRow("vazio como falso") << u"EXTRA;NRO"_s << QVariantList{false, 3} << true << 0;
    QTest::newRow("vazio como zero") << u"PAINEL;NRO"_s << QVariantList{1, 0} << true << 3;
    QTest::newRow("zero nao casa com vazio") << u"PAINEL;NRO"_s << QVariantList{1, 0} << false << -1;
    QTest::newRow("primeiro na ordem") << u"NRO"_s << QVariantList{3} << false << 0;
    QTest::newRow("nenhum") << u"PAINEL;NRO"_s << QVariantList{2, 9} << false << -1;
}

void TesteTabelaMemoria::localizar()
{
    QFETCH(QString, colunas);
    QFETCH(QVariantList, chave);
    QFETCH(bool, comoZero);
    QFETCH(int, posicao);
    auto t = NovaTabela();
    Acrescentar(*t, {{u"PAINEL"_s, 1}, {u"NRO"_s, 3}});
    Acrescentar(*t, {{u"EXTRA"_s, false}, {u"PAINEL"_s, 2}, {u"NRO"_s, 3}});
    Acrescentar(*t, {{u"EXTRA"_s, true}, {u"PAINEL"_s, 1}, {u"NRO"_s, 3}});
    Acrescentar(*t, {{u"EXTRA"_s, false}, {u"PAINEL"_s, 1}});
    Acrescentar(*t, {{u"EXTRA"_s, true}, {u"PAINEL"_s, 2}, {u"NRO"_s, 4}});
    t->Ultimo();
    QCOMPARE(t->Localizar(colunas, chave, comoZero ? TVazio::ComoZero : TVazio::Distinto), posicao >= 0);
    QCOMPARE(t->PosicaoCorrente(), posicao >= 0 ? posicao : 4);
}

void TesteTabelaMemoria::marcadores()
{
    auto t = NovaTabela();
    for (int nro : {3, 1, 2})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    t->Localizar(u"NRO"_s, {1});
    const TMarcador um = t->Marcador();
    t->Localizar(u"NRO"_s, {2});
    const TMarcador dois = t->Marcador();
    QVERIFY(um != dois && um != MarcadorNulo);
    t->DefinirOrdem(u"NRO"_s);
    t->Ultimo();
    QVERIFY(t->IrPara(um));
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 1);
    QCOMPARE(t->MarcadorNaLinha(0), um);

    t->Excluir();
    QVERIFY(!t->ExisteMarcador(um));
    QVERIFY(!t->IrPara(um));
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 2); // unchanged
    QVERIFY(t->IrPara(dois));

    t->AoFiltrar = [](const TLinhaTabela &linha) { return linha.ComoInteiro(u"NRO"_s) != 2; };
    t->DefinirFiltrado(true);
    QVERIFY(t->ExisteMarcador(dois));
    QVERIFY(!t->IrPara(dois)); // filtered out

    t->Inserir();
    QCOMPARE(t->Marcador(), MarcadorNulo);
    t->Cancelar();
    t->Abrir();
    Acrescentar(*t, {{u"NRO"_s, 1}});
    QVERIFY(!t->ExisteMarcador(um) && !t->ExisteMarcador(dois)); // never reused
    QVERIFY(t->Marcador() != um && t->Marcador() != dois);
}

// Row by row beside TodasAsLinhas: insertion order (Inserir goes before the
// current row), rows filtered out included, a deleted row gone, a row being
// edited counted with its stored values.
void TesteTabelaMemoria::marcadoresDeTodasAsLinhas()
{
    auto t = NovaTabela();
    Acrescentar(*t, {});
    t->Abrir(); // bookmarks then no longer start at 0
    std::map<int, TMarcador> marcador; // NRO -> bookmark of its row
    for (int nro : {3, 1, 2}) {
        Acrescentar(*t, {{u"NRO"_s, nro}});
        marcador[nro] = t->Marcador();
    }
    t->DefinirOrdem(u"NRO"_s);
    t->Localizar(u"NRO"_s, {2});
    t->Inserir();
    t->DefinirValor(u"NRO"_s, 9);
    t->Gravar();
    marcador[9] = t->Marcador();
    t->Localizar(u"NRO"_s, {3});
    t->Excluir();
    t->AoFiltrar = [](const TLinhaTabela &linha) { return linha.ComoInteiro(u"NRO"_s) != 1; };
    t->DefinirFiltrado(true);
    t->Localizar(u"NRO"_s, {2});
    t->Editar();
    t->DefinirValor(u"NRO"_s, 5);

    QCOMPARE(t->MarcadoresDeTodasAsLinhas(), (std::vector<TMarcador>{marcador[1], marcador[9], marcador[2]}));
    QList<int> numeros;
    for (const QVector<QVariant> &valores : t->TodasAsLinhas())
        numeros << valores[t->IndiceDaColuna(u"NRO"_s)].toInt();
    QCOMPARE(numeros, (QList<int>{1, 9, 2}));

    t->Fechar();
    QVERIFY(t->MarcadoresDeTodasAsLinhas().empty());
}

void TesteTabelaMemoria::caminhadaAteFim()
{
    auto t = NovaTabela();
    QVERIFY(t->Fim() && t->Inicio());
    t->Primeiro();
    QVERIFY(t->Fim() && t->Inicio());
    t->Proximo();
    QVERIFY(t->Fim());
    for (int nro : {1, 2, 3})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    QVERIFY(!t->Fim());
    t->Primeiro();
    QVERIFY(t->Inicio() && !t->Fim());
    t->Proximo();
    t->Proximo();
    QVERIFY(!t->Fim()); // on the last row, not past it
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 3);
    t->Proximo();
    QVERIFY(t->Fim());
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 3);
    t->Anterior();
    QVERIFY(!t->Fim() && !t->Inicio());
    t->Anterior();
    t->Anterior();
    QVERIFY(t->Inicio());
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 1);
    t->Ultimo();
    QVERIFY(t->Fim());

    // Deleting while walking: every matching row goes, the loop ends at Fim.
    Acrescentar(*t, {{u"NRO"_s, 2}});
    t->Primeiro();
    while (!t->Fim()) {
        if (t->ComoInteiro(u"NRO"_s) >= 2)
            t->Excluir();
        else
            t->Proximo();
    }
    QCOMPARE(Percorrer(*t, u"NRO"_s), QStringList{u"1"_s});
}

void TesteTabelaMemoria::edicaoEErros()
{
    auto t = NovaTabela();
    QVERIFY_THROWS_EXCEPTION(TErro, t->Gravar());
    QVERIFY_THROWS_EXCEPTION(TErro, t->Editar()); // no row
    QVERIFY_THROWS_EXCEPTION(TErro, t->Excluir());
    Acrescentar(*t, {{u"NRO"_s, 1}, {u"TEXTO"_s, u"a"_s}});
    QVERIFY_THROWS_EXCEPTION(TErro, t->DefinirValor(u"NRO"_s, 2)); // browsing
    QCOMPARE(t->Estado(), TEstadoTabela::Navegacao);

    t->Editar();
    QCOMPARE(t->Estado(), TEstadoTabela::Edicao);
    t->DefinirValor(u"TEXTO"_s, u"b"_s);
    QCOMPARE(t->ComoTexto(u"TEXTO"_s), u"b"_s); // the buffer
    QCOMPARE(t->ValorNaLinha(0, t->IndiceDaColuna(u"TEXTO"_s)), QVariant(u"a"_s)); // not stored yet
    t->Cancelar();
    QCOMPARE(t->ComoTexto(u"TEXTO"_s), u"a"_s);

    // Navigating posts the pending edit, as the classic engine does.
    t->Editar();
    t->DefinirValor(u"TEXTO"_s, u"c"_s);
    t->Primeiro();
    QCOMPARE(t->Estado(), TEstadoTabela::Navegacao);
    QCOMPARE(t->ComoTexto(u"TEXTO"_s), u"c"_s);

    // Deleting while inserting only cancels the insertion.
    t->Acrescentar();
    t->Excluir();
    QCOMPARE(t->QuantidadeDeLinhas(), 1);

    t->Fechar();
    QCOMPARE(t->Estado(), TEstadoTabela::Inativa);
    QVERIFY_THROWS_EXCEPTION(TErro, t->Editar());
    QVERIFY_THROWS_EXCEPTION(TErro, t->Acrescentar());
    QVERIFY_THROWS_EXCEPTION(TErro, t->Primeiro());
    QVERIFY_THROWS_EXCEPTION(TErro, t->Localizar(u"NRO"_s, {1}));
    t->Abrir();
    QVERIFY_THROWS_EXCEPTION(TErro, t->Localizar(u"NRO;PAINEL"_s, {1}));
    QVERIFY_THROWS_EXCEPTION(TErro, t->Localizar(u"NRO"_s, {u"1"_s}));
    try {
        t->Gravar();
        QFAIL("posted outside edit");
    } catch (const TErro &erro) {
        QVERIFY(erro.Mensagem.startsWith(u"ATENÇÃO:\r\n"_s));
        QVERIFY(erro.Mensagem.contains(u"Teste"_s));
    }
}

void TesteTabelaMemoria::excluirMoveCursor()
{
    auto t = NovaTabela();
    for (int nro : {1, 2, 3})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    t->Localizar(u"NRO"_s, {2});
    t->Excluir();
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 3); // the next row
    QVERIFY(!t->Fim());
    t->Excluir();
    QCOMPARE(t->ComoInteiro(u"NRO"_s), 1); // the previous one at the end
    QVERIFY(t->Fim());
    t->Excluir();
    QVERIFY(t->Vazia() && t->Fim() && t->Inicio());
    QCOMPARE(t->PosicaoCorrente(), -1);

    // A before-delete callback that deletes the row itself: the row goes once.
    for (int nro : {1, 2, 3})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    int aposExcluir = 0;
    t->AposExcluir = [&](TTabelaMemoria &) { ++aposExcluir; };
    t->AntesDeExcluir = [](TTabelaMemoria &tabela) {
        tabela.AntesDeExcluir = {};
        tabela.Excluir();
    };
    t->Localizar(u"NRO"_s, {2});
    t->Excluir();
    QCOMPARE(aposExcluir, 1);
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"1"_s, u"3"_s}));
}

void TesteTabelaMemoria::eventosDesligaveis()
{
    auto t = NovaTabela();
    QStringList ocorridos;
    t->AposGravar = [&](TTabelaMemoria &tabela) { ocorridos << u"gravou %1"_s.arg(tabela.ComoInteiro(u"NRO"_s)); };
    t->AntesDeExcluir = [&](TTabelaMemoria &tabela) {
        ocorridos << u"vai excluir %1"_s.arg(tabela.ComoInteiro(u"NRO"_s));
        if (tabela.ComoInteiro(u"NRO"_s) == 1)
            throw TErro(u"ATENÇÃO:\r\nfica"_s);
        tabela.Localizar(u"NRO"_s, {4}); // moving the cursor does not change which row goes
    };
    t->AposExcluir = [&](TTabelaMemoria &tabela) { ocorridos << u"excluiu, agora %1"_s.arg(tabela.ComoInteiro(u"NRO"_s)); };
    for (int nro : {1, 2, 3})
        Acrescentar(*t, {{u"NRO"_s, nro}});
    const auto aposGravar = std::exchange(t->AposGravar, {});
    Acrescentar(*t, {{u"NRO"_s, 4}});
    t->AposGravar = aposGravar;
    Acrescentar(*t, {{u"NRO"_s, 5}});
    t->Localizar(u"NRO"_s, {3});
    t->Excluir();
    t->Primeiro();
    QVERIFY_THROWS_EXCEPTION(TErro, t->Excluir());
    QCOMPARE(Percorrer(*t, u"NRO"_s), (QStringList{u"1"_s, u"2"_s, u"4"_s, u"5"_s}));
    QCOMPARE(ocorridos, (QStringList{u"gravou 1"_s, u"gravou 2"_s, u"gravou 3"_s, u"gravou 5"_s, u"vai excluir 3"_s,
                                     u"excluiu, agora 4"_s, u"vai excluir 1"_s}));
}

// The label upkeep of the destination rows: each post looks up the label row
// of its number in another table and edits it, or inserts one.
void TesteTabelaMemoria::aposGravarGravaEmOutraTabela()
{
    auto destinos = NovaTabela();
    TTabelaMemoria rotulos(u"Rotulos"_s);
    rotulos.AdicionarColuna({.Nome = u"NRO"_s});
    rotulos.AdicionarColuna({.Nome = u"ROTULO1"_s, .Tipo = TTipoColuna::Texto, .Tamanho = 100});
    rotulos.AdicionarColuna({.Nome = u"ROTULO2"_s, .Tipo = TTipoColuna::Texto, .Tamanho = 100});
    rotulos.DefinirOrdem(u"NRO"_s);
    rotulos.Abrir();
    destinos->AposGravar = [&rotulos](TTabelaMemoria &d) {
        if (rotulos.Localizar(u"NRO"_s, {d.ComoInteiro(u"NRO"_s)})) {
            rotulos.Editar();
        } else {
            rotulos.Inserir();
            rotulos.DefinirValor(u"NRO"_s, d.ComoInteiro(u"NRO"_s));
        }
        rotulos.DefinirValor(u"ROTULO%1"_s.arg(d.ComoInteiro(u"PAINEL"_s)), d.Valor(u"ROTULO"_s));
        rotulos.Gravar();
    };
    destinos->DefinirOrdem(u"NRO;PAINEL"_s);
    Acrescentar(*destinos, {{u"PAINEL"_s, 1}, {u"NRO"_s, 2}, {u"TEXTO"_s, u"b"_s}});
    Acrescentar(*destinos, {{u"PAINEL"_s, 2}, {u"NRO"_s, 1}, {u"TEXTO"_s, u"x"_s}});
    Acrescentar(*destinos, {{u"PAINEL"_s, 1}, {u"NRO"_s, 1}, {u"TEXTO"_s, u"a"_s}});
    destinos->Localizar(u"PAINEL;NRO"_s, {2, 1});
    destinos->Editar();
    destinos->DefinirValor(u"NRO"_s, 2);
    destinos->Gravar();
    QCOMPARE(Percorrer(rotulos, u"NRO;ROTULO1;ROTULO2"_s), (QStringList{u"1/P1-a/P2-x"_s, u"2/P1-b/P2-x"_s}));
    QCOMPARE(rotulos.ComoInteiro(u"NRO"_s), 2);
}

// The deletion cascade: after a row is deleted, its callback deletes the other
// rows of the same number and numbers the higher ones down, posting each; the
// callback detaches itself meanwhile so that its own deletions do not recurse.
void TesteTabelaMemoria::aposExcluirExcluiERenumeraAPropriaTabela()
{
    auto t = NovaTabela();
    t->DefinirOrdem(u"NRO;PAINEL"_s);
    for (int nro = 1; nro <= 4; ++nro) {
        for (int painel : {2, 1})
            Acrescentar(*t, {{u"PAINEL"_s, painel}, {u"NRO"_s, nro}});
    }
    int excluido = 0;
    int gravacoes = 0;
    t->AntesDeExcluir = [&](TTabelaMemoria &tabela) { excluido = tabela.ComoInteiro(u"NRO"_s); };
    t->AposGravar = [&](TTabelaMemoria &) { ++gravacoes; };
    t->AposExcluir = [&](TTabelaMemoria &tabela) {
        const auto eu = std::exchange(tabela.AposExcluir, {});
        while (tabela.Localizar(u"NRO"_s, {excluido}))
            tabela.Excluir();
        tabela.Primeiro();
        while (!tabela.Fim()) {
            if (tabela.ComoInteiro(u"NRO"_s) > excluido) {
                tabela.Editar();
                tabela.DefinirValor(u"NRO"_s, tabela.ComoInteiro(u"NRO"_s) - 1);
                tabela.Gravar();
            }
            tabela.Proximo();
        }
        tabela.AposExcluir = eu;
    };
    t->Localizar(u"PAINEL;NRO"_s, {2, 2});
    t->Excluir();
    QCOMPARE(Percorrer(*t), (QStringList{u"1/1"_s, u"2/1"_s, u"1/2"_s, u"2/2"_s, u"1/3"_s, u"2/3"_s}));
    QCOMPARE(gravacoes, 4); // the rows numbered 3 and 4
    QVERIFY(t->AposExcluir); // re-attached
    t->Ultimo();
    t->Excluir();
    QCOMPARE(Percorrer(*t), (QStringList{u"1/1"_s, u"2/1"_s, u"1/2"_s, u"2/2"_s}));
}

namespace {
struct TRegistro : TObservadorTabela {
    QStringList ouvidos;
    void AntesDeInserirLinha(int linha) override { ouvidos << u"+%1"_s.arg(linha); }
    void AntesDeRemoverLinha(int linha) override { ouvidos << u"-%1"_s.arg(linha); }
    void LinhaAlterada(int linha) override { ouvidos << u"~%1"_s.arg(linha); }
    void AntesDeReiniciar() override { ouvidos << u"reinicio"_s; }
    void ControlesDesabilitados() override { ouvidos << u"desabilitados"_s; }
    void ControlesHabilitados() override { ouvidos << u"habilitados"_s; }
};
} // namespace

void TesteTabelaMemoria::suspensaoAninhada()
{
    auto t = NovaTabela();
    TRegistro registro;
    t->AdicionarObservador(&registro);
    Acrescentar(*t, {{u"NRO"_s, 1}});
    t->DesabilitarControles();
    t->DesabilitarControles();
    Acrescentar(*t, {{u"NRO"_s, 2}});
    t->DefinirOrdem(u"NRO"_s);
    t->HabilitarControles();
    QVERIFY(t->ControlesDesabilitados());
    t->Excluir();
    t->HabilitarControles();
    QVERIFY(!t->ControlesDesabilitados());
    t->HabilitarControles(); // one too many is harmless
    t->DesabilitarControles();
    t->HabilitarControles();
    t->Editar();
    t->Gravar();
    QCOMPARE(registro.ouvidos,
             (QStringList{u"+0"_s, u"desabilitados"_s, u"habilitados"_s, u"desabilitados"_s, u"habilitados"_s, u"~0"_s}));
    t->RemoverObservador(&registro);
}

QTEST_GUILESS_MAIN(TesteTabelaMemoria)
#include "tst_tabelamemoria.moc"
