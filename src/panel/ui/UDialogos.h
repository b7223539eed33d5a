#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QDialog;
class QHBoxLayout;
class QPushButton;

// Around a modal window: when it closes, the window that was active before
// gets the keyboard back, on the widget that had it. Without a window manager
// nothing else gives it back, and the next keys would go nowhere.
class TTecladoDeVolta {
public:
    TTecladoDeVolta();
    ~TTecladoDeVolta();
    TTecladoDeVolta(const TTecladoDeVolta &) = delete;
    TTecladoDeVolta &operator=(const TTecladoDeVolta &) = delete;

private:
    QPointer<QWidget> janela;
    QPointer<QWidget> foco;
};

// The width a window needs for its whole caption in a desktop's title bar,
// beside the bar's icon and buttons.
int LarguraDoTitulo(const QWidget &janela);

// The foot of a modal window: its default button (texto, object name nome)
// accepts it and "Cancelar" (Btn_Cancelar) rejects it, both on the right.
struct TBotoesDialogo {
    QHBoxLayout *Linha;
    QPushButton *Confirmar;
    QPushButton *Cancelar;
};
TBotoesDialogo BotoesDoDialogo(QDialog &janela, const QString &texto, const QString &nome);

// The program's file dialogs and modal windows, reached through one seam so
// that tests answer them without a modal loop, as TMensagem does for boxes.

// What a file dialog would ask.
struct TPedidoArquivo {
    bool Salvar = false;  // a save dialog; otherwise an open dialog
    QString Titulo;
    QString Filtro;       // "Description|pattern|Description|pattern"
    QString Proposto;     // the name offered, may be empty
    QString Extensao;     // appended to a name typed without one ("ar1"), so the replace question sees it
    QString Pasta;        // where it starts; empty: where the dialog starts by itself
    QStringList Atalhos;  // folders its sidebar offers besides the usual ones (the pen drives)
    bool PerguntarSeExiste = true; // a save dialog asks before replacing a file; unset, the caller asks
};

class TDialogos {
public:
    // The chosen file, or an empty string when the operator cancelled.
    static QString Abrir(const QString &titulo, const QString &filtro);
    static QString Salvar(const QString &titulo, const QString &filtro, const QString &proposto = {},
                          const QString &extensao = {});
    // Any request, as Abrir and Salvar make them.
    static QString Perguntar(const TPedidoArquivo &pedido);
    // Shows a modal window and returns its result code.
    static int Executar(QDialog &janela);

    // "Description|pattern|..." as Qt's file dialogs take it ("Description (pattern);;...").
    static QString FiltroQt(const QString &filtro);

    using TRespondedorArquivo = std::function<QString(const TPedidoArquivo &pedido)>;
    using TRespondedorJanela = std::function<int(QDialog &janela)>;
    // Installs answerers (tests); empty ones restore the real dialogs. Each returns the one it replaces.
    static TRespondedorArquivo DefinirRespondedorArquivo(TRespondedorArquivo respondedor);
    static TRespondedorJanela DefinirRespondedorJanela(TRespondedorJanela respondedor);
};
