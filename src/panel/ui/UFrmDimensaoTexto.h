#pragma once

#include <QPointer>
#include <QWidget>

#include "panel/UTipos.h"

class QLabel;
class QTimer;
class TFlexLed;
class TFme_Fontes;

// The tool window "Dimension do Texto": marks on a panel how far the cursor
// line reaches and offers the font, alignment and spacing controls so that
// the operator can make the line fit. At most one exists in the program; it
// is bound to one panel at a time, puts it in ModoMarcacao while bound and
// gives it back its mode when it closes. Esc closes it, and so do a click on
// another panel and the end of its own panel.
class TFrm_DimensaoTexto : public QWidget {
    Q_OBJECT
public:
    explicit TFrm_DimensaoTexto(QWidget *dono = nullptr);
    ~TFrm_DimensaoTexto() override;

    // The open window, or nullptr.
    static TFrm_DimensaoTexto *Aberto();

    // Binds the window to a panel (nullptr unbinds nothing and stops).
    void VincularPainel(TFlexLed *painel);
    TFlexLed *Painel() const { return painel.data(); }

    // Why the window opened (a line that does not fit); hidden when empty.
    void DefinirMotivo(const QString &motivo);

    TFme_Fontes *Fme_Fontes;
    QLabel *Lbl_Motivo;
    QTimer *Timer1;

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    // Runs an action on the bound panel with keyboard editing off around it.
    template <typename F> void noPainel(F acao);
    void marcarLinhaDoCursor();
    void liberarPainel();

    QPointer<TFlexLed> painel;
    QMetaObject::Connection fimDoPainel;
    TModo modoDoPainel = TModo::ModoTexto;
};

// Opens the window (or reuses the open one), binds it to the panel, shows it
// without blocking, with the reason it opened (none for the "..." button), and
// beeps. The keyboard goes to it (its Esc closes it) and back to the panel's
// window when it closes.
void AbrirDimensaoTexto(TFlexLed *painel, const QString &motivo = {});
