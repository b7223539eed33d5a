#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/URecuperacao.h"
#include "app/ui/janela_fixture.h"
#include "editor/UEstadoEditor.h"
#include "editor/ui/UFmeRotativo.h"
#include "editor/ui/UFrmImportarImagem.h"
#include "editor/ui/UFrmPictogramas.h"
#include "panel/UFontes.h"
#include "panel/USom.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UMensagem.h"
#include "panel/ui/URespostasMensagem.h"

using namespace Qt::StringLiterals;

// Pictograms and pictures in the program's window, as the operator puts them
// on a sign: the header's "Figuras" and the panels' menu, the chooser with
// the keys and a double-click, the preview with its controls; one undo step
// each; what is refused, cancelled, or comes while the simulator plays.
class TesteFigurasJanela : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    int bipes = 0;

    static TEstadoEditor foto(TJanela &j)
    {
        return TEstadoEditor::Capturar(j.Editor(), *j.Editor().Fme_Rotativo);
    }
    // The lit LEDs of a panel's face, as picture rows.
    static QStringList acesas(TFlexLed &p)
    {
        QStringList linhas;
        for (int l = 1; l <= p.NroLinhas(); ++l) {
            QString linha;
            for (int c = 1; c <= p.NroColunas(); ++c) {
                const TLed *led = p.Led(l, c, false);
                linha += led && led->Acesa ? u'#' : u'.';
            }
            linhas << linha;
        }
        return linhas;
    }
    // The figure's rows as the panel shows them from column 1.
    static QStringList figura(const TGradeLeds &g, int linhas, int colunas, int topo)
    {
        QStringList esperado;
        for (int l = 1; l <= linhas; ++l) {
            QString linha;
            for (int c = 1; c <= colunas; ++c)
                linha += g.Aceso(l - topo + 1, c) ? u'#' : u'.';
            esperado << linha;
        }
        return esperado;
    }
    // The panel's menu opened with the right button and an item clicked.
    static void itemDoMenu(TJanela &j, int posicao, const QString &texto)
    {
        QTest::mousePress(&j.Painel(posicao), Qt::RightButton, {}, QPoint(10, 10));
        QMenu *menu = j.Editor().PopupMenu1;
        QTRY_VERIFY(menu->isVisible());
        QAction *item = nullptr;
        for (QAction *a : menu->actions())
            if (a->text() == texto)
                item = a;
        QVERIFY(item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    static QWidget *teclado(TJanela &j) { return j.Editor().FlexAtivo()->CapturaDeTeclas(); }
    static void desfazer(TJanela &j) { j.Tecla(Qt::Key_Z, Qt::ControlModifier); }
    static QString aviso(TJanela &j) { return j.janela.PainelStatus[1]->text(); }

    QString imagem(const QString &nome)
    {
        QImage i(60, 30, QImage::Format_RGB32);
        i.fill(Qt::white);
        for (int x = 0; x < 60; ++x)
            for (int y = 0; y < 30; ++y)
                if ((x / 10 + y / 10) % 2 == 0)
                    i.setPixel(x, y, qRgb(90, 90, 90)); // a grey a low threshold leaves dark
        const QString caminho = pasta.filePath(nome);
        if (!i.save(caminho))
            qFatal("cannot write the picture");
        return caminho;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TRecuperacao::DefinirPasta(pasta.filePath(u"recuperacao"_s));
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        TSom::DefinirBipe([this] { ++bipes; });
    }
    void init() { bipes = 0; }
    void cleanupTestCase()
    {
        TSom::DefinirBipe({});
        TFontesLed::DefinirArquivoDeFontes({});
    }

    // "Pictograma..." in the header, the third pictogram chosen with the arrow
    // keys and Enter, drawn at the cursor of the 13-row front sign, text after
    // it; Ctrl+Z takes the whole of it back, and the keyboard is the panel's.
    void pictogramaPeloCabecalho()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 1});
        TFlexLed &frente = j.Painel(1);
        QCOMPARE(frente.NroLinhas(), 13);
        j.Digitar(1, u"AB"_s);
        QTest::keyClick(teclado(j), Qt::Key_Home);
        const TEstadoEditor antes = foto(j);
        TRespostasDialogos d;
        int altura = 0;
        d.ResponderJanela([&](QDialog &janela) {
            auto &escolha = static_cast<TFrm_Pictogramas &>(janela);
            escolha.show();
            altura = escolha.Lbl_Altura->text().contains(u"13"_s) ? 13 : 0;
            QTest::keyClick(escolha.Lst_Pictogramas, Qt::Key_Right);
            QTest::keyClick(escolha.Lst_Pictogramas, Qt::Key_Right);
            QTest::keyClick(escolha.Lst_Pictogramas, Qt::Key_Return);
            return escolha.result();
        });
        QTest::mouseClick(j.Editor().Btn_Pictograma, Qt::LeftButton);
        QCOMPARE(d.Janelas(), QStringList{TMensagem::TituloAplicacao() + u" - Inserir Pictograma"_s});
        QCOMPARE(altura, 13);
        const TGradeLeds &seta = Pictogramas::Grade(TPictograma::SetaDireita, 13);
        const QStringList vistas = acesas(frente);
        for (int l = 0; l < 13; ++l)
            QCOMPARE(vistas[l].left(seta.Colunas() + 1), figura(seta, 13, seta.Colunas() + 1, 1)[l]);
        QCOMPARE(frente.ColunaCursor(), seta.Colunas() + 2);
        QCOMPARE(frente.Rotulo(), u"AB"_s);
        QCOMPARE(frente.TextoDigitado().front()->Coluna, seta.Colunas() + 2);
        QCOMPARE(QApplication::focusWidget(), teclado(j));
        QCOMPARE(j.janela.Btn_Desfazer->toolTip(), u"Desfazer Inserir Pictograma (Ctrl+Z)"_s);

        QTest::keyClicks(teclado(j), u"C"_s); // typing goes on after the figure, its own step
        QCOMPARE(frente.Rotulo(), u"CAB"_s);
        desfazer(j);
        desfazer(j);
        QVERIFY(foto(j) == antes);
    }

    // The panel's menu, a double-click on "Hospital", on the 8-row side sign.
    void pictogramaPeloMenu()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 1});
        QTest::mouseClick(&j.Painel(2), Qt::LeftButton, {}, QPoint(2, 2));
        const TEstadoEditor antes = foto(j);
        TRespostasDialogos d;
        d.ResponderJanela([&](QDialog &janela) {
            auto &escolha = static_cast<TFrm_Pictogramas &>(janela);
            escolha.show();
            QListWidget *lista = escolha.Lst_Pictogramas;
            const QList<QListWidgetItem *> itens = lista->findItems(u"Hospital"_s, Qt::MatchExactly);
            if (itens.size() != 1)
                return int(QDialog::Rejected);
            const QPoint centro = lista->visualItemRect(itens.front()).center();
            QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centro);
            return escolha.result();
        });
        itemDoMenu(j, 2, u"Inserir Pictograma..."_s);
        QCOMPARE(d.Janelas().size(), 1);
        const TGradeLeds &cruz = Pictogramas::Grade(TPictograma::Hospital, 8);
        QCOMPARE(acesas(j.Painel(2)), figura(cruz, 8, 80, 1));
        QCOMPARE(j.janela.Btn_Desfazer->toolTip(), u"Desfazer Inserir Pictograma (Ctrl+Z)"_s);
        desfazer(j);
        QVERIFY(foto(j) == antes);
    }

    // "Importar Imagem..." from the menu: the file, then the preview with the
    // threshold moved down with the keys (the grey squares are no longer ink:
    // nothing lit) and Inverter ticked (everything lit), "Importar"; the LEDs
    // the preview showed are the panel's; one undo step.
    void imagemPeloMenu()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 1});
        QTest::mouseClick(&j.Painel(3), Qt::LeftButton, {}, QPoint(2, 2)); // 13 x 32
        const TEstadoEditor antes = foto(j);
        TRespostasDialogos d;
        d.ResponderArquivo(imagem(u"xadrez.png"_s));
        TGradeLeds mostrada;
        QString tamanho;
        d.ResponderJanela([&](QDialog &janela) {
            auto &previa = static_cast<TFrm_ImportarImagem &>(janela);
            previa.show();
            const QString xadrez = linhasAcesas(previa.Resultado());
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(previa.Sld_Limiar, Qt::Key_PageDown); // 128 - 3 x 16
            const QString apagada = linhasAcesas(previa.Resultado());
            QTest::mouseClick(previa.Chk_Inverter, Qt::LeftButton, {}, QPoint(4, previa.Chk_Inverter->height() / 2));
            if (previa.Lbl_Limiar->text() != u"80"_s || !previa.Chk_Inverter->isChecked() || !xadrez.contains(u'#')
                || !xadrez.contains(u'.') || apagada.contains(u'#') || linhasAcesas(previa.Resultado()).contains(u'.'))
                return int(QDialog::Rejected);
            mostrada = previa.Resultado();
            tamanho = previa.Lbl_Tamanho->text();
            QTest::mouseClick(previa.Btn_Importar, Qt::LeftButton);
            return previa.result();
        });
        itemDoMenu(j, 3, u"Importar Imagem..."_s);
        QCOMPARE(d.Pedidos().size(), 1);
        QCOMPARE(d.Pedidos().front().Titulo, u"Importar Imagem..."_s);
        QCOMPARE(tamanho, u"26 colunas x 13 linhas de LEDs"_s);
        QCOMPARE(mostrada.Colunas(), 26);
        QCOMPARE(acesas(j.Painel(3)), figura(mostrada, 13, 32, 1));
        QCOMPARE(j.Painel(3).ColunaCursor(), 28);
        QCOMPARE(j.janela.Btn_Desfazer->toolTip(), u"Desfazer Importar Imagem (Ctrl+Z)"_s);
        desfazer(j);
        QVERIFY(foto(j) == antes);
    }

    // Cancelled at each window: nothing changes and no step is recorded.
    void cancelar()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 1});
        j.Digitar(1, u"X"_s);
        QTest::keyClick(teclado(j), Qt::Key_Left);
        const TEstadoEditor antes = foto(j);
        const QString dica = j.janela.Btn_Desfazer->toolTip();
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &janela) {
            janela.show();
            QTest::keyClick(&janela, Qt::Key_Escape);
            return janela.result();
        });
        QTest::mouseClick(j.Editor().Btn_Pictograma, Qt::LeftButton);
        d.ResponderArquivo({});
        QTest::mouseClick(j.Editor().Btn_Imagem, Qt::LeftButton);
        d.ResponderArquivo(imagem(u"cancelada.png"_s));
        d.ResponderJanela([](QDialog &janela) {
            auto &previa = static_cast<TFrm_ImportarImagem &>(janela);
            previa.show();
            QTest::mouseClick(previa.Btn_Cancelar, Qt::LeftButton);
            return previa.result();
        });
        QTest::mouseClick(j.Editor().Btn_Imagem, Qt::LeftButton);
        QCOMPARE(d.Restantes(), 0);
        QCOMPARE(d.Inesperados(), 0);
        QVERIFY(foto(j) == antes);
        QCOMPARE(j.janela.Btn_Desfazer->toolTip(), dica);
        QCOMPARE(QApplication::focusWidget(), teclado(j));
    }

    // A figure that does not fit a sign that does not scroll: a beep and the
    // reason in the status bar; a sign without rows for the smallest
    // pictogram says so before any window opens.
    void recusas()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 1});
        j.Digitar(2, u"ABCDEFGH"_s); // 64 of the side sign's 80 columns
        QTest::keyClick(teclado(j), Qt::Key_Home);
        const TEstadoEditor antes = foto(j);
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &janela) {
            auto &escolha = static_cast<TFrm_Pictogramas &>(janela);
            escolha.Escolher(TPictograma::Estadio);
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(j.Editor().Btn_Pictograma, Qt::LeftButton);
        QCOMPARE(bipes, 1);
        QCOMPARE(aviso(j), u"O pictograma não cabe no painel Lateral: ligue a rolagem ou apague parte da linha"_s);
        QVERIFY(foto(j) == antes);

        // The 8-row side sign with a 5-row font: the second line starts on row 7.
        QTest::keyClick(teclado(j), Qt::Key_End);
        j.Editor().Fme_Fontes->DefinirFonte(TTipoFonte::tfVeltronix5x5);
        QTest::keyClick(teclado(j), Qt::Key_Return);
        QCOMPARE(j.Painel(2).LinhaCursor(), 7);
        QTest::mouseClick(j.Editor().Btn_Pictograma, Qt::LeftButton);
        QCOMPARE(bipes, 2);
        QCOMPARE(aviso(j), u"O pictograma não cabe no painel Lateral: precisa de 8 linhas a partir do cursor e há 2"_s);
        QCOMPARE(d.Janelas().size(), 1); // the chooser did not open
    }

    // A damaged file: its message in the error box, nothing changed.
    void arquivoDanificado()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 1});
        QTest::mouseClick(&j.Painel(1), Qt::LeftButton, {}, QPoint(2, 2));
        const TEstadoEditor antes = foto(j);
        const QString caminho = pasta.filePath(u"danificado.png"_s);
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x89PNG\r\n\x1a\n-- cortado");
        f.close();
        TRespostasDialogos d;
        d.ResponderArquivo(caminho);
        TRespostasMensagem respostas({TMensagem::mrOk});
        QTest::mouseClick(j.Editor().Btn_Imagem, Qt::LeftButton);
        QCOMPARE(respostas.Pedidos().size(), 1);
        QCOMPARE(respostas.Pedidos().front().Tipo, TTipoMensagem::mtError);
        QCOMPARE(respostas.Pedidos().front().Texto,
                 u"ATENÇÃO:\r\nO arquivo \"%1\" não é uma imagem PNG, JPEG, BMP ou SVG que se possa ler: está "
                 u"danificado ou é de outro tipo."_s.arg(caminho));
        QVERIFY(d.Janelas().isEmpty());
        QVERIFY(foto(j) == antes);
        QCOMPARE(QApplication::focusWidget(), teclado(j));
    }

    // While the simulator plays neither command does anything.
    void comSimulador()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 1});
        j.Digitar(1, u"CENTRO"_s);
        QTest::mouseClick(j.Editor().Btn_IniciaSimulador, Qt::LeftButton);
        QVERIFY(j.Editor().SimuladorLigado());
        TRespostasDialogos d;
        QTest::mouseClick(j.Editor().Btn_Pictograma, Qt::LeftButton);
        QTest::mouseClick(j.Editor().Btn_Imagem, Qt::LeftButton);
        QCOMPARE(d.Pedidos().size(), 0);
        QCOMPARE(d.Janelas().size(), 0);
        QTest::mouseClick(j.Editor().Btn_FinalizaSimulador, Qt::LeftButton);
        QCOMPARE(j.Painel(1).Rotulo(), u"CENTRO"_s);
    }

private:
    static QString linhasAcesas(const TGradeLeds &g)
    {
        QString texto;
        for (int l = 1; l <= g.Linhas(); ++l)
            for (int c = 1; c <= g.Colunas(); ++c)
                texto += g.Aceso(l, c) ? u'#' : u'.';
        return texto;
    }
};

QTEST_MAIN(TesteFigurasJanela)
#include "tst_figurasjanela.moc"
