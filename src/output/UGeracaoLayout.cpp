// The file layout: header, offset tables, records grouped by number, font tables.
#include "output/UCampoSaida.h"
#include "output/UFuncaoHexa.h"
#include "output/UGeracaoArquivo.h"

using namespace Qt::StringLiterals;

QByteArray TGeracaoArquivo::MontarArquivo() const
{
    const TOrigemCampo arquivo = TOrigemCampo::Arquivo();
    const qint64 inicioDestinos = TamanhoCabecalhoArquivo;
    const qint64 inicioExtras = inicioDestinos + 4 * qint64(maiorDestino);
    const qint64 inicioFontes = inicioExtras + 4 * qint64(maiorExtra);
    qint64 posicao = inicioFontes + 4 * qint64(fontes.size());

    QByteArray offsets;
    QByteArray corpo;
    const auto acrescentar = [&](const TTabela &tabela) {
        corpo += tabela.Bytes;
        posicao += tabela.Bytes.size();
    };
    const auto gravarOffset = [&] {
        TFuncaoHexa::Gravar(arquivo.DuplaPalavra(posicao, u"posição de uma tabela"_s), 4, offsets, true);
    };
    // Entry n points at the first record of number n; the records of one number
    // follow each other in slot order. A number no slot has points where the next begins.
    const auto agrupar = [&](const TListaTabelas &lista, int maior) {
        for (int numero = 1; numero <= maior; ++numero) {
            gravarOffset();
            for (int painel = 1; painel <= QtdSlotsArquivo; ++painel)
                if (const TTabela *tabela = lista.Buscar(painel, numero))
                    acrescentar(*tabela);
        }
    };
    agrupar(tabelasDestinos, maiorDestino);
    agrupar(tabelasExtras, maiorExtra);
    for (int fonte : fontes) {
        gravarOffset();
        acrescentar(*tabelasFontes.Buscar(1, fonte));
    }

    // The header's counts describe the first panel the transfer created.
    const TPainel &primeiro = *paineis.front();
    TCabecalhoArquivo c;
    c.TipoArquivo = arquivo.Byte(tipoArquivo, u"tipo do arquivo"_s);
    c.TamanhoArquivo = arquivo.DuplaPalavra(TamanhoCabecalhoArquivo + offsets.size() + corpo.size(), u"tamanho do arquivo"_s);
    c.QtdDestinos = quint16(primeiro.MaiorNumeroDestino());
    c.QtdExtras = quint16(primeiro.MaiorNumeroExtra());
    c.QtdFontes = quint16(qtdTabelasFontes);
    for (const auto &p : paineis)
        c.Tamanhos[p->Numero() - 1] = TTamanhoPainel{quint8(p->Colunas()), quint8(p->Linhas())};
    c.OffsetDestinos = quint32(inicioDestinos);
    c.OffsetExtras = primeiro.MaiorNumeroExtra() > 0 ? quint32(inicioExtras) : 0;
    c.OffsetFontes = qtdTabelasFontes > 0 ? quint32(inicioFontes) : 0;

    QByteArray bytes;
    bytes.reserve(c.TamanhoArquivo);
    Gravar(c, bytes);
    bytes += offsets;
    bytes += corpo;
    return bytes;
}
