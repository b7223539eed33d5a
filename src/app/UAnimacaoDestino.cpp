#include "app/UAnimacaoDestino.h"

#include <QScopeGuard>
#include <algorithm>
#include <limits>
#include <vector>

#include "app/UImagemDestino.h"
#include "editor/UEditorPaineis.h"
#include "output/UGravacaoGif.h"
#include "panel/UPainelLed.h"

namespace {
constexpr int nunca = std::numeric_limits<int>::max();
constexpr int maisPassos = 1 << 16; // a bound on one pass of a scrolling text, in steps
}

TAnimacaoDestino::TAnimacaoDestino(TImagemDestino &imagem)
    : imagem(imagem), ciclo(medir())
{
}

TAnimacaoDestino::TCiclo TAnimacaoDestino::medir()
{
    TCiclo c;
    for (int p = 1; p <= TEditorPaineis::QtdPosicoes; ++p)
        c.Rola = c.Rola || imagem.Rola(p);
    TEditorPaineis &e = imagem.Editor();
    e.LigarSimulador();
    const auto desligar = qScopeGuard([&e] { e.DesligarSimulador(); });

    // A round of the rotating messages: from the first slot until the counter
    // comes back to it (eight slots at most), or until a message stays.
    int intervalo = e.DefinirModoSimulador(true);
    const quint16 primeiro = e.ContadorSimulador;
    int mensagens = 1;
    for (int passo = 0; passo < 8 && intervalo > 0; ++passo) {
        c.Duracao += intervalo;
        intervalo = e.PassoDeRotativo();
        if (e.ContadorSimulador == primeiro)
            break;
        ++mensagens;
        c.Repete = intervalo > 0;
    }
    c.Rotativo = mensagens > 1;
    if (!c.Rotativo) {
        c.Duracao = c.Rola ? voltaDaRolagem() : 0;
    } else if (c.Rola && c.Repete && c.Duracao > 0) {
        // Whole rounds of the messages, enough for a whole pass of every scrolling text.
        const int volta = voltaDaRolagem();
        c.Duracao *= std::max(1, (volta + c.Duracao - 1) / c.Duracao);
    }
    return c;
}

// From column 1, the steps until every scrolling sign has been back at column
// 1: one pass of the longest text.
int TAnimacaoDestino::voltaDaRolagem()
{
    std::vector<const TPainelLed *> rolam;
    for (int p = 1; p <= TEditorPaineis::QtdPosicoes; ++p)
        if (imagem.Rola(p))
            rolam.push_back(imagem.Painel(p));
    int duracao = 0;
    for (int passo = 0; passo < maisPassos && !rolam.empty(); ++passo) {
        duracao += std::max(imagem.Editor().PassoDeRolagem(), MenorIntervalo);
        std::erase_if(rolam, [](const TPainelLed *painel) { return painel->PrimeiraColuna() == 1; });
    }
    return duracao;
}

TAnimacaoDestino::TResumo TAnimacaoDestino::Percorrer(
    const std::function<void(const QImage &quadro, int duracao)> &aoQuadro)
{
    TResumo resumo{0, ciclo.Duracao, ciclo.Repete};
    const auto entregar = [&](int duracao) {
        aoQuadro(imagem.Desenhar(), duracao);
        ++resumo.Quadros;
    };
    TEditorPaineis &e = imagem.Editor();
    e.LigarSimulador();
    const auto desligar = qScopeGuard([&e] { e.DesligarSimulador(); });
    const int primeiro = e.DefinirModoSimulador(true);
    // Two clocks, one time line: the next rotating step and the next scroll step.
    int agora = 0;
    int proximaTroca = ciclo.Rotativo && primeiro > 0 ? primeiro : nunca;
    int proximoPasso = ciclo.Rola ? MenorIntervalo : nunca;
    for (;;) {
        const int proximo = std::min({proximaTroca, proximoPasso, ciclo.Duracao});
        entregar(proximo - agora);
        agora = proximo;
        if (agora >= ciclo.Duracao)
            break;
        if (agora == proximaTroca) {
            const int intervalo = e.PassoDeRotativo();
            proximaTroca = intervalo > 0 ? agora + intervalo : nunca;
        }
        if (agora == proximoPasso)
            proximoPasso = agora + std::max(e.PassoDeRolagem(), MenorIntervalo);
    }
    if (!ciclo.Repete) {
        // The message that stays, for ever.
        e.PassoDeRotativo();
        entregar(0);
    }
    return resumo;
}

TAnimacaoDestino::TResumo TAnimacaoDestino::GravarGif(const QString &arquivo)
{
    TResumo resumo;
    resumo.Quadros = TGravacaoGif::GravarArquivo(arquivo, ciclo.Repete, [&](TGravacaoGif &gif) {
        resumo = Percorrer([&gif](const QImage &quadro, int duracao) { gif.Acrescentar(quadro, duracao); });
    });
    return resumo;
}
