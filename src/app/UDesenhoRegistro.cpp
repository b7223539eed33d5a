#include "app/UDesenhoRegistro.h"

#include <bit>
#include <string_view>

#include "output/UGeracaoArquivo.h"
#include "output/ULeituraArquivo.h"
#include "panel/UConteudoPainel.h"
#include "panel/UFontes.h"

namespace {
int bytesPorColuna(int linhas)
{
    return (linhas + 7) / 8;
}

void escreverRelogio(QByteArray &texto, const TDesenhoRegistro::TRelogio &r)
{
    for (qsizetype i = 0; i < r.Colunas.size(); ++i)
        TConteudoPainel::EscreverEntradaCaractere(texto, i == 0, r.Linha, r.Colunas[i],
                                                  static_cast<unsigned char>(r.Caracteres[i]), r.Fonte, true);
    TConteudoPainel::FecharCaracteres(texto);
}
}

namespace TDesenhoRegistro {

TRelogio DigitarRelogio(TTipoFonte fonte, int linha, int coluna, int colunaFinal)
{
    static constexpr std::string_view relogio("00:00");
    const int altura = TFontesLed::AlturaDaFonte(fonte);
    int larguras[relogio.size()];
    for (size_t i = 0; i < relogio.size(); ++i) {
        QByteArray glifo;
        TFontesLed::LerGlifo(fonte, static_cast<unsigned char>(relogio[i]), glifo);
        larguras[i] = TFontesLed::UltimaColunaDoGlifo(fonte, glifo, altura) + 1;
    }
    const auto digitar = [&](unsigned mascara) {
        TRelogio r{fonte, linha, altura, {}, {}, coluna};
        for (size_t i = 0; i < relogio.size(); ++i)
            if (mascara & (1u << i) && larguras[i] > 0) {
                r.Caracteres.append(relogio[i]);
                r.Colunas.append(r.ColunaFinal);
                r.ColunaFinal += larguras[i];
            }
        return r;
    };
    constexpr unsigned todos = (1u << relogio.size()) - 1;
    for (int quantos = int(relogio.size()); quantos > 0; --quantos)
        for (unsigned mascara = todos; mascara > 0; --mascara)
            if (std::popcount(mascara) == quantos) {
                TRelogio r = digitar(mascara);
                if (!r.Colunas.isEmpty() && r.ColunaFinal == colunaFinal)
                    return r;
            }
    return digitar(todos);
}

TMensagemDesenhada Desenhar(const QByteArray &dados, int linhas, int inicio, int largura, int ultima,
                            const TRelogio *relogio)
{
    TMensagemDesenhada m;
    m.Conteudo.reserve(qsizetype(ultima) * linhas * 8);
    for (int c = 1; c <= ultima; ++c)
        for (int l = 1; l <= linhas; ++l) {
            const bool acesa = c <= largura && LedAceso(dados, linhas, inicio + c - 1, l - 1);
            TConteudoPainel::EscreverEntradaLed(m.Conteudo, l, c, acesa);
            if (acesa)
                m.UltimaAcesa = c;
        }
    if (relogio)
        escreverRelogio(m.Conteudo, *relogio);
    return m;
}

bool AcendeRelogio(const QByteArray &dados, int linhas, int inicio, int largura, const TRelogio &r)
{
    for (int c = r.Colunas.first(); c < r.ColunaFinal && c <= largura; ++c)
        for (int l = r.Linha; l < r.Linha + r.Altura && l <= linhas; ++l)
            if (LedAceso(dados, linhas, inicio + c - 1, l - 1))
                return true;
    return false;
}

std::optional<TTabelaFonteRelogio> TabelaDaFonte(TTipoFonte fonte)
{
    int largura = 0;
    const QByteArray bits = TFontesLed::GlifosDoRelogio(fonte, largura);
    const int altura = TFontesLed::AlturaDaFonte(fonte);
    const int colunas = altura > 0 ? int(bits.size()) / altura : 0;
    if (largura > 0xFF || colunas * bytesPorColuna(altura) > 0xFFFF)
        return std::nullopt;
    TTabelaFonteRelogio t;
    t.LarguraDigito = quint8(largura);
    t.Altura = quint8(altura);
    t.TamanhoDados = quint16(colunas * bytesPorColuna(altura));
    TGeracaoArquivo::GravarColunas(bits, altura, colunas, t.Colunas);
    return t;
}

}
