#include <QFontMetricsF>
#include <QRegularExpression>
#include <QtTest>

#include "data/dtm_fixture.h"
#include "print/medidor_fixture.h"

using namespace Fixture;

using TPresentes = std::array<bool, QtdPosicoes>;
Q_DECLARE_METATYPE(TPresentes)

// The listing's pages as laid out in millimetres: columns, bands, shading,
// wrapping, page breaks and page numbers. Line breaks come from a measurer
// with fixed widths, so every size is exact.
class TesteListagem : public QObject {
    Q_OBJECT

    TMedidorFixo medidor;

    // "x:width" of each text of the band, in its order, one decimal each.
    static QString colunasDoTexto(const TBandaPagina &banda, int desde)
    {
        QStringList partes;
        for (qsizetype i = desde; i < banda.Textos.size(); ++i)
            partes << u"%1@%2+%3"_s.arg(banda.Textos[i].Nome)
                          .arg(banda.Textos[i].Caixa.x(), 0, 'f', 1)
                          .arg(banda.Textos[i].Caixa.width(), 0, 'f', 1);
        return partes.join(u' ');
    }

private slots:
    void colunas_data()
    {
        QTest::addColumn<TPresentes>("presentes");
        QTest::addColumn<QString>("titulos");
        QTest::addColumn<QString>("rotulos");
        using P = TPresentes;
        // 21.2 + 92.3 + 0.5 = 114.0; the auxiliary after all three: 21.2 + 92.3 + 69.6 + 24.9 + 3 x 0.5 = 209.5.
        QTest::newRow("front and rear") << P{true, false, true, false} << u"QRLabel3@21.2+92.3 QRLabel6@114.0+24.9"_s
                                        << u"QRLabel8@21.2+92.3 QRLabel10@114.0+24.9"_s;
        QTest::newRow("four signs") << P{true, true, true, true}
                                    << u"QRLabel3@21.2+92.3 QRLabel5@114.0+69.6 QRLabel6@184.1+24.9 "
                                       u"QRLabel4@209.5+63.5"_s
                                    << u"QRLabel8@21.2+92.3 QRLabel9@114.0+69.6 QRLabel10@184.1+24.9 "
                                       u"QRLabel11@209.5+63.5"_s;
        QTest::newRow("side and auxiliary") << P{false, true, false, true}
                                            << u"QRLabel5@21.2+69.6 QRLabel4@91.3+63.5"_s
                                            << u"QRLabel9@21.2+69.6 QRLabel11@91.3+63.5"_s;
        QTest::newRow("rear only") << P{false, false, true, false} << u"QRLabel6@21.2+24.9"_s
                                   << u"QRLabel10@21.2+24.9"_s;
        QTest::newRow("none") << P{} << QString() << QString();
    }
    // Absent signs print no title and no label, and leave no gap.
    void colunas()
    {
        QFETCH(TPresentes, presentes);
        QFETCH(QString, titulos);
        QFETCH(QString, rotulos);
        const QList<TPaginaRelatorio> paginas = GerarListagem(Listagem(1, presentes), medidor);
        const TBandaPagina &cabecalho = paginas[0].Bandas[1];
        QCOMPARE(cabecalho.Nome, u"QRBand3"_s);
        QCOMPARE(colunasDoTexto(cabecalho, 1), titulos);
        QCOMPARE(colunasDoTexto(*Detalhes(paginas[0])[0], 1), rotulos);
    }

    // Two lines: silver then white, one page, every band where it was designed.
    void duasLinhas()
    {
        const QList<TPaginaRelatorio> paginas = GerarListagem(Listagem(2, {true, false, true, false}), medidor);
        QCOMPARE(paginas.size(), 1);
        QStringList bandas;
        for (const TBandaPagina &b : paginas[0].Bandas)
            bandas << u"%1@%2+%3:%4"_s.arg(b.Nome)
                          .arg(b.Origem.y(), 0, 'f', 1)
                          .arg(b.Altura, 0, 'f', 1)
                          .arg(b.Cor.name());
        QCOMPARE(bandas, (QStringList{u"QRBand2@10.0+13.5:#ffffff"_s, u"QRBand3@23.5+8.5:#ffffff"_s,
                                      u"QRBand1@32.0+6.4:#c0c0c0"_s, u"QRBand1@38.4+6.4:#ffffff"_s,
                                      u"QRBand4@191.5+8.5:#ffffff"_s}));
        for (const TBandaPagina &b : paginas[0].Bandas) {
            QCOMPARE(b.Origem.x(), 10.0);
            QCOMPARE(b.Largura, 277.0);
        }
        QCOMPARE(Rodape(paginas[0]), u"Página: 001/001"_s);

        const TBandaPagina &linha = *Detalhes(paginas[0])[1];
        QCOMPARE(linha.Texto(u"QRLabel7"_s)->Linhas, QStringList{u"2"_s});
        QCOMPARE(linha.Texto(u"QRLabel7"_s)->Caixa, QRectF(1.1, 1.3, 18.5, 4.0));
        QCOMPARE(linha.Texto(u"QRLabel7"_s)->Fonte.Pontos, 10.0);
        QCOMPARE(linha.Texto(u"QRLabel8"_s)->Linhas, QStringList{u"R2P1"_s});
        QCOMPARE(linha.Texto(u"QRLabel10"_s)->Linhas, QStringList{u"R2P3"_s});
        QCOMPARE(linha.Texto(u"QRLabel10"_s)->Fonte.Pontos, 8.0);
        QCOMPARE(linha.Texto(u"QRLabel10"_s)->Caixa.y(), 1.3);
    }

    // The headers, with the same texts on every page.
    void cabecalhos()
    {
        const QList<TPaginaRelatorio> paginas = GerarListagem(Listagem(30, {true, true, false, false}), medidor);
        QCOMPARE(paginas.size(), 2);
        for (const TPaginaRelatorio &p : paginas) {
            const TBandaPagina &topo = p.Bandas[0];
            QCOMPARE(topo.Texto(u"QRLabel1"_s)->Linhas, QStringList{u"Dorvik  System [ /dados/onibus.ar1 ]"_s});
            QCOMPARE(topo.Texto(u"QRLabel1"_s)->Caixa.topLeft(), QPointF(0.5, 1.3));
            QVERIFY(topo.Texto(u"QRLabel1"_s)->Fonte.Negrito);
            QCOMPARE(topo.Texto(u"QRSysData2"_s)->Linhas, QStringList{u"Lista de Destinos"_s});
            QCOMPARE(topo.Texto(u"QRSysData2"_s)->Caixa.topLeft(), QPointF(0.5, 7.4));
            QVERIFY(topo.Texto(u"QRSysData2"_s)->Fonte.Italico);
            const TTextoBanda &data = *topo.Texto(u"QRSysData1"_s);
            QCOMPARE(data.Linhas, QStringList{u"05/03/2024 14:07"_s});
            QCOMPARE(data.Caixa.right(), 276.2);
            QCOMPARE(data.Caixa.top(), 6.4);
            QCOMPARE(data.Alinhamento, Qt::AlignRight);
            QCOMPARE(topo.Fios.size(), 1);
            QCOMPARE(topo.Fios[0].Y, 10.8);

            const TBandaPagina &colunas = p.Bandas[1];
            QStringList titulos;
            for (const TTextoBanda &t : colunas.Textos)
                titulos << u"%1:%2@%3"_s.arg(t.Nome, t.Linhas.join(u'|')).arg(t.Caixa.y());
            QCOMPARE(titulos, (QStringList{u"QRLabel2:Nº Destino@1.9"_s, u"QRLabel3:Frontal@1.9"_s,
                                           u"QRLabel5:Lateral@1.6"_s}));
            QCOMPARE(colunas.Fios[0].Y, 5.6);
            const TBandaPagina &rodape = p.Bandas.last();
            QCOMPARE(rodape.Fios[0].Y, 0.3);
            QCOMPARE(rodape.Texto(u"Qrs_NroPagina"_s)->Caixa.right(), 276.2);
            QCOMPARE(rodape.Texto(u"Qrs_NroPagina"_s)->Caixa.top(), 2.6);
        }
    }

    void paginas_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QList<int>>("porPagina");
        // 159.5 mm between the column header and the footer hold 24 lines of 6.4 mm.
        QTest::newRow("one full page") << 24 << QList<int>{24};
        QTest::newRow("one line more") << 25 << QList<int>{24, 1};
        QTest::newRow("three pages") << 60 << QList<int>{24, 24, 12};
        QTest::newRow("120 lines") << 120 << QList<int>{24, 24, 24, 24, 24};
    }
    // Lines in table order, shading going on across pages, "Página: n/total" on each.
    void paginas()
    {
        QFETCH(int, linhas);
        QFETCH(QList<int>, porPagina);
        const QList<TPaginaRelatorio> paginas = GerarListagem(Listagem(linhas), medidor);
        QCOMPARE(paginas.size(), porPagina.size());
        int numero = 0;
        for (int p = 0; p < paginas.size(); ++p) {
            const QList<const TBandaPagina *> detalhes = Detalhes(paginas[p]);
            QCOMPARE(detalhes.size(), porPagina[p]);
            for (const TBandaPagina *d : detalhes) {
                ++numero;
                QCOMPARE(d->Texto(u"QRLabel7"_s)->Linhas, QStringList{QString::number(numero)});
                QCOMPARE(d->Cor, numero % 2 ? QColor(192, 192, 192) : QColor(Qt::white));
            }
            QCOMPARE(paginas[p].Bandas.first().Nome, u"QRBand2"_s);
            QCOMPARE(paginas[p].Bandas[1].Nome, u"QRBand3"_s);
            QCOMPARE(paginas[p].Bandas.last().Origem.y(), 191.5);
            QCOMPARE(Rodape(paginas[p]), u"Página: %1/%2"_s.arg(p + 1, 3, 10, QChar(u'0')).arg(paginas.size(), 3, 10, QChar(u'0')));
        }
        QCOMPARE(numero, linhas);
    }

    // Labels wrap inside their cells; the line grows by its tallest cell and the next one starts below it.
    void quebraDeLinhas()
    {
        TDadosListagem dados = Listagem(3);
        // The rear cell is 24.9 mm; lines stop 1 mm short of its edge: 11 characters a line.
        dados.Linhas[0].Rotulos[2] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"_s;
        // Its own line breaks, and a tab printed as a blank.
        dados.Linhas[1].Rotulos[0] = u"Rua A\r\nCentro\tSul\rFim\nÚltima"_s;
        const QList<TPaginaRelatorio> paginas = GerarListagem(dados, medidor);
        const QList<const TBandaPagina *> detalhes = Detalhes(paginas[0]);
        const TTextoBanda &traseiro = *detalhes[0]->Texto(u"QRLabel10"_s);
        QCOMPARE(traseiro.Linhas, (QStringList{u"ABCDEFGHIJK"_s, u"LMNOPQRSTUV"_s, u"WXYZ0123"_s}));
        QCOMPARE(traseiro.Caixa.height(), 3 * 3.2);
        QCOMPARE(detalhes[0]->Altura, 6.4 + 2 * 3.2);
        QCOMPARE(detalhes[0]->Texto(u"QRLabel8"_s)->Linhas, QStringList{u"R1P1"_s});
        QCOMPARE(detalhes[1]->Origem.y(), detalhes[0]->Base());
        QCOMPARE(detalhes[1]->Texto(u"QRLabel8"_s)->Linhas,
                 (QStringList{u"Rua A"_s, u"Centro Sul"_s, u"Fim"_s, u"Última"_s}));
        QCOMPARE(detalhes[1]->Altura, 6.4 + 3 * 3.2);
        QCOMPARE(detalhes[2]->Origem.y(), detalhes[1]->Base());
        QCOMPARE(detalhes[2]->Altura, 6.4);
    }

    // Titles and the caption wrap too, and push the rule under them down.
    void cabecalhosCrescem()
    {
        TDadosListagem dados = Listagem(1, {false, false, true, false});
        dados.Titulos[2] = u"Traseiro do Ônibus"_s; // 18 characters, 12 a line in a 24.9 mm cell
        dados.TituloJanela = QString(140, u'x');    // 137 characters a line in a 275.7 mm cell
        const TPaginaRelatorio pagina = GerarListagem(dados, medidor)[0];
        const TBandaPagina &topo = pagina.Bandas[0];
        QCOMPARE(topo.Texto(u"QRLabel1"_s)->Linhas.size(), 2);
        QCOMPARE(topo.Texto(u"QRSysData2"_s)->Caixa.y(), 7.4 + 4.0);
        QCOMPARE(topo.Texto(u"QRSysData1"_s)->Caixa.y(), 6.4 + 4.0);
        QCOMPARE(topo.Fios[0].Y, 10.8 + 4.0);
        QCOMPARE(topo.Altura, 13.5 + 4.0);
        const TBandaPagina &colunas = pagina.Bandas[1];
        QCOMPARE(colunas.Texto(u"QRLabel6"_s)->Linhas, (QStringList{u"Traseiro do "_s, u"Ônibus"_s}));
        QCOMPARE(colunas.Origem.y(), 10 + 17.5);
        QCOMPARE(colunas.Fios[0].Y, 5.6 + 4.0);
        QCOMPARE(colunas.Altura, 8.5 + 4.0);
        QCOMPARE(Detalhes(pagina)[0]->Origem.y(), 10 + 17.5 + 12.5);
    }

    // A line taller than a page's whole room starts a page and goes on over
    // the next ones with all its lines; the following line keeps the shading.
    void linhaMaiorQueAPagina()
    {
        TDadosListagem dados = Listagem(3);
        QStringList esperadas;
        for (int i = 0; i < 60; ++i)
            esperadas << u"linha %1"_s.arg(i, 5, 10, QChar(u'0')); // 11 characters: one a line in the rear cell
        dados.Linhas[1].Rotulos[2] = esperadas.join(u'\n');
        const QList<TPaginaRelatorio> paginas = GerarListagem(dados, medidor);
        QCOMPARE(paginas.size(), 3);
        QCOMPARE(Detalhes(paginas[0]).size(), 1);
        // 159.5 mm: 6.4 for the first line and 47 more of 3.2 mm.
        const TBandaPagina &parte1 = *Detalhes(paginas[1])[0];
        QCOMPARE(Detalhes(paginas[1]).size(), 1);
        QCOMPARE(parte1.Origem.y(), 32.0);
        QCOMPARE(parte1.Texto(u"QRLabel10"_s)->Linhas, esperadas.mid(0, 48));
        QCOMPARE(parte1.Texto(u"QRLabel7"_s)->Linhas, QStringList{u"2"_s});
        QVERIFY(parte1.Base() <= 191.5);
        const QList<const TBandaPagina *> ultima = Detalhes(paginas[2]);
        QCOMPARE(ultima.size(), 2);
        QCOMPARE(ultima[0]->Texto(u"QRLabel10"_s)->Linhas, esperadas.mid(48));
        QCOMPARE(ultima[0]->Texto(u"QRLabel7"_s)->Linhas, QStringList());
        QCOMPARE(ultima[0]->Texto(u"QRLabel8"_s)->Linhas, QStringList());
        QCOMPARE(ultima[0]->Cor, QColor(Qt::white));
        QCOMPARE(ultima[0]->Altura, 6.4 + 11 * 3.2);
        QCOMPARE(ultima[1]->Texto(u"QRLabel7"_s)->Linhas, QStringList{u"3"_s});
        QCOMPARE(ultima[1]->Cor, QColor(192, 192, 192));
        QCOMPARE(Rodape(paginas[2]), u"Página: 003/003"_s);
    }

    void textoNroPagina_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("texto");
        QTest::newRow("one of one") << 1 << 1 << u"Página: 001/001"_s;
        QTest::newRow("counting generation") << 7 << 0 << u"Página: 007/000"_s;
        QTest::newRow("three digits") << 999 << 999 << u"Página: 999/999"_s;
        QTest::newRow("four digits") << 1000 << 1234 << u"Página: 1000/1234"_s;
    }
    void textoNroPagina()
    {
        QFETCH(int, numero);
        QFETCH(int, total);
        QFETCH(QString, texto);
        QCOMPARE(TextoNroPagina(numero, total), texto);
    }

    // More than a thousand pages: the counting generation's total, in full.
    void milPaginas()
    {
        const QList<TPaginaRelatorio> paginas = GerarListagem(Listagem(24 * 1000 + 1, {true, false, false, false}),
                                                              medidor);
        QCOMPARE(paginas.size(), 1001);
        QCOMPARE(Rodape(paginas.first()), u"Página: 001/1001"_s);
        QCOMPARE(Rodape(paginas[999]), u"Página: 1000/1001"_s);
        QCOMPARE(Rodape(paginas.last()), u"Página: 1001/1001"_s);
    }

    // The label table as it stands: the kind shown, in its order, the column
    // titles from its display labels; its cursor stays where it was. The
    // pending line of the next destination (4) is no destination.
    void dadosDaTabela()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        Gravar(d, {u"1/2"_s, u"1/1"_s, u"3/1"_s, u"3/2"_s, u"1/3"_s, u"1/4/N"_s});
        d.DefinirFiltroExtra(true);
        Gravar(d, u"1/1"_s);
        d.DefinirFiltroExtra(false);
        TTabelaMemoria &r = d.Cds_Rotulos;
        r.Primeiro();
        r.Proximo();
        const TMarcador marcador = r.Marcador();

        const TDadosListagem dados = DadosDaListagem(d, {true, false, true, false}, u"Título"_s, u"Nº Destino"_s);
        QCOMPARE(r.Marcador(), marcador);
        QCOMPARE(dados.Presentes, (std::array<bool, QtdPosicoes>{true, false, true, false}));
        QCOMPARE(dados.Titulos, (std::array<QString, QtdPosicoes>{u"Frontal"_s, u"Lateral"_s, u"Traseiro"_s,
                                                                  u"Frontal Aux."_s}));
        QCOMPARE(dados.TituloJanela, u"Título"_s);
        QCOMPARE(dados.TituloNumero, u"Nº Destino"_s);
        // Brazil's short date and time: "10/12/2026 14:07".
        QVERIFY2(QRegularExpression(u"^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"_s).match(dados.DataHora).hasMatch(),
                 qPrintable(dados.DataHora));
        QStringList linhas;
        for (const TDadosListagem::TLinha &l : dados.Linhas)
            linhas << l.Numero + u':' + QStringList(l.Rotulos.begin(), l.Rotulos.end()).join(u'|');
        QCOMPARE(linhas, (QStringList{u"1:P1N1||P3N1|"_s, u"2:P1N2||P3N2|"_s, u"3:P1N3|||"_s}));

        d.DefinirFiltroExtra(true);
        QCOMPARE(DadosDaListagem(d, {true, false, false, false}, {}, {}).Linhas.size(), 1);
    }

    // The real measurer: lines that fit their cell, the text's words all there.
    void medidorQt()
    {
        TMedidorQt qt;
        const TFonteRelatorio arial8{u"Arial"_s, 8};
        const QString texto = u"Terminal Rodoviário — Avenida Governador José Malcher via Praça da Bandeira"_s;
        const QStringList linhas = qt.Quebrar(texto, arial8, 24.9);
        QVERIFY2(linhas.size() > 2, qPrintable(linhas.join(u'|')));
        const QFontMetricsF metricas(FonteQt(arial8));
        for (const QString &l : linhas)
            QVERIFY2(metricas.horizontalAdvance(l) / UnidadesPorMm <= 24.9, qPrintable(l));
        QCOMPARE(linhas.join(u' ').simplified(), texto);
        QCOMPARE(qt.AlturaLinha(arial8), metricas.lineSpacing() / UnidadesPorMm);
        QCOMPARE(qt.Quebrar(u"Rua A\r\nCentro"_s, arial8, 92.3), (QStringList{u"Rua A"_s, u"Centro"_s}));
        QCOMPARE(qt.Quebrar(u" \t\r\n"_s, arial8, 92.3), QStringList());
        QCOMPARE(qt.Quebrar(QString(), arial8, 92.3), QStringList());
    }
};

QTEST_MAIN(TesteListagem)
#include "tst_listagem.moc"
