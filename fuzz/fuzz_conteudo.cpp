#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "panel/UConteudoPainel.h"
#include "panel/UErro.h"
#include "panel/UPainelLed.h"

// Fuzz target of the panel content text. The first two bytes are the crop's
// row and column limits, the rest is the text; every reader gets the text and
// the readers are checked against each other.
namespace {

void verificar(bool condicao, const char *falha)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_conteudo: %s\n", falha);
        std::abort();
    }
}

struct TLeitura {
    QList<TEntradaLed> Leds;
    QList<TEntradaCaractere> Caracteres;
    bool Falhou = false;
};

TLeitura analisar(const QByteArray &texto)
{
    TLeitura leitura;
    try {
        TConteudoPainel::AnalisarConteudo(
            texto, [&](const TEntradaLed &e) { leitura.Leds << e; },
            [&](const TEntradaCaractere &e) { leitura.Caracteres << e; });
    } catch (const TErro &erro) {
        verificar(erro.Mensagem.endsWith(QStringLiteral("' is not a valid integer value")), "unexpected error text");
        leitura.Falhou = true;
    }
    for (const TEntradaCaractere &c : leitura.Caracteres)
        verificar(static_cast<int>(c.Fonte) <= 12, "font out of range");
    return leitura;
}

bool soBits(const QByteArray &bits)
{
    for (const char b : bits)
        if (b != '0' && b != '1')
            return false;
    return true;
}

// The bit conversion toggles the character section at every ")" while the
// loader and the crop leave it open; the readers agree on the LED entries
// only when ")" is at most the last byte, as in every text the writer makes.
bool fechaSoNoFim(const QByteArray &texto)
{
    const qsizetype i = texto.indexOf(')');
    return i < 0 || i == texto.size() - 1;
}

QByteArray estados(const QList<TEntradaLed> &leds)
{
    QByteArray bits;
    for (const TEntradaLed &e : leds)
        bits += e.Acesa ? '1' : '0';
    return bits;
}

// The crop is what the loader reads from the original, with the LEDs outside
// turned dark and the characters outside gone.
void verificarRecorteCarregado(const TLeitura &original, const QByteArray &recorte, int limiteLinhas,
                               int limiteColunas)
{
    const TLeitura cortado = analisar(recorte);
    verificar(!cortado.Falhou, "the crop of a loadable text does not load");
    auto dentro = [&](const auto &e) { return e.Linha <= limiteLinhas && e.Coluna < limiteColunas; };
    verificar(cortado.Leds.size() == original.Leds.size(), "crop changed the LED entry count");
    for (qsizetype i = 0; i < original.Leds.size(); ++i) {
        const TEntradaLed &a = original.Leds[i];
        const TEntradaLed &b = cortado.Leds[i];
        verificar(a.Linha == b.Linha && a.Coluna == b.Coluna, "crop moved an LED entry");
        verificar(b.Acesa == (a.Acesa && dentro(a)), "crop kept an LED lit outside or darkened one inside");
    }
    qsizetype j = 0;
    for (const TEntradaCaractere &a : original.Caracteres) {
        if (!dentro(a))
            continue;
        verificar(j < cortado.Caracteres.size(), "crop lost a character inside");
        const TEntradaCaractere &b = cortado.Caracteres[j++];
        verificar(a.Linha == b.Linha && a.Coluna == b.Coluna && a.Caractere == b.Caractere && a.Relogio == b.Relogio,
                  "crop changed a character inside");
        // Stray bytes in a font field make it unknown; the crop drops them.
        verificar(a.Fonte == TTipoFonte::tfNenhum || a.Fonte == b.Fonte, "crop changed a known font");
    }
    verificar(j == cortado.Caracteres.size(), "crop kept a character outside");
}

// Every byte of the input as a typed character goes through the writer and
// the loader unchanged, but for the bytes 0x01 to 0x04: they have no glyph
// and stand for the delimiters "(", ")", "|" and the double quote.
unsigned char comoLido(unsigned char caractere)
{
    return caractere >= 1 && caractere <= 4 ? static_cast<unsigned char>("()|\""[caractere - 1]) : caractere;
}

void verificarEscritor(const QByteArray &bytes)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), 64);
    QByteArray texto;
    TConteudoPainel::EscreverEntradaLed(texto, 1, 1, n % 2 == 1);
    for (qsizetype i = 0; i < n; ++i)
        TConteudoPainel::EscreverEntradaCaractere(texto, i == 0, int(i % 13) + 1, int(i) * 7 + 1,
                                                  static_cast<unsigned char>(bytes[i]),
                                                  static_cast<TTipoFonte>(i % 13), i % 3 == 0);
    if (n > 0)
        TConteudoPainel::FecharCaracteres(texto);

    const TLeitura lida = analisar(texto);
    verificar(!lida.Falhou && lida.Leds.size() == 1 && lida.Caracteres.size() == n, "writer output misread");
    for (qsizetype i = 0; i < n; ++i) {
        const TEntradaCaractere &c = lida.Caracteres[i];
        verificar(c.Linha == i % 13 + 1 && c.Coluna == i * 7 + 1 && c.Caractere == comoLido(static_cast<unsigned char>(bytes[i]))
                      && c.Fonte == static_cast<TTipoFonte>(i % 13) && c.Relogio == (i % 3 == 0),
                  "character changed through writer and loader");
    }
    verificar(TConteudoPainel::ConteudoParaBits(texto) == estados(lida.Leds), "writer output bits misread");
}

// The panel applies the same text: no crash, the cursor after the rightmost
// character read, and what it writes back loads again without error.
void verificarPainel(const QByteArray &texto, const TLeitura &leitura)
{
    // No font file: glyphs come from the built-in tables, no disk access.
    TFontesLed::DefinirArquivoDeFontes(QStringLiteral("/nonexistent/FONTES12.INI"));
    TPainelLed painel;
    painel.DefinirNroLinhas(3);
    painel.DefinirNroColunas(4);
    painel.DefinirRolagem(TRolagem::tsEsquerda);
    bool falhou = false;
    try {
        painel.CarregarConteudo(texto);
    } catch (const TErro &) {
        falhou = true;
    }
    verificar(falhou == leitura.Falhou, "panel and parser disagree on the error");
    int maiorColuna = 0;
    for (const TEntradaCaractere &c : leitura.Caracteres)
        maiorColuna = std::max(maiorColuna, int(c.Coluna));
    if (!falhou)
        verificar(painel.ColunaCursor() == maiorColuna, "cursor not after the rightmost character");
    TPainelLed copia;
    copia.CarregarConteudo(painel.GerarConteudo(3, 4));
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    if (tamanho < 2)
        return 0;
    const int limiteLinhas = dados[0];
    const int limiteColunas = dados[1];
    const QByteArray texto(reinterpret_cast<const char *>(dados + 2), qsizetype(tamanho - 2));

    const QByteArray bits = TConteudoPainel::ConteudoParaBits(texto);
    verificar(soBits(bits), "bits other than 0 and 1");

    const QByteArray recorte = TConteudoPainel::RecortarConteudo(limiteLinhas, limiteColunas, texto);
    verificar(TConteudoPainel::RecortarConteudo(limiteLinhas, limiteColunas, recorte) == recorte,
              "cropping twice differs from cropping once");
    const QByteArray bitsDoRecorte = TConteudoPainel::ConteudoParaBits(recorte);

    const TLeitura leitura = analisar(texto);
    if (fechaSoNoFim(texto)) {
        verificar(bitsDoRecorte.size() == bits.size(), "crop changed the bit count");
        for (qsizetype i = 0; i < bits.size(); ++i)
            verificar(bitsDoRecorte[i] <= bits[i], "crop lit an LED");
        if (!leitura.Falhou)
            verificar(estados(leitura.Leds) == bits, "loader and bit conversion disagree");
    }
    if (!leitura.Falhou)
        verificarRecorteCarregado(leitura, recorte, limiteLinhas, limiteColunas);

    verificarEscritor(texto);

    verificarPainel(texto, leitura);
    return 0;
}
