// TDtm_Destino: the combined label of a destination row and the label table that shows it.
#include "data/UDtmDestino.h"

#include <utility>

#include <QHash>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {
constexpr int TamanhoRotulo = 100;
constexpr int MensagensPorDestino = 8;
constexpr int Posicoes = 4;
}

// ROTULO1|ROTULO2|...: the labels of the rotating messages without blanks,
// empty ones skipped. An empty first label gives an empty combined label.
void TDtm_Destino::Cds_DestinosExtrasCalcFields(TLinhaCalculo &linha) const
{
    QString rotulo = linha.ComoTexto(u"ROTULO1"_s).trimmed();
    for (int n = 2; n <= MensagensPorDestino && !rotulo.isEmpty(); ++n) {
        const QString parte = linha.ComoTexto(u"ROTULO"_s + QString::number(n)).trimmed();
        if (!parte.isEmpty())
            rotulo += u'|' + parte;
    }
    rotulo.truncate(TamanhoRotulo);
    linha.Definir(u"ROTULO"_s, rotulo);
}

void TDtm_Destino::EditarRotulo(const QVariant &extra, const QVariant &numero)
{
    if (Cds_Rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {extra, numero}, TVazio::ComoZero)) {
        Cds_Rotulos.Editar();
        return;
    }
    Cds_Rotulos.Acrescentar();
    Cds_Rotulos.DefinirValor(u"NRO_DESTINO"_s, numero);
    Cds_Rotulos.DefinirValor(u"EXTRA"_s, extra);
}

void TDtm_Destino::DefinirRotuloDoPainel(const QVariant &painel, const QVariant &rotulo)
{
    const int posicao = painel.isNull() ? 0 : painel.toInt();
    if (posicao >= 1 && posicao <= Posicoes)
        Cds_Rotulos.DefinirValor(u"ROTULO"_s + QString::number(posicao), rotulo);
}

// The posted row's combined label goes into its position's column of the
// label row of its kind and number; the label table's cursor stays there.
void TDtm_Destino::Cds_DestinosExtrasAfterPost(TTabelaMemoria &tabela)
{
    if (!Cds_Rotulos.Ativa())
        return;
    EditarRotulo(tabela.Valor(u"EXTRA"_s), tabela.Valor(u"NRO_DESTINO"_s));
    DefinirRotuloDoPainel(tabela.Valor(u"PAINEL"_s), tabela.Valor(u"ROTULO"_s));
    Cds_Rotulos.Gravar();
}

void TDtm_Destino::RetomarRotulos()
{
    if (adiamentosRotulos > 0 && --adiamentosRotulos == 0 && std::exchange(rotulosPendentes, false))
        ReconstruirRotulos(true);
}

void TDtm_Destino::ReconstruirRotulos(bool forcar)
{
    if (!forcar && Cds_Rotulos.Ativa())
        return;
    if (adiamentosRotulos > 0) {
        rotulosPendentes = true;
        return;
    }
    Cds_Rotulos.Abrir();
    if (!TemLinhas()) {
        // An empty project still lists number 1 (EXTRA empty: shown with the destinations only).
        Cds_Rotulos.Acrescentar();
        Cds_Rotulos.DefinirValor(u"NRO_DESTINO"_s, 1);
        Cds_Rotulos.Gravar();
        return;
    }
    GuardarPosicao();
    const auto restaurar = qScopeGuard([this] { RestaurarPosicao(); });
    // The label table starts empty and only this walk fills it: the rows made
    // so far are kept by kind and number, so each destination row finds its
    // label row without scanning the table (the same match as the lookup by
    // "EXTRA;NRO_DESTINO" with empty values read as false and 0).
    QHash<QPair<bool, int>, TMarcador> feitas;
    TTabelaMemoria &destinos = Cds_DestinosExtras;
    for (destinos.Primeiro(); !destinos.Fim(); destinos.Proximo()) {
        const QVariant extra = destinos.Valor(u"EXTRA"_s);
        const QVariant numero = destinos.Valor(u"NRO_DESTINO"_s);
        const QPair<bool, int> chave(extra.toBool(), numero.toInt());
        const auto feita = feitas.constFind(chave);
        if (feita != feitas.constEnd() && Cds_Rotulos.IrPara(*feita)) {
            Cds_Rotulos.Editar();
        } else {
            Cds_Rotulos.Acrescentar();
            Cds_Rotulos.DefinirValor(u"NRO_DESTINO"_s, numero);
            Cds_Rotulos.DefinirValor(u"EXTRA"_s, extra);
        }
        DefinirRotuloDoPainel(destinos.Valor(u"PAINEL"_s), destinos.Valor(u"ROTULO"_s));
        Cds_Rotulos.Gravar();
        feitas.insert(chave, Cds_Rotulos.Marcador());
    }
}
