#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/URecuperacao.h"
#include "app/gerador_projetos.h"
#include "app/linhas_fixture.h"
#include "app/ui/UFrmAdicionarPainel.h"
#include "app/ui/janela_fixture.h"
#include "editor/ui/UFmeCoresLED.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/USom.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UFrmDimensaoTexto.h"
#include "panel/ui/URespostasMensagem.h"

// The everyday loop as the operator does it in the window, with the keys and
// clicks the operator uses: loading, editing and storing a destination gives
// back what was stored, F2 stores where the panels came from, the questions
// and the tools leave the list and the keyboard where they were.
class TesteDestinoJanela : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    int bipes = 0;

    QString caminho(const QString &nome) const { return pasta.filePath(nome); }

    // Keys go to whatever has the keyboard: what the operator types lands there.
    static void teclar(const QString &texto)
    {
        QWidget *foco = QApplication::focusWidget();
        QVERIFY2(foco, "o teclado não está em lugar nenhum");
        QTest::keyClicks(foco, texto);
    }
    static void clicar(TJanela &j, int painel) { QTest::mouseClick(&j.Painel(painel), Qt::LeftButton, {}, QPoint(3, 3)); }
    static QToolButton *botaoRotativo(TJanela &j, const QString &nome)
    {
        return j.Editor().Fme_Rotativo->findChild<QToolButton *>(nome);
    }
    static QRadioButton *caixaRotativo(TJanela &j, int n)
    {
        return j.Editor().Fme_Rotativo->findChild<QRadioButton *>(u"Rbt_Rotativo%1"_s.arg(n));
    }
    static QByteArray art(TJanela &j)
    {
        QList<TSinalEquipado> sinais;
        for (int p = 1; p <= 4; ++p)
            if (TFlexLed *painel = j.Editor().FlexLed(p))
                sinais.append({p, painel->NroLinhas(), painel->NroColunas()});
        return TGeradorProjetos::Art(j.Lista().Dados(), sinais);
    }
    static int linhaDoNumero(TJanela &j, int numero)
    {
        TTabelaMemoria &rotulos = j.Lista().Dados().Cds_Rotulos;
        return rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {j.Lista().ModoExtra, numero}, TVazio::ComoZero)
                   ? rotulos.PosicaoCorrente()
                   : -1;
    }
    static QString rotuloGuardado(TJanela &j, bool extra, int painel, int numero)
    {
        TTabelaMemoria &t = j.Destinos();
        const TLinhas linhas = linhasGuardadas(t);
        const auto it = linhas.constFind({extra, painel, numero});
        return it == linhas.cend() ? u"-"_s : it->value(t.IndiceDaColuna(u"ROTULO1"_s)).toString();
    }
    // Destinations 1.."quantos" stored on the front sign, each its number in words.
    static void guardarDestinos(TJanela &j, const QStringList &textos)
    {
        for (const QString &texto : textos) {
            clicar(j, 1);
            teclar(texto);
            j.SalvarDestino();
        }
    }
    // A project file with the given rows; the window opens it through the selection.
    void abrirArquivo(TJanela &j, const QString &arquivo)
    {
        TRespostasDialogos d;
        abrir(d, arquivo);
        j.janela.Timer1Timer();
        QVERIFY(j.janela.Projeto());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TRecuperacao::DefinirPasta(caminho(u"recuperacao"_s));
        TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        TSom::DefinirBipe([this] { ++bipes; });
    }
    void init() { bipes = 0; }
    void cleanupTestCase()
    {
        TSom::DefinirBipe({});
        TFontesLed::DefinirArquivoDeFontes({});
    }

    // Stored, loaded with a double click and stored again with F2, untouched:
    // every column of its rows and the pen drive file are the same.
    void carregarEGravar_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("lateral rolando") << u"lateral rolando"_s;
        QTest::newRow("relógio na mensagem 2") << u"relogio na mensagem 2"_s;
        QTest::newRow("duas mensagens, gravado na segunda") << u"duas mensagens"_s;
        QTest::newRow("frontal rolando, espaços no fim") << u"frontal rolando"_s;
    }
    void carregarEGravar()
    {
        QFETCH(QString, caso);
        TJanela j;
        novoProjeto(j, {2, 1, 0, 0});
        TRespostasMensagem r;
        bool extra = false;
        if (caso == u"lateral rolando"_s) {
            clicar(j, 1);
            teclar(u"CENTRO"_s);
            clicar(j, 2);
            QTest::mouseClick(j.Editor().Fme_Rolagem->Btn_Rolar, Qt::LeftButton);
            teclar(u"VIA EXPRESSA SUL TERMINAL RODOVIARIO"_s);
        } else if (caso == u"relogio na mensagem 2"_s) {
            extra = true;
            QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
            clicar(j, 1);
            teclar(u"SAIDA"_s);
            QTest::mouseClick(botaoRotativo(j, u"Btn_ProximoRotativo"_s), Qt::LeftButton);
            teclar(u"AS "_s);
            QTest::mouseClick(j.Lista().Btn_HorarioSaida, Qt::LeftButton);
        } else if (caso == u"duas mensagens"_s) {
            clicar(j, 1);
            teclar(u"CURTO"_s);
            QTest::mouseClick(botaoRotativo(j, u"Btn_ProximoRotativo"_s), Qt::LeftButton);
            teclar(u"MENSAGEM BEM MAIS LONGA"_s);
        } else {
            clicar(j, 1);
            QTest::mouseClick(j.Editor().Fme_Rolagem->Btn_Rolar, Qt::LeftButton);
            teclar(u"LINHA 100 CENTRO VIA AVENIDA BRASIL   "_s);
        }
        j.SalvarDestino();
        const TLinhas antes = linhasGuardadas(j.Destinos());
        const QByteArray artAntes = art(j);
        QVERIFY(!doNumero(antes, extra, 1).isEmpty());
        if (caso == u"relogio na mensagem 2"_s) {
            const QVector<QVariant> frontal = antes.value({true, 1, 1});
            QCOMPARE(frontal.value(j.Destinos().IndiceDaColuna(u"FONTE_HORARIO"_s)).toInt(), 9); // 11x8
            QVERIFY(frontal.value(j.Destinos().IndiceDaColuna(u"POSXINICIAL"_s)).toInt() > 1);
        }

        j.DuploClique(linhaDoNumero(j, 1));
        j.SalvarDestino();
        const QString d = diferenca(j.Destinos(), antes, linhasGuardadas(j.Destinos()));
        QVERIFY2(d.isEmpty(), qPrintable(d));
        QCOMPARE(art(j), artAntes);
        QVERIFY(r.Pedidos().isEmpty());
    }

    // Clicking another sign and back keeps the rotating message the operator
    // is on: what is typed goes on, and no second message appears.
    void cliqueNaoTrocaAMensagem()
    {
        TJanela j;
        novoProjeto(j, {1, 1, 0, 0});
        clicar(j, 1);
        teclar(u"AAA"_s);
        clicar(j, 2);
        teclar(u"BBB"_s);
        clicar(j, 1);
        QCOMPARE(j.Editor().Fme_Rotativo->RotativoMarcado(), quint16(1));
        QVERIFY(caixaRotativo(j, 1)->isChecked());
        QCOMPARE(j.Painel(1).Rotulo(), u"AAA"_s);
        teclar(u"C"_s);
        QCOMPARE(j.Painel(1).Rotulo(), u"AAAC"_s);
        j.SalvarDestino();
        // Loaded: a click on the front sign changes nothing either.
        j.DuploClique(0);
        clicar(j, 1);
        QCOMPARE(j.Editor().Fme_Rotativo->RotativoMarcado(), quint16(1));
        QCOMPARE(j.Painel(1).Rotulo(), u"AAAC"_s);
        const TLinhas linhas = linhasGuardadas(j.Destinos());
        const QVector<QVariant> frontal = linhas.value({false, 1, 1});
        QCOMPARE(frontal.value(j.Destinos().IndiceDaColuna(u"ROTULO1"_s)).toString(), u"AAAC"_s);
        for (int i = 2; i <= 8; ++i)
            QVERIFY(frontal.value(j.Destinos().IndiceDaColuna(u"CONFIG_PAINEL%1"_s.arg(i))).isNull());
    }

    // F2 stores the panels where they came from: a line clicked once, a "Não"
    // to the pen drive, saving the project or opening it leave the list where
    // F2 does not overwrite a destination the panels did not come from.
    void f2GravaDeOndeVieram_data()
    {
        QTest::addColumn<QString>("antes");
        QTest::newRow("clique simples numa linha") << u"clique"_s;
        QTest::newRow("Não ao pen drive") << u"pendrive"_s;
        QTest::newRow("Salvar no HD") << u"salvar"_s;
        QTest::newRow("abrir o projeto") << u"abrir"_s;
    }
    void f2GravaDeOndeVieram()
    {
        QFETCH(QString, antes);
        const QString arquivo = caminho(u"f2-%1.ar1"_s.arg(antes));
        QFile::remove(arquivo);
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        guardarDestinos(j, {u"UM"_s, u"DOIS"_s, u"TRES"_s, u"QUATRO"_s, u"CINCO"_s});
        TRespostasMensagem r;
        if (antes == u"clique"_s) {
            QTableView *v = j.Lista().Dbg_DestinosExtras;
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(1, 0)).center());
            QCOMPARE(j.janela.Sincronizacao.NumeroSelecionado(), 2);
        } else if (antes == u"pendrive"_s) {
            // Destination 3 loaded and edited, then the pen drive refused.
            j.DuploClique(linhaDoNumero(j, 3));
            teclar(u" X"_s);
            r.Responder(TMensagem::mrNo);
            QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
            QCOMPARE(r.Pedidos().constLast().Texto, u"ATENCION:\rGrabar o Archivo no PenDrive?"_s);
            QCOMPARE(j.janela.Sincronizacao.NumeroSelecionado(), 3);
            QVERIFY(!j.Lista().ModoExtra);
            QCOMPARE(j.Painel(1).Rotulo(), u"TRES X"_s);
        } else {
            TRespostasDialogos d;
            d.ResponderArquivo(arquivo);
            r.Responder(TMensagem::mrOk);
            QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
            QCOMPARE(r.Pedidos().constLast().Texto, u"O Archivo foi salvo com sucesso!"_s);
        }
        if (antes == u"abrir"_s) {
            TRespostasDialogos d;
            fecharArquivo(d);
            abrir(d, arquivo);
            QTest::mouseClick(j.janela.btn_VolaraSelecao, Qt::LeftButton);
            QVERIFY(j.janela.Projeto());
        }
        if (antes != u"pendrive"_s) {
            clicar(j, 1);
            teclar(u"SEIS"_s);
        }
        j.SalvarDestino();
        const QStringList esperados = antes == u"pendrive"_s
                                          ? QStringList{u"UM"_s, u"DOIS"_s, u"TRES X"_s, u"QUATRO"_s, u"CINCO"_s, u"-"_s}
                                          : QStringList{u"UM"_s, u"DOIS"_s, u"TRES"_s, u"QUATRO"_s, u"CINCO"_s, u"SEIS"_s};
        QStringList guardados;
        for (int n = 1; n <= 6; ++n)
            guardados << rotuloGuardado(j, false, 1, n);
        QCOMPARE(guardados, esperados);
        QVERIFY(r.Inesperados().isEmpty());
    }

    // "Extra" checked by any means (assistive technology toggles it without a
    // click) switches the list; F2 then stores an extra, not over destination 1.
    void extraMarcadoSemClique()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        guardarDestinos(j, {u"UM"_s});
        j.Lista().Btn_TextoExtra->setChecked(true);
        QVERIFY(j.Lista().ModoExtra);
        QCOMPARE(j.Lista().Btn_SalvarDestino->text(), u"Salvar Extra"_s);
        clicar(j, 1);
        teclar(u"EXTRA"_s);
        j.SalvarDestino();
        QCOMPARE(rotuloGuardado(j, false, 1, 1), u"UM"_s);
        QCOMPARE(rotuloGuardado(j, true, 1, 1), u"EXTRA"_s);
        // Back: "Destino" checked the same way.
        j.Lista().Btn_TextoDestino->setChecked(true);
        QVERIFY(!j.Lista().ModoExtra);
    }

    // Which signs are fitted comes from every row of both kinds: closing with
    // "Extra" shown and opening a project of front destinations gives its front.
    // Rows made afterwards carry the project's bus type.
    void abrirComExtraMostrado()
    {
        const QString arquivo = caminho(u"frontal.ar1"_s);
        {
            TDtm_Destino d;
            d.AbrirTabelas({});
            TGeradorProjetos(7).Gerar(d); // any project; its bus type is replaced
            TTabelaMemoria &t = d.Cds_DestinosExtras;
            for (bool extra : {false, true}) {
                d.DefinirFiltroExtra(extra);
                for (t.Primeiro(); !t.Fim(); t.Proximo()) {
                    t.Editar();
                    t.DefinirValor(u"TIPOONIBUS"_s, 3);
                    t.Gravar();
                }
            }
            QVERIFY(d.SalvarArquivo(arquivo));
        }
        TJanela j;
        novoProjeto(j, {0, 1, 0, 0});
        QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
        TRespostasMensagem r;
        TRespostasDialogos d;
        fecharArquivo(d);
        abrir(d, arquivo);
        QTest::mouseClick(j.janela.btn_VolaraSelecao, Qt::LeftButton);
        QVERIFY(j.janela.Projeto());
        TDtm_Destino referencia;
        referencia.CarregarArquivo(arquivo);
        for (const auto &[chave, linha] : linhasGuardadas(referencia.Cds_DestinosExtras).asKeyValueRange())
            QVERIFY2(j.Editor().FlexLed(std::get<1>(chave)), qPrintable(u"sinal %1"_s.arg(std::get<1>(chave))));
        const int primeiro = [&] {
            for (int p = 1; p <= 4; ++p)
                if (j.Editor().FlexLed(p))
                    return p;
            return 0;
        }();
        clicar(j, primeiro);
        teclar(u"NOVO"_s);
        j.SalvarDestino();
        TTabelaMemoria &t = j.Destinos();
        const int tipo = t.IndiceDaColuna(u"TIPOONIBUS"_s);
        for (const QVector<QVariant> &linha : t.TodasAsLinhas())
            QCOMPARE(linha.value(tipo).toInt(), 3);
        QVERIFY(r.Inesperados().isEmpty());
    }

    // A new project writes its bus type into its rows, never 0.
    void tipoOnibusDoProjetoNovo()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        guardarDestinos(j, {u"UM"_s});
        TTabelaMemoria &t = j.Destinos();
        for (const QVector<QVariant> &linha : t.TodasAsLinhas())
            QCOMPARE(linha.value(t.IndiceDaColuna(u"TIPOONIBUS"_s)).toInt(), 1);
    }

    // A character that is not typed is said: a beep, the status bar naming the
    // reason, and the same words in the text-dimension window when it opens.
    void caractereRecusadoAvisado_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("fonte");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<bool>("janela");
        QTest::newRow("letra que a fonte não tem") << u"É"_s << 2 << u"A fonte 6x5 não tem o caractere É"_s << false;
        QTest::newRow("texto que não cabe") << u"123456"_s << 7
                                            << u"O texto não cabe no painel Traseiro: ligue a rolagem ou escolha uma fonte menor"_s
                                            << true;
    }
    void caractereRecusadoAvisado()
    {
        QFETCH(QString, texto);
        QFETCH(int, fonte);
        QFETCH(QString, aviso);
        QFETCH(bool, janela);
        TJanela j;
        novoProjeto(j, {1, 0, 1, 0}); // the rear sign 8 x 40
        clicar(j, 3);
        j.Painel(3).DefinirFonteUtilizada(static_cast<TTipoFonte>(fonte));
        const QString base = janela ? u"12345"_s : QString();
        for (const QChar c : base + texto)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(j.janela.PainelStatus[1]->text(), aviso);
        QVERIFY(bipes >= 1);
        TFrm_DimensaoTexto *d = TFrm_DimensaoTexto::Aberto();
        QCOMPARE(bool(d), janela);
        if (d) {
            QCOMPARE(d->Lbl_Motivo->text(), aviso);
            QVERIFY(d->Lbl_Motivo->isVisibleTo(d));
            QVERIFY(QTest::qWaitForWindowActive(d));
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(!TFrm_DimensaoTexto::Aberto());
            QVERIFY(QTest::qWaitForWindowActive(&j.janela));
            QCOMPARE(QApplication::focusWidget(), j.Painel(3).CapturaDeTeclas());
        }
    }

    // With the text-dimension window open over one sign, a click on another
    // sign closes it, gives the first its mode back, and the keys follow the click.
    void outroSinalComDimensaoAberta()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 1, 0}); // the rear sign 8 x 40
        clicar(j, 3);
        j.Painel(3).DefinirFonteUtilizada(static_cast<TTipoFonte>(7));
        teclar(u"123456"_s);
        QVERIFY(TFrm_DimensaoTexto::Aberto());
        QCOMPARE(j.Painel(3).Modo(), TModo::ModoMarcacao);
        clicar(j, 1);
        QVERIFY(!TFrm_DimensaoTexto::Aberto());
        QCOMPARE(j.Painel(3).Modo(), TModo::ModoTexto);
        QVERIFY(QTest::qWaitForWindowActive(&j.janela));
        QCOMPARE(QApplication::focusWidget(), j.Painel(1).CapturaDeTeclas());
        teclar(u"A"_s);
        QCOMPARE(j.Painel(1).TextoDigitado().size(), size_t(1));
        QCOMPARE(j.Painel(1).TextoDigitado().front()->Caractere, 'A');
    }

    // Every sign is shown whole: a 13-row rear beside an 8-row side sign makes
    // the panel area reach below the rear.
    void sinalInteiro()
    {
        TJanela j;
        novoProjeto(j, {3, 1, 2, 0}); // front 13 x 96, side 8 x 80, rear 13 x 32
        QCOMPARE(j.Painel(3).NroLinhas(), 13);
        QVERIFY(j.Painel(3).x() > j.Painel(2).x() + j.Painel(2).width()); // beside the side sign
        QWidget *area = j.Editor().ScrollBox1->widget();
        QVERIFY(j.Painel(3).geometry().bottom() < area->height());
        QVERIFY(j.Painel(3).geometry().bottom() < j.Editor().ScrollBox1->viewport()->height());
    }

    // After a click on a header or footer tool the keyboard is still the
    // active panel's: what the operator types next lands there.
    void teclasDepoisDaFerramenta_data()
    {
        QTest::addColumn<QString>("ferramenta");
        for (const char *nome : {"Btn_Rolar", "btnHabilitarDivColuna", "Cbo_CorLED1", "Sbt_DIVISAO_Cima",
                                 "Btn_AlinhaCentro", "Btn_ProximoRotativo", "Rbt_Rotativo3", "Sbt_COLUNABottom"})
            QTest::newRow(nome) << QString::fromLatin1(nome);
    }
    void teclasDepoisDaFerramenta()
    {
        QFETCH(QString, ferramenta);
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        clicar(j, 1);
        teclar(u"A"_s);
        QWidget *w = j.Editor().findChild<QWidget *>(ferramenta);
        QVERIFY(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4));
        if (auto *caixa = qobject_cast<QComboBox *>(w)) {
            // The list opens; the operator picks the third colour in it.
            QAbstractItemView *lista = caixa->view();
            QVERIFY(QTest::qWaitFor([lista] { return lista->isVisible(); }));
            QTest::keyClick(lista, Qt::Key_Down);
            QTest::keyClick(lista, Qt::Key_Down);
            QTest::keyClick(lista, Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([lista] { return !lista->isVisible(); }));
            QCOMPARE(caixa->currentIndex(), 2);
        }
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == j.Painel(1).CapturaDeTeclas(); }, 500));
        const QString antes = j.Painel(1).Rotulo();
        teclar(u"B"_s);
        QCOMPARE(j.Painel(1).Rotulo(), antes + u"B"_s);
    }

    // After a message box closes, the keys work again without a click: F12
    // shows the grid and typing lands on the panel.
    void teclasDepoisDaCaixa()
    {
        TJanela j;
        novoProjeto(j, {1, 0, 0, 0});
        clicar(j, 1);
        QTimer::singleShot(0, [] {
            if (auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                caixa->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton); // "sem alterações"
        QVERIFY(QTest::qWaitForWindowActive(&j.janela));
        QCOMPARE(QApplication::focusWidget(), j.Painel(1).CapturaDeTeclas());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        QVERIFY(j.Painel(1).Regua());
        teclar(u"OK"_s);
        QCOMPARE(j.Painel(1).Rotulo(), u"OK"_s);
    }

    // A file that is not a project: its error, then the selection again (not a
    // half window); closing the selection ends the program as at start-up.
    void aberturaFalhaVoltaASelecao()
    {
        const QString ruim = caminho(u"nao-e-projeto.ar1"_s);
        QFile f(ruim);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("isto não é um projeto");
        f.close();
        TJanela j;
        TRespostasMensagem r({TMensagem::mrOk});
        TRespostasDialogos d;
        abrir(d, ruim);
        d.ResponderJanela([](QDialog &) { return int(QDialog::Rejected); });
        j.janela.Timer1Timer();
        QCOMPARE(r.Pedidos().size(), 1);
        QCOMPARE(d.Janelas().size(), 2);
        QCOMPARE(j.terminou, 1);
        QVERIFY(!j.janela.Projeto());
        QVERIFY(!j.Destinos().Ativa());
        QVERIFY(!j.Lista().Btn_SalvarDestino->isEnabled());
    }
};

QTEST_MAIN(TesteDestinoJanela)
#include "tst_destinojanela.moc"
