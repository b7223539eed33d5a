#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "panel/UErro.h"
#include "panel/UPainelLed.h"

// The content text as the panel writes and applies it: exact bytes for a
// known panel, round trips onto a cleared panel, streams, malformed input,
// scrolling panels and the preview step.
class TesteConteudoDoPainel : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    static void dimensionar(TPainelLed &p, int linhas, int colunas)
    {
        p.DefinirNroLinhas(linhas);
        p.DefinirNroColunas(colunas);
    }

    // Lays a character's glyph as typing does and registers it.
    static void colocar(TPainelLed &p, int linha, int coluna, unsigned char ch, TTipoFonte fonte, bool relogio = false)
    {
        QByteArray glifo;
        TFontesLed::LerGlifo(fonte, ch, glifo);
        const int h = TFontesLed::AlturaDaFonte(fonte);
        for (int i = 0; h > 0 && i < glifo.size(); ++i)
            p.Led(linha + i % h, coluna + i / h, true)->DefinirAcesa(glifo.at(i) == '1');
        p.RegistrarCaractere(linha, coluna, TFontesLed::UltimaColunaDoGlifo(fonte, glifo, h) + 1, h, fonte, ch,
                             relogio);
    }

    static QList<QPair<int, int>> acesas(const TPainelLed &p)
    {
        QList<QPair<int, int>> lista;
        for (const auto &led : p.Leds())
            if (led->Acesa)
                lista.append({led->Linha, led->Coluna});
        std::sort(lista.begin(), lista.end());
        return lista;
    }

    static QString registros(const TPainelLed &p)
    {
        QStringList s;
        for (const auto &c : p.TextoDigitado())
            s << QStringLiteral("%1:%2,%3 '%4' f%5 w%6 h%7%8")
                     .arg(c->Indice)
                     .arg(c->Linha)
                     .arg(c->Coluna)
                     .arg(int(c->Caractere))
                     .arg(int(c->Fonte))
                     .arg(c->Largura)
                     .arg(c->Altura)
                     .arg(c->Relogio ? QStringLiteral(" clock") : QString());
        return s.join(u'|');
    }

    static void conferirIdaEVolta(TPainelLed &origem, int linhas, int colunas)
    {
        const QByteArray conteudo = origem.GerarConteudo(linhas, colunas);
        TPainelLed destino;
        dimensionar(destino, linhas, colunas);
        destino.Limpar();
        destino.CarregarConteudo(conteudo);
        QCOMPARE(acesas(destino), acesas(origem));
        QCOMPARE(registros(destino), registros(origem));
        QCOMPARE(destino.GerarConteudo(linhas, colunas), conteudo);
    }

private slots:
    void initTestCase()
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(QStringLiteral("FONTES12.INI")));
        TFontesLed::CriarFontesPadrao();
    }

    void textoDoExemplo()
    {
        TPainelLed p;
        dimensionar(p, 5, 6);
        colocar(p, 1, 1, 'A', TTipoFonte::tfVeltronix5x5);
        const QByteArray esperado =
            "1-1-F|2-1-T|3-1-T|4-1-T|5-1-T|1-2-T|2-2-F|3-2-T|4-2-F|5-2-F|1-3-T|2-3-F|3-3-T|4-3-F|5-3-F|1-4-F|2-4-T|"
            "3-4-T|4-4-T|5-4-T|1-5-F|2-5-F|3-5-F|4-5-F|5-5-F|1-6-F|2-6-F|3-6-F|4-6-F|5-6-F(1-1-A-1)";
        QCOMPARE(p.GerarConteudo(5, 6), esperado);
        QCOMPARE(TPainelLed::ConteudoParaBits(esperado), QByteArray("011111010010100011110000000000"));

        TPainelLed q;
        dimensionar(q, 5, 6);
        q.Limpar();
        q.CarregarConteudo(esperado);
        QCOMPARE(acesas(q), acesas(p));
        QCOMPARE(registros(q), QStringLiteral("1:1,1 '65' f1 w5 h5"));
        QCOMPARE(q.ColunaCursor(), 1);
    }

    void painelApagadoSemParenteses()
    {
        TPainelLed p;
        dimensionar(p, 2, 2);
        QCOMPARE(p.GerarConteudo(2, 2), QByteArray("1-1-F|2-1-F|1-2-F|2-2-F"));
    }

    void idaEVolta_data()
    {
        QTest::addColumn<QByteArray>("caracteres");
        QTest::addColumn<bool>("relogio");
        QTest::newRow("lit corner only") << QByteArray() << false;
        QTest::newRow("letters") << QByteArray("Ab") << false;
        QTest::newRow("dash") << QByteArray("-") << false;
        QTest::newRow("clock") << QByteArray("00:00") << true;
        QTest::newRow("delimiters") << QByteArray("()|\"") << false;
        QTest::newRow("accents") << QByteArray("\xC7\xE3o") << false;
    }
    void idaEVolta()
    {
        QFETCH(QByteArray, caracteres);
        QFETCH(bool, relogio);
        TPainelLed p;
        dimensionar(p, 8, 60);
        p.Led(8, 60, true)->DefinirAcesa(true); // bottom-right cell
        int coluna = 1;
        for (char ch : caracteres) {
            colocar(p, 1, coluna, static_cast<unsigned char>(ch), TTipoFonte::tfVeltronix8x7, relogio);
            coluna = p.TextoDigitado().back()->ColunaFinal();
        }
        conferirIdaEVolta(p, 8, 60);
        QVERIFY(p.Led(8, 60, false)->Acesa);
    }

    void caracteresEspeciaisNaoQuebramOTexto()
    {
        TPainelLed p;
        dimensionar(p, 1, 1);
        p.RegistrarCaractere(1, 1, 1, 8, TTipoFonte::tfVeltronix8x7, '(', false);
        p.RegistrarCaractere(1, 2, 1, 8, TTipoFonte::tfVeltronix8x7, '"', true);
        const QByteArray conteudo = p.GerarConteudo(1, 1);
        QCOMPARE(conteudo, QByteArray("1-1-F(1-1-\x01-7|1-2-\x04-7\")"));
        QCOMPARE(TPainelLed::ConteudoParaBits(conteudo), QByteArray("0"));
    }

    void semStreamEStreamVazio()
    {
        TPainelLed p;
        dimensionar(p, 2, 2);
        p.DefinirColunaCursor(9);
        p.CarregarDoStream(nullptr);
        QCOMPARE(p.ColunaCursor(), 9);
        QBuffer vazio;
        vazio.open(QIODevice::ReadWrite);
        p.CarregarDoStream(&vazio);
        QCOMPARE(p.ColunaCursor(), 0);

        TPainelLed q;
        QVERIFY(!q.SalvarNoStream(0, 0)); // nothing to write: no stream
        dimensionar(q, 2, 3);
        q.Led(1, 2, true)->DefinirAcesa(true);
        const std::unique_ptr<QBuffer> stream = q.SalvarNoStream(2, 3);
        QVERIFY(stream);
        QCOMPARE(stream->pos(), stream->size());
        TPainelLed r;
        dimensionar(r, 2, 3);
        r.CarregarDoStream(stream.get());
        QVERIFY(r.Led(1, 2, false)->Acesa);
    }

    void linhaMalFormada()
    {
        TPainelLed p;
        dimensionar(p, 5, 5);
        const QByteArray conteudo = "1-1-T|2-1-T(1-3-A-1|4-9-B-1|x2-1-C-1)";
        try {
            p.CarregarConteudo(conteudo);
            QFAIL("no error");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, QStringLiteral("'x' is not a valid integer value"));
        }
        QVERIFY(p.Led(1, 1, false)->Acesa);
        QVERIFY(p.Led(2, 1, false)->Acesa);
        QCOMPARE(int(p.TextoDigitado().size()), 2);
        QCOMPARE(p.ColunaCursor(), 9);
    }

    void painelRolanteSalvaTudo()
    {
        TPainelLed p;
        dimensionar(p, 2, 10);
        p.DefinirRolagem(TRolagem::tsEsquerda);
        p.Led(1, 30, true)->DefinirAcesa(true);
        const QByteArray conteudo = p.GerarConteudo(2, 10);
        QCOMPARE(TPainelLed::ConteudoParaBits(conteudo).size(), 2 * 30);
        p.DefinirRolagem(TRolagem::tsNenhum);
        QCOMPARE(TPainelLed::ConteudoParaBits(p.GerarConteudo(2, 10)).size(), 2 * 10);
    }

    // Loading a long scrolling message creates no painted column past its end:
    // saving it again must not cut its last lit column, however often it is done.
    void painelRolanteNaoEncolheAoRecarregar()
    {
        TPainelLed p;
        dimensionar(p, 2, 10);
        p.DefinirRolagem(TRolagem::tsEsquerda);
        p.Led(2, 40, true)->DefinirAcesa(true);
        p.Led(1, 41, true);
        QByteArray conteudo = p.GerarConteudo(2, 10);
        for (int ciclo = 0; ciclo < 3; ++ciclo) {
            TPainelLed q;
            dimensionar(q, 2, 10);
            q.DefinirRolagem(TRolagem::tsEsquerda);
            q.Limpar();
            q.CarregarConteudo(conteudo);
            conteudo = q.GerarConteudo(2, 10);
            QVERIFY(q.Led(2, 40, false)->Acesa);
            QCOMPARE(q.UltimaColunaAcesa(true), 40);
        }
        QVERIFY(conteudo.endsWith("|1-40-F|2-40-T"));
    }

    // Any panel written and applied to a cleared panel of the same size gives
    // the same lit cells and the same character records.
    void propriedadeIdaEVolta()
    {
        QRandomGenerator aleatorio(2026);
        const QByteArray repertorio = QByteArray(" !()+-./0123456789:AZaz|\"\xC7\xE7\xE3\xC1") + "Mw";
        for (int caso = 0; caso < 300; ++caso) {
            TPainelLed p;
            const int linhas = aleatorio.bounded(1, 17);
            const int colunas = aleatorio.bounded(1, 129);
            dimensionar(p, linhas, colunas);
            const int acesasQtd = aleatorio.bounded(0, linhas * colunas / 3 + 1);
            for (int i = 0; i < acesasQtd; ++i)
                p.Led(aleatorio.bounded(1, linhas + 1), aleatorio.bounded(1, colunas + 1), true)->DefinirAcesa(true);
            const int caracteres = aleatorio.bounded(0, 12);
            for (int i = 0; i < caracteres; ++i) {
                const auto fonte = TTipoFonte(aleatorio.bounded(1, 13));
                const auto ch = static_cast<unsigned char>(repertorio.at(aleatorio.bounded(int(repertorio.size()))));
                const int linha = aleatorio.bounded(1, linhas + 1);
                const int coluna = aleatorio.bounded(1, colunas + 1);
                QByteArray glifo;
                TFontesLed::LerGlifo(fonte, ch, glifo);
                const int h = TFontesLed::AlturaDaFonte(fonte);
                p.RegistrarCaractere(linha, coluna, TFontesLed::UltimaColunaDoGlifo(fonte, glifo, h) + 1, h, fonte, ch,
                                     aleatorio.bounded(4) == 0);
            }
            conferirIdaEVolta(p, linhas, colunas);
            if (QTest::currentTestFailed()) {
                qWarning() << "case" << caso;
                return;
            }
        }
    }

    void passoDaSimulacao()
    {
        TPainelLed p;
        dimensionar(p, 2, 20);
        p.Led(1, 40, true)->DefinirAcesa(true);
        p.DefinirPrimeiraColuna(40);
        p.PassoSimulacao();
        QCOMPARE(p.PrimeiraColuna(), 41);
        p.PassoSimulacao();
        QCOMPARE(p.PrimeiraColuna(), 1); // the last lit column has left the view
        p.PassoSimulacao();
        QCOMPARE(p.PrimeiraColuna(), 2);
    }

    void simulacaoGuardaOCursorERestauraOModo()
    {
        TPainelLed p;
        dimensionar(p, 2, 20);
        p.DefinirRolagem(TRolagem::tsEsquerda);
        p.DefinirModo(TModo::ModoGrafico);
        p.DefinirColunaCursor(33);
        p.DefinirPrimeiraColuna(20);
        p.IniciarSimulacao();
        QCOMPARE(p.Modo(), TModo::ModoSimulador);
        QCOMPARE(p.ColunaCursor(), 1);
        QCOMPARE(p.PrimeiraColuna(), 1);
        p.PassoSimulacao();
        p.PararSimulacao();
        QCOMPARE(p.Modo(), TModo::ModoGrafico);
        QCOMPARE(p.ColunaCursor(), 33);
    }

    void relogioInseridoNoCursor()
    {
        TPainelLed p;
        dimensionar(p, 8, 96);
        p.DefinirModo(TModo::ModoTexto);
        p.InserirRelogio();
        QCOMPARE(int(p.TextoDigitado().size()), 5);
        QCOMPARE(p.RelogioColunaInicial(), 1);
        QCOMPARE(p.RelogioColunaFinal(), 35);
        QCOMPARE(p.RelogioLinhaInicial(), 1);
        QCOMPARE(p.RelogioLinhaFinal(), 8);
        QCOMPARE(p.RelogioFonte(), TTipoFonte::tfVeltronix8x7);
        QVERIFY(p.GerarConteudo(8, 96).endsWith("(1-1-0-7\"|1-9-0-7\"|1-17-:-7\"|1-19-0-7\"|1-27-0-7\")"));
    }

    void limitesDoRelogio()
    {
        TPainelLed p;
        dimensionar(p, 8, 96);
        QCOMPARE(p.RelogioColunaInicial(), 0);
        QCOMPARE(p.RelogioFonte(), TTipoFonte::tfNenhum);
        colocar(p, 1, 1, '0', TTipoFonte::tfVeltronix8x7, true);
        colocar(p, 1, 9, '0', TTipoFonte::tfVeltronix8x7, true);
        colocar(p, 1, 17, ':', TTipoFonte::tfVeltronix8x7, true);
        colocar(p, 1, 19, '0', TTipoFonte::tfVeltronix8x7, true);
        colocar(p, 1, 27, '0', TTipoFonte::tfVeltronix8x7, true);
        colocar(p, 1, 40, 'A', TTipoFonte::tfVeltronix5x5, false);
        QCOMPARE(p.RelogioColunaInicial(), 1);
        QCOMPARE(p.RelogioColunaFinal(), 35);
        QCOMPARE(p.RelogioLinhaInicial(), 1);
        QCOMPARE(p.RelogioLinhaFinal(), 8);
        QCOMPARE(p.RelogioFonte(), TTipoFonte::tfVeltronix8x7);
        QVERIFY(p.GerarConteudo(8, 96).endsWith("1-27-0-7\"|1-40-A-1)"));
    }
};

QTEST_GUILESS_MAIN(TesteConteudoDoPainel)
#include "tst_conteudopainelled.moc"
