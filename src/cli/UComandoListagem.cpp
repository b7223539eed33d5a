#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "app/UProjetoArquivo.h"
#include "cli/UComandos.h"
#include "cli/USaidaCli.h"
#include "data/UDtmDestino.h"
#include "panel/UErro.h"
#include "print/UDesenhoRelatorio.h"
#include "print/UListagemDestinos.h"
#include "print/UMedidorTexto.h"

using namespace Qt::StringLiterals;

// Writes the destination listing that "Imprimir Arquivo" previews, as a PDF,
// for depots that print the lists of many buses in one go.
namespace {
// The signs of the bus: a position with a row of either kind.
std::array<bool, QtdPosicoes> sinaisDoOnibus(TDtm_Destino &dados)
{
    std::array<bool, QtdPosicoes> presentes{};
    for (const bool extra : {true, false}) {
        MostrarTipo(dados, extra);
        for (const TSinalEquipado &sinal : SinaisDoProjeto(dados))
            presentes[sinal.Painel - 1] = true;
    }
    return presentes;
}

int executar(QStringList argumentos)
{
    const bool forcar = argumentos.removeAll(u"--force"_s) > 0;
    const bool extras = argumentos.removeAll(u"--extras"_s) > 0;
    if (argumentos.size() != 2 || argumentos.first().startsWith(u'-') || argumentos.last().startsWith(u'-'))
        throw TErroDeUso("listing takes a project file and the PDF file to write");
    const QString &projeto = argumentos.first();
    const QString &saida = argumentos.last();
    VerificarSaida(saida, {projeto}, forcar);

    TDtm_Destino dados;
    AbrirProjeto(dados, projeto);
    const std::array<bool, QtdPosicoes> presentes = sinaisDoOnibus(dados);
    MostrarTipo(dados, extras);
    const QString tipo = extras ? u"extras"_s : u"destinos"_s;
    // The page header carries the caption the main window has with this project open.
    const QString titulo = u"Dorvik  System [ %1 ]"_s.arg(QDir::toNativeSeparators(QFileInfo(projeto).absoluteFilePath()));
    const TDadosListagem listagem = DadosDaListagem(dados, presentes, titulo,
                                                    extras ? u"Nº Extra"_s : u"Nº Destino"_s);
    if (listagem.Linhas.isEmpty())
        throw TErro(u"ATENÇÃO:\r\nO projeto \"%1\" não tem %2 a listar.\r\nNada foi gravado."_s.arg(
            QDir::toNativeSeparators(projeto), tipo));
    const QList<TPaginaRelatorio> paginas = GerarListagem(listagem, TMedidorQt());
    GravarPdf(paginas, TituloListagem(), saida);
    // "Gravado "x.pdf" (20811 bytes): Lista de Destinos, 120 destinos em 5 páginas."
    QTextStream(stdout) << u"Gravado \"%1\" (%2): %3, %4 em %5."_s.arg(
        QDir::toNativeSeparators(saida), Quantidade(QFileInfo(saida).size(), u"byte"_s, u"bytes"_s),
        TituloListagem(), Quantidade(listagem.Linhas.size(), tipo.chopped(1), tipo),
        Quantidade(paginas.size(), u"página"_s, u"páginas"_s))
                        << "\n";
    return 0;
}

const TRegistroComando registro({u"listing"_s, u"listing PROJECT.ar1 OUT.pdf [--extras] [--force]"_s,
                                 u"Writes the destination listing (or the extra messages' listing) of a project "
                                 u"as a PDF, as the program prints it; --force replaces an existing OUT.pdf."_s,
                                 executar});
}
