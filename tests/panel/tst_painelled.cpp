#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include "panel/UPainelLed.h"

// The panel model without a window: properties, cells and their lookups,
// and what a paint draws.
class TesteTPainelLed : public QObject {
    Q_OBJECT

    static QRgb rgb(TCor c) { return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

    static QImage desenhar(TPainelLed &p)
    {
        QImage imagem(qMax(1, p.Largura() + p.TamanhoLed()), qMax(1, p.Altura() + p.TamanhoLed()),
                      QImage::Format_RGB32);
        imagem.fill(Qt::darkGray);
        QPainter pintor(&imagem);
        p.Desenhar(pintor);
        return imagem;
    }

    static void dimensionar(TPainelLed &p, int linhas, int colunas)
    {
        p.DefinirNroLinhas(linhas);
        p.DefinirNroColunas(colunas);
    }

    // What a scan of the cell list in creation order finds.
    static TLed *ledNoPontoPorVarredura(const TPainelLed &p, int x, int y)
    {
        for (const auto &led : p.Leds()) {
            const TRetangulo r = led->Retangulo(1);
            if (r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom)
                return led.get();
        }
        return nullptr;
    }

private slots:
    void padroes()
    {
        TPainelLed p;
        QCOMPARE(p.Modo(), TModo::ModoTexto);
        QCOMPARE(p.TamanhoLed(), 8);
        QCOMPARE(p.FonteUtilizada(), TTipoFonte::tfVeltronix8x7);
        QCOMPARE(p.CorLed(), TCor(0x0000FFFF));
        QCOMPARE(p.CorLedNaDivisao(), TCor(0x0000FFFF));
        QCOMPARE(p.CorFundo(), TCor(0));
        QCOMPARE(p.DivisaoNaColuna(), 0);
        QCOMPARE(p.Rolagem(), TRolagem::tsNenhum);
        QCOMPARE(p.PrimeiraColuna(), 1);
        QVERIFY(p.CursorLigado);
        dimensionar(p, 8, 80);
        QCOMPARE(p.Largura(), 640);
        QCOMPARE(p.Altura(), 64);
    }

    void painelVazioPintaUmaCelula()
    {
        TPainelLed p;
        p.Pintar();
        QCOMPARE(int(p.Leds().size()), 1);
        QVERIFY(p.Led(1, 1, false));
        QVERIFY(p.EstaVazio());
        QCOMPARE(p.UltimaColuna(), 1);
    }

    void pinturaCriaLinhaEColunaExtras()
    {
        TPainelLed p;
        dimensionar(p, 5, 6);
        QCOMPARE(int(p.Leds().size()), 6 * 7);
        QCOMPARE(p.UltimaColuna(), 7);
        QVERIFY(p.Led(6, 7, false));
        QCOMPARE(p.UltimaColunaAcesa(true), 0);
        QCOMPARE(p.UltimaColunaAcesa(false), 7);
    }

    void corDoLedIgualAoFundoViraAmarelo()
    {
        TPainelLed p;
        p.DefinirCorFundo(0x00123456);
        p.DefinirCorLed(0x00123456);
        QCOMPARE(p.CorLed(), TCor(0x0000FFFF));
        p.DefinirCorLed(0x000000FF);
        QCOMPARE(p.CorLed(), TCor(0x000000FF));
        p.DefinirCores(0x00ABCDEF, 0x00123456, 0x00123456); // no guard here
        QCOMPARE(p.CorLed(), TCor(0x00123456));
        QCOMPARE(p.CorLedNaDivisao(), TCor(0x00ABCDEF));
    }

    void divisaoAlemDasColunasIgnorada()
    {
        TPainelLed p;
        dimensionar(p, 8, 40);
        p.DefinirDivisaoNaColuna(12);
        p.DefinirDivisaoNaColuna(41);
        QCOMPARE(p.DivisaoNaColuna(), 12);
        p.DefinirDivisaoNaColuna(40);
        QCOMPARE(p.DivisaoNaColuna(), 40);
        p.DefinirDivisaoNaColuna(0);
        QCOMPARE(p.DivisaoNaColuna(), 0);
    }

    void coresNaDivisaoELinhaDivisoria()
    {
        TPainelLed p;
        dimensionar(p, 4, 20);
        p.DefinirCorLedNaDivisao(0x000000FF); // red
        p.DefinirCorLed(0x0000FF00);          // lime
        p.DefinirDivisaoNaColuna(10);
        p.Led(2, 9, true)->DefinirAcesa(true);
        p.Led(2, 10, true)->DefinirAcesa(true);
        QCOMPARE(p.CorDaColuna(9), TCor(0x000000FF));
        QCOMPARE(p.CorDaColuna(10), TCor(0x0000FF00));
        const QImage imagem = desenhar(p);
        const int t = p.TamanhoLed();
        QCOMPARE(imagem.pixel(8 * t + t / 2, t + t / 2), rgb(0x000000FF));
        QCOMPARE(imagem.pixel(9 * t + t / 2, t + t / 2), rgb(0x0000FF00));
        // Two white lines at the left edge of column 10, over every row.
        for (int y : {0, 4 * t - 2}) {
            QCOMPARE(imagem.pixel(9 * t, y), rgb(0x00FFFFFF));
            QCOMPARE(imagem.pixel(9 * t + 1, y), rgb(0x00FFFFFF));
        }
        p.DefinirModo(TModo::ModoSimulador);
        QVERIFY(desenhar(p).pixel(9 * t, 0) != rgb(0x00FFFFFF));
        p.DefinirModo(TModo::ModoTexto);
        p.DefinirCorFundo(0x00FFFFFF);
        QCOMPARE(desenhar(p).pixel(9 * t, 0), rgb(0x000000FF)); // red on white
    }

    void penDaRegua_data()
    {
        QTest::addColumn<TCor>("fundo");
        QTest::addColumn<TCor>("caneta");
        QTest::newRow("silver background: red grid") << TCor(0x00C0C0C0) << TCor(0x000000FF);
        QTest::newRow("black background: silver grid") << TCor(0) << TCor(0x00C0C0C0);
    }
    void penDaRegua()
    {
        QFETCH(TCor, fundo);
        QFETCH(TCor, caneta);
        TPainelLed p;
        dimensionar(p, 2, 3);
        p.DefinirCorFundo(fundo);
        p.DefinirRegua(true);
        const QImage imagem = desenhar(p);
        const int t = p.TamanhoLed();
        QCOMPARE(imagem.pixel(t, t + 3), rgb(caneta));     // left edge of cell (2, 2)
        QCOMPARE(imagem.pixel(t + 3, t + 3), rgb(fundo));  // inside a dark cell
        p.DefinirRegua(false);
        QCOMPARE(desenhar(p).pixel(t, t + 3), rgb(fundo));
    }

    void buscasNaoCrescemALista()
    {
        TPainelLed p;
        dimensionar(p, 3, 3);
        const auto antes = p.Leds().size();
        TLed *a = p.Led(30, 40, true);
        QCOMPARE(p.Led(30, 40, true), a);
        QCOMPARE(p.Led(2, 2, true), p.Led(2, 2, false));
        QCOMPARE(p.Leds().size(), antes + 1);
        QVERIFY(!p.Led(99, 99, false));
        QCOMPARE(p.Leds().size(), antes + 1);
        QVERIFY(p.EstaVazio());
        QCOMPARE(p.Leds().size(), antes + 1);
    }

    void limpar()
    {
        TPainelLed p;
        dimensionar(p, 5, 10);
        p.Led(3, 4, true)->DefinirAcesa(true);
        p.Led(3, 50, true)->DefinirAcesa(true);
        p.RegistrarCaractere(1, 1, 5, 5, TTipoFonte::tfVeltronix5x5, 'A', false);
        p.DefinirPrimeiraColuna(7);
        p.Limpar();
        QVERIFY(p.TextoDigitado().empty());
        QVERIFY(p.EstaVazio());
        QCOMPARE(p.UltimaColunaAcesa(true), 0);
        QCOMPARE(p.UltimaColuna(), 11); // recreated dark by the paint that ends Limpar
        QCOMPARE(p.ColunaCursor(), 1);
        QCOMPARE(p.LinhaCursor(), 1);
        QCOMPARE(p.PrimeiraColuna(), 1);
    }

    void rotulo()
    {
        TPainelLed p;
        dimensionar(p, 13, 20);
        p.RegistrarCaractere(9, 1, 6, 5, TTipoFonte::tfVeltronix5x5, 'C', false);
        p.RegistrarCaractere(1, 1, 6, 5, TTipoFonte::tfVeltronix5x5, 'A', false);
        p.RegistrarCaractere(9, 7, 6, 5, TTipoFonte::tfVeltronix5x5, 'D', false);
        p.RegistrarCaractere(1, 7, 6, 5, TTipoFonte::tfVeltronix5x5, 'B', false);
        p.RegistrarCaractere(14, 1, 6, 5, TTipoFonte::tfVeltronix5x5, 'Z', false); // below the panel
        p.RegistrarCaractere(1, 13, 6, 5, TTipoFonte::tfVeltronix5x5, 0xE7, false);
        QCOMPARE(p.Rotulo(), QStringLiteral("ABçCD"));
        // Registering at an occupied position fills that record again.
        p.RegistrarCaractere(1, 7, 6, 5, TTipoFonte::tfVeltronix5x5, 'X', false);
        QCOMPARE(p.Rotulo(), QStringLiteral("AXçCD"));
        QCOMPARE(int(p.TextoDigitado().size()), 6);
        QCOMPARE(p.TextoDigitado().back()->Indice, 6);
        dimensionar(p, 0, 20);
        QCOMPARE(p.Rotulo(), QString());
    }

    void modoEModoAnterior()
    {
        TPainelLed p;
        QCOMPARE(p.ColunaCursor(), 0);
        p.DefinirModo(TModo::ModoGrafico);
        QCOMPARE(p.ModoAnterior(), TModo::ModoTexto);
        QCOMPARE(p.ColunaCursor(), 0);
        p.DefinirModo(TModo::ModoTexto);
        QCOMPARE(p.ModoAnterior(), TModo::ModoGrafico);
        QCOMPARE(p.ColunaCursor(), 1);
        QCOMPARE(p.LinhaCursor(), 1);
    }

    void fonteUtilizadaAvisaSoQuandoMuda()
    {
        TPainelLed p;
        int avisos = 0;
        p.AoAlterarPropriedade = [&](TPainelLed *s) {
            QCOMPARE(s, &p);
            ++avisos;
        };
        p.DefinirFonteUtilizada(TTipoFonte::tfVeltronix8x7);
        p.DefinirFonteUtilizada(TTipoFonte::tfVeltronix5x5);
        QCOMPARE(avisos, 1);
        QCOMPARE(p.FonteUtilizada(), TTipoFonte::tfVeltronix5x5);
    }

    // Left of the division the fixed cells stay put while the view scrolls;
    // from the division on, the scrolled cells show.
    void vistaDeslocadaComDivisao()
    {
        TPainelLed p;
        dimensionar(p, 1, 10);
        p.DefinirCorLedNaDivisao(0x000000FF);
        p.DefinirCorLed(0x0000FF00);
        p.DefinirDivisaoNaColuna(5);
        p.Led(1, 2, true)->DefinirAcesa(true);  // fixed
        p.Led(1, 7, true)->DefinirAcesa(true);  // scrolls
        p.DefinirPrimeiraColuna(3);
        const QImage imagem = desenhar(p);
        const int t = p.TamanhoLed();
        auto centro = [&](int colunaTela) { return imagem.pixel((colunaTela - 1) * t + t / 2, t / 2); };
        QCOMPARE(centro(2), rgb(0x000000FF));
        QCOMPARE(centro(5), rgb(0x0000FF00)); // column 7 = 5 + 3 - 1
        QCOMPARE(centro(4), rgb(0));
        QCOMPARE(centro(1), rgb(0));
    }

    void molduraDoRelogio()
    {
        TPainelLed p;
        dimensionar(p, 8, 20);
        p.RegistrarCaractere(2, 3, 8, 5, TTipoFonte::tfVeltronix5x5, '0', true);
        p.RegistrarCaractere(2, 11, 2, 5, TTipoFonte::tfVeltronix5x5, ':', true);
        const QImage imagem = desenhar(p);
        const int t = p.TamanhoLed();
        const QRgb magenta = rgb(0x00FF00FF);
        QCOMPARE(imagem.pixel(2 * t, t + 3), magenta);        // left edge, inner Left of column 3
        QCOMPARE(imagem.pixel(11 * t, t + 3), magenta);       // right edge, inner Left of column 12
        QCOMPARE(imagem.pixel(5 * t + 2, t), magenta);        // top edge, inner Top of row 2
        QCOMPARE(imagem.pixel(5 * t + 2, 6 * t - 1), magenta); // bottom edge, inner Bottom of row 6
        QVERIFY(imagem.pixel(12 * t, t + 3) != magenta);      // the last column stays outside
    }

    // LedNoPonto answers from an index; it must agree with a scan of the list
    // in creation order everywhere, also with a division and a shifted view,
    // where a fixed and a scrolled cell share a screen place.
    void ledNoPontoComoAVarredura_data()
    {
        QTest::addColumn<int>("divisao");
        QTest::addColumn<int>("primeira");
        QTest::newRow("plain") << 0 << 1;
        QTest::newRow("scrolled") << 0 << 6;
        QTest::newRow("division") << 5 << 1;
        QTest::newRow("division, scrolled") << 5 << 3;
        QTest::newRow("division, scrolled far") << 5 << 9;
    }
    void ledNoPontoComoAVarredura()
    {
        QFETCH(int, divisao);
        QFETCH(int, primeira);
        TPainelLed p;
        p.DefinirTamanhoLed(4);
        dimensionar(p, 3, 8);
        p.DefinirDivisaoNaColuna(divisao);
        QRandomGenerator aleatorio(7);
        for (int i = 0; i < 40; ++i)
            p.Led(aleatorio.bounded(-1, 5), aleatorio.bounded(-2, 20), true);
        p.DefinirPrimeiraColuna(primeira);
        for (int x = -6; x < 40; ++x)
            for (int y = -6; y < 20; ++y)
                QCOMPARE(p.LedNoPonto(x, y), ledNoPontoPorVarredura(p, x, y));
    }
};

QTEST_MAIN(TesteTPainelLed)
#include "tst_painelled.moc"
