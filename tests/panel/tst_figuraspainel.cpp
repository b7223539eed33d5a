#include <QTemporaryDir>
#include <QtTest>

#include "panel/UPainelLed.h"
#include "panel/UPictogramas.h"
#include "panel/USom.h"

using namespace Qt::StringLiterals;

// Figures at the cursor on the panel model: where a pictogram goes on signs of
// 8 to 16 rows, the text that makes way for it, typing after it, what is
// refused and why, scrolling signs and the content text.
namespace {
TPainelLed *novoPainel(int linhas, int colunas, TTipoFonte fonte = TTipoFonte::tfVeltronix8x7)
{
    auto *p = new TPainelLed;
    p->DefinirNroLinhas(linhas);
    p->DefinirNroColunas(colunas);
    p->DefinirFonteUtilizada(fonte);
    p->Nome = u"Frontal"_s;
    p->PosicionarCursor(1, 1);
    return p;
}

// The lit cells of rows 1..linhas, columns 1..colunas, as picture rows.
QStringList acesas(TPainelLed &p, int colunas)
{
    QStringList linhas;
    for (int l = 1; l <= p.NroLinhas(); ++l) {
        QString linha;
        for (int c = 1; c <= colunas; ++c) {
            const TLed *led = p.Led(l, c, false);
            linha += led && led->Acesa ? u'#' : u'.';
        }
        linhas << linha;
    }
    return linhas;
}

QList<int> colunasDosCaracteres(const TPainelLed &p)
{
    QList<int> colunas;
    for (const auto &c : p.TextoDigitado())
        colunas << c->Coluna;
    return colunas;
}

int largura(TTipoFonte fonte, char c)
{
    QByteArray glifo;
    TFontesLed::LerGlifo(fonte, static_cast<unsigned char>(c), glifo);
    return int(glifo.size() / TFontesLed::AlturaDaFonte(fonte));
}
}

class TesteFigurasPainel : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    int bipes = 0;
    QStringList motivos;

    void vigiar(TPainelLed &p)
    {
        p.AoRecusar = [this](TPainelLed *, const QString &motivo) { motivos << motivo; };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        TSom::DefinirBipe([this] { ++bipes; });
    }
    void init()
    {
        bipes = 0;
        motivos.clear();
    }
    void cleanupTestCase()
    {
        TSom::DefinirBipe({});
        TFontesLed::DefinirArquivoDeFontes({});
    }

    void colocacao_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("linhaCursor");
        QTest::addColumn<int>("altura");
        QTest::addColumn<int>("topo");
        for (int linhas = 8; linhas <= 16; ++linhas) {
            const int altura = linhas >= 13 ? 13 : linhas >= 11 ? 11 : 8;
            QTest::addRow("%d linhas", linhas) << linhas << 1 << altura << 1 + (linhas - altura) / 2;
        }
        QTest::newRow("16 linhas, cursor na 4") << 16 << 4 << 13 << 4;
        QTest::newRow("16 linhas, cursor na 6") << 16 << 6 << 11 << 6;
        QTest::newRow("13 linhas, cursor na 3") << 13 << 3 << 11 << 3;
        QTest::newRow("13 linhas, cursor na 5") << 13 << 5 << 8 << 5;
    }
    // The tallest set that fits the rows from the cursor line down, centred in
    // them, every cell of its box as drawn, the column after it dark, the
    // cursor past both; nothing else lit.
    void colocacao()
    {
        QFETCH(int, linhas);
        QFETCH(int, linhaCursor);
        QFETCH(int, altura);
        QFETCH(int, topo);
        const std::unique_ptr<TPainelLed> p(novoPainel(linhas, 60));
        p->PosicionarCursor(1, linhaCursor);
        // Drawn LEDs under the figure's box and its dark column are replaced.
        const TGradeLeds &g = Pictogramas::Grade(TPictograma::Estadio, altura);
        for (int l = topo; l < topo + altura; ++l)
            p->Led(l, g.Colunas() + 1, true)->DefinirAcesa(true);
        QVERIFY(p->InserirPictograma(TPictograma::Estadio));
        QStringList esperado;
        for (int l = 1; l <= linhas; ++l) {
            QString linha;
            for (int c = 1; c <= 60; ++c)
                linha += l >= topo && l < topo + altura && g.Aceso(l - topo + 1, c) ? u'#' : u'.';
            esperado << linha;
        }
        QCOMPARE(acesas(*p, 60), esperado);
        QCOMPARE(p->ColunaCursor(), g.Colunas() + 2);
        QCOMPARE(p->LinhaCursor(), linhaCursor);
        QVERIFY(p->TextoDigitado().empty());
        QCOMPARE(bipes, 0);
    }

    // Text typed before the figure was inserted at its start ends where text
    // typed after the figure goes: the same cells and characters.
    void textoAbreEspaco()
    {
        const std::unique_ptr<TPainelLed> antes(novoPainel(8, 80));
        antes->DigitarTexto(u"AB"_s);
        antes->PosicionarCursor(1, 1);
        QVERIFY(antes->InserirPictograma(TPictograma::Hospital));
        const int w = Pictogramas::Grade(TPictograma::Hospital, 8).Colunas();
        QCOMPARE(colunasDosCaracteres(*antes), (QList<int>{w + 2, w + 2 + largura(TTipoFonte::tfVeltronix8x7, 'A')}));

        const std::unique_ptr<TPainelLed> depois(novoPainel(8, 80));
        QVERIFY(depois->InserirPictograma(TPictograma::Hospital));
        depois->DigitarTexto(u"AB"_s);
        QCOMPARE(acesas(*antes, 80), acesas(*depois, 80));
        QCOMPARE(antes->GerarConteudo(8, 80), depois->GerarConteudo(8, 80));
        QCOMPARE(antes->ColunaCursor(), w + 2);
    }

    // With the cursor inside a character the figure goes before the whole character.
    void cursorDentroDeCaractere()
    {
        const std::unique_ptr<TPainelLed> p(novoPainel(8, 80));
        p->DigitarTexto(u"AB"_s);
        const int a = largura(TTipoFonte::tfVeltronix8x7, 'A');
        p->PosicionarCursor(a + 3, 1); // inside "B"
        QVERIFY(p->InserirPictograma(TPictograma::SetaCima));
        const int w = Pictogramas::Grade(TPictograma::SetaCima, 8).Colunas();
        QCOMPARE(colunasDosCaracteres(*p), (QList<int>{1, a + 1 + w + 1}));
        QCOMPARE(p->ColunaCursor(), a + 1 + w + 1);
    }

    // Only text on the figure's rows moves.
    void outraLinhaFica()
    {
        const std::unique_ptr<TPainelLed> p(novoPainel(16, 80, TTipoFonte::tfVeltronix5x5));
        p->DigitarTexto(u"AB"_s);                          // rows 1 to 5
        p->PressionarTecla(TeclasPainel::Enter, false);    // rows 7 to 11
        p->DigitarTexto(u"CD"_s);
        p->PosicionarCursor(1, 7);
        QVERIFY(p->InserirPictograma(TPictograma::Onibus)); // 10 rows free: 8 high, rows 8 to 15
        const int w = Pictogramas::Grade(TPictograma::Onibus, 8).Colunas();
        const int a = largura(TTipoFonte::tfVeltronix5x5, 'A');
        const int c = largura(TTipoFonte::tfVeltronix5x5, 'C');
        QCOMPARE(colunasDosCaracteres(*p), (QList<int>{1, 1 + a, 1 + w + 1, 1 + w + 1 + c}));
        QVERIFY(p->Led(8, 1, false)->Acesa == Pictogramas::Grade(TPictograma::Onibus, 8).Aceso(1, 1));
    }

    void recusa_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("colunas");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("linhaCursor");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("7 linhas do cursor") << 8 << 80 << QString() << 2
                                            << u"O pictograma não cabe no painel Frontal: precisa de 8 linhas a "
                                               u"partir do cursor e há 7"_s;
        QTest::newRow("painel de 7 linhas") << 7 << 80 << QString() << 1
                                            << u"O pictograma não cabe no painel Frontal: precisa de 8 linhas a "
                                               u"partir do cursor e há 7"_s;
        QTest::newRow("cursor abaixo") << 8 << 80 << QString() << 9
                                       << u"O pictograma não cabe no painel Frontal: o cursor está abaixo da "
                                          u"última linha"_s;
        QTest::newRow("mais largo que o painel") << 8 << 7 << QString() << 1
                                                 << u"O pictograma não cabe no painel Frontal: ligue a rolagem ou "
                                                    u"apague parte da linha"_s;
        QTest::newRow("empurra o texto para fora") << 8 << 24 << u"AB"_s << 1
                                                   << u"O pictograma não cabe no painel Frontal: ligue a rolagem "
                                                      u"ou apague parte da linha"_s;
    }
    // A beep and the reason; not a cell, character or cursor changes.
    void recusa()
    {
        QFETCH(int, linhas);
        QFETCH(int, colunas);
        QFETCH(QString, texto);
        QFETCH(int, linhaCursor);
        QFETCH(QString, motivo);
        const std::unique_ptr<TPainelLed> p(novoPainel(linhas, colunas));
        vigiar(*p);
        p->DigitarTexto(texto);
        p->PosicionarCursor(1, linhaCursor);
        const QByteArray conteudo = p->GerarConteudo(linhas, colunas);
        QVERIFY(!p->InserirPictograma(TPictograma::SetaDireita));
        QCOMPARE(motivos, QStringList{motivo});
        QCOMPARE(bipes, 1);
        QCOMPARE(p->GerarConteudo(linhas, colunas), conteudo);
        QCOMPARE(p->ColunaCursor(), 1);
        QCOMPARE(p->LinhaCursor(), linhaCursor);
    }

    // The figure, its dark column and the text it moves end exactly on the
    // last column (one less is refused above): accepted.
    void cabeNoLimite()
    {
        const int w = Pictogramas::Grade(TPictograma::SetaDireita, 8).Colunas();
        const int ab = largura(TTipoFonte::tfVeltronix8x7, 'A') + largura(TTipoFonte::tfVeltronix8x7, 'B');
        QCOMPARE(w + ab, 24);
        const std::unique_ptr<TPainelLed> p(novoPainel(8, w + 1 + ab));
        p->DigitarTexto(u"AB"_s);
        p->PosicionarCursor(1, 1);
        QVERIFY(p->InserirPictograma(TPictograma::SetaDireita));
        QCOMPARE(bipes, 0);
        QCOMPARE(colunasDosCaracteres(*p).last(), w + 2 + largura(TTipoFonte::tfVeltronix8x7, 'A'));
    }

    // A figure reaching the last column of a sign that does not scroll: the
    // cursor stays on the sign and the view does not move.
    void ateAUltimaColuna()
    {
        const int w = Pictogramas::Grade(TPictograma::Bicicleta, 8).Colunas();
        const std::unique_ptr<TPainelLed> p(novoPainel(8, 40));
        p->PosicionarCursor(40 - w + 1, 1);
        QVERIFY(p->InserirPictograma(TPictograma::Bicicleta));
        QCOMPARE(p->ColunaCursor(), 40);
        QCOMPARE(p->PrimeiraColuna(), 1);
        QCOMPARE(p->UltimaColunaAcesa(true), 40);
    }

    // A sign that scrolls takes the figure whatever the length; the text goes
    // on past the face and the whole of it is stored and read back.
    void rolagem()
    {
        const std::unique_ptr<TPainelLed> p(novoPainel(8, 20));
        p->DefinirRolagem(TRolagem::tsEsquerda);
        p->DigitarTexto(u"ABC"_s);
        p->PosicionarCursor(1, 1);
        QVERIFY(p->InserirPictograma(TPictograma::Aeroporto));
        QCOMPARE(bipes, 0);
        const int w = Pictogramas::Grade(TPictograma::Aeroporto, 8).Colunas();
        QCOMPARE(colunasDosCaracteres(*p).first(), w + 2);
        p->Pintar();
        const QByteArray conteudo = p->GerarConteudo(8, 20);
        const std::unique_ptr<TPainelLed> lido(novoPainel(8, 20));
        lido->DefinirRolagem(TRolagem::tsEsquerda);
        lido->CarregarConteudo(conteudo);
        const int fim = colunasDosCaracteres(*p).last() + largura(TTipoFonte::tfVeltronix8x7, 'C');
        QVERIFY(fim > 20);
        QCOMPARE(acesas(*lido, fim), acesas(*p, fim));
        QCOMPARE(colunasDosCaracteres(*lido), colunasDosCaracteres(*p));
    }

    // A figure among text goes through the content text and comes back the same.
    void idaEVoltaDoConteudo()
    {
        const std::unique_ptr<TPainelLed> p(novoPainel(13, 96, TTipoFonte::tfVeltronix13x7));
        p->DigitarTexto(u"IR "_s);
        QVERIFY(p->InserirPictograma(TPictograma::Trem));
        p->DigitarTexto(u"SUL"_s);
        const QByteArray conteudo = p->GerarConteudo(13, 96);
        const std::unique_ptr<TPainelLed> lido(novoPainel(13, 96, TTipoFonte::tfVeltronix13x7));
        lido->CarregarConteudo(conteudo);
        QCOMPARE(acesas(*lido, 96), acesas(*p, 96));
        QCOMPARE(lido->Rotulo(), u"IR SUL"_s);
        QCOMPARE(lido->GerarConteudo(13, 96), conteudo);
    }

    // Any figure goes the same way: a picture's LEDs at a row the caller chooses.
    void figuraQualquer()
    {
        const std::unique_ptr<TPainelLed> p(novoPainel(11, 40));
        TGradeLeds g(3);
        g.Definir(1, 1, true);
        g.Definir(3, 2, true);
        p->PosicionarCursor(5, 1);
        QVERIFY(p->InserirFigura(g, 4, u"A imagem"_s));
        QVERIFY(p->Led(4, 5, false)->Acesa);
        QVERIFY(p->Led(6, 6, false)->Acesa);
        QCOMPARE(p->UltimaColunaAcesa(true), 6);
        QCOMPARE(p->ColunaCursor(), 8);
    }
};

QTEST_GUILESS_MAIN(TesteFigurasPainel)
#include "tst_figuraspainel.moc"
