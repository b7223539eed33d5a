#include <QTextStream>

#include "app/UListaDestinos.h"
#include "app/UProjetoArquivo.h"
#include "cli/UComandos.h"
#include "data/UDtmDestino.h"

using namespace Qt::StringLiterals;

// Prints the destination list of a project (or its extra messages) as the
// program shows it: the number, then the label of each fitted sign.
namespace {
// The list format that import-csv reads: a header, then one row per number.
void escreverLista(QTextStream &saida, const TDtm_Destino &dados, const QList<TSinalEquipado> &sinais, bool extras)
{
    static const QStringList nomes{u"frontal"_s, u"lateral"_s, u"traseiro"_s, u"auxiliar"_s};
    const QChar separador = u';';
    QStringList cabecalho{u"numero"_s};
    for (const TSinalEquipado &sinal : sinais)
        cabecalho << nomes.at(sinal.Painel - 1);
    if (extras)
        cabecalho << u"extra"_s;
    saida << cabecalho.join(separador) << '\n';
    const TTabelaMemoria &t = dados.Cds_Rotulos;
    const QSet<int> guardados = dados.NumerosGuardados();
    for (int linha = 0; linha < t.QuantidadeDeLinhas(); ++linha) {
        const int numero = t.ValorNaLinha(linha, t.IndiceObrigatorio(u"NRO_DESTINO"_s)).toInt();
        if (!guardados.contains(numero))
            continue; // the pending line: no destination yet
        QStringList campos{QString::number(numero)};
        for (const TSinalEquipado &sinal : sinais)
            campos << CampoDaLista(
                t.ValorNaLinha(linha, t.IndiceObrigatorio(u"ROTULO"_s + QString::number(sinal.Painel))).toString(),
                separador);
        if (extras)
            campos << u"1"_s;
        saida << campos.join(separador) << '\n';
    }
}

int executar(QStringList argumentos)
{
    const bool extras = argumentos.removeAll(u"--extras"_s) > 0;
    const bool lista = argumentos.removeAll(u"--csv"_s) > 0;
    if (argumentos.size() != 1 || argumentos.first().startsWith(u'-'))
        throw TErroDeUso("list takes a project file");

    TDtm_Destino dados;
    AbrirProjeto(dados, argumentos.first());
    const QList<TSinalEquipado> sinais = SinaisDoProjeto(dados);
    MostrarTipo(dados, extras);
    QTextStream saida(stdout);
    saida.setEncoding(QStringConverter::Utf8);
    if (lista) {
        escreverLista(saida, dados, sinais, extras);
        return 0;
    }
    for (const QString &linha : LinhasDosRotulos(dados, sinais))
        saida << linha << '\n';
    return 0;
}

const TRegistroComando registro({u"list"_s, u"list PROJECT.ar1 [--extras] [--csv]"_s,
                                 u"Prints the numbered destinations (or extra messages) of a project, "
                                 u"one line per number: the number, then each sign's label, tab-separated; "
                                 u"with --csv as a list that import-csv reads back."_s,
                                 executar});
}
