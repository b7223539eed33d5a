#include <QTemporaryDir>
#include <QtTest>

#include "app/UProjetoArquivo.h"
#include "app/projeto_fixture.h"
#include "panel/UErro.h"

using TSinais = QList<TSinalEquipado>;
Q_DECLARE_METATYPE(TSinais)

// A project file read as the program opens it: the fitted signs and the label lines.
class TesteProjetoArquivo : public QObject {
    Q_OBJECT

    // "painel/nro/linhas x colunas", "painel/nro/N" for a pending new row.
    static TLinhaProjeto linha(const QString &texto, int tipoOnibus)
    {
        const QStringList partes = texto.split(u'/');
        TLinhaProjeto l;
        l.Painel = partes[0].toInt();
        l.Numero = partes[1].toInt();
        l.Novo = partes[2] == u"N";
        l.TipoOnibus = tipoOnibus;
        if (!l.Novo) {
            const QStringList tamanho = partes[2].split(u'x');
            l.Linhas = tamanho[0].toInt();
            l.Colunas = tamanho[1].toInt();
        }
        return l;
    }
    static QStringList texto(const TSinais &sinais)
    {
        QStringList t;
        for (const TSinalEquipado &s : sinais)
            t << u"%1:%2x%3"_s.arg(s.Painel).arg(s.Linhas).arg(s.Colunas);
        return t;
    }

private slots:
    void sinaisDoProjeto_data()
    {
        QTest::addColumn<int>("tipoOnibus");
        QTest::addColumn<QStringList>("destinos");
        QTest::addColumn<QStringList>("extras");
        QTest::addColumn<QStringList>("sinais");
        QTest::addColumn<QStringList>("onibus"); // of both kinds (SinaisDoOnibus)

        QTest::newRow("só o traseiro") << 1 << QStringList{u"3/1/13x32"_s} << QStringList{}
                                       << QStringList{u"3:13x32"_s} << QStringList{u"3:13x32"_s};
        QTest::newRow("ordem das posições") << 2 << QStringList{u"4/1/8x80"_s, u"2/1/16x96"_s, u"1/1/13x128"_s}
                                            << QStringList{} << QStringList{u"1:13x128"_s, u"2:16x96"_s, u"4:8x80"_s} << QStringList{u"1:13x128"_s, u"2:16x96"_s, u"4:8x80"_s};
        // Rows that disagree: the last one in table order (the highest number)
        // wins; of both kinds, the last one stored.
        QTest::newRow("linhas discordantes") << 1 << QStringList{u"1/2/16x96"_s, u"1/1/8x80"_s} << QStringList{}
                                             << QStringList{u"1:16x96"_s} << QStringList{u"1:8x80"_s};
        // Sizes of 0 and pending new rows keep the starting size of the bus type.
        QTest::newRow("tamanho zero, ônibus 1") << 1 << QStringList{u"1/1/0x0"_s, u"3/1/N"_s} << QStringList{}
                                                << QStringList{u"1:13x128"_s, u"3:13x32"_s} << QStringList{u"1:13x128"_s, u"3:13x32"_s};
        QTest::newRow("tamanho zero, ônibus 2") << 2 << QStringList{u"1/1/0x0"_s} << QStringList{}
                                                << QStringList{u"1:8x80"_s} << QStringList{u"1:8x80"_s};
        QTest::newRow("extras não equipam") << 1 << QStringList{u"1/1/8x80"_s} << QStringList{u"2/1/8x80"_s}
                                            << QStringList{u"1:8x80"_s} << QStringList{u"1:8x80"_s, u"2:8x80"_s};
        QTest::newRow("traseiro só com extras") << 1 << QStringList{u"1/1/13x128"_s} << QStringList{u"3/2/13x32"_s}
                                                << QStringList{u"1:13x128"_s} << QStringList{u"1:13x128"_s, u"3:13x32"_s};
        QTest::newRow("projeto vazio") << 1 << QStringList{} << QStringList{} << QStringList{} << QStringList{};
    }
    void sinaisDoProjeto()
    {
        QFETCH(int, tipoOnibus);
        QFETCH(QStringList, destinos);
        QFETCH(QStringList, extras);
        QFETCH(QStringList, sinais);
        QFETCH(QStringList, onibus);

        TDtm_Destino d;
        d.AbrirTabelas({});
        for (bool extra : {true, false}) {
            d.DefinirFiltroExtra(extra);
            for (const QString &l : extra ? extras : destinos)
                GravarLinha(d, linha(l, tipoOnibus));
        }
        QCOMPARE(texto(SinaisDoProjeto(d)), sinais);
        QCOMPARE(texto(SinaisDoOnibus(d.Cds_DestinosExtras, tipoOnibus)), onibus);
    }

    // The label table of each kind, with the labels of the fitted positions only;
    // the pending line (number 3) is no destination yet.
    void linhasDosRotulos()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        TLinhaProjeto frente = Linha(1, 1, "x", u"Centro"_s);
        frente.Conteudo[1] = "y";
        frente.Rotulo[1] = u"Estação"_s;
        GravarLinha(d, frente);
        GravarLinha(d, Linha(3, 1, "x", u"Bairro"_s));
        GravarLinha(d, Linha(1, 2, "x", u"Rua A"_s));
        GravarLinha(d, Pendente(1, 3));
        d.DefinirFiltroExtra(true);
        GravarLinha(d, Linha(3, 1, "x", u"Sem Passageiros"_s));
        MostrarTipo(d, false);
        const TSinais sinais{{1, 8, 80}, {3, 8, 80}};

        QCOMPARE(LinhasDosRotulos(d, sinais),
                 (QStringList{u"1\tCentro|Estação\tBairro"_s, u"2\tRua A\t"_s}));
        MostrarTipo(d, true);
        QCOMPARE(LinhasDosRotulos(d, sinais), QStringList{u"1\t\tSem Passageiros"_s});
        QCOMPARE(LinhasDosRotulos(d, {{3, 8, 80}}), QStringList{u"1\tSem Passageiros"_s});
    }

    // One line per number: a label's own line breaks, tabs and NULs cannot split it.
    void rotulosEscapados()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        GravarLinha(d, Linha(1, 1, "x", u"a\tb\nc\\d"_s + QChar(0) + u"e\rf"_s));
        MostrarTipo(d, false);
        QCOMPARE(LinhasDosRotulos(d, {{1, 8, 80}}), QStringList{u"1\ta\\tb\\nc\\\\d\\0e\\rf"_s});
    }

    void arquivoInexistente()
    {
        QTemporaryDir pasta;
        TDtm_Destino d;
        QVERIFY_THROWS_EXCEPTION(TErro, AbrirProjeto(d, pasta.filePath(u"nada.ar1"_s)));
        QVERIFY(!d.Cds_DestinosExtras.Ativa());
    }
};

QTEST_GUILESS_MAIN(TesteProjetoArquivo)
#include "tst_projetoarquivo.moc"
