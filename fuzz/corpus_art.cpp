#include "corpus.h"

#include "geracao_bytes.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

// Files made by the builder from random choices, each followed by damaged
// copies of it; the random choices themselves drive the builder in the target.
void GerarCorpus(const TAlimentar &alimentar)
{
    TFontesLed::DefinirArquivoDeFontes(QStringLiteral("/nonexistent/FONTES12.INI"));
    TGerador g(20261210);
    for (int i = 0; i < 600; ++i) {
        const QByteArray escolhas = g.Bytes(16 + g.Ate(400));
        alimentar(escolhas);
        TGeracaoArquivo geracao;
        QByteArray arquivo;
        try {
            TGeracaoDosBytes(escolhas).Preencher(geracao);
            arquivo = geracao.GerarBytes();
        } catch (const TErro &) {
            continue;
        }
        alimentar(arquivo);
        for (int k = 0; k < 4; ++k) {
            QByteArray danificado = arquivo;
            for (int m = 1 + g.Ate(2); m > 0; --m)
                danificado = g.Danificar(danificado);
            alimentar(danificado);
        }
    }
}
