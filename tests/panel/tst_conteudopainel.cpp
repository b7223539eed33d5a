#include <QtTest>

#include "panel/UConteudoPainel.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

// The panel content text without a panel: the writer, the loader's reading,
// the crop, the bit conversion and the streams.
namespace {

// A 5 x 6 panel showing "A" of the 5x5 font at row 1, column 1.
const QByteArray exemplo =
    "1-1-F|2-1-T|3-1-T|4-1-T|5-1-T|1-2-T|2-2-F|3-2-T|4-2-F|5-2-F|1-3-T|2-3-F|3-3-T|4-3-F|5-3-F|"
    "1-4-F|2-4-T|3-4-T|4-4-T|5-4-T|1-5-F|2-5-F|3-5-F|4-5-F|5-5-F|1-6-F|2-6-F|3-6-F|4-6-F|5-6-F(1-1-A-1)";
const QByteArray bitsDoExemplo = "011111010010100011110000000000";

// What the loader delivered, one line per entry, for comparing whole runs.
struct TLeitura {
    QStringList Leds;
    QStringList Caracteres;
    QString Erro;
};

TLeitura analisar(const QByteArray &texto)
{
    TLeitura leitura;
    try {
        TConteudoPainel::AnalisarConteudo(
            texto,
            [&](const TEntradaLed &e) {
                leitura.Leds << QStringLiteral("%1,%2,%3").arg(e.Linha).arg(e.Coluna).arg(e.Acesa ? u"T"_s : u"F"_s);
            },
            [&](const TEntradaCaractere &e) {
                leitura.Caracteres << QStringLiteral("%1,%2,%3,%4%5")
                                          .arg(e.Linha)
                                          .arg(e.Coluna)
                                          .arg(int(e.Caractere))
                                          .arg(int(e.Fonte))
                                          .arg(e.Relogio ? QStringLiteral(",relogio") : QString());
            });
    } catch (const TErro &erro) {
        leitura.Erro = erro.Mensagem;
    }
    return leitura;
}

// A device that hands out its first bytes and then fails.
class TDispositivoFalho : public QIODevice {
public:
    explicit TDispositivoFalho(QByteArray inicio) : inicio(std::move(inicio)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char *dados, qint64 maximo) override
    {
        if (entregue)
            return -1;
        const qint64 n = qMin(maximo, qint64(inicio.size()));
        memcpy(dados, inicio.constData(), size_t(n));
        entregue = true;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray inicio;
    bool entregue = false;
};

}

class TesteConteudoPainel : public QObject {
    Q_OBJECT
private slots:
    void escritorGeraOExemplo()
    {
        const char *colunas[] = {"01111", "10100", "10100", "01111", "00000", "00000"};
        QByteArray texto;
        for (int c = 1; c <= 6; ++c)
            for (int r = 1; r <= 5; ++r)
                TConteudoPainel::EscreverEntradaLed(texto, r, c, colunas[c - 1][r - 1] == '1');
        TConteudoPainel::EscreverEntradaCaractere(texto, true, 1, 1, 'A', TTipoFonte::tfVeltronix5x5, false);
        TConteudoPainel::FecharCaracteres(texto);
        QCOMPARE(texto, exemplo);

        const TLeitura leitura = analisar(exemplo);
        QCOMPARE(leitura.Leds.size(), 30);
        QByteArray estados;
        for (const QString &led : leitura.Leds)
            estados += led.endsWith(u'T') ? '1' : '0';
        QCOMPARE(estados, bitsDoExemplo);
        QCOMPARE(leitura.Caracteres, QStringList({u"1,1,65,1"_s}));
    }

    void escritorSemEntradasLed()
    {
        // The section is opened even with no LED entry before it: without "("
        // every reader would take the characters for LED entries.
        QByteArray texto;
        TConteudoPainel::EscreverEntradaCaractere(texto, true, 1, 1, 'A', TTipoFonte::tfVeltronix5x5, false);
        TConteudoPainel::EscreverEntradaCaractere(texto, false, 1, 6, 'B', TTipoFonte::tfNenhum, true);
        TConteudoPainel::FecharCaracteres(texto);
        QCOMPARE(texto, QByteArray("(1-1-A-1|1-6-B-\")"));
        QCOMPARE(TConteudoPainel::ConteudoParaBits(texto), QByteArray());
        const TLeitura leitura = analisar(texto);
        QVERIFY(leitura.Leds.isEmpty());
        QCOMPARE(leitura.Caracteres, QStringList({u"1,1,65,1"_s, u"1,6,66,0,relogio"_s}));
    }

    void caracteresDelimitadores_data()
    {
        QTest::addColumn<char>("caractere");
        QTest::addColumn<char>("substituto");
        QTest::newRow("abre parenteses") << '(' << '\x01';
        QTest::newRow("fecha parenteses") << ')' << '\x02';
        QTest::newRow("barra") << '|' << '\x03';
        QTest::newRow("aspas") << '"' << '\x04';
    }
    void caracteresDelimitadores()
    {
        QFETCH(char, caractere);
        QFETCH(char, substituto);
        QByteArray texto;
        TConteudoPainel::EscreverEntradaLed(texto, 1, 1, true);
        TConteudoPainel::EscreverEntradaLed(texto, 1, 2, false);
        TConteudoPainel::EscreverEntradaCaractere(texto, true, 1, 1, uchar(caractere), TTipoFonte::tfVeltronix8x7, true);
        TConteudoPainel::EscreverEntradaCaractere(texto, false, 1, 2, 'Z', TTipoFonte::tfVeltronix13x9, false);
        TConteudoPainel::FecharCaracteres(texto);

        QCOMPARE(texto, QByteArray("1-1-T|1-2-F(1-1-") + substituto + "-7\"|1-2-Z-12)");
        const TLeitura leitura = analisar(texto);
        QCOMPARE(leitura.Leds, QStringList({u"1,1,T"_s, u"1,2,F"_s}));
        QCOMPARE(leitura.Caracteres,
                 QStringList({QStringLiteral("1,1,%1,7,relogio").arg(int(caractere)), u"1,2,90,12"_s}));
        QCOMPARE(TConteudoPainel::ConteudoParaBits(texto), QByteArray("10"));
        QCOMPARE(TConteudoPainel::RecortarConteudo(1, 2, texto),
                 QByteArray("1-1-T|1-2-F(1-1-") + substituto + "-7\"|");
    }

    void analise_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QStringList>("leds");
        QTest::addColumn<QStringList>("caracteres");

        QTest::newRow("caractere hifen") << QByteArray("1-1-F(1-7---1)") << QStringList({u"1,1,F"_s})
                                         << QStringList({u"1,7,45,1"_s});
        QTest::newRow("relogio") << QByteArray("(2-3-8-7\"|2-9-:-7\")") << QStringList()
                                 << QStringList({u"2,3,56,7,relogio"_s, u"2,9,58,7,relogio"_s});
        QTest::newRow("caractere vazio ignorado")
            << QByteArray("(1-1-|1-2-\"|2-2-B-1|))") << QStringList() << QStringList({u"2,2,66,1"_s});
        QTest::newRow("ultima led sem terminador") << QByteArray("3-2-T|1-1-F")
                                                   << QStringList({u"3,2,T"_s, u"1,1,F"_s}) << QStringList();
        QTest::newRow("fecha fora da secao ignorado") << QByteArray("1-2)-T") << QStringList({u"1,2,T"_s})
                                                      << QStringList();
        QTest::newRow("caractere sem terminador") << QByteArray("1-1-T(1-1-A-1") << QStringList({u"1,1,T"_s})
                                                  << QStringList();
        QTest::newRow("fonte desconhecida") << QByteArray("(1-1-A-13|1-2-B-|1-3-C-01)") << QStringList()
                                            << QStringList({u"1,1,65,0"_s, u"1,2,66,0"_s, u"1,3,67,0"_s});
        QTest::newRow("zeros a esquerda") << QByteArray("0001-02-T") << QStringList({u"1,2,T"_s}) << QStringList();
        QTest::newRow("16 bits") << QByteArray("32768-65537-T|2147483647-1-T(65535-70000-A-1)")
                                 << QStringList({u"-32768,1,T"_s, u"-1,1,T"_s})
                                 << QStringList({u"-1,4464,65,1"_s});
    }
    void analise()
    {
        QFETCH(QByteArray, texto);
        QFETCH(QStringList, leds);
        QFETCH(QStringList, caracteres);
        const TLeitura leitura = analisar(texto);
        QCOMPARE(leitura.Erro, QString());
        QCOMPARE(leitura.Leds, leds);
        QCOMPARE(leitura.Caracteres, caracteres);
    }

    void erroDeConversao_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QString>("erro");
        QTest::addColumn<QStringList>("antes");

        QTest::newRow("linha") << QByteArray("1-1-T|1x-2-T") << u"'1x' is not a valid integer value"_s
                               << QStringList({u"1,1,T"_s});
        QTest::newRow("coluna na secao") << QByteArray("1-1-T(1-1-A-1|2-1+-B-1)")
                                         << u"'1+' is not a valid integer value"_s
                                         << QStringList({u"1,1,T"_s, u"1,1,65,1"_s});
        QTest::newRow("zeros mantidos") << QByteArray("007x-1-T") << u"'007x' is not a valid integer value"_s
                                        << QStringList();
        QTest::newRow("windows-1252") << QByteArray("1\xe7-1-T") << u"'1\u00e7' is not a valid integer value"_s
                                      << QStringList();
        QTest::newRow("mais de 32 bits") << QByteArray("2-2-F|1-2147483648-T")
                                         << u"'2147483648' is not a valid integer value"_s
                                         << QStringList({u"2,2,F"_s});
    }
    void erroDeConversao()
    {
        QFETCH(QByteArray, texto);
        QFETCH(QString, erro);
        QFETCH(QStringList, antes);
        const TLeitura leitura = analisar(texto);
        QCOMPARE(leitura.Erro, erro);
        QCOMPARE(leitura.Leds + leitura.Caracteres, antes);
    }

    void bits_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QByteArray>("bits");
        QTest::newRow("exemplo") << exemplo << bitsDoExemplo;
        QTest::newRow("vazio") << QByteArray() << QByteArray();
        QTest::newRow("sem secao") << QByteArray("1-1-T|2-1-F|3-1-T") << QByteArray("101");
        QTest::newRow("terminado em barra") << QByteArray("1-1-T|") << QByteArray("1");
        QTest::newRow("recorte terminado em parenteses") << QByteArray("1-1-T|2-1-T(") << QByteArray("11");
        QTest::newRow("numeros lenientes") << QByteArray("1x-1-T|2-?1-T|3-1-X") << QByteArray("110");
        // Every ")" toggles the character section, also one outside it: what
        // follows a stray ")" counts as characters until the next ")".
        QTest::newRow("parenteses fora da secao") << QByteArray("1-1-T)|2-1-T") << QByteArray("1");
        QTest::newRow("parenteses fora da secao duas vezes")
            << QByteArray("1-1-T)|2-1-T)|3-1-F") << QByteArray("10");
    }
    void bits()
    {
        QFETCH(QByteArray, texto);
        QFETCH(QByteArray, bits);
        QCOMPARE(TConteudoPainel::ConteudoParaBits(texto), bits);
    }

    void recorte_data()
    {
        QTest::addColumn<int>("limiteLinhas");
        QTest::addColumn<int>("limiteColunas");
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QByteArray>("recorte");

        QTest::newRow("exemplo ate a coluna 2")
            << 5 << 3 << exemplo
            << QByteArray("1-1-F|2-1-T|3-1-T|4-1-T|5-1-T|1-2-T|2-2-F|3-2-T|4-2-F|5-2-F|1-3-F|2-3-F|3-3-F|4-3-F|5-3-F|"
                          "1-4-F|2-4-F|3-4-F|4-4-F|5-4-F|1-5-F|2-5-F|3-5-F|4-5-F|5-5-F|1-6-F|2-6-F|3-6-F|4-6-F|5-6-F"
                          "(1-1-A-1)");
        QTest::newRow("exemplo sem colunas")
            << 5 << 1 << exemplo
            << QByteArray("1-1-F|2-1-F|3-1-F|4-1-F|5-1-F|1-2-F|2-2-F|3-2-F|4-2-F|5-2-F|1-3-F|2-3-F|3-3-F|4-3-F|5-3-F|"
                          "1-4-F|2-4-F|3-4-F|4-4-F|5-4-F|1-5-F|2-5-F|3-5-F|4-5-F|5-5-F|1-6-F|2-6-F|3-6-F|4-6-F|5-6-F(");
        QTest::newRow("limite de linhas")
            << 1 << 9 << QByteArray("1-1-T|2-1-T(1-1---1\"|2-1-B-1)") << QByteArray("1-1-T|2-1-F(1-1---1\"|");
        QTest::newRow("restos descartados")
            << 9 << 9 << QByteArray("1x-1-T|2-1-FT(1-1-A-1z\"|1-2-AB-1)") << QByteArray("1-1-T|2-1-T(1-1-A-1\"|1-2-B-1)");
        QTest::newRow("16 bits") << 1 << 2 << QByteArray("65537-65537-T|2-1-T") << QByteArray("65537-65537-T|2-1-F");
    }
    void recorte()
    {
        QFETCH(int, limiteLinhas);
        QFETCH(int, limiteColunas);
        QFETCH(QByteArray, texto);
        QFETCH(QByteArray, recorte);
        const QByteArray resultado = TConteudoPainel::RecortarConteudo(limiteLinhas, limiteColunas, texto);
        QCOMPARE(resultado, recorte);
        QCOMPARE(TConteudoPainel::RecortarConteudo(limiteLinhas, limiteColunas, resultado), recorte);
        QCOMPARE(TConteudoPainel::ConteudoParaBits(resultado).size(), TConteudoPainel::ConteudoParaBits(texto).size());
    }

    void lerStream_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("nenhum") << u"nenhum"_s << QByteArray();
        QTest::newRow("vazio") << u"vazio"_s << QByteArray();
        QTest::newRow("posicao no fim") << u"fim"_s << exemplo;
        QTest::newRow("fechado") << u"fechado"_s << QByteArray();
        QTest::newRow("falha no meio") << u"falha"_s << QByteArray("1-1-T|2-");
    }
    void lerStream()
    {
        QFETCH(QString, caso);
        QFETCH(QByteArray, esperado);
        std::unique_ptr<QIODevice> stream;
        if (caso == u"vazio") {
            auto buffer = std::make_unique<QBuffer>();
            buffer->open(QIODevice::ReadWrite);
            stream = std::move(buffer);
        } else if (caso == u"fim") {
            stream = TConteudoPainel::NovoStream(exemplo);
            QCOMPARE(stream->pos(), exemplo.size());
        } else if (caso == u"fechado") {
            stream = std::make_unique<QBuffer>();
        } else if (caso == u"falha") {
            stream = std::make_unique<TDispositivoFalho>("1-1-T|2-");
        }
        QCOMPARE(TConteudoPainel::LerStream(stream.get()), esperado);
    }

    void novoStream()
    {
        QVERIFY(!TConteudoPainel::NovoStream(QByteArray()));
        QByteArray texto = "1-1-T";
        const auto stream = TConteudoPainel::NovoStream(texto);
        texto[0] = '9'; // the stream keeps its own copy
        QVERIFY(stream->isReadable() && stream->isWritable());
        QCOMPARE(stream->pos(), 5);
        QCOMPARE(TConteudoPainel::LerStream(stream.get()), QByteArray("1-1-T"));
    }
};

QTEST_GUILESS_MAIN(TesteConteudoPainel)
#include "tst_conteudopainel.moc"
