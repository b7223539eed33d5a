#include "data/ULinhaTabela.h"

#include "data/ULeituraValor.h"
#include "data/UTabelaMemoria.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

TLinhaTabela::TLinhaTabela(const TTabelaMemoria &tabela, const QVector<QVariant> &valores)
    : tabela(tabela), valores(valores)
{
}

QVariant TLinhaTabela::Valor(int indice) const
{
    if (!calculando && tabela.Coluna(indice).Calculada)
        return tabela.ValorCalculado(valores, indice);
    return valores.at(indice);
}

QVariant TLinhaTabela::Valor(const QString &coluna) const
{
    return Valor(tabela.IndiceObrigatorio(coluna));
}

int TLinhaTabela::ComoInteiro(const QString &coluna) const
{
    return TLeituraValor::ComoInteiro(Valor(coluna), coluna);
}

bool TLinhaTabela::ComoBooleano(const QString &coluna) const
{
    return TLeituraValor::ComoBooleano(Valor(coluna), coluna);
}

QString TLinhaTabela::ComoTexto(const QString &coluna) const
{
    return TLeituraValor::ComoTexto(Valor(coluna), coluna);
}

QByteArray TLinhaTabela::ComoBytes(const QString &coluna) const
{
    return TLeituraValor::ComoBytes(Valor(coluna), coluna);
}

TLinhaCalculo::TLinhaCalculo(const TTabelaMemoria &tabela, QVector<QVariant> &valores)
    : TLinhaTabela(tabela, valores), calculados(valores)
{
    calculando = true;
}

void TLinhaCalculo::Definir(const QString &coluna, const QVariant &valor)
{
    const int indice = tabela.IndiceObrigatorio(coluna);
    const TColunaTabela &definicao = tabela.Coluna(indice);
    if (!definicao.Calculada)
        throw TErro(u"ATENÇÃO:\r\nA coluna %1 não é calculada.\r\nSó colunas calculadas podem ser "
                    "definidas no cálculo."_s.arg(definicao.Nome));
    calculados[indice] = definicao.Normalizar(valor);
}
