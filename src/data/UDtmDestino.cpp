// TDtm_Destino: creation, kind filter, sort orders, walking, columns and edit state.
#include "data/UDtmDestino.h"

#include <QScopeGuard>

using namespace Qt::StringLiterals;

TDtm_Destino::TDtm_Destino()
    : Cds_DestinosExtras(u"Cds_DestinosExtras"_s), Cds_Rotulos(u"Cds_Rotulos"_s)
{
    DefinirColunasDestinos();
    DefinirColunasRotulos();
    Cds_DestinosExtras.AoCalcular = [this](TLinhaCalculo &linha) { Cds_DestinosExtrasCalcFields(linha); };
    Cds_DestinosExtras.AoFiltrar = [this](const TLinhaTabela &linha) {
        return Cds_DestinosExtrasFilterRecord(linha);
    };
    Cds_Rotulos.AoFiltrar = [this](const TLinhaTabela &linha) { return Cds_RotulosFilterRecord(linha); };
    Cds_Rotulos.AntesDeExcluir = [this](TTabelaMemoria &tabela) { Cds_RotulosBeforeDelete(tabela); };
    Cds_Rotulos.AposExcluir = [this](TTabelaMemoria &tabela) { Cds_RotulosAfterDelete(tabela); };
    LigarAposGravar();
    Cds_DestinosExtras.DefinirFiltrado(true);
    Cds_Rotulos.DefinirFiltrado(true);
    AtivarIndices(true);
}

TDtm_Destino::~TDtm_Destino() = default;

void TDtm_Destino::LigarAposGravar()
{
    Cds_DestinosExtras.AposGravar = [this](TTabelaMemoria &tabela) { Cds_DestinosExtrasAfterPost(tabela); };
}

// An empty EXTRA is a destination.
bool TDtm_Destino::Cds_DestinosExtrasFilterRecord(const TLinhaTabela &linha) const
{
    return linha.ComoBooleano(u"EXTRA"_s) == filtroExtra;
}

bool TDtm_Destino::Cds_RotulosFilterRecord(const TLinhaTabela &linha) const
{
    return linha.ComoBooleano(u"EXTRA"_s) == filtroExtra;
}

void TDtm_Destino::DefinirFiltroExtra(bool extra)
{
    Cds_DestinosExtras.DefinirFiltrado(false);
    Cds_Rotulos.DefinirFiltrado(false);
    filtroExtra = extra;
    Cds_DestinosExtras.DefinirFiltrado(true);
    Cds_Rotulos.DefinirFiltrado(true);
}

void TDtm_Destino::AtivarIndices(bool ativar)
{
    Cds_DestinosExtras.DefinirOrdem(ativar ? u"EXTRA;PAINEL;NRO_DESTINO"_s : QString());
    Cds_Rotulos.DefinirOrdem(ativar ? u"EXTRA;NRO_DESTINO"_s : QString());
}

bool TDtm_Destino::TemLinhas() const
{
    return Cds_DestinosExtras.Ativa() && !Cds_DestinosExtras.Vazia();
}

bool TDtm_Destino::TemLinhaCorrente(bool verificarFim) const
{
    return TemLinhas() && !(verificarFim && Cds_DestinosExtras.Fim());
}

void TDtm_Destino::Primeiro()
{
    if (TemLinhas())
        Cds_DestinosExtras.Primeiro();
}

void TDtm_Destino::Proximo()
{
    if (TemLinhas())
        Cds_DestinosExtras.Proximo();
}

const TColunaTabela *TDtm_Destino::Campo(const QString &nome) const
{
    return Cds_DestinosExtras.Ativa() ? Cds_DestinosExtras.ProcurarColuna(nome) : nullptr;
}

const TColunaTabela *TDtm_Destino::CampoNumerado(const QString &base, int numero) const
{
    return Campo(base + QString::number(numero));
}

const TColunaTabela *TDtm_Destino::CampoBlobNumerado(const QString &base, int numero) const
{
    const TColunaTabela *coluna = CampoNumerado(base, numero);
    return coluna && coluna->Tipo == TTipoColuna::Blob ? coluna : nullptr;
}

bool TDtm_Destino::EditarAtual()
{
    if (TemLinhas())
        Cds_DestinosExtras.Editar();
    const TEstadoTabela estado = Cds_DestinosExtras.Estado();
    return estado == TEstadoTabela::Edicao || estado == TEstadoTabela::Insercao;
}

bool TDtm_Destino::GravarPendente()
{
    const auto religar = qScopeGuard([this] { LigarAposGravar(); });
    const TEstadoTabela estado = Cds_DestinosExtras.Estado();
    if (estado != TEstadoTabela::Edicao && estado != TEstadoTabela::Insercao)
        return false;
    Cds_DestinosExtras.Gravar();
    return true;
}

void TDtm_Destino::GuardarPosicao()
{
    if (!Cds_DestinosExtras.Ativa())
        return;
    posicaoGuardada = Cds_DestinosExtras.Marcador();
    Cds_DestinosExtras.DesabilitarControles();
}

void TDtm_Destino::RestaurarPosicao()
{
    if (!Cds_DestinosExtras.Ativa())
        return;
    const auto retomar = qScopeGuard([this] { Cds_DestinosExtras.HabilitarControles(); });
    if (posicaoGuardada != MarcadorNulo)
        Cds_DestinosExtras.IrPara(posicaoGuardada);
}

QSet<int> TDtm_Destino::NumerosGuardados() const
{
    const TTabelaMemoria &t = Cds_DestinosExtras;
    QSet<int> numeros;
    if (!t.Ativa())
        return numeros;
    const int extra = t.IndiceObrigatorio(u"EXTRA"_s);
    const int numero = t.IndiceObrigatorio(u"NRO_DESTINO"_s);
    const int novo = t.IndiceObrigatorio(u"NOVO"_s);
    for (const QVector<QVariant> &linha : t.TodasAsLinhas())
        if (linha.value(extra).toBool() == filtroExtra && !linha.value(novo).toBool())
            numeros.insert(linha.value(numero).toInt());
    return numeros;
}
