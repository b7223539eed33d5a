#include <QTextStream>

#include "app/UProjetoArquivo.h"
#include "cli/UComandos.h"
#include "data/UDtmDestino.h"

using namespace Qt::StringLiterals;

// Prints the destination list of a project (or its extra messages) as the
// program shows it: the number, then the label of each fitted sign.
namespace {
int executar(QStringList argumentos)
{
    const bool extras = argumentos.removeAll(u"--extras"_s) > 0;
    if (argumentos.size() != 1 || argumentos.first().startsWith(u'-'))
        throw TErroDeUso("list takes a project file");

    TDtm_Destino dados;
    AbrirProjeto(dados, argumentos.first());
    const QList<TSinalEquipado> sinais = SinaisDoProjeto(dados);
    MostrarTipo(dados, extras);
    QTextStream saida(stdout);
    saida.setEncoding(QStringConverter::Utf8);
    for (const QString &linha : LinhasDosRotulos(dados, sinais))
        saida << linha << '\n';
    return 0;
}

const TRegistroComando registro({u"list"_s, u"list PROJECT.ar1 [--extras]"_s,
                                 u"Prints the numbered destinations (or extra messages) of a project, "
                                 u"one line per number: the number, then each sign's label, tab-separated."_s,
                                 executar});
}
