#include "app/UModelosOnibus.h"

#include "editor/UEditorPaineis.h"
#include "panel/UFontes.h"

namespace {
// TIPOONIBUS 1..6 as the model state's bus type.
constexpr quint8 tiposDoArquivo[] = {0, 1, 3, 6, 5, 2, 4};
}

TModeloSinal ModeloDoCodigo(int codigo)
{
    switch (codigo) {
    case 1: return {8, 80, TTipoFonte::tfVeltronix8x7};
    case 2: return {11, 112, TTipoFonte::tfVeltronix11x8};
    case 3: return {13, 96, TTipoFonte::tfVeltronix13x7};
    case 4: return {8, 40, TTipoFonte::tfVeltronix8x7};
    case 5: return {13, 32, TTipoFonte::tfVeltronix13x7};
    default: return {};
    }
}

bool TEstadoModelos::Tem(int posicao) const
{
    switch (posicao) {
    case 1: return TemFrontal;
    case 2: return TemLateral;
    case 3: return TemTraseiro;
    case 4: return TemAuxiliar;
    default: return false;
    }
}

quint8 TEstadoModelos::Modelo(int posicao) const
{
    switch (posicao) {
    case 1: return ModeloFrontal;
    case 2: return ModeloLateral;
    case 3: return ModeloTraseiro;
    case 4: return ModeloAuxiliar;
    default: return 0;
    }
}

QList<int> TEstadoModelos::Posicoes() const
{
    QList<int> posicoes;
    for (int p = 1; p <= 4; ++p)
        if (Tem(p))
            posicoes.append(p);
    return posicoes;
}

TItensSelecao ItensDoEstado(const TEstadoModelos &e)
{
    TItensSelecao itens;
    if (e.TemFrontal && e.ModeloFrontal >= 1 && e.ModeloFrontal <= 3)
        itens.Frontal = e.ModeloFrontal;
    if (e.TemLateral && e.ModeloLateral == 1)
        itens.Lateral = 1;
    if (e.TemTraseiro && (e.ModeloTraseiro == 4 || e.ModeloTraseiro == 5))
        itens.Traseiro = e.ModeloTraseiro - 3;
    if (e.TemAuxiliar && e.ModeloAuxiliar == 1)
        itens.Auxiliar = 1;
    return itens;
}

void GravarItens(TEstadoModelos &e, const TItensSelecao &itens)
{
    e.TipoOnibus = 1;
    e.TemFrontal = itens.Frontal != 0;
    e.TemLateral = itens.Lateral != 0;
    e.TemTraseiro = itens.Traseiro != 0;
    e.TemAuxiliar = itens.Auxiliar != 0;
    e.ModeloFrontal = quint8(itens.Frontal >= 1 && itens.Frontal <= 3 ? itens.Frontal : 0);
    e.ModeloLateral = quint8(itens.Lateral == 1 ? 1 : 0);
    e.ModeloTraseiro = quint8(itens.Traseiro == 1 || itens.Traseiro == 2 ? itens.Traseiro + 3 : 0);
    e.ModeloAuxiliar = quint8(itens.Auxiliar == 1 ? 1 : 0);
}

quint8 TipoOnibusDoArquivo(int tipoOnibusLido)
{
    return tipoOnibusLido >= 1 && tipoOnibusLido <= 6 ? tiposDoArquivo[tipoOnibusLido] : 0;
}

int TipoOnibusParaArquivo(quint8 tipoOnibus)
{
    for (int lido = 1; lido <= 6; ++lido)
        if (tiposDoArquivo[lido] == tipoOnibus)
            return lido;
    return 0;
}

TTipoFonte FonteAoAbrir(int posicao, int linhas, int colunas, quint8 tipoOnibus)
{
    for (int codigo = 1; codigo <= 5; ++codigo) {
        const TModeloSinal modelo = ModeloDoCodigo(codigo);
        if (modelo.Linhas == linhas && modelo.Colunas == colunas)
            return modelo.Fonte;
    }
    const bool fonteGrande = tipoOnibus == 1 || tipoOnibus == 2 || tipoOnibus == 5;
    const TTipoFonte fontes[] = {fonteGrande ? TTipoFonte::tfVeltronix13x7 : TTipoFonte::tfVeltronix8x7,
                                 TTipoFonte::tfVeltronix8x7, TTipoFonte::tfVeltronix13x7,
                                 TTipoFonte::tfVeltronix8x7};
    const TTipoFonte fonte = posicao >= 1 && posicao <= 4 ? fontes[posicao - 1] : TTipoFonte::tfVeltronix8x7;
    if (TFontesLed::AlturaDaFonte(fonte) <= linhas)
        return fonte;
    return TEditorPaineis::FonteDasLinhas(linhas).value_or(fonte);
}

int LarguraDosRotulos(int larguraGrade, int larguraNumero, int quantidade)
{
    const auto livre = qint16(larguraGrade - larguraNumero);
    return quantidade > 0 ? qint16(livre / qint16(quantidade)) : livre;
}
