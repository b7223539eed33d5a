#include <QAction>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "data/dtm_fixture.h"
#include "output/saida_fixture.h"
#include "panel/ui/UMensagem.h"
#include "print/medidor_fixture.h"
#include "print/pdf_fixture.h"
#include "print/ui/UFrmPreviewQuickReport.h"
#include "print/ui/URptListagemDestinosVeltronix.h"

using namespace Fixture;

// The preview window driven as the operator drives it: keys, commands, the
// save and print dialogs answered through the window's seams.
class TestePreviewQuickReport : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    static QList<TPaginaRelatorio> paginas(int linhas) { return GerarListagem(Listagem(linhas), TMedidorFixo()); }

    // Shown and active, so that keys go through the window as the operator's do.
    static bool mostrar(TFrm_PreviewQuickReport &janela)
    {
        janela.show();
        janela.activateWindow();
        return QTest::qWaitForWindowActive(&janela);
    }

    static void tecla(TFrm_PreviewQuickReport &janela, Qt::Key tecla, Qt::KeyboardModifiers com = Qt::NoModifier)
    {
        QTest::keyClick(janela.windowHandle(), tecla, com);
    }

    static QScrollBar *barra(TFrm_PreviewQuickReport &janela, Qt::Orientation orientacao)
    {
        QGraphicsView *vista = janela.QRPreview1->findChild<QGraphicsView *>();
        return orientacao == Qt::Vertical ? vista->verticalScrollBar() : vista->horizontalScrollBar();
    }

private slots:
    void initTestCase() { QVERIFY(pasta.isValid()); }
    void cleanup()
    {
        TFrm_PreviewQuickReport::ExibirModal = nullptr;
        TFrm_PreviewQuickReport::EscolherArquivo = nullptr;
        TFrm_PreviewQuickReport::ConfigurarImpressao = nullptr;
        TMensagem::DefinirRespondedor({});
        QFile::remove(pasta.filePath(u"salvo.PDF"_s));
    }

    // The tool bar: each command's hint and key.
    void comandos()
    {
        TFrm_PreviewQuickReport janela(paginas(2), u"Lista de Destinos"_s);
        const QList<QAction *> barra = janela.ToolBar->actions();
        QStringList comandos;
        for (QAction *a : barra)
            comandos << (a->isSeparator() ? u"|"_s
                                          : u"%1 %2 [%3]"_s.arg(a->objectName(), a->toolTip(),
                                                                a->shortcut().toString()));
        QCOMPARE(comandos, (QStringList{
                               u"Act_Anterior Apresenta a página anterior do relatório.(PgUp) []"_s,
                               u"Act_Proximo Apresenta a próxima página do relatório. (PgDown) []"_s,
                               u"|"_s,
                               u"Act_ZoomIn Aproxima Visualização permitindo ver mais detalhes do documento. []"_s,
                               u"Act_ZoomOut Afastar Visualização permitindo melhor todo documento. [Alt+R]"_s,
                               u"|"_s,
                               u"Act_Salvar Salva Relatório em Formato PDF. [Ctrl+S]"_s,
                               u"Act_Imprimir Envia as informações do relatório para a impressora selecionada. "
                               u"[Ctrl+P]"_s}));
        QCOMPARE(janela.Act_ZoomIn->text(), u"Mais Zoom"_s);
        QCOMPARE(janela.Act_ZoomOut->text(), u"Menos Zoom"_s);
        QCOMPARE(janela.Act_Salvar->text(), u"Salvar"_s);
    }

    void legenda_data()
    {
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<QString>("painel");
        QTest::newRow("one page") << u"Lista de Destinos"_s << 2
                                  << u"Paineis Eletrônicos Dorvik [Lista de Destinos] - 1 página"_s
                                  << u"Página 1 de 1"_s;
        QTest::newRow("three pages") << u"Lista de Destinos"_s << 60
                                     << u"Paineis Eletrônicos Dorvik [Lista de Destinos] - 3 páginas"_s
                                     << u"Página 1 de 3"_s;
        QTest::newRow("no report title") << QString() << 2 << u"Paineis Eletrônicos Dorvik - 1 página"_s
                                         << u"Página 1 de 1"_s;
    }
    // After the pages arrive: the caption, page 1 at 100 %, "Concluído", an empty progress bar.
    void legenda()
    {
        QFETCH(QString, titulo);
        QFETCH(int, linhas);
        QFETCH(QString, legenda);
        QFETCH(QString, painel);
        TFrm_PreviewQuickReport janela(paginas(linhas), titulo);
        QCOMPARE(janela.windowTitle(), legenda);
        QCOMPARE(janela.PaginaAtual(), 1);
        QCOMPARE(janela.Zoom(), 100);
        QCOMPARE(janela.QRPreview1->zoomFactor(), 1.0);
        QCOMPARE(janela.TextoDoPainel(0), u"Concluído"_s);
        QCOMPARE(janela.TextoDoPainel(1), painel);
        QCOMPARE(janela.ProgressBar->value(), -1);
        QVERIFY(!janela.Act_Anterior->isEnabled());
        QCOMPARE(janela.Act_Proximo->isEnabled(), linhas > 24);
    }

    void estados()
    {
        using E = TFrm_PreviewQuickReport::TEstado;
        QCOMPARE((QStringList{TFrm_PreviewQuickReport::TextoDoEstado(E::Pronto),
                              TFrm_PreviewQuickReport::TextoDoEstado(E::Ocupado),
                              TFrm_PreviewQuickReport::TextoDoEstado(E::Concluido)}),
                 (QStringList{u"Pronto"_s, u"Ocupado"_s, u"Concluído"_s}));
    }

    // PgDn, PgUp, Home and End over three pages, with the page commands following.
    void paginacao()
    {
        TFrm_PreviewQuickReport janela(paginas(60), u"Lista de Destinos"_s);
        QVERIFY(mostrar(janela));
        const auto estado = [&] {
            return u"%1 %2%3 %4"_s.arg(janela.PaginaAtual())
                .arg(janela.Act_Anterior->isEnabled() ? u"<"_s : u"-"_s)
                .arg(janela.Act_Proximo->isEnabled() ? u">"_s : u"-"_s)
                .arg(janela.TextoDoPainel(1));
        };
        QCOMPARE(estado(), u"1 -> Página 1 de 3"_s);
        // The view starts at the top of page 1.
        QScrollBar *vertical = barra(janela, Qt::Vertical);
        QVERIFY(vertical->maximum() > 0);
        QCOMPARE(vertical->value(), vertical->minimum());
        tecla(janela, Qt::Key_PageDown);
        QCOMPARE(estado(), u"2 <> Página 2 de 3"_s);
        tecla(janela, Qt::Key_PageDown);
        QCOMPARE(estado(), u"3 <- Página 3 de 3"_s);
        tecla(janela, Qt::Key_PageDown);
        QCOMPARE(estado(), u"3 <- Página 3 de 3"_s);
        tecla(janela, Qt::Key_Home);
        QCOMPARE(estado(), u"1 -> Página 1 de 3"_s);
        tecla(janela, Qt::Key_PageUp);
        QCOMPARE(estado(), u"1 -> Página 1 de 3"_s);
        tecla(janela, Qt::Key_End);
        QCOMPARE(estado(), u"3 <- Página 3 de 3"_s);
        tecla(janela, Qt::Key_PageUp);
        QCOMPARE(estado(), u"2 <> Página 2 de 3"_s);
    }

    // Out from 100 % in steps of 10 down to 10 %, no further; in up to the view's 2000 %.
    void zoom()
    {
        TFrm_PreviewQuickReport janela(paginas(2), u"Lista de Destinos"_s);
        QVERIFY(mostrar(janela));
        for (int i = 0; i < 8; ++i)
            tecla(janela, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(janela.Zoom(), 20);
        tecla(janela, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(janela.Zoom(), 10);
        QCOMPARE(janela.QRPreview1->zoomFactor(), 0.1);
        tecla(janela, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(janela.Zoom(), 10);
        tecla(janela, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(janela.Zoom(), 20);
        for (int i = 0; i < 198; ++i)
            janela.Act_ZoomIn->trigger();
        QCOMPARE(janela.Zoom(), 2000);
        janela.Act_ZoomIn->trigger();
        QCOMPARE(janela.Zoom(), 2000);
        QCOMPARE(janela.QRPreview1->zoomFactor(), 20.0);
    }

    void passoRolagem_data()
    {
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<int>("passo");
        QTest::newRow("1250") << 0 << 1250 << 125;
        QTest::newRow("a half rounds up") << 0 << 1255 << 126;
        QTest::newRow("from 100") << 100 << 1350 << 125;
        QTest::newRow("small range") << 0 << 4 << 0;
    }
    void passoRolagem()
    {
        QFETCH(int, minimo);
        QFETCH(int, maximo);
        QFETCH(int, passo);
        QScrollBar barra;
        barra.setRange(minimo, maximo);
        QCOMPARE(TFrm_PreviewQuickReport::PassoRolagem(barra), passo);
    }

    // Alt+arrows move the view's scroll bars by a tenth of their range.
    void rolagem()
    {
        TFrm_PreviewQuickReport janela(paginas(60), u"Lista de Destinos"_s);
        QVERIFY(mostrar(janela));
        for (int i = 0; i < 10; ++i)
            janela.Act_ZoomIn->trigger(); // 200 %: both bars have a range
        QScrollBar *vertical = barra(janela, Qt::Vertical);
        QScrollBar *horizontal = barra(janela, Qt::Horizontal);
        QVERIFY(vertical->maximum() > 100 && horizontal->maximum() > 100);
        vertical->setValue(0);
        horizontal->setValue(0);
        const int passoV = qRound((vertical->maximum() - vertical->minimum()) / 10.0);
        const int passoH = qRound((horizontal->maximum() - horizontal->minimum()) / 10.0);
        tecla(janela, Qt::Key_Down, Qt::AltModifier);
        tecla(janela, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(vertical->value(), 2 * passoV);
        tecla(janela, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(vertical->value(), passoV);
        tecla(janela, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(horizontal->value(), passoH);
        tecla(janela, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(horizontal->value(), 0);
        QCOMPARE(vertical->value(), passoV);
    }

    void esc()
    {
        TFrm_PreviewQuickReport janela(paginas(2), u"Lista de Destinos"_s);
        QVERIFY(mostrar(janela));
        tecla(janela, Qt::Key_Escape);
        QVERIFY(!janela.isVisible());
    }

    void salvar_data()
    {
        QTest::addColumn<QString>("escolhido");
        QTest::addColumn<bool>("gravado");
        QTest::addColumn<QString>("erro");
        QTest::newRow("saved") << u"salvo.PDF"_s << true << QString();
        QTest::newRow("cancelled") << QString() << false << QString();
        QTest::newRow("missing folder") << u"falta/salvo.PDF"_s << false
                                        << u"ATENÇÃO:\r\nNão foi possível gravar o arquivo \"%1\": o arquivo ou a "
                                           u"pasta não existe."_s;
    }
    // Ctrl+S: the dialog "Salvando Relatório" proposes "<title>.PDF"; the
    // chosen file gets every page; a failure is shown in the error box.
    void salvar()
    {
        QFETCH(QString, escolhido);
        QFETCH(bool, gravado);
        QFETCH(QString, erro);
        const QString arquivo = escolhido.isEmpty() ? QString() : pasta.filePath(escolhido);
        QStringList pedido;
        TFrm_PreviewQuickReport::EscolherArquivo = [&](QWidget *, const QString &titulo, const QString &nome,
                                                       const QString &filtro) {
            pedido << titulo << nome << filtro;
            return arquivo;
        };
        QStringList mensagens;
        TMensagem::DefinirRespondedor([&](const TPedidoMensagem &m) {
            mensagens << m.Texto;
            return TMensagem::mrOk;
        });
        TFrm_PreviewQuickReport janela(paginas(60), u"Lista de Destinos"_s);
        QList<int> progresso;
        connect(janela.ProgressBar, &QProgressBar::valueChanged, this, [&](int v) { progresso << v; });
        QVERIFY(mostrar(janela));
        tecla(janela, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(pedido, (QStringList{u"Salvando Relatório"_s, u"Lista de Destinos.PDF"_s,
                                      u"Arquivo PDF (*.pdf *.PDF)"_s}));
        QCOMPARE(mensagens, erro.isEmpty() ? QStringList() : QStringList{erro.arg(arquivo)});
        QCOMPARE(QFile::exists(pasta.filePath(u"salvo.PDF"_s)), gravado);
        QCOMPARE(janela.TextoDoPainel(0), u"Concluído"_s);
        QCOMPARE(janela.ProgressBar->value(), -1);
        if (!gravado)
            return;
        QCOMPARE(progresso, (QList<int>{33, 66})); // and emptied at 100, above
        const QStringList texto = PaginasDoPdf(arquivo);
        QCOMPARE(texto.size(), 3);
        QVERIFY2(texto[2].contains(u"Página: 003/003"_s), qPrintable(texto[2]));
    }

    // Ctrl+P: cancelling the print dialog prints nothing and a later Ctrl+P asks
    // again; a page range prints those pages.
    void imprimir()
    {
        const QString saida = pasta.filePath(u"impresso.pdf"_s);
        int vezes = 0;
        TFrm_PreviewQuickReport::ConfigurarImpressao = [&](QPrinter &impressora, int quantas, QWidget *) {
            ++vezes;
            if (quantas != 3)
                return false;
            impressora.setOutputFormat(QPrinter::PdfFormat);
            impressora.setOutputFileName(saida);
            impressora.setPrintRange(QPrinter::PageRange);
            impressora.setFromTo(2, 3);
            return vezes > 1;
        };
        TFrm_PreviewQuickReport janela(paginas(60), u"Lista de Destinos"_s);
        QVERIFY(mostrar(janela));
        tecla(janela, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(vezes, 1);
        QVERIFY(!QFile::exists(saida));
        tecla(janela, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(vezes, 2);
        const QStringList texto = PaginasDoPdf(saida);
        QCOMPARE(texto.size(), 2);
        QVERIFY2(texto[0].contains(u"Página: 002/003 "_s) || texto[0].endsWith(u"Página: 002/003"_s),
                 qPrintable(texto[0]));
        QVERIFY2(texto[1].contains(u"Página: 003/003"_s), qPrintable(texto[1]));
    }

    // The print command's entry point: nothing for an empty table; otherwise
    // the listing of the table as it stands, in a window that has closed on return.
    void imprimirListagem()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        d.DefinirFiltroExtra(true);
        int mostradas = 0;
        QStringList texto;
        TFrm_PreviewQuickReport::ExibirModal = [&](TFrm_PreviewQuickReport &janela) {
            ++mostradas;
            QCOMPARE(janela.windowTitle(), u"Paineis Eletrônicos Dorvik [Lista de Destinos] - 1 página"_s);
            const QString arquivo = pasta.filePath(u"listagem.pdf"_s);
            janela.ExportarPDF(arquivo);
            texto = PaginasDoPdf(arquivo);
        };
        QVERIFY(!ImprimirListagem(true, true, true, true, d, u"Dorvik  System [ NOVO ]"_s,
                                  u"Nº Extra"_s));
        QCOMPARE(mostradas, 0);

        Gravar(d, {u"1/1"_s, u"3/1"_s, u"1/2"_s});
        QVERIFY(ImprimirListagem(true, false, true, false, d, u"Dorvik  System [ NOVO ]"_s,
                                 u"Nº Extra"_s));
        QCOMPARE(mostradas, 1);
        QCOMPARE(texto.size(), 1);
        for (const QString &esperado : {u"Dorvik System [ NOVO ]"_s, u"Nº Extra Frontal Traseiro"_s,
                                        u"1 P1N1 P3N1"_s, u"2 P1N2"_s, u"Página: 001/001"_s})
            QVERIFY2(texto[0].contains(esperado), qPrintable(esperado + u" | "_s + texto[0]));
        QVERIFY2(!texto[0].contains(u"Lateral"_s), qPrintable(texto[0]));
    }
};

QTEST_MAIN(TestePreviewQuickReport)
#include "tst_previewquickreport.moc"
