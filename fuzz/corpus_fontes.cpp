#include "corpus.h"

#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "pasta_temporaria.h"

// The font file the program writes, pieces of it with their lines ended,
// named and spaced in other ways, glyphs of odd lengths and characters, and
// damaged bytes.
namespace {

QByteArray arquivoCompleto()
{
    const QString arquivo = PastaTemporaria().filePath(QStringLiteral("FONTES12.INI"));
    QFile::remove(arquivo);
    TFontesLed::DefinirArquivoDeFontes(arquivo);
    TFontesLed::CriarFontesPadrao();
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray glifo(TGerador &g)
{
    static const char simbolos[] = "0101012 \t;=[]\xE7";
    QByteArray v;
    for (int n = g.Chance(20) ? 3000 + g.Ate(2000) : g.Ate(120); n > 0; --n)
        v += simbolos[g.Ate(sizeof simbolos - 1)];
    return v;
}

QByteArray variante(TGerador &g)
{
    static const char *const quebras[] = {"\r\n", "\n", "\r", "\n\r"};
    static const char *const secoes[] = {"[Veltronix 8x7]", "[veltronix 8X7]", "  [ Veltronix 5x5 ]  ", "[Veltronix 13x9",
                                         "[]", "[Veltronix 11x6]; nota", "[Outra]"};
    QByteArray texto;
    for (int s = 1 + g.Ate(4); s > 0; --s) {
        const char *quebra = quebras[g.Ate(std::size(quebras))];
        texto += secoes[g.Ate(std::size(secoes))];
        texto += quebra;
        for (int k = g.Ate(8); k > 0; --k) {
            if (g.Chance(6))
                texto += g.Chance(2) ? QByteArray("; comentario") : QByteArray("=sem chave");
            else
                texto += QByteArray(g.Ate(3), ' ') + QByteArray::number(g.Chance(3) ? 48 + g.Ate(11) : g.Ate(300))
                         + QByteArray(g.Ate(2), ' ') + '=' + glifo(g);
            texto += quebra;
        }
    }
    if (g.Chance(3))
        texto.chop(1);
    return texto;
}

}

void GerarCorpus(const TAlimentar &alimentar)
{
    TGerador g(20261212);
    const QByteArray completo = arquivoCompleto();
    alimentar({});
    alimentar(completo);
    for (int i = 0; i < 40; ++i) {
        // A piece of the complete file, from a section header on.
        const qsizetype inicio = completo.indexOf('[', g.Ate(int(completo.size())));
        const QByteArray trecho = completo.mid(inicio < 0 ? 0 : inicio, 200 + g.Ate(3000));
        alimentar(trecho);
        alimentar(g.Danificar(trecho));
    }
    for (int i = 0; i < 300; ++i) {
        const QByteArray v = variante(g);
        alimentar(v);
        if (g.Chance(3))
            alimentar(g.Danificar(v));
    }
}
