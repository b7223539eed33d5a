#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include "app/UAnimacaoDestino.h"
#include "app/UImagemDestino.h"
#include "app/projeto_fixture.h"
#include "output/saida_fixture.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "panel/UPainelLed.h"

using Fixture::Conteudo;

// A destination's signs drawn from its stored rows: the LEDs of the picture,
// the clock placeholder, and the simulator's play as frames and as a GIF.
class TesteImagemDestino : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    static constexpr QRgb amarelo = 0xFFFFFF00;  // COR_PADRAO of the fixture rows
    static constexpr QRgb vermelho = 0xFFFF0000; // COR_DIVISAO of the fixture rows

    // The destinations (or extras) of a project in memory.
    struct TProjeto {
        TDtm_Destino dados;
        explicit TProjeto(const QList<TLinhaProjeto> &linhas, bool extra = false)
        {
            dados.AbrirTabelas({});
            dados.DefinirFiltroExtra(extra);
            for (const TLinhaProjeto &l : linhas)
                GravarLinha(dados, l);
        }
    };

    // A row of messages, message i lighting LED (1, i) of a linhas x colunas sign.
    static TLinhaProjeto mensagens(int painel, int linhas, int colunas, int quantas)
    {
        TLinhaProjeto l;
        l.Painel = painel;
        l.Linhas = linhas;
        l.Colunas = colunas;
        for (int i = 1; i <= quantas; ++i)
            l.Conteudo[size_t(i - 1)] = Conteudo(linhas, colunas, {QPoint(i, 1)});
        return l;
    }

    // A scrolling side sign of 6 x 10 whose text ends at column 6.
    static TLinhaProjeto lateralRolando()
    {
        TLinhaProjeto l;
        l.Painel = 2;
        l.Linhas = 6;
        l.Colunas = 10;
        l.Sentido = 1;
        QList<QPoint> acesas;
        for (int c = 1; c <= 6; ++c)
            for (int r = 1; r <= 6; ++r)
                if ((r + 2 * c) % 5 == 0 || r == c)
                    acesas << QPoint(c, r);
        l.Conteudo[0] = Conteudo(6, 10, acesas);
        return l;
    }

    // Exposure times of the current row's messages, in seconds.
    static void definirTempos(TDtm_Destino &d, const QList<int> &tempos)
    {
        d.EditarAtual();
        for (qsizetype i = 0; i < tempos.size(); ++i)
            d.Cds_DestinosExtras.DefinirValor(u"TPO_ROTATIVO"_s + QString::number(i + 1), tempos[i]);
        d.GravarPendente();
    }

    static bool aceso(const TImagemDestino &imagem, const QImage &quadro, int posicao, int linha, int coluna)
    {
        return quadro.pixel(imagem.CentroDoLed(posicao, linha, coluna)) != TDesenhoLeds::CorApagado;
    }

    // The LEDs of a sign in a picture, one text line per row ("#" lit, "." dark).
    static QStringList leds(const TImagemDestino &imagem, const QImage &quadro, int posicao)
    {
        const TPainelLed &painel = *imagem.Painel(posicao);
        QStringList linhas;
        for (int l = 1; l <= painel.NroLinhas(); ++l) {
            QString linha;
            for (int c = 1; c <= painel.NroColunas(); ++c)
                linha += aceso(imagem, quadro, posicao, l, c) ? u'#' : u'.';
            linhas << linha;
        }
        return linhas;
    }

    struct TQuadros {
        QList<QImage> Imagens;
        QList<int> Duracoes;
    };
    static TQuadros lerGif(const QString &arquivo)
    {
        TQuadros q;
        QImageReader leitor(arquivo, "gif");
        for (QImage imagem = leitor.read(); !imagem.isNull(); imagem = leitor.read()) {
            q.Imagens << imagem.convertToFormat(QImage::Format_RGB32);
            q.Duracoes << leitor.nextImageDelay();
        }
        return q;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        // The clock's digits come from the font file.
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // A 5 x 12 front sign divided at column 4: columns 1 to 3 are the fixed part.
    void leds_data()
    {
        QTest::addColumn<int>("escala");
        QTest::addColumn<int>("linha");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QRgb>("cor");
        QTest::newRow("fixed part, first column") << 8 << 1 << 1 << vermelho;
        QTest::newRow("fixed part, last column") << 8 << 3 << 3 << vermelho;
        QTest::newRow("division column: the sign's colour") << 8 << 4 << 4 << amarelo;
        QTest::newRow("last column, last row") << 8 << 5 << 12 << amarelo;
        QTest::newRow("dark, fixed part") << 8 << 1 << 2 << TDesenhoLeds::CorApagado;
        QTest::newRow("dark, last column") << 8 << 1 << 12 << TDesenhoLeds::CorApagado;
        QTest::newRow("smallest scale") << TDesenhoLeds::PassoMinimo << 5 << 12 << amarelo;
        QTest::newRow("odd scale, fixed part") << 11 << 3 << 3 << vermelho;
        QTest::newRow("odd scale, dark") << 11 << 2 << 11 << TDesenhoLeds::CorApagado;
    }
    void leds()
    {
        QFETCH(int, escala);
        QFETCH(int, linha);
        QFETCH(int, coluna);
        QFETCH(QRgb, cor);
        TLinhaProjeto frente = Linha(1, 1, Conteudo(5, 12, {QPoint(1, 1), QPoint(3, 3), QPoint(4, 4), QPoint(12, 5)}));
        frente.Linhas = 5;
        frente.Colunas = 12;
        frente.Divisao = 4;
        TProjeto p({frente});
        TImagemDestino imagem(p.dados, 1, {escala, QTime(12, 34)});
        const QImage &quadro = imagem.Desenhar();
        const QPoint centro = imagem.CentroDoLed(1, linha, coluna);
        QCOMPARE(quadro.pixel(centro), cor);
        // Round LEDs on the black face: the corners of an LED's square are black
        // (at the smallest scale the disc reaches into them).
        if (escala > TDesenhoLeds::PassoMinimo)
            QCOMPARE(quadro.pixel(centro - QPoint(escala / 2, escala / 2)), TDesenhoLeds::CorFace);
        QCOMPARE(imagem.CentroDoLed(1, linha, coluna + 1) - centro, QPoint(escala, 0));
        QCOMPARE(imagem.CentroDoLed(1, linha + 1, coluna) - centro, QPoint(0, escala));
        QVERIFY(QRect(QPoint(0, 0), imagem.Tamanho()).contains(imagem.CentroDoLed(1, 5, 12) + QPoint(escala, escala)));

        // The PNG holds the same pixels.
        const QString arquivo = pasta.filePath(u"leds.png"_s);
        imagem.GravarPng(arquivo);
        QCOMPARE(QImage(arquivo).convertToFormat(QImage::Format_RGB32), quadro.convertToFormat(QImage::Format_RGB32));
    }

    // Signs stacked in position order; each loaded from its own row, slot 1 shown.
    void sinaisEmpilhados()
    {
        TLinhaProjeto frente = mensagens(1, 5, 12, 2);
        TLinhaProjeto traseiro = Linha(3, 1, Conteudo(4, 6, {QPoint(6, 4)}));
        traseiro.Linhas = 4;
        traseiro.Colunas = 6;
        TProjeto p({traseiro, frente});
        TImagemDestino imagem(p.dados, 1);
        QCOMPARE(imagem.Sinais().size(), 2);
        QVERIFY(imagem.CentroDoLed(3, 1, 1).y() > imagem.CentroDoLed(1, 5, 1).y());
        const QImage &quadro = imagem.Desenhar();
        QCOMPARE(leds(imagem, quadro, 1).first(), u"#..........."_s);
        QCOMPARE(leds(imagem, quadro, 3), (QStringList{u"......"_s, u"......"_s, u"......"_s, u".....#"_s}));
    }

    // An extra message whose clock placeholder, typed "00:00", shows the time
    // in the clock's font: the digits "0" to "9" each as wide as the "0". The
    // clock's direction (6, as a pen drive file gives it) is no scroll: the
    // still picture and every frame of the GIF show it in place.
    void relogio_data()
    {
        QTest::addColumn<QTime>("horario");
        QTest::addColumn<int>("sentido");
        QTest::addColumn<bool>("animacao");
        QTest::newRow("12:34") << QTime(12, 34) << 0 << false;
        QTest::newRow("09:58") << QTime(9, 58) << 0 << false;
        QTest::newRow("sentido do relógio, imagem") << QTime(12, 34) << 6 << false;
        QTest::newRow("sentido do relógio, GIF") << QTime(12, 34) << 6 << true;
    }
    void relogio()
    {
        QFETCH(QTime, horario);
        QFETCH(int, sentido);
        QFETCH(bool, animacao);
        TPainelLed digitado;
        digitado.DefinirNroLinhas(8);
        digitado.DefinirNroColunas(40);
        digitado.DefinirFonteUtilizada(TTipoFonte::tfVeltronix8x7);
        digitado.PosicionarCursor(3, 1);
        digitado.InserirRelogio();
        const int inicio = digitado.RelogioColunaInicial();
        const int fim = digitado.RelogioColunaFinal();
        QCOMPARE(inicio, 3);
        TLinhaProjeto extra = Linha(1, 1, digitado.GerarConteudo(8, 40));
        extra.Colunas = 40;
        extra.FonteRelogio = 7;
        extra.Relogio = {inicio, fim, 1, 8};
        extra.Sentido = sentido;
        TProjeto p({extra}, true);
        TImagemDestino imagem(p.dados, 1, {4, horario});

        int largura = 0;
        const QByteArray bits = TFontesLed::GlifosDoRelogio(TTipoFonte::tfVeltronix8x7, largura);
        QStringList esperado(8, QString(40, u'.'));
        int coluna = inicio;
        for (const QChar ch : horario.toString(u"HH:mm"_s)) {
            const int primeira = ch == u':' ? 10 * largura : ch.digitValue() * largura;
            const int colunas = ch == u':' ? int(bits.size()) / 8 - 10 * largura : largura;
            for (int k = 0; k < colunas; ++k, ++coluna)
                for (int l = 0; l < 8; ++l)
                    if (coluna < fim && bits.at((primeira + k) * 8 + l) == '1')
                        esperado[l][coluna - 1] = u'#';
        }
        QStringList zeros(8, QString(40, u'.'));
        for (int l = 1; l <= 8; ++l)
            for (int c = 1; c <= 40; ++c)
                if (const TLed *led = digitado.Led(l, c, false); led && led->Acesa)
                    zeros[l - 1][c - 1] = u'#';
        QVERIFY(esperado != zeros);
        QVERIFY(!imagem.Rola(1));
        if (!animacao) {
            QCOMPARE(leds(imagem, imagem.Desenhar(), 1), esperado);
            return;
        }
        const QString arquivo = pasta.filePath(u"relogio.gif"_s);
        TAnimacaoDestino(imagem).GravarGif(arquivo);
        const TQuadros gif = lerGif(arquivo);
        QVERIFY(!gif.Imagens.isEmpty());
        for (const QImage &quadro : gif.Imagens)
            QCOMPARE(leds(imagem, quadro, 1), esperado);
    }

    // Three front messages of 2, 3 and 5 s: three frames of those lengths, over and over.
    void animacaoRotativa()
    {
        TProjeto p({mensagens(1, 5, 12, 3)});
        definirTempos(p.dados, {2, 3, 5});
        TImagemDestino imagem(p.dados, 1);
        TAnimacaoDestino animacao(imagem);
        QCOMPARE(animacao.Duracao(), 10000);
        QVERIFY(animacao.Repete());
        QList<int> duracoes;
        QList<QImage> quadros;
        animacao.Percorrer([&](const QImage &quadro, int duracao) {
            duracoes << duracao;
            quadros << quadro.convertToFormat(QImage::Format_RGB32);
        });
        QCOMPARE(duracoes, (QList<int>{2000, 3000, 5000}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(leds(imagem, quadros[i], 1).first(), QString(12, u'.').replace(i, 1, u'#'));

        const QString arquivo = pasta.filePath(u"rotativa.gif"_s);
        const TAnimacaoDestino::TResumo r = animacao.GravarGif(arquivo);
        QCOMPARE(r.Quadros, 3);
        QCOMPARE(r.Duracao, 10000);
        QImageReader leitor(arquivo, "gif");
        QCOMPARE(leitor.imageCount(), 3);
        QCOMPARE(leitor.loopCount(), -1); // for ever
        const TQuadros gif = lerGif(arquivo);
        QCOMPARE(gif.Duracoes, duracoes);
        QCOMPARE(gif.Imagens, quadros);
    }

    // Exposure time 0 on message 2: the simulator stops there; the play does not start over.
    void tempoZero()
    {
        TProjeto p({mensagens(1, 5, 12, 3)});
        definirTempos(p.dados, {2, 0, 5});
        TImagemDestino imagem(p.dados, 1);
        TAnimacaoDestino animacao(imagem);
        QVERIFY(!animacao.Repete());
        QList<int> duracoes;
        QStringList primeiraLinha;
        animacao.Percorrer([&](const QImage &quadro, int duracao) {
            duracoes << duracao;
            primeiraLinha << leds(imagem, quadro, 1).first();
        });
        QCOMPARE(duracoes, (QList<int>{2000, 0}));
        QCOMPARE(primeiraLinha, (QStringList{u"#..........."_s, u".#.........."_s}));
        const QString arquivo = pasta.filePath(u"parada.gif"_s);
        animacao.GravarGif(arquivo);
        QCOMPARE(QImageReader(arquivo, "gif").loopCount(), 0);
    }

    // A loop holds every sign's whole play: with two front messages of 1 s and
    // a side text that takes 2.42 s to pass (to column 120, 121 steps of 20 ms),
    // two rounds of the messages, in which the text passes whole.
    void cicloComARolagemInteira()
    {
        TLinhaProjeto lateral;
        lateral.Painel = 2;
        lateral.Linhas = 6;
        lateral.Colunas = 10;
        lateral.Sentido = 1;
        lateral.Conteudo[0] = Conteudo(6, 120, {QPoint(1, 1), QPoint(120, 6)});
        TProjeto p({mensagens(1, 5, 12, 2)});
        definirTempos(p.dados, {1, 1});
        GravarLinha(p.dados, lateral);
        TImagemDestino imagem(p.dados, 1);
        TAnimacaoDestino animacao(imagem);
        QCOMPARE(animacao.Duracao(), 4000);
        QVERIFY(animacao.Repete());
        int agora = 0;
        bool voltou = false;
        int maior = 1;
        animacao.Percorrer([&](const QImage &, int duracao) {
            maior = std::max(maior, imagem.Painel(2)->PrimeiraColuna());
            voltou = voltou || (maior > 100 && imagem.Painel(2)->PrimeiraColuna() == 1);
            agora += duracao;
        });
        QCOMPARE(agora, 4000);
        QVERIFY(voltou);
    }

    // A scrolling side sign moves one column per 20 ms frame, its text (to
    // column 6) coming back after 7 steps; a rotating front sign changes
    // message on the same clock, its rear sign with one message keeping it.
    void rolagem_data()
    {
        QTest::addColumn<QList<int>>("tempos");
        QTest::addColumn<int>("quadros");
        QTest::newRow("only the side sign moves") << QList<int>{2} << 7;
        QTest::newRow("with two front messages of 1 s") << QList<int>{1, 1} << 100;
    }
    void rolagem()
    {
        QFETCH(QList<int>, tempos);
        QFETCH(int, quadros);
        TLinhaProjeto traseiro = Linha(3, 1, Conteudo(4, 6, {QPoint(6, 4)}));
        traseiro.Linhas = 4;
        traseiro.Colunas = 6;
        TProjeto p({mensagens(1, 5, 12, int(tempos.size()))});
        definirTempos(p.dados, tempos);
        GravarLinha(p.dados, lateralRolando());
        GravarLinha(p.dados, traseiro);
        TImagemDestino imagem(p.dados, 1);
        QVERIFY(imagem.Rola(2) && !imagem.Rola(1) && !imagem.Rola(3));
        const QString arquivo = pasta.filePath(u"rolagem.gif"_s);
        const TAnimacaoDestino::TResumo r = TAnimacaoDestino(imagem).GravarGif(arquivo);
        QCOMPARE(r.Quadros, quadros);
        QCOMPARE(r.Duracao, quadros * 20);

        const TQuadros gif = lerGif(arquivo);
        QCOMPARE(gif.Duracoes, QList<int>(quadros, 20));
        const QStringList inicio = leds(imagem, gif.Imagens.first(), 2);
        for (int k = 0; k < quadros; ++k) {
            // Step k shows the text from column k % 7 + 1 on.
            QStringList esperado;
            for (const QString &linha : inicio)
                esperado << (linha + QString(10, u'.')).mid(k % 7, 10);
            QCOMPARE(leds(imagem, gif.Imagens[k], 2), esperado);
            const int mensagem = k * 20 / 1000 + 1;
            QCOMPARE(leds(imagem, gif.Imagens[k], 1).first(), QString(12, u'.').replace(mensagem - 1, 1, u'#'));
            QCOMPARE(leds(imagem, gif.Imagens[k], 3).last(), u".....#"_s);
        }
    }

    void numeroInexistente_data()
    {
        QTest::addColumn<bool>("extra");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("no row") << false << 9 << u"ATENÇÃO:\r\nO destino 9 não existe neste projeto."_s;
        QTest::newRow("another kind's number") << true << 1 << u"ATENÇÃO:\r\nO extra 1 não existe neste projeto."_s;
        QTest::newRow("a pending new row") << false << 2
                                           << u"ATENÇÃO:\r\nO destino 2 ainda não foi gravado: não há o que desenhar."_s;
    }
    void numeroInexistente()
    {
        QFETCH(bool, extra);
        QFETCH(int, numero);
        QFETCH(QString, mensagem);
        TProjeto p({mensagens(1, 5, 12, 1), Pendente(1, 2)});
        p.dados.DefinirFiltroExtra(extra);
        TTabelaMemoria &t = p.dados.Cds_DestinosExtras;
        t.Ultimo();
        const TMarcador antes = t.Marcador();
        try {
            TImagemDestino imagem(p.dados, numero);
            QFAIL("drawn");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, mensagem);
        }
        QCOMPARE(t.Marcador(), antes);
    }
};

QTEST_MAIN(TesteImagemDestino)
#include "tst_imagemdestino.moc"
