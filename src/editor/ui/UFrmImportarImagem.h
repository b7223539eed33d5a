#pragma once

#include <QDialog>
#include <QImage>

#include "panel/UImagemLeds.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

// "Importar Imagem": a picture shown as the LEDs it becomes on the active
// sign, from the cursor, before anything changes. The operator chooses the
// sign's height (keeping the proportions) or the whole room from the cursor,
// moves the threshold and may invert it; every change redraws the LEDs.
class TFrm_ImportarImagem : public QDialog {
    Q_OBJECT
public:
    // linhas x colunas: the LEDs from the cursor to the sign's last row and
    // column; limitarColunas: the sign does not scroll, so the picture keeps within colunas.
    TFrm_ImportarImagem(const QImage &imagem, int linhas, int colunas, bool limitarColunas, QWidget *dono = nullptr);

    TOpcoesImagem Opcoes() const;
    // The LEDs the picture becomes with the options shown.
    const TGradeLeds &Resultado() const { return resultado; }

    QRadioButton *Rbt_AlturaPainel;
    QRadioButton *Rbt_PainelInteiro;
    QSlider *Sld_Limiar;
    QLabel *Lbl_Limiar;
    QCheckBox *Chk_Inverter;
    QLabel *Lbl_Previa;
    QLabel *Lbl_Tamanho;
    QPushButton *Btn_Importar;
    QPushButton *Btn_Cancelar;

private:
    void mostrar();

    QImage imagem;
    int linhas;
    int colunas;
    bool limitarColunas;
    int passo; // pixels from one LED to the next in the preview
    TGradeLeds resultado;
};
