// Editing of TTabelaMemoria: edit, insert, post, cancel and delete.
#include "data/UTabelaMemoria.h"

#include "panel/UErro.h"

using namespace Qt::StringLiterals;

void TTabelaMemoria::Editar()
{
    VerificarAlteravel();
    VerificarAtiva();
    if (estado != TEstadoTabela::Navegacao)
        return;
    const int slot = SlotCorrente();
    if (slot < 0)
        throw TErro(u"ATENÇÃO:\r\nA tabela %1 não tem linha para editar."_s.arg(nome));
    buffer = linhas[slot]->Valores;
    slotEditado = slot;
    estado = TEstadoTabela::Edicao;
}

void TTabelaMemoria::Inserir()
{
    ComecarInsercao(true);
}

void TTabelaMemoria::Acrescentar()
{
    ComecarInsercao(false);
}

void TTabelaMemoria::ComecarInsercao(bool antesDaCorrente)
{
    VerificarAlteravel();
    VerificarAtiva();
    PostarPendente();
    buffer.clear();
    for (const TColunaTabela &coluna : colunas)
        buffer.append(coluna.Padrao);
    ancoraInsercao = antesDaCorrente ? SlotCorrente() : -1;
    estado = TEstadoTabela::Insercao;
}

void TTabelaMemoria::DefinirValor(const QString &coluna, const QVariant &valor)
{
    VerificarAlteravel();
    VerificarEdicao();
    const int indice = IndiceObrigatorio(coluna);
    if (colunas[indice].Calculada)
        throw TErro(u"ATENÇÃO:\r\nA coluna %1 da tabela %2 é calculada e não recebe valores."_s.arg(
            colunas[indice].Nome, nome));
    buffer[indice] = colunas[indice].Normalizar(valor);
}

void TTabelaMemoria::Gravar()
{
    VerificarAlteravel();
    VerificarEdicao();
    const bool visivel = Passa(buffer);
    int slot = slotEditado;
    int posicaoAntiga = -1;
    if (estado == TEstadoTabela::Insercao) {
        slot = int(linhas.size());
        linhas.push_back(TLinha{std::move(buffer), 0, false});
        InserirNaOrdemDeInsercao(slot, ancoraInsercao);
    } else {
        TLinha &linha = *linhas[slot];
        if (linha.Visivel)
            posicaoAntiga = PosicaoVisivel(slot);
        linha.Valores = std::move(buffer);
    }
    EncerrarEdicao();
    Reposicionar(slot, posicaoAntiga, visivel);
    if (const auto evento = AposGravar)
        evento(*this);
}

void TTabelaMemoria::Cancelar()
{
    VerificarAlteravel();
    if (ativa)
        EncerrarEdicao();
}

void TTabelaMemoria::EncerrarEdicao()
{
    buffer = {};
    slotEditado = -1;
    ancoraInsercao = -1;
    if (ativa)
        estado = TEstadoTabela::Navegacao;
}

// The row is fixed before AntesDeExcluir runs: should that callback move the
// cursor, the row it was called for is still the one deleted; should it delete
// that row itself (or close the table), nothing more happens: AposExcluir is
// not run twice for one row.
void TTabelaMemoria::Excluir()
{
    VerificarAlteravel();
    VerificarAtiva();
    if (estado == TEstadoTabela::Insercao) {
        Cancelar();
        return;
    }
    const int slot = SlotCorrente();
    if (slot < 0)
        throw TErro(u"ATENÇÃO:\r\nA tabela %1 não tem linha para excluir."_s.arg(nome));
    EncerrarEdicao();
    if (const auto evento = AntesDeExcluir)
        evento(*this);
    if (ativa)
        PostarPendente(); // an edit the callback left pending
    if (!ativa || !ExisteSlot(slot))
        return;

    const bool eraCorrente = SlotCorrente() == slot;
    const int posicao = linhas[slot]->Visivel ? PosicaoVisivel(slot) : -1;
    if (posicao >= 0)
        RemoverVisivel(posicao);
    RemoverDaOrdemDeInsercao(slot);
    linhas[slot].reset();
    if (eraCorrente)
        DefinirCursor(cursor, posicao >= int(visiveis.size()), false);
    if (const auto evento = AposExcluir)
        evento(*this);
}
