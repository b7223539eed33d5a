#include "panel/UPainelLed.h"

// The mouse on the panel: toggling cells in ModoGrafico, the marking
// rectangle in ModoMarcacao, the cursor in ModoTexto, and the right button
// handed to the owner.

void TPainelLed::PressionarMouse(TBotaoMouse botao, int x, int y)
{
    if (botao == TBotaoMouse::Direito && AoClicarMouseOpcoes) {
        AoClicarMouseOpcoes(this, x, y);
        return;
    }
    // The pointer stands where the button went down, moved there or not.
    ultimoX = x;
    ultimoY = y;
    botaoPressionado = true;
    ultimaAlternada = nullptr;
    if (modo == TModo::ModoMarcacao && !arrastandoMarcacao) {
        arrastandoMarcacao = true;
        InicioMarcacao = LedNoPonto(x, y);
        FimMarcacao = InicioMarcacao;
        Pintar();
    }
}

void TPainelLed::MoverMouse(int x, int y)
{
    ultimoX = x;
    ultimoY = y;
    if (botaoPressionado)
        tratarClique();
}

void TPainelLed::ClicarMouse()
{
    tratarClique();
}

void TPainelLed::SoltarMouse(TBotaoMouse, int x, int y)
{
    botaoPressionado = false;
    ultimaAlternada = nullptr;
    if (modo == TModo::ModoMarcacao) {
        arrastandoMarcacao = false;
        FimMarcacao = LedNoPonto(x, y);
        Pintar();
    }
    if (OnRecebeFoco)
        OnRecebeFoco(this);
}

void TPainelLed::tratarClique()
{
    // Uses the remembered pointer position, not the event's.
    if (ultimoX < 0 || ultimoX > Largura() || ultimoY < 0 || ultimoY > Altura())
        return;
    TLed *celula = LedNoPonto(ultimoX, ultimoY);
    if (!celula)
        return;
    switch (modo) {
    case TModo::ModoMarcacao:
    case TModo::ModoSimulador: break;
    case TModo::ModoGrafico:
        // A cell toggles once per visit: again only after another cell was toggled.
        if (celula != ultimaAlternada) {
            celula->DefinirAcesa(!celula->Acesa);
            ultimaAlternada = celula;
        }
        break;
    case TModo::ModoTexto:
        CursorParaFim();
        AtivarEdicao();
        break;
    }
}
