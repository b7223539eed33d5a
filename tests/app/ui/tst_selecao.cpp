#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/UVersao.h"
#include "app/ui/UFrmAdicionarPainel.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "panel/ui/UMensagem.h"
#include "panel/ui/URespostasDialogos.h"
#include "panel/ui/URespostasMensagem.h"

using namespace Qt::StringLiterals;

// The choice of the bus's signs and the choice after "Volver a Selecion", answered by clicks.
class TesteSelecao : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TMensagem::DefinirTituloAplicacao(u"Dorvik  System"_s); }

    void telaDaSelecao()
    {
        TFrm_TipoOnibusVeltronix d;
        QCOMPARE(d.windowTitle(), u"Dorvik  System "_s + TextoVersao());
        QCOMPARE(d.size(), QSize(595, 209));
        QCOMPARE(d.Cb_ModeloFrontal->count(), 4);
        QCOMPARE(d.Cb_ModeloFrontal->itemText(0), u"S e l e c i o n e"_s);
        QCOMPARE(d.Cb_ModeloFrontal->itemText(2), QString(13, u' '));
        QCOMPARE(d.Cb_ModeloTraseiro->itemText(2), u"Modelo 13 X 32"_s);
        for (QComboBox *c : {d.Cb_ModeloFrontal, d.Cb_ModeloLateral, d.Cb_ModeloTraseiro, d.Cb_ModeloAuxiliar}) {
            QCOMPARE(c->currentIndex(), 0);
            QVERIFY(!c->isEditable());
            QVERIFY(c->isEnabled());
        }
    }

    // "OK" with nothing chosen shows the message and keeps the dialog and its boxes.
    void okSemModelo()
    {
        TEstadoModelos estado;
        QString arquivo;
        TRespostasMensagem respostas({TMensagem::mrOk});
        TRespostasDialogos dialogos;
        dialogos.ResponderJanela([](QDialog &d) {
            auto &s = static_cast<TFrm_TipoOnibusVeltronix &>(d);
            s.show();
            QTest::mouseClick(s.Btn_OK, Qt::LeftButton);
            const bool aberta = s.isVisible() && s.result() == 0;
            s.Cb_ModeloTraseiro->setCurrentIndex(2);
            QTest::mouseClick(s.Btn_OK, Qt::LeftButton);
            return aberta ? s.result() : -1;
        });
        QCOMPARE(SelecionaModelos(estado, arquivo, nullptr), TFrm_TipoOnibusVeltronix::ResultadoOk);
        QCOMPARE(respostas.Pedidos().size(), 1);
        QCOMPARE(respostas.Pedidos().first().Texto,
                 u"ATENÇÃO:\r\nSelecione ao menos um modelo de itinerário para continuar."_s);
        QCOMPARE(respostas.Pedidos().first().Tipo, TTipoMensagem::mtError);
        QVERIFY(estado.TemTraseiro && !estado.TemFrontal);
        QCOMPARE(estado.ModeloTraseiro, quint8(5));
    }

    // Opening again shows the current choice; closed, the boxes are still written back.
    void selecaoAtualMostrada()
    {
        TEstadoModelos estado;
        estado.TemTraseiro = true;
        estado.ModeloTraseiro = 5;
        estado.TemFrontal = true;
        estado.ModeloFrontal = 2;
        QString arquivo = u"antigo"_s;
        TRespostasDialogos dialogos;
        QList<int> vistos;
        dialogos.ResponderJanela([&](QDialog &d) {
            auto &s = static_cast<TFrm_TipoOnibusVeltronix &>(d);
            vistos << s.Cb_ModeloFrontal->currentIndex() << s.Cb_ModeloTraseiro->currentIndex();
            s.Cb_ModeloLateral->setCurrentIndex(1);
            return int(QDialog::Rejected);
        });
        QCOMPARE(SelecionaModelos(estado, arquivo, nullptr), TFrm_TipoOnibusVeltronix::ResultadoFechado);
        QCOMPARE(vistos, (QList<int>{2, 2}));
        QVERIFY(estado.TemLateral);
        QCOMPARE(estado.TipoOnibus, quint8(1));
        QCOMPARE(arquivo, QString());
    }

    // "Abrir Archivo": a file that exists closes with 3; cancelled or missing keeps the dialog.
    void abrirArquivo()
    {
        QTemporaryDir pasta;
        const QString existente = pasta.filePath(u"onibus.ar1"_s);
        QFile f(existente);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TEstadoModelos estado;
        QString arquivo;
        TRespostasDialogos dialogos;
        dialogos.ResponderArquivo(QString());
        dialogos.ResponderArquivo(pasta.filePath(u"falta"_s));
        dialogos.ResponderArquivo(pasta.filePath(u"onibus"_s));
        QStringList escolhidos;
        dialogos.ResponderJanela([&](QDialog &d) {
            auto &s = static_cast<TFrm_TipoOnibusVeltronix &>(d);
            s.show();
            for (int i = 0; i < 3 && s.isVisible(); ++i) {
                QTest::mouseClick(s.Btn_AbrirArquivo, Qt::LeftButton);
                escolhidos << s.ArquivoEscolhido;
            }
            return s.result();
        });
        QCOMPARE(SelecionaModelos(estado, arquivo, nullptr), TFrm_TipoOnibusVeltronix::ResultadoAbrir);
        QCOMPARE(escolhidos, (QStringList{QString(), pasta.filePath(u"falta.ar1"_s), existente}));
        QCOMPARE(arquivo, existente);
        QCOMPARE(dialogos.Pedidos().first().Titulo, u"Abrir Archivo..."_s);
        QCOMPARE(dialogos.Pedidos().first().Filtro, u"Tipo de Archivo (*.ar1)|*.ar1|Todos os Archivos (*.*)|*.*"_s);
    }

    void escolhaAposSelecao_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<int>("escolha");
        QTest::newRow("Adicionar Painel") << u"Btn_AdicionarPainel"_s << 2;
        QTest::newRow("Fechar Arquivo") << u"Btn_FecharArquivo"_s << 1;
        QTest::newRow("Cancelar") << u"Btn_Cancelar"_s << 0;
        QTest::newRow("closed otherwise") << QString() << 0;
    }
    void escolhaAposSelecao()
    {
        QFETCH(QString, botao);
        QFETCH(int, escolha);
        TRespostasDialogos dialogos;
        dialogos.ResponderJanela([botao](QDialog &d) {
            if (botao.isEmpty())
                return int(QDialog::Rejected);
            d.show();
            QTest::mouseClick(d.findChild<QPushButton *>(botao), Qt::LeftButton);
            return d.result();
        });
        QCOMPARE(EscolherOpcaoSelecao(nullptr), escolha);
    }
};

QTEST_MAIN(TesteSelecao)
#include "tst_selecao.moc"
