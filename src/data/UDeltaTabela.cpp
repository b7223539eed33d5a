#include "data/UDeltaTabela.h"

#include "panel/UErro.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using TPar = std::pair<size_t, size_t>; // a kept row: its index before and after the step

// A blob a step keeps, compressed: a sign's content is long runs of alike LED
// entries, and the rows a removal deletes are kept by the step alone.
struct TBlobGuardado {
    QByteArray Comprimido;
};
constexpr qsizetype menorBlobComprimido = 1024;

QVariant Guardar(const QVariant &valor)
{
    if (valor.metaType().id() != QMetaType::QByteArray)
        return valor;
    const QByteArray &blob = *static_cast<const QByteArray *>(valor.constData());
    if (blob.size() < menorBlobComprimido)
        return valor;
    return QVariant::fromValue(TBlobGuardado{qCompress(blob, 1)});
}

QVariant Recuperar(const QVariant &valor)
{
    if (valor.metaType() != QMetaType::fromType<TBlobGuardado>())
        return valor;
    return QVariant(qUncompress(static_cast<const TBlobGuardado *>(valor.constData())->Comprimido));
}

QVector<QVariant> GuardarLinha(const QVector<QVariant> &linha)
{
    QVector<QVariant> guardada = linha;
    for (QVariant &valor : guardada)
        valor = Guardar(valor);
    return guardada;
}

QVector<QVariant> RecuperarLinha(const QVector<QVariant> &linha)
{
    QVector<QVariant> recuperada = linha;
    for (QVariant &valor : recuperada)
        valor = Recuperar(valor);
    return recuperada;
}

// Texts and blobs compare their data pointers first: values the step did not
// touch still share their storage, and a blob of a few kB is then not read.
template <typename T> bool MesmoConteudo(const QVariant &a, const QVariant &b)
{
    const T &x = *static_cast<const T *>(a.constData());
    const T &y = *static_cast<const T *>(b.constData());
    return x.isNull() == y.isNull() && x.size() == y.size() && (x.constData() == y.constData() || x == y);
}

// Equal type, null-ness and value: a null value and an empty text differ, so do 1 as int and as qint64.
bool MesmoValor(const QVariant &a, const QVariant &b)
{
    if (a.metaType() != b.metaType() || a.isNull() != b.isNull())
        return false;
    switch (a.metaType().id()) {
    case QMetaType::QByteArray:
        return MesmoConteudo<QByteArray>(a, b);
    case QMetaType::QString:
        return MesmoConteudo<QString>(a, b);
    default:
        return a == b;
    }
}

bool MesmaLinha(const QVector<QVariant> &a, const QVector<QVariant> &b)
{
    if (a.size() != b.size())
        return false;
    if (a.constData() == b.constData())
        return true;
    for (qsizetype coluna = 0; coluna < a.size(); ++coluna) {
        if (!MesmoValor(a[coluna], b[coluna]))
            return false;
    }
    return true;
}

qint64 BytesDoConteudo(const QVariant &valor)
{
    if (valor.metaType() == QMetaType::fromType<TBlobGuardado>())
        return static_cast<const TBlobGuardado *>(valor.constData())->Comprimido.size();
    switch (valor.metaType().id()) {
    case QMetaType::QByteArray:
        return static_cast<const QByteArray *>(valor.constData())->size();
    case QMetaType::QString:
        return static_cast<const QString *>(valor.constData())->size() * qint64(sizeof(QChar));
    default:
        return 0;
    }
}

qint64 BytesDaLinha(const QVector<QVariant> &linha)
{
    qint64 bytes = sizeof(QVector<QVariant>) + linha.size() * qint64(sizeof(QVariant));
    for (const QVariant &valor : linha)
        bytes += BytesDoConteudo(valor);
    return bytes;
}

// The longest run of pairs whose indices after the step increase, in order:
// the rows kept in place when some kept rows changed their relative order.
std::vector<TPar> MaiorSequenciaCrescente(const std::vector<TPar> &pares)
{
    std::vector<size_t> finais; // finais[n]: the pair ending the best run of n + 1 pairs so far
    std::vector<size_t> anterior(pares.size());
    for (size_t i = 0; i < pares.size(); ++i) {
        const auto lugar = std::lower_bound(finais.begin(), finais.end(), pares[i].second,
                                            [&pares](size_t f, size_t depois) { return pares[f].second < depois; });
        if (lugar != finais.begin())
            anterior[i] = *(lugar - 1);
        if (lugar == finais.end())
            finais.push_back(i);
        else
            *lugar = i;
    }
    std::vector<TPar> sequencia(finais.size());
    size_t i = finais.empty() ? 0 : finais.back();
    for (size_t n = sequencia.size(); n > 0; --n) {
        sequencia[n - 1] = pares[i];
        i = anterior[i];
    }
    return sequencia;
}

// The rows of both photographs with one bookmark, increasing on both sides.
std::vector<TPar> ParesMantidos(const TFotoTabela &antes, const TFotoTabela &depois)
{
    std::unordered_map<TMarcador, size_t> posicaoDepois;
    posicaoDepois.reserve(depois.Marcadores.size());
    for (size_t j = 0; j < depois.Marcadores.size(); ++j)
        posicaoDepois.emplace(depois.Marcadores[j], j);
    std::vector<TPar> pares;
    pares.reserve(antes.Marcadores.size());
    for (size_t i = 0; i < antes.Marcadores.size(); ++i) {
        const auto achado = posicaoDepois.find(antes.Marcadores[i]);
        if (achado != posicaoDepois.end())
            pares.emplace_back(i, achado->second);
    }
    const bool emOrdem = std::adjacent_find(pares.begin(), pares.end(), [](const TPar &a, const TPar &b) {
                             return a.second >= b.second;
                         }) == pares.end();
    return emOrdem ? pares : MaiorSequenciaCrescente(pares);
}

void VerificarFoto(const TFotoTabela &foto)
{
    if (foto.Marcadores.size() != foto.Linhas.size())
        throw TErro(u"ATENÇÃO:\r\nA fotografia da tabela tem %1 marcadores para %2 linhas."_s.arg(
            foto.Marcadores.size()).arg(foto.Linhas.size()));
}

} // namespace

TFotoTabela TFotoTabela::De(const TTabelaMemoria &tabela)
{
    return {tabela.MarcadoresDeTodasAsLinhas(), tabela.TodasAsLinhas()};
}

// Appends the walk of the rows to a delta, one row at a time, closing a run
// when the next row cannot join it.
class TDeltaTabela::TConstrutor {
public:
    explicit TConstrutor(TDeltaTabela &delta) : delta(delta) {}

    void Igual()
    {
        if (trecho.SoAntes > 0 || trecho.SoDepois > 0 || trecho.Alteracoes > 0)
            Fechar();
        ++trecho.Iguais;
    }
    void Excluida(const QVector<QVariant> &linha)
    {
        if (trecho.Alteracoes > 0)
            Fechar();
        delta.linhasSoAntes.push_back(GuardarLinha(linha));
        ++trecho.SoAntes;
    }
    void Acrescentada(const QVector<QVariant> &linha)
    {
        if (trecho.Alteracoes > 0)
            Fechar();
        delta.linhasSoDepois.push_back(GuardarLinha(linha));
        ++trecho.SoDepois;
    }
    // A kept row: the same storage means untouched; otherwise its columns are compared.
    void Mantida(const QVector<QVariant> &antes, const QVector<QVariant> &depois)
    {
        if (antes.size() != depois.size()) {
            Excluida(antes);
            Acrescentada(depois);
            return;
        }
        if (antes.constData() == depois.constData()) {
            Igual();
            return;
        }
        const size_t inicio = delta.alteracoes.size();
        for (qsizetype coluna = 0; coluna < antes.size(); ++coluna) {
            if (!MesmoValor(antes[coluna], depois[coluna]))
                delta.alteracoes.push_back({qint32(coluna), Guardar(antes[coluna]), Guardar(depois[coluna])});
        }
        const auto alteradas = qint32(delta.alteracoes.size() - inicio);
        if (alteradas == 0) {
            Igual();
            return;
        }
        if (trecho.Alteracoes > 0)
            Fechar();
        trecho.Alteracoes = alteradas;
    }
    void Fechar()
    {
        if (trecho.Iguais > 0 || trecho.SoAntes > 0 || trecho.SoDepois > 0 || trecho.Alteracoes > 0)
            delta.trechos.push_back(trecho);
        trecho = {};
    }

private:
    TDeltaTabela &delta;
    TTrecho trecho;
};

TDeltaTabela TDeltaTabela::Entre(const TFotoTabela &antes, const TFotoTabela &depois)
{
    VerificarFoto(antes);
    VerificarFoto(depois);
    TDeltaTabela delta;
    delta.quantidadeAntes = antes.Linhas.size();
    delta.quantidadeDepois = depois.Linhas.size();
    TConstrutor construtor(delta);
    size_t i = 0;
    size_t j = 0;
    const auto ate = [&](size_t fimAntes, size_t fimDepois) {
        for (; i < fimAntes; ++i)
            construtor.Excluida(antes.Linhas[i]);
        for (; j < fimDepois; ++j)
            construtor.Acrescentada(depois.Linhas[j]);
    };
    for (const auto &[mantidaAntes, mantidaDepois] : ParesMantidos(antes, depois)) {
        ate(mantidaAntes, mantidaDepois);
        construtor.Mantida(antes.Linhas[i++], depois.Linhas[j++]);
    }
    ate(antes.Linhas.size(), depois.Linhas.size());
    construtor.Fechar();
    delta.trechos.shrink_to_fit();
    delta.alteracoes.shrink_to_fit();
    delta.linhasSoAntes.shrink_to_fit();
    delta.linhasSoDepois.shrink_to_fit();
    return delta;
}

bool TDeltaTabela::Vazio() const
{
    return alteracoes.empty() && linhasSoAntes.empty() && linhasSoDepois.empty();
}

std::vector<QVector<QVariant>> TDeltaTabela::Refazer(const std::vector<QVector<QVariant>> &antes) const
{
    return Aplicar(antes, true);
}

std::vector<QVector<QVariant>> TDeltaTabela::Desfazer(const std::vector<QVector<QVariant>> &depois) const
{
    return Aplicar(depois, false);
}

// Both ways walk the same runs; they differ in which rows leave, which come in
// and which value of a changed column is found and which is put.
std::vector<QVector<QVariant>> TDeltaTabela::Aplicar(const std::vector<QVector<QVariant>> &linhas,
                                                     bool refazer) const
{
    const auto recusar = [refazer] {
        throw TErro(u"ATENÇÃO:\r\nNão é possível %1: as linhas da tabela não são as que o passo deixou."_s.arg(
            refazer ? u"refazer"_s : u"desfazer"_s));
    };
    if (linhas.size() != (refazer ? quantidadeAntes : quantidadeDepois))
        recusar();
    const std::vector<QVector<QVariant>> &saem = refazer ? linhasSoAntes : linhasSoDepois;
    const std::vector<QVector<QVariant>> &entram = refazer ? linhasSoDepois : linhasSoAntes;
    std::vector<QVector<QVariant>> resultado;
    resultado.reserve(refazer ? quantidadeDepois : quantidadeAntes);
    auto origem = linhas.begin();
    auto saida = saem.begin();
    auto entrada = entram.begin();
    auto alteracao = alteracoes.begin();
    for (const TTrecho &trecho : trechos) {
        resultado.insert(resultado.end(), origem, origem + trecho.Iguais);
        origem += trecho.Iguais;
        for (qint32 n = refazer ? trecho.SoAntes : trecho.SoDepois; n > 0; --n) {
            if (!MesmaLinha(*origem++, RecuperarLinha(*saida++)))
                recusar();
        }
        for (qint32 n = refazer ? trecho.SoDepois : trecho.SoAntes; n > 0; --n)
            resultado.push_back(RecuperarLinha(*entrada++));
        if (trecho.Alteracoes == 0)
            continue;
        QVector<QVariant> linha = *origem++;
        for (qint32 n = trecho.Alteracoes; n > 0; --n, ++alteracao) {
            const QVariant encontrado = Recuperar(refazer ? alteracao->Antes : alteracao->Depois);
            if (alteracao->Coluna >= linha.size() || !MesmoValor(linha[alteracao->Coluna], encontrado))
                recusar();
            linha[alteracao->Coluna] = Recuperar(refazer ? alteracao->Depois : alteracao->Antes);
        }
        resultado.push_back(std::move(linha));
    }
    return resultado;
}

qint64 TDeltaTabela::Bytes() const
{
    qint64 bytes = sizeof(TDeltaTabela) + qint64(trechos.size() * sizeof(TTrecho))
        + qint64(alteracoes.size() * sizeof(TAlteracao));
    for (const TAlteracao &alteracao : alteracoes)
        bytes += BytesDoConteudo(alteracao.Antes) + BytesDoConteudo(alteracao.Depois);
    for (const auto *grupo : {&linhasSoAntes, &linhasSoDepois}) {
        for (const QVector<QVariant> &linha : *grupo)
            bytes += BytesDaLinha(linha);
    }
    return bytes;
}
