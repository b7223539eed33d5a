#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "output/UGeracaoArquivo.h"
#include "output/ULeituraArquivo.h"
#include "panel/UArquivoIni.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "panel/UGlifosPadrao.h"
#include "pasta_temporaria.h"

// Fuzz target of the font file reader. The bytes are a font file: the profile
// writes them back unchanged; a glyph looked up through the file on disk is
// the profile's value; the clock tables of the ".art" file built from it read
// back; and completing the file with the built-in glyphs (one input in 32:
// it writes the whole file) keeps every value that was there.
namespace {

void verificar(bool condicao, const char *falha)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_fontes: %s\n", falha);
        std::abort();
    }
}

// The characters looked at: the clock's digits and colon, and one the input names.
QList<int> codigos(QByteArrayView bytes)
{
    QList<int> c;
    for (int d = '0'; d <= ':'; ++d)
        c << d;
    if (!bytes.isEmpty())
        c << static_cast<unsigned char>(bytes[0]);
    return c;
}

// The glyph LerGlifo gives for a profile value.
QByteArray esperado(TTipoFonte fonte, const std::optional<QByteArray> &valor)
{
    const QByteArray v = valor.value_or(QByteArray());
    return v.size() > qsizetype(TFontesLed::AlturaDaFonte(fonte)) * TFontesLed::MaiorLarguraDeGlifo ? QByteArray() : v;
}

void verificarGlifos(const TArquivoIni &ini, QByteArrayView bytes)
{
    for (int f = 1; f <= 12; ++f) {
        const auto fonte = static_cast<TTipoFonte>(f);
        const int altura = TFontesLed::AlturaDaFonte(fonte);
        for (int codigo : codigos(bytes)) {
            QByteArray glifo;
            TFontesLed::LerGlifo(fonte, static_cast<unsigned char>(codigo), glifo);
            verificar(glifo == esperado(fonte, ini.Valor(TFontesLed::SecaoDaFonte(fonte), QString::number(codigo))),
                      "the glyph read through the file differs from the profile's value");
            verificar(TFontesLed::UltimaColunaDoGlifo(fonte, glifo, altura) == int(glifo.size() / altura) - 1,
                      "last column of a glyph");
            int colunas = 0;
            TFontesLed::GlifoCentralizado(fonte, glifo, altura, codigo != ':', colunas);
            verificar(colunas >= 0 && colunas <= TFontesLed::MaiorLarguraDeGlifo, "centred glyph width");
        }
    }
}

// A clock in the font the input names, on a sign tall enough for it.
void verificarRelogio(QByteArrayView bytes)
{
    const auto fonte = static_cast<TTipoFonte>(1 + (bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes[0]) % 12));
    TGeracaoArquivo g;
    TPainel &p = g.ObterPainel(1);
    p.DefinirLinhas(16);
    p.DefinirColunas(255);
    TExtras &e = p.ObterExtra(1);
    e.FonteRelogio = fonte;
    e.Sentido = TRolagem::tsHorario;
    e.PosXInicial = e.PosYInicial = e.PosYFinal = 1;
    e.PosXFinal = 255;
    QByteArray arquivo;
    try {
        arquivo = g.GerarBytes();
    } catch (const TErro &) {
        return; // digits wider than a byte can say
    }
    try {
        const TArquivoSaidaLido lido = LerArquivoSaida(QByteArrayView(arquivo));
        verificar(lido.Fontes.size() == 1 && GravarArquivoLido(lido) == arquivo, "clock font table read back");
    } catch (const TErroLeitura &erro) {
        std::fprintf(stderr, "%s\n", qPrintable(erro.Mensagem));
        verificar(false, "the reader refuses a clock font table");
    }
}

void verificarCompletar(const QString &arquivo, const TArquivoIni &antes, QByteArrayView bytes)
{
    try {
        TFontesLed::CriarFontesPadrao();
    } catch (const TErro &erro) {
        std::fprintf(stderr, "%s\n", qPrintable(erro.Mensagem));
        verificar(false, "the font file could not be completed");
    }
    TArquivoIni depois;
    verificar(depois.Ler(arquivo), "the completed font file cannot be read");
    for (int f = 1; f <= 12; ++f) {
        const auto fonte = static_cast<TTipoFonte>(f);
        const QString secao = TFontesLed::SecaoDaFonte(fonte);
        for (const TGlifoPadrao &g : GlifosPadrao(fonte)) {
            const QString chave = QString::number(g.Codigo);
            verificar(depois.Valor(secao, chave) == antes.Valor(secao, chave).value_or(g.Glifo),
                      "completing the file changed a value or missed a glyph");
        }
        for (int codigo : codigos(bytes))
            if (const auto valor = antes.Valor(secao, QString::number(codigo)))
                verificar(depois.Valor(secao, QString::number(codigo)) == valor, "completing changed a value");
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    // Two names in turn: a new name makes the font cache read the file again
    // even when the new bytes have the size and time stamp of the last ones.
    static int vez = 0;
    const QString arquivo = PastaTemporaria().filePath(QStringLiteral("FONTES%1.INI").arg(++vez % 2));
    const QByteArrayView bytes(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    verificar(GravarSimples(arquivo, bytes.toByteArray()), "cannot write the input file");
    TFontesLed::DefinirArquivoDeFontes(arquivo);

    TArquivoIni ini;
    ini.DefinirConteudo(bytes.toByteArray());
    verificar(ini.Conteudo() == bytes, "the profile does not write back byte for byte");
    verificarGlifos(ini, bytes);
    verificarRelogio(bytes);

    TArquivoIni alterado = ini;
    alterado.DefinirValor(QStringLiteral("Veltronix 8x7"), QStringLiteral("48"), "0110");
    TArquivoIni relido;
    relido.DefinirConteudo(alterado.Conteudo());
    verificar(relido.Valor(QStringLiteral("VELTRONIX 8X7"), QStringLiteral("48")) == QByteArray("0110"),
              "a value set is not read back");

    if (tamanho % 32 == 0)
        verificarCompletar(arquivo, ini, bytes);
    return 0;
}
