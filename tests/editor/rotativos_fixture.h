#pragma once

#include <array>
#include <initializer_list>
#include <memory>

#include "editor/URotativos.h"
#include "panel/UPainelLed.h"

// A stand-in for the panel editor: plain panels at the positions asked for,
// the active position, and the events bound as the editor binds them (store
// every non-empty panel before a slot change, load every non-scrolling panel
// after it). Counts the store and load events.
struct TDonoRotativos {
    std::array<std::unique_ptr<TPainelLed>, 4> paineis; // position - 1
    quint16 ativo = 1;
    int antes = 0;
    int apos = 0;

    explicit TDonoRotativos(TRotativos &rotativos, std::initializer_list<int> posicoes, int linhas = 8,
                            int colunas = 40)
    {
        for (int posicao : posicoes) {
            auto painel = std::make_unique<TPainelLed>();
            painel->Tag = posicao;
            painel->DefinirNroLinhas(linhas);
            painel->DefinirNroColunas(colunas);
            paineis[posicao - 1] = std::move(painel);
        }
        ativo = quint16(*posicoes.begin());
        Ligar(rotativos);
    }

    void Ligar(TRotativos &rotativos)
    {
        rotativos.OnRetornaPainelAtivo = [this](TRotativos *, quint16 &painel, bool &auxiliar, bool &traseiro,
                                                bool &lateral, bool &frontal) {
            painel = ativo;
            frontal = bool(paineis[0]);
            lateral = bool(paineis[1]);
            traseiro = bool(paineis[2]);
            auxiliar = bool(paineis[3]);
        };
        rotativos.AntesDeTrocar = [this](TRotativos *r) {
            ++antes;
            for (auto &painel : paineis)
                if (painel && !painel->EstaVazio())
                    r->Configuracao(qint16(painel->Tag), r->RotativoAtual).GravarPainel(*painel);
        };
        rotativos.AposTrocar = [this](TRotativos *r) {
            ++apos;
            for (auto &painel : paineis)
                if (painel && painel->Rolagem() == TRolagem::tsNenhum)
                    r->Configuracao(qint16(painel->Tag), r->RotativoAtual).CarregarPainel(*painel);
        };
    }

    TPainelLed &Painel(int posicao) { return *paineis[posicao - 1]; }
};
