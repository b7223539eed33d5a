#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/URecuperacao.h"
#include "app/ui/UAmbiente.h"
#include "app/ui/UFrmImportarLista.h"
#include "app/ui/cortes_fixture.h"
#include "app/ui/janela_fixture.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFrmPictogramas.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"
#include "panel/ui/UFrmDimensaoTexto.h"
#include "panel/ui/UMensagem.h"
#include "panel/ui/URespostasMensagem.h"
#include "print/ui/UFrmPreviewQuickReport.h"

using namespace Qt::StringLiterals;

// Every window and dialog of the program opened as the operator opens them,
// on a depot laptop's 1366 x 768 screen with the fonts the package installs:
// no text is cut and nothing leaves the screen.
class TesteTextosInteiros : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    // The biggest bus: every position fitted with its largest model.
    const TItensSelecao quatroSinais{3, 1, 2, 1};

    QString caminho(const QString &nome) const { return pasta.filePath(nome); }

    static QStringList medir(QWidget &janela)
    {
        if (!QTest::qWaitForWindowExposed(&janela))
            return {u"a janela \"%1\" não apareceu"_s.arg(janela.windowTitle())};
        return Cortes::DaJanela(janela);
    }
    // The main window maximized as the program starts it, under a desktop's
    // panel and its own title bar (about 60 pixels together), with a new project.
    static void abrirProjeto(TJanela &j, const TItensSelecao &itens)
    {
        maximizar(j);
        novoProjeto(j, itens);
        QVERIFY(j.janela.Projeto());
    }
    static void maximizar(TJanela &j)
    {
        j.janela.setGeometry(0, 0, 1366, 768 - 60);
        QVERIFY(QTest::qWaitForWindowExposed(&j.janela));
    }
    // A real message box with the text and buttons of one the program asked for.
    static QStringList medirCaixa(const TPedidoMensagem &pedido)
    {
        QStringList cortes{u"nenhuma caixa"_s};
        QTimer::singleShot(0, [&] {
            QWidget *caixa = QApplication::activeModalWidget();
            if (!caixa)
                return;
            cortes = medir(*caixa);
            caixa->findChildren<QPushButton *>().constFirst()->click();
        });
        const TRespondedorMensagem anterior = TMensagem::DefinirRespondedor({});
        if (pedido.Opcoes.isEmpty())
            TMensagem::MostrarMensagem(pedido.Texto, pedido.Tipo, pedido.Traduzir, pedido.ResultadoPadrao,
                                       pedido.ContextoAjuda, pedido.Botoes);
        else
            TMensagem::Escolher(pedido.Texto, pedido.Tipo, pedido.Opcoes);
        TMensagem::DefinirRespondedor(anterior);
        return cortes;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        const QRect tela = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(tela.size(), QSize(1366, 768));
        QVERIFY2(QFontDatabase::families().contains(u"Tahoma"_s), "Tahoma (fonts-wine) is not installed");
        TRecuperacao::DefinirPasta(caminho(u"recuperacao"_s));
        TMensagem::DefinirTituloAplicacao(u"Dorvik  System"_s);
        TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // The start-up selection, with every model in its boxes.
    void selecao()
    {
        TJanela j;
        maximizar(j);
        QStringList cortes{u"a seleção não abriu"_s};
        TRespostasDialogos d;
        d.ResponderJanela([&](QDialog &janela) {
            janela.show();
            cortes = medir(janela);
            return int(QDialog::Rejected);
        });
        j.janela.Timer1Timer();
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    void janelaPrincipal_data()
    {
        QTest::addColumn<TItensSelecao>("itens");
        QTest::addColumn<bool>("extras");
        QTest::newRow("quatro letreiros, destinos") << quatroSinais << false;
        QTest::newRow("quatro letreiros, extras") << quatroSinais << true;
        QTest::newRow("só o frontal, destinos") << TItensSelecao{1, 0, 0, 0} << false;
    }
    // The work area, the list with a destination in it and the buttons, as the
    // operator sees them after storing one.
    void janelaPrincipal()
    {
        QFETCH(TItensSelecao, itens);
        QFETCH(bool, extras);
        TJanela j;
        abrirProjeto(j, itens);
        if (extras)
            QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        const QStringList cortes = medir(j.janela);
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
        // The editor's background fills the work area, also after a command
        // laid its panels out again: no grey band below them.
        TRespostasDialogos d;
        d.ResponderArquivo({});
        j.janela.Act_SalvarComoProjeto->trigger();
        QCOMPARE(j.Editor().geometry(), j.janela.Pnl_AreaTrabalho->rect());
    }

    // The progress label of each command that shows one, measured while the command waits for the operator.
    void progresso()
    {
        TJanela j(false);
        abrirProjeto(j, quatroSinais);
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        QStringList cortes;
        int medidas = 0;
        const auto medirJanela = [&] {
            ++medidas;
            QVERIFY(j.janela.Lbl_Salvando->isVisible());
            cortes << medir(j.janela);
        };
        // Yes to the transfer; not saving the project before "Volver a Selecion".
        TRespostasMensagem r({TMensagem::mrYes, TMensagem::mrNo});
        TRespostasDialogos d;
        // The dialogs of the pen drive and of saving the new project, cancelled.
        const auto anterior = TDialogos::DefinirRespondedorArquivo([&](const TPedidoArquivo &) {
            medirJanela();
            return QString();
        });
        QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        j.janela.Act_SalvarProjeto->trigger();
        TDialogos::DefinirRespondedorArquivo(anterior);

        TFrm_PreviewQuickReport::ExibirModal = [&](TFrm_PreviewQuickReport &) { medirJanela(); };
        const auto restaurar = qScopeGuard([] { TFrm_PreviewQuickReport::ExibirModal = nullptr; });
        j.janela.Comandos.ImprimirListagem = [&](bool, bool, bool, bool) { medirJanela(); };
        QTest::mouseClick(j.janela.Btn_ImprimirProjeto, Qt::LeftButton);

        // "Volver a Selecion", "Adicionar Painel": the selection comes while the label shows.
        d.ResponderJanela([](QDialog &escolha) {
            escolha.show();
            QTest::mouseClick(escolha.findChild<QPushButton *>(u"Btn_AdicionarPainel"_s), Qt::LeftButton);
            return escolha.result();
        });
        d.ResponderJanela([&](QDialog &) {
            medirJanela();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(j.janela.btn_VolaraSelecao, Qt::LeftButton);
        QCOMPARE(medidas, 4);
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // "Volver a Selecion" with a project open: the choice of adding a sign or closing.
    void escolha()
    {
        TJanela j;
        abrirProjeto(j, quatroSinais);
        QStringList cortes{u"a escolha não abriu"_s};
        TRespostasDialogos d;
        d.ResponderJanela([&](QDialog &janela) {
            janela.show();
            cortes = medir(janela);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(j.janela.btn_VolaraSelecao, Qt::LeftButton);
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // The text-dimension window, opened by a line that does not fit, with its reason.
    void dimensaoTexto()
    {
        TJanela j;
        abrirProjeto(j, quatroSinais);
        j.Digitar(3, QString(40, u'W'));
        TFrm_DimensaoTexto *janela = TFrm_DimensaoTexto::Aberto();
        QVERIFY(janela);
        QVERIFY(janela->Lbl_Motivo->isVisible());
        const QStringList cortes = medir(*janela);
        janela->close();
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // The import's preview of a list with long labels and every action.
    void importacao()
    {
        TJanela j;
        abrirProjeto(j, quatroSinais);
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        const QString lista = caminho(u"lista.csv"_s);
        QVERIFY(Fixture::GravarArquivo(
            lista, "numero;frontal;lateral;traseiro;auxiliar\n"
                   "1;TERMINAL RODOVIARIO CENTRAL;VIA AVENIDA BRASIL E PRACA DA ESTACAO;CENTRAL;CENTRAL\n"
                   "7;JARDIM DAS FLORES;VIA HOSPITAL MUNICIPAL;FLORES;FLORES\n"));
        QStringList cortes{u"a prévia não abriu"_s};
        TRespostasDialogos d;
        d.ResponderArquivo(lista);
        d.ResponderJanela([&](QDialog &janela) {
            janela.show();
            cortes = medir(janela);
            return int(QDialog::Rejected);
        });
        j.Lista().ImportarLista1->trigger();
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // The pictogram chooser at each height, opened from the header: the front
    // sign of the biggest bus (13 rows), its side sign (8), an 11-row front sign.
    void pictogramas_data()
    {
        QTest::addColumn<TItensSelecao>("itens");
        QTest::addColumn<int>("posicao");
        QTest::addColumn<int>("linhas");
        QTest::newRow("frontal, 13 linhas") << quatroSinais << 1 << 13;
        QTest::newRow("lateral, 8 linhas") << quatroSinais << 2 << 8;
        QTest::newRow("frontal, 11 linhas") << TItensSelecao{2, 1, 1, 1} << 1 << 11;
    }
    void pictogramas()
    {
        QFETCH(TItensSelecao, itens);
        QFETCH(int, posicao);
        QFETCH(int, linhas);
        TJanela j;
        abrirProjeto(j, itens);
        QCOMPARE(j.Painel(posicao).NroLinhas(), linhas);
        QTest::mouseClick(&j.Painel(posicao), Qt::LeftButton, {}, QPoint(2, 2));
        QStringList cortes{u"a escolha não abriu"_s};
        TRespostasDialogos d;
        d.ResponderJanela([&](QDialog &janela) {
            janela.show();
            cortes = medir(janela);
            // Every pictogram in sight, its name whole under it.
            const QListWidget *lista = static_cast<TFrm_Pictogramas &>(janela).Lst_Pictogramas;
            const QFontMetrics medidas(lista->font());
            for (int i = 0; i < lista->count(); ++i) {
                const QRect lugar = lista->visualItemRect(lista->item(i));
                const QString nome = lista->item(i)->text();
                if (!lista->viewport()->rect().contains(lugar))
                    cortes << u"\"%1\" fora da lista"_s.arg(nome);
                if (lugar.width() < medidas.horizontalAdvance(nome))
                    cortes << u"\"%1\" cortado"_s.arg(nome);
            }
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(j.Editor().Btn_Pictograma, Qt::LeftButton);
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // The preview of a picture on the widest sign, and of a wide one on a sign that scrolls.
    void previaImagem_data()
    {
        QTest::addColumn<bool>("rolar");
        QTest::newRow("sem rolagem") << false;
        QTest::newRow("rolando") << true;
    }
    void previaImagem()
    {
        QFETCH(bool, rolar);
        TJanela j;
        abrirProjeto(j, quatroSinais);
        QTest::mouseClick(&j.Painel(1), Qt::LeftButton, {}, QPoint(2, 2));
        if (rolar)
            QTest::mouseClick(j.Editor().Fme_Rolagem->Btn_Rolar, Qt::LeftButton);
        QImage imagem(2000, 100, QImage::Format_RGB32);
        imagem.fill(Qt::black);
        const QString arquivo = caminho(u"faixa.png"_s);
        QVERIFY(imagem.save(arquivo));
        QStringList cortes{u"a prévia não abriu"_s};
        TRespostasDialogos d;
        d.ResponderArquivo(arquivo);
        d.ResponderJanela([&](QDialog &janela) {
            janela.show();
            cortes = medir(janela);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(j.Editor().Btn_Imagem, Qt::LeftButton);
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // The print preview of the list, as the print command shows it.
    void previa()
    {
        TJanela j(false);
        abrirProjeto(j, quatroSinais);
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        QStringList cortes{u"a prévia não abriu"_s};
        TFrm_PreviewQuickReport::ExibirModal = [&](TFrm_PreviewQuickReport &previa) {
            previa.show();
            cortes = medir(previa);
        };
        const auto restaurar = qScopeGuard([] { TFrm_PreviewQuickReport::ExibirModal = nullptr; });
        QTest::mouseClick(j.janela.Btn_ImprimirProjeto, Qt::LeftButton);
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // The message after a project is rebuilt from a pen drive file, with the
    // notice that the file holds what the program never writes (its longest form).
    void reconstrucao()
    {
        TGeracaoArquivo g;
        Fixture::DoisPaineis(g, 16);
        const QString arquivo = caminho(u"DESTINOS DA LINHA 12.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, g.GerarBytes()));
        TJanela j;
        maximizar(j);
        TRespostasMensagem r({TMensagem::mrOk});
        {
            TRespostasDialogos d;
            abrirPenDrive(d, arquivo);
            j.janela.Timer1Timer();
        }
        QVERIFY(j.janela.Projeto());
        QCOMPARE(r.Pedidos().size(), 1);
        QVERIFY(r.Pedidos().first().Texto.contains(u"não grava o mesmo arquivo"_s));
        const QStringList cortes = medirCaixa(r.Pedidos().first());
        QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join(u'\n')));
    }

    // The boxes of a transfer to a pen drive (the question, the builder's
    // overwrite question, the success with "Ejetar") and of a removal, shown for real.
    void caixas()
    {
        const QString pen = caminho(u"media/ana/PENDRIVE"_s);
        QVERIFY(QDir().mkpath(pen));
        TJanela j;
        j.janela.Comandos.UnidadesRemoviveis = [&] { return QList<TUnidadeRemovivel>{{pen, u"/dev/sdb1"_s}}; };
        j.janela.Comandos.EjecaoDisponivel = [] { return true; };
        j.janela.Comandos.Ejetar = [](const TUnidadeRemovivel &) {};
        abrirProjeto(j, quatroSinais);
        j.Digitar(1, u"CENTRO"_s);
        j.SalvarDestino();
        const QString arquivo = pen + u"/DESTINOS.art"_s;
        TRespostasMensagem r({TMensagem::mrYes, 0, TMensagem::mrYes, TMensagem::mrYes, 0});
        for (int vez = 0; vez < 2; ++vez) {
            TRespostasDialogos d;
            d.ResponderArquivo(arquivo);
            QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        }
        QCOMPARE(r.Pedidos().size(), 5);
        QVERIFY(r.Inesperados().isEmpty());
        for (const TPedidoMensagem &pedido : r.Pedidos()) {
            const QStringList cortes = medirCaixa(pedido);
            QVERIFY2(cortes.isEmpty(), qPrintable(pedido.Texto + u'\n' + cortes.join(u'\n')));
        }
    }
};

int main(int argc, char **argv)
{
    // Offscreen, the screen is a depot laptop's.
    QTemporaryDir configuracao;
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (plataforma.isEmpty() || plataforma == "offscreen") {
        const QString tela = configuracao.filePath(u"tela.json"_s);
        Fixture::GravarArquivo(tela, R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366,
                                          "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}],
                                          "windowFrameMargins": false})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(tela));
    }
    QApplication aplicacao(argc, argv);
    PrepararAmbiente(aplicacao);
    TesteTextosInteiros teste;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_textosinteiros.moc"
