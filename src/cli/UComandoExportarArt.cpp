#include <QDir>

#include "app/UProjetoArquivo.h"
#include "app/UTransferencia.h"
#include "cli/UComandos.h"
#include "data/UDtmDestino.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

// Writes the ".art" file that "Salvar no PenDrive" writes for a project opened
// right after start-up. --force answers the overwrite question with Yes.
namespace {
int executar(QStringList argumentos)
{
    const bool forcar = argumentos.removeAll(u"--force"_s) > 0;
    if (argumentos.size() != 2 || argumentos.first().startsWith(u'-') || argumentos.last().startsWith(u'-'))
        throw TErroDeUso("export-art takes a project file and the .art file to write");
    const QString &projeto = argumentos.first();
    const QString &saida = argumentos.last();

    TDtm_Destino dados;
    AbrirProjeto(dados, projeto);
    TTransferencia transferencia(dados, SinaisDoProjeto(dados));
    transferencia.VerificarDestinos();
    TGeracaoArquivo geracao;
    geracao.ConfirmarSobrescrita = [forcar](const QString &) { return forcar; };
    if (!transferencia.Gravar(geracao, saida))
        throw TErro(u"ATENÇÃO: O Arquivo selecionado já existe: %1\rUse --force to replace it."_s.arg(
            QDir::toNativeSeparators(saida)));
    return 0;
}

const TRegistroComando registro({u"export-art"_s, u"export-art PROJECT.ar1 OUT.art [--force]"_s,
                                 u"Writes the pen drive file (.art) of a project; --force replaces an "
                                 u"existing OUT.art."_s,
                                 executar});
}
