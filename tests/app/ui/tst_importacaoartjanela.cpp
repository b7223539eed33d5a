#include <QTemporaryDir>
#include <QtTest>

#include "app/URecuperacao.h"
#include "app/linhas_fixture.h"
#include "app/ui/janela_fixture.h"
#include "output/ULeituraArquivo.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"
#include "panel/ui/URespostasMensagem.h"

// "Abrir Archivo do PenDrive..." in the start-up selection, through the main
// window with the operator's clicks and keys.
class TesteImportacaoArtJanela : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QString art;            // front and side signs of 8 x 80, two destinations
    QByteArray bytes;       // its bytes

    QString caminho(const QString &nome) const { return pasta.filePath(nome); }
    static QString celula(TJanela &j, int linha, int coluna)
    {
        const QAbstractItemModel *m = j.Lista().Dbg_DestinosExtras->model();
        return m->data(m->index(linha, coluna)).toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TRecuperacao::DefinirPasta(caminho(u"recuperacao"_s));
        TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        TGeracaoArquivo g;
        Fixture::DoisPaineis(g, 2);
        bytes = g.GerarBytes();
        art = caminho(u"ONIBUS 12.art"_s);
        QVERIFY(Fixture::GravarArquivo(art, bytes));
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // The selection's button opens the rebuilt project, unsaved, with one
    // message; its destinations load and store unchanged (the front label too,
    // though its message has no typed characters), it prints and it transfers
    // to the same bytes.
    void abrirPeloBotao()
    {
        TJanela j;
        TRespostasMensagem caixas({TMensagem::mrOk});
        {
            TRespostasDialogos d;
            abrirPenDrive(d, art);
            j.janela.Timer1Timer();
            QCOMPARE(d.Pedidos().size(), 1);
            QCOMPARE(d.Pedidos().first().Titulo, u"Abrir Archivo do PenDrive..."_s);
            QCOMPARE(d.Pedidos().first().Filtro, u"Arquivos PenDrive (*.art)|*.art|Todos os Arquivos (*.*)|*.*"_s);
            QCOMPARE(d.Restantes(), 0);
        }
        QVERIFY(j.janela.Projeto());
        QCOMPARE(j.janela.Projeto()->NomeArquivo, QString());
        QVERIFY(j.janela.Projeto()->Alterado);
        QVERIFY(j.janela.windowTitle().contains(u"[ NOVO ]"_s));
        QCOMPARE(caixas.Pedidos().size(), 1);
        const TPedidoMensagem &mensagem = caixas.Pedidos().first();
        QCOMPARE(mensagem.Tipo, TTipoMensagem::mtInformation);
        QVERIFY2(mensagem.Texto.startsWith(u"Projeto reconstruído do arquivo \"%1\": Frontal 2 destinos, 0 extras; "
                                           u"Lateral 2 destinos, 0 extras.\r\nOs textos voltam como desenhos de LEDs"_s
                                               .arg(art)),
                 qPrintable(mensagem.Texto));
        QVERIFY(!mensagem.Texto.contains(u"não grava o mesmo arquivo"_s));

        // The signs and their sizes; the list's labels.
        QVERIFY(j.Editor().FlexLed(1) && j.Editor().FlexLed(2));
        QVERIFY(!j.Editor().FlexLed(3) && !j.Editor().FlexLed(4));
        QCOMPARE(j.Painel(1).NroLinhas(), 8);
        QCOMPARE(j.Painel(2).NroColunas(), 80);
        QCOMPARE(celula(j, 0, 1), u"LINHA 1"_s);
        QCOMPARE(celula(j, 0, 2), u"Destino 1"_s);
        QCOMPARE(celula(j, 1, 2), u"Destino 2"_s);

        // Destination 1 on the panels as on the bus, stored again unchanged.
        const TLinhas antes = linhasGuardadas(j.Destinos());
        j.DuploClique(0);
        QVERIFY(j.Painel(1).Led(1, 1, false)->Acesa);
        QVERIFY(j.Painel(1).Led(8, 80, false)->Acesa);
        QVERIFY(j.Painel(2).Led(2, 2, false)->Acesa);
        j.SalvarDestino();
        QCOMPARE(diferenca(j.Destinos(), antes, linhasGuardadas(j.Destinos())), QString());
        QCOMPARE(celula(j, 0, 1), u"LINHA 1"_s);

        j.Tecla(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(j.impressoes, (QList<QList<bool>>{{true, true, false, false}}));

        const QString devolta = caminho(u"devolta.art"_s);
        TRespostasMensagem transferencia({TMensagem::mrYes, TMensagem::mrOk});
        {
            TRespostasDialogos d;
            d.ResponderArquivo(devolta);
            QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        }
        QCOMPARE(transferencia.Inesperados().size(), 0);
        QCOMPARE(Fixture::LerArquivo(devolta), bytes);
    }

    // A damaged file: its error in the error box, nothing opened, then the selection again.
    void arquivoDanificado()
    {
        const QString danificado = caminho(u"danificado.art"_s);
        QVERIFY(Fixture::GravarArquivo(danificado, bytes.left(300)));
        QString esperado;
        try {
            LerArquivoSaida(danificado);
        } catch (const TErro &e) {
            esperado = e.Mensagem;
        }
        QVERIFY(!esperado.isEmpty());
        TJanela j;
        TRespostasMensagem caixas({TMensagem::mrOk});
        TRespostasDialogos d;
        abrirPenDrive(d, danificado);
        d.ResponderJanela([](QDialog &) { return int(TFrm_TipoOnibusVeltronix::ResultadoFechado); });
        j.janela.Timer1Timer();
        QCOMPARE(caixas.Pedidos().size(), 1);
        QCOMPARE(caixas.Pedidos().first().Tipo, TTipoMensagem::mtError);
        QCOMPARE(caixas.Pedidos().first().Texto, esperado);
        QCOMPARE(d.Janelas().size(), 2);
        QVERIFY(!j.janela.Projeto());
        QCOMPARE(j.terminou, 1);
    }
};

QTEST_MAIN(TesteImportacaoArtJanela)
#include "tst_importacaoartjanela.moc"
