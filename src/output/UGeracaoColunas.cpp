// The LED states of a record as column bytes.
#include "output/UGeracaoArquivo.h"

#include "output/UFuncaoHexa.h"
#include "panel/UConteudoPainel.h"
#include "panel/UErro.h"

#include <algorithm>

namespace {
bool branco(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool soBrancos(QByteArrayView texto)
{
    for (char c : texto)
        if (!branco(c))
            return false;
    return true;
}
}

quint64 TGeracaoArquivo::ValorBinario(QByteArrayView texto)
{
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && branco(texto[inicio]))
        ++inicio;
    while (fim > inicio && branco(texto[fim - 1]))
        --fim;
    quint64 valor = 0;
    for (qsizetype i = inicio; i < fim; ++i)
        valor = (valor << 1) | (texto[i] == '1' ? 1u : 0u);
    return valor;
}

QByteArrayView TGeracaoArquivo::ColunaDeBits(QByteArrayView bits, int k, int linhas)
{
    const qsizetype inicio = qsizetype(k - 1) * linhas;
    if (k < 1 || linhas < 1 || inicio >= bits.size() || soBrancos(bits))
        return {};
    return bits.sliced(inicio, std::min<qsizetype>(linhas, bits.size() - inicio));
}

void TGeracaoArquivo::GravarColunas(QByteArrayView bits, int linhas, int colunas, QByteArray &saida)
{
    if (linhas < 0 || linhas > 16)
        throw TErro(QStringLiteral("ATENÇÃO:\r\nUma coluna do arquivo tem no máximo 16 linhas, não %1.").arg(linhas));
    const int bytesPorColuna = (linhas + 7) / 8;
    if (bytesPorColuna == 0)
        return;
    // Top row first, padded on the left to whole bytes: the bottom row is bit 0.
    char texto[16];
    const int margem = 8 * bytesPorColuna - linhas;
    saida.reserve(saida.size() + qsizetype(colunas) * bytesPorColuna);
    for (int k = 1; k <= colunas; ++k) {
        const QByteArrayView coluna = ColunaDeBits(bits, k, linhas);
        std::fill(std::begin(texto), std::end(texto), '0');
        std::copy(coluna.begin(), coluna.end(), texto + margem);
        const QByteArrayView preenchida(texto, 8 * bytesPorColuna);
        TFuncaoHexa::Gravar(qint64(ValorBinario(preenchida)), bytesPorColuna, saida, true);
    }
}

QByteArray TGeracaoArquivo::BitsDoConteudo(const QList<QByteArray> &conteudo)
{
    QByteArray bits;
    for (const QByteArray &texto : conteudo)
        bits += TConteudoPainel::ConteudoParaBits(texto);
    return bits;
}
