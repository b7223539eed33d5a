#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QApplication>
#include <QtTest>

#include "app/projeto_fixture.h"
#include "data/ui/UFmeDestinos.h"
#include "data/ui/URotuloDelegado.h"
#include "output/saida_fixture.h"

using namespace Qt::StringLiterals;

// The destination list: its state at creation, the kind shown, its events, columns and label drawing.
class TesteFmeDestinos : public QObject {
    Q_OBJECT

    struct TLista {
        QWidget janela;
        TFme_Destinos *lista = new TFme_Destinos(&janela);
        QStringList eventos;
        TLista()
        {
            janela.resize(900, 220);
            lista->resize(900, 220);
            const auto registrar = [this](const QString &nome) { return [this, nome] { eventos << nome; }; };
            lista->AoSalvarDestino = registrar(u"salvar"_s);
            lista->AposSalvarDestino = registrar(u"apos"_s);
            lista->AoRemoverDestino = registrar(u"remover"_s);
            lista->AoAbrirDestino = registrar(u"abrir"_s);
            lista->AoInserirDestinoAqui = registrar(u"aqui"_s);
            lista->AoInserirDestinoNoFinal = registrar(u"final"_s);
            lista->AoHorarioSaida = registrar(u"horario"_s);
            lista->AoMudarModo = registrar(u"modo"_s);
            lista->HabilitarControles();
            lista->ReabrirTabelas({});
            janela.show();
            janela.activateWindow();
            if (!QTest::qWaitForWindowActive(&janela))
                qFatal("the window did not become active");
        }
    };

    // The colour of the rightmost text pixel of a colour found in the image.
    static bool temCor(const QImage &imagem, const QColor &cor, int deX, int ateX)
    {
        for (int x = deX; x < ateX; ++x)
            for (int y = 0; y < imagem.height(); ++y)
                if (imagem.pixelColor(x, y) == cor)
                    return true;
        return false;
    }

private slots:
    void criadoDesativado()
    {
        TFme_Destinos lista;
        QVERIFY(!lista.Btn_SalvarDestino->isEnabled());
        QVERIFY(!lista.Btn_RemoveDestino->isEnabled());
        QVERIFY(!lista.Btn_TextoDestino->isEnabled());
        QVERIFY(!lista.Btn_TextoExtra->isEnabled());
        QVERIFY(!lista.Btn_HorarioSaida->isEnabled());
        QVERIFY(!lista.Dbg_DestinosExtras->isEnabled());
        QVERIFY(!lista.Dados().Cds_DestinosExtras.Ativa());
        QVERIFY(!lista.Dados().Cds_Rotulos.Ativa());
        QVERIFY(lista.SemDestinos() && lista.SemRotulos());
        QVERIFY(!lista.ModoExtra);
        QVERIFY(lista.Btn_TextoDestino->isChecked());
        QCOMPARE(lista.Btn_RemoveDestino->text(), u"Remover Destino"_s);
        QCOMPARE(lista.Act_SalvarDestino->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(lista.Act_RemoveDestino->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
        QStringList itens;
        for (QAction *a : lista.PopupMenu1->actions())
            itens << (a->isSeparator() ? u"-"_s : a->text() + (a->icon().isNull() ? u" (sem imagem)"_s : QString()));
        QCOMPARE(itens, (QStringList{u"Inserir novo Destino aqui"_s, u"Excluir este Destino"_s,
                                     u"Inserir novo Destino no Final"_s, u"Exportar Imagem do Destino..."_s, u"-"_s,
                                     u"Importar Lista de Destinos... (sem imagem)"_s}));
    }

    // Extras: other captions, another first column title, the clock button; back again.
    void trocarTipo()
    {
        TLista t;
        const auto titulo = [&] {
            return t.lista->Dbg_DestinosExtras->model()->headerData(0, Qt::Horizontal).toString();
        };
        QCOMPARE(titulo(), u"Nº Destino"_s);
        QTest::mouseClick(t.lista->Btn_TextoExtra, Qt::LeftButton);
        QVERIFY(t.lista->ModoExtra);
        QVERIFY(t.lista->Dados().FiltroExtra());
        QCOMPARE(t.eventos, QStringList{u"modo"_s});
        QCOMPARE(t.lista->Btn_SalvarDestino->text(), u"Salvar Extra"_s);
        QCOMPARE(t.lista->Btn_RemoveDestino->text(), u"Remover Extra"_s);
        QCOMPARE(titulo(), u"Nº Extra"_s);
        QVERIFY(t.lista->Btn_HorarioSaida->isEnabled());
        QVERIFY(t.lista->Btn_TextoExtra->isChecked());
        QTest::mouseClick(t.lista->Btn_HorarioSaida, Qt::LeftButton);
        QCOMPARE(t.eventos.last(), u"horario"_s);

        QTest::mouseClick(t.lista->Btn_TextoDestino, Qt::LeftButton);
        QVERIFY(!t.lista->ModoExtra);
        QCOMPARE(t.lista->Btn_SalvarDestino->text(), u"Salvar Destino"_s);
        QCOMPARE(t.lista->Btn_RemoveDestino->text(), u"Remover Destino"_s);
        QCOMPARE(titulo(), u"Nº Destino"_s);
        QVERIFY(!t.lista->Btn_HorarioSaida->isEnabled());
    }

    // Buttons, keys, double click and the menu raise their events.
    void eventos()
    {
        TLista t;
        t.lista->Dbg_DestinosExtras->setFocus();
        QTest::keyClick(t.lista->Dbg_DestinosExtras, Qt::Key_F2);
        QCOMPARE(t.eventos, (QStringList{u"salvar"_s, u"apos"_s}));
        QTest::keyClick(t.lista->Dbg_DestinosExtras, Qt::Key_F2, Qt::ControlModifier);
        QTest::mouseClick(t.lista->Btn_RemoveDestino, Qt::LeftButton);
        QTest::mouseClick(t.lista->Btn_SalvarDestino, Qt::LeftButton);
        QCOMPARE(t.eventos.mid(2), (QStringList{u"remover"_s, u"remover"_s, u"salvar"_s, u"apos"_s}));
        t.eventos.clear();
        t.lista->InserirNovoDestinoAqui1->trigger();
        t.lista->ExcluiresteDestino1->trigger();
        t.lista->AbrirnovoDestinonoFinal1->trigger();
        QCOMPARE(t.lista->Dbg_DestinosExtras->model()->rowCount(), 1);
        const QRect linha = t.lista->Dbg_DestinosExtras->visualRect(t.lista->Dbg_DestinosExtras->model()->index(0, 0));
        QVERIFY(linha.isValid());
        // The operator's double click: a press and release, then the double click.
        QTest::mouseClick(t.lista->Dbg_DestinosExtras->viewport(), Qt::LeftButton, {}, linha.center());
        QTest::mouseDClick(t.lista->Dbg_DestinosExtras->viewport(), Qt::LeftButton, {}, linha.center());
        QCOMPARE(t.eventos, (QStringList{u"aqui"_s, u"remover"_s, u"final"_s, u"abrir"_s}));

        // Desativar: no save or remove handler, every control off, the tables closed.
        t.lista->Desativar();
        QVERIFY(!t.lista->AposSalvarDestino && !t.lista->AoRemoverDestino);
        QVERIFY(!t.lista->Btn_SalvarDestino->isEnabled() && !t.lista->Dbg_DestinosExtras->isEnabled());
        QVERIFY(t.lista->SemRotulos());
    }

    // "Exportar Imagem do Destino..." acts on the line the menu was opened on,
    // not on the current one; below the last line it is disabled.
    void exportarImagemDaLinha_data()
    {
        QTest::addColumn<int>("linha");
        QTest::addColumn<QList<int>>("numeros");
        QTest::newRow("the last line, the first one current") << 2 << QList<int>{5};
        QTest::newRow("the second line") << 1 << QList<int>{3};
        QTest::newRow("below the lines") << -1 << QList<int>{};
    }
    void exportarImagemDaLinha()
    {
        QFETCH(int, linha);
        QFETCH(QList<int>, numeros);
        TLista t;
        QList<int> pedidos;
        t.lista->AoExportarImagem = [&pedidos](int numero) { pedidos << numero; };
        // Lines 1 (the new project's), 3 and 5.
        for (int numero : {3, 5})
            GravarLinha(t.lista->Dados(), Linha(1, numero, Fixture::Conteudo(8, 80, {QPoint(1, 1)})));
        QTableView *grade = t.lista->Dbg_DestinosExtras;
        QCOMPARE(grade->model()->rowCount(), 3);
        grade->setCurrentIndex(grade->model()->index(0, 0));
        const QRect ultima = grade->visualRect(grade->model()->index(2, 0));
        const QPoint ponto = linha < 0 ? QPoint(ultima.center().x(), ultima.bottom() + 20)
                                       : grade->visualRect(grade->model()->index(linha, 0)).center();
        QContextMenuEvent evento(QContextMenuEvent::Mouse, ponto, grade->viewport()->mapToGlobal(ponto));
        QApplication::sendEvent(grade->viewport(), &evento);
        QVERIFY(t.lista->PopupMenu1->isVisible());
        QCOMPARE(t.lista->ExportarImagemDestino1->isEnabled(), linha >= 0);
        t.lista->ExportarImagemDestino1->trigger();
        t.lista->PopupMenu1->close();
        QCOMPARE(pedidos, numeros);
    }

    // One label column per fitted sign. The columns fill the grid's width, in
    // the proportions given, and follow it; the number column is as wide as
    // given or as its title ("Nº Destino" whole).
    void colunas()
    {
        TLista t;
        t.lista->resize(860, 300);
        t.lista->RemoverColunasRotulos();
        t.lista->DefinirLarguraColunaNumero(55);
        for (const auto &[posicao, largura] : {std::pair{1, 468}, std::pair{2, 268}, std::pair{3, 268}})
            t.lista->AdicionarColunaRotulo(posicao, largura);
        QTableView *grade = t.lista->Dbg_DestinosExtras;
        QHeaderView *h = grade->horizontalHeader();
        const QAbstractItemModel *m = grade->model();
        QCOMPARE(m->columnCount(), 4);
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), u"Lateral"_s);
        for (int largura : {860, 1300, 600}) {
            t.lista->resize(largura, 300);
            QApplication::processEvents();
            const int numero = h->sectionSize(0);
            QCOMPARE(numero, std::max(55, h->sectionSizeHint(0)));
            QCOMPARE(h->length(), grade->viewport()->width());
            const int livre = grade->viewport()->width() - numero;
            QVERIFY(qAbs(h->sectionSize(1) - livre * 468 / 1004) <= 1);
            QVERIFY(qAbs(h->sectionSize(2) - livre * 268 / 1004) <= 1);
        }
        t.lista->DefinirModo(true);
        QVERIFY(h->sectionSize(0) >= h->sectionSizeHint(0));
    }

    // A drawn label: the first part black, the second green, to its right.
    void desenhoDoRotulo()
    {
        QImage imagem(300, 20, QImage::Format_RGB32);
        imagem.fill(Qt::white);
        QPainter p(&imagem);
        QFont fonte = p.font();
        fonte.setPixelSize(12);
        p.setFont(fonte);
        TRotuloDelegado::DesenharRotulo(p, imagem.rect(), u"AAAA||CCCC"_s);
        p.end();
        const int meio = 7 + QFontMetrics(fonte).horizontalAdvance(u"[AAAA]"_s);
        QVERIFY(temCor(imagem, Qt::black, 7, meio));
        QVERIFY(!temCor(imagem, QColor(0, 128, 0), 0, meio));
        QVERIFY(temCor(imagem, QColor(0, 128, 0), meio + 7, 300));
        QVERIFY(!temCor(imagem, Qt::black, 0, 7));
    }
};

QTEST_MAIN(TesteFmeDestinos)
#include "tst_fmedestinos.moc"
