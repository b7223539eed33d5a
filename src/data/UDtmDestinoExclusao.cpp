// TDtm_Destino: deleting a label row deletes the destination rows of its
// number and closes the gap in the numbers of the kind shown.
#include "data/UDtmDestino.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The visible rows numbered above numero, in the table's order. Collected
// before any change, so renumbering cannot reorder the walk.
std::vector<TMarcador> MarcadoresAcima(TTabelaMemoria &tabela, int numero)
{
    std::vector<TMarcador> marcadores;
    for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo()) {
        if (tabela.ComoInteiro(u"NRO_DESTINO"_s) > numero)
            marcadores.push_back(tabela.Marcador());
    }
    return marcadores;
}

} // namespace

bool TDtm_Destino::ExcluirRotuloAtual()
{
    if (!Cds_Rotulos.Ativa() || Cds_Rotulos.Vazia())
        return false;
    Cds_Rotulos.Excluir();
    return true;
}

void TDtm_Destino::Cds_RotulosBeforeDelete(TTabelaMemoria &tabela)
{
    numeroExcluido = tabela.ComoInteiro(u"NRO_DESTINO"_s);
}

void TDtm_Destino::Cds_RotulosAfterDelete(TTabelaMemoria &)
{
    const int numero = numeroExcluido;
    TTabelaMemoria &destinos = Cds_DestinosExtras;
    if (!destinos.Ativa())
        return;
    while (destinos.Localizar(u"EXTRA;NRO_DESTINO"_s, {filtroExtra, numero}, TVazio::ComoZero))
        destinos.Excluir();
    if (Cds_Rotulos.Vazia()) {
        while (destinos.Localizar(u"EXTRA;NOVO"_s, {filtroExtra, true}, TVazio::ComoZero))
            destinos.Excluir();
    }
    const int maiorAntigo = RenumerarAcima(numero);
    if (maiorAntigo > 0)
        ExcluirRotuloSemDestinos(maiorAntigo);
}

// The label rows above numero are emptied first: each moved destination row
// then writes its label one number lower, and a position that has no row at
// a number is left with an empty label there instead of a stale one.
int TDtm_Destino::RenumerarAcima(int numero)
{
    for (TMarcador marcador : MarcadoresAcima(Cds_Rotulos, numero)) {
        Cds_Rotulos.IrPara(marcador);
        Cds_Rotulos.Editar();
        for (int posicao = 1; posicao <= 4; ++posicao)
            Cds_Rotulos.DefinirValor(u"ROTULO"_s + QString::number(posicao), QVariant());
        Cds_Rotulos.Gravar();
    }
    int maiorAntigo = 0;
    for (TMarcador marcador : MarcadoresAcima(Cds_DestinosExtras, numero)) {
        Cds_DestinosExtras.IrPara(marcador);
        const int antigo = Cds_DestinosExtras.ComoInteiro(u"NRO_DESTINO"_s);
        maiorAntigo = std::max(maiorAntigo, antigo);
        EditarAtual();
        Cds_DestinosExtras.DefinirValor(u"NRO_DESTINO"_s, antigo - 1);
        GravarPendente();
    }
    return maiorAntigo;
}

// The highest old number is left over after the renumbering, unless some
// position still holds a row with it (positions need not hold the same numbers).
void TDtm_Destino::ExcluirRotuloSemDestinos(int numero)
{
    if (Cds_DestinosExtras.Localizar(u"EXTRA;NRO_DESTINO"_s, {filtroExtra, numero}, TVazio::ComoZero))
        return;
    if (Cds_Rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {filtroExtra, numero}, TVazio::ComoZero))
        Cds_Rotulos.Excluir();
}
