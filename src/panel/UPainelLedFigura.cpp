#include <algorithm>

#include "panel/UPainelLed.h"
#include "panel/USom.h"

using namespace Qt::StringLiterals;

// Figures drawn at the cursor: a box of drawn LEDs, not characters. Typed
// text on the figure's rows makes way for it, so a figure never draws over
// text, and typing goes on after it.

namespace {
bool nasLinhas(const TCfgChar &c, int primeira, int ultima)
{
    return c.Linha <= ultima && c.LinhaFinal() >= primeira;
}
}

int TPainelLed::LinhasDoCursor() const
{
    return std::max(0, nroLinhas - std::max(linhaCursor, 1) + 1);
}

bool TPainelLed::InserirFigura(const TGradeLeds &figura, int linha, const QString &oQue)
{
    const int largura = figura.Colunas();
    const int altura = figura.Linhas();
    if (largura <= 0 || altura <= 0)
        return false;
    const int ultimaLinha = linha + altura - 1;
    if (linha < 1 || ultimaLinha > nroLinhas) {
        TSom::Bipe();
        const int livres = LinhasDoCursor();
        recusar(livres == 0 ? u"%1 não cabe no %2: o cursor está abaixo da última linha"_s.arg(oQue, NomeDoPainel())
                            : u"%1 não cabe no %2: precisa de %3 linhas a partir do cursor e há %4"_s
                                  .arg(oQue, NomeDoPainel())
                                  .arg(altura)
                                  .arg(livres));
        return false;
    }
    // A character the cursor stands inside keeps its columns whole: the figure goes before it.
    int coluna = std::max(colunaCursor, 1);
    for (bool dentro = true; dentro;) {
        dentro = false;
        for (const auto &c : texto)
            if (nasLinhas(*c, linha, ultimaLinha) && c->Coluna < coluna && coluna < c->ColunaFinal()) {
                coluna = c->Coluna;
                dentro = true;
            }
    }
    std::vector<TCfgChar *> depois;
    int fim = coluna + largura - 1; // the last column lit afterwards, at most
    for (const auto &c : texto)
        if (nasLinhas(*c, linha, ultimaLinha) && c->Coluna >= coluna) {
            depois.push_back(c.get());
            fim = std::max(fim, c->ColunaFinal() - 1 + largura + 1);
        }
    if (rolagem == TRolagem::tsNenhum && fim > nroColunas) {
        TSom::Bipe();
        recusar(u"%1 não cabe no %2: ligue a rolagem ou apague parte da linha"_s.arg(oQue, NomeDoPainel()));
        return false;
    }
    DesenharCursor(false);
    for (TCfgChar *c : depois) {
        ApagarCaractere(*c);
        c->Coluna += largura + 1;
    }
    if (!depois.empty())
        RedesenharTexto();
    for (int c = 0; c <= largura; ++c) // the last one is the dark column after the figure
        for (int l = 0; l < altura; ++l)
            Led(linha + l, coluna + c, true)->DefinirAcesa(figura.Aceso(l + 1, c + 1));
    // Clamped first: past the last column of a sign that does not scroll the view would move.
    colunaCursor = coluna + largura + 1;
    NormalizarCursor();
    AcompanharCursor(largura + 1);
    atualizarIndiceNoCursor();
    return true;
}

bool TPainelLed::InserirPictograma(TPictograma pictograma)
{
    const int livres = LinhasDoCursor();
    const int altura = Pictogramas::AlturaPara(livres);
    if (altura == 0) // refused for the rows the smallest one needs
        return InserirFigura(Pictogramas::Grade(pictograma, Pictogramas::Alturas.front()), std::max(linhaCursor, 1),
                             u"O pictograma"_s);
    return InserirFigura(Pictogramas::Grade(pictograma, altura), std::max(linhaCursor, 1) + (livres - altura) / 2,
                         u"O pictograma"_s);
}
