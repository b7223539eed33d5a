#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <gif_lib.h>

#include "output/UGravacaoGif.h"
#include "output/saida_fixture.h"
#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

// The GIF writer: frame lengths as a browser reads them, frames merged and
// cut to what changed, and failures of the output or of giflib.
class TesteGravacaoGif : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    // 8 x 6 frames over one 4-colour table: 0 all black, 1 one red pixel, 2 a green block.
    static QImage quadro(int tipo)
    {
        QImage q(8, 6, QImage::Format_Indexed8);
        q.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
        q.fill(0);
        if (tipo == 1)
            q.setPixel(3, 2, 1);
        if (tipo == 2)
            for (int y = 1; y <= 4; ++y)
                for (int x = 5; x <= 7; ++x)
                    q.setPixel(x, y, 2);
        return q;
    }

    // Noise in 256 colours: its codes fill many output blocks.
    static QImage ruido(int lado)
    {
        QImage q(lado, lado, QImage::Format_Indexed8);
        QList<QRgb> tabela;
        for (int i = 0; i < 256; ++i)
            tabela << qRgb(i, 255 - i, i / 2);
        q.setColorTable(tabela);
        QRandomGenerator gerador(7);
        for (int y = 0; y < lado; ++y)
            for (int x = 0; x < lado; ++x)
                q.setPixel(x, y, gerador.bounded(256));
        return q;
    }

    // The delays as the file holds them, in ms (a viewer may show short ones longer).
    static QList<int> atrasos(const QString &arquivo)
    {
        int erro = 0;
        GifFileType *gif = DGifOpenFileName(QFile::encodeName(arquivo).constData(), &erro);
        QList<int> lista;
        if (!gif || DGifSlurp(gif) != GIF_OK)
            return {-1};
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock controle{};
            DGifSavedExtensionToGCB(gif, i, &controle);
            lista << controle.DelayTime * 10;
        }
        DGifCloseFile(gif, &erro);
        return lista;
    }

private slots:
    void initTestCase() { QVERIFY(pasta.isValid()); }

    // duracoes in ms per frame added; read back: the frame each one shows and its delay.
    void duracoes_data()
    {
        QTest::addColumn<QList<int>>("tipos");
        QTest::addColumn<QList<int>>("duracoes");
        QTest::addColumn<QList<int>>("lidos");
        QTest::addColumn<QList<int>>("esperados");
        QTest::newRow("equal frames merged") << QList<int>{0, 0, 1, 2} << QList<int>{20, 20, 1005, 0}
                                             << QList<int>{0, 1, 2} << QList<int>{40, 1010, 0};
        // 15 ms each: 2, 1 and 2 centiseconds, 4.5 rounded to 5 in all.
        QTest::newRow("rounded along the running time") << QList<int>{0, 1, 2} << QList<int>{15, 15, 15}
                                                        << QList<int>{0, 1, 2} << QList<int>{20, 10, 20};
        QTest::newRow("longer than a frame holds") << QList<int>{1, 2} << QList<int>{700000, 10}
                                                   << QList<int>{1, 1, 2} << QList<int>{655350, 44650, 10};
        QTest::newRow("a single frame") << QList<int>{2} << QList<int>{0} << QList<int>{2} << QList<int>{0};
    }
    void duracoes()
    {
        QFETCH(QList<int>, tipos);
        QFETCH(QList<int>, duracoes);
        QFETCH(QList<int>, lidos);
        QFETCH(QList<int>, esperados);
        const QString arquivo = pasta.filePath(u"duracoes.gif"_s);
        const int escritos = TGravacaoGif::GravarArquivo(arquivo, true, [&](TGravacaoGif &gif) {
            for (qsizetype i = 0; i < tipos.size(); ++i)
                gif.Acrescentar(quadro(tipos[i]), duracoes[i]);
        });
        QCOMPARE(escritos, int(lidos.size()));
        QImageReader leitor(arquivo, "gif");
        QList<int> lidosDeFato;
        for (QImage q = leitor.read(); !q.isNull(); q = leitor.read()) {
            const QImage rgb = q.convertToFormat(QImage::Format_RGB32);
            int tipo = -1;
            for (int t = 0; t < 3 && tipo < 0; ++t)
                if (rgb == quadro(t).convertToFormat(QImage::Format_RGB32))
                    tipo = t;
            lidosDeFato << tipo;
        }
        QCOMPARE(lidosDeFato, lidos);
        QCOMPARE(atrasos(arquivo), esperados);
    }

    // The output refuses the bytes: inside giflib (a frame of many blocks) or
    // at the end (a small file handed over when closing). Either way the
    // message names the file and the output's reason.
    void saidaRecusada_data()
    {
        QTest::addColumn<int>("lado");
        QTest::addColumn<int>("entregues"); // blocks the output takes before refusing
        QTest::newRow("inside giflib, first block") << 600 << 0;
        QTest::newRow("inside giflib, later block") << 600 << 2;
        QTest::newRow("when closing") << 8 << 0;
    }
    void saidaRecusada()
    {
        QFETCH(int, lado);
        QFETCH(int, entregues);
        int blocos = 0;
        qsizetype bytes = 0;
        const QImage imagem = ruido(lado);
        QImage outra = imagem.copy();
        outra.setPixel(0, 0, (imagem.pixelIndex(0, 0) + 1) % 256);
        {
            TGravacaoGif gif(u"/tmp/anima.gif"_s, [&](const char *, qsizetype tamanho) {
                if (blocos++ >= entregues)
                    return u"o disco de teste encheu"_s;
                bytes += tamanho;
                return QString();
            }, true);
            try {
                gif.Acrescentar(imagem, 100);
                gif.Acrescentar(outra, 100);
                gif.Concluir();
                QFAIL("written");
            } catch (const TErro &e) {
                QCOMPARE(e.Mensagem,
                         TArquivoDisco::MensagemNaoGravou(u"/tmp/anima.gif"_s, u"o disco de teste encheu"_s));
            }
        }
        // Not asked again once it refused.
        QCOMPARE(blocos, entregues + 1);
        QCOMPARE(bytes, qsizetype(entregues) << 16);
    }

    // A failure while the frames are made leaves the old file and no temporary one.
    void arquivoMantido()
    {
        QDir(pasta.path()).mkdir(u"mantido"_s);
        const QString arquivo = pasta.filePath(u"mantido/anima.gif"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, "antigo"));
        try {
            TGravacaoGif::GravarArquivo(arquivo, true, [](TGravacaoGif &gif) {
                gif.Acrescentar(ruido(600), 100);
                gif.Acrescentar(quadro(1), 100); // a different size: the first frame is written
                throw TErro(u"ATENÇÃO:\r\nparou"_s);
            });
            QFAIL("written");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, u"ATENÇÃO:\r\nparou"_s);
        }
        QCOMPARE(Fixture::LerArquivo(arquivo), QByteArray("antigo"));
        QCOMPARE(QDir(pasta.filePath(u"mantido"_s)).entryList(QDir::Files), QStringList{u"anima.gif"_s});
    }
};

QTEST_GUILESS_MAIN(TesteGravacaoGif)
#include "tst_gravacaogif.moc"
