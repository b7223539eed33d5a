#pragma once

#include <QSet>

#include "data/UTabelaMemoria.h"

#include <QString>
#include <QVariant>

#include <vector>

class TPainelLed;

// The two tables of an open project and the rules that keep them in step:
//
// - Cds_DestinosExtras: one row per kind (destination or extra message), sign
//   position (PAINEL 1..4) and number (NRO_DESTINO), holding everything the
//   sign shows for that number; it is what the project file stores.
// - Cds_Rotulos: one row per kind and number with the combined label of each
//   position (ROTULO1..ROTULO4); derived data, rebuilt after every load.
//
// Both tables show one kind at a time (FiltroExtra); an empty EXTRA reads as
// false (a destination) in the filter and in every lookup. Operations see only
// the rows of the kind shown, except SalvarArquivo, which writes them all.
// Operations on a closed or empty table do nothing and report false, 0 or
// nullptr; failures of the tables or the file raise TErro.
class TDtm_Destino {
public:
    TDtm_Destino(); // DataModuleCreate: defines the columns and sets the sort orders
    ~TDtm_Destino();
    TDtm_Destino(const TDtm_Destino &) = delete;
    TDtm_Destino &operator=(const TDtm_Destino &) = delete;

    TTabelaMemoria Cds_DestinosExtras;
    TTabelaMemoria Cds_Rotulos;

    // True while both tables show extra messages; changed by DefinirFiltroExtra only.
    bool FiltroExtra() const { return filtroExtra; }
    // NRO_DESTINO of the label row being deleted, kept from before its deletion to after it.
    int NumeroExcluido() const { return numeroExcluido; }
    // Sign position whose rows the pen drive transfer is collecting; 0 when idle.
    qint16 PosicaoEnvio = 0;

    // Opens the destination table (empty for a blank name, from the file
    // otherwise; a missing file leaves it closed), then builds the label table
    // when it is closed. True when the destination table is open.
    bool AbrirTabelas(const QString &arquivo);
    void FecharTabelas();
    // Replaces the destination table by the rows of a project file. False,
    // nothing changed, when the file does not exist; a damaged file raises
    // TErro and the table keeps its rows.
    bool CarregarArquivo(const QString &arquivo);
    // Writes every row of both kinds to the project file and reopens the
    // tables from it. True when the file exists afterwards. On failure the
    // previous file and the rows in memory are kept and TErro is raised.
    bool SalvarArquivo(const QString &arquivo);
    // Puts these rows (values by column index, as TodasAsLinhas gives them) in
    // place of the destination table's rows, the label table rebuilt when open;
    // the kind shown and the filters stay as they are. This is how a step of
    // the history is undone or redone.
    void RestaurarLinhas(const std::vector<QVector<QVariant>> &linhas);
    // Rebuilds the label table from the destination rows of the kind shown;
    // without forcar only when the label table is closed.
    void ReconstruirRotulos(bool forcar = false);

    void DefinirFiltroExtra(bool extra);
    // The numbers of the kind shown that some sign has stored; the pending row
    // that waits for the next destination (NOVO) makes no number stored.
    QSet<int> NumerosGuardados() const;
    // While deferred (calls nest), label rebuilds are only noted; the last
    // RetomarRotulos rebuilds once if any was asked for. For walks that switch
    // the kind many times without reading the labels.
    void AdiarRotulos() { ++adiamentosRotulos; }
    void RetomarRotulos();
    // True: destinations by "EXTRA;PAINEL;NRO_DESTINO", labels by "EXTRA;NRO_DESTINO";
    // false: both in insertion order.
    void AtivarIndices(bool ativar);

    bool TemLinhas() const;
    // With verificarFim, also false once the walk has passed the last row.
    bool TemLinhaCorrente(bool verificarFim) const;
    void Primeiro();
    void Proximo();

    // Columns of the destination table; nullptr when it is closed or has no such column.
    const TColunaTabela *Campo(const QString &nome) const;
    // Campo(base + number in decimal): "CONFIG_PAINEL", 3 -> CONFIG_PAINEL3.
    const TColunaTabela *CampoNumerado(const QString &base, int numero) const;
    // As CampoNumerado, and nullptr unless the column holds bytes.
    const TColunaTabela *CampoBlobNumerado(const QString &base, int numero) const;

    // Puts the current row into edit; true when the table is being edited or inserted into.
    bool EditarAtual();
    // Posts a pending edit or insert (true when one was posted) and attaches the
    // after-post label upkeep again in every case.
    bool GravarPendente();
    // Deletes the pending new rows of the position in the kind shown and
    // appends an empty row; true when the row is being inserted.
    bool NovaLinha(int painel);
    // Moves the numbers from numero up by one in both tables (all positions of
    // the kind) and inserts a row for the panel's position at numero, with the
    // panel's size and colours. False, nothing done, when the table has no rows.
    bool InserirDestino(const TPainelLed &painel, int numero);
    // Largest NRO_DESTINO of the position (0: of any position) among rows that
    // are not pending new rows; 0 when none.
    int MaiorNumero(int painel);
    // Deletes the current label row and with it the destination rows of its
    // number, closing the gap in the numbers. True when a row was deleted.
    bool ExcluirRotuloAtual();

    // Remembers the current destination row and suspends the display of bound views.
    void GuardarPosicao();
    // Returns to the remembered row and resumes the display.
    void RestaurarPosicao();

private:
    void DefinirColunasDestinos();
    void DefinirColunasRotulos();

    // Handlers bound to the tables.
    void Cds_DestinosExtrasAfterPost(TTabelaMemoria &tabela);
    void Cds_DestinosExtrasCalcFields(TLinhaCalculo &linha) const;
    bool Cds_DestinosExtrasFilterRecord(const TLinhaTabela &linha) const;
    void Cds_RotulosBeforeDelete(TTabelaMemoria &tabela);
    void Cds_RotulosAfterDelete(TTabelaMemoria &tabela);
    bool Cds_RotulosFilterRecord(const TLinhaTabela &linha) const;
    void LigarAposGravar();

    // Label row of (kind, number): found and put into edit, or appended with both set.
    void EditarRotulo(const QVariant &extra, const QVariant &numero);
    // Sets the label column of the position (1..4) of the label row being edited.
    void DefinirRotuloDoPainel(const QVariant &painel, const QVariant &rotulo);
    // Moves the destination rows above numero down by one; the highest old number moved, 0 when none.
    int RenumerarAcima(int numero);
    // Deletes the label row of numero when no destination row of the kind holds that number.
    void ExcluirRotuloSemDestinos(int numero);
    // Opens the destination table anew with these rows (values by column index).
    void SubstituirLinhas(const std::vector<QVector<QVariant>> &linhas);

    bool filtroExtra = false;
    int adiamentosRotulos = 0;
    bool rotulosPendentes = false;
    int numeroExcluido = 0;
    TMarcador posicaoGuardada = MarcadorNulo;
};
