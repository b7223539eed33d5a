#pragma once

#include "data/UColunaTabela.h"
#include "data/ULinhaTabela.h"
#include "data/UObservadorTabela.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVector>

#include <functional>
#include <optional>
#include <vector>

// Identifies a row while it exists, whatever the filter and order; never
// reused, not even after the table is closed and opened again.
using TMarcador = qint64;
inline constexpr TMarcador MarcadorNulo = -1;

enum class TEstadoTabela { Inativa, Navegacao, Edicao, Insercao };

// How Localizar compares empty values.
enum class TVazio {
    Distinto, // an empty column matches only an empty key value, as the classic engine does
    ComoZero, // an empty integer or boolean, in the row or in the key, counts as 0 / false
};

// An in-memory table with typed columns, a cursor over the visible rows, a
// filter callback, a sort order, bookmarks and edit/insert/post/delete with
// callbacks. Visible rows are the rows the filter keeps, in the current order:
// every navigation, lookup and count sees only them.
//
// Re-entrancy: the after-post, before-delete and after-delete callbacks run
// when the table is consistent and may change this or any other table. The
// filter and calculation callbacks run in the middle of operations and must
// not change this table: trying to throws TErro.
//
// Like the classic engine, any navigation, lookup, filter or order change
// made while a row is being edited or inserted posts that row first.
class TTabelaMemoria {
public:
    using TEvento = std::function<void(TTabelaMemoria &)>;

    explicit TTabelaMemoria(QString nome = {});
    ~TTabelaMemoria();
    TTabelaMemoria(const TTabelaMemoria &) = delete;
    TTabelaMemoria &operator=(const TTabelaMemoria &) = delete;

    // Used in error messages.
    const QString &Nome() const { return nome; }

    // Events; an empty function is detached. AntesDeExcluir may throw to keep the row.
    TEvento AposGravar;
    TEvento AntesDeExcluir;
    TEvento AposExcluir;
    // Sets the calculated columns of a row; run whenever such a column is read.
    std::function<void(TLinhaCalculo &)> AoCalcular;
    // True keeps the row visible; judged while Filtrado, on every post and on every DefinirFiltrado.
    std::function<bool(const TLinhaTabela &)> AoFiltrar;

    // Columns: defined while the table is closed.
    void AdicionarColuna(TColunaTabela coluna);
    void RemoverColunas();
    int QuantidadeDeColunas() const { return int(colunas.size()); }
    const TColunaTabela &Coluna(int indice) const { return colunas.at(indice); }
    int IndiceDaColuna(const QString &nome) const; // -1 when there is none
    int IndiceObrigatorio(const QString &nome) const; // throws TErro when there is none
    const TColunaTabela *ProcurarColuna(const QString &nome) const;

    // Abrir creates the table anew, empty (closing it first when open).
    void Abrir();
    // Drops every row and a pending edit; does nothing when closed.
    void Fechar();
    bool Ativa() const { return ativa; }
    // true opens a closed table and leaves an open one as it is.
    void DefinirAtiva(bool ativar);
    TEstadoTabela Estado() const { return ativa ? estado : TEstadoTabela::Inativa; }

    bool Filtrado() const { return filtrado; }
    // Every row is judged again, even when the flag does not change.
    void DefinirFiltrado(bool filtrar);
    // Column list "A;B;C", ascending, empty values first, ties in insertion
    // order; empty means insertion order. The cursor stays on its row.
    void DefinirOrdem(const QString &colunas);
    const QString &Ordem() const { return ordem; }

    int QuantidadeDeLinhas() const { return ativa ? int(visiveis.size()) : 0; }
    bool Vazia() const { return QuantidadeDeLinhas() == 0; }
    void Primeiro();
    void Ultimo();
    // At the last row, sets Fim and stays.
    void Proximo();
    // At the first row, sets Inicio and stays.
    void Anterior();
    // Set by Proximo past the last row, by Ultimo, and by deleting the last row.
    bool Fim() const { return !ativa || fim; }
    // Set by Anterior before the first row and by Primeiro.
    bool Inicio() const { return !ativa || inicio; }
    // Position of the current row among the visible rows, -1 when none.
    int PosicaoCorrente() const { return ativa ? cursor : -1; }
    // Moves to the first visible row, in the current order, whose columns
    // ("A;B") equal the key values; false leaves the cursor where it was.
    bool Localizar(const QString &colunas, const QVariantList &chave, TVazio vazio = TVazio::Distinto);

    // MarcadorNulo without a current row and while inserting.
    TMarcador Marcador() const;
    // False, cursor unchanged, when the row no longer exists or is filtered out.
    bool IrPara(TMarcador marcador);
    bool ExisteMarcador(TMarcador marcador) const;

    // Current row: the edit buffer while editing or inserting; empty values
    // when there is no current row. Throws TErro when the table is closed.
    QVariant Valor(const QString &coluna) const;
    bool EstaVazio(const QString &coluna) const { return Valor(coluna).isNull(); }
    int ComoInteiro(const QString &coluna) const;
    bool ComoBooleano(const QString &coluna) const;
    QString ComoTexto(const QString &coluna) const;
    QByteArray ComoBytes(const QString &coluna) const;

    // A visible row by position, without moving the cursor (for views).
    QVariant ValorNaLinha(int linha, int coluna) const;
    TMarcador MarcadorNaLinha(int linha) const;
    // Every row, filtered out or not, in insertion order, as stored (calculated
    // columns empty): a copy that another thread may read. The row being edited
    // counts with its stored values.
    std::vector<QVector<QVariant>> TodasAsLinhas() const;
    // The bookmark of each row TodasAsLinhas gives, in the same order.
    std::vector<TMarcador> MarcadoresDeTodasAsLinhas() const;
    // Runs AoCalcular over a copy of a row's values and returns one calculated column.
    QVariant ValorCalculado(const QVector<QVariant> &valores, int coluna) const;

    void Editar();     // the current row; nothing when already editing or inserting
    void Inserir();    // a new row placed before the current row in insertion order
    void Acrescentar(); // a new row at the end of the insertion order
    // Edit or insert state only; text is cut to the column's size.
    void DefinirValor(const QString &coluna, const QVariant &valor);
    // Stores the row at its place in the order, moves the cursor to it, then runs AposGravar.
    void Gravar();
    void Cancelar(); // nothing when not editing or inserting
    // Deletes the row current when called (while inserting: cancels instead).
    // The cursor goes to the next row, or the previous one at the end.
    void Excluir();

    // Nested suspension of the display of bound views.
    void DesabilitarControles();
    void HabilitarControles();
    bool ControlesDesabilitados() const { return suspensao > 0; }
    void AdicionarObservador(TObservadorTabela *observador);
    void RemoverObservador(TObservadorTabela *observador);

private:
    struct TLinha {
        QVector<QVariant> Valores;    // one per column; null for calculated ones
        qint64 PosicaoInsercao = 0;   // ascending along the insertion order
        bool Visivel = false;
    };
    class TGuardaPura;

    void VerificarAtiva() const;
    void VerificarAlteravel() const;
    void VerificarEdicao() const;
    void PostarPendente();
    bool Passa(const QVector<QVariant> &valores) const;
    bool Antes(int a, int b) const;
    std::vector<int> ResolverColunas(const QString &colunas) const;
    int SlotCorrente() const;
    bool ExisteSlot(int slot) const;
    const QVector<QVariant> &ValoresCorrentes() const;
    QVariant ValorDoSlot(const QVector<QVariant> &valores, int coluna) const;
    int PosicaoOrdenada(int slot) const;
    int PosicaoVisivel(int slot) const;
    void InserirVisivel(int posicao, int slot);
    void RemoverVisivel(int posicao);
    void Reposicionar(int slot, int posicaoAntiga, bool visivel);
    void InserirNaOrdemDeInsercao(int slot, int ancora);
    void RemoverDaOrdemDeInsercao(int slot);
    void Rejulgar(bool refiltrar);
    void Recriar(bool ativar);
    void DefinirCursor(int posicao, bool noFim, bool noInicio);
    void ComecarInsercao(bool antesDaCorrente);
    void EncerrarEdicao();
    template <typename F> void Notificar(F &&chamada);
    template <typename F> void NotificarSempre(F &&chamada);

    QString nome;
    std::vector<TColunaTabela> colunas;
    QHash<QString, int> indicePorNome; // upper-case name -> column
    QVector<QVariant> linhaVazia;      // the values read without a current row
    QString ordem;
    std::vector<int> chaveOrdem;
    bool filtrado = false;
    bool ativa = false;
    TEstadoTabela estado = TEstadoTabela::Inativa;

    // Rows live in slots; a slot is never reused while the table is open, so
    // base + slot is a bookmark. A deleted row leaves an empty slot.
    std::vector<std::optional<TLinha>> linhas;
    TMarcador base = 0;
    std::vector<int> insercao; // every row's slot, in insertion order
    std::vector<int> visiveis; // visible rows' slots, in the current order
    int cursor = -1;           // index into visiveis
    bool fim = true;
    bool inicio = true;

    QVector<QVariant> buffer; // the row being edited or inserted
    int slotEditado = -1;
    int ancoraInsercao = -1;  // Inserir: the slot the new row goes before

    int suspensao = 0;
    mutable int chamadasPuras = 0; // filter/calculation callbacks running
    std::vector<TObservadorTabela *> observadores;
};
