#include <QtTest>

#include "data/UDeltaTabela.h"
#include "dtm_fixture.h"
#include "panel/UErro.h"
#include "tabela_fixture.h"

#include <functional>

using TLinhas = std::vector<QVector<QVariant>>;
using TEdicao = std::function<void(TTabelaMemoria &)>;
using TDano = std::function<void(TLinhas &)>;
Q_DECLARE_METATYPE(TEdicao)
Q_DECLARE_METATYPE(TDano)
Q_DECLARE_METATYPE(TFotoTabela)

namespace {

// Type, null-ness (also of a text or bytes inside) and value: QVariant's own
// == takes 1 and 1LL, or a null and an empty text, for equal.
bool Identicos(const QVariant &a, const QVariant &b)
{
    const int tipo = a.metaType().id();
    return a.metaType() == b.metaType() && a.isNull() == b.isNull() && a == b
        && (tipo != QMetaType::QString || a.toString().isNull() == b.toString().isNull())
        && (tipo != QMetaType::QByteArray || a.toByteArray().isNull() == b.toByteArray().isNull());
}

// The first difference between two lists of rows; empty when they are identical.
QString Diferenca(const TLinhas &obtidas, const TLinhas &esperadas)
{
    if (obtidas.size() != esperadas.size())
        return u"%1 linhas em vez de %2"_s.arg(obtidas.size()).arg(esperadas.size());
    for (size_t i = 0; i < obtidas.size(); ++i) {
        if (obtidas[i].size() != esperadas[i].size())
            return u"linha %1: %2 colunas em vez de %3"_s.arg(i).arg(obtidas[i].size()).arg(esperadas[i].size());
        for (qsizetype c = 0; c < obtidas[i].size(); ++c) {
            const QVariant &obtido = obtidas[i][c];
            const QVariant &esperado = esperadas[i][c];
            if (!Identicos(obtido, esperado))
                return u"linha %1, coluna %2: %3 \"%4\" em vez de %5 \"%6\""_s.arg(i).arg(c).arg(
                    QString::fromLatin1(obtido.typeName()), obtido.toString(),
                    QString::fromLatin1(esperado.typeName()), esperado.toString());
        }
    }
    return {};
}

#define COMPARAR_LINHAS(obtidas, esperadas)                                                                  \
    do {                                                                                                     \
        const QString diferenca = Diferenca(obtidas, esperadas);                                             \
        QVERIFY2(diferenca.isEmpty(), qPrintable(diferenca));                                                \
    } while (false)

// Six rows in insertion order: numbers 1..3 on positions 1 and 2, each with
// its own text and bytes; EXTRA false but for the last row, where it is empty.
std::unique_ptr<TTabelaMemoria> TabelaDeSeis()
{
    auto t = NovaTabela();
    for (int nro = 1; nro <= 3; ++nro) {
        for (int painel = 1; painel <= 2; ++painel) {
            t->Acrescentar();
            Preencher(*t, {{u"PAINEL"_s, painel}, {u"NRO"_s, nro}, {u"TEXTO"_s, u"N%1P%2"_s.arg(nro).arg(painel)},
                           {u"DADOS"_s, QByteArray(64, char('a' + nro * 2 + painel))}});
            if (nro < 3 || painel < 2)
                t->DefinirValor(u"EXTRA"_s, false);
            t->Gravar();
        }
    }
    return t;
}

void IrPara(TTabelaMemoria &t, int painel, int nro)
{
    QVERIFY(t.Localizar(u"PAINEL;NRO"_s, {painel, nro}));
}

void Alterar(TTabelaMemoria &t, int painel, int nro, TValores valores)
{
    IrPara(t, painel, nro);
    t.Editar();
    Preencher(t, valores);
    t.Gravar();
}

void Excluir(TTabelaMemoria &t, int painel, int nro)
{
    IrPara(t, painel, nro);
    t.Excluir();
}

// What removing a number does to the rows: its rows deleted, the ones above moved down by one.
void ExcluirNumero(TTabelaMemoria &t, int numero)
{
    while (t.Localizar(u"NRO"_s, {numero}))
        t.Excluir();
    for (int nro = numero + 1; t.Localizar(u"NRO"_s, {nro}); ++nro) {
        while (t.Localizar(u"NRO"_s, {nro})) {
            t.Editar();
            t.DefinirValor(u"NRO"_s, nro - 1);
            t.Gravar();
        }
    }
}

// A photograph made by hand: the row of bookmark m is (m, "linha m").
TFotoTabela Foto(const QList<int> &marcadores)
{
    TFotoTabela foto;
    for (int m : marcadores) {
        foto.Marcadores.push_back(m);
        foto.Linhas.push_back({m, u"linha %1"_s.arg(m)});
    }
    return foto;
}

// The destination table of a 200-number project on 4 positions; each row
// holds a 4 kB content of its own and a label.
void ProjetoGrande(TDtm_Destino &d)
{
    d.AbrirTabelas(QString());
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    for (int nro = 1; nro <= 200; ++nro) {
        for (int painel = 1; painel <= 4; ++painel) {
            t.Acrescentar();
            t.DefinirValor(u"PAINEL"_s, painel);
            t.DefinirValor(u"NRO_DESTINO"_s, nro);
            t.DefinirValor(u"EXTRA"_s, false);
            t.DefinirValor(u"ROTULO1"_s, u"Destino %1"_s.arg(nro));
            t.DefinirValor(u"CONFIG_PAINEL1"_s, QByteArray(4096, 'x') + QByteArray::number(nro * 4 + painel));
            d.GravarPendente();
        }
    }
}

void ExcluirRotulo(TDtm_Destino &d, int numero)
{
    QVERIFY(d.Cds_Rotulos.Localizar(u"NRO_DESTINO"_s, {numero}));
    QVERIFY(d.ExcluirRotuloAtual());
}

} // namespace

// The rows a step leaves, rebuilt from the rows before it, and back.
class TesteDeltaTabela : public QObject {
    Q_OBJECT
private slots:
    void edicoes_data();
    void edicoes();
    void valoresExatos_data();
    void valoresExatos();
    void marcadoresEmOutraOrdem_data();
    void marcadoresEmOutraOrdem();
    void linhasErradas_data();
    void linhasErradas();
    void bytes_data();
    void bytes();
    void exclusaoDoMeioEhCompacta();
    void desfazerERefazerComMarcadoresNovos();
    void restaurarMantemOTipoMostrado();
};

void TesteDeltaTabela::edicoes_data()
{
    QTest::addColumn<TEdicao>("edicao");
    QTest::addColumn<bool>("vazio");
    QTest::newRow("nada") << TEdicao([](TTabelaMemoria &) {}) << true;
    QTest::newRow("gravada sem mudar") << TEdicao([](TTabelaMemoria &t) {
        Alterar(t, 2, 2, {{u"TEXTO"_s, u"N2P2"_s}, {u"NRO"_s, 2}});
    }) << true;
    QTest::newRow("um valor") << TEdicao([](TTabelaMemoria &t) { Alterar(t, 1, 2, {{u"TEXTO"_s, u"X"_s}}); })
                              << false;
    QTest::newRow("bytes do mesmo tamanho") << TEdicao([](TTabelaMemoria &t) {
        IrPara(t, 2, 3);
        QByteArray dados = t.ComoBytes(u"DADOS"_s);
        dados[63] = 'z';
        Alterar(t, 2, 3, {{u"DADOS"_s, dados}});
    }) << false;
    QTest::newRow("vazio vira falso") << TEdicao([](TTabelaMemoria &t) {
        Alterar(t, 2, 3, {{u"EXTRA"_s, false}});
    }) << false;
    QTest::newRow("texto vira vazio") << TEdicao([](TTabelaMemoria &t) {
        Alterar(t, 1, 1, {{u"TEXTO"_s, QVariant()}, {u"NRO"_s, 0}});
    }) << false;
    QTest::newRow("acrescentada") << TEdicao([](TTabelaMemoria &t) {
        Acrescentar(t, {{u"PAINEL"_s, 1}, {u"NRO"_s, 4}});
    }) << false;
    QTest::newRow("inserida no meio") << TEdicao([](TTabelaMemoria &t) {
        IrPara(t, 1, 2);
        t.Inserir();
        Preencher(t, {{u"PAINEL"_s, 3}, {u"NRO"_s, 9}, {u"DADOS"_s, "novo"_ba}});
        t.Gravar();
    }) << false;
    QTest::newRow("inserida no inicio") << TEdicao([](TTabelaMemoria &t) {
        t.Primeiro();
        t.Inserir();
        t.Gravar();
    }) << false;
    QTest::newRow("excluida no meio") << TEdicao([](TTabelaMemoria &t) { Excluir(t, 2, 2); }) << false;
    QTest::newRow("primeira e ultima excluidas") << TEdicao([](TTabelaMemoria &t) {
        Excluir(t, 1, 1);
        Excluir(t, 2, 3);
    }) << false;
    QTest::newRow("numero excluido e os de cima renumerados")
        << TEdicao([](TTabelaMemoria &t) { ExcluirNumero(t, 2); }) << false;
    QTest::newRow("todas excluidas") << TEdicao([](TTabelaMemoria &t) {
        while (!t.Vazia())
            t.Excluir();
    }) << false;
    QTest::newRow("reaberta") << TEdicao([](TTabelaMemoria &t) {
        t.Abrir();
        Acrescentar(t, {{u"PAINEL"_s, 1}, {u"NRO"_s, 1}});
    }) << false;
    QTest::newRow("varias") << TEdicao([](TTabelaMemoria &t) {
        Alterar(t, 1, 1, {{u"TEXTO"_s, u"A"_s}});
        Excluir(t, 2, 1);
        IrPara(t, 2, 2);
        t.Inserir();
        t.DefinirValor(u"NRO"_s, 7);
        t.Gravar();
        Alterar(t, 1, 2, {{u"DADOS"_s, "outro"_ba}, {u"PAINEL"_s, 4}});
        Excluir(t, 1, 3);
        Acrescentar(t, {{u"NRO"_s, 8}});
    }) << false;
}

void TesteDeltaTabela::edicoes()
{
    QFETCH(TEdicao, edicao);
    QFETCH(bool, vazio);
    auto t = TabelaDeSeis();
    const TFotoTabela antes = TFotoTabela::De(*t);
    edicao(*t);
    const TFotoTabela depois = TFotoTabela::De(*t);

    const TDeltaTabela delta = TDeltaTabela::Entre(antes, depois);
    QCOMPARE(delta.Vazio(), vazio);
    COMPARAR_LINHAS(delta.Refazer(antes.Linhas), depois.Linhas);
    COMPARAR_LINHAS(delta.Desfazer(depois.Linhas), antes.Linhas);
}

// One value of the middle column of a kept row, as QVariants the table itself would not store.
void TesteDeltaTabela::valoresExatos_data()
{
    QTest::addColumn<QVariant>("antes");
    QTest::addColumn<QVariant>("depois");
    QTest::addColumn<bool>("vazio");
    const QByteArray blob(4096, 'b');
    QByteArray outroBlob = blob;
    outroBlob[4095] = 'c';
    QTest::newRow("nulo e texto vazio") << QVariant() << QVariant(u""_s) << false;
    QTest::newRow("texto nulo e texto vazio") << QVariant(QString()) << QVariant(u""_s) << false;
    QTest::newRow("bytes nulos e vazios") << QVariant(QByteArray()) << QVariant(""_ba) << false;
    QTest::newRow("nulo e zero") << QVariant() << QVariant(0) << false;
    QTest::newRow("nulo e falso") << QVariant() << QVariant(false) << false;
    QTest::newRow("int e qint64") << QVariant(1) << QVariant(qint64(1)) << false;
    QTest::newRow("bytes iguais em outra memoria") << QVariant(blob) << QVariant(QByteArray(4096, 'b')) << true;
    QTest::newRow("bytes diferentes no fim") << QVariant(blob) << QVariant(outroBlob) << false;
    QTest::newRow("texto igual em outra memoria") << QVariant(u"abc"_s) << QVariant(QString::fromLatin1("abc"))
                                                  << true;
    QTest::newRow("texto diferente") << QVariant(u"abc"_s) << QVariant(u"abd"_s) << false;
}

void TesteDeltaTabela::valoresExatos()
{
    QFETCH(QVariant, antes);
    QFETCH(QVariant, depois);
    QFETCH(bool, vazio);
    const TFotoTabela fotoAntes{{5, 7}, {{1, u"x"_s, 2}, {3, antes, u"fim"_s}}};
    const TFotoTabela fotoDepois{{5, 7}, {{1, u"x"_s, 2}, {3, depois, u"fim"_s}}};

    const TDeltaTabela delta = TDeltaTabela::Entre(fotoAntes, fotoDepois);
    QCOMPARE(delta.Vazio(), vazio);
    COMPARAR_LINHAS(delta.Refazer(fotoAntes.Linhas), fotoDepois.Linhas);
    COMPARAR_LINHAS(delta.Desfazer(fotoDepois.Linhas), fotoAntes.Linhas);
}

// The table never moves rows, but photographs given by hand may keep
// bookmarks in another order, repeat one, or start or end empty.
void TesteDeltaTabela::marcadoresEmOutraOrdem_data()
{
    QTest::addColumn<QList<int>>("antes");
    QTest::addColumn<QList<int>>("depois");
    QTest::newRow("de vazia") << QList<int>{} << QList<int>{1, 2};
    QTest::newRow("para vazia") << QList<int>{1, 2} << QList<int>{};
    QTest::newRow("duas trocadas") << QList<int>{1, 2, 3, 4} << QList<int>{1, 3, 2, 4};
    QTest::newRow("invertidas") << QList<int>{1, 2, 3, 4} << QList<int>{4, 3, 2, 1};
    QTest::newRow("movidas entre novas e excluidas") << QList<int>{1, 2, 3, 4, 5} << QList<int>{2, 6, 3, 1, 4, 7};
    QTest::newRow("marcador repetido") << QList<int>{2, 1, 1} << QList<int>{2, 1};
}

void TesteDeltaTabela::marcadoresEmOutraOrdem()
{
    QFETCH(QList<int>, antes);
    QFETCH(QList<int>, depois);
    const TFotoTabela fotoAntes = Foto(antes);
    const TFotoTabela fotoDepois = Foto(depois);

    const TDeltaTabela delta = TDeltaTabela::Entre(fotoAntes, fotoDepois);
    QVERIFY(!delta.Vazio());
    COMPARAR_LINHAS(delta.Refazer(fotoAntes.Linhas), fotoDepois.Linhas);
    COMPARAR_LINHAS(delta.Desfazer(fotoDepois.Linhas), fotoAntes.Linhas);
}

void TesteDeltaTabela::linhasErradas_data()
{
    QTest::addColumn<TEdicao>("edicao");
    QTest::addColumn<bool>("refazer"); // Refazer over the rows before, or Desfazer over the rows after
    QTest::addColumn<TDano>("dano");
    const TEdicao exclusao = [](TTabelaMemoria &t) { Excluir(t, 1, 2); };
    const TEdicao alteracao = [](TTabelaMemoria &t) { Alterar(t, 2, 2, {{u"TEXTO"_s, u"X"_s}}); };
    QTest::newRow("uma linha a menos") << exclusao << true << TDano([](TLinhas &l) { l.pop_back(); });
    QTest::newRow("uma linha a mais") << exclusao << false << TDano([](TLinhas &l) { l.push_back(l.front()); });
    QTest::newRow("linha excluida com outro valor") << exclusao << true << TDano([](TLinhas &l) {
        l[2][4] = u"N9"_s;
    });
    QTest::newRow("passo desfeito duas vezes") << alteracao << false << TDano([](TLinhas &l) {
        l[3][4] = u"N2P2"_s;
    });
    QTest::newRow("coluna alterada sem o valor de antes") << alteracao << true << TDano([](TLinhas &l) {
        l[3][4] = QVariant();
    });
}

void TesteDeltaTabela::linhasErradas()
{
    QFETCH(TEdicao, edicao);
    QFETCH(bool, refazer);
    QFETCH(TDano, dano);
    auto t = TabelaDeSeis();
    const TFotoTabela antes = TFotoTabela::De(*t);
    edicao(*t);
    const TDeltaTabela delta = TDeltaTabela::Entre(antes, TFotoTabela::De(*t));
    TLinhas linhas = refazer ? antes.Linhas : t->TodasAsLinhas();
    dano(linhas);

    if (refazer)
        QVERIFY_THROWS_EXCEPTION(TErro, delta.Refazer(linhas));
    else
        QVERIFY_THROWS_EXCEPTION(TErro, delta.Desfazer(linhas));
}

// Bytes counts the texts and blobs the delta holds, and only those: the
// values of a kept row stay with the table. Blobs are held compressed.
void TesteDeltaTabela::bytes_data()
{
    QTest::addColumn<TFotoTabela>("antes");
    QTest::addColumn<TFotoTabela>("depois");
    QTest::addColumn<qint64>("minimo");
    QTest::addColumn<qint64>("maximo");
    // Bytes that compression cannot make smaller.
    QByteArray mega(1 << 20, Qt::Uninitialized);
    quint32 semente = 7;
    for (char &c : mega) {
        semente = semente * 1103515245u + 12345u;
        c = char(semente >> 24);
    }
    const QString texto(1000, u't');
    const TFotoTabela comBlob{{1}, {{1, mega}}};
    QTest::newRow("linha excluida") << comBlob << TFotoTabela{} << qint64(1 << 20) << qint64((1 << 20) + 2048);
    QTest::newRow("linha acrescentada") << TFotoTabela{} << comBlob << qint64(1 << 20) << qint64((1 << 20) + 2048);
    QTest::newRow("blob repetitivo excluido") << TFotoTabela{{1}, {{1, QByteArray(1 << 20, 'm')}}} << TFotoTabela{}
                                              << qint64(0) << qint64(16 * 1024);
    QTest::newRow("outro numero na linha do blob") << comBlob << TFotoTabela{{1}, {{2, mega}}} << qint64(0)
                                                   << qint64(1024);
    QTest::newRow("texto alterado") << TFotoTabela{{1}, {{1, texto}}} << TFotoTabela{{1}, {{1, texto + u'!'}}}
                                    << qint64(4002) << qint64(5024);
}

void TesteDeltaTabela::bytes()
{
    QFETCH(TFotoTabela, antes);
    QFETCH(TFotoTabela, depois);
    QFETCH(qint64, minimo);
    QFETCH(qint64, maximo);
    const qint64 bytes = TDeltaTabela::Entre(antes, depois).Bytes();
    QVERIFY2(bytes >= minimo && bytes <= maximo, qPrintable(QString::number(bytes)));
}

// Removing number 100 of 200 deletes 4 rows and renumbers the 400 above it:
// the delta keeps the 4 rows whole (their blobs compressed) and one column of
// each of the others, not the 3.2 MB of contents the table holds.
void TesteDeltaTabela::exclusaoDoMeioEhCompacta()
{
    TDtm_Destino d;
    ProjetoGrande(d);
    const TFotoTabela antes = TFotoTabela::De(d.Cds_DestinosExtras);
    ExcluirRotulo(d, 100);
    const TFotoTabela depois = TFotoTabela::De(d.Cds_DestinosExtras);
    QCOMPARE(depois.Linhas.size(), size_t(796));

    const TDeltaTabela delta = TDeltaTabela::Entre(antes, depois);
    QVERIFY2(delta.Bytes() > 400 * qint64(sizeof(QVariant)) && delta.Bytes() < 100 * 1024,
             qPrintable(QString::number(delta.Bytes())));
    COMPARAR_LINHAS(delta.Refazer(antes.Linhas), depois.Linhas);
    COMPARAR_LINHAS(delta.Desfazer(depois.Linhas), antes.Linhas);
}

// Undo and redo as the history does them: each time the table is reopened
// with the rows the delta gives, so the rows have bookmarks it never saw.
void TesteDeltaTabela::desfazerERefazerComMarcadoresNovos()
{
    TDtm_Destino d;
    d.AbrirTabelas(QString());
    Gravar(d, {u"1/1"_s, u"2/1"_s, u"1/2"_s, u"2/2"_s, u"1/3"_s, u"2/3"_s});
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    const TFotoTabela antes = TFotoTabela::De(t);
    ExcluirRotulo(d, 2);
    const TFotoTabela depois = TFotoTabela::De(t);
    const TDeltaTabela delta = TDeltaTabela::Entre(antes, depois);

    d.RestaurarLinhas(delta.Desfazer(t.TodasAsLinhas()));
    COMPARAR_LINHAS(t.TodasAsLinhas(), antes.Linhas);
    QVERIFY(t.MarcadoresDeTodasAsLinhas() != antes.Marcadores);
    QCOMPARE(Destinos(d), (QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s, u"2/1"_s, u"2/2"_s, u"2/3"_s}));
    QCOMPARE(Rotulos(d), (QStringList{u"1:P1N1|P2N1||"_s, u"2:P1N2|P2N2||"_s, u"3:P1N3|P2N3||"_s}));

    d.RestaurarLinhas(delta.Refazer(t.TodasAsLinhas()));
    COMPARAR_LINHAS(t.TodasAsLinhas(), depois.Linhas);
    QCOMPARE(Rotulos(d), (QStringList{u"1:P1N1|P2N1||"_s, u"2:P1N3|P2N3||"_s}));

    d.RestaurarLinhas(delta.Desfazer(t.TodasAsLinhas()));
    COMPARAR_LINHAS(t.TodasAsLinhas(), antes.Linhas);
}

// Rows of both kinds come back while the extras are shown: the extras stay
// shown, in both tables, and the destinations are there behind them.
void TesteDeltaTabela::restaurarMantemOTipoMostrado()
{
    TDtm_Destino d;
    d.AbrirTabelas(QString());
    Gravar(d, {u"1/1"_s, u"1/2"_s, u"1/3"_s});
    d.DefinirFiltroExtra(true);
    Gravar(d, {u"2/1"_s, u"3/1"_s});
    const TLinhas linhas = d.Cds_DestinosExtras.TodasAsLinhas();
    ExcluirRotulo(d, 1);
    QVERIFY(Destinos(d).isEmpty());

    d.RestaurarLinhas(linhas);
    QVERIFY(d.FiltroExtra());
    QVERIFY(d.Cds_DestinosExtras.Filtrado() && d.Cds_Rotulos.Filtrado());
    QCOMPARE(Destinos(d), (QStringList{u"2/1"_s, u"3/1"_s}));
    QCOMPARE(Rotulos(d), QStringList{u"1:|P2N1|P3N1|"_s});
    d.DefinirFiltroExtra(false);
    QCOMPARE(Destinos(d), (QStringList{u"1/1"_s, u"1/2"_s, u"1/3"_s}));
}

QTEST_GUILESS_MAIN(TesteDeltaTabela)
#include "tst_deltatabela.moc"
