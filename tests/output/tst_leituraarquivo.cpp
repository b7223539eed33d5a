#include <QtTest>

#include "output/UGeracaoArquivo.h"
#include "output/ULeituraArquivo.h"
#include "panel/UFontes.h"
#include "saida_fixture.h"

using namespace Qt::StringLiterals;
using namespace Fixture;

using TPreparo = std::function<void(TGeracaoArquivo &)>;
using TDano = std::function<void(QByteArray &)>;
Q_DECLARE_METATYPE(TPreparo)
Q_DECLARE_METATYPE(TDano)

// The sign controller file read back: the builder's worked examples give back
// the records that built them, and damaged files are refused at the offset of
// their first fault.
class TesteLeituraArquivo : public QObject {
    Q_OBJECT

    static void escreverU16(QByteArray &b, int pos, int valor)
    {
        b[pos] = char(valor & 0xFF);
        b[pos + 1] = char((valor >> 8) & 0xFF);
    }
    static void escreverU32(QByteArray &b, int pos, qint64 valor)
    {
        escreverU16(b, pos, int(valor & 0xFFFF));
        escreverU16(b, pos + 2, int((valor >> 16) & 0xFFFF));
    }
    static QString descricaoDoErro(const QByteArray &bytes, qint64 &posicao)
    {
        try {
            LerArquivoSaida(QByteArrayView(bytes));
        } catch (const TErroLeitura &e) {
            posicao = e.Posicao;
            return e.Descricao;
        }
        posicao = -1;
        return {};
    }

    // Front 8 x 4: destination 1 (label "CENTRO", 2 s, LEDs (1,1) and (4,8)),
    // destination 2 scrolling left; a clock extra in the 5x5 font. Side 16 x 3,
    // destination 1.
    static QByteArray pequeno()
    {
        TGeracaoArquivo g;
        g.DefinirTipoArquivo(2);
        TPainel &frente = Painel(g, 1, 8, 4);
        Destino(frente, 1, Conteudo(8, 4, {QPoint(1, 1), QPoint(4, 8)}), u"CENTRO"_s, 2);
        TDestinos &rolagem = Destino(frente, 2, Conteudo(8, 6, {QPoint(6, 1)}));
        rolagem.DefinirSentido(TRolagem::tsEsquerda);
        rolagem.TamanhoMensagem = 6;
        rolagem.PosXInicial = rolagem.PosYInicial = 1;
        rolagem.PosXFinal = 4;
        rolagem.PosYFinal = 8;
        ExtraComRelogio(frente, 1, TTipoFonte::tfVeltronix5x5, 1, 4, 1);
        Destino(Painel(g, 2, 16, 3), 1, Conteudo(16, 3, {QPoint(3, 16)}));
        return g.GerarBytes();
    }

private slots:
    void initTestCase() { TFontesLed::DefinirArquivoDeFontes(u"/nonexistent/FONTES12.INI"_s); }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // Each worked example of the builder: every record read is the builder's
    // own, each sign has the builder's numbers, and the whole lays out again
    // to the same bytes.
    void exemplosLidosDeVolta_data()
    {
        QTest::addColumn<TPreparo>("preparo");
        const auto doisPaineis = [](int slot) {
            return TPreparo([slot](TGeracaoArquivo &g) { DoisPaineis(g, slot); });
        };
        QTest::newRow("front and side") << doisPaineis(2);
        QTest::newRow("front and slot 16") << doisPaineis(16);
        QTest::newRow("16 rows, side only") << TPreparo([](TGeracaoArquivo &g) {
            Destino(Painel(g, 2, 16, 96), 1, Conteudo(16, 96, {QPoint(1, 16), QPoint(96, 1)}), u"LINHA 1"_s, 255);
        });
        QTest::newRow("three rotating messages") << TPreparo([](TGeracaoArquivo &g) {
            TDestinos &d = Destino(Painel(g, 1, 8, 80), 1, {});
            d.Conteudo = {Conteudo(8, 80), Conteudo(8, 80, {QPoint(1, 1)}), Conteudo(8, 80, {QPoint(80, 8)})};
            d.QtdMensagens = 3;
        });
        QTest::newRow("scrolling, 150 columns") << TPreparo([](TGeracaoArquivo &g) { DestinoRolando(g, 2); });
        QTest::newRow("label of 20 characters, accents") << TPreparo([](TGeracaoArquivo &g) {
            Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80), u"São|CentroABCDEFGHIJ"_s);
            Destino(Painel(g, 3, 8, 80), 1, Conteudo(8, 80), u"São"_s);
        });
        // The side sign has more numbers than the front, and nobody has extras.
        QTest::newRow("a missing number gets an empty record") << TPreparo([](TGeracaoArquivo &g) {
            TPainel &frente = Painel(g, 1, 8, 80);
            Destino(frente, 1, Conteudo(8, 80));
            Destino(frente, 3, Conteudo(8, 80, {QPoint(1, 8)}), u"TRES"_s);
            Destino(Painel(g, 2, 8, 40), 5, Conteudo(8, 40));
        });
        // No extra table offset in the header: the rear's extras follow the front's destination.
        QTest::newRow("extras on the rear sign only") << TPreparo([](TGeracaoArquivo &g) {
            Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80));
            TPainel &traseiro = Painel(g, 3, 8, 80);
            for (int n = 1; n <= 2; ++n) {
                TExtras &e = traseiro.ObterExtra(n);
                e.QtdMensagens = 1;
                e.Conteudo = {Conteudo(8, 80, {QPoint(n, 1)})};
            }
        });
        QTest::newRow("the rear sign created first") << TPreparo([](TGeracaoArquivo &g) {
            TPainel &traseiro = Painel(g, 3, 8, 40);
            Destino(traseiro, 1, Conteudo(8, 40));
            Destino(traseiro, 2, Conteudo(8, 40));
            traseiro.ObterExtra(1).QtdMensagens = 1;
        });
        QTest::newRow("two clocks in one font") << TPreparo([](TGeracaoArquivo &g) {
            TPainel &frente = Painel(g, 1, 8, 80);
            ExtraComRelogio(frente, 1, TTipoFonte::tfVeltronix8x7, 1, 40, 1).TempoExposicao = 10;
            ExtraComRelogio(frente, 2, TTipoFonte::tfVeltronix8x7, 41, 80, 1);
        });
        QTest::newRow("fonts of several signs") << TPreparo([](TGeracaoArquivo &g) {
            ExtraComRelogio(Painel(g, 1, 8, 80), 1, TTipoFonte::tfVeltronix8x7, 1, 40, 1);
            TPainel &lado = Painel(g, 2, 16, 96);
            ExtraComRelogio(lado, 1, TTipoFonte::tfVeltronix8x5, 1, 30, 5);
            ExtraComRelogio(lado, 2, TTipoFonte::tfVeltronix8x7, 1, 30, 5);
        });
        QTest::newRow("fonts without extras on the front") << TPreparo([](TGeracaoArquivo &g) {
            Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80));
            ExtraComRelogio(Painel(g, 2, 8, 80), 1, TTipoFonte::tfVeltronix8x7, 1, 40, 1);
        });
        QTest::newRow("scrolling extra without a clock") << TPreparo([](TGeracaoArquivo &g) {
            TExtras &e = Painel(g, 1, 8, 80).ObterExtra(1);
            e.QtdMensagens = 1;
            e.Sentido = TRolagem::tsEsquerda;
        });
    }
    void exemplosLidosDeVolta()
    {
        QFETCH(TPreparo, preparo);
        TGeracaoArquivo g;
        preparo(g);
        const QByteArray bytes = g.GerarBytes();
        const TArquivoSaidaLido lido = LerArquivoSaida(QByteArrayView(bytes));

        QList<int> comSinal;
        for (const auto &p : g.Paineis())
            if (p->Linhas() != 0 || p->Colunas() != 0)
                comSinal << p->Numero();
        std::sort(comSinal.begin(), comSinal.end());
        QList<int> lidos;
        for (const TPainelLido &p : lido.Paineis) {
            lidos << p.Numero;
            TPainel &origem = g.ObterPainel(p.Numero);
            QCOMPARE(p.Tamanho, (TTamanhoPainel{quint8(origem.Colunas()), quint8(origem.Linhas())}));
            QCOMPARE(p.Destinos.size(), origem.MaiorNumeroDestino());
            QCOMPARE(p.Extras.size(), origem.MaiorNumeroExtra());
            for (int n = 1; n <= p.Destinos.size(); ++n) {
                QByteArray registro;
                Gravar(p.Destinos[n - 1], registro);
                QCOMPARE(registro, g.TabelaDestino(p.Numero, n, false)->Bytes);
            }
            for (int n = 1; n <= p.Extras.size(); ++n) {
                QByteArray registro;
                Gravar(p.Extras[n - 1], registro);
                QCOMPARE(registro, g.TabelaExtra(p.Numero, n, false)->Bytes);
            }
        }
        QCOMPARE(lidos, comSinal);
        QCOMPARE(lido.Fontes.size(), g.QtdTabelasFontes());
        QCOMPARE(lido.EntradasDestinos.size(), g.MaiorDestino());
        QCOMPARE(lido.EntradasExtras.size(), g.MaiorExtra());
        QCOMPARE(GravarArquivoLido(lido), bytes);
    }

    // The fields of the small file, as a controller finds them.
    void camposDoArquivoPequeno()
    {
        const QByteArray bytes = pequeno();
        const TArquivoSaidaLido lido = LerArquivoSaida(QByteArrayView(bytes));
        QCOMPARE(lido.Cabecalho.TipoArquivo, 2);
        QCOMPARE(lido.Cabecalho.TamanhoArquivo, quint32(bytes.size()));
        QCOMPARE(lido.Paineis.size(), 2);
        const TPainelLido &frente = lido.Paineis[0];
        QCOMPARE(frente.Numero, 1);
        QCOMPARE(frente.Tamanho, (TTamanhoPainel{4, 8}));
        const TRegistroDestino &d1 = frente.Destinos[0];
        QCOMPARE(d1.Cabecalho.Rotulo, std::optional<TBlocoRotulo>(TBlocoRotulo{'C', 'E', 'N', 'T', 'R', 'O'}));
        QCOMPARE(d1.Cabecalho.TempoExposicao, 2);
        QCOMPARE(d1.Cabecalho.CodigoSentido, 0);
        QCOMPARE(d1.Colunas, Bytes({0x80, 0, 0, 0x01}));
        QCOMPARE(ColunasDoRegistro(d1.Cabecalho, frente.Tamanho), 4);
        QVERIFY(LedAceso(d1.Colunas, 8, 0, 0));
        QVERIFY(LedAceso(d1.Colunas, 8, 3, 7));
        QVERIFY(!LedAceso(d1.Colunas, 8, 3, 0));
        QVERIFY(!LedAceso(d1.Colunas, 8, 4, 7)); // past the last column
        const TRegistroDestino &d2 = frente.Destinos[1];
        QCOMPARE(d2.Cabecalho.CodigoSentido, 1);
        QCOMPARE(d2.Janela, std::optional<TJanelaRolagem>(TJanelaRolagem{0, 0, 3, 7}));
        QCOMPARE(ColunasDoRegistro(d2.Cabecalho, frente.Tamanho), 6);
        QCOMPARE(frente.Extras.size(), 1);
        QCOMPARE(frente.Extras[0].Relogio, std::optional<TBlocoRelogio>(TBlocoRelogio{1, 0, 3, 3, 8}));
        const TPainelLido &lado = lido.Paineis[1];
        QCOMPARE(lado.Numero, 2);
        QVERIFY(!lado.Destinos[0].Cabecalho.Rotulo);
        QCOMPARE(lado.Destinos[0].Colunas, Bytes({0, 0, 0, 0, 0x01, 0x00})); // bottom row of column 3 is bit 0
        QVERIFY(LedAceso(lado.Destinos[0].Colunas, 16, 2, 15));
        QCOMPARE(lido.Fontes.size(), 1);
        QCOMPARE(lido.Fontes[0].Altura, 5);
    }

    // Messages lie side by side, each as wide as the sign; a scrolling
    // destination is one text however long.
    void mensagens_data()
    {
        QTest::addColumn<bool>("extra");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("tamanhoDados");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("mensagens");
        QTest::newRow("three fixed messages") << false << 0 << 240 << 8 << 3;
        QTest::newRow("scrolling, three signs long") << false << 1 << 240 << 8 << 1;
        QTest::newRow("16 rows, two bytes a column") << false << 0 << 320 << 16 << 2;
        QTest::newRow("extra with a clock, two messages") << true << 6 << 160 << 8 << 2;
    }
    void mensagens()
    {
        QFETCH(bool, extra);
        QFETCH(int, codigo);
        QFETCH(int, tamanhoDados);
        QFETCH(int, linhas);
        QFETCH(int, mensagens);
        const TCabecalhoRegistro c{std::nullopt, 1, quint16(tamanhoDados), 0, quint8(codigo)};
        const TTamanhoPainel tamanho{80, quint8(linhas)};
        QCOMPARE(extra ? MensagensDoRegistro(TRegistroExtra{c, TBlocoRelogio{}, {}}, tamanho)
                       : MensagensDoRegistro(TRegistroDestino{c, std::nullopt, {}}, tamanho),
                 mensagens);
    }

    // Cut at every length: the header or its file length refuses it, at the
    // offset of the field. With the length field made to agree with the cut,
    // the reader still refuses every cut inside the file, never reading past it.
    void truncadoEmCadaPosicao()
    {
        const QByteArray inteiro = pequeno();
        for (int tamanho = 0; tamanho < inteiro.size(); ++tamanho) {
            QByteArray cortado = inteiro.left(tamanho);
            qint64 posicao = -1;
            const QString descricao = descricaoDoErro(cortado, posicao);
            if (tamanho < TamanhoCabecalhoArquivo) {
                QCOMPARE(posicao, 0);
                QCOMPARE(descricao, u"o cabeçalho passa do fim do arquivo: precisa de 75 bytes a partir daqui e o "
                                    "arquivo tem %1"_s.arg(tamanho));
                continue;
            }
            QCOMPARE(posicao, 1);
            QCOMPARE(descricao, u"o cabeçalho diz que o arquivo tem %1 bytes e ele tem %2"_s.arg(inteiro.size())
                                    .arg(tamanho));
            escreverU32(cortado, 1, tamanho);
            const QString outra = descricaoDoErro(cortado, posicao);
            QVERIFY2(!outra.isEmpty() && posicao >= 0 && posicao <= tamanho,
                     qPrintable(u"cut at %1: %2 at %3"_s.arg(tamanho).arg(outra).arg(posicao)));
        }
    }

    // One fault each, refused at its offset with what was expected there.
    void danificados_data()
    {
        QTest::addColumn<TDano>("dano");
        QTest::addColumn<qint64>("posicao");
        QTest::addColumn<QString>("descricao");
        // The small file: entries at 75 (destinations 1 and 2, extra 1, font
        // 1); destination 1 of the front at 91 (label, 4 columns) and of the
        // side at 113, destination 2 at 125, extra 1 at 154 (its clock at 172),
        // the font table at 183; 249 bytes.
        QTest::newRow("length field") << TDano([](QByteArray &b) { escreverU32(b, 1, b.size() + 1); }) << qint64(1)
                                      << u"o cabeçalho diz que o arquivo tem 250 bytes e ele tem 249"_s;
        QTest::newRow("zero signs") << TDano([](QByteArray &b) { b.replace(11, 32, Zeros(32)); }) << qint64(11)
                                    << u"o cabeçalho não tem nenhum painel: os 16 tamanhos são 0"_s;
        QTest::newRow("17 rows") << TDano([](QByteArray &b) { b[14] = 17; }) << qint64(14)
                                 << u"o painel 2 tem 17 linhas e uma coluna do arquivo tem no máximo 16"_s;
        QTest::newRow("destination table not after the header")
            << TDano([](QByteArray &b) { escreverU32(b, 43, 79); }) << qint64(43)
            << u"a tabela de destinos começa na posição 79 e deveria começar logo depois do cabeçalho, na posição 75"_s;
        QTest::newRow("reserved byte of the header") << TDano([](QByteArray &b) { b[74] = 1; }) << qint64(74)
                                                     << u"o byte reservado do cabeçalho vale 1 e deveria ser 0"_s;
        QTest::newRow("first entry into the header")
            << TDano([](QByteArray &b) { escreverU32(b, 75, 20); }) << qint64(75)
            << u"a primeira entrada aponta para a posição 20, e deveria apontar para o primeiro registro, logo depois "
               "das tabelas de entradas de 4 bytes: entre 79 e 248, a 79 mais um múltiplo de 4"_s;
        QTest::newRow("first entry past the end")
            << TDano([](QByteArray &b) { escreverU32(b, 75, 999); }) << qint64(75)
            << u"a primeira entrada aponta para a posição 999, e deveria apontar para o primeiro registro, logo depois "
               "das tabelas de entradas de 4 bytes: entre 79 e 248, a 79 mais um múltiplo de 4"_s;
        QTest::newRow("an entry past the end")
            << TDano([](QByteArray &b) { escreverU32(b, 79, 5000); }) << qint64(79)
            << u"a entrada do destino 2 aponta para a posição 5000, além do fim do arquivo (249 bytes)"_s;
        QTest::newRow("an entry into the header")
            << TDano([](QByteArray &b) { escreverU32(b, 79, 40); }) << qint64(79)
            << u"a entrada do destino 2 aponta para a posição 40, que não vem depois da entrada anterior (91): cada "
               "número tem ao menos um registro"_s;
        QTest::newRow("more fonts than entries") << TDano([](QByteArray &b) { escreverU16(b, 9, 6); }) << qint64(9)
                                                 << u"o cabeçalho diz 6 fontes e as tabelas têm 4 entradas"_s;
        QTest::newRow("extra table offset between entries")
            << TDano([](QByteArray &b) { escreverU32(b, 47, 84); }) << qint64(47)
            << u"a tabela de extras começa na posição 84, que não é uma entrada entre os 2 destinos do cabeçalho e "
               "os 1 extras do fim das tabelas"_s;
        QTest::newRow("a sign the header lacks") << TDano([](QByteArray &b) { b[113] = 5; }) << qint64(113)
            << u"há um registro do destino 1 do painel 5, e o cabeçalho não dá tamanho ao painel 5"_s;
        QTest::newRow("signs out of order") << TDano([](QByteArray &b) { b[91 + 12] = 2; }) << qint64(103)
            << u"depois do rótulo do destino 1 do painel 1 (Frontal) vem o painel 2, e deveria vir o painel 1"_s;
        QTest::newRow("reserved byte of a record") << TDano([](QByteArray &b) { b[114] = 9; }) << qint64(114)
            << u"o byte reservado do destino 1 do painel 2 (Lateral) vale 9 e deveria ser 0"_s;
        QTest::newRow("data length not whole columns") << TDano([](QByteArray &b) { escreverU16(b, 115, 5); })
            << qint64(115)
            << u"o tamanho dos dados do destino 1 do painel 2 (Lateral) vale 5, e o painel de 16 linhas tem 2 byte(s) "
               "por coluna"_s;
        // The data length of the side's destination 1 grown by a column: it runs into destination 2.
        QTest::newRow("a record into the next number") << TDano([](QByteArray &b) { escreverU16(b, 115, 8); })
            << qint64(113)
            << u"o registro do destino 1 do painel 2 (Lateral) tem 14 bytes e invade o número seguinte, que começa na "
               "posição 125"_s;
        QTest::newRow("a clock in a font the file lacks") << TDano([](QByteArray &b) { b[172] = 2; })
            << qint64(172) << u"o relógio do extra 1 do painel 1 (Frontal) usa a fonte 2 e o arquivo tem 1"_s;
        QTest::newRow("a font of 0 rows") << TDano([](QByteArray &b) { b[184] = 0; }) << qint64(184)
                                          << u"a tabela da fonte 1 tem 0 linhas e deveria ter de 1 a 16"_s;
        QTest::newRow("bytes after the last font") << TDano([](QByteArray &b) {
            b.append(Zeros(3));
            escreverU32(b, 1, b.size());
        }) << qint64(249) << u"sobram 3 bytes depois da tabela da fonte 1"_s;
    }
    void danificados()
    {
        QFETCH(TDano, dano);
        QFETCH(qint64, posicao);
        QFETCH(QString, descricao);
        QByteArray bytes = pequeno();
        QCOMPARE(bytes.size(), 249);
        dano(bytes);
        try {
            LerArquivoSaida(QByteArrayView(bytes));
            QFAIL("the damaged file was read");
        } catch (const TErroLeitura &e) {
            QCOMPARE(e.Descricao, descricao);
            QCOMPARE(e.Posicao, posicao);
            QCOMPARE(e.Mensagem, u"ATENÇÃO:\r\nArquivo .art danificado na posição %1: %2."_s.arg(posicao).arg(descricao));
        }
    }

    // The fault the operator is most likely to meet: the last record of a
    // file cut short, with its length field made to agree.
    void registroAlemDoFim()
    {
        TGeracaoArquivo g;
        Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80));
        TPainel &traseiro = Painel(g, 3, 8, 40);
        for (int n = 1; n <= 3; ++n)
            Destino(traseiro, n, Conteudo(8, 40));
        QByteArray bytes = g.GerarBytes();
        bytes.chop(10);
        escreverU32(bytes, 1, bytes.size());
        qint64 posicao = -1;
        // 75 + 3 entries + the front's 98 bytes + the rear's 46 each, 10 bytes
        // short. The front counts one destination and no extras, so the
        // header does not say where destinations end: the fault is still
        // destination 3's, whose 40 columns start at 283.
        QCOMPARE(descricaoDoErro(bytes, posicao), u"o registro do destino 3 do painel 3 (Traseiro) passa do fim do "
                                                  "arquivo: precisa de 40 bytes a partir daqui e o arquivo tem 313"_s);
        QCOMPARE(posicao, 283);
    }

    // The file on disk: its name in the message, and what cannot be read at all.
    void arquivoNoDisco()
    {
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(u"danificado.art"_s);
        QVERIFY(Fixture::GravarArquivo(arquivo, pequeno().left(40)));
        try {
            LerArquivoSaida(arquivo);
            QFAIL("a cut file was read");
        } catch (const TErroLeitura &e) {
            QCOMPARE(e.Mensagem, u"ATENÇÃO:\r\nO arquivo \"%1\" está danificado na posição 0: o cabeçalho passa do fim "
                                 "do arquivo: precisa de 75 bytes a partir daqui e o arquivo tem 40."_s.arg(arquivo));
        }
        QVERIFY_THROWS_EXCEPTION(TErro, LerArquivoSaida(pasta.filePath(u"ausente.art"_s)));
        QVERIFY_THROWS_EXCEPTION(TErro, LerArquivoSaida(pasta.path()));
    }
};

QTEST_GUILESS_MAIN(TesteLeituraArquivo)
#include "tst_leituraarquivo.moc"
