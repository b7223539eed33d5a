#include <QDir>
#include <QTextStream>

#include "app/UImportacaoArt.h"
#include "cli/UComandos.h"
#include "cli/USaidaCli.h"
#include "data/UDtmDestino.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// Rebuilds a project (".ar1") from a pen drive file (".art"). A file the
// reader refuses writes nothing; --force replaces an existing project.
namespace {
int executar(QStringList argumentos)
{
    const bool forcar = argumentos.removeAll(u"--force"_s) > 0;
    if (argumentos.size() != 2 || argumentos.first().startsWith(u'-') || argumentos.last().startsWith(u'-'))
        throw TErroDeUso("import-art takes the .art file to read and the project file to write");
    const QString &art = argumentos.first();
    const QString &projeto = argumentos.last();
    VerificarSaida(projeto, {art, TFontesLed::ArquivoDeFontes()}, forcar);

    // The clock fonts are told apart by the glyphs the export would write.
    try {
        TFontesLed::CriarFontesPadrao();
    } catch (const TErro &e) {
        QTextStream(stderr) << ParaTerminal(e.Mensagem) << "\n";
    }
    TImportacaoArt importacao = TImportacaoArt::LerArquivo(art);

    TDtm_Destino dados;
    dados.AbrirTabelas({});
    importacao.Reconstruir(dados);
    if (!dados.SalvarArquivo(projeto))
        throw TErro(
            u"ATENÇÃO:\r\nNão foi possível gravar o projeto \"%1\"."_s.arg(QDir::toNativeSeparators(projeto)));
    QTextStream(stdout) << u"Reconstruído \"%1\" de \"%2\": %3. %4"_s.arg(QDir::toNativeSeparators(projeto),
                                                                        QDir::toNativeSeparators(art),
                                                                        importacao.Quantidades(),
                                                                        importacao.Observacoes())
                        << "\n";
    return 0;
}

const TRegistroComando registro({u"import-art"_s, u"import-art FILE.art PROJECT.ar1 [--force]"_s,
                                 u"Rebuilds a project from a pen drive file (.art): its signs, destinations and "
                                 u"extras, the messages drawn as LEDs; --force replaces an existing PROJECT.ar1."_s,
                                 executar});
}
