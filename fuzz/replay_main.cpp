#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "panel/UConteudoPainel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho);

// Runs a fuzz target without libFuzzer. With file arguments it replays those
// inputs (a crash file left by scripts/fuzz). Without, it feeds a fixed,
// generated corpus: content texts of random panels, made by the writer, and
// mutations of them, each preceded by two bytes for targets that take limits.
namespace {

class TGerador {
public:
    explicit TGerador(quint32 semente) : aleatorio(semente) {}

    int Ate(int n) { return static_cast<int>(aleatorio() % static_cast<quint32>(n)); } // 0 .. n - 1
    bool Chance(int emCada) { return Ate(emCada) == 0; }

    QByteArray Painel()
    {
        const int linhas = 1 + Ate(13);
        const int colunas = 1 + Ate(24);
        const int densidade = Ate(5);
        QByteArray texto;
        if (!Chance(20))
            for (int c = 1; c <= colunas; ++c)
                for (int r = 1; r <= linhas; ++r)
                    TConteudoPainel::EscreverEntradaLed(texto, r, c, Ate(4) < densidade);
        const int caracteres = Ate(9);
        for (int i = 0; i < caracteres; ++i)
            TConteudoPainel::EscreverEntradaCaractere(texto, i == 0, 1 + Ate(linhas + 2), 1 + Ate(colunas + 8),
                                                      static_cast<unsigned char>(Ate(256)),
                                                      static_cast<TTipoFonte>(Ate(13)), Chance(4));
        if (caracteres > 0)
            TConteudoPainel::FecharCaracteres(texto);
        return texto;
    }

    QByteArray Mutacao(QByteArray texto)
    {
        static const char *const numeros[] = {"99999999999", "2147483647", "2147483648", "4294967296",
                                              "32767",       "32768",      "65535",      "65536", "0"};
        static const char separadores[] = "|()-\"TF";
        const int p = Ate(int(texto.size()) + 1);
        switch (Ate(7)) {
        case 0: texto.truncate(p); break;
        case 1:
            if (p < texto.size())
                texto[p] = static_cast<char>(Ate(256));
            break;
        case 2: texto.insert(p, separadores[Ate(sizeof separadores - 1)]); break;
        case 3: texto.insert(p, numeros[Ate(std::size(numeros))]); break;
        case 4: texto.insert(p, QByteArray(1 + Ate(2000), static_cast<char>('0' + Ate(10)))); break;
        case 5: texto.remove(p, 1 + Ate(20)); break;
        default: texto.insert(p, texto.mid(Ate(int(texto.size()) + 1), 1 + Ate(40))); break;
        }
        return texto;
    }

private:
    std::mt19937 aleatorio;
};

int repetirArquivos(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        std::ifstream arquivo(argv[i], std::ios::binary);
        if (!arquivo) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const std::vector<uint8_t> dados{std::istreambuf_iterator<char>(arquivo), {}};
        LLVMFuzzerTestOneInput(dados.data(), dados.size());
    }
    return 0;
}

}

int main(int argc, char **argv)
{
    if (argc > 1)
        return repetirArquivos(argc, argv);

    TGerador gerador(20240607);
    int entradas = 0;
    auto alimentar = [&](const QByteArray &texto) {
        QByteArray entrada;
        entrada += static_cast<char>(gerador.Chance(10) ? 255 : gerador.Ate(16));
        entrada += static_cast<char>(gerador.Chance(10) ? 255 : gerador.Ate(40));
        entrada += texto;
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(entrada.constData()), size_t(entrada.size()));
        ++entradas;
    };

    for (const char *texto : {"", "(", ")", "|", "-", "\"", "()", ")(", "||", "((", "))", "1-1-T)", "(1-7---1)",
                              "(2-3-8-7\")", "1-1-T(1-1-A-1", "1-1-T|2-"})
        alimentar(QByteArray(texto));
    for (int i = 0; i < 2000; ++i) {
        const QByteArray painel = gerador.Painel();
        alimentar(painel);
        for (int k = 0; k < 4; ++k) {
            QByteArray mutado = painel;
            for (int m = 1 + gerador.Ate(3); m > 0; --m)
                mutado = gerador.Mutacao(mutado);
            alimentar(mutado);
        }
    }
    std::printf("%d inputs replayed\n", entradas);
    return 0;
}
