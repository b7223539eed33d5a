#pragma once

#include <QByteArray>
#include <array>
#include <functional>

class TFlexLed;
class TFme_Destinos;
class TFme_Painel;
class TPainelLed;

// Moves destinations between the destination table and the editor's panels:
// the handlers the main window installs into the destination list's events.
// Every handler does nothing without an open project (no editor).
class TSincronizacao {
public:
    TSincronizacao(TFme_Destinos &lista, std::function<TFme_Painel *()> editor);
    TFme_Destinos &Lista() const { return lista; }

    int TipoOnibusLido = 0;                 // TIPOONIBUS of the open project, written into every row created here
    std::function<QString()> NomeArquivo;   // the project's file, for opening the tables
    std::function<void()> MarcarAlterado;   // the project now has changes not in its file

    void CarregaDestino();
    void SalvaDestino();
    void LimpaPaineis();
    void NovoDestinoNoFinal();
    void InsereDestinoAqui();
    void ExcluiDestino();
    void InsereHorario();
    void HabilitaFerramentas();
    // novo: the number has no stored row yet (see TDestinoPaineis::Gravar).
    void GravaPainel(TPainelLed *painel, bool novo);

    // The selected number: the label table's current line, 1 without one.
    int NumeroSelecionado() const;
    // The number the panels belong to: the one they were loaded from or
    // prepared for. "Salvar Destino" stores them there, whatever line the list
    // has selected since; it follows the numbers when destinations are
    // inserted or removed.
    int NumeroDosPaineis() const { return numeroDosPaineis; }
    // The panels cleared and ready for a new number: the list goes to the
    // pending line (made when the kind has rows and none is pending) and the
    // panels belong to it. Nothing is marked modified: the work is unchanged.
    void ProntoParaNovo();
    // The list's line goes to the number the panels belong to (after the tables were reopened).
    void SelecionarLinhaDosPaineis();

    // True when saving now would store something other than what the panels
    // got when the destination was last loaded, saved or cleared.
    bool PaineisAlterados() const;
    // Takes what the panels hold now as the unedited state, and the selected
    // number as the one they belong to.
    void MarcarPaineisComoGravados();
    // The unedited state and its number as MarcarPaineisComoGravados took them; put back by undo.
    struct TGravado {
        QByteArray Estado;
        int Numero = 1;
    };
    TGravado Gravado() const { return {estadoGravado, numeroDosPaineis}; }
    void DefinirGravado(const TGravado &gravado)
    {
        estadoGravado = gravado.Estado;
        numeroDosPaineis = gravado.Numero;
    }
    // Stores the panels as "Salvar Destino" does, keeping the list's selection.
    // False when the save failed (its error was shown).
    bool SalvarEditado();

private:
    // What "Salvar Destino" would store from the panels, in a form that
    // compares equal for the same LEDs and characters.
    QByteArray EstadoDosPaineis() const;
    void prepararProximo();
    int primeiraPosicao() const;
    bool selecionar(int numero);
    bool paineisVazios() const;
    std::array<TPainelLed *, 4> paineis() const;

    TFme_Destinos &lista;
    std::function<TFme_Painel *()> editor;
    QByteArray estadoGravado;
    int numeroDosPaineis = 1; // the number the panels were loaded from or prepared for
};
