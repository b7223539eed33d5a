#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/URecuperacao.h"
#include "app/ui/janela_fixture.h"
#include "editor/UEstadoEditor.h"
#include "editor/ui/UFmeCoresLED.h"
#include "editor/ui/UFmeGraficos.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/UFontes.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UMensagem.h"
#include "panel/ui/URespostasMensagem.h"

using namespace Qt::StringLiterals;

// Undo and redo in the program's window, every step made with the keys and
// clicks the operator uses, undone with Ctrl+Z and redone with Ctrl+Y or Ctrl+Shift+Z.
class TesteHistoricoJanela : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    // What undo must put back: the editor, the kind and line the list shows, the table's rows.
    struct TFoto {
        TEstadoEditor Editor;
        bool Extra = false;
        int Numero = 0;
        std::vector<QVector<QVariant>> Linhas;
        bool operator==(const TFoto &) const = default;
    };
    static TFoto foto(TJanela &j)
    {
        TFme_Painel &e = j.Editor();
        return {TEstadoEditor::Capturar(e, *e.Fme_Rotativo), j.Lista().ModoExtra,
                j.janela.Sincronizacao.NumeroSelecionado(), j.Destinos().TodasAsLinhas()};
    }
    // The keys go to whatever has the keyboard in the window.
    static void desfazer(TJanela &j) { j.Tecla(Qt::Key_Z, Qt::ControlModifier); }
    static void refazer(TJanela &j, bool comShift = false)
    {
        if (comShift)
            j.Tecla(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            j.Tecla(Qt::Key_Y, Qt::ControlModifier);
    }
    static QWidget *teclado(TJanela &j) { return j.Editor().FlexAtivo()->CapturaDeTeclas(); }

    // Two stored destinations, text on the front and side signs; the front one is active.
    static void preparar(TJanela &j)
    {
        novoProjeto(j, {1, 1, 1, 1});
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        j.Digitar(1, u"BAIRRO"_s);
        j.SalvarDestino();
        j.Digitar(2, u"LADO"_s);
        j.Digitar(1, u"VIA SUL"_s);
        QTest::keyClick(teclado(j), Qt::Key_Left); // ends the run of typing
    }

    // The step as the operator makes it.
    static void fazer(TJanela &j, const QString &passo)
    {
        TFme_Painel &e = j.Editor();
        if (passo == u"digitacao"_s) {
            QTest::keyClicks(teclado(j), u"ABC"_s);
        } else if (passo == u"exclusao"_s) {
            QTest::keyClick(teclado(j), Qt::Key_Backspace);
        } else if (passo == u"colagem"_s) {
            QGuiApplication::clipboard()->setText(u"PRAÇA"_s);
            QTest::keyClick(teclado(j), Qt::Key_V, Qt::ControlModifier);
        } else if (passo == u"relogio"_s) {
            QTest::mouseClick(j.Lista().Btn_HorarioSaida, Qt::LeftButton);
        } else if (passo == u"alinhamento"_s) {
            QTest::keyClick(teclado(j), Qt::Key_F6);
        } else if (passo == u"espacamento"_s) {
            QTest::mouseClick(e.Fme_Fontes->Btn_AumntaDistancia, Qt::LeftButton);
        } else if (passo == u"fonte"_s) {
            QTest::mouseClick(e.Fme_Fontes->Sbt_DIVISAO_Cima, Qt::LeftButton);
        } else if (passo == u"desenho"_s) {
            TFlexLed &p = *e.FlexAtivo();
            QTest::mousePress(&p, Qt::LeftButton, {}, QPoint(3, 3));
            for (int x = 3; x < 60; x += p.TamanhoLed())
                QTest::mouseMove(&p, QPoint(x, 3));
            QTest::mouseRelease(&p, Qt::LeftButton, {}, QPoint(60, 3));
        } else if (passo == u"limparTudo"_s) {
            QTest::keyClick(teclado(j), Qt::Key_F8);
        } else if (passo == u"rolagemDesligada"_s) {
            QTest::mouseClick(e.Fme_Rolagem->Btn_NaoRolar, Qt::LeftButton);
        } else if (passo == u"cores"_s) {
            QTest::keyClick(e.Fme_CoresLED->Cbo_CorLED1, Qt::Key_Down);
        } else if (passo == u"divisao"_s) {
            QTest::mouseClick(e.Fme_CoresLED->btnHabilitarDivColuna, Qt::LeftButton);
        } else if (passo == u"tamanho"_s) {
            QTest::mouseClick(e.Sbt_COLUNASBottom, Qt::LeftButton);
        } else if (passo == u"salvarDestino"_s) {
            j.SalvarDestino();
        } else if (passo == u"excluirDestino"_s) {
            QTest::keyClick(teclado(j), Qt::Key_F2, Qt::ControlModifier);
        } else if (passo == u"inserirAqui"_s) {
            j.Lista().InserirNovoDestinoAqui1->trigger();
        } else if (passo == u"novoNoFinal"_s) {
            j.Lista().AbrirnovoDestinonoFinal1->trigger();
        } else {
            QFAIL(qPrintable(passo));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TRecuperacao::DefinirPasta(pasta.filePath(u"recuperacao"_s));
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    void passo_data()
    {
        QTest::addColumn<QString>("passo");
        QTest::addColumn<QString>("dica");
        const QList<std::pair<QString, QString>> casos{
            {u"digitacao"_s, u"Desfazer Digitação (Ctrl+Z)"_s},
            {u"exclusao"_s, u"Desfazer Apagar (Ctrl+Z)"_s},
            {u"colagem"_s, u"Desfazer Colar (Ctrl+Z)"_s},
            {u"relogio"_s, u"Desfazer Horário de Saída (Ctrl+Z)"_s},
            {u"alinhamento"_s, u"Desfazer Alinhamento (Ctrl+Z)"_s},
            {u"espacamento"_s, u"Desfazer Espaçamento (Ctrl+Z)"_s},
            {u"fonte"_s, u"Desfazer Troca de Fonte (Ctrl+Z)"_s},
            {u"desenho"_s, u"Desfazer Desenho de LEDs (Ctrl+Z)"_s},
            {u"limparTudo"_s, u"Desfazer Limpar Tudo (Ctrl+Z)"_s},
            {u"rolagemDesligada"_s, u"Desfazer Desligar Rolagem (Ctrl+Z)"_s},
            {u"cores"_s, u"Desfazer Cores e Divisão (Ctrl+Z)"_s},
            {u"divisao"_s, u"Desfazer Cores e Divisão (Ctrl+Z)"_s},
            {u"tamanho"_s, u"Desfazer Tamanho do Painel (Ctrl+Z)"_s},
            {u"salvarDestino"_s, u"Desfazer Salvar Destino (Ctrl+Z)"_s},
            {u"excluirDestino"_s, u"Desfazer Excluir Destino (Ctrl+Z)"_s},
            {u"inserirAqui"_s, u"Desfazer Inserir Destino Aqui (Ctrl+Z)"_s},
            {u"novoNoFinal"_s, u"Desfazer Novo Destino no Final (Ctrl+Z)"_s},
        };
        for (const auto &[passo, dica] : casos)
            QTest::newRow(qPrintable(passo)) << passo << dica;
    }

    // Each step undone with Ctrl+Z puts back what was there; Ctrl+Y and
    // Ctrl+Shift+Z do it again. The buttons name the step in their tool tips.
    void passo()
    {
        QFETCH(QString, passo);
        QFETCH(QString, dica);
        TJanela j;
        preparar(j);
        TRespostasMensagem respostas({TMensagem::mrNo});
        if (passo == u"relogio"_s) {
            QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
            j.Digitar(1, u"EXTRA"_s);
        } else if (passo == u"rolagemDesligada"_s) {
            QTest::mouseClick(j.Editor().Fme_Rolagem->Btn_Rolar, Qt::LeftButton);
            j.Digitar(1, u" E MAIS"_s);
        } else if (passo == u"desenho"_s) {
            QTest::mouseClick(j.Editor().Fme_Graficos->Btn_Habilitar, Qt::LeftButton);
        } else if (passo == u"excluirDestino"_s) {
            j.DuploClique(0);
        } else if (passo == u"novoNoFinal"_s) {
            // The pending line exists: the command goes back to it from the first line.
            QTableView *v = j.Lista().Dbg_DestinosExtras;
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(0, 0)).center());
        }
        QVERIFY(!j.janela.Btn_Refazer->isEnabled());
        const TFoto antes = foto(j);
        const bool alterado = j.janela.Projeto()->Alterado;
        fazer(j, passo);
        const TFoto depois = foto(j);
        QVERIFY(!(depois == antes));
        QVERIFY(j.janela.Btn_Desfazer->isEnabled());
        QCOMPARE(j.janela.Btn_Desfazer->toolTip(), dica);

        desfazer(j);
        QVERIFY(foto(j) == antes);
        QCOMPARE(j.janela.Projeto()->Alterado, alterado);
        QVERIFY(j.janela.Btn_Refazer->isEnabled());
        QCOMPARE(j.janela.Btn_Refazer->toolTip(), QString(dica).replace(u"Desfazer"_s, u"Refazer"_s)
                                                                   .replace(u"Ctrl+Z"_s, u"Ctrl+Y"_s));
        refazer(j);
        QVERIFY(foto(j) == depois);
        desfazer(j);
        refazer(j, true);
        QVERIFY(foto(j) == depois);
        QVERIFY(respostas.Inesperados().isEmpty());
    }

    // The buttons undo and redo as the keys do, and are disabled with nothing to do.
    void botoes()
    {
        TJanela j;
        QVERIFY(!j.janela.Act_Desfazer->isEnabled());
        novoProjeto(j, {1, 0, 0, 0});
        QVERIFY(j.janela.Btn_Desfazer->isVisible());
        QVERIFY(!j.janela.Btn_Desfazer->isEnabled());
        QVERIFY(!j.janela.Btn_Refazer->isEnabled());
        QCOMPARE(j.janela.Btn_Desfazer->toolTip(), u"Desfazer (Ctrl+Z)"_s);
        j.Digitar(1, u"AB"_s);
        QTest::mouseClick(j.janela.Btn_Desfazer, Qt::LeftButton);
        QVERIFY(j.Painel(1).EstaVazio());
        QVERIFY(!j.janela.Btn_Desfazer->isEnabled());
        QTest::mouseClick(j.janela.Btn_Refazer, Qt::LeftButton);
        QCOMPARE(j.Painel(1).Rotulo(), u"AB"_s);
    }

    // A run of typing ends at a click anywhere in the window and at a cursor key.
    void corridaTerminaNoCliqueENaSeta()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"AB"_s);
        QTest::mouseClick(j.Lista().Dbg_DestinosExtras->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        j.Editor().FocarPainelAtivo();
        QTest::keyClicks(teclado(j), u"CD"_s);
        QTest::keyClick(teclado(j), Qt::Key_Left);
        QTest::keyClicks(teclado(j), u"E"_s);
        QCOMPARE(j.Painel(1).Rotulo(), u"ABCED"_s);
        desfazer(j);
        QCOMPARE(j.Painel(1).Rotulo(), u"ABCD"_s);
        desfazer(j);
        QCOMPARE(j.Painel(1).Rotulo(), u"AB"_s);
        desfazer(j);
        QVERIFY(j.Painel(1).EstaVazio());
    }

    // F8 and scrolling off throw away LED work and rotating messages; undo brings every slot back.
    void limparTudoERolagemComRotativos()
    {
        TJanela j;
        novoProjeto(j, {1, 1, 0, 0});
        j.Digitar(1, u"UM"_s);
        QTest::mouseClick(j.Editor().Fme_Rotativo->findChildren<QRadioButton *>().at(1), Qt::LeftButton);
        j.Digitar(1, u"DOIS"_s);
        const TFoto comDois = foto(j);
        QTest::keyClick(teclado(j), Qt::Key_F8);
        QVERIFY(j.Painel(1).EstaVazio());
        desfazer(j);
        QVERIFY(foto(j) == comDois);
        QCOMPARE(j.Painel(1).Rotulo(), u"DOIS"_s);

        TFme_Rolagem &rolagem = *j.Editor().Fme_Rolagem;
        QTest::mouseClick(rolagem.Btn_Rolar, Qt::LeftButton);
        const TFoto rolando = foto(j);
        QVERIFY(j.Editor().Fme_Rotativo->Rotativos().size() >= 2);
        QTest::mouseClick(rolagem.Btn_NaoRolar, Qt::LeftButton);
        QVERIFY(j.Painel(1).EstaVazio());
        desfazer(j);
        QVERIFY(foto(j) == rolando);
        QCOMPARE(j.Painel(1).Rolagem(), TRolagem::tsEsquerda);
    }

    // Ctrl+Z inside a text field of a dialog stays the field's own.
    void textoDeDialogoFicaComOCampo()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"AB"_s);
        QDialog dialogo(&j.janela);
        auto *campo = new QLineEdit(&dialogo);
        dialogo.show();
        dialogo.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialogo));
        campo->setFocus();
        QTest::keyClicks(campo, u"xyz"_s);
        QTest::keyClick(campo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(campo->text(), QString());
        QCOMPARE(j.Painel(1).Rotulo(), u"AB"_s);
    }

    // Closing the project or opening another empties the history; saving keeps it,
    // and undoing back to the saved state leaves the project unmodified.
    void salvarFecharEAbrir()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        TRespostasDialogos d;
        d.ResponderArquivo(pasta.filePath(u"historico.ar1"_s));
        {
            TRespostasMensagem r({TMensagem::mrOk});
            QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
        }
        QVERIFY(!j.janela.Projeto()->Alterado);
        QVERIFY(j.janela.Btn_Desfazer->isEnabled());
        j.Digitar(1, u"BAIRRO"_s);
        j.SalvarDestino();
        QVERIFY(j.janela.Projeto()->Alterado);
        desfazer(j);
        QVERIFY(!j.janela.Projeto()->Alterado);
        QCOMPARE(j.janela.windowTitle().endsWith(u"historico.ar1 ]"_s), true);
        refazer(j);
        QVERIFY(j.janela.Projeto()->Alterado);
        // Back past the save (the typing of "BAIRRO" changed no row).
        for (int i = 0; i < 3; ++i)
            desfazer(j);
        QVERIFY(j.janela.Projeto()->Alterado);
        refazer(j);
        QVERIFY(!j.janela.Projeto()->Alterado);

        j.janela.Comandos.ArquivoEscolhido = pasta.filePath(u"historico.ar1"_s);
        {
            TRespostasMensagem r({TMensagem::mrNo, TMensagem::mrNo});
            j.janela.Act_AbrirProjeto->trigger();
        }
        QVERIFY(j.janela.Projeto());
        QCOMPARE(j.janela.Projeto()->NomeArquivo, j.janela.Comandos.ArquivoEscolhido);
        QVERIFY(!j.janela.Btn_Desfazer->isEnabled());
        QVERIFY(!j.janela.Btn_Refazer->isEnabled());
        j.Digitar(1, u"Z"_s);
        QVERIFY(j.janela.Btn_Desfazer->isEnabled());
        {
            TRespostasMensagem r({TMensagem::mrNo});
            j.janela.Act_FecharProjeto->trigger();
        }
        QVERIFY(!j.janela.Projeto());
        QVERIFY(!j.janela.Act_Desfazer->isEnabled());
        QTest::keyClick(&j.janela, Qt::Key_Z, Qt::ControlModifier);
    }
};

QTEST_MAIN(TesteHistoricoJanela)
#include "tst_historicojanela.moc"
