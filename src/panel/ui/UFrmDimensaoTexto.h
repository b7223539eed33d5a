#pragma once

#include <QPointer>
#include <QWidget>

#include "panel/UTipos.h"

class QTimer;
class TFlexLed;
class TFme_Fontes;

// The tool window "Dimension do Texto": marks on a panel how far the cursor
// line reaches and offers the font, alignment and spacing controls so that
// the operator can make the line fit. At most one exists in the program; it
// is bound to one panel at a time, puts it in ModoMarcacao while bound and
// gives it back its mode when it closes. Esc closes it.
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

    TFme_Fontes *Fme_Fontes;
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
    TModo modoDoPainel = TModo::ModoTexto;
};

// Opens the window (or reuses the open one), binds it to the panel, shows it
// without blocking and beeps.
void AbrirDimensaoTexto(TFlexLed *painel);
