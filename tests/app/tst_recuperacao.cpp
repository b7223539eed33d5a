#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "app/URecuperacao.h"
#include "data/UDtmDestino.h"
#include "editor/UEstadoEditor.h"
#include "output/saida_fixture.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

// The recovery copy without the window: written and read back, the copies of
// runs that ended, set aside, damaged copies, and the writer thread.
class TesteRecuperacao : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    static TCopiaRecuperacao copia(TDtm_Destino &d)
    {
        TTabelaMemoria &t = d.Cds_DestinosExtras;
        t.Acrescentar();
        t.DefinirValor(u"PAINEL"_s, 1);
        t.DefinirValor(u"NRO_DESTINO"_s, 1);
        t.DefinirValor(u"ROTULO1"_s, u"CENTRO"_s);
        t.DefinirValor(u"CONFIG_PAINEL1"_s, QByteArray("1-1-T"));
        d.GravarPendente();
        d.DefinirFiltroExtra(true); // rows of both kinds go, whatever is shown
        t.Acrescentar();
        t.DefinirValor(u"PAINEL"_s, 1);
        t.DefinirValor(u"NRO_DESTINO"_s, 1);
        d.GravarPendente();
        TCopiaRecuperacao c;
        c.ArquivoOriginal = u"/dados/onibus 7.ar1"_s;
        c.Momento = QDateTime(QDate(2026, 12, 10), QTime(15, 30, 12, 345));
        c.Extra = true;
        c.Numero = 3;
        c.Rotativo = 2;
        c.Tabela = TArquivoProjeto::TConteudoProjeto::DaTabela(t);
        c.Paineis = {{1, 13, 96, 10, 2, 28, 0xFFFF, 0xFF00, "1-1-T|2-1-F"}};
        c.Rotativos = {{1, 1, false, 3, 0, u"Praça"_s, 28, 0xFFFF, 0xFF00, "1-1-T"}, {1, 2, true, 2, 0, {}, 0, 0, 0, {}}};
        return c;
    }

private slots:
    void initTestCase() { TRecuperacao::DefinirPasta(pasta.filePath(u"recuperacao"_s)); }
    void cleanupTestCase() { TRecuperacao::DefinirPasta({}); }

    void idaEVolta()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        const TCopiaRecuperacao c = copia(d);
        const QString arquivo = pasta.filePath(u"copia.ar1"_s);
        TRecuperacao::Gravar(arquivo, c);
        const TCopiaRecuperacao lida = TRecuperacao::Ler(arquivo, d.Cds_DestinosExtras);
        QCOMPARE(lida.ArquivoOriginal, c.ArquivoOriginal);
        QCOMPARE(lida.Momento, c.Momento);
        QCOMPARE(lida.Extra, true);
        QCOMPARE(lida.Numero, 3);
        QCOMPARE(lida.Rotativo, 2);
        QCOMPARE(lida.Tabela.Linhas.size(), size_t(2));
        const int rotulo = d.Cds_DestinosExtras.IndiceDaColuna(u"ROTULO1"_s);
        QCOMPARE(lida.Tabela.Linhas[0][rotulo].toString(), u"CENTRO"_s);
        QCOMPARE(lida.Paineis.size(), 1);
        QCOMPARE(lida.Paineis[0].Conteudo, QByteArray("1-1-T|2-1-F"));
        QCOMPARE(lida.Paineis[0].Divisao, 28);
        QCOMPARE(lida.Paineis[0].CorDivisao, TCor(0xFF00));
        QCOMPARE(lida.Rotativos.size(), 2);
        QCOMPARE(lida.Rotativos[0].Rotulo, u"Praça"_s);
        QVERIFY(lida.Rotativos[1].Vazio);
        // The copy is a project file too.
        TDtm_Destino aberto;
        QVERIFY(aberto.AbrirTabelas(arquivo));
    }

    // Only copies of runs that ended are offered, newest first; set aside, never deleted.
    // The editor's part of a copy comes from a capture of the editor and goes
    // back over one: what a copy keeps replaces the capture's, the rest stays.
    void editorPelaCaptura()
    {
        using TP = TEstadoEditor::TPainel;
        using TR = TEstadoEditor::TRotativo;
        TEstadoEditor editado;
        editado.Paineis = {TP{1, 13, 96, TTipoFonte::tfVeltronix13x7, TRolagem::tsEsquerda, TAlinhamento::taCenter, 20,
                              0xFF, 0xFF00, 0x10, "1-1-A", 5, 1, 7},
                           TP{2, 8, 80, TTipoFonte::tfVeltronix8x7, TRolagem::tsNenhum, {}, 0, 0xFF, 0, 0, "1-1-B"}};
        editado.Rotativos = {TR{1, 1, false, 3, TRolagem::tsEsquerda, u"CENTRO"_s, 20, 13, 0xFF, 0xFF00, "1-1-A"},
                             TR{1, 2, false, 4, TRolagem::tsNenhum, u"VIA"_s, 20, 13, 0xFF, 0xFF00, "1-1-C"},
                             TR{2, 1, true, 2, TRolagem::tsNenhum, {}, 0, 0, 0xFF, 0, std::nullopt}};
        editado.RotativoAtual = 2;
        editado.PainelAtivo = 1;
        TCopiaRecuperacao c;
        TRecuperacao::CopiarDoEditor(c, editado);
        QCOMPARE(c.Rotativo, 2);
        QCOMPARE(c.Paineis.size(), 2);
        QCOMPARE(c.Rotativos.size(), 3);

        // The editor after loading the stored destination: slot 1 stored, another active panel and cursor.
        TEstadoEditor carregado;
        carregado.Paineis = {TP{1, 13, 96, TTipoFonte::tfVeltronix13x7, TRolagem::tsNenhum, TAlinhamento::taCenter, 0,
                                0x1, 0x2, 0x10, "antes", 1, 1, 1},
                             TP{2, 8, 80, TTipoFonte::tfVeltronix8x7, TRolagem::tsNenhum, {}, 0, 0x1, 0, 0, "antes"}};
        carregado.Rotativos = {TR{1, 1, false, 2, TRolagem::tsNenhum, u"X"_s, 0, 13, 0x1, 0x2, "antes"}};
        carregado.RotativoAtual = 1;
        carregado.PainelAtivo = 2;
        TRecuperacao::AplicarAoEditor(c, carregado);

        TEstadoEditor esperado = editado;
        esperado.PainelAtivo = 2; // what a copy does not keep stays as loaded
        esperado.Paineis[0].ColunaCursor = esperado.Paineis[0].LinhaCursor = esperado.Paineis[0].PrimeiraColuna = 1;
        esperado.Rotativos[2].Conteudo = QByteArray(); // a slot without content comes back with an empty one
        QVERIFY(carregado == esperado);
    }

    void copiasAbandonadas()
    {
        QDir(TRecuperacao::Pasta()).removeRecursively();
        TDtm_Destino d;
        d.AbrirTabelas({});
        const TCopiaRecuperacao c = copia(d);
        const QString propria = TRecuperacao::ArquivoDestaExecucao();
        TRecuperacao::Gravar(propria, c);
        const QString antiga = QDir(TRecuperacao::Pasta()).filePath(u"recuperacao-999999991.ar1"_s);
        const QString nova = QDir(TRecuperacao::Pasta()).filePath(u"recuperacao-999999992.ar1"_s);
        TRecuperacao::Gravar(antiga, c);
        TRecuperacao::Gravar(nova, c);
        QFile f(antiga);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        f.close();
        QCOMPARE(TRecuperacao::CopiasAbandonadas(), (QStringList{nova, antiga}));
        const QString deLado = TRecuperacao::PorDeLado(antiga, u"guardada"_s);
        QVERIFY(QFile::exists(deLado));
        QVERIFY(!QFile::exists(antiga));
        QVERIFY(QFileInfo(deLado).fileName().startsWith(u"recuperacao-guardada-"_s));
        QCOMPARE(TRecuperacao::CopiasAbandonadas(), QStringList{nova});
    }

    void copiaDanificada_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("semTabela");
        QTest::newRow("not SQLite") << QByteArray("lixo") << false;
        QTest::newRow("a project without the copy's tables") << QByteArray() << true;
    }
    void copiaDanificada()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, semTabela);
        const QString arquivo = pasta.filePath(u"danificada.ar1"_s);
        TDtm_Destino d;
        d.AbrirTabelas({});
        if (semTabela) {
            copia(d);
            QVERIFY(d.SalvarArquivo(arquivo));
        } else {
            QVERIFY(Fixture::GravarArquivo(arquivo, bytes));
        }
        try {
            TRecuperacao::Ler(arquivo, d.Cds_DestinosExtras);
            QFAIL("a damaged copy was read");
        } catch (const TErro &e) {
            QVERIFY2(e.Mensagem.contains(u"danificada.ar1\" está danificada"_s), qPrintable(e.Mensagem));
        }
    }

    // The writer keeps only the newest copy waiting and removes the file on request.
    void gravador()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        TCopiaRecuperacao c = copia(d);
        const QString arquivo = pasta.filePath(u"gravador.ar1"_s);
        {
            TGravadorRecuperacao g(arquivo);
            for (int n = 1; n <= 5; ++n) {
                c.Numero = n;
                g.Agendar(c);
            }
            g.Esperar();
            QCOMPARE(TRecuperacao::Ler(arquivo, d.Cds_DestinosExtras).Numero, 5);
            g.Remover();
            g.Esperar();
            QVERIFY(!QFile::exists(arquivo));
            c.Numero = 9;
            g.Agendar(c);
        }
        QCOMPARE(TRecuperacao::Ler(arquivo, d.Cds_DestinosExtras).Numero, 9); // written before the writer went
    }
};

QTEST_GUILESS_MAIN(TesteRecuperacao)
#include "tst_recuperacao.moc"
