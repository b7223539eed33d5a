#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/UProjetoArquivo.h"
#include "app/UTransferencia.h"
#include "data/UDtmDestino.h"
#include "output/UGeracaoArquivo.h"
#include "output/ULeituraArquivo.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "pasta_temporaria.h"

// Fuzz target of the project file (".ar1") loader: the bytes are written to a
// file and opened as the program opens a project. A file that opens is then
// walked as the tools walk it (fitted signs, label lines, the pen drive
// transfer), saved, opened again: the copy gives the same labels and the
// same ".art" bytes, and those bytes read back.
namespace {

void verificar(bool condicao, const char *falha)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_projeto: %s\n", falha);
        std::abort();
    }
}

struct TVisao {
    QStringList Destinos;
    QStringList Extras;
    QByteArray Art;
    bool Recusado = false; // the builder refused a value
};

TVisao ver(TDtm_Destino &dados)
{
    TVisao v;
    MostrarTipo(dados, false);
    const QList<TSinalEquipado> sinais = SinaisDoProjeto(dados);
    v.Destinos = LinhasDosRotulos(dados, sinais);
    MostrarTipo(dados, true);
    v.Extras = LinhasDosRotulos(dados, SinaisDoProjeto(dados));
    MostrarTipo(dados, false);
    TTransferencia transferencia(dados, sinais);
    TGeracaoArquivo geracao;
    try {
        transferencia.Preencher(geracao);
        v.Art = geracao.GerarBytes();
    } catch (const TErro &) {
        v.Recusado = true;
        return v;
    }
    if (!sinais.isEmpty()) {
        try {
            verificar(GravarArquivoLido(LerArquivoSaida(QByteArrayView(v.Art))) == v.Art,
                      "the transfer's file does not lay out again the same");
        } catch (const TErroLeitura &e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.Mensagem));
            verificar(false, "the reader refuses the transfer's file");
        }
    }
    return v;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    static const bool semArquivo = [] {
        TFontesLed::DefinirArquivoDeFontes(QStringLiteral("/nonexistent/FONTES12.INI"));
        return true;
    }();
    (void)semArquivo;
    const QString arquivo = PastaTemporaria().filePath(QStringLiteral("projeto.ar1"));
    const QString copia = PastaTemporaria().filePath(QStringLiteral("copia.ar1"));
    verificar(GravarSimples(arquivo, QByteArray(reinterpret_cast<const char *>(dados), qsizetype(tamanho))),
              "cannot write the input file");

    TDtm_Destino projeto;
    try {
        AbrirProjeto(projeto, arquivo);
    } catch (const TErro &e) {
        verificar(e.Mensagem.startsWith(QStringLiteral("ATENÇÃO:")), "a refusal without the operator's heading");
        return 0;
    }
    const TVisao antes = ver(projeto);

    QFile::remove(copia);
    verificar(projeto.SalvarArquivo(copia), "a project that opened could not be saved");
    TDtm_Destino relido;
    AbrirProjeto(relido, copia);
    const TVisao depois = ver(relido);
    verificar(antes.Destinos == depois.Destinos && antes.Extras == depois.Extras, "saving changed the labels");
    verificar(antes.Recusado == depois.Recusado && antes.Art == depois.Art, "saving changed the .art file");
    return 0;
}
