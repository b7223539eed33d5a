#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>

#include "app/UImagemDestino.h"
#include "app/UPenDrive.h"
#include "app/projeto_fixture.h"
#include "app/projetos_danificados.h"
#include "app/UProjetoArquivo.h"
#include "app/URecuperacao.h"
#include "app/UVersao.h"
#include "app/UTransferencia.h"
#include "app/ui/UFrmImportarLista.h"
#include "app/ui/janela_fixture.h"
#include "app/ui/UFrmPrincipalVeltronix.h"
#include "output/UGeracaoArquivo.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmeCoresLED.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFmeRotativo.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UMensagem.h"
#include "panel/ui/URespostasDialogos.h"
#include "panel/ui/URespostasMensagem.h"
#include "print/ui/UFrmPreviewQuickReport.h"

using namespace Qt::StringLiterals;

// The program's window driven as the operator drives it: the selection, the
// keys and buttons, the list, the project commands and the pen drive transfer.
// Message boxes and dialogs are answered through their seams.
class TestePrincipal : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString titulo = u"Dorvik  System"_s;

    QString caminho(const QString &nome) const { return pasta.filePath(nome); }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TRecuperacao::DefinirPasta(caminho(u"recuperacao"_s));
        TMensagem::DefinirTituloAplicacao(titulo);
        TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // Closing the start-up selection ends the program before the window does anything.
    void fecharSelecaoTermina()
    {
        TJanela j;
        QCOMPARE(j.janela.windowTitle(), titulo);
        QVERIFY(j.janela.Btn_ImprimirProjeto->isVisible() && !j.janela.Btn_SalvarProjeto->isVisible());
        QVERIFY(!j.janela.Act_ImprimirProjeto->isEnabled() && !j.janela.Act_TransferirProjeto->isEnabled());
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &) { return int(QDialog::Rejected); });
        j.janela.Timer1Timer();
        QCOMPARE(j.terminou, 1);
        QVERIFY(!j.janela.Projeto());
        QVERIFY(!j.Lista().Btn_SalvarDestino->isEnabled());
        QVERIFY(!j.Destinos().Ativa());
        QCOMPARE(j.janela.windowTitle(), titulo);
        QVERIFY(!j.janela.Timer1->isActive());
    }

    // The blank front item: an 11 x 112 front sign in font 9; the list gets one column per sign.
    void novoProjetoPelaSelecao()
    {
        TJanela j;
        novoProjeto(j, {2, 1, 2, 0});
        QVERIFY(j.janela.Projeto());
        QCOMPARE(j.Painel(1).NroLinhas(), 11);
        QCOMPARE(j.Painel(1).NroColunas(), 112);
        QCOMPARE(int(j.Painel(1).FonteUtilizada()), 9);
        QCOMPARE(j.Painel(3).NroColunas(), 32);
        QCOMPARE(j.Editor().FlexLed(4), nullptr);
        QCOMPARE(j.janela.windowTitle(), titulo + u" [ NOVO ]"_s);
        QCOMPARE(j.janela.PainelStatus[2]->text(), u"Versão: "_s + TextoVersao() + u"     "_s);
        QCOMPARE(j.Lista().Dbg_DestinosExtras->model()->columnCount(), 4);
        QVERIFY(j.Lista().Btn_SalvarDestino->isEnabled() && j.Lista().Dbg_DestinosExtras->isEnabled());
        QCOMPARE(j.Lista().Dbg_DestinosExtras->horizontalHeader()->sectionSize(0),
                 std::max(55, j.Lista().Dbg_DestinosExtras->horizontalHeader()->sectionSizeHint(0)));
        // The four buttons from the right edge, 2 pixels apart, 40 from the edge, each at
        // least 125 wide and as wide as its caption ("Imprimir Archivo (Ctrl+P)").
        QCOMPARE(j.janela.btn_VolaraSelecao->x(), j.janela.width() - 125 - 40);
        QCOMPARE(j.janela.Btn_TransferirProjeto->x(), j.janela.btn_VolaraSelecao->x() - 127);
        QCOMPARE(j.janela.Btn_ImprimirProjeto->x(),
                 j.janela.Btn_TransferirProjeto->x() - j.janela.Btn_ImprimirProjeto->width() - 2);
        QCOMPARE(j.janela.Btn_SalvarProjeto->x(), j.janela.Btn_ImprimirProjeto->x() - 127);
        QVERIFY(j.janela.Btn_ImprimirProjeto->width() >= j.janela.Btn_ImprimirProjeto->sizeHint().width());
    }

    // Three signs: proportions 468, 268, 268 (the front 200 wider) over the
    // width the number column leaves; the columns fill the grid.
    void largurasDasColunas()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 0});
        QTableView *grade = j.Lista().Dbg_DestinosExtras;
        QHeaderView *h = grade->horizontalHeader();
        QCOMPARE(h->length(), grade->viewport()->width());
        const int livre = grade->viewport()->width() - h->sectionSize(0);
        QVERIFY(h->sectionSize(0) >= 55);
        QVERIFY(qAbs(h->sectionSize(2) - h->sectionSize(3)) <= 1);
        QVERIFY(h->sectionSize(1) > h->sectionSize(2));
        QCOMPARE(h->sectionSize(1) + h->sectionSize(2) + h->sectionSize(3), livre);
    }

    // The title follows the file: a file that was deleted shows " [ NOVO ]" again.
    void tituloDoArquivo()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        const QString arquivo = caminho(u"titulo.ar1"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, "x"));
        j.janela.Projeto()->NomeArquivo = arquivo;
        j.janela.AtualizaComandos();
        QCOMPARE(j.janela.windowTitle(), titulo + u" [ "_s + arquivo + u" ]"_s);
        QVERIFY(QFile::remove(arquivo));
        j.janela.AtualizaComandos();
        QCOMPARE(j.janela.windowTitle(), titulo + u" [ NOVO ]"_s);
        bool parou = false;
        j.janela.Act_FecharProjeto->trigger();
        Q_UNUSED(parou)
        QVERIFY(!j.janela.Projeto());
        QCOMPARE(j.janela.windowTitle(), titulo + u' ');
        QVERIFY(!j.janela.Act_SalvarProjeto->isEnabled() && j.janela.Act_VoltaraSelecao->isEnabled());
    }

    // F8 clears the active panel and its slot, never prints; Ctrl+P prints. Without a
    // project F5 to F8 and F12 do nothing.
    void teclasDoPainel()
    {
        TJanela j;
        for (Qt::Key k : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F12})
            j.Tecla(k);
        QVERIFY(!j.janela.Projeto());
        novoProjeto(j, {1, 1, 0, 0});
        j.Digitar(2, u"CENTRO"_s);
        QVERIFY(!j.Painel(2).EstaVazio());
        j.Tecla(Qt::Key_F6);
        QCOMPARE(j.Painel(2).Alinhamento(), TAlinhamento::taCenter);
        j.Tecla(Qt::Key_F12);
        QVERIFY(j.Painel(1).Regua() && j.Painel(2).Regua());
        j.Tecla(Qt::Key_F8);
        QVERIFY(j.Painel(2).EstaVazio());
        QVERIFY(j.impressoes.isEmpty());
        j.Tecla(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(j.impressoes, (QList<QList<bool>>{{true, true, false, false}}));
        QCOMPARE(j.janela.Btn_ImprimirProjeto->text(), u"Imprimir Archivo (Ctrl+P)"_s);
        QVERIFY(!j.janela.Lbl_Salvando->isVisible());
    }

    // The print command shows the listing of the list's lines in the preview, with the window's caption.
    void imprimirMostraListagem()
    {
        TJanela j(false);
        novoProjeto(j, {1, 0, 2, 0});
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        QString legenda;
        int paginas = 0;
        TFrm_PreviewQuickReport::ExibirModal = [&](TFrm_PreviewQuickReport &p) {
            legenda = p.windowTitle();
            paginas = p.QuantidadeDePaginas();
        };
        const auto restaurar = qScopeGuard([] { TFrm_PreviewQuickReport::ExibirModal = nullptr; });
        QTest::mouseClick(j.janela.Btn_ImprimirProjeto, Qt::LeftButton);
        QCOMPARE(paginas, 1);
        QVERIFY2(legenda.contains(u"Lista de Destinos"_s), qPrintable(legenda));
    }

    // "Extra": other captions, "Nº Extra", the clock button; "Destino" back.
    void trocarTipoPelaJanela()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
        QVERIFY(j.Lista().ModoExtra);
        QCOMPARE(j.Lista().Btn_SalvarDestino->text(), u"Salvar Extra"_s);
        QCOMPARE(j.Lista().Dbg_DestinosExtras->model()->headerData(0, Qt::Horizontal).toString(), u"Nº Extra"_s);
        QVERIFY(j.Lista().Btn_HorarioSaida->isEnabled());
        QTest::mouseClick(j.Lista().Btn_HorarioSaida, Qt::LeftButton);
        QCOMPARE(j.Painel(1).RelogioFonte(), j.Painel(1).FonteUtilizada());
        j.Lista().Btn_TextoDestino->setFocus();
        {
            TRespostasMensagem r({TMensagem::mrNo}); // the clock typed above is not stored
            QTest::mouseClick(j.Lista().Btn_TextoDestino, Qt::LeftButton);
            QCOMPARE(r.Pedidos().size(), 1);
        }
        QVERIFY(!j.Lista().ModoExtra);
        QCOMPARE(j.Lista().Btn_RemoveDestino->text(), u"Remover Destino"_s);
        QVERIFY(!j.Lista().Btn_HorarioSaida->isEnabled());
        QVERIFY(j.Painel(1).EstaVazio());
    }

    // The first destination of a front and side project: rows 1 and 1, a pending 2 for the front;
    // the next save turns the pending row into a stored one and adds its side row.
    void salvarDestinos()
    {
        TJanela j;
        novoProjeto(j, {1, 1, 0, 0});
        j.Digitar(1, u"CENTRO"_s);
        j.Digitar(2, u"LADO"_s);
        j.SalvarDestino();
        QCOMPARE(j.Linhas(), (QStringList{u"1/1"_s, u"1/2N"_s, u"2/1"_s}));
        QVERIFY(j.Painel(1).EstaVazio() && j.Painel(2).EstaVazio());
        QVERIFY(j.janela.Projeto()->Alterado);
        QCOMPARE(j.janela.Sincronizacao.NumeroSelecionado(), 2);
        j.Digitar(1, u"BAIRRO"_s);
        j.SalvarDestino();
        QCOMPARE(j.Linhas(), (QStringList{u"1/1"_s, u"1/2"_s, u"1/3N"_s, u"2/1"_s, u"2/2"_s}));
        // Loading 1 and saving it again rewrites number 1 and goes back to the pending line.
        j.DuploClique(0);
        QCOMPARE(j.Painel(1).Rotulo(), u"CENTRO"_s);
        QCOMPARE(j.Painel(2).Rotulo(), u"LADO"_s);
        j.Digitar(1, u"X"_s);
        j.SalvarDestino();
        QCOMPARE(j.Linhas(), (QStringList{u"1/1"_s, u"1/2"_s, u"1/3N"_s, u"2/1"_s, u"2/2"_s}));
        QCOMPARE(j.Destinos().ValorNaLinha(0, j.Destinos().IndiceDaColuna(u"ROTULO1"_s)).toString(), u"CENTROX"_s);
        QCOMPARE(j.janela.Sincronizacao.NumeroSelecionado(), 3);
    }

    // A divided destination with slots 1 and 3 stored and 2 empty: the columns written, and read back.
    void colunasGravadas()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"A"_s);
        QTest::mouseClick(j.Editor().Fme_CoresLED->btnHabilitarDivColuna, Qt::LeftButton);
        QCOMPARE(j.Painel(1).DivisaoNaColuna(), 28);
        QRadioButton *r3 = j.Editor().findChild<QRadioButton *>(u"Rbt_Rotativo3"_s);
        QTest::mouseClick(r3, Qt::LeftButton);
        QCOMPARE(j.Editor().Fme_Rotativo->RotativoAtual, quint16(3));
        j.Digitar(1, u"C"_s);
        j.SalvarDestino();
        TTabelaMemoria &t = j.Destinos();
        QVERIFY(t.Localizar(u"PAINEL;NRO_DESTINO"_s, {1, 1}));
        QCOMPARE(t.ComoInteiro(u"NRO_ROTATIVO1"_s), 1);
        QCOMPARE(t.ComoInteiro(u"NRO_ROTATIVO3"_s), 3);
        for (const QString &c : {u"NRO_ROTATIVO2"_s, u"TPO_ROTATIVO2"_s, u"SENTIDO_ROTATIVO2"_s, u"ROTULO2"_s,
                                 u"CONFIG_PAINEL2"_s, u"CONFIG_PAINEL4"_s})
            QVERIFY2(t.EstaVazio(c), qPrintable(c));
        QCOMPARE(t.ComoInteiro(u"POSXINICIAL"_s), 28);
        QCOMPARE(t.ComoInteiro(u"POSXFINAL"_s), 80);
        QCOMPARE(t.ComoInteiro(u"POSYFINAL"_s), 8);
        QCOMPARE(t.ComoInteiro(u"DIV_COLUNA"_s), 28);
        QCOMPARE(TCor(t.ComoInteiro(u"COR_DIVISAO"_s)), TCor(0x0000FF00));
        QCOMPARE(TCor(t.ComoInteiro(u"COR_PADRAO"_s)), TCor(0x0000FFFF));
        QCOMPARE(t.ComoInteiro(u"FONTE_HORARIO"_s), 0);
        QVERIFY(!t.ComoBooleano(u"NOVO"_s));

        // Loaded again: no configuration for the empty slot; empty colour columns give 0.
        t.Editar();
        for (const QString &c : {u"COR_PADRAO"_s, u"COR_DIVISAO"_s, u"DIV_COLUNA"_s})
            t.DefinirValor(c, QVariant());
        t.Gravar();
        j.DuploClique(0);
        QCOMPARE(j.Painel(1).Rotulo(), u"A"_s);
        // An LED colour equal to the background (0, black) becomes yellow: the panel never hides its LEDs.
        QCOMPARE(j.Painel(1).CorLed(), TCor(0x0000FFFF));
        QCOMPARE(j.Painel(1).CorLedNaDivisao(), TCor(0));
        QCOMPARE(j.Painel(1).DivisaoNaColuna(), 0);
        bool achou = false;
        QVERIFY(!j.Editor().Fme_Rotativo->BuscarConfiguracao(1, 2, false, achou)
                || j.Editor().Fme_Rotativo->BuscarConfiguracao(1, 2, false, achou)->Vazio);
        QVERIFY(!j.Editor().Fme_Rotativo->BuscarConfiguracao(1, 3, false, achou)->Vazio);
    }

    // Removing with an empty list marks the project changed and deletes nothing; no question.
    void removerComListaVazia()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        TRespostasMensagem r;
        j.Tecla(Qt::Key_F2, Qt::ControlModifier);
        QVERIFY(j.janela.Projeto()->Alterado);
        QVERIFY(j.Linhas().isEmpty());
        QVERIFY(r.Pedidos().isEmpty());
    }

    // Save asks for the file once (".ar1" appended) and then writes silently; no changes, no save.
    void salvarProjeto()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        TRespostasDialogos d;
        d.ResponderArquivo(caminho(u"salvo"_s));
        {
            TRespostasMensagem r({TMensagem::mrOk});
            QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
            QCOMPARE(r.Pedidos().constFirst().Texto, u"O Archivo foi salvo com sucesso!"_s);
        }
        QCOMPARE(d.Pedidos().size(), 1);
        QCOMPARE(d.Pedidos().constFirst().Titulo, u"Salvar Archivo..."_s);
        QCOMPARE(d.Pedidos().constFirst().Extensao, u"ar1"_s);
        const QString arquivo = caminho(u"salvo.ar1"_s);
        QCOMPARE(j.janela.Projeto()->NomeArquivo, arquivo);
        QVERIFY(QFile::exists(arquivo));
        QVERIFY(!j.janela.Projeto()->Alterado);
        QCOMPARE(j.janela.windowTitle(), titulo + u" [ "_s + arquivo + u" ]"_s);
        {
            TRespostasMensagem r({TMensagem::mrOk});
            QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
            QCOMPARE(r.Pedidos().constFirst().Texto, u"O Arquivo sem alterações, não é necessário salvar."_s);
        }
        j.Digitar(1, u"X"_s);
        j.SalvarDestino();
        {
            TRespostasMensagem r({TMensagem::mrOk});
            QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
        }
        QCOMPARE(d.Pedidos().size(), 1);
        QVERIFY(!j.janela.Projeto()->Alterado);
    }

    // "Exportar Imagem do Destino..." on a line of the list: the picture of that
    // number from its stored rows, the edited panels and the selected line left
    // as they were; on the pending new line, the error box.
    void exportarImagem()
    {
        TJanela j;
        novoProjeto(j, {1, 1, 0, 0});
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        j.Digitar(1, u"BAIRRO"_s);
        const int selecionado = j.janela.Sincronizacao.NumeroSelecionado();
        QTableView *v = j.Lista().Dbg_DestinosExtras;
        const auto exportar = [&](int linha) {
            const QPoint ponto = v->visualRect(v->model()->index(linha, 0)).center();
            QContextMenuEvent evento(QContextMenuEvent::Mouse, ponto, v->viewport()->mapToGlobal(ponto));
            QApplication::sendEvent(v->viewport(), &evento);
            j.Lista().ExportarImagemDestino1->trigger();
            j.Lista().PopupMenu1->close();
        };
        {
            TRespostasDialogos d;
            d.ResponderArquivo(caminho(u"destino1.png"_s));
            exportar(0);
            QCOMPARE(d.Pedidos().size(), 1);
            QCOMPARE(d.Pedidos().constFirst().Titulo, u"Exportar Imagem do Destino"_s);
            QCOMPARE(d.Pedidos().constFirst().Proposto, u"destino_1.png"_s);
        }
        TImagemDestino esperado(j.Lista().Dados(), 1);
        QCOMPARE(QImage(caminho(u"destino1.png"_s)).convertToFormat(QImage::Format_RGB32),
                 esperado.Desenhar().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(esperado.Painel(1)->Rotulo(), u"CENTRO"_s);
        QCOMPARE(j.Painel(1).Rotulo(), u"BAIRRO"_s);
        QCOMPARE(j.janela.Sincronizacao.NumeroSelecionado(), selecionado);

        TRespostasDialogos d;
        d.ResponderArquivo(caminho(u"destino2.gif"_s));
        TRespostasMensagem r({TMensagem::mrOk});
        exportar(1);
        QCOMPARE(r.Pedidos().size(), 1);
        QCOMPARE(r.Pedidos().constFirst().Texto,
                 u"ATENÇÃO:\r\nO destino 2 ainda não foi gravado: não há o que desenhar."_s);
        QVERIFY(!QFile::exists(caminho(u"destino2.gif"_s)));
    }

    // A save that fails shows the error and keeps the project marked as changed.
    void salvarFalha()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"A"_s);
        j.SalvarDestino();
        QVERIFY(QDir(pasta.path()).mkdir(u"pasta.ar1"_s));
        j.janela.Projeto()->NomeArquivo = caminho(u"pasta.ar1"_s);
        TRespostasMensagem r({TMensagem::mrOk});
        QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
        QCOMPARE(r.Pedidos().size(), 1);
        QCOMPARE(r.Pedidos().constFirst().Tipo, TTipoMensagem::mtError);
        QVERIFY2(r.Pedidos().constFirst().Texto.contains(u"é uma pasta"_s), qPrintable(r.Pedidos().constFirst().Texto));
        QVERIFY(j.janela.Projeto()->Alterado);
        QVERIFY(!j.janela.Lbl_Salvando->isVisible());
    }

    // Edited panels are not lost without a question: Cancel keeps them, No discards, Yes stores.
    void destinoEditadoPergunta()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"UM"_s);
        j.SalvarDestino();
        j.Digitar(1, u"DOIS"_s);
        j.SalvarDestino();
        j.DuploClique(0);
        QCOMPARE(j.Painel(1).Rotulo(), u"UM"_s);
        {
            // Nothing edited: no question.
            TRespostasMensagem r;
            j.DuploClique(1);
            QVERIFY(r.Pedidos().isEmpty());
            QCOMPARE(j.Painel(1).Rotulo(), u"DOIS"_s);
        }
        j.Digitar(1, u"X"_s);
        {
            TRespostasMensagem r({TMensagem::mrCancel});
            j.DuploClique(0);
            QCOMPARE(r.Pedidos().constFirst().Texto, u"Salvar o destino editado?"_s);
            QCOMPARE(j.Painel(1).Rotulo(), u"DOISX"_s);
        }
        {
            TRespostasMensagem r({TMensagem::mrYes});
            j.DuploClique(0);
            QCOMPARE(j.Painel(1).Rotulo(), u"UM"_s);
        }
        QCOMPARE(j.Destinos().ValorNaLinha(1, j.Destinos().IndiceDaColuna(u"ROTULO1"_s)).toString(), u"DOISX"_s);
        j.Digitar(1, u"Y"_s);
        {
            TRespostasMensagem r({TMensagem::mrNo});
            j.DuploClique(1);
            QCOMPARE(j.Painel(1).Rotulo(), u"DOISX"_s);
        }
        QCOMPARE(j.Destinos().ValorNaLinha(0, j.Destinos().IndiceDaColuna(u"ROTULO1"_s)).toString(), u"UM"_s);
        // Closing the project with an edited panel asks too; Cancel keeps the project open.
        j.Digitar(1, u"Z"_s);
        {
            TRespostasMensagem r({TMensagem::mrCancel});
            j.janela.Act_FecharProjeto->trigger();
            QVERIFY(j.janela.Projeto());
        }
    }

    // Opening: sizes and fonts from the rows and TIPOONIBUS; a sign chosen before "Abrir Archivo" stays fitted.
    // The bus type's font is not given to a sign it does not fit: an 8-row front types in 8x7.
    void abrirProjeto_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("linhasNoArquivo");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("fonte");
        QTest::newRow("TIPOONIBUS 1") << 1 << 0 << 13 << 10;
        QTest::newRow("TIPOONIBUS 2") << 2 << 0 << 8 << 7;
        QTest::newRow("TIPOONIBUS 3") << 3 << 0 << 8 << 7;
        QTest::newRow("TIPOONIBUS 5, 13 linhas") << 5 << 13 << 13 << 10;
        QTest::newRow("TIPOONIBUS 5, 8 linhas") << 5 << 0 << 8 << 7;
        QTest::newRow("TIPOONIBUS 3, 13 linhas") << 3 << 13 << 13 << 7;
        QTest::newRow("TIPOONIBUS 1, modelo 11x112") << 1 << 11 << 11 << 9;
    }
    void abrirProjeto()
    {
        QFETCH(int, tipo);
        QFETCH(int, linhasNoArquivo);
        QFETCH(int, linhas);
        QFETCH(int, fonte);
        // Sizes of no model: the bus type's font; a model's size: its font (11 x 112: 11x8).
        const int colunas = linhasNoArquivo == 11 ? 112 : linhasNoArquivo == 13 ? 128 : 96;
        const QString arquivo = caminho(u"tipo%1-%2.ar1"_s.arg(tipo).arg(linhasNoArquivo));
        {
            TDtm_Destino d;
            d.AbrirTabelas({});
            TTabelaMemoria &t = d.Cds_DestinosExtras;
            t.Acrescentar();
            t.DefinirValor(u"TIPOONIBUS"_s, tipo);
            t.DefinirValor(u"PAINEL"_s, 1);
            t.DefinirValor(u"NRO_DESTINO"_s, 1);
            t.DefinirValor(u"NRO_LINHAS"_s, linhasNoArquivo);
            t.DefinirValor(u"NRO_COLUNAS"_s, colunas);
            d.GravarPendente();
            QVERIFY(d.SalvarArquivo(arquivo));
        }
        TJanela j;
        TRespostasDialogos d;
        abrir(d, arquivo, {0, 1, 0, 0});
        j.janela.Timer1Timer();
        QVERIFY(j.janela.Projeto());
        QCOMPARE(j.janela.Projeto()->NomeArquivo, arquivo);
        QCOMPARE(j.Painel(1).NroLinhas(), linhas);
        QCOMPARE(j.Painel(1).NroColunas(), colunas);
        QCOMPARE(int(j.Painel(1).FonteUtilizada()), fonte);
        QVERIFY(j.Editor().FlexLed(2));
        QCOMPARE(j.Painel(2).NroColunas(), tipo == 1 ? 80 : 80);
        QVERIFY(!j.janela.Projeto()->Alterado);
        QCOMPARE(j.janela.Sincronizacao.TipoOnibusLido, tipo);
    }

    // Started with a project file: opened without the selection; a damaged one shows its error, then the selection.
    void abrirNaPartida()
    {
        const QString bom = caminho(u"partida.ar1"_s);
        {
            TDtm_Destino d;
            d.AbrirTabelas({});
            TTabelaMemoria &t = d.Cds_DestinosExtras;
            t.Acrescentar();
            t.DefinirValor(u"PAINEL"_s, 3);
            t.DefinirValor(u"NRO_DESTINO"_s, 1);
            d.GravarPendente();
            QVERIFY(d.SalvarArquivo(bom));
        }
        {
            TJanela j;
            TRespostasDialogos d;
            j.janela.AbrirNaPartida(bom);
            QVERIFY(d.Janelas().isEmpty());
            QVERIFY(j.janela.Projeto());
            QCOMPARE(j.janela.Projeto()->NomeArquivo, bom);
            QVERIFY(j.Editor().FlexLed(3) && !j.Editor().FlexLed(1));
        }
        const QString ruim = caminho(u"ruim.ar1"_s);
        QVERIFY(Fixture::GravarArquivo(ruim, "isto não é um projeto"));
        TJanela j;
        TRespostasMensagem r({TMensagem::mrOk});
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &) { return int(QDialog::Rejected); });
        j.janela.AbrirNaPartida(ruim);
        QCOMPARE(r.Pedidos().size(), 1);
        QVERIFY2(r.Pedidos().constFirst().Texto.contains(u"ruim.ar1"_s), qPrintable(r.Pedidos().constFirst().Texto));
        QCOMPARE(d.Janelas().size(), 1);
        QCOMPARE(j.terminou, 1);
    }

    // Back to selection, "Fechar Arquivo", then closing the selection: the save question first, then the end.
    void voltarFecharESair()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"A"_s);
        j.SalvarDestino();
        TRespostasMensagem r({TMensagem::mrNo});
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &escolha) {
            escolha.show();
            QTest::mouseClick(escolha.findChild<QPushButton *>(u"Btn_FecharArquivo"_s), Qt::LeftButton);
            return escolha.result();
        });
        QList<int> itens;
        d.ResponderJanela([&](QDialog &janela) {
            const TItensSelecao i = static_cast<TFrm_TipoOnibusVeltronix &>(janela).Itens();
            itens << i.Frontal << i.Lateral << i.Traseiro << i.Auxiliar;
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(j.janela.btn_VolaraSelecao, Qt::LeftButton);
        QCOMPARE(r.Pedidos().size(), 1);
        QCOMPARE(r.Pedidos().constFirst().Texto, u"Atencion:\rDeseja Salvar o Archivo Abierto?"_s);
        QCOMPARE(itens, (QList<int>{0, 0, 0, 0}));
        QCOMPARE(j.terminou, 1);
        QVERIFY(!j.janela.Projeto());
        QVERIFY(!j.Destinos().Ativa());
    }

    // Closing the window with unsaved changes: Cancel keeps it open, No closes.
    void fecharJanela()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"A"_s);
        j.SalvarDestino();
        {
            TRespostasMensagem r({TMensagem::mrCancel});
            QVERIFY(!j.janela.close());
            QCOMPARE(r.Pedidos().constFirst().Texto, u"Atenção:\rSalvar o Archivo Abierto?"_s);
        }
        TRespostasMensagem r({TMensagem::mrNo});
        QVERIFY(j.janela.close());
    }

    // The transfer is refused only when no destination is stored, whatever kind is shown.
    void transferenciaRecusada()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        TRespostasMensagem r({TMensagem::mrOk});
        QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        QCOMPARE(r.Pedidos().constFirst().Texto,
                 u"ATENCION:\rArchivo não contien destinos informados.\rA grabacion do Archivo não sera executada."_s);
        j.Digitar(1, u"A"_s);
        j.SalvarDestino();
        QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
        TRespostasMensagem nao({TMensagem::mrNo});
        QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        QCOMPARE(nao.Pedidos().constFirst().Texto, u"ATENCION:\rGrabar o Archivo no PenDrive?"_s);
        QVERIFY(j.Lista().ModoExtra);
    }

    // The list's menu imports a list after showing what it will do; the file equals the one
    // of the same texts typed on the signs and centred (F6).
    void importarLista()
    {
        TJanela digitado;
        novoProjeto(digitado, {3, 1, 0, 0});
        digitado.Digitar(1, u"CENTRO"_s);
        digitado.Tecla(Qt::Key_F6);
        digitado.Digitar(2, u"Praça"_s);
        digitado.Tecla(Qt::Key_F6);
        digitado.SalvarDestino();

        const QString lista = caminho(u"lista.csv"_s);
        QVERIFY(Fixture::GravarArquivo(lista, "numero;frontal;lateral\n1;CENTRO;Praça\n"));
        TJanela j;
        novoProjeto(j, {3, 1, 0, 0});
        TRespostasDialogos d;
        d.ResponderArquivo(lista);
        QStringList acoes;
        d.ResponderJanela([&](QDialog &janela) {
            auto &f = static_cast<TFrm_ImportarLista &>(janela);
            for (int r = 0; r < f.Tbl_Linhas->rowCount(); ++r)
                acoes << f.Tbl_Linhas->item(r, 2)->text() + u' ' + f.Tbl_Linhas->item(r, 3)->text();
            f.show();
            QTest::mouseClick(f.Btn_Importar, Qt::LeftButton);
            return f.result();
        });
        const auto antes = j.Destinos().TodasAsLinhas();
        j.Lista().ImportarLista1->trigger();
        QCOMPARE(acoes, QStringList{u"Cria CENTRO | Praça"_s});
        QVERIFY(j.janela.Projeto()->Alterado);
        QCOMPARE(j.Lista().Dbg_DestinosExtras->model()->data(j.Lista().Dbg_DestinosExtras->model()->index(0, 1))
                     .toString(),
                 u"CENTRO"_s);

        const QList<TSinalEquipado> sinais{{1, 13, 96}, {2, 8, 80}};
        TGeracaoArquivo a;
        TGeracaoArquivo b;
        TTransferencia(digitado.Lista().Dados(), sinais).Preencher(a);
        TTransferencia(j.Lista().Dados(), sinais).Preencher(b);
        QCOMPARE(b.GerarBytes(), a.GerarBytes());

        // The import is one step of the undo history.
        const auto importadas = j.Destinos().TodasAsLinhas();
        QCOMPARE(j.janela.Btn_Desfazer->toolTip(), u"Desfazer Importar Lista de Destinos (Ctrl+Z)"_s);
        j.Tecla(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(j.Destinos().TodasAsLinhas() == antes);
        QVERIFY(!j.janela.Projeto()->Alterado);
        j.Tecla(Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(j.Destinos().TodasAsLinhas() == importadas);
        QVERIFY(j.janela.Projeto()->Alterado);
    }

    // The program killed while a destination is stored and another half typed: the next start offers
    // the work back, with the original file and time, before the selection.
    void recuperacaoAposMorte()
    {
        const QString pastaFilho = caminho(u"filho"_s);
        QDir().mkpath(pastaFilho);
        QProcess filho;
        filho.start(QCoreApplication::applicationFilePath(), {u"--filho-recuperacao"_s, pastaFilho});
        QVERIFY(filho.waitForStarted(30000));
        QByteArray saida;
        while (!saida.contains("pronto") && filho.waitForReadyRead(60000))
            saida += filho.readAllStandardOutput();
        QVERIFY2(saida.contains("pronto"), saida.constData());
        const QString copia = pastaFilho + u"/recuperacao/recuperacao-%1.ar1"_s.arg(filho.processId());
        QVERIFY(QFile::exists(copia));
        ::kill(pid_t(filho.processId()), SIGKILL);
        QVERIFY(filho.waitForFinished(30000));
        QCOMPARE(filho.exitStatus(), QProcess::CrashExit);

        TRecuperacao::DefinirPasta(pastaFilho + u"/recuperacao"_s);
        const auto restaurar = qScopeGuard([this] { TRecuperacao::DefinirPasta(caminho(u"recuperacao"_s)); });
        TJanela j;
        TRespostasMensagem r({TMensagem::mrYes});
        TRespostasDialogos d; // no selection is shown
        j.janela.Timer1Timer();
        QCOMPARE(r.Pedidos().size(), 1);
        QVERIFY2(r.Pedidos().constFirst().Texto.startsWith(u"Recuperar o trabalho não salvo de "_s)
                     && r.Pedidos().constFirst().Texto.endsWith(u" (projeto novo)?"_s),
                 qPrintable(r.Pedidos().constFirst().Texto));
        QVERIFY(d.Janelas().isEmpty());
        QVERIFY(j.janela.Projeto());
        QVERIFY(j.janela.Projeto()->Alterado);
        QCOMPARE(j.janela.windowTitle(), titulo + u" [ NOVO ]"_s);
        QCOMPARE(j.Linhas(), (QStringList{u"1/1"_s, u"1/2N"_s}));
        QCOMPARE(j.Painel(1).Rotulo(), u"BAI"_s);
        QCOMPARE(j.Destinos().ValorNaLinha(0, j.Destinos().IndiceDaColuna(u"ROTULO1"_s)).toString(), u"CENTRO"_s);
        QVERIFY(!QFile::exists(copia));
        // This run now keeps the work in its own copy.
        j.janela.Comandos.GravadorRecuperacao().Esperar();
        QVERIFY(QFile::exists(TRecuperacao::ArquivoDestaExecucao()));
    }

    // "No" keeps the copy aside under a dated name; a damaged copy is reported and set aside too.
    void recuperacaoRecusadaOuDanificada()
    {
        const QString pastaCopias = caminho(u"recusadas"_s);
        QDir().mkpath(pastaCopias);
        TRecuperacao::DefinirPasta(pastaCopias);
        const auto restaurar = qScopeGuard([this] { TRecuperacao::DefinirPasta(caminho(u"recuperacao"_s)); });
        {
            TJanela a;
            novoProjeto(a, {1, 0, 0, 0});
            a.Digitar(1, u"X"_s);
            TCopiaRecuperacao c = a.janela.Comandos.CopiaAtual();
            c.Momento = c.Momento.addSecs(-60);
            TRecuperacao::Gravar(pastaCopias + u"/recuperacao-999999993.ar1"_s, c);
        }
        QVERIFY(Fixture::GravarArquivo(pastaCopias + u"/recuperacao-999999994.ar1"_s, "estragada"));
        TJanela j;
        TRespostasMensagem r({TMensagem::mrOk, TMensagem::mrNo});
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &) { return int(QDialog::Rejected); });
        j.janela.Timer1Timer();
        QCOMPARE(r.Pedidos().size(), 2);
        QCOMPARE(r.Pedidos().at(0).Tipo, TTipoMensagem::mtError);
        QVERIFY(r.Pedidos().at(1).Texto.startsWith(u"Recuperar"_s));
        QCOMPARE(j.terminou, 1);
        const QStringList guardadas = QDir(pastaCopias).entryList({u"recuperacao-*.ar1"_s}, QDir::Files);
        QCOMPARE(guardadas.size(), 2);
        QVERIFY(guardadas.filter(u"recuperacao-danificada-"_s).size() == 1);
        QVERIFY(guardadas.filter(u"recuperacao-guardada-"_s).size() == 1);
    }

    // A normal end leaves no copy behind; closing a saved project neither.
    void fimNormalSemCopia()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"A"_s);
        j.SalvarDestino();
        j.janela.Comandos.GuardarRecuperacao();
        j.janela.Comandos.GravadorRecuperacao().Esperar();
        QVERIFY(QFile::exists(TRecuperacao::ArquivoDestaExecucao()));
        TRespostasMensagem r({TMensagem::mrNo});
        QVERIFY(j.janela.close());
        QVERIFY(!QFile::exists(TRecuperacao::ArquivoDestaExecucao()));
    }

    // The project's file dialogs start in the folder of the project opened or
    // saved last, and take a name typed without ".ar1".
    void dialogosNaPastaDoProjeto()
    {
        const QString pastaProjeto = caminho(u"projetos da garagem"_s);
        QVERIFY(QDir().mkpath(pastaProjeto));
        const QString arquivo = pastaProjeto + u"/linha.ar1"_s;
        {
            TDtm_Destino d;
            d.AbrirTabelas({});
            GravarLinha(d, Linha(1, 1, Fixture::Conteudo(8, 80, {QPoint(1, 1)}), u"UM"_s));
            QVERIFY(d.SalvarArquivo(arquivo));
        }
        TJanela j;
        TRespostasDialogos d;
        abrir(d, arquivo);
        j.janela.Timer1Timer();
        QVERIFY(j.janela.Projeto());
        QCOMPARE(d.Pedidos().first().Extensao, u"ar1"_s);
        d.ResponderArquivo(QString());
        j.janela.Act_SalvarComoProjeto->trigger();
        QCOMPARE(d.Pedidos().last().Titulo, u"Salvar Archivo Como..."_s);
        QCOMPARE(d.Pedidos().last().Pasta, pastaProjeto);
    }

    // A damaged project opens, and "Salvar no PenDrive" shows the refusal the
    // command line prints, in the error box; the file chosen stays as it was.
    void recusasDaTransferencia_data()
    {
        QTest::addColumn<int>("indice");
        const QList<TProjetoDanificado> projetos = ProjetosDanificados();
        for (int i = 0; i < projetos.size(); ++i)
            QTest::newRow(qPrintable(projetos[i].Nome)) << i;
    }
    void recusasDaTransferencia()
    {
        QFETCH(int, indice);
        const TProjetoDanificado projeto = ProjetosDanificados().at(indice);
        CriarFontesComDigitoLargo(caminho(u"LARGO.INI"_s));
        const auto fontes = qScopeGuard([this] { TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s)); });
        const QString arquivo = caminho(u"danificado.ar1"_s);
        {
            TDtm_Destino d;
            GravarProjetoDanificado(d, projeto);
            QVERIFY(d.SalvarArquivo(arquivo));
        }
        TJanela j;
        TRespostasDialogos d;
        abrir(d, arquivo);
        j.janela.Timer1Timer();
        QVERIFY(j.janela.Projeto());
        const QString art = caminho(u"danificado.art"_s);
        QVERIFY(Fixture::GravarArquivo(art, "anterior"));
        d.ResponderArquivo(art);
        TRespostasMensagem r({TMensagem::mrYes, TMensagem::mrYes, TMensagem::mrOk});
        QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        QVERIFY(!r.Pedidos().isEmpty());
        QCOMPARE(r.Pedidos().last().Tipo, TTipoMensagem::mtError);
        QCOMPARE(r.Pedidos().last().Texto, projeto.Mensagem);
        QCOMPARE(Fixture::LerArquivo(art), QByteArray("anterior"));
    }

    // Written to a pen drive: the dialog starts on it (its sidebar lists it),
    // the message says the drive can be pulled out and, where the desktop can
    // take it out, offers "Ejetar". The next transfer starts in the folder used.
    void penDrive_data()
    {
        QTest::addColumn<bool>("removivel");
        QTest::addColumn<bool>("ejecao");
        QTest::addColumn<int>("resposta"); // to the message with "Ejetar": its button's index
        QTest::newRow("pen drive, ejetado") << true << true << 1;
        QTest::newRow("pen drive, OK") << true << true << 0;
        QTest::newRow("pen drive, sem serviço de ejeção") << true << false << -2;
        QTest::newRow("pasta comum") << false << true << -2;
    }
    void penDrive()
    {
        QFETCH(bool, removivel);
        QFETCH(bool, ejecao);
        QFETCH(int, resposta);
        const QString pen = caminho(u"media/ana/PENDRIVE"_s);
        QVERIFY(QDir().mkpath(pen + u"/linhas"_s));
        TJanela j;
        TPenDrive::GuardarUltimoDestino({});
        const TUnidadeRemovivel unidade{pen, u"/dev/sdb1"_s};
        j.janela.Comandos.UnidadesRemoviveis = [&] { return QList<TUnidadeRemovivel>{unidade}; };
        j.janela.Comandos.EjecaoDisponivel = [&] { return ejecao; };
        QList<TUnidadeRemovivel> ejetadas;
        j.janela.Comandos.Ejetar = [&](const TUnidadeRemovivel &u) { ejetadas << u; };
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"A"_s);
        j.SalvarDestino();
        const QString arquivo = removivel ? pen + u"/linhas/DESTINOS.art"_s : caminho(u"comum/DESTINOS.art"_s);
        QVERIFY(QDir().mkpath(QFileInfo(arquivo).absolutePath()));
        QFile::remove(arquivo);

        TRespostasMensagem r({TMensagem::mrYes});
        if (resposta != -2)
            r.Responder(resposta);
        else
            r.Responder(TMensagem::mrOk);
        {
            TRespostasDialogos d;
            d.ResponderArquivo(arquivo);
            QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
            QCOMPARE(d.Pedidos().size(), 1);
            QCOMPARE(d.Pedidos().first().Pasta, pen);
            QCOMPARE(d.Pedidos().first().Atalhos, QStringList{pen});
        }
        QVERIFY(QFile::exists(arquivo));
        QCOMPARE(r.Pedidos().size(), 2); // no question of the builder's: the file was new
        const TPedidoMensagem &aviso = r.Pedidos().last();
        if (removivel) {
            QCOMPARE(aviso.Texto, u"O Archivo foi salvo !\r\nArquivo gravado no pen drive PENDRIVE (%1).\r\nPode "
                                  u"remover o pen drive."_s.arg(pen));
            QCOMPARE(aviso.Opcoes, ejecao ? (QStringList{u"OK"_s, u"Ejetar"_s}) : QStringList());
        } else {
            QCOMPARE(aviso.Texto, u"O Archivo foi salvo !"_s);
        }
        QCOMPARE(ejetadas, resposta == 1 ? QList<TUnidadeRemovivel>{unidade} : QList<TUnidadeRemovivel>());
        QVERIFY(r.Inesperados().isEmpty());

        // The next time: the folder used on the drive; after a folder elsewhere,
        // the drive mounted comes first. The file exists: one question, the
        // builder's (the dialog asks none), and No leaves it.
        TRespostasMensagem sim({TMensagem::mrYes, TMensagem::mrNo});
        TRespostasDialogos d;
        d.ResponderArquivo(arquivo);
        const QByteArray antes = Fixture::LerArquivo(arquivo);
        QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        QCOMPARE(d.Pedidos().size(), 1);
        QCOMPARE(d.Pedidos().first().Pasta, removivel ? QFileInfo(arquivo).absolutePath() : pen);
        QVERIFY(!d.Pedidos().first().PerguntarSeExiste);
        QCOMPARE(sim.Pedidos().size(), 2);
        QCOMPARE(sim.Pedidos().last().Texto,
                 u"ATENÇÃO: O Arquivo selecionado já existe. Deseja sobrepor o arquivo existente?"_s);
        QCOMPARE(sim.Pedidos().last().ResultadoPadrao, TMensagem::mrNo);
        QCOMPARE(Fixture::LerArquivo(arquivo), antes);
    }

    // A whole day: front and rear, two destinations and an extra with a clock, saved, closed,
    // reopened and transferred; the file equals the one dorvik-cli writes for the same project.
    void diaCompleto()
    {
        const QString projetoArquivo = caminho(u"dia.ar1"_s);
        const QString art = caminho(u"dia.art"_s);
        {
            TJanela j;
            novoProjeto(j, {3, 0, 2, 0});
            j.Digitar(1, u"101 CENTRO"_s);
            j.Digitar(3, u"101"_s);
            j.SalvarDestino();
            j.Digitar(1, u"102 BAIRRO"_s);
            j.Digitar(3, u"102"_s);
            j.SalvarDestino();
            QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
            j.Digitar(1, u"SAIDA "_s);
            QTest::mouseClick(j.Lista().Btn_HorarioSaida, Qt::LeftButton);
            j.SalvarDestino();
            TRespostasDialogos d;
            d.ResponderArquivo(projetoArquivo);
            TRespostasMensagem r({TMensagem::mrOk});
            QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
            j.janela.Act_FecharProjeto->trigger();
            QVERIFY(!j.janela.Projeto());
        }
        TJanela j;
        TRespostasDialogos d;
        abrir(d, projetoArquivo);
        j.janela.Timer1Timer();
        QVERIFY(j.janela.Projeto());
        QCOMPARE(j.Lista().Dbg_DestinosExtras->model()->rowCount(), 3);
        d.ResponderArquivo(caminho(u"dia"_s));
        TRespostasMensagem r({TMensagem::mrYes, TMensagem::mrOk});
        QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        QCOMPARE(r.Pedidos().size(), 2);
        QCOMPARE(r.Pedidos().at(1).Texto, u"O Archivo foi salvo !"_s);
        QVERIFY(!j.Lista().ModoExtra);

        const QString cliArt = caminho(u"cli.art"_s);
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + u"/../dorvik-cli"_s,
                  {u"export-art"_s, projetoArquivo, cliArt});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QByteArray bytes = Fixture::LerArquivo(art);
        QVERIFY(bytes.size() > 75);
        QCOMPARE(bytes, Fixture::LerArquivo(cliArt));
    }
};

namespace {
// Run as a child process by recuperacaoAposMorte: a new front sign, one destination
// stored, another half typed, the recovery copy written; then it waits to be killed.
int filhoDaRecuperacao(int argc, char **argv)
{
    QApplication app(argc, argv);
    TMensagem::DefinirTituloAplicacao(u"Dorvik  System"_s);
    TRecuperacao::DefinirPasta(QString::fromLocal8Bit(argv[2]) + u"/recuperacao"_s);
    TFrm_PrincipalVeltronix janela;
    janela.Timer1->stop();
    janela.show();
    janela.activateWindow();
    if (!QTest::qWaitForWindowActive(&janela))
        return 3;
    {
        TRespostasDialogos d;
        d.ResponderJanela([](QDialog &s) {
            static_cast<TFrm_TipoOnibusVeltronix &>(s).DefinirItens({1, 0, 0, 0});
            return TFrm_TipoOnibusVeltronix::ResultadoOk;
        });
        janela.Timer1Timer();
    }
    QWidget *captura = janela.Editor()->FlexLed(1)->CapturaDeTeclas();
    janela.Editor()->FocarPainelAtivo();
    QTest::keyClicks(captura, u"CENTRO"_s);
    janela.Fme_Destinos->Act_SalvarDestinoExecute();
    janela.Editor()->FocarPainelAtivo();
    QTest::keyClicks(captura, u"BAI"_s);
    janela.Comandos.GuardarRecuperacao();
    janela.Comandos.GravadorRecuperacao().Esperar();
    std::printf("pronto\n");
    std::fflush(stdout);
    return app.exec();
}
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--filho-recuperacao") == 0)
        return filhoDaRecuperacao(argc, argv);
    QApplication app(argc, argv);
    TestePrincipal teste;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_principal.moc"
