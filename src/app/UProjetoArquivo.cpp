#include "app/UProjetoArquivo.h"

#include "data/UDtmDestino.h"
#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

#include <QDir>

#include <array>

using namespace Qt::StringLiterals;

namespace {
constexpr int qtdPosicoes = 4;

// Rows x columns of each position before the rows are read, by bus type.
std::array<TSinalEquipado, qtdPosicoes> tamanhosIniciais(int tipoOnibus)
{
    if (tipoOnibus == 1)
        return {{{1, 13, 128}, {2, 8, 80}, {3, 13, 32}, {4, 8, 80}}};
    return {{{1, 8, 80}, {2, 8, 80}, {3, 8, 80}, {4, 8, 80}}};
}
}

QString EscaparCampo(const QString &rotulo)
{
    QString texto;
    texto.reserve(rotulo.size());
    for (const QChar c : rotulo) {
        switch (c.unicode()) {
        case u'\\': texto += u"\\\\"_s; break;
        case u'\n': texto += u"\\n"_s; break;
        case u'\r': texto += u"\\r"_s; break;
        case u'\t': texto += u"\\t"_s; break;
        case u'\0': texto += u"\\0"_s; break;
        default: texto += c;
        }
    }
    return texto;
}

void AbrirProjeto(TDtm_Destino &dados, const QString &arquivo)
{
    TArquivoDisco::ExigirLeitura(arquivo);
    dados.FecharTabelas();
    if (!dados.AbrirTabelas(arquivo))
        throw TErro(u"ATENÇÃO:\rNão foi possível abrir o arquivo %1"_s.arg(QDir::toNativeSeparators(arquivo)));
}

void MostrarTipo(TDtm_Destino &dados, bool extra)
{
    dados.DefinirFiltroExtra(extra);
    dados.ReconstruirRotulos(true);
}

namespace {
// The fitted positions of rows given as (PAINEL, NRO_LINHAS, NRO_COLUNAS), in
// position order, sized as SinaisDoProjeto says.
struct TTamanhoDaLinha {
    int Painel, Linhas, Colunas;
};
QList<TSinalEquipado> sinaisDasLinhas(int tipoOnibus, const QList<TTamanhoDaLinha> &linhas)
{
    std::array<TSinalEquipado, qtdPosicoes> sinais = tamanhosIniciais(tipoOnibus);
    std::array<bool, qtdPosicoes> equipado{};
    for (const TTamanhoDaLinha &linha : linhas) {
        if (linha.Painel < 1 || linha.Painel > qtdPosicoes)
            continue;
        TSinalEquipado &sinal = sinais[linha.Painel - 1];
        equipado[linha.Painel - 1] = true;
        if (linha.Linhas > 0)
            sinal.Linhas = linha.Linhas;
        if (linha.Colunas > 0)
            sinal.Colunas = linha.Colunas;
    }
    QList<TSinalEquipado> resultado;
    for (int p = 0; p < qtdPosicoes; ++p)
        if (equipado[p])
            resultado.append(sinais[p]);
    return resultado;
}
}

QList<TSinalEquipado> SinaisDoProjeto(TDtm_Destino &dados)
{
    if (!dados.TemLinhas())
        return {};
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const int tipoOnibus = t.ComoInteiro(u"TIPOONIBUS"_s);
    QList<TTamanhoDaLinha> linhas;
    for (dados.Primeiro(); dados.TemLinhaCorrente(true); dados.Proximo())
        linhas.append({t.ComoInteiro(u"PAINEL"_s), t.ComoInteiro(u"NRO_LINHAS"_s), t.ComoInteiro(u"NRO_COLUNAS"_s)});
    return sinaisDasLinhas(tipoOnibus, linhas);
}

QList<TSinalEquipado> SinaisDoOnibus(const TTabelaMemoria &tabela, int tipoOnibus)
{
    const int painel = tabela.IndiceObrigatorio(u"PAINEL"_s);
    const int nroLinhas = tabela.IndiceObrigatorio(u"NRO_LINHAS"_s);
    const int nroColunas = tabela.IndiceObrigatorio(u"NRO_COLUNAS"_s);
    QList<TTamanhoDaLinha> linhas;
    for (const QVector<QVariant> &linha : tabela.TodasAsLinhas())
        linhas.append({linha.value(painel).toInt(), linha.value(nroLinhas).toInt(), linha.value(nroColunas).toInt()});
    return sinaisDasLinhas(tipoOnibus, linhas);
}

QString NomeDoSinal(int painel)
{
    static const QStringList nomes{u"Frontal"_s, u"Lateral"_s, u"Traseiro"_s, u"Auxiliar"_s};
    return painel >= 1 && painel <= nomes.size() ? nomes.at(painel - 1) : u"Painel %1"_s.arg(painel);
}

QStringList LinhasDosRotulos(const TDtm_Destino &dados, const QList<TSinalEquipado> &sinais)
{
    const TTabelaMemoria &t = dados.Cds_Rotulos;
    const int numero = t.IndiceObrigatorio(u"NRO_DESTINO"_s);
    QList<int> colunas;
    for (const TSinalEquipado &sinal : sinais)
        colunas.append(t.IndiceObrigatorio(u"ROTULO"_s + QString::number(sinal.Painel)));
    const QSet<int> guardados = dados.NumerosGuardados();
    QStringList linhas;
    for (int linha = 0; linha < t.QuantidadeDeLinhas(); ++linha) {
        if (!guardados.contains(t.ValorNaLinha(linha, numero).toInt()))
            continue;
        QStringList campos{t.ValorNaLinha(linha, numero).toString()};
        for (int coluna : std::as_const(colunas))
            campos.append(EscaparCampo(t.ValorNaLinha(linha, coluna).toString()));
        linhas.append(campos.join(u'\t'));
    }
    return linhas;
}
