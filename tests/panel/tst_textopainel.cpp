#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "panel/UPainelLed.h"
#include "panel/USom.h"

using namespace Qt::StringLiterals;

// Typing, editing, alignment, spacing and the mouse on the panel model,
// without a window. Widths come from the font file as built, read through
// LerGlifo, except those that are fixed (5x5 "A" is 5 columns).
namespace {
// A model panel whose key catcher can lose the focus, and that counts the
// text-dimension requests.
class TPainelTeste : public TPainelLed {
public:
    TPainelTeste(int linhas, int colunas, TTipoFonte fonte)
    {
        DefinirNroLinhas(linhas);
        DefinirNroColunas(colunas);
        DefinirFonteUtilizada(fonte);
        PosicionarCursor(1, 1);
    }
    bool Foco = true;
    int PedidosDeDimensao = 0;

    // Types text; "\r" is the Enter key.
    void Digitar(const QString &texto)
    {
        for (QChar c : texto)
            if (c == u'\r')
                PressionarTecla(TeclasPainel::Enter, false);
            else
                DigitarTexto(QString(c));
    }

protected:
    bool CapturaComFoco() const override { return Foco; }
    void LinhaNaoCabe() override
    {
        ++PedidosDeDimensao;
        TPainelLed::LinhaNaoCabe();
    }
};

// Panel columns a glyph advances (columns ending in "2" share the next one's).
int colunas(TTipoFonte fonte, char caractere)
{
    QByteArray glifo;
    if (!TFontesLed::LerGlifo(fonte, static_cast<unsigned char>(caractere), glifo))
        return 0;
    const int h = TFontesLed::AlturaDaFonte(fonte);
    int n = 0;
    for (qsizetype i = h - 1; i < glifo.size(); i += h)
        n += glifo[i] != '2';
    return n;
}

// The lit cells of the grid (and a margin to the right), as "row,column" set.
QSet<QString> acesas(TPainelLed &p, int ateColuna = 0)
{
    QSet<QString> r;
    for (const auto &led : p.Leds())
        if (led->Acesa && (ateColuna == 0 || led->Coluna <= ateColuna))
            r.insert(QStringLiteral("%1,%2").arg(led->Linha).arg(led->Coluna));
    return r;
}

QString textoDe(const TPainelLed &p)
{
    QString r;
    for (const auto &c : p.TextoDigitado())
        r.append(QLatin1Char(char(c->Caractere)));
    return r;
}

// Typing at a place: the cursor goes to (Coluna, Linha) in that font, then the
// text is typed; an empty text only moves the cursor.
struct TPasso {
    TTipoFonte Fonte = TTipoFonte::tfNenhum;
    int Coluna = 1;
    int Linha = 1;
    QString Texto;
};

// The records in list order, as "row,column character font".
QStringList registros(const TPainelLed &p)
{
    QStringList r;
    for (const auto &c : p.TextoDigitado())
        r << QStringLiteral("%1,%2 %3 %4")
                 .arg(c->Linha)
                 .arg(c->Coluna)
                 .arg(QLatin1Char(char(c->Caractere)))
                 .arg(TFontesLed::NomeDaFonte(c->Fonte));
    return r;
}

// The cells each record's glyph lights in its own font, laid from the glyph text.
QSet<QString> acesasDosGlifos(const TPainelLed &p)
{
    QSet<QString> r;
    for (const auto &c : p.TextoDigitado()) {
        QByteArray glifo;
        TFontesLed::LerGlifo(c->Fonte, c->Caractere, glifo);
        const int h = TFontesLed::AlturaDaFonte(c->Fonte);
        for (int i = 0; i < glifo.size(); ++i)
            if (glifo[i] == '1')
                r.insert(QStringLiteral("%1,%2").arg(c->Linha + i % h).arg(c->Coluna + i / h));
    }
    return r;
}

bool indicesEmOrdem(const TPainelLed &p)
{
    for (size_t k = 0; k < p.TextoDigitado().size(); ++k)
        if (p.TextoDigitado()[k]->Indice != int(k) + 1)
            return false;
    return true;
}
}

Q_DECLARE_METATYPE(TPasso)

class TesteTextoPainel : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    int bipes = 0;
    static constexpr TTipoFonte f5x5 = TTipoFonte::tfVeltronix5x5;

private slots:
    void initTestCase()
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(QStringLiteral("FONTES12.INI")));
        TFontesLed::CriarFontesPadrao();
        TSom::DefinirBipe([this] { ++bipes; });
        QCOMPARE(colunas(f5x5, 'A'), 5);
    }
    void init() { bipes = 0; }
    void cleanupTestCase()
    {
        TSom::DefinirBipe({});
        TFontesLed::DefinirArquivoDeFontes({});
    }

    void digitarDoisCaracteres()
    {
        TPainelTeste p(8, 80, f5x5);
        p.Digitar(QStringLiteral("AB"));
        const int wb = colunas(f5x5, 'B');
        QCOMPARE(textoDe(p), QStringLiteral("AB"));
        QVERIFY(indicesEmOrdem(p));
        const TCfgChar &a = *p.TextoDigitado()[0];
        const TCfgChar &b = *p.TextoDigitado()[1];
        QCOMPARE(a.Coluna, 1);
        QCOMPARE(a.Largura, 5);
        QCOMPARE(a.Altura, 5);
        QCOMPARE(a.Fonte, f5x5);
        QCOMPARE(b.Coluna, 6);
        QCOMPARE(b.Largura, wb);
        QCOMPARE(p.ColunaCursor(), 6 + wb);
        QCOMPARE(p.Rotulo(), QStringLiteral("AB"));
        // "A" is laid from its glyph, column by column from the top row.
        QByteArray glifo;
        QVERIFY(TFontesLed::LerGlifo(f5x5, 'A', glifo));
        for (int i = 0; i < 25; ++i)
            QCOMPARE(p.Led(1 + i % 5, 1 + i / 5, false)->Acesa, glifo[i] == '1');
    }

    // A character that is not typed is never dropped without a word: a beep and
    // the reason, naming the font or the sign. Without the focus nothing is
    // typed and nothing said; control characters are no characters to type.
    void recusas_data()
    {
        QTest::addColumn<int>("fonte");
        QTest::addColumn<int>("colunas");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("foco");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QStringList>("motivos");
        const QString naoCabe = u"O texto não cabe no painel Traseiro: ligue a rolagem ou escolha uma fonte menor"_s;
        QTest::newRow("sem foco") << 1 << 80 << u"A"_s << false << QString() << QStringList();
        QTest::newRow("controle") << 1 << 80 << u"\u0001\tA"_s << true << u"A"_s << QStringList();
        QTest::newRow("sem código") << 1 << 80 << u"中A"_s << true << u"A"_s
                                    << QStringList{u"O caractere 中 não pode ser mostrado nos painéis"_s};
        QTest::newRow("6x5 sem É") << 2 << 80 << u"ÉA"_s << true << u"A"_s
                                   << QStringList{u"A fonte 6x5 não tem o caractere É"_s};
        QTest::newRow("13x7 sem Í") << 10 << 80 << u"Í"_s << true << QString()
                                    << QStringList{u"A fonte 13x7 não tem o caractere Í"_s};
        QTest::newRow("não cabe") << 1 << 14 << u"AAA"_s << true << u"AA"_s << QStringList{naoCabe};
    }
    void recusas()
    {
        QFETCH(int, fonte);
        QFETCH(int, colunas);
        QFETCH(QString, texto);
        QFETCH(bool, foco);
        QTEST_ASSERT(fonte >= 1 && fonte <= 12);
        TPainelTeste p(13, colunas, static_cast<TTipoFonte>(fonte));
        p.Nome = u"Traseiro"_s;
        QStringList motivos;
        p.AoRecusar = [&](TPainelLed *, const QString &motivo) { motivos << motivo; };
        p.Foco = foco;
        p.DigitarTexto(texto);
        QTEST(textoDe(p), "digitado");
        QTEST(motivos, "motivos");
        QCOMPARE(bipes, int(motivos.size()));
        QCOMPARE(p.PedidosDeDimensao, motivos.contains(p.MotivoNaoCabe()) ? 1 : 0);
    }

    // Each edit must leave the records in order and the cells exactly as
    // typing the resulting text from scratch would.
    void edicao_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QList<int>>("teclas");
        QTest::addColumn<QString>("inserir");
        QTest::addColumn<QString>("resultado");
        using namespace TeclasPainel;
        QTest::newRow("inserir no meio") << "AB" << QList<int>{Esquerda} << "C" << "ACB";
        QTest::newRow("inserir no inicio") << "ABC" << QList<int>{Inicio} << "XY" << "XYABC";
        QTest::newRow("retrocesso no fim") << "ABC" << QList<int>{Retrocesso} << "" << "AB";
        QTest::newRow("retrocesso no meio") << "ABC" << QList<int>{Inicio, Direita, Direita, Retrocesso} << ""
                                            << "AC";
        QTest::newRow("retrocesso no inicio") << "ABC" << QList<int>{Inicio, Retrocesso} << "" << "BC";
        QTest::newRow("apagar no inicio") << "ABC" << QList<int>{Inicio, Apagar} << "" << "BC";
        QTest::newRow("apagar no meio") << "ABC" << QList<int>{Inicio, Direita, Apagar} << "" << "AC";
        QTest::newRow("apagar no fim nada faz") << "ABC" << QList<int>{Apagar} << "" << "ABC";
    }

    void edicao()
    {
        QFETCH(QString, texto);
        QFETCH(QList<int>, teclas);
        QFETCH(QString, inserir);
        QFETCH(QString, resultado);
        TPainelTeste p(8, 80, f5x5);
        p.Digitar(texto);
        for (int t : teclas)
            p.PressionarTecla(t, false);
        p.Digitar(inserir);
        QCOMPARE(textoDe(p), resultado);
        QVERIFY(indicesEmOrdem(p));
        TPainelTeste novo(8, 80, f5x5);
        novo.Digitar(resultado);
        QCOMPARE(acesas(p, 80), acesas(novo, 80));
        for (size_t k = 0; k < novo.TextoDigitado().size(); ++k)
            QCOMPARE(p.TextoDigitado()[k]->Coluna, novo.TextoDigitado()[k]->Coluna);
        QCOMPARE(bipes, 0);
    }

    // Characters of different heights and fonts on one panel of 16 rows: a
    // deletion moves left the later characters whose first or last row is
    // among the deleted one's rows, and lays every glyph again in its own font.
    void edicaoEmDuasFontes_data()
    {
        QTest::addColumn<QList<TPasso>>("passos");
        QTest::addColumn<QList<int>>("teclas");
        QTest::addColumn<QStringList>("resultado");
        using namespace TeclasPainel;
        const auto f8x7 = TTipoFonte::tfVeltronix8x7;
        // Home goes to the 5x5 "A" at column 1 (it overlaps the line), Delete removes it.
        QTest::newRow("apagar sob um mais alto que comeca acima")
            << QList<TPasso>{{f5x5, 1, 4, QStringLiteral("A")}, {f8x7, 6, 1, QStringLiteral("A")}}
            << QList<int>{Inicio, Apagar} << QStringList{QStringLiteral("1,1 A 8x7")};
        QTest::newRow("apagar sob um mais alto que comeca abaixo")
            << QList<TPasso>{{f5x5, 1, 1, QStringLiteral("A")}, {f8x7, 6, 3, QStringLiteral("A")}}
            << QList<int>{Inicio, Apagar} << QStringList{QStringLiteral("3,1 A 8x7")};
        QTest::newRow("apagar nao move o que esta abaixo")
            << QList<TPasso>{{f5x5, 1, 1, QStringLiteral("A")}, {f5x5, 6, 7, QStringLiteral("A")},
                             {f5x5, 1, 1, QString()}}
            << QList<int>{Inicio, Apagar} << QStringList{QStringLiteral("7,6 A 5x5")};
        // Backspace removes the "B" and lays the two "A" again.
        QTest::newRow("mesmo caractere em duas fontes")
            << QList<TPasso>{{f5x5, 1, 1, QStringLiteral("A")}, {f8x7, 6, 1, QStringLiteral("AB")}}
            << QList<int>{Retrocesso} << QStringList{QStringLiteral("1,1 A 5x5"), QStringLiteral("1,6 A 8x7")};
    }

    void edicaoEmDuasFontes()
    {
        QFETCH(QList<TPasso>, passos);
        QFETCH(QList<int>, teclas);
        QFETCH(QStringList, resultado);
        TPainelTeste p(16, 80, f5x5);
        for (const TPasso &passo : passos) {
            p.DefinirFonteUtilizada(passo.Fonte);
            p.PosicionarCursor(passo.Coluna, passo.Linha);
            p.Digitar(passo.Texto);
        }
        for (int t : teclas)
            p.PressionarTecla(t, false);
        QCOMPARE(registros(p), resultado);
        QVERIFY(indicesEmOrdem(p));
        QCOMPARE(acesas(p), acesasDosGlifos(p));
        QCOMPARE(bipes, 0);
    }

    void verificacaoDeLargura_data()
    {
        QTest::addColumn<TRolagem>("rolagem");
        QTest::addColumn<int>("caracteres");
        QTest::addColumn<int>("pedidos");
        QTest::newRow("sem rolagem") << TRolagem::tsNenhum << 2 << 1;
        QTest::newRow("com rolagem") << TRolagem::tsEsquerda << 3 << 0;
    }

    // Two "A" (5 columns each) fill 10 of 12 columns; a third would end at 15.
    void verificacaoDeLargura()
    {
        QFETCH(TRolagem, rolagem);
        QFETCH(int, caracteres);
        QFETCH(int, pedidos);
        TPainelTeste p(8, 12, f5x5);
        p.DefinirRolagem(rolagem);
        p.Digitar(QStringLiteral("AAA"));
        QCOMPARE(int(p.TextoDigitado().size()), caracteres);
        QCOMPARE(p.PedidosDeDimensao, pedidos);
        QCOMPARE(bipes, pedidos);
        QCOMPARE(p.ColunaCursor(), 1 + 5 * caracteres);
        // Even in the middle of the line: inserting would push the line out.
        p.PressionarTecla(TeclasPainel::Inicio, false);
        bipes = 0;
        p.Digitar(QStringLiteral("A"));
        QCOMPARE(int(p.TextoDigitado().size()), caracteres + 1 - pedidos);
    }

    // The view (first column P, N columns) moves only when the cursor leaves
    // columns P to P + N, and then by the step of the last character.
    void rolagemSegueOCursor_data()
    {
        QTest::addColumn<int>("nroColunas");
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("primeira");
        // Of the content text: 8 rows x the columns saved, the message to its last
        // character, however far the view went to show the cursor after it.
        QTest::addColumn<int>("bits");
        const auto f8x7 = TTipoFonte::tfVeltronix8x7;
        QTest::newRow("cursor em P + N") << 10 << f5x5 << QStringLiteral("AA") << 11 << 1 << 8 * 10;
        QTest::newRow("cursor alem de P + N") << 10 << f5x5 << QStringLiteral("AAA") << 16 << 6 << 8 * 15;
        // "A" is 5 columns: the view leaves column 1 at cursor 101 and then follows.
        QTest::newRow("A 5x5 ate a coluna 151") << 96 << f5x5 << QString(30, u'A') << 151 << 56 << 8 * 150;
        // "0" is 8 columns: cursor 97 is still P + N; the view moves from cursor 105 on.
        QTest::newRow("0 8x7 ate a coluna 153") << 96 << f8x7 << QString(19, u'0') << 153 << 57 << 8 * 152;
    }

    void rolagemSegueOCursor()
    {
        QFETCH(int, nroColunas);
        QFETCH(TTipoFonte, fonte);
        QFETCH(QString, texto);
        TPainelTeste p(8, nroColunas, fonte);
        p.DefinirRolagem(TRolagem::tsEsquerda);
        p.Digitar(texto);
        QCOMPARE(int(p.TextoDigitado().size()), int(texto.size()));
        QTEST(p.ColunaCursor(), "cursor");
        QTEST(p.PrimeiraColuna(), "primeira");
        QCOMPARE(p.PedidosDeDimensao, 0);
        QTEST(int(TConteudoPainel::ConteudoParaBits(p.GerarConteudo(8, nroColunas)).size()), "bits");
        p.PressionarTecla(TeclasPainel::Inicio, false);
        QCOMPARE(p.ColunaCursor(), 1);
        QCOMPARE(p.PrimeiraColuna(), 1);
        QCOMPARE(bipes, 0);
    }

    void movimento_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::addColumn<TRolagem>("rolagem");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QList<int>>("teclas");
        QTest::addColumn<int>("linha");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<int>("bipesEsperados");
        QTest::addColumn<int>("eventos");
        using namespace TeclasPainel;
        const auto nenhum = TRolagem::tsNenhum;
        const auto f8x7 = TTipoFonte::tfVeltronix8x7;
        QTest::newRow("baixo sem espaco") << 8 << f8x7 << nenhum << "" << QList<int>{Baixo} << 1 << 1 << 1 << 1;
        QTest::newRow("baixo com espaco") << 13 << f5x5 << nenhum << "" << QList<int>{Baixo} << 2 << 1 << 0 << 1;
        QTest::newRow("cima no topo") << 13 << f5x5 << nenhum << "" << QList<int>{Cima} << 1 << 1 << 1 << 1;
        QTest::newRow("enter") << 13 << f5x5 << nenhum << "AB" << QList<int>{Enter} << 7 << 1 << 0 << 1;
        QTest::newRow("esquerda na borda") << 8 << f5x5 << nenhum << "" << QList<int>{Esquerda} << 1 << 1 << 1 << 1;
        QTest::newRow("esquerda na borda com rolagem")
            << 8 << f5x5 << TRolagem::tsEsquerda << "" << QList<int>{Esquerda} << 1 << 1 << 0 << 1;
        QTest::newRow("esquerda salta o caractere") << 8 << f5x5 << nenhum << "AA" << QList<int>{Esquerda} << 1 << 6
                                                    << 0 << 1;
        QTest::newRow("direita salta o caractere")
            << 8 << f5x5 << nenhum << "AA" << QList<int>{Inicio, Direita} << 1 << 6 << 0 << 2;
        // On the 80-column panel: column 80 is still a place for the cursor.
        QTest::newRow("direita ate a ultima coluna")
            << 8 << f5x5 << nenhum << "" << QList<int>(79, Direita) << 1 << 80 << 0 << 79;
        QTest::newRow("direita passa da ultima coluna")
            << 8 << f5x5 << nenhum << "" << QList<int>(80, Direita) << 1 << 80 << 1 << 80;
        QTest::newRow("fim sem evento") << 8 << f5x5 << nenhum << "AA" << QList<int>{Inicio, Fim} << 1 << 11 << 0 << 1;
        QTest::newRow("cima para a linha de cima")
            << 13 << f5x5 << nenhum << "AA\rAA" << QList<int>{Inicio, Cima} << 1 << 1 << 0 << 2;
        QTest::newRow("baixo para a linha de baixo")
            << 13 << f5x5 << nenhum << "AA\rAA" << QList<int>{Inicio, Cima, Baixo} << 7 << 1 << 0 << 3;
        QTest::newRow("baixo passa da ultima linha")
            << 13 << f5x5 << nenhum << "AA\rAA" << QList<int>{Baixo, Baixo, Baixo} << 9 << 11 << 1 << 3;
    }

    void movimento()
    {
        QFETCH(int, linhas);
        QFETCH(TTipoFonte, fonte);
        QFETCH(TRolagem, rolagem);
        QFETCH(QString, texto);
        QFETCH(QList<int>, teclas);
        TPainelTeste p(linhas, 80, fonte);
        p.DefinirRolagem(rolagem);
        p.Digitar(texto);
        int eventos = 0;
        p.AoAlterarPropriedade = [&](TPainelLed *sender) {
            QCOMPARE(sender, &p);
            ++eventos;
        };
        for (int t : teclas)
            p.PressionarTecla(t, false);
        QTEST(p.LinhaCursor(), "linha");
        QTEST(p.ColunaCursor(), "coluna");
        QTEST(bipes, "bipesEsperados");
        QTEST(eventos, "eventos");
    }

    void teclasForaDoModoTextoNadaFazem()
    {
        TPainelTeste p(8, 80, f5x5);
        p.Digitar(QStringLiteral("AB"));
        p.DefinirModo(TModo::ModoGrafico);
        p.PressionarTecla(TeclasPainel::Retrocesso, false);
        p.Foco = false;
        p.DefinirModo(TModo::ModoTexto);
        p.PressionarTecla(TeclasPainel::Retrocesso, false);
        QCOMPARE(textoDe(p), QStringLiteral("AB"));
    }

    void copiarEColar()
    {
        TPainelTeste p(13, 96, f5x5);
        p.Digitar(QStringLiteral("AB\rC"));
        p.PressionarTecla(TeclasPainel::C, true);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ABC"));
        p.PressionarTecla(TeclasPainel::V, true);
        QCOMPARE(textoDe(p), QStringLiteral("ABCABC"));
        // Characters without a code are not typed, with a beep; control characters are skipped.
        QGuiApplication::clipboard()->setText(QStringLiteral("中\t\u0001"));
        p.PressionarTecla(TeclasPainel::V, true);
        QCOMPARE(textoDe(p), QStringLiteral("ABCABC"));
        QCOMPARE(bipes, 1);
        // Without Ctrl the same codes are plain keys with no action.
        p.PressionarTecla(TeclasPainel::V, false);
        QCOMPARE(textoDe(p), QStringLiteral("ABCABC"));
    }

    void alinhamento_data()
    {
        QTest::addColumn<int>("divisao");
        QTest::addColumn<int>("colunaDoTexto"); // where the line is typed
        QTest::addColumn<TAlinhamento>("alinhamento");
        QTest::addColumn<int>("letras"); // "A" x letras, 5 columns each
        QTest::addColumn<int>("inicio");
        const auto c = TAlinhamento::taCenter;
        const auto e = TAlinhamento::taLeftJustify;
        const auto d = TAlinhamento::taRightJustify;
        // Mostly a 30-column line ("A" x 6) on 96 columns.
        QTest::newRow("centro sem divisao") << 0 << 1 << c << 6 << 34;
        // 61 columns left over: the odd one goes to the right.
        QTest::newRow("centro com sobra impar") << 0 << 1 << c << 7 << 31;
        QTest::newRow("direita sem divisao") << 0 << 1 << d << 6 << 66;
        QTest::newRow("esquerda sem divisao") << 0 << 10 << e << 6 << 1;
        QTest::newRow("esquerda na parte direita") << 40 << 45 << e << 6 << 40;
        QTest::newRow("centro na parte direita") << 40 << 45 << c << 6 << 40 + (96 - 40 - 30) / 2 + 1;
        QTest::newRow("direita na parte direita") << 40 << 45 << d << 6 << 66;
        QTest::newRow("esquerda na parte esquerda") << 40 << 3 << e << 6 << 1;
        QTest::newRow("centro na parte esquerda") << 40 << 3 << c << 6 << (40 - 30) / 2 + 1;
        QTest::newRow("direita na parte esquerda") << 40 << 1 << d << 6 << 40 - 1 - 30;
    }

    void alinhamento()
    {
        QFETCH(int, divisao);
        QFETCH(int, colunaDoTexto);
        QFETCH(TAlinhamento, alinhamento);
        QFETCH(int, letras);
        QFETCH(int, inicio);
        TPainelTeste p(8, 96, f5x5);
        p.DefinirDivisaoNaColuna(divisao);
        // With a division, a line of "A" x 2 on the other part must stay put.
        const int outraColuna = colunaDoTexto < divisao ? divisao + 10 : 1;
        if (divisao > 0) {
            p.PosicionarCursor(outraColuna, 1);
            p.Digitar(QStringLiteral("AA"));
        }
        p.PosicionarCursor(colunaDoTexto, 1);
        p.Digitar(QString(letras, u'A'));
        p.DefinirAlinhamento(alinhamento);
        const auto &texto = p.TextoDigitado();
        const size_t primeiro = divisao > 0 ? 2 : 0;
        QCOMPARE(texto.size(), primeiro + size_t(letras));
        for (size_t k = 0; k < size_t(letras); ++k)
            QCOMPARE(texto[primeiro + k]->Coluna, inicio + 5 * int(k));
        QCOMPARE(p.ColunaCursor(), inicio + 5 * letras);
        if (divisao > 0) {
            QCOMPARE(texto[0]->Coluna, outraColuna);
            QCOMPARE(texto[1]->Coluna, outraColuna + 5);
        }
        TPainelTeste novo(8, 96, f5x5);
        novo.PosicionarCursor(inicio, 1);
        novo.Digitar(QString(letras, u'A'));
        QSet<QString> daLinha;
        for (const QString &c : acesas(p))
            if (divisao == 0 || (c.section(u',', 1).toInt() < divisao) == (inicio < divisao))
                daLinha.insert(c);
        QCOMPARE(daLinha, acesas(novo, 96));
    }

    void alinhamentoNaoEmpurraParaForaNemRola()
    {
        TPainelTeste cheio(8, 15, f5x5); // "AAA" fills the 15 columns
        cheio.Digitar(QStringLiteral("AAA"));
        QCOMPARE(cheio.TextoDigitado().size(), size_t(3));
        cheio.DefinirAlinhamento(TAlinhamento::taRightJustify);
        QCOMPARE(cheio.TextoDigitado()[0]->Coluna, 1);

        TPainelTeste rolando(8, 96, f5x5);
        rolando.DefinirRolagem(TRolagem::tsEsquerda);
        rolando.Digitar(QStringLiteral("AA"));
        rolando.DefinirAlinhamento(TAlinhamento::taCenter);
        QCOMPARE(rolando.TextoDigitado()[0]->Coluna, 1);
    }

    // "ABC" as typed: columns 1, 6 and 12, widths 5, 6 and 6 (the glyphs' own), cursor 18.
    // Narrowing never goes below a glyph's width, so every case ends there again.
    void espacamento_data()
    {
        QTest::addColumn<TRolagem>("rolagem");
        QTest::addColumn<int>("aumentos");
        QTest::addColumn<int>("reducoes");
        QTest::addColumn<QList<int>>("colunasFinais");
        QTest::addColumn<QList<int>>("largurasFinais");
        QTest::addColumn<int>("cursorFinal");
        const QList<int> colunasDigitadas{1, 6, 12};
        const QList<int> largurasDigitadas{5, 6, 6};
        QTest::newRow("parado") << TRolagem::tsNenhum << 1 << 1 << colunasDigitadas << largurasDigitadas << 18;
        QTest::newRow("rolando") << TRolagem::tsEsquerda << 1 << 1 << colunasDigitadas << largurasDigitadas << 18;
        QTest::newRow("estreitar o texto digitado")
            << TRolagem::tsNenhum << 0 << 1 << colunasDigitadas << largurasDigitadas << 18;
        QTest::newRow("estreitar alem do glifo")
            << TRolagem::tsNenhum << 1 << 2 << colunasDigitadas << largurasDigitadas << 18;
    }

    void espacamento()
    {
        QFETCH(TRolagem, rolagem);
        QFETCH(int, aumentos);
        QFETCH(int, reducoes);
        QFETCH(QList<int>, colunasFinais);
        QFETCH(QList<int>, largurasFinais);
        TPainelTeste p(8, 80, f5x5);
        p.DefinirRolagem(rolagem);
        p.Digitar(QStringLiteral("ABC"));
        const QSet<QString> antes = acesas(p);
        const int wb = colunas(f5x5, 'B');
        QCOMPARE(wb, 6);
        const auto &t = p.TextoDigitado();
        for (int i = 0; i < aumentos; ++i)
            p.AumentarEspacamento(1, p.UltimaColuna());
        if (aumentos == 1) {
            QCOMPARE(t[0]->Coluna, 1);
            QCOMPARE(t[0]->Largura, 6);
            QCOMPARE(t[1]->Coluna, 7);
            QCOMPARE(t[1]->Largura, wb + 1);
            QCOMPARE(t[2]->Coluna, 8 + wb);
            QCOMPARE(t[2]->Largura, colunas(f5x5, 'C'));
            QCOMPARE(p.ColunaCursor(), t[2]->ColunaFinal());
            // The blank columns are dark.
            for (int l = 1; l <= 5; ++l)
                QVERIFY(!p.Led(l, 6, true)->Acesa);
        }
        for (int i = 0; i < reducoes; ++i)
            p.DiminuirEspacamento(1, p.UltimaColuna());
        QList<int> colunasDoTexto;
        QList<int> largurasDoTexto;
        for (const auto &c : t) {
            colunasDoTexto << c->Coluna;
            largurasDoTexto << c->Largura;
        }
        QCOMPARE(colunasDoTexto, colunasFinais);
        QCOMPARE(largurasDoTexto, largurasFinais);
        QTEST(p.ColunaCursor(), "cursorFinal");
        QCOMPARE(acesas(p), antes);
    }

    void cursorEPisca()
    {
        TPainelTeste p(8, 80, f5x5);
        p.AtivarEdicao();
        QVERIFY(p.EdicaoAtiva());
        const bool antes = p.CursorVisivel();
        p.PiscarCursor();
        QCOMPARE(p.CursorVisivel(), !antes);
        p.PiscarCursor();
        QCOMPARE(p.CursorVisivel(), antes);
        // Another mode: the next tick ends editing and erases the cursor.
        p.DefinirModo(TModo::ModoGrafico);
        QVERIFY(p.EdicaoAtiva());
        p.PiscarCursor();
        QVERIFY(!p.EdicaoAtiva());
        QVERIFY(!p.CursorVisivel());
        p.AtivarEdicao();
        QVERIFY(!p.EdicaoAtiva());
        // The cursor is clamped to the panel without scrolling.
        p.DefinirModo(TModo::ModoTexto);
        p.PosicionarCursor(200, 1);
        QCOMPARE(p.ColunaCursor(), 80);
        p.PosicionarCursor(0, 1);
        QCOMPARE(p.ColunaCursor(), 1);
    }

    void mouseNoModoGrafico()
    {
        TPainelTeste p(8, 10, f5x5);
        p.DefinirModo(TModo::ModoGrafico);
        const auto centro = [](int coluna) { return (coluna - 1) * 8 + 4; };
        // A click lights a dark cell; a second one darkens it.
        p.PressionarMouse(TBotaoMouse::Esquerdo, centro(2), 4);
        p.ClicarMouse();
        p.SoltarMouse(TBotaoMouse::Esquerdo, centro(2), 4);
        QVERIFY(p.Led(1, 2, false)->Acesa);
        p.PressionarMouse(TBotaoMouse::Esquerdo, centro(2), 4);
        p.ClicarMouse();
        p.SoltarMouse(TBotaoMouse::Esquerdo, centro(2), 4);
        QVERIFY(!p.Led(1, 2, false)->Acesa);
        // Dragging over 3, 4, 5 and back over 4 (staying in each cell for a
        // few moves) lights 3 and 5 and toggles 4 twice.
        p.PressionarMouse(TBotaoMouse::Esquerdo, centro(3), 4);
        for (int coluna : {3, 3, 4, 4, 5, 5, 4, 4}) {
            p.MoverMouse(centro(coluna), 4);
            p.MoverMouse(centro(coluna) + 1, 4);
        }
        p.ClicarMouse();
        p.SoltarMouse(TBotaoMouse::Esquerdo, centro(4), 4);
        QVERIFY(p.Led(1, 3, false)->Acesa);
        QVERIFY(!p.Led(1, 4, false)->Acesa);
        QVERIFY(p.Led(1, 5, false)->Acesa);
        // Moving without a button does nothing; outside the panel neither.
        p.MoverMouse(centro(7), 4);
        QVERIFY(!p.Led(1, 7, false)->Acesa);
        p.PressionarMouse(TBotaoMouse::Esquerdo, -3, 4);
        p.ClicarMouse();
        p.SoltarMouse(TBotaoMouse::Esquerdo, -3, 4);
        QCOMPARE(acesas(p).size(), 2);
    }

    void mouseSemEfeito_data()
    {
        QTest::addColumn<TModo>("modo");
        QTest::newRow("marcacao") << TModo::ModoMarcacao;
        QTest::newRow("simulador") << TModo::ModoSimulador;
    }

    void mouseSemEfeito()
    {
        QFETCH(TModo, modo);
        TPainelTeste p(8, 10, f5x5);
        p.DefinirModo(modo);
        p.PressionarMouse(TBotaoMouse::Esquerdo, 12, 4);
        p.MoverMouse(20, 4);
        p.ClicarMouse();
        p.SoltarMouse(TBotaoMouse::Esquerdo, 20, 4);
        QVERIFY(acesas(p).isEmpty());
    }

    void botaoDireito()
    {
        TPainelTeste p(8, 10, f5x5);
        p.DefinirModo(TModo::ModoGrafico);
        QList<QPoint> pedidos;
        p.AoClicarMouseOpcoes = [&](TPainelLed *sender, int x, int y) {
            QCOMPARE(sender, &p);
            pedidos.append(QPoint(x, y));
        };
        p.PressionarMouse(TBotaoMouse::Direito, 12, 5);
        p.MoverMouse(20, 5);
        p.SoltarMouse(TBotaoMouse::Direito, 20, 5);
        QCOMPARE(pedidos, QList<QPoint>{QPoint(12, 5)});
        QVERIFY(acesas(p).isEmpty());
        // Without the handler the right button drags like the left one.
        p.AoClicarMouseOpcoes = nullptr;
        p.PressionarMouse(TBotaoMouse::Direito, 12, 5);
        QVERIFY(acesas(p).isEmpty());
        p.MoverMouse(20, 5);
        p.SoltarMouse(TBotaoMouse::Direito, 20, 5);
        QCOMPARE(acesas(p), QSet<QString>{QStringLiteral("1,3")});
    }

    void marcacao()
    {
        TPainelTeste p(8, 10, f5x5);
        p.DefinirModo(TModo::ModoMarcacao);
        int focos = 0;
        p.OnRecebeFoco = [&](TPainelLed *) { ++focos; };
        p.PressionarMouse(TBotaoMouse::Esquerdo, 4, 4);
        QCOMPARE(p.InicioMarcacao, p.Led(1, 1, false));
        QCOMPARE(p.FimMarcacao, p.Led(1, 1, false));
        p.MoverMouse(30, 20);
        p.SoltarMouse(TBotaoMouse::Esquerdo, 30, 20);
        QCOMPARE(p.FimMarcacao, p.Led(3, 4, false));
        QCOMPARE(focos, 1);
        // Released off the cells: no rectangle.
        p.PressionarMouse(TBotaoMouse::Esquerdo, 4, 4);
        p.SoltarMouse(TBotaoMouse::Esquerdo, 500, 500);
        QVERIFY(p.InicioMarcacao);
        QVERIFY(!p.FimMarcacao);
    }

    void cliqueNoModoTextoVaiAoFim()
    {
        TPainelTeste p(8, 80, f5x5);
        p.Digitar(QStringLiteral("AA"));
        p.PressionarTecla(TeclasPainel::Inicio, false);
        p.PressionarMouse(TBotaoMouse::Esquerdo, 4, 4);
        p.ClicarMouse();
        p.SoltarMouse(TBotaoMouse::Esquerdo, 4, 4);
        QCOMPARE(p.ColunaCursor(), 11);
        QVERIFY(p.EdicaoAtiva());
    }
};

QTEST_MAIN(TesteTextoPainel)
#include "tst_textopainel.moc"
