#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "data/UDtmDestino.h"

class QAction;
class QMenu;
class QPushButton;
class QTableView;
class TModeloTabela;

// The destination list at the bottom of the main window: one line per number
// of the kind shown (destinations or extra messages), one label column per
// fitted sign, each label drawn as coloured bracketed parts. It owns the
// project's tables. It decides nothing about panels: its buttons, keys and
// menu raise events whose handlers the main window installs.
class TFme_Destinos : public QWidget {
    Q_OBJECT
public:
    explicit TFme_Destinos(QWidget *dono = nullptr);
    ~TFme_Destinos() override;

    TDtm_Destino &Dados() { return dados; }
    bool ModoExtra = false; // the list shows extra messages

    void AbrirTabelas(const QString &arquivo);
    void ReabrirTabelas(const QString &arquivo);
    void MostrarDestinos();
    void MostrarExtras();
    // Sets the kind shown on the buttons and captions and raises AoMudarModo (the tables are not touched).
    void DefinirModo(bool extra);
    void CancelarEdicao();
    bool SemDestinos() const;
    bool SemRotulos() const;
    // Removes the save and remove handlers, disables the buttons and the grid, closes the tables.
    void Desativar();
    // Enables the buttons and the grid as far as handlers are installed.
    void HabilitarControles();
    // Disables the buttons, their keys and the grid (no project to act on).
    void DesabilitarControles();

    // The label columns: every column but the number is removed, then one
    // column per position is added ("ROTULO1".."ROTULO4"). The widths given
    // are proportions: the columns fill the grid's width (the number column as
    // given, or as wide as its title), and follow it when it is resized.
    void RemoverColunasRotulos();
    void AdicionarColunaRotulo(int posicao, int largura);
    int LarguraColunaNumero() const;
    void DefinirLarguraColunaNumero(int largura);
    int LarguraGrade() const;

    // Events; an unset one does nothing.
    std::function<void()> AoSalvarDestino;
    std::function<void()> AposSalvarDestino;
    std::function<void()> AoRemoverDestino;
    std::function<void()> AoAbrirDestino;
    std::function<void()> AoInserirDestinoAqui;
    std::function<void()> AoInserirDestinoNoFinal;
    std::function<void()> AoHorarioSaida;
    std::function<void()> AoMudarModo;
    // The operator checked "Destino" (false) or "Extra" (true), by a click or
    // any other means; unset, the list shows that kind (Btn_Texto...Click).
    std::function<void(bool extra)> AoEscolherTipo;
    std::function<void()> AoImportarLista; // "Importar Lista de Destinos..."
    // "Exportar Imagem do Destino...": the number of the line under the mouse when the menu opened.
    std::function<void(int numero)> AoExportarImagem;

    // The operator's handlers. An event that fails shows its error in the
    // error box; the save returns false then, and the panels are not cleared.
    bool Act_SalvarDestinoExecute();
    void Act_RemoveDestinoExecute();
    void Btn_TextoDestinoClick();
    void Btn_TextoExtraClick();
    void Btn_HorarioSaidaClick();

    QTableView *Dbg_DestinosExtras;
    QWidget *Panel1;
    QPushButton *Btn_SalvarDestino;
    QPushButton *Btn_TextoDestino;
    QPushButton *Btn_TextoExtra;
    QPushButton *Btn_HorarioSaida;
    QPushButton *Btn_RemoveDestino;
    QAction *Act_SalvarDestino;
    QAction *Act_RemoveDestino;
    QMenu *PopupMenu1;
    QAction *InserirNovoDestinoAqui1;
    QAction *ExcluiresteDestino1;
    QAction *AbrirnovoDestinonoFinal1;
    QAction *ImportarLista1;
    QAction *ExportarImagemDestino1;

protected:
    void resizeEvent(QResizeEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // Sizes the columns to fill the grid's width.
    void ajustarColunas();
    void criarBotoes(QWidget *barra);
    void criarMenu();
    void seguirCursor(int linha);

    TDtm_Destino dados;
    TModeloTabela *modelo;
    int numeroSobOMouse = 0; // of the line the menu was opened on; 0 for none
    int larguraNumero = 0;   // the number column as asked for
    QList<int> pesos;        // of the label columns, in order
};
