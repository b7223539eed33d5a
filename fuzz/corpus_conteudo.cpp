#include "corpus.h"

#include <iterator>

#include "panel/UConteudoPainel.h"

// Content texts of random panels, made by the writer, and mutations of them,
// each preceded by the two limit bytes of the crop.
namespace {

QByteArray painel(TGerador &g)
{
    const int linhas = 1 + g.Ate(13);
    const int colunas = 1 + g.Ate(24);
    const int densidade = g.Ate(5);
    QByteArray texto;
    if (!g.Chance(20))
        for (int c = 1; c <= colunas; ++c)
            for (int r = 1; r <= linhas; ++r)
                TConteudoPainel::EscreverEntradaLed(texto, r, c, g.Ate(4) < densidade);
    const int caracteres = g.Ate(9);
    for (int i = 0; i < caracteres; ++i)
        TConteudoPainel::EscreverEntradaCaractere(texto, i == 0, 1 + g.Ate(linhas + 2), 1 + g.Ate(colunas + 8),
                                                  static_cast<unsigned char>(g.Ate(256)),
                                                  static_cast<TTipoFonte>(g.Ate(13)), g.Chance(4));
    if (caracteres > 0)
        TConteudoPainel::FecharCaracteres(texto);
    return texto;
}

QByteArray mutacao(TGerador &g, QByteArray texto)
{
    static const char *const numeros[] = {"99999999999", "2147483647", "2147483648", "4294967296",
                                          "32767",       "32768",      "65535",      "65536", "0"};
    static const char separadores[] = "|()-\"TF";
    const int p = g.Ate(int(texto.size()) + 1);
    switch (g.Ate(7)) {
    case 0: texto.truncate(p); break;
    case 1:
        if (p < texto.size())
            texto[p] = static_cast<char>(g.Ate(256));
        break;
    case 2: texto.insert(p, separadores[g.Ate(sizeof separadores - 1)]); break;
    case 3: texto.insert(p, numeros[g.Ate(std::size(numeros))]); break;
    case 4: texto.insert(p, QByteArray(1 + g.Ate(2000), static_cast<char>('0' + g.Ate(10)))); break;
    case 5: texto.remove(p, 1 + g.Ate(20)); break;
    default: texto.insert(p, texto.mid(g.Ate(int(texto.size()) + 1), 1 + g.Ate(40))); break;
    }
    return texto;
}

}

void GerarCorpus(const TAlimentar &alimentar)
{
    TGerador g(20240607);
    auto alimentarComLimites = [&](const QByteArray &texto) {
        QByteArray entrada;
        entrada += static_cast<char>(g.Chance(10) ? 255 : g.Ate(16));
        entrada += static_cast<char>(g.Chance(10) ? 255 : g.Ate(40));
        alimentar(entrada + texto);
    };
    for (const char *texto : {"", "(", ")", "|", "-", "\"", "()", ")(", "||", "((", "))", "1-1-T)", "(1-7---1)",
                              "(2-3-8-7\")", "1-1-T(1-1-A-1", "1-1-T|2-"})
        alimentarComLimites(QByteArray(texto));
    for (int i = 0; i < 2000; ++i) {
        const QByteArray p = painel(g);
        alimentarComLimites(p);
        for (int k = 0; k < 4; ++k) {
            QByteArray mutado = p;
            for (int m = 1 + g.Ate(3); m > 0; --m)
                mutado = mutacao(g, mutado);
            alimentarComLimites(mutado);
        }
    }
}
