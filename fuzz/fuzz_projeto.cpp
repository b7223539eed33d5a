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
// transfer, whose ".art" bytes must read back), and saved: the copy holds the
// same rows. The program's own file is a fixed point: saved again, it gives
// the same labels and the same ".art" bytes. (A file from elsewhere may list
// its rows in another order than the program saves them, and the bus type is
// the current row's, so only the copy is compared that way.)
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

// Every stored value of every row of both kinds, one text per row, sorted.
QStringList linhas(TDtm_Destino &dados)
{
    QStringList todas;
    const TTabelaMemoria &t = dados.Cds_DestinosExtras;
    for (bool extra : {false, true}) {
        MostrarTipo(dados, extra);
        for (int l = 0; l < t.QuantidadeDeLinhas(); ++l) {
            QStringList valores;
            for (int c = 0; c < t.QuantidadeDeColunas(); ++c)
                if (!t.Coluna(c).Calculada) {
                    const QVariant v = t.ValorNaLinha(l, c);
                    valores << (v.isNull() ? QStringLiteral("NULL") : QString::fromLatin1(v.typeName()) + u':'
                                                                          + v.toString());
                }
            todas << valores.join(QChar(0x1F));
        }
    }
    MostrarTipo(dados, false);
    todas.sort();
    return todas;
}

// Saves the project under that name and opens the file into outro.
void salvarEAbrir(TDtm_Destino &dados, const QString &arquivo, TDtm_Destino &outro)
{
    QFile::remove(arquivo);
    try {
        verificar(dados.SalvarArquivo(arquivo), "a project that opened could not be saved");
        AbrirProjeto(outro, arquivo);
    } catch (const TErro &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Mensagem));
        verificar(false, "a project that opened could not be saved and opened again");
    }
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
    ver(projeto);
    const QStringList lidas = linhas(projeto);

    // Each view right after opening, as the tools take it: the bus type is
    // the current row's, and walking the rows moves it.
    TDtm_Destino primeira;
    salvarEAbrir(projeto, copia, primeira);
    const TVisao antes = ver(primeira);
    verificar(linhas(primeira) == lidas, "saving lost or changed a row");
    TDtm_Destino segunda;
    salvarEAbrir(primeira, PastaTemporaria().filePath(QStringLiteral("segunda.ar1")), segunda);
    const TVisao depois = ver(segunda);
    verificar(antes.Destinos == depois.Destinos && antes.Extras == depois.Extras, "saving changed the labels");
    verificar(antes.Recusado == depois.Recusado && antes.Art == depois.Art, "saving changed the .art file");
    return 0;
}
