#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/UImportacaoArt.h"
#include "app/UTransferencia.h"
#include "data/UDtmDestino.h"
#include "geracao_bytes.h"
#include "output/ULeituraArquivo.h"
#include "panel/UFontes.h"

// Fuzz target of the ".art" reader. The bytes are read as a file: the reader
// either refuses them at an offset inside the file or accepts them, and then
// what it read lays out again to the same bytes, and a project rebuilt from it
// writes them again unless the rebuild says it differs. The same bytes also drive the
// file builder: whatever it writes, the reader reads back to its records.
namespace {

void verificar(bool condicao, const char *falha)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_art: %s\n", falha);
        std::abort();
    }
}

// Every LED of every record, as show-art draws them.
int contarAcesas(const TArquivoSaidaLido &lido)
{
    int acesas = 0;
    for (const TPainelLido &p : lido.Paineis)
        for (const TRegistroDestino &d : p.Destinos) {
            const int colunas = ColunasDoRegistro(d.Cabecalho, p.Tamanho);
            for (int c = 0; c <= colunas; ++c)
                for (int r = 0; r <= p.Tamanho.Linhas; ++r)
                    acesas += LedAceso(d.Colunas, p.Tamanho.Linhas, c, r);
        }
    return acesas;
}

// An accepted file is rebuilt into a project, or refused as having no sign
// of the bus; a rebuild without the notice writes the same bytes again.
void reconstruir(QByteArrayView bytes)
{
    TImportacaoArt importacao(bytes.toByteArray());
    TDtm_Destino dados;
    dados.AbrirTabelas({});
    try {
        importacao.Reconstruir(dados);
    } catch (const TErro &) {
        verificar(importacao.Sinais().isEmpty(), "a file with signs of the bus was refused");
        return;
    }
    if (importacao.Difere())
        return;
    TGeracaoArquivo g;
    TTransferencia(dados, importacao.Sinais()).Preencher(g);
    verificar(g.GerarBytes() == bytes, "the rebuilt project writes other bytes without the notice");
}

void lerBytes(QByteArrayView bytes)
{
    try {
        const TArquivoSaidaLido lido = LerArquivoSaida(bytes);
        verificar(GravarArquivoLido(lido) == bytes, "accepted bytes do not lay out again the same");
        contarAcesas(lido);
    } catch (const TErroLeitura &e) {
        verificar(e.Posicao >= 0 && e.Posicao <= bytes.size(), "fault offset outside the file");
        verificar(!e.Descricao.isEmpty(), "fault without a description");
        return;
    }
    reconstruir(bytes);
}

void construirELer(QByteArrayView bytes)
{
    TGeracaoArquivo g;
    QByteArray arquivo;
    try {
        TGeracaoDosBytes(bytes).Preencher(g);
        arquivo = g.GerarBytes();
    } catch (const TErro &) {
        return; // a value that does not fit its field: the builder refuses the file
    }
    TArquivoSaidaLido lido;
    try {
        lido = LerArquivoSaida(QByteArrayView(arquivo));
    } catch (const TErroLeitura &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Mensagem));
        verificar(false, "the reader refuses what the builder wrote");
    }
    verificar(GravarArquivoLido(lido) == arquivo, "the builder's file does not lay out again the same");
    // Without an extra table offset, extras that read as destinations read as
    // such (the layout cannot tell them apart); every other file reads back
    // to the builder's own records.
    if (lido.Cabecalho.OffsetExtras == 0 && g.MaiorExtra() > 0)
        return;
    for (const TPainelLido &p : lido.Paineis) {
        TPainel &origem = g.ObterPainel(p.Numero);
        verificar(p.Destinos.size() == origem.MaiorNumeroDestino() && p.Extras.size() == origem.MaiorNumeroExtra(),
                  "record count differs from the builder's");
        for (int n = 1; n <= p.Destinos.size(); ++n) {
            QByteArray registro;
            Gravar(p.Destinos[n - 1], registro);
            verificar(registro == g.TabelaDestino(p.Numero, n, false)->Bytes, "destination record differs");
        }
        for (int n = 1; n <= p.Extras.size(); ++n) {
            QByteArray registro;
            Gravar(p.Extras[n - 1], registro);
            verificar(registro == g.TabelaExtra(p.Numero, n, false)->Bytes, "extra record differs");
        }
    }
    verificar(lido.Fontes.size() == g.QtdTabelasFontes(), "font table count differs");
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    // No font file: the clock glyphs come from the built-in tables, no disk access.
    static const bool semArquivo = [] {
        TFontesLed::DefinirArquivoDeFontes(QStringLiteral("/nonexistent/FONTES12.INI"));
        return true;
    }();
    (void)semArquivo;
    const QByteArrayView bytes(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    lerBytes(bytes);
    construirELer(bytes);
    return 0;
}
