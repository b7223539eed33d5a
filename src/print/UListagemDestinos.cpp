#include "print/UListagemDestinos.h"

#include "data/UDtmDestino.h"

#include <QDateTime>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
// Widths in mm of the label cells of the detail band, by position.
constexpr double largurasRotulos[QtdPosicoes] = {92.3, 69.6, 24.9, 63.5};
constexpr double xPrimeiraColuna = 21.2;
constexpr double vaoColunas = 0.5;

QString coluna(int posicao)
{
    return u"ROTULO"_s + QString::number(posicao);
}
}

TDadosListagem DadosDaListagem(const TDtm_Destino &tabelas, const std::array<bool, QtdPosicoes> &presentes,
                               const QString &tituloJanela, const QString &tituloNumero)
{
    const TTabelaMemoria &rotulos = tabelas.Cds_Rotulos;
    const QSet<int> guardados = tabelas.NumerosGuardados();
    TDadosListagem dados;
    dados.Presentes = presentes;
    dados.TituloJanela = tituloJanela;
    dados.TituloNumero = tituloNumero;
    // As Brazil writes it ("10/12/2026 14:07"), whatever the machine's language.
    dados.DataHora = QLocale(QLocale::Portuguese, QLocale::Brazil).toString(QDateTime::currentDateTime(),
                                                                           QLocale::ShortFormat);
    const int numero = rotulos.IndiceObrigatorio(u"NRO_DESTINO"_s);
    std::array<int, QtdPosicoes> indices{};
    for (int p = 0; p < QtdPosicoes; ++p) {
        indices[p] = rotulos.IndiceObrigatorio(coluna(p + 1));
        dados.Titulos[p] = rotulos.Coluna(indices[p]).RotuloExibido();
    }
    for (int linha = 0; linha < rotulos.QuantidadeDeLinhas(); ++linha) {
        if (!guardados.contains(rotulos.ValorNaLinha(linha, numero).toInt()))
            continue;
        TDadosListagem::TLinha &l = dados.Linhas.emplace_back();
        l.Numero = rotulos.ValorNaLinha(linha, numero).toString();
        for (int p = 0; p < QtdPosicoes; ++p)
            l.Rotulos[p] = rotulos.ValorNaLinha(linha, indices[p]).toString();
    }
    return dados;
}

QList<TColunaListagem> ColunasDaListagem(const std::array<bool, QtdPosicoes> &presentes)
{
    QList<TColunaListagem> colunas;
    double x = xPrimeiraColuna;
    for (int p = 0; p < QtdPosicoes; ++p) {
        if (!presentes[p])
            continue;
        colunas.append({p + 1, x, largurasRotulos[p]});
        x += largurasRotulos[p] + vaoColunas;
    }
    return colunas;
}

QString TextoNroPagina(int numero, int total)
{
    return u"Página: %1/%2"_s.arg(numero, 3, 10, QChar(u'0')).arg(total, 3, 10, QChar(u'0'));
}

QString TituloListagem()
{
    return u"Lista de Destinos"_s;
}
