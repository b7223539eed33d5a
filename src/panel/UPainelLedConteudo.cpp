#include <QScopeGuard>
#include <algorithm>

#include "panel/UPainelLed.h"

// The panel's side of the content text: what it writes from its cells and
// characters, and how it applies what the reader delivers.

QByteArray TPainelLed::GerarConteudo(int linhas, int colunas)
{
    // A scrolling message may be longer than the panel: it is saved whole, up
    // to the widest column any cell reached less the extra painted column, and
    // never short of the last lit column. A text loaded from a file has no
    // painted column past its end, so without that bound every load and save
    // would cut one more column off the message.
    const int ultima =
        rolagem == TRolagem::tsNenhum ? colunas : std::max(UltimaColuna() - 1, UltimaColunaAcesa(true));
    QByteArray conteudo;
    conteudo.reserve(qMax(0, ultima) * qMax(0, linhas) * 8 + int(texto.size()) * 12);
    for (int coluna = 1; coluna <= ultima; ++coluna)
        for (int linha = 1; linha <= linhas; ++linha)
            EscreverEntradaLed(conteudo, linha, coluna, Led(linha, coluna, true)->Acesa);
    if (texto.empty())
        return conteudo;
    bool primeiro = true;
    for (const auto &c : texto) {
        EscreverEntradaCaractere(conteudo, primeiro, c->Linha, c->Coluna, c->Caractere, c->Fonte, c->Relogio);
        primeiro = false;
    }
    FecharCaracteres(conteudo);
    return conteudo;
}

std::unique_ptr<QBuffer> TPainelLed::SalvarNoStream(int linhas, int colunas)
{
    return NovoStream(GerarConteudo(linhas, colunas));
}

void TPainelLed::CarregarConteudo(const QByteArray &conteudo)
{
    // The cursor goes after the rightmost character, also when the text is
    // malformed part way: what was read before the fault stays applied.
    int maiorColuna = 0;
    const auto fim = qScopeGuard([&] { colunaCursor = maiorColuna; });
    AnalisarConteudo(
        conteudo, [this](const TEntradaLed &e) { Led(e.Linha, e.Coluna, true)->DefinirAcesa(e.Acesa); },
        [this, &maiorColuna](const TEntradaCaractere &e) {
            // Widths come from the font file as it is now, not from the text.
            QByteArray glifo;
            LerGlifo(e.Fonte, e.Caractere, glifo);
            const int altura = AlturaDaFonte(e.Fonte);
            RegistrarCaractere(e.Linha, e.Coluna, UltimaColunaDoGlifo(e.Fonte, glifo, altura) + 1, altura, e.Fonte,
                               e.Caractere, e.Relogio);
            maiorColuna = std::max(maiorColuna, int(e.Coluna));
        });
}

void TPainelLed::CarregarDoStream(QIODevice *stream)
{
    if (!stream)
        return;
    CarregarConteudo(LerStream(stream));
}
