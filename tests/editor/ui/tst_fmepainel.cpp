#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "editor/ui/UFmeCoresLED.h"
#include "editor/ui/UFmeGraficos.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFmeFontes.h"

using namespace Qt::StringLiterals;

// The panel editor frame and its header tools on screen, driven by the operator's clicks.
class TesteFmePainel : public QObject {
    Q_OBJECT

    // A frame for the positions asked for, each sign sized as the caller gives it.
    struct TJanela {
        QWidget janela;
        TFme_Painel *editor;
        TJanela(std::initializer_list<std::tuple<int, int, int>> sinais)
        {
            bool presentes[4] = {};
            for (const auto &[posicao, linhas, colunas] : sinais)
                presentes[posicao - 1] = true;
            editor = new TFme_Painel(&janela, presentes[0], presentes[1], presentes[2], presentes[3]);
            for (const auto &[posicao, linhas, colunas] : sinais) {
                editor->FlexLed(posicao)->DefinirNroLinhas(linhas);
                editor->FlexLed(posicao)->DefinirNroColunas(colunas);
            }
            editor->OrganizarPaineis();
            editor->AtualizarAoAtivar = true;
            janela.resize(1200, 600);
            janela.show();
            janela.activateWindow();
            if (!QTest::qWaitForWindowActive(&janela))
                qFatal("the window did not become active");
        }
        TFlexLed &Painel(int posicao) { return *editor->FlexLed(posicao); }
        void Clicar(QAbstractButton *botao) { QTest::mouseClick(botao, Qt::LeftButton); }
        void ClicarPainel(int posicao) { QTest::mouseClick(&Painel(posicao), Qt::LeftButton, {}, QPoint(3, 3)); }
    };

    static QString nomeDaCor(QComboBox *caixa) { return caixa->currentIndex() < 0 ? QString() : caixa->currentText(); }

private slots:
    void telaInicial()
    {
        TJanela j({{1, 13, 96}, {3, 13, 32}});
        TFme_Painel &e = *j.editor;
        QCOMPARE(e.Cbo_Modelo->count(), 12);
        QCOMPARE(e.Cbo_Modelo->itemText(0), u"Modelo 8x40"_s);
        QCOMPARE(e.Cbo_Modelo->itemText(11), u"Modelo 13x128"_s);
        QCOMPARE(e.Cbo_Modelo->currentIndex(), -1);
        QCOMPARE(e.Btn_IniciaSimulador->text(), u"Liga Simulador"_s);
        QCOMPARE(e.Btn_FinalizaSimulador->text(), u"Desliga Simulador"_s);
        QVERIFY(e.Btn_FinalizaSimulador->isChecked());
        QVERIFY(!e.Tmr_Simulador->isActive());
        QCOMPARE(e.Tmr_Simulador->interval(), 500);
        QCOMPARE(e.Legenda(1)->text(), u"Frontal"_s);
        QCOMPARE(e.Legenda(3)->text(), u"Traseiro"_s);
        QCOMPARE(e.Legenda(2), nullptr);
        QCOMPARE(j.Painel(1).TamanhoLed(), 7);
        QCOMPARE(j.Painel(3).Tag, 3);
        QStringList itens;
        for (QAction *a : e.PopupMenu1->actions())
            itens << (a->isSeparator() ? u"-"_s : a->text() + u' ' + a->shortcut().toString());
        QCOMPARE(itens, (QStringList{u"Alinha Esquerda F5"_s, u"Alinha Centro F6"_s, u"Alinha Direita F7"_s, u"-"_s,
                                     u"Limpar Tudo F8"_s, u"-"_s, u"Inserir Pictograma... "_s,
                                     u"Importar Imagem... "_s}));
        // Not the classic executable's name: green strips, sky-blue panel area.
        QCOMPARE(e.Pnl_Cabecalho->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(e.ScrollBox1->widget()->palette().color(QPalette::Window), QColor(166, 202, 240));
        QCOMPARE(e.findChild<QGroupBox *>(u"Grp_Simulador"_s)->title(), u"Simulador"_s);
        QCOMPARE(e.Fme_CoresLED->Lbl_CorLED2->text(), u"isqierda:"_s);
        QCOMPARE(e.Fme_CoresLED->Lbl_CorLED1->text(), u"Derecha:"_s);
    }

    // Each item of the panels' menu does what it says, on the active panel; the
    // font tool is captioned as the editor embeds it.
    void menuDoPainelAge()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}});
        QCOMPARE(j.editor->Fme_Fontes->Gbx_Graficos->title(), u"Fuente/Texto"_s);
        j.ClicarPainel(2);
        j.editor->FocarPainelAtivo();
        QTest::keyClicks(j.Painel(2).CapturaDeTeclas(), u"AB"_s);
        const auto acao = [&](const QString &texto) {
            for (QAction *a : j.editor->PopupMenu1->actions())
                if (a->text() == texto)
                    return a;
            return static_cast<QAction *>(nullptr);
        };
        acao(u"Alinha Centro"_s)->trigger();
        QCOMPARE(j.Painel(2).Alinhamento(), TAlinhamento::taCenter);
        acao(u"Alinha Direita"_s)->trigger();
        QCOMPARE(j.Painel(2).Alinhamento(), TAlinhamento::taRightJustify);
        acao(u"Alinha Esquerda"_s)->trigger();
        QCOMPARE(j.Painel(2).Alinhamento(), TAlinhamento::taLeftJustify);
        QVERIFY(!j.Painel(2).EstaVazio());
        acao(u"Limpar Tudo"_s)->trigger();
        QVERIFY(j.Painel(2).EstaVazio());
        QVERIFY(j.Painel(1).EstaVazio());
    }

    // Before any panel is shown the size labels read "0000".
    void semPaineis()
    {
        QWidget janela;
        TFme_Painel e(&janela, false, false, false, false);
        QCOMPARE(e.Lbl_LINHAS1->text(), u"0000"_s);
        QCOMPARE(e.Lbl_COLUNAS1->text(), u"0000"_s);
        QCOMPARE(e.PainelAtivo(), nullptr);
        QTest::mouseClick(e.Sbt_LINHASTop, Qt::LeftButton);
        QCOMPARE(e.Lbl_LINHAS1->text(), u"0000"_s);
    }

    // Front, side and rear: the rear sign 110 pixels right of the side sign, tops aligned.
    void disposicao()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}, {3, 13, 32}});
        const QRect lado = j.Painel(2).geometry();
        QCOMPARE(j.Painel(1).geometry(), QRect(10, 1 + j.editor->Legenda(1)->height() + 1, 672, 91));
        QCOMPARE(j.Painel(3).x(), lado.x() + lado.width() + 110);
        QCOMPARE(j.Painel(3).y(), lado.y());
        QCOMPARE(j.editor->Legenda(3)->y(), j.editor->Legenda(2)->y());
        QCOMPARE(j.editor->Legenda(3)->x(), j.Painel(3).x());
    }

    // "Liga" divides at 28 and raises once; "Desliga" removes it; a change of colour raises too.
    void coresLigaDesliga()
    {
        TFme_CoresLED c;
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        int avisos = 0;
        c.AoAlterar = [&](TFme_CoresLED *) { ++avisos; };
        QTest::mouseClick(c.btnHabilitarDivColuna, Qt::LeftButton);
        QCOMPARE(avisos, 1);
        QCOMPARE(c.Divisao, qint16(28));
        QVERIFY(c.btnHabilitarDivColuna->isChecked());
        QVERIFY(c.Rbt_Coluna28->isChecked());
        QVERIFY(c.Rg_Coluna->isEnabled() && c.Cbo_CorLED2->isEnabled() && c.Lbl_CorLED2->isEnabled());
        QCOMPARE(nomeDaCor(c.Cbo_CorLED2), u"Verde"_s);
        QCOMPARE(c.CorEsquerda(), TCor(0x0000FF00));
        QCOMPARE(c.CorDireita(), TCor(0x0000FFFF));

        QTest::mouseClick(c.Rbt_Coluna32, Qt::LeftButton);
        QCOMPARE(avisos, 2);
        QCOMPARE(c.Divisao, qint16(32));
        c.Cbo_CorLED2->setCurrentIndex(3);
        QCOMPARE(avisos, 3);
        QCOMPARE(c.CorEsquerda(), TCor(0x000000FF));

        QTest::mouseClick(c.btnDesabilitarDivColuna, Qt::LeftButton);
        QCOMPARE(avisos, 4);
        QCOMPARE(c.Divisao, qint16(0));
        QVERIFY(!c.Rg_Coluna->isEnabled() && !c.Cbo_CorLED2->isEnabled() && !c.Lbl_CorLED2->isEnabled());
        QVERIFY(!c.Rbt_Coluna28->isChecked() && !c.Rbt_Coluna32->isChecked());
        QCOMPARE(nomeDaCor(c.Cbo_CorLED2), u"Verde"_s);
        // "Desliga" cleared the column: "Liga" takes 28 again.
        QTest::mouseClick(c.btnHabilitarDivColuna, Qt::LeftButton);
        QCOMPARE(c.Divisao, qint16(28));
        QCOMPARE(avisos, 5);
    }

    // Showing a panel raises nothing.
    void coresExibirPainel_data()
    {
        QTest::addColumn<int>("divisao");
        QTest::addColumn<TCor>("esquerda");
        QTest::addColumn<TCor>("direita");
        QTest::addColumn<bool>("liga");
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QString>("nomeEsquerda");
        QTest::addColumn<QString>("nomeDireita");
        QTest::newRow("28, red and white") << 28 << TCor(0xFF) << TCor(0xFFFFFF) << true << u"28"_s << u"Vermelho"_s
                                           << u"Branco"_s;
        QTest::newRow("no division, colour not in the list")
            << 0 << TCor(0xFF) << TCor(0x123456) << false << QString() << QString() << u"Amarelo"_s;
        QTest::newRow("division 40") << 40 << TCor(0x123456) << TCor(0xFF0000) << true << QString() << QString()
                                     << u"Azul"_s;
    }
    void coresExibirPainel()
    {
        QFETCH(int, divisao);
        QFETCH(TCor, esquerda);
        QFETCH(TCor, direita);
        QFETCH(bool, liga);
        QFETCH(QString, coluna);
        QFETCH(QString, nomeEsquerda);
        QFETCH(QString, nomeDireita);
        TPainelLed painel;
        painel.DefinirNroColunas(80);
        painel.DefinirDivisaoNaColuna(divisao);
        painel.DefinirCores(esquerda, direita, 0);
        TFme_CoresLED c;
        QTest::mouseClick(c.btnHabilitarDivColuna, Qt::LeftButton);
        int avisos = 0;
        c.AoAlterar = [&](TFme_CoresLED *) { ++avisos; };
        c.ExibirPainel(painel);
        QCOMPARE(avisos, 0);
        QCOMPARE(c.Divisao, qint16(divisao));
        QCOMPARE(c.btnHabilitarDivColuna->isChecked(), liga);
        QCOMPARE(c.btnDesabilitarDivColuna->isChecked(), !liga);
        QCOMPARE(c.Rbt_Coluna28->isChecked(), coluna == u"28"_s);
        QCOMPARE(c.Rbt_Coluna32->isChecked(), coluna == u"32"_s);
        QCOMPARE(nomeDaCor(c.Cbo_CorLED2), nomeEsquerda);
        QCOMPARE(nomeDaCor(c.Cbo_CorLED1), nomeDireita);
        QCOMPARE(c.Cbo_CorLED2->isEnabled(), liga);
        QCOMPARE(c.Rg_Coluna->isEnabled(), liga);
        QVERIFY(c.Cbo_CorLED1->isEnabled());
    }

    // A panel shown with division 32: "Liga" keeps 32.
    void coresLigaMantem32()
    {
        TPainelLed painel;
        painel.DefinirNroColunas(80);
        painel.DefinirDivisaoNaColuna(32);
        TFme_CoresLED c;
        c.ExibirPainel(painel);
        QTest::mouseClick(c.btnHabilitarDivColuna, Qt::LeftButton);
        QCOMPARE(c.Divisao, qint16(32));
        QVERIFY(c.Rbt_Coluna32->isChecked());
    }

    // In the frame the choice reaches the active panel.
    void coresNoPainelAtivo()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}});
        j.ClicarPainel(2);
        j.Clicar(j.editor->Fme_CoresLED->btnHabilitarDivColuna);
        QCOMPARE(j.Painel(2).DivisaoNaColuna(), 28);
        QCOMPARE(j.Painel(2).CorLedNaDivisao(), TCor(0x0000FF00));
        QCOMPARE(j.Painel(2).CorLed(), TCor(0x0000FFFF));
        QCOMPARE(j.Painel(1).DivisaoNaColuna(), 0);
        j.editor->Fme_CoresLED->Cbo_CorLED1->setCurrentIndex(1);
        QCOMPARE(j.Painel(2).CorLed(), TCor(0x00FFFFFF));
    }

    // Showing raises nothing; after HabilitarBotoesRolagem Rolar is the saved false, "Liga" still down.
    void ferramentasDeRolagemEGraficos()
    {
        TFme_Rolagem r;
        int avisosRolagem = 0;
        r.AoAlterar = [&](TFme_Rolagem *) { ++avisosRolagem; };
        r.ExibirRolagem(true);
        QVERIFY(r.Rolar && r.Btn_Rolar->isChecked());
        r.Btn_Rolar->setEnabled(false);
        r.HabilitarBotoesRolagem();
        QVERIFY(!r.Rolar);
        QVERIFY(r.Btn_Rolar->isChecked() && r.Btn_Rolar->isEnabled() && r.Btn_NaoRolar->isEnabled());
        QCOMPARE(avisosRolagem, 0);
        QTest::mouseClick(r.Btn_NaoRolar, Qt::LeftButton);
        QVERIFY(!r.Rolar && r.Btn_NaoRolar->isChecked());
        QCOMPARE(avisosRolagem, 1);

        TFme_Graficos g;
        QList<bool> avisos;
        g.AoAlterar = [&](TFme_Graficos *f) { avisos << f->Habilitado; };
        g.Espessura = 3;
        g.ExibirModoGrafico(true);
        QVERIFY(avisos.isEmpty() && g.Btn_Habilitar->isChecked());
        g.ReiniciarGraficos();
        QCOMPARE(avisos, (QList<bool>{true, false}));
        QCOMPARE(g.Espessura, qint16(0));
        QVERIFY(g.Btn_Desabilitar->isChecked());
    }

    // The simulator plays the signs as the bus does, as the pictures and the
    // GIF do: two front messages take turns, the scrolling side sign scrolls all
    // the while, the rear sign with one message keeps it; nothing is stored.
    void simuladorComoOOnibus()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}, {3, 13, 32}});
        const auto digitar = [&](int p, const QString &texto) {
            j.ClicarPainel(p);
            j.editor->FocarPainelAtivo();
            QTest::keyClicks(j.Painel(p).CapturaDeTeclas(), texto);
        };
        digitar(3, u"5"_s);
        j.ClicarPainel(2);
        j.Clicar(j.editor->Fme_Rolagem->Btn_Rolar);
        digitar(2, u"VIA EXPRESSA SUL TERMINAL"_s);
        digitar(1, u"UM"_s);
        j.Clicar(j.editor->findChild<QRadioButton *>(u"Rbt_Rotativo2"_s));
        digitar(1, u"DOIS"_s);
        j.Clicar(j.editor->findChild<QRadioButton *>(u"Rbt_Rotativo1"_s));
        const auto registros = j.editor->Fme_Rotativo->Rotativos().size();

        j.Clicar(j.editor->Btn_IniciaSimulador);
        QVERIFY(j.editor->Tmr_Rolagem->isActive());
        QCOMPARE(j.editor->Tmr_Rolagem->interval(), 5);
        QCOMPARE(j.editor->Tmr_Simulador->interval(), 2000);
        QCOMPARE(j.Painel(1).Rotulo(), u"UM"_s);
        for (int passo = 0; passo < 3; ++passo)
            j.editor->Tmr_RolagemTimer();
        QCOMPARE(j.Painel(2).PrimeiraColuna(), 4);
        QCOMPARE(j.Painel(1).PrimeiraColuna(), 1);
        j.editor->Tmr_SimuladorTimer();
        QCOMPARE(j.Painel(1).Rotulo(), u"DOIS"_s);
        QCOMPARE(j.Painel(3).Rotulo(), u"5"_s);
        QVERIFY(!j.Painel(2).EstaVazio());
        j.editor->Tmr_RolagemTimer();
        QCOMPARE(j.Painel(2).PrimeiraColuna(), 5);
        j.Clicar(j.editor->Btn_FinalizaSimulador);
        QVERIFY(!j.editor->Tmr_Rolagem->isActive() && !j.editor->Tmr_Simulador->isActive());
        QCOMPARE(j.Painel(1).Rotulo(), u"UM"_s);
        QCOMPARE(j.Painel(3).Rotulo(), u"5"_s);
        QCOMPARE(j.editor->Fme_Rotativo->Rotativos().size(), registros);
    }

    void graficosEmTodosOsPaineis()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}, {3, 13, 32}});
        j.Clicar(j.editor->Fme_Graficos->Btn_Habilitar);
        for (int p : {1, 2, 3})
            QCOMPARE(j.Painel(p).Modo(), TModo::ModoGrafico);
        j.Clicar(j.editor->Fme_Graficos->Btn_Desabilitar);
        for (int p : {1, 2, 3})
            QCOMPARE(j.Painel(p).Modo(), TModo::ModoTexto);
    }

    void escolherModelo()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}});
        j.ClicarPainel(1);
        j.editor->Cbo_Modelo->setCurrentIndex(4);
        QCOMPARE(j.Painel(1).NroLinhas(), 11);
        QCOMPARE(j.Painel(1).NroColunas(), 96);
        QCOMPARE(j.Painel(1).FonteUtilizada(), TTipoFonte::tfVeltronix11x6);
        QCOMPARE(j.editor->Fme_Fontes->Fonte(), TTipoFonte::tfVeltronix11x6);
        QCOMPARE(j.editor->Lbl_LINHAS1->text(), u"11"_s);
        QCOMPARE(j.editor->Lbl_COLUNAS1->text(), u"96"_s);
        QCOMPARE(j.editor->Cbo_Modelo->currentText(), u"Modelo 11x96"_s);
        QVERIFY(j.editor->Cbo_Modelo->isEnabled());
        // The side sign, 8 x 80, is in the list; shown, it selects its entry.
        j.ClicarPainel(2);
        QCOMPARE(j.editor->Cbo_Modelo->currentText(), u"Modelo 8x80"_s);
    }

    // 13 rows up to 14: the font stays and the list shows no entry; the spins stop at what a sign can be.
    void botoesDeTamanho()
    {
        TJanela j({{1, 13, 96}, {2, 8, 96}});
        j.ClicarPainel(2);
        QCOMPARE(j.editor->Cbo_Modelo->currentIndex(), -1);
        j.ClicarPainel(1);
        j.Painel(1).DefinirFonteUtilizada(TTipoFonte::tfVeltronix13x9);
        j.Clicar(j.editor->Sbt_LINHASTop);
        QCOMPARE(j.Painel(1).NroLinhas(), 14);
        QCOMPARE(j.Painel(1).FonteUtilizada(), TTipoFonte::tfVeltronix13x9);
        QCOMPARE(j.editor->Cbo_Modelo->currentIndex(), -1);
        QCOMPARE(j.editor->Lbl_LINHAS1->text(), u"14"_s);
        j.Clicar(j.editor->Sbt_LINHASBottom);
        QCOMPARE(j.Painel(1).NroLinhas(), 13);
        QCOMPARE(j.Painel(1).FonteUtilizada(), TTipoFonte::tfVeltronix13x7);
        QCOMPARE(j.editor->Cbo_Modelo->currentText(), u"Modelo 13x96"_s);

        j.Painel(1).DefinirNroLinhas(1);
        j.Painel(1).DefinirNroColunas(255);
        j.Clicar(j.editor->Sbt_LINHASBottom);
        j.Clicar(j.editor->Sbt_COLUNASTop);
        QCOMPARE(j.Painel(1).NroLinhas(), 1);
        QCOMPARE(j.Painel(1).NroColunas(), 255);
        j.Painel(1).DefinirNroLinhas(16);
        j.Painel(1).DefinirNroColunas(1);
        j.Clicar(j.editor->Sbt_LINHASTop);
        j.Clicar(j.editor->Sbt_COLUNASBottom);
        QCOMPARE(j.Painel(1).NroLinhas(), 16);
        QCOMPARE(j.Painel(1).NroColunas(), 1);
    }

    // Another position's panel becomes the active one in the same slot, the
    // tool showing that position's time; the same panel again changes nothing.
    void ativarOutroPainel()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}});
        j.ClicarPainel(1);
        j.editor->FocarPainelAtivo();
        QTest::keyClicks(j.Painel(1).CapturaDeTeclas(), u"CENTRO"_s);
        j.editor->Fme_Rotativo->Configuracao(2, 1).TempoExposicao = 7;
        j.ClicarPainel(2);
        QCOMPARE(j.editor->NumeroPainelAtivo, quint16(2));
        QCOMPARE(j.editor->Fme_Rotativo->UltimoPainel, u"2"_s);
        QCOMPARE(j.editor->Fme_Rotativo->RotativoAtual, quint16(1));
        QCOMPARE(j.editor->Fme_Rotativo->TempoExibido(), std::optional<qint16>(7));
        QCOMPARE(j.editor->Lbl_COLUNAS1->text(), u"80"_s);
        j.ClicarPainel(2);
        QCOMPARE(j.editor->Fme_Rotativo->RotativoAtual, quint16(1));
        QCOMPARE(j.Painel(1).Rotulo(), u"CENTRO"_s);
    }

    // Switching the simulator off puts back the rotating message the operator
    // was on when it was switched on: its box ticked, its text on every panel.
    // The side sign has a message in slot 2 only: during the play it keeps it
    // on (as the bus does), so only putting the slot back shows what slot 1 or
    // 3 holds for it (nothing).
    void simuladorVoltaAMensagem_data()
    {
        QTest::addColumn<int>("mensagem");
        QTest::newRow("mensagem 1") << 1;
        QTest::newRow("mensagem 3") << 3;
    }
    void simuladorVoltaAMensagem()
    {
        QFETCH(int, mensagem);
        TJanela j({{1, 13, 96}, {2, 8, 80}});
        const QStringList textos{u"UM"_s, u"DOIS"_s, u"TRES"_s};
        for (int i = 1; i <= 3; ++i) {
            j.ClicarPainel(1);
            j.Clicar(j.editor->findChild<QRadioButton *>(u"Rbt_Rotativo%1"_s.arg(i)));
            j.editor->FocarPainelAtivo();
            QTest::keyClicks(j.Painel(1).CapturaDeTeclas(), textos[i - 1]);
            if (i == 2) {
                j.ClicarPainel(2);
                j.editor->FocarPainelAtivo();
                QTest::keyClicks(j.Painel(2).CapturaDeTeclas(), u"LADO"_s);
            }
        }
        j.ClicarPainel(1);
        j.Clicar(j.editor->findChild<QRadioButton *>(u"Rbt_Rotativo%1"_s.arg(mensagem)));
        QCOMPARE(j.Painel(1).Rotulo(), textos[mensagem - 1]);
        QCOMPARE(j.Painel(2).Rotulo(), QString());
        j.Clicar(j.editor->Btn_IniciaSimulador);
        // The play goes on (steps of its timer) to message 2.
        for (int passo = 0; passo < 3 && j.editor->Fme_Rotativo->RotativoAtual != 2; ++passo)
            j.editor->Tmr_SimuladorTimer();
        QCOMPARE(j.Painel(2).Rotulo(), u"LADO"_s);
        j.Clicar(j.editor->Btn_FinalizaSimulador);
        QCOMPARE(j.editor->Fme_Rotativo->RotativoMarcado(), quint16(mensagem));
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(j.editor->findChild<QRadioButton *>(u"Rbt_Rotativo%1"_s.arg(i))->isChecked(), i == mensagem);
        QCOMPARE(j.Painel(1).Rotulo(), textos[mensagem - 1]);
        QCOMPARE(j.Painel(2).Rotulo(), QString());
    }

    // A choice of model and the row and column buttons change the active sign's
    // size only, whichever position it is.
    void tamanhoSoDoPainelAtivo_data()
    {
        QTest::addColumn<int>("posicao");
        QTest::newRow("frontal") << 1;
        QTest::newRow("lateral") << 2;
        QTest::newRow("traseiro") << 3;
        QTest::newRow("auxiliar") << 4;
    }
    void tamanhoSoDoPainelAtivo()
    {
        QFETCH(int, posicao);
        TJanela j({{1, 13, 96}, {2, 8, 80}, {3, 13, 32}, {4, 8, 40}});
        const auto tamanhos = [&] {
            QList<QSize> r;
            for (int p = 1; p <= 4; ++p)
                r << QSize(j.Painel(p).NroColunas(), j.Painel(p).NroLinhas());
            return r;
        };
        QList<QSize> esperado = tamanhos();
        j.ClicarPainel(posicao);
        j.editor->Cbo_Modelo->setCurrentIndex(TEditorPaineis::IndiceDoModelo(11, 112));
        esperado[posicao - 1] = QSize(112, 11);
        QCOMPARE(tamanhos(), esperado);
        j.Clicar(j.editor->Sbt_LINHASTop);
        j.Clicar(j.editor->Sbt_COLUNASBottom);
        esperado[posicao - 1] = QSize(111, 12);
        QCOMPARE(tamanhos(), esperado);
    }

    // Scrolling off clears the active panel and discards every slot of every position.
    void rolagemDesligadaDescartaRotativos()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}});
        j.ClicarPainel(1);
        j.Clicar(j.editor->findChild<QRadioButton *>(u"Rbt_Rotativo3"_s));
        QCOMPARE(j.editor->Fme_Rotativo->RotativoAtual, quint16(3));
        j.Clicar(j.editor->Fme_Rolagem->Btn_Rolar);
        QCOMPARE(j.Painel(1).Rolagem(), TRolagem::tsEsquerda);
        QVERIFY(!j.editor->Fme_Rotativo->isEnabled());
        QVERIFY(!j.editor->Fme_Fontes->Btn_AlinhaCentro->isEnabled());
        j.Painel(1).Led(1, 1, true)->DefinirAcesa(true);

        j.Clicar(j.editor->Fme_Rolagem->Btn_NaoRolar);
        QCOMPARE(j.Painel(1).Rolagem(), TRolagem::tsNenhum);
        QVERIFY(j.Painel(1).EstaVazio());
        QVERIFY(j.editor->Fme_Rotativo->isEnabled());
        QVERIFY(j.editor->Fme_Fontes->Btn_AlinhaCentro->isEnabled());
        QCOMPARE(j.editor->Fme_Rotativo->RotativoAtual, quint16(1));
        for (const auto &c : j.editor->Fme_Rotativo->Rotativos())
            QCOMPARE(c->NroRotativo, quint16(1));
    }

    // On: every panel in ModoSimulador, the timer at the slot's exposure time. Off: back, the timer stopped.
    void simuladorLigaDesliga()
    {
        TJanela j({{1, 13, 96}, {2, 8, 80}});
        int avisos = 0;
        j.editor->AoAlterarSimulador = [&](TFme_Painel *) { ++avisos; };
        j.ClicarPainel(1);
        j.Clicar(j.editor->Btn_IniciaSimulador);
        QCOMPARE(avisos, 1);
        QVERIFY(j.editor->Btn_IniciaSimulador->isChecked());
        QCOMPARE(j.Painel(1).Modo(), TModo::ModoSimulador);
        QCOMPARE(j.Painel(2).Modo(), TModo::ModoSimulador);
        QVERIFY(j.editor->Tmr_Simulador->isActive());
        QCOMPARE(j.editor->Tmr_Simulador->interval(), 2000);

        j.Clicar(j.editor->Btn_FinalizaSimulador);
        QCOMPARE(avisos, 2);
        QCOMPARE(j.Painel(1).Modo(), TModo::ModoTexto);
        QCOMPARE(j.Painel(2).Modo(), TModo::ModoTexto);
        QVERIFY(!j.editor->Tmr_Simulador->isActive());
    }

    // Scrolling: 5 ms steps; off, the scrolling panel's cursor column is back.
    void simuladorDeRolagem()
    {
        TJanela j({{1, 13, 96}});
        j.ClicarPainel(1);
        j.Clicar(j.editor->Fme_Rolagem->Btn_Rolar);
        j.editor->FocarPainelAtivo();
        QTest::keyClicks(j.Painel(1).CapturaDeTeclas(), u"VIA EXPRESSA"_s);
        const int cursor = j.Painel(1).ColunaCursor();
        j.Clicar(j.editor->Btn_IniciaSimulador);
        QCOMPARE(j.editor->Tmr_Rolagem->interval(), 5);
        QTRY_VERIFY(j.Painel(1).PrimeiraColuna() > 3);
        j.Clicar(j.editor->Btn_FinalizaSimulador);
        QVERIFY(!j.editor->Tmr_Rolagem->isActive() && !j.editor->Tmr_Simulador->isActive());
        QCOMPARE(j.Painel(1).ColunaCursor(), cursor);
    }

    // Exposure time 0: no step follows; switching off still works.
    void tempoZeroParaOsPassos()
    {
        TJanela j({{1, 13, 96}});
        j.ClicarPainel(1);
        QToolButton *menos = j.editor->findChild<QToolButton *>(u"Sbt_TEMPOEXPBottom"_s);
        j.Clicar(menos);
        j.Clicar(menos);
        QCOMPARE(j.editor->Fme_Rotativo->SelecionarRotativo(1, false).TempoExposicao, qint16(0));
        j.Clicar(j.editor->Btn_IniciaSimulador);
        QVERIFY(!j.editor->Tmr_Simulador->isActive());
        QCOMPARE(j.Painel(1).Modo(), TModo::ModoSimulador);
        j.Clicar(j.editor->Btn_FinalizaSimulador);
        QCOMPARE(j.Painel(1).Modo(), TModo::ModoTexto);
        QVERIFY(!j.editor->Tmr_Simulador->isActive());
    }
};

QTEST_MAIN(TesteFmePainel)
#include "tst_fmepainel.moc"
