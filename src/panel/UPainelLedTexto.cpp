#include "panel/UPainelLed.h"

// The typed-text model: the character list kept in text order, Indice in step.

TCfgChar &TPainelLed::RegistrarCaractere(int linha, int coluna, int largura, int altura, TTipoFonte fonte,
                                         unsigned char caractere, bool relogio)
{
    TCfgChar *registro = nullptr;
    for (const auto &c : texto)
        if (c->Linha == linha && c->Coluna == coluna) {
            registro = c.get();
            break;
        }
    if (!registro) {
        texto.push_back(std::make_unique<TCfgChar>());
        registro = texto.back().get();
        registro->Indice = int(texto.size());
        registro->Linha = linha;
        registro->Coluna = coluna;
    }
    registro->Largura = largura;
    registro->Altura = altura;
    registro->Fonte = fonte;
    registro->Caractere = caractere;
    registro->Relogio = relogio;
    return *registro;
}
