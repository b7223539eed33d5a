#include "panel/UPictogramas.h"

#include <map>
#include <stdexcept>
#include <string>

#include "panel/UDesenhoPontos.h"

using namespace Qt::StringLiterals;

namespace {
const std::vector<TDesenhoPictograma> &tabela(int altura)
{
    switch (altura) {
    case 8: return Pictogramas::Altura8;
    case 11: return Pictogramas::Altura11;
    case 13: return Pictogramas::Altura13;
    }
    throw std::logic_error("no pictograms are drawn for " + std::to_string(altura) + " rows");
}

// The pictures of one height, read once; the tables are constant.
const std::map<TPictograma, TGradeLeds> &grades(int altura)
{
    static std::map<int, std::map<TPictograma, TGradeLeds>> lidas;
    auto achada = lidas.find(altura);
    if (achada == lidas.end()) {
        std::map<TPictograma, TGradeLeds> conjunto;
        for (const TDesenhoPictograma &d : tabela(altura))
            conjunto.emplace(d.Pictograma, GradeDoDesenho(d.Desenho, altura));
        achada = lidas.emplace(altura, std::move(conjunto)).first;
    }
    return achada->second;
}
}

const std::vector<TPictograma> &Pictogramas::Todos()
{
    static const std::vector<TPictograma> todos{
        TPictograma::Acessibilidade, TPictograma::SetaEsquerda, TPictograma::SetaDireita, TPictograma::SetaCima,
        TPictograma::SetaBaixo,      TPictograma::Aeroporto,    TPictograma::Trem,        TPictograma::Hospital,
        TPictograma::Bicicleta,      TPictograma::Onibus,       TPictograma::Escola,      TPictograma::Compras,
        TPictograma::Praia,          TPictograma::Estadio,
    };
    return todos;
}

QString Pictogramas::Nome(TPictograma pictograma)
{
    switch (pictograma) {
    case TPictograma::Acessibilidade: return u"Acessibilidade"_s;
    case TPictograma::SetaEsquerda: return u"Seta para a esquerda"_s;
    case TPictograma::SetaDireita: return u"Seta para a direita"_s;
    case TPictograma::SetaCima: return u"Seta para cima"_s;
    case TPictograma::SetaBaixo: return u"Seta para baixo"_s;
    case TPictograma::Aeroporto: return u"Aeroporto"_s;
    case TPictograma::Trem: return u"Trem / Metrô"_s;
    case TPictograma::Hospital: return u"Hospital"_s;
    case TPictograma::Bicicleta: return u"Bicicleta"_s;
    case TPictograma::Onibus: return u"Ônibus"_s;
    case TPictograma::Escola: return u"Escola"_s;
    case TPictograma::Compras: return u"Compras"_s;
    case TPictograma::Praia: return u"Praia"_s;
    case TPictograma::Estadio: return u"Estádio"_s;
    }
    return {};
}

int Pictogramas::AlturaPara(int linhas)
{
    int escolhida = 0;
    for (int altura : Alturas)
        if (altura <= linhas)
            escolhida = altura;
    return escolhida;
}

const TGradeLeds &Pictogramas::Grade(TPictograma pictograma, int altura)
{
    const std::map<TPictograma, TGradeLeds> &conjunto = grades(altura);
    const auto achada = conjunto.find(pictograma);
    if (achada == conjunto.end())
        throw std::logic_error("the " + std::to_string(altura) + "-row pictograms lack number "
                               + std::to_string(int(pictograma)));
    return achada->second;
}
