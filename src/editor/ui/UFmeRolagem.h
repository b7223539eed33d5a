#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

// The header tool "Rolagem": whether the active sign scrolls. It holds the
// choice and raises AoAlterar when it is set; ExibirRolagem shows a panel's
// state and raises nothing.
class TFme_Rolagem : public QWidget {
    Q_OBJECT
public:
    explicit TFme_Rolagem(QWidget *dono = nullptr);

    bool Rolar = false;
    std::function<void(TFme_Rolagem *Sender)> AoAlterar;

    // Rolar := valor, then AoAlterar.
    void DefinirRolagem(bool valor);
    // Rolar := valor and the matching button down; nothing raised.
    void ExibirRolagem(bool valor);
    // Both buttons enabled and Rolar back to the saved copy (false); the buttons stay as they are.
    void HabilitarBotoesRolagem();

    void Btn_RolarClick();
    void Btn_NaoRolarClick();

    QPushButton *Btn_Rolar;
    QPushButton *Btn_NaoRolar;

private:
    const bool rolarSalvo = false; // the state at creation, which HabilitarBotoesRolagem restores
};
