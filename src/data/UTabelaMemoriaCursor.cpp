// Navigation, lookup, bookmarks and reading of TTabelaMemoria.
#include "data/UTabelaMemoria.h"

#include "data/ULeituraValor.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

void TTabelaMemoria::Primeiro()
{
    VerificarAlteravel();
    VerificarAtiva();
    PostarPendente();
    DefinirCursor(visiveis.empty() ? -1 : 0, false, true);
}

void TTabelaMemoria::Ultimo()
{
    VerificarAlteravel();
    VerificarAtiva();
    PostarPendente();
    DefinirCursor(int(visiveis.size()) - 1, true, false);
}

void TTabelaMemoria::Proximo()
{
    VerificarAlteravel();
    VerificarAtiva();
    PostarPendente();
    if (cursor + 1 < int(visiveis.size()))
        DefinirCursor(cursor + 1, false, false);
    else
        fim = true;
}

void TTabelaMemoria::Anterior()
{
    VerificarAlteravel();
    VerificarAtiva();
    PostarPendente();
    if (cursor > 0)
        DefinirCursor(cursor - 1, false, false);
    else
        inicio = true;
}

bool TTabelaMemoria::Localizar(const QString &lista, const QVariantList &chave, TVazio vazio)
{
    VerificarAlteravel();
    VerificarAtiva();
    const std::vector<int> indices = ResolverColunas(lista);
    if (indices.size() != size_t(chave.size()) || indices.empty())
        throw TErro(u"ATENÇÃO:\r\nA busca por \"%1\" na tabela %2 recebeu %3 valores."_s.arg(lista, nome)
                        .arg(chave.size()));
    std::vector<QVariant> procurados;
    for (size_t i = 0; i < indices.size(); ++i)
        procurados.push_back(colunas[indices[i]].Normalizar(chave[qsizetype(i)]));
    PostarPendente();

    const bool comoZero = vazio == TVazio::ComoZero;
    for (size_t posicao = 0; posicao < visiveis.size(); ++posicao) {
        const QVector<QVariant> &valores = linhas[visiveis[posicao]]->Valores;
        bool igual = true;
        for (size_t i = 0; i < indices.size() && igual; ++i) {
            const int indice = indices[i];
            igual = ValoresIguais(colunas[indice].Tipo, ValorDoSlot(valores, indice), procurados[i], comoZero);
        }
        if (igual) {
            DefinirCursor(int(posicao), false, false);
            return true;
        }
    }
    return false;
}

TMarcador TTabelaMemoria::Marcador() const
{
    if (estado == TEstadoTabela::Insercao)
        return MarcadorNulo;
    const int slot = SlotCorrente();
    return slot < 0 ? MarcadorNulo : base + slot;
}

bool TTabelaMemoria::ExisteMarcador(TMarcador marcador) const
{
    return ativa && marcador >= base && ExisteSlot(int(marcador - base));
}

bool TTabelaMemoria::IrPara(TMarcador marcador)
{
    VerificarAlteravel();
    VerificarAtiva();
    PostarPendente();
    if (!ExisteMarcador(marcador) || !linhas[marcador - base]->Visivel)
        return false;
    DefinirCursor(PosicaoVisivel(int(marcador - base)), false, false);
    return true;
}

const QVector<QVariant> &TTabelaMemoria::ValoresCorrentes() const
{
    VerificarAtiva();
    if (estado == TEstadoTabela::Edicao || estado == TEstadoTabela::Insercao)
        return buffer;
    const int slot = SlotCorrente();
    return slot < 0 ? linhaVazia : linhas[slot]->Valores;
}

QVariant TTabelaMemoria::Valor(const QString &coluna) const
{
    const int indice = IndiceObrigatorio(coluna);
    return ValorDoSlot(ValoresCorrentes(), indice);
}

int TTabelaMemoria::ComoInteiro(const QString &coluna) const
{
    return TLeituraValor::ComoInteiro(Valor(coluna), coluna);
}

bool TTabelaMemoria::ComoBooleano(const QString &coluna) const
{
    return TLeituraValor::ComoBooleano(Valor(coluna), coluna);
}

QString TTabelaMemoria::ComoTexto(const QString &coluna) const
{
    return TLeituraValor::ComoTexto(Valor(coluna), coluna);
}

QByteArray TTabelaMemoria::ComoBytes(const QString &coluna) const
{
    return TLeituraValor::ComoBytes(Valor(coluna), coluna);
}

QVariant TTabelaMemoria::ValorNaLinha(int linha, int coluna) const
{
    if (linha < 0 || linha >= QuantidadeDeLinhas() || coluna < 0 || coluna >= QuantidadeDeColunas())
        return {};
    return ValorDoSlot(linhas[visiveis[linha]]->Valores, coluna);
}

TMarcador TTabelaMemoria::MarcadorNaLinha(int linha) const
{
    if (linha < 0 || linha >= QuantidadeDeLinhas())
        return MarcadorNulo;
    return base + visiveis[linha];
}
