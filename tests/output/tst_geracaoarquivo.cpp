#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "output/UGeracaoArquivo.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "saida_fixture.h"

using namespace Qt::StringLiterals;
using namespace Fixture;

Q_DECLARE_METATYPE(Fixture::TPreparo)

// The records and the layout of the sign controller file, byte for byte.
class TesteGeracaoArquivo : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    // The only destination (or extra) record of a builder holding one.
    static QByteArray registroDestino(TGeracaoArquivo &g, int slot)
    {
        g.GerarBytes();
        const TTabela *t = g.TabelaDestino(slot, 1, false);
        return t ? t->Bytes : QByteArray();
    }
    static QByteArray registroExtra(TGeracaoArquivo &g, int slot, int numero)
    {
        g.GerarBytes();
        const TTabela *t = g.TabelaExtra(slot, numero, false);
        return t ? t->Bytes : QByteArray();
    }
    QString caminho(const QString &nome) const { return pasta.filePath(nome); }
    // The start of a refusal for one field's range.
    static QString campo(const QString &nome) { return u"o campo \"%1\""_s.arg(nome); }
    // A front sign of 8 x 80 with one destination: the base of the refusal cases.
    static void destinoSimples(TGeracaoArquivo &g)
    {
        Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        // Clock glyphs of the 8x7 font with known widths: "0" 8 columns, "1" one
        // column, "2" nine columns, "3" to "9" missing, ":" two columns.
        const QString fontes = caminho(u"FONTES12.INI"_s);
        QVERIFY(Fixture::GravarArquivo(fontes, "[Veltronix 8x7]\r\n"
                                               "48=0111111011111111100000011000000110000001111111110111111000000000\r\n"
                                               "49=11111111\r\n"
                                               "50=100000001000000010000000100000001000000010000000100000001000000011111111\r\n"
                                               "58=0000101000000000\r\n"
                                               // A "7" of 256 columns: a damaged value.
                                               "[Veltronix 8x6]\r\n55="
                                                   + QByteArray(8 * 256, '1') + "\r\n"));
        TFontesLed::DefinirArquivoDeFontes(fontes);
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // The front sign and a second one of 8 x 80, two destinations with one
    // message each. The second is the side sign (slot 2) or the last slot, 16.
    void arquivoDeDoisPaineis_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("front and side") << 2;
        QTest::newRow("front and slot 16") << 16;
    }
    void arquivoDeDoisPaineis()
    {
        QFETCH(int, slot);
        TGeracaoArquivo g;
        DoisPaineis(g, slot);

        const QByteArray tamanhos = Bytes({80, 8}) + Zeros(2 * (slot - 2)) + Bytes({80, 8}) + Zeros(2 * (16 - slot));
        const QByteArray cabecalho = Bytes({2, 0xC3, 0x01, 0, 0, 2, 0, 0, 0, 0, 0}) + tamanhos
                                     + Bytes({75, 0, 0, 0}) + Zeros(8) + Zeros(20);
        const QByteArray offsets = Bytes({83, 0, 0, 0, 0x0B, 0x01, 0, 0}); // 83, 267
        const QByteArray rotulo = QByteArray("LINHA 1") + Zeros(5);
        const QByteArray d1Frente = rotulo + Bytes({1, 0, 80, 0, 5, 0}) + Colunas(80, {{1, 0x80}, {80, 0x01}});
        const QByteArray d1Segundo = Bytes({slot, 0, 80, 0, 5, 0}) + Colunas(80, {{2, 0x40}});
        const QByteArray d2Frente = Zeros(12) + Bytes({1, 0, 80, 0, 0, 0}) + Colunas(80);
        const QByteArray d2Segundo = Bytes({slot, 0, 80, 0, 0, 0}) + Colunas(80);

        const QByteArray bytes = g.GerarBytes();
        QCOMPARE(d1Frente.size(), 98);
        QCOMPARE(d1Segundo.size(), 86);
        QCOMPARE(bytes.size(), 451);
        QCOMPARE(bytes.left(75), cabecalho);
        QCOMPARE(bytes, cabecalho + offsets + d1Frente + d1Segundo + d2Frente + d2Segundo);
    }

    void builderVazio()
    {
        TGeracaoArquivo g;
        const QByteArray esperado = Bytes({0, 75, 0, 0, 0}) + Zeros(6) + Zeros(32) + Bytes({75, 0, 0, 0}) + Zeros(8)
                                    + Zeros(20);
        QCOMPARE(g.GerarBytes(), esperado);
        QCOMPARE(g.MaiorDestino(), 0);
        QCOMPARE(g.MaiorExtra(), 0);
    }

    // The same destination on a 16-row side sign of 96 columns: no label block,
    // two bytes per column.
    void registroDe16Linhas()
    {
        TGeracaoArquivo g;
        DestinoDe16Linhas(g);
        const QByteArray r = registroDestino(g, 2);
        QCOMPARE(r.size(), 198);
        QCOMPARE(r.left(6), Bytes({2, 0, 0xC0, 0, 0xFF, 0})); // data length 192, 255 written 0xFF
        QCOMPARE(r.mid(6, 2), Bytes({0x01, 0x00}));
        QCOMPARE(r.right(2), Bytes({0x00, 0x80}));
        QCOMPARE(r.mid(8, 188), Zeros(188));
    }

    void tresMensagensRotativas()
    {
        TGeracaoArquivo g;
        TresMensagensRotativas(g);
        const QByteArray r = registroDestino(g, 1);
        QCOMPARE(r.size(), 12 + 6 + 240);
        QCOMPARE(U16(r, 14), 240);
        QCOMPARE(r.mid(18), Colunas(240, {{81, 0x80}, {240, 0x01}})); // message 2 from column 81
    }

    // A destination scrolling right of its division at column 28, text 150 columns long.
    void destinoComRolagem_data()
    {
        QTest::addColumn<int>("qtdMensagens");
        QTest::newRow("one message") << 1;
        // The data length counts the column bytes written, not 150 x 2.
        QTest::newRow("with a second message") << 2;
    }
    void destinoComRolagem()
    {
        QFETCH(int, qtdMensagens);
        TGeracaoArquivo g;
        DestinoRolando(g, qtdMensagens);
        const QByteArray r = registroDestino(g, 1);
        QCOMPARE(r.size(), 12 + 6 + 5 + 150);
        QCOMPARE(r.mid(12, 6), Bytes({1, 0, 150, 0, 0, 1}));
        QCOMPARE(r.mid(18, 5), Bytes({27, 0, 79, 7, 0}));
        QCOMPARE(r.mid(23), Colunas(150, {{100, 0x80}, {150, 0x01}}));
    }

    void definirSentidoNenhumLimpaJanela()
    {
        TDestinos d(1);
        d.PosXInicial = d.PosXFinal = d.PosYInicial = d.PosYFinal = 9;
        d.DefinirSentido(TRolagem::tsEsquerda);
        QCOMPARE(d.PosXInicial, 9);
        d.DefinirSentido(TRolagem::tsNenhum);
        QCOMPARE(d.PosXInicial + d.PosXFinal + d.PosYInicial + d.PosYFinal, 0);
    }

    void rotulo_data()
    {
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QByteArray>("bloco");
        QTest::newRow("empty") << QString() << Zeros(12);
        QTest::newRow("blank") << u"   "_s << Zeros(12);
        QTest::newRow("20 characters") << u"ABCDEFGHIJKLMNOPQRST"_s << QByteArray("ABCDEFGHIJKL");
        // Only what is written must have a code.
        QTest::newRow("no code after the 12th") << u"ABCDEFGHIJKLĀ"_s << QByteArray("ABCDEFGHIJKL");
        QTest::newRow("parts, accents") << u"São|Centro"_s << QByteArray("S\xE3o|Centro") + Zeros(2);
    }
    void rotulo()
    {
        QFETCH(QString, rotulo);
        QFETCH(QByteArray, bloco);
        TGeracaoArquivo g;
        DestinoComRotulo(g, rotulo);
        QCOMPARE(registroDestino(g, 1).left(13), bloco + Bytes({1}));
        QCOMPARE(g.TabelaDestino(3, 1, false)->Bytes.left(1), Bytes({3})); // label block in slot 1 only
    }

    // A number missing between two others gets an empty record, and the
    // header counts the largest number of the first slot.
    void numeroQueFaltaGanhaRegistroVazio()
    {
        TGeracaoArquivo g;
        NumeroQueFalta(g);
        const QByteArray bytes = g.GerarBytes();
        QCOMPARE(g.MaiorDestino(), 5);
        QCOMPARE(U16(bytes, 5), 3);
        const TTabela *vazio = g.TabelaDestino(1, 2, false);
        QVERIFY(vazio);
        QCOMPARE(vazio->Bytes, Zeros(12) + Bytes({1, 0, 80, 0, 0, 0}) + Colunas(80));
        QCOMPARE(g.TabelaDestino(1, 3, false)->Bytes.right(80), Colunas(80, {{1, 0x01}}));
        // Entries 1..5: slot 1 has records 1..3 (98 bytes), slot 2 records 1..5 (46 bytes).
        const int inicio = 75 + 4 * 5;
        QList<qint64> entradas;
        for (int i = 0; i < 5; ++i)
            entradas << U32(bytes, 75 + 4 * i);
        QCOMPARE(entradas, (QList<qint64>{inicio, inicio + 144, inicio + 288, inicio + 432, inicio + 478}));
        QCOMPARE(bytes.size(), inicio + 3 * 98 + 5 * 46);
    }

    // The header's extra table offset is 0 when the first slot has no extras;
    // the extra offset table and the records are still written.
    void extrasSomenteNoTraseiro()
    {
        TGeracaoArquivo g;
        ExtrasSomenteNoTraseiro(g);
        const QByteArray bytes = g.GerarBytes();
        QCOMPARE(bytes.size(), 75 + 4 + 8 + 98 + 2 * 86);
        QCOMPARE(U16(bytes, 7), 0);
        QCOMPARE(U32(bytes, 47), 0);
        QCOMPARE(U32(bytes, 51), 0);
        QCOMPARE(U32(bytes, 79), 75 + 12 + 98);
        QCOMPARE(U32(bytes, 83), 75 + 12 + 98 + 86);
        QCOMPARE(bytes.mid(185), Bytes({3, 0, 80, 0, 0, 0}) + Colunas(80, {{1, 0x80}})
                                     + Bytes({3, 0, 80, 0, 0, 0}) + Colunas(80, {{2, 0x80}}));
    }

    // The header's counts are those of the first panel the transfer created,
    // here the rear sign of a bus that has no other.
    void primeiroPainelCriado()
    {
        TGeracaoArquivo g;
        SomenteTraseiro(g);
        const QByteArray bytes = g.GerarBytes();
        QCOMPARE(bytes.mid(5, 6), Bytes({2, 0, 1, 0, 0, 0}));
        QCOMPARE(bytes.mid(11, 6), Bytes({0, 0, 0, 0, 40, 8}));
        QCOMPARE(U32(bytes, 47), 75 + 8);
        QCOMPARE(bytes.size(), 75 + 12 + 3 * 46);
    }

    // Two clock extras of the front sign in the same font: one font table, index 1 in both.
    void doisRelogiosNaMesmaFonte()
    {
        TGeracaoArquivo g;
        DoisRelogiosNaMesmaFonte(g);
        const QByteArray bytes = g.GerarBytes();

        QCOMPARE(g.Fontes(), QList<int>{7});
        QCOMPARE(g.QtdTabelasFontes(), 1);
        const int registro = 12 + 6 + 7 + 80;
        const int tabelaFonte = 75 + 8 + 4 + 2 * registro;
        QCOMPARE(bytes.mid(5, 6), Bytes({0, 0, 2, 0, 1, 0}));
        QCOMPARE(U32(bytes, 43), 75);
        QCOMPARE(U32(bytes, 47), 75);
        QCOMPARE(U32(bytes, 51), 83);
        QCOMPARE(U32(bytes, 83), tabelaFonte);
        QCOMPARE(bytes.mid(87 + 12, 13), Bytes({1, 0, 80, 0, 10, 6, 1, 0, 0, 0, 39, 8, 0}));
        QCOMPARE(bytes.mid(87 + registro + 12 + 6, 7), Bytes({1, 0, 40, 0, 79, 8, 0}));

        // Digit width 8 (the "0"), 8 rows, 10 x 8 + 2 columns. The "1" is centred
        // and padded on the left to 8 columns; the nine-column "2" keeps its first
        // 8; the missing "3" to "9" are blank; ":" is not centred.
        const QByteArray esperado = Bytes({8, 8, 82, 0}) + Bytes({0x7E, 0xFF, 0x81, 0x81, 0x81, 0xFF, 0x7E, 0x00})
                                    + Bytes({0, 0, 0, 0, 0xFF, 0, 0, 0}) + QByteArray(8, char(0x80)) + Zeros(56)
                                    + Bytes({0x0A, 0x00});
        QCOMPARE(bytes.mid(tabelaFonte), esperado);
        QCOMPARE(bytes.size(), tabelaFonte + 86);
        QCOMPARE(U32(bytes, 1), bytes.size());
    }

    // Font tables are made once per font whatever the slot, in the order clock
    // blocks first named the fonts. A 16-row sign with an 8-row clock whose top
    // row is row 5 has its clock from row 4 to below row 12, counted from the bottom.
    void fontesDeVariosPaineis()
    {
        TGeracaoArquivo g;
        RelogiosEmDoisPaineis(g);
        const QByteArray bytes = g.GerarBytes();

        QCOMPARE(g.Fontes(), (QList<int>{7, 5}));
        QCOMPARE(g.QtdTabelasFontes(), 2);
        QCOMPARE(U16(bytes, 9), 2);
        QCOMPARE(registroExtra(g, 2, 1).mid(6, 7), Bytes({2, 0, 0, 4, 29, 12, 0}));
        QCOMPARE(registroExtra(g, 2, 2).mid(6, 2), Bytes({1, 0}));
        // The 8x5 font has no clock glyphs in this font file: blank digits 5 columns wide.
        const qint64 segunda = U32(bytes, U32(bytes, 51) + 4);
        QCOMPARE(bytes.mid(segunda), Bytes({5, 8, 50, 0}) + Zeros(50));
        QCOMPARE(U32(bytes, U32(bytes, 51)), segunda - 86);
    }

    // With no extras in the first panel the extra table offset is 0, and the
    // font table offset still points at the font offset table.
    void fontesSemExtrasNoPrimeiroPainel()
    {
        TGeracaoArquivo g;
        RelogioSemExtrasNoPrimeiro(g);
        const QByteArray bytes = g.GerarBytes();
        QCOMPARE(U32(bytes, 47), 0);
        QCOMPARE(U32(bytes, 51), 75 + 4 + 4);
        QCOMPARE(U32(bytes, 83), 75 + 12 + 98 + 93);
        QCOMPARE(bytes.mid(U32(bytes, 83), 4), Bytes({8, 8, 82, 0}));
    }

    // An extra that scrolls (or claims a clock) but has no clock font writes a
    // zero clock block and registers no font.
    void extraSemRelogio_data()
    {
        QTest::addColumn<TRolagem>("sentido");
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::addColumn<int>("codigo");
        QTest::newRow("scrolling") << TRolagem::tsEsquerda << TTipoFonte::tfNenhum << 1;
        QTest::newRow("clock without a font") << TRolagem::tsHorario << TTipoFonte::tfNenhum << 6;
    }
    void extraSemRelogio()
    {
        QFETCH(TRolagem, sentido);
        QFETCH(TTipoFonte, fonte);
        QFETCH(int, codigo);
        TGeracaoArquivo g;
        ExtraSemRelogio(g, sentido, fonte);
        const QByteArray bytes = g.GerarBytes();
        const QByteArray r = g.TabelaExtra(1, 1, false)->Bytes;
        QCOMPARE(r.size(), 12 + 6 + 7 + 80);
        QCOMPARE(r.mid(12, 6), Bytes({1, 0, 80, 0, 0, codigo}));
        QCOMPARE(r.mid(18, 7), Zeros(7));
        QVERIFY(g.Fontes().isEmpty());
        QCOMPARE(U16(bytes, 9), 0);
        QCOMPARE(U32(bytes, 51), 0);
        QCOMPARE(bytes.size(), 75 + 4 + r.size());
    }

    // A value that does not fit its field refuses the whole file; an existing
    // file is left as it was and nobody is asked about it.
    void valorForaDoCampo_data()
    {
        QTest::addColumn<TPreparo>("preparo");
        QTest::addColumn<QString>("origem");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("exposure time 256") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(1).ObterDestino(1).TempoExposicao = 256;
        }) << u"Destino 1 do painel 1 (Frontal)"_s << campo(u"tempo de exposição"_s);
        QTest::newRow("scroll window from column 0") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(1).ObterDestino(1).DefinirSentido(TRolagem::tsEsquerda);
            g.ObterPainel(1).ObterDestino(1).TamanhoMensagem = 80;
        }) << u"Destino 1 do painel 1 (Frontal)"_s << campo(u"coluna inicial da rolagem"_s);
        QTest::newRow("data length above 65535") << TPreparo([](TGeracaoArquivo &g) {
            TDestinos &d = Destino(Painel(g, 2, 16, 96), 1, {});
            d.DefinirSentido(TRolagem::tsEsquerda);
            d.TamanhoMensagem = 40000;
            d.PosXInicial = d.PosXFinal = d.PosYInicial = d.PosYFinal = 1;
        }) << u"Destino 1 do painel 2 (Lateral)"_s << campo(u"tamanho dos dados"_s);
        QTest::newRow("clock below the bottom row") << TPreparo([](TGeracaoArquivo &g) {
            ExtraComRelogio(g.ObterPainel(1), 4, TTipoFonte::tfVeltronix8x7, 1, 40, 2);
        }) << u"Extra 4 do painel 1 (Frontal)"_s << campo(u"linha inferior do relógio"_s);
        QTest::newRow("17 rows") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(3).DefinirLinhas(17);
        }) << u"Painel 3 (Traseiro)"_s << campo(u"linhas"_s);
        QTest::newRow("256 columns") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(4).DefinirColunas(256);
        }) << u"Painel 4 (Frontal Aux.)"_s << campo(u"colunas"_s);
        QTest::newRow("destination without a number") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(1).ObterDestino(0);
        }) << u"Painel 1 (Frontal)"_s << u"há um destino sem número (NRO_DESTINO vazio ou 0)"_s;
        QTest::newRow("extra without a number") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(2).ObterExtra(0);
        }) << u"Painel 2 (Lateral)"_s << u"há um extra sem número (NRO_DESTINO vazio ou 0)"_s;
        QTest::newRow("negative number") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(1).ObterDestino(-3);
        }) << u"Destino -3 do painel 1 (Frontal)"_s << campo(u"número"_s);
        QTest::newRow("label character without a code") << TPreparo([](TGeracaoArquivo &g) {
            g.ObterPainel(1).ObterDestino(1).Rotulo = u"Ā Centro"_s;
        }) << u"Destino 1 do painel 1 (Frontal)"_s
           << u"o rótulo \"Ā Centro\" tem o caractere \"Ā\" (U+0100), que não tem código no arquivo."_s;
        QTest::newRow("clock digit wider than 255 columns") << TPreparo([](TGeracaoArquivo &g) {
            ExtraComRelogio(g.ObterPainel(1), 2, TTipoFonte::tfVeltronix8x6, 1, 40, 1);
        }) << u"Extra 2 do painel 1 (Frontal)"_s
           << u"o caractere \"7\" da fonte do relógio 8x6 tem mais de 255 colunas no arquivo de fontes."_s;
        QTest::newRow("file kind 256") << TPreparo([](TGeracaoArquivo &g) {
            g.DefinirTipoArquivo(256);
        }) << u"Arquivo"_s << campo(u"tipo do arquivo"_s);
        QTest::newRow("clock font taller than the sign") << TPreparo([](TGeracaoArquivo &g) {
            ExtraComRelogio(g.ObterPainel(1), 4, TTipoFonte::tfVeltronix11x6, 1, 40, 1);
        }) << u"Extra 4 do painel 1 (Frontal)"_s << u"a fonte do relógio 11x6 tem 11 linhas e o painel tem somente 8."_s;
    }
    void valorForaDoCampo()
    {
        QFETCH(TPreparo, preparo);
        QFETCH(QString, origem);
        QFETCH(QString, motivo);
        const QString arquivo = caminho(u"recusado.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, "anterior"));
        TGeracaoArquivo g;
        destinoSimples(g);
        preparo(g);
        g.DefinirNomeArquivo(arquivo);
        int perguntas = 0;
        g.ConfirmarSobrescrita = [&](const QString &) { return ++perguntas > 0; };
        QString mensagem;
        try {
            g.GerarArquivo();
        } catch (const TErro &e) {
            mensagem = e.Mensagem;
        }
        QVERIFY2(mensagem.startsWith(u"ATENÇÃO:\r\n"_s + origem + u": "_s + motivo),
                 qPrintable(mensagem));
        QCOMPARE(perguntas, 0);
        QCOMPARE(Fixture::LerArquivo(arquivo), QByteArray("anterior"));
    }

    void painelForaDoArquivo()
    {
        TGeracaoArquivo g;
        QVERIFY_THROWS_EXCEPTION(TErro, g.ObterPainel(17));
        QVERIFY_THROWS_EXCEPTION(TErro, g.ObterPainel(0));
        QVERIFY(g.Paineis().empty());
    }

    void reiniciarLiberaTudo()
    {
        TGeracaoArquivo g;
        g.DefinirTipoArquivo(2);
        destinoSimples(g);
        g.GerarBytes();
        g.Reiniciar();
        QCOMPARE(g.TipoArquivo(), 0);
        QVERIFY(g.Paineis().empty());
        QCOMPARE(g.MaiorDestino(), 0);
        QVERIFY(!g.TabelaDestino(1, 1, false));
        QCOMPARE(g.GerarBytes().size(), 75);
    }

    void gravaArquivo()
    {
        const QString arquivo = caminho(u"novo.art"_s);
        QFile::remove(arquivo);
        TGeracaoArquivo g;
        g.DefinirTipoArquivo(2);
        destinoSimples(g);
        g.DefinirNomeArquivo(arquivo);
        bool perguntou = false;
        g.ConfirmarSobrescrita = [&](const QString &) { return perguntou = true; };
        QVERIFY(g.GerarArquivo());
        QVERIFY(!perguntou);
        QCOMPARE(Fixture::LerArquivo(arquivo), g.GerarBytes());
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files).filter(u"novo"_s), QStringList{u"novo.art"_s});
    }

    // An existing file is replaced only when the question is answered Yes.
    void sobrescrita_data()
    {
        QTest::addColumn<bool>("definida");
        QTest::addColumn<bool>("resposta");
        QTest::newRow("No") << true << false;
        QTest::newRow("Yes") << true << true;
        QTest::newRow("nobody to ask") << false << false;
    }
    void sobrescrita()
    {
        QFETCH(bool, definida);
        QFETCH(bool, resposta);
        const QString arquivo = caminho(u"existente.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, "anterior"));
        TGeracaoArquivo g;
        destinoSimples(g);
        g.DefinirNomeArquivo(arquivo);
        QStringList perguntas;
        if (definida)
            g.ConfirmarSobrescrita = [&](const QString &nome) {
                perguntas << nome;
                return resposta;
            };
        QCOMPARE(g.GerarArquivo(), resposta);
        QCOMPARE(perguntas, definida ? QStringList{arquivo} : QStringList());
        QCOMPARE(Fixture::LerArquivo(arquivo), resposta ? g.GerarBytes() : QByteArray("anterior"));
    }

    void nomeEmBranco()
    {
        TGeracaoArquivo g;
        g.DefinirNomeArquivo(u"   "_s);
        try {
            g.GerarArquivo();
            QFAIL("a blank name was accepted");
        } catch (const TErro &e) {
            QCOMPARE(e.Mensagem, u"ATENÇÃO: Nome do arquivo não foi informado."_s);
        }
    }

    // A write that fails raises the error and leaves neither a partial file
    // nor a temporary one; what was there stays.
    void falhaNaGravacao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("missing folder") << u"falta/arquivo.art"_s;
        QTest::newRow("a folder of that name") << u"pasta.art"_s;
    }
    void falhaNaGravacao()
    {
        QFETCH(QString, nome);
        QDir(pasta.path()).mkdir(u"pasta.art"_s);
        const QStringList antes = QDir(pasta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        TGeracaoArquivo g;
        destinoSimples(g);
        g.DefinirNomeArquivo(caminho(nome));
        g.ConfirmarSobrescrita = [](const QString &) { return true; };
        QVERIFY_THROWS_EXCEPTION(TErro, g.GerarArquivo());
        QCOMPARE(QDir(pasta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
        QVERIFY(QFileInfo(caminho(u"pasta.art"_s)).isDir());
    }
};

QTEST_GUILESS_MAIN(TesteGeracaoArquivo)
#include "tst_geracaoarquivo.moc"
