#pragma once

#include <QDialog>

#include "app/UModelosOnibus.h"

class QComboBox;
class QPushButton;

// The selection of the bus's signs: one box per position with the models it
// offers. "OK" (result 1) needs at least one model; "Abrir Archivo" (result 3)
// asks for a project file first; "Abrir Archivo do PenDrive..." (result 4)
// leaves the choice of the pen drive file to the caller. Closed any other
// way, the result is 2.
class TFrm_TipoOnibusVeltronix : public QDialog {
    Q_OBJECT
public:
    static constexpr int ResultadoOk = 1;
    static constexpr int ResultadoFechado = 2;
    static constexpr int ResultadoAbrir = 3;
    static constexpr int ResultadoPenDrive = 4;

    explicit TFrm_TipoOnibusVeltronix(QWidget *dono = nullptr);

    TItensSelecao Itens() const;
    void DefinirItens(const TItensSelecao &itens);
    // The project file chosen with "Abrir Archivo"; empty when its dialog was cancelled.
    QString ArquivoEscolhido;

    void Btn_OKClick();
    void Btn_AbrirArquivoClick();

    QPushButton *Btn_AbrirArquivo;
    QPushButton *Btn_AbrirPenDrive;
    QPushButton *Btn_OK;
    QComboBox *Cb_ModeloFrontal;
    QComboBox *Cb_ModeloLateral;
    QComboBox *Cb_ModeloTraseiro;
    QComboBox *Cb_ModeloAuxiliar;
};

// Shows the selection pre-set from the model state and writes the boxes back
// into it whatever the result; returns 1, 3, 4 or 2 (closed). arquivoEscolhido
// gets the file chosen with "Abrir Archivo".
int SelecionaModelos(TEstadoModelos &estado, QString &arquivoEscolhido, QWidget *dono);
