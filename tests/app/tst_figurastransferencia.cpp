#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "../../bench/trabalho_bancada.h"
#include "app/UDestinoPaineis.h"
#include "app/UTransferencia.h"
#include "output/UGeracaoArquivo.h"
#include "output/ULeituraArquivo.h"
#include "panel/UFontes.h"
#include "panel/UImagemLeds.h"
#include "panel/UPictogramas.h"

using namespace Qt::StringLiterals;

// Figures go to the bus like anything drawn: a destination with a pictogram in
// the fixed part of a divided, scrolling front sign and a picture on a
// scrolling side sign, stored and transferred; every column of the ".art"
// records is the panel's column of LEDs.
class TesteFigurasTransferencia : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    // A picture: a black disc on white, 3:1, turned into the side sign's 8 rows.
    static TGradeLeds figura()
    {
        QImage imagem(120, 40, QImage::Format_RGB32);
        imagem.fill(Qt::white);
        QPainter pintor(&imagem);
        pintor.setBrush(Qt::black);
        pintor.drawEllipse(40, 0, 40, 40);
        pintor.fillRect(0, 30, 120, 10, Qt::black);
        pintor.end();
        return ImagemParaLeds(imagem, TamanhoEmLeds(imagem.size(), 8, 80, TAjusteImagem::AlturaDoPainel, false), {});
    }

    // Every LED of the record's columns is the panel's, and the panel has no lit LED past them.
    static void conferir(const TRegistroDestino &registro, const TTamanhoPainel &tamanho, TPainelLed &painel)
    {
        const int colunas = ColunasDoRegistro(registro.Cabecalho, tamanho);
        QVERIFY(colunas >= painel.UltimaColunaAcesa(true));
        for (int c = 0; c < colunas; ++c)
            for (int l = 0; l < painel.NroLinhas(); ++l) {
                const TLed *led = painel.Led(l + 1, c + 1, false);
                QVERIFY2(LedAceso(registro.Colunas, painel.NroLinhas(), c, l) == (led && led->Acesa),
                         qPrintable(u"painel %1, coluna %2, linha %3"_s.arg(painel.Tag).arg(c + 1).arg(l + 1)));
            }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    void transferencia()
    {
        TTrabalho t;
        TPainelLed &frente = t.Painel(1); // 13 x 128
        frente.DefinirRolagem(TRolagem::tsEsquerda);
        frente.DefinirDivisaoNaColuna(20);
        QVERIFY(frente.InserirPictograma(TPictograma::Aeroporto));
        const int w = Pictogramas::Grade(TPictograma::Aeroporto, 13).Colunas();
        QVERIFY(w + 1 < 20); // the fixed part holds the pictogram and its dark column
        frente.PosicionarCursor(20, 1);
        t.Digitar("AEROPORTO INTERNACIONAL VIA AVENIDA DAS INDUSTRIAS");
        QVERIFY(frente.UltimaColunaAcesa(true) > 128);

        TPainelLed &lado = t.Painel(2); // 8 x 80
        t.editor.DefinirPainelAtivo(2);
        lado.DefinirRolagem(TRolagem::tsEsquerda);
        lado.PosicionarCursor(1, 1);
        const TGradeLeds imagem = figura();
        QCOMPARE(imagem.Colunas(), 24);
        QVERIFY(lado.InserirFigura(imagem, 1, u"A imagem"_s));
        t.Digitar("CENTRO VIA PRACA DA ESTACAO E RODOVIARIA");
        QVERIFY(lado.UltimaColunaAcesa(true) > 80);
        for (int p : {1, 2})
            t.Painel(p).Pintar();

        t.editor.GravarRotativoAtual();
        for (int p : {1, 2})
            TDestinoPaineis::Gravar(t.dados, t.Painel(p), t.rotativos, false, 1, 1, true);
        const QString arquivo = pasta.filePath(u"figuras.art"_s);
        TGeracaoArquivo g;
        QVERIFY(TTransferencia(t.dados, {{1, 13, 128}, {2, 8, 80}}).Gravar(g, arquivo));

        const TArquivoSaidaLido lido = LerArquivoSaida(arquivo);
        QCOMPARE(lido.Paineis.size(), 2);
        for (int i : {0, 1}) {
            const TPainelLido &sinal = lido.Paineis[i];
            QCOMPARE(sinal.Destinos.size(), 1);
            QVERIFY(sinal.Destinos[0].Janela.has_value()); // scrolling
            conferir(sinal.Destinos[0], sinal.Tamanho, t.Painel(sinal.Numero));
        }
        // The front sign scrolls from the division on: the pictogram stays in the fixed part.
        QCOMPARE(lido.Paineis[0].Destinos[0].Janela->XInicial, 19);
    }
};

QTEST_MAIN(TesteFigurasTransferencia)
#include "tst_figurastransferencia.moc"
