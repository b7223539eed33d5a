#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/ui/ULeituraImagem.h"
#include "panel/UErro.h"
#include "panel/UImagemLeds.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TAjusteImagem)

// A picture turned into a sign's LEDs: its size in LEDs, the threshold, the
// inversion and transparency; and the files it is read from, whole and damaged.
namespace {
QString linhas(const TGradeLeds &g)
{
    QStringList texto;
    for (int l = 1; l <= g.Linhas(); ++l) {
        QString linha;
        for (int c = 1; c <= g.Colunas(); ++c)
            linha += g.Aceso(l, c) ? u'#' : u'.';
        texto << linha;
    }
    return texto.join(u'/');
}

// Black on the left half, white on the right.
QImage meioPreto(QSize tamanho)
{
    QImage imagem(tamanho, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter(&imagem).fillRect(0, 0, tamanho.width() / 2, tamanho.height(), Qt::black);
    return imagem;
}
}

class TesteImagemLeds : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    QString gravar(const QString &nome, const QByteArray &dados)
    {
        const QString caminho = pasta.filePath(nome);
        QFile f(caminho);
        if (!f.open(QIODevice::WriteOnly) || f.write(dados) != dados.size())
            qFatal("cannot write the test file");
        return caminho;
    }
    static QByteArray emFormato(const QImage &imagem, const char *formato)
    {
        QByteArray dados;
        QBuffer buffer(&dados);
        buffer.open(QIODevice::WriteOnly);
        if (!imagem.save(&buffer, formato))
            qFatal("cannot encode the test picture");
        return dados;
    }

private slots:
    void initTestCase() { QVERIFY(pasta.isValid()); }

    void tamanho_data()
    {
        QTest::addColumn<QSize>("imagem");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("colunas");
        QTest::addColumn<TAjusteImagem>("ajuste");
        QTest::addColumn<bool>("limitar");
        QTest::addColumn<QSize>("leds");
        const auto altura = TAjusteImagem::AlturaDoPainel;
        QTest::newRow("2:1 em 13 linhas") << QSize(200, 100) << 13 << 40 << altura << true << QSize(26, 13);
        QTest::newRow("1:2 arredonda") << QSize(100, 200) << 13 << 40 << altura << true << QSize(7, 13);
        QTest::newRow("larga, limitada") << QSize(1000, 100) << 13 << 40 << altura << true << QSize(40, 4);
        QTest::newRow("larga, rolando") << QSize(1000, 100) << 13 << 40 << altura << false << QSize(130, 13);
        QTest::newRow("fina: uma coluna") << QSize(1, 100) << 8 << 40 << altura << true << QSize(1, 8);
        QTest::newRow("muito larga: uma linha") << QSize(10000, 10) << 8 << 40 << altura << true << QSize(40, 1);
        QTest::newRow("painel inteiro") << QSize(100, 200) << 11 << 32 << TAjusteImagem::PainelInteiro << true
                                        << QSize(32, 11);
        QTest::newRow("imagem vazia") << QSize(0, 10) << 8 << 40 << altura << true << QSize();
        QTest::newRow("sem linhas") << QSize(10, 10) << 0 << 40 << altura << true << QSize();
    }
    void tamanho()
    {
        QFETCH(QSize, imagem);
        QFETCH(int, linhas);
        QFETCH(int, colunas);
        QFETCH(TAjusteImagem, ajuste);
        QFETCH(bool, limitar);
        QFETCH(QSize, leds);
        QCOMPARE(TamanhoEmLeds(imagem, linhas, colunas, ajuste, limitar), leds);
    }

    void limiar_data()
    {
        QTest::addColumn<int>("limiar");
        QTest::addColumn<bool>("inverter");
        QTest::addColumn<QString>("leds");
        // Greys 0, 100, 200, 255, then black fully transparent.
        QTest::newRow("128") << 128 << false << u"##..."_s;
        QTest::newRow("101") << 101 << false << u"##..."_s;
        QTest::newRow("100") << 100 << false << u"#...."_s;
        QTest::newRow("201") << 201 << false << u"###.."_s;
        QTest::newRow("128 invertido") << 128 << true << u"..##."_s;
        QTest::newRow("100 invertido") << 100 << true << u".###."_s;
        QTest::newRow("1") << 1 << false << u"#...."_s;
        QTest::newRow("255 invertido") << 255 << true << u"...#."_s;
    }
    // A grey below the threshold lights its LED, or at and above it with
    // Inverter; transparent stays dark either way.
    void limiar()
    {
        QFETCH(int, limiar);
        QFETCH(bool, inverter);
        QFETCH(QString, leds);
        QImage imagem(5, 1, QImage::Format_ARGB32);
        const int cinzas[] = {0, 100, 200, 255};
        for (int x = 0; x < 4; ++x)
            imagem.setPixel(x, 0, qRgb(cinzas[x], cinzas[x], cinzas[x]));
        imagem.setPixel(4, 0, qRgba(0, 0, 0, 0));
        QCOMPARE(linhas(ImagemParaLeds(imagem, QSize(5, 1), {TAjusteImagem::AlturaDoPainel, limiar, inverter})), leds);
    }

    // Shrinking averages the pixels each LED covers.
    void escala()
    {
        QCOMPARE(linhas(ImagemParaLeds(meioPreto(QSize(400, 100)), QSize(8, 2), {})), u"####..../####...."_s);
        QCOMPARE(linhas(ImagemParaLeds(meioPreto(QSize(400, 100)), QSize(8, 2), {TAjusteImagem::AlturaDoPainel, 128, true})),
                 u"....####/....####"_s);
    }

    // An LED covering mostly opaque ink lights up; transparent pixels add no
    // colour to the average (three black pixels and a transparent white one
    // average to black, not grey), and mostly transparent is dark.
    void transparencia()
    {
        QImage imagem(4, 2, QImage::Format_ARGB32);
        imagem.fill(qRgba(255, 255, 255, 0));
        for (int x : {0, 1})
            imagem.setPixel(x, 0, qRgb(0, 0, 0));
        imagem.setPixel(0, 1, qRgb(0, 0, 0));
        imagem.setPixel(3, 1, qRgb(0, 0, 0));
        QCOMPARE(linhas(ImagemParaLeds(imagem, QSize(2, 1), {TAjusteImagem::AlturaDoPainel, 50, false})), u"#."_s);
    }

    void formatos_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("dados");
        QTest::addColumn<QSize>("tamanho");
        const QImage imagem = meioPreto(QSize(40, 20));
        QTest::newRow("png") << u"logo.png"_s << emFormato(imagem, "PNG") << QSize(40, 20);
        QTest::newRow("jpeg") << u"logo.jpg"_s << emFormato(imagem, "JPEG") << QSize(40, 20);
        QTest::newRow("bmp") << u"logo.bmp"_s << emFormato(imagem, "BMP") << QSize(40, 20);
        QTest::newRow("png com nome de jpeg") << u"engano.jpg"_s << emFormato(imagem, "PNG") << QSize(40, 20);
        // Drawn 512 pixels on its longer side, the rest transparent.
        QTest::newRow("svg") << u"logo.svg"_s
                             << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"20\">"
                                           "<rect x=\"0\" y=\"0\" width=\"20\" height=\"20\" fill=\"black\"/></svg>")
                             << QSize(512, 256);
        QTest::newRow("svg sem extensao") << u"logo"_s
                                          << QByteArray("<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                                        "viewBox=\"0 0 40 20\"><rect width=\"20\" height=\"20\"/></svg>")
                                          << QSize(512, 256);
    }
    // Each kind read whole: black on the left half lights the left LEDs.
    void formatos()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, dados);
        QFETCH(QSize, tamanho);
        const QImage imagem = LerImagem(gravar(nome, dados));
        QCOMPARE(imagem.size(), tamanho);
        QCOMPARE(linhas(ImagemParaLeds(imagem, QSize(4, 2), {})), u"##../##.."_s);
    }

    // The SVG's background is transparent: inverted, only what is drawn in white would light.
    void svgTransparente()
    {
        const QImage imagem = LerImagem(gravar(u"fundo.svg"_s,
                                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"20\">"
                                              "<rect x=\"0\" y=\"0\" width=\"20\" height=\"20\" fill=\"white\"/></svg>"));
        QCOMPARE(linhas(ImagemParaLeds(imagem, QSize(4, 2), {TAjusteImagem::AlturaDoPainel, 128, true})),
                 u"##../##.."_s);
    }

    void danificado_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("dados");
        QTest::addColumn<QString>("mensagem");
        const QByteArray png = emFormato(meioPreto(QSize(40, 20)), "PNG");
        const QString naoLe = u"ATENÇÃO:\r\nO arquivo \"%1\" não é uma imagem PNG, JPEG, BMP ou SVG que se possa ler: "
                              u"está danificado ou é de outro tipo."_s;
        QTest::newRow("png cortado") << u"cortado.png"_s << png.left(png.size() / 2) << naoLe;
        QTest::newRow("lixo") << u"lixo.png"_s << QByteArray("isto nao e uma imagem\x01\x02\x03", 24) << naoLe;
        QTest::newRow("svg quebrado") << u"quebrado.svg"_s << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect")
                                      << naoLe;
        QTest::newRow("svg sem tamanho") << u"vazio.svg"_s << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"/>")
                                         << naoLe;
        QTest::newRow("vazio") << u"vazio.png"_s << QByteArray() << u"ATENÇÃO:\r\nO arquivo \"%1\" está vazio."_s;
    }
    // A file that is not a whole picture is refused with the operator's message.
    void danificado()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, dados);
        QFETCH(QString, mensagem);
        const QString caminho = gravar(nome, dados);
        try {
            LerImagem(caminho);
            QFAIL("read");
        } catch (const TErro &erro) {
            QCOMPARE(erro.Mensagem, mensagem.arg(caminho));
        }
    }

    void inexistente()
    {
        const QString caminho = pasta.filePath(u"nao existe.png"_s);
        try {
            LerImagem(caminho);
            QFAIL("read");
        } catch (const TErro &erro) {
            QCOMPARE(erro.Mensagem, u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\"."_s.arg(caminho));
        }
    }
};

QTEST_MAIN(TesteImagemLeds)
#include "tst_imagemleds.moc"
