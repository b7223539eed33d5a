#include "print/UBandasListagem.h"

#include "print/UMedidorTexto.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace TBandasListagem {
namespace {
const TFonteRelatorio arial8{u"Arial"_s, 8};
const TFonteRelatorio arial10{u"Arial"_s, 10};
const TFonteRelatorio arial10Negrito{u"Arial"_s, 10, true};
const TFonteRelatorio arial10Italico{u"Arial"_s, 10, false, true};
const TFonteRelatorio tahoma10{u"Tahoma"_s, 10};

// Rules run from 0.5 to 276.2 mm; right-aligned texts end at 276.2 mm.
constexpr double inicioFio = 0.5;
constexpr double fimFio = 276.2;
constexpr double meio = Largura / 2;
// The label columns stand 0.5 mm apart: a label's line stops 1 mm short of
// its cell's right edge, so that it never reads on into the next column.
constexpr double recuoRotulo = 1.0;

// Items of each position (1..4): the column title and the label.
const QString nomesTitulos[QtdPosicoes] = {u"QRLabel3"_s, u"QRLabel5"_s, u"QRLabel6"_s, u"QRLabel4"_s};
const QString nomesRotulos[QtdPosicoes] = {u"QRLabel8"_s, u"QRLabel9"_s, u"QRLabel10"_s, u"QRLabel11"_s};

// recuo: how far short of the cell's right edge the lines stop.
TTextoBanda celula(const QString &nome, double x, double y, double largura, const TFonteRelatorio &fonte,
                   const QString &texto, const TMedidorTexto &medidor, Qt::Alignment alinhamento = Qt::AlignLeft,
                   double recuo = 0)
{
    TTextoBanda t{nome, {}, fonte, alinhamento, medidor.Quebrar(texto, fonte, largura - recuo),
                  medidor.AlturaLinha(fonte)};
    t.Caixa = QRectF(x, y, largura, std::max<qsizetype>(1, t.Linhas.size()) * t.AlturaLinha);
    return t;
}

// How much taller than one line the cell is.
double crescimento(const TTextoBanda &t)
{
    return (std::max<qsizetype>(1, t.Linhas.size()) - 1) * t.AlturaLinha;
}

double crescimento(const QList<TTextoBanda> &textos)
{
    double maior = 0;
    for (const TTextoBanda &t : textos)
        maior = std::max(maior, crescimento(t));
    return maior;
}

TBandaPagina banda(const QString &nome, double altura)
{
    TBandaPagina b;
    b.Nome = nome;
    b.Largura = Largura;
    b.Altura = altura;
    return b;
}
}

TBandaPagina CabecalhoPagina(const TDadosListagem &dados, const TMedidorTexto &medidor)
{
    TBandaPagina b = banda(u"QRBand2"_s, AlturaCabecalhoPagina);
    const TTextoBanda titulo = celula(u"QRLabel1"_s, inicioFio, 1.3, fimFio - inicioFio, arial10Negrito,
                                      dados.TituloJanela, medidor);
    // A caption of several lines pushes the rest of the band down.
    const double desce = crescimento(titulo);
    b.Textos << titulo
             << celula(u"QRSysData2"_s, inicioFio, 7.4 + desce, meio - inicioFio, arial10Italico, TituloListagem(),
                       medidor)
             << celula(u"QRSysData1"_s, meio, 6.4 + desce, fimFio - meio, tahoma10, dados.DataHora, medidor,
                       Qt::AlignRight);
    const double desceMais = std::max(crescimento(b.Textos[1]), crescimento(b.Textos[2]));
    b.Fios << TFioBanda{u"QRShape1"_s, inicioFio, fimFio, 10.8 + desce + desceMais};
    b.Altura += desce + desceMais;
    return b;
}

TBandaPagina CabecalhoColunas(const TDadosListagem &dados, const TMedidorTexto &medidor)
{
    TBandaPagina b = banda(u"QRBand3"_s, AlturaCabecalhoColunas);
    const QList<TColunaListagem> colunas = ColunasDaListagem(dados.Presentes);
    // The number's title may use the room up to the first position's column.
    const double xPrimeira = ColunasDaListagem({true, false, false, false}).first().X;
    b.Textos << celula(u"QRLabel2"_s, 1.1, 1.9, xPrimeira - 1.1, arial10Negrito, dados.TituloNumero, medidor);
    for (const TColunaListagem &c : colunas)
        b.Textos << celula(nomesTitulos[c.Posicao - 1], c.X, c.Posicao == 1 ? 1.9 : 1.6, c.Largura, arial10Negrito,
                           dados.Titulos[c.Posicao - 1], medidor);
    const double desce = crescimento(b.Textos);
    b.Fios << TFioBanda{u"QRShape2"_s, inicioFio, fimFio, 5.6 + desce};
    b.Altura += desce;
    return b;
}

TBandaPagina Detalhe(const TDadosListagem::TLinha &linha, const QList<TColunaListagem> &colunas,
                     const TMedidorTexto &medidor)
{
    TBandaPagina b = banda(u"QRBand1"_s, AlturaDetalhe);
    b.Textos << celula(u"QRLabel7"_s, 1.1, 1.3, 18.5, arial10, linha.Numero, medidor);
    for (const TColunaListagem &c : colunas)
        b.Textos << celula(nomesRotulos[c.Posicao - 1], c.X, 1.3, c.Largura, arial8, linha.Rotulos[c.Posicao - 1],
                           medidor, Qt::AlignLeft, recuoRotulo);
    b.Altura += crescimento(b.Textos);
    return b;
}

TBandaPagina Rodape(int numero, int total, const TMedidorTexto &medidor)
{
    TBandaPagina b = banda(u"QRBand4"_s, AlturaRodape);
    b.Fios << TFioBanda{u"QRShape3"_s, inicioFio, fimFio, 0.3};
    b.Textos << celula(u"Qrs_NroPagina"_s, meio, 2.6, fimFio - meio, tahoma10, TextoNroPagina(numero, total), medidor,
                       Qt::AlignRight);
    return b;
}

double AlturaDetalheRestante(const TBandaPagina &detalhe, const QList<int> &inicio)
{
    double desce = 0;
    for (int i = 0; i < detalhe.Textos.size(); ++i) {
        const TTextoBanda &t = detalhe.Textos[i];
        desce = std::max(desce, (std::max<qsizetype>(1, t.Linhas.size() - inicio[i]) - 1) * t.AlturaLinha);
    }
    return AlturaDetalhe + desce;
}

TBandaPagina PedacoDetalhe(const TBandaPagina &detalhe, QList<int> &inicio, double disponivel)
{
    TBandaPagina pedaco = detalhe;
    for (int i = 0; i < pedaco.Textos.size(); ++i) {
        TTextoBanda &t = pedaco.Textos[i];
        const qsizetype cabem = 1 + std::max(0, int((disponivel - AlturaDetalhe) / t.AlturaLinha + 1e-9));
        t.Linhas = detalhe.Textos[i].Linhas.mid(inicio[i], cabem);
        inicio[i] += int(t.Linhas.size());
        t.Caixa.setHeight(std::max<qsizetype>(1, t.Linhas.size()) * t.AlturaLinha);
    }
    pedaco.Altura = AlturaDetalhe + crescimento(pedaco.Textos);
    return pedaco;
}
}
