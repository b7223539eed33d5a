#pragma once

#include <QDialog>

#include "panel/UPictogramas.h"

class QLabel;
class QListWidget;
class QPushButton;

// "Inserir Pictograma": the built-in pictograms shown as LEDs at the height
// the active sign takes, each with its name. Arrow keys choose, Enter or a
// double-click inserts; Esc or "Cancelar" leaves without one.
class TFrm_Pictogramas : public QDialog {
    Q_OBJECT
public:
    // altura: one of Pictogramas::Alturas.
    explicit TFrm_Pictogramas(int altura, QWidget *dono = nullptr);

    // The pictogram chosen (the one selected when the window closed).
    TPictograma Escolhido() const;
    void Escolher(TPictograma pictograma);

    QLabel *Lbl_Altura;
    QListWidget *Lst_Pictogramas;
    QPushButton *Btn_Inserir;
    QPushButton *Btn_Cancelar;
};
