#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "app/UProjetoArquivo.h"
#include "app/UTransferencia.h"
#include "cli/UComandos.h"
#include "cli/USaidaCli.h"
#include "data/UDtmDestino.h"
#include "output/UGeracaoArquivo.h"
#include "output/UGravacaoArquivo.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// Writes the ".art" file that "Salvar no PenDrive" writes for a project opened
// right after start-up, read back and compared once written. --force replaces
// an existing file, kept first as OUT.art.bak.
namespace {
// "Gravado "x.art" (451 bytes): Frontal 2 destinos, 1 extra; Lateral 1 destino, 0 extras."
QString resumo(const QString &saida, const TGeracaoArquivo &geracao)
{
    QStringList sinais;
    for (const auto &painel : geracao.Paineis())
        if (!painel->Destinos().empty() || !painel->Extras().empty())
                sinais << u"%1 %2, %3"_s.arg(NomeDoSinal(painel->Numero()),
                                         Quantidade(painel->Destinos().size(), u"destino"_s, u"destinos"_s),
                                         Quantidade(painel->Extras().size(), u"extra"_s, u"extras"_s));
    return u"Gravado \"%1\" (%2): %3."_s.arg(QDir::toNativeSeparators(saida),
                                            Quantidade(QFileInfo(saida).size(), u"byte"_s, u"bytes"_s),
                                            sinais.join(u"; "_s));
}

int executar(QStringList argumentos)
{
    const bool forcar = argumentos.removeAll(u"--force"_s) > 0;
    if (argumentos.size() != 2 || argumentos.first().startsWith(u'-') || argumentos.last().startsWith(u'-'))
        throw TErroDeUso("export-art takes a project file and the .art file to write");
    const QString &projeto = argumentos.first();
    const QString &saida = argumentos.last();
    VerificarSaida(saida, {projeto, TFontesLed::ArquivoDeFontes()}, forcar);
    // The file replaced is kept as OUT.art.bak: never over an input either.
    const bool substitui = QFileInfo::exists(saida);
    if (substitui)
        VerificarSaida(ArquivoAnterior(saida), {projeto, TFontesLed::ArquivoDeFontes()}, true);

    TDtm_Destino dados;
    AbrirProjeto(dados, projeto);
    TTransferencia transferencia(
        dados, SinaisDoOnibus(dados.Cds_DestinosExtras,
                              dados.TemLinhas() ? dados.Cds_DestinosExtras.ComoInteiro(u"TIPOONIBUS"_s) : 0));
    transferencia.VerificarDestinos();
    // As the program does when it creates a panel, so that the clock glyphs
    // written never depend on whether the program was opened first. A font
    // file that cannot be completed is reported; the built-in glyphs stand in.
    try {
        TFontesLed::CriarFontesPadrao();
    } catch (const TErro &e) {
        QTextStream(stderr) << ParaTerminal(e.Mensagem) << "\n";
    }
    TGeracaoArquivo geracao;
    geracao.ConfirmarSobrescrita = [](const QString &) { return true; };
    transferencia.Gravar(geracao, saida);
    QTextStream saidaPadrao(stdout);
    saidaPadrao << resumo(saida, geracao);
    if (substitui)
        saidaPadrao << u" O anterior foi guardado em \"%1\"."_s.arg(QDir::toNativeSeparators(ArquivoAnterior(saida)));
    saidaPadrao << "\n";
    return 0;
}

const TRegistroComando registro({u"export-art"_s, u"export-art PROJECT.ar1 OUT.art [--force]"_s,
                                 u"Writes the pen drive file (.art) of a project; --force replaces an "
                                 u"existing OUT.art."_s,
                                 executar});
}
