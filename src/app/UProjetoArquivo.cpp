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

QList<TSinalEquipado> SinaisDoProjeto(TDtm_Destino &dados)
{
    if (!dados.TemLinhas())
        return {};
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    std::array<TSinalEquipado, qtdPosicoes> sinais = tamanhosIniciais(t.ComoInteiro(u"TIPOONIBUS"_s));
    std::array<bool, qtdPosicoes> equipado{};
    for (dados.Primeiro(); dados.TemLinhaCorrente(true); dados.Proximo()) {
        const int painel = t.ComoInteiro(u"PAINEL"_s);
        if (painel < 1 || painel > qtdPosicoes)
            continue;
        TSinalEquipado &sinal = sinais[painel - 1];
        equipado[painel - 1] = true;
        if (const int linhas = t.ComoInteiro(u"NRO_LINHAS"_s); linhas > 0)
            sinal.Linhas = linhas;
        if (const int colunas = t.ComoInteiro(u"NRO_COLUNAS"_s); colunas > 0)
            sinal.Colunas = colunas;
    }
    QList<TSinalEquipado> resultado;
    for (int p = 0; p < qtdPosicoes; ++p)
        if (equipado[p])
            resultado.append(sinais[p]);
    return resultado;
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
