#pragma once

#include <QDialog>

class QPushButton;

// "Volver a Selecion" with an open project: add a sign to it (2), close it (1)
// or cancel (0, also for any other way of closing).
class TFrm_AdicionarPainel : public QDialog {
    Q_OBJECT
public:
    static constexpr int Cancelar = 0;
    static constexpr int FecharArquivo = 1;
    static constexpr int AdicionarPainel = 2;

    explicit TFrm_AdicionarPainel(QWidget *dono = nullptr);

    QPushButton *Btn_AdicionarPainel;
    QPushButton *Btn_FecharArquivo;
    QPushButton *Btn_Cancelar;
};

// Shows the choice and returns it.
int EscolherOpcaoSelecao(QWidget *dono);
