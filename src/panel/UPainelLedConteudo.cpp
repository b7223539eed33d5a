#include <QScopeGuard>
#include <algorithm>

#include "panel/UPainelLed.h"

// The panel's side of the content text: what it writes from its cells and
// characters, and how it applies what the reader delivers.

QByteArray TPainelLed::GerarConteudo(int linhas, int colunas)
{
    // A scrolling message may be longer than the panel: it is saved whole, to
    // its last lit column or the end of its last character, whichever is
    // further, and never short of the panel or of the text it was loaded from.
    // How far the view was scrolled (which cells painting made) does not count:
    // loading and saving a message gives it back as it was.
    int ultima = colunas;
    if (rolagem != TRolagem::tsNenhum) {
        ultima = std::max({colunas, UltimaColunaAcesa(true), colunasCarregadas});
        for (const auto &c : texto)
            ultima = std::max(ultima, c->ColunaFinal() - 1);
    }
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
        conteudo,
        [this](const TEntradaLed &e) {
            Led(e.Linha, e.Coluna, true)->DefinirAcesa(e.Acesa);
            colunasCarregadas = std::max(colunasCarregadas, int(e.Coluna));
        },
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
