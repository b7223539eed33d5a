#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "output/saida_fixture.h"
#include "panel/UErro.h"
#include "print/UDesenhoRelatorio.h"
#include "print/medidor_fixture.h"
#include "print/pdf_fixture.h"

using namespace Fixture;

// The listing painted: the PDF's text as a reader extracts it, and the
// shading and rules where the layout puts them.
class TestePdfListagem : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(),
                 "pdftotext is missing: install poppler-utils (scripts/setup does)");
    }

    // Every label with its accents on its page, the headers and "Página: n/3" on each.
    void textoDoPdf()
    {
        TDadosListagem dados = Listagem(60);
        for (TDadosListagem::TLinha &l : dados.Linhas)
            l.Rotulos = {u"Estação Nº %1"_s.arg(l.Numero), u"Praça São João %1"_s.arg(l.Numero),
                         u"Ônibus %1"_s.arg(l.Numero), u"Caçapava—Açaí %1"_s.arg(l.Numero)};
        const QList<TPaginaRelatorio> paginas = GerarListagem(dados, TMedidorQt());
        QCOMPARE(paginas.size(), 3);
        const QString arquivo = pasta.filePath(u"listagem.pdf"_s);
        QList<int> progresso;
        GravarPdf(paginas, u"Lista de Destinos"_s, arquivo, [&](int p) { progresso << p; });
        QCOMPARE(progresso, (QList<int>{33, 66, 100}));

        const QStringList texto = PaginasDoPdf(arquivo);
        QCOMPARE(texto.size(), 3);
        for (int p = 0; p < 3; ++p) {
            const QString &pagina = texto[p];
            for (const QString &esperado :
                 {u"Dorvik  System [ /dados/onibus.ar1 ]"_s, u"Lista de Destinos"_s, u"05/03/2024 14:07"_s,
                  u"Nº Destino"_s, u"Frontal"_s, u"Lateral"_s, u"Traseiro"_s, u"Frontal Aux."_s,
                  u"Página: %1/003"_s.arg(p + 1, 3, 10, QChar(u'0'))})
                QVERIFY2(pagina.contains(esperado.simplified()), qPrintable(esperado + u" | "_s + pagina));
            // Each line as printed: the number, then the four labels.
            for (int linha = p * 24; linha < qMin(60, (p + 1) * 24); ++linha) {
                const TDadosListagem::TLinha &l = dados.Linhas[linha];
                const QString impressa = QStringList{l.Numero, l.Rotulos[0], l.Rotulos[1], l.Rotulos[2], l.Rotulos[3]}
                                             .join(u' ');
                QVERIFY2(pagina.contains(impressa), qPrintable(impressa + u" | "_s + pagina));
            }
        }
    }

    // A failed write says why and leaves the old file; nothing to print is refused.
    void falhas()
    {
        const QList<TPaginaRelatorio> paginas = GerarListagem(Listagem(2), TMedidorFixo());
        const QString semPasta = pasta.filePath(u"falta/listagem.pdf"_s);
        try {
            GravarPdf(paginas, u"Lista de Destinos"_s, semPasta);
            QFAIL("a file in a missing folder was written");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, u"ATENÇÃO:\r\nNão foi possível gravar o arquivo \"%1\": o arquivo ou a pasta não "
                                 u"existe."_s.arg(semPasta));
        }
        const QString antigo = pasta.filePath(u"antigo.pdf"_s);
        QVERIFY(GravarArquivo(antigo, "antigo"));
        QVERIFY_THROWS_EXCEPTION(TErro, GravarPdf({}, u"Lista de Destinos"_s, antigo));
        QCOMPARE(LerArquivo(antigo), QByteArray("antigo"));
    }

    // 10 pixels a millimetre: white paper, the silver and white lines and the
    // rules where the bands are. A wider target gets the paper centred.
    void desenhoDasBandas()
    {
        const TPaginaRelatorio pagina = GerarListagem(Listagem(2), TMedidorFixo()).first();
        QImage imagem(2970 + 40, 2100, QImage::Format_RGB32);
        imagem.fill(Qt::green);
        QPainter pintor(&imagem);
        DesenharPagina(pintor, pagina, imagem.rect());
        pintor.end();
        const auto em = [&](double xMm, double yMm) {
            return QColor(imagem.pixel(20 + int(xMm * 10), int(yMm * 10)));
        };
        QCOMPARE(em(-0.5, 100), QColor(Qt::green));
        QCOMPARE(em(0.5, 100), QColor(Qt::white));
        QCOMPARE(em(296.5, 100), QColor(Qt::white));
        QCOMPARE(em(297.5, 100), QColor(Qt::green));
        QCOMPARE(em(286.5, 32.5), QColor(192, 192, 192)); // line 1, right of every column
        QCOMPARE(em(286.5, 38.0), QColor(192, 192, 192));
        QCOMPARE(em(286.5, 38.9), QColor(Qt::white));     // line 2
        QCOMPARE(em(150, 20.8), QColor(Qt::black));       // the page header's rule at 10.8
        QCOMPARE(em(150, 23.5 + 5.6), QColor(Qt::black)); // the column header's at 5.6
        QCOMPARE(em(150, 191.5 + 0.3), QColor(Qt::black)); // the footer's at 0.3
        QCOMPARE(em(150, 45), QColor(Qt::white));
    }
};

QTEST_MAIN(TestePdfListagem)
#include "tst_pdflistagem.moc"
