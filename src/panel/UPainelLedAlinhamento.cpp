#include <QScopeGuard>
#include <algorithm>
#include <vector>

#include "panel/UPainelLed.h"

// Alignment of the cursor line and letter spacing. Both only move records
// and lay the glyphs again; a scrolling panel is never aligned.

void TPainelLed::DefinirAlinhamento(TAlinhamento valor)
{
    alinhamento = valor;
    AplicarAlinhamento();
}

void TPainelLed::AplicarAlinhamento()
{
    if (rolagem != TRolagem::tsNenhum)
        return;
    DesenharCursor(false);
    const auto fim = qScopeGuard([this] {
        RedesenharTexto();
        DesenharCursor(true);
    });
    const int n = nroColunas;
    const int d = divisaoNaColuna;
    // The part of the panel the cursor is in. Column D is the first column of
    // the scrolling part, so the left part's characters start before it.
    const bool dividido = d > 0;
    const bool parteDireita = dividido && colunaCursor > d;
    std::vector<TCfgChar *> linha;
    int soma = 0;
    for (const auto &c : texto) {
        if (!(c->Linha <= linhaCursor && linhaCursor <= c->LinhaFinal()))
            continue;
        if (dividido && (parteDireita ? c->Coluna < d : c->Coluna >= d))
            continue;
        linha.push_back(c.get());
        soma += c->Largura;
    }
    const int primeiraDaParte = parteDireita ? d : 1;
    int inicio = primeiraDaParte;
    switch (alinhamento) {
    case TAlinhamento::taCenter:
        inicio = !dividido ? (n - soma) / 2 + 1 : parteDireita ? d + (n - d - soma) / 2 + 1 : (d - soma) / 2 + 1;
        break;
    case TAlinhamento::taLeftJustify: break;
    case TAlinhamento::taRightJustify:
        // The last column of the part stays free: the panel's last column, or
        // the column just before the division for the left part.
        inicio = dividido && !parteDireita ? d - 1 - soma : n - soma;
        break;
    }
    // A line that fills its part is never pushed out of it.
    inicio = std::max(inicio, primeiraDaParte);
    for (TCfgChar *c : linha) {
        ApagarCaractere(*c);
        c->Coluna = inicio;
        inicio = c->ColunaFinal();
    }
    colunaCursor = inicio;
}

void TPainelLed::AumentarEspacamento(int primeira, int ultima)
{
    // One blank column after every character of the range but the last.
    bool apagou = false;
    const auto fim = qScopeGuard([&] {
        if (apagou)
            RedesenharTexto();
        DefinirAlinhamento(alinhamento);
        CursorParaFim();
    });
    int desvio = 1;
    for (size_t k = 0; k < texto.size(); ++k) {
        TCfgChar &c = *texto[k];
        if (c.Coluna < primeira || c.ColunaFinal() > ultima)
            continue;
        if (UltimaColunaAcesa(true) >= nroColunas - 3)
            continue;
        ApagarCaractere(c);
        apagou = true;
        if (k > 0)
            c.Coluna += desvio;
        if (k + 1 < texto.size())
            ++c.Largura;
        if (k > 0)
            ++desvio;
    }
}

void TPainelLed::DiminuirEspacamento(int primeira, int ultima)
{
    // One blank column less after every character, never narrower than its
    // glyph; each character moves left by the columns removed before it.
    bool apagou = false;
    const auto fim = qScopeGuard([&] {
        if (apagou)
            RedesenharTexto();
        DefinirAlinhamento(alinhamento);
        CursorParaFim();
    });
    int removidas = 0;
    QByteArray glifo;
    for (size_t k = 0; k < texto.size(); ++k) {
        TCfgChar &c = *texto[k];
        if (c.Coluna < primeira || c.ColunaFinal() > ultima)
            continue;
        ApagarCaractere(c);
        apagou = true;
        LerGlifo(c.Fonte, c.Caractere, glifo);
        const int g = UltimaColunaDoGlifo(c.Fonte, glifo, AlturaDaFonte(c.Fonte));
        if (k > 0)
            c.Coluna -= removidas;
        if (c.Largura - 1 > g) {
            --c.Largura;
            ++removidas;
        }
    }
}
