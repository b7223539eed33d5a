// TDtm_Destino: new rows, insertion at a number and the highest number of a position.
#include "data/UDtmDestino.h"

#include "panel/UPainelLed.h"

#include <QScopeGuard>

#include <algorithm>
#include <exception>

using namespace Qt::StringLiterals;

namespace {

// Colours keep their 32 bits in an integer column.
QVariant Cor(TCor cor)
{
    return static_cast<qint32>(cor);
}

// Adds 1 to NRO_DESTINO of every visible row numbered at least numero. Meant
// for insertion order: an edited row keeps its place in the walk.
void DeslocarAPartirDe(TTabelaMemoria &tabela, int numero)
{
    for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo()) {
        const int atual = tabela.ComoInteiro(u"NRO_DESTINO"_s);
        if (tabela.EstaVazio(u"NRO_DESTINO"_s) || atual < numero)
            continue;
        tabela.Editar();
        tabela.DefinirValor(u"NRO_DESTINO"_s, atual + 1);
        tabela.Gravar();
    }
}

} // namespace

bool TDtm_Destino::NovaLinha(int painel)
{
    if (!Cds_DestinosExtras.Ativa())
        return false;
    while (Cds_DestinosExtras.Localizar(u"EXTRA;PAINEL;NOVO"_s, {filtroExtra, painel, true}, TVazio::ComoZero))
        Cds_DestinosExtras.Excluir();
    Cds_DestinosExtras.Acrescentar();
    return Cds_DestinosExtras.Estado() == TEstadoTabela::Insercao;
}

// While the numbers move the label upkeep is detached and both tables are in
// insertion order; both come back before the new row is posted, also after a failure.
bool TDtm_Destino::InserirDestino(const TPainelLed &painel, int numero)
{
    if (!TemLinhas())
        return false;
    Cds_DestinosExtras.AposGravar = nullptr;
    std::exception_ptr falha;
    try {
        AtivarIndices(false);
        DeslocarAPartirDe(Cds_DestinosExtras, numero);
        if (Cds_Rotulos.Ativa())
            DeslocarAPartirDe(Cds_Rotulos, numero);
    } catch (...) {
        falha = std::current_exception();
    }
    AtivarIndices(true);
    LigarAposGravar();
    Cds_DestinosExtras.Inserir();
    Cds_DestinosExtras.DefinirValor(u"PAINEL"_s, painel.Tag);
    Cds_DestinosExtras.DefinirValor(u"EXTRA"_s, filtroExtra);
    Cds_DestinosExtras.DefinirValor(u"COR_FUNDO"_s, Cor(painel.CorFundo()));
    Cds_DestinosExtras.DefinirValor(u"COR_PADRAO"_s, Cor(painel.CorLed()));
    Cds_DestinosExtras.DefinirValor(u"COR_DIVISAO"_s, Cor(painel.CorLedNaDivisao()));
    Cds_DestinosExtras.DefinirValor(u"DIV_COLUNA"_s, painel.DivisaoNaColuna());
    // The sign's size too: the pen drive file takes a sign's size from its stored rows.
    Cds_DestinosExtras.DefinirValor(u"NRO_LINHAS"_s, painel.NroLinhas());
    Cds_DestinosExtras.DefinirValor(u"NRO_COLUNAS"_s, painel.NroColunas());
    Cds_DestinosExtras.DefinirValor(u"NRO_DESTINO"_s, numero);
    GravarPendente();
    if (falha)
        std::rethrow_exception(falha);
    return true;
}

int TDtm_Destino::MaiorNumero(int painel)
{
    if (!TemLinhas())
        return 0;
    GuardarPosicao();
    const auto restaurar = qScopeGuard([this] { RestaurarPosicao(); });
    int maior = 0;
    TTabelaMemoria &t = Cds_DestinosExtras;
    for (t.Primeiro(); !t.Fim(); t.Proximo()) {
        if ((painel == 0 || t.ComoInteiro(u"PAINEL"_s) == painel) && !t.ComoBooleano(u"NOVO"_s))
            maior = std::max(maior, t.ComoInteiro(u"NRO_DESTINO"_s));
    }
    return maior;
}
