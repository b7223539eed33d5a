#pragma once

#include <QWidget>
#include <functional>

#include "panel/UTipos.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TPainelLed;

// The header tool "Division de Columna": divides a sign into a fixed part and
// a scrolling part at column 28 or 32 and picks the LED colour of each part.
// It holds only the choice and raises AoAlterar after every change the
// operator makes; ExibirPainel shows a panel's values and raises nothing.
class TFme_CoresLED : public QWidget {
    Q_OBJECT
public:
    explicit TFme_CoresLED(QWidget *dono = nullptr);

    qint16 Divisao = 0; // 0 (none), 28 or 32; a panel shown may bring another column
    std::function<void(TFme_CoresLED *Sender)> AoAlterar;

    // The colours chosen: the fixed part's (green when none is chosen) and the LEDs' (yellow when none).
    TCor CorEsquerda() const;
    TCor CorDireita() const;

    void ExibirPainel(const TPainelLed &painel);
    // Refills the boxes, DefinirDivisao(0) (raising AoAlterar), then "Amarelo" on the right and "Verde" on the left.
    void ReiniciarCores();
    // Divisao := coluna; the left box follows it; raises AoAlterar.
    void DefinirDivisao(qint16 coluna);

    // The operator's handlers.
    void btnHabilitarDivColunaClick();
    void btnDesabilitarDivColunaClick();
    void Rg_ColunaClick(int item); // 0 for "28", 1 for "32"
    void Cbo_CorLEDChange();

    QPushButton *btnHabilitarDivColuna;
    QPushButton *btnDesabilitarDivColuna;
    QComboBox *Cbo_CorLED2; // left: the fixed part
    QComboBox *Cbo_CorLED1; // right: the LEDs
    QLabel *Lbl_CorLED2;
    QLabel *Lbl_CorLED1;
    QGroupBox *Rg_Coluna;
    QRadioButton *Rbt_Coluna28;
    QRadioButton *Rbt_Coluna32;

private:
    void alterado();
    void selecionarColuna(QRadioButton *item); // nullptr: no item
    void habilitarEsquerda(bool habilitada);
    void habilitarColunas(bool habilitado);

    QButtonGroup *Grp_Colunas;
};
