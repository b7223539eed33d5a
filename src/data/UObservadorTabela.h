#pragma once

// What a view of a TTabelaMemoria hears. Row numbers are positions among the
// visible rows in the current order, 0-based. Every "Antes" call comes before
// the change and its "Depois" call right after it, with nothing in between.
// While the table's display updates are suspended only ControlesDesabilitados
// and ControlesHabilitados arrive; a view then re-reads everything.
class TObservadorTabela {
public:
    virtual ~TObservadorTabela() = default;
    virtual void AntesDeInserirLinha(int /*linha*/) {}
    virtual void DepoisDeInserirLinha() {}
    virtual void AntesDeRemoverLinha(int /*linha*/) {}
    virtual void DepoisDeRemoverLinha() {}
    virtual void LinhaAlterada(int /*linha*/) {}
    // Any change too wide for the calls above: open, close, filter, order, columns.
    virtual void AntesDeReiniciar() {}
    virtual void DepoisDeReiniciar() {}
    // -1 when there is no current row.
    virtual void CursorMovido(int /*linha*/) {}
    virtual void ControlesDesabilitados() {}
    virtual void ControlesHabilitados() {}
    // The table is being destroyed; forget it.
    virtual void TabelaDestruida() {}
};
