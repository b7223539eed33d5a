#pragma once

#include <QWidget>

class TPainelLed;

// The panel's key catcher: a focusable child of the panel's owner, placed at
// (-10, -10) so that it is never seen, disabled while the panel is not being
// edited. It keeps no text of its own: editing keys go to the panel's key
// dispatch, typed characters to DigitarTexto. Entering it starts editing,
// leaving it (inside the window) ends it.
class TCapturaTeclas : public QWidget {
    Q_OBJECT
public:
    TCapturaTeclas(QWidget *dono, TPainelLed &painel);

    // The panel's code of a platform key; 0 for keys without an editing action.
    static int CodigoDaTecla(int teclaQt);

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void focusInEvent(QFocusEvent *evento) override;
    void focusOutEvent(QFocusEvent *evento) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    TPainelLed &painel;
};
