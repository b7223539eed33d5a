#pragma once

#include <QWidget>
#include <array>

#include "editor/URotativos.h"

class QAction;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;

// The rotating-message tool in the editor's footer: "Anterior"/"Próximo", the
// exposure time with its spin button and the eight slot boxes. The state and
// every operation are TRotativos'; the widget shows them and hands the
// operator's clicks to them, showing an error in the error box.
class TFme_Rotativo : public QWidget, public TRotativos {
    Q_OBJECT
public:
    explicit TFme_Rotativo(QWidget *dono = nullptr);

    // Enables or disables the tool and every control of it alike.
    void HabilitarRotativo();
    void DesabilitarRotativo();

    // The operator's handlers, also run directly by the editor frame.
    void Rbt_RotativoClick(int n);
    void Act_ProximoExecute();
    void Act_AnteriorExecute();
    void Sbt_TEMPOEXPTopClick();
    void Sbt_TEMPOEXPBottomClick();

protected:
    void Exibir() override;

private:
    void habilitar(bool habilitado);
    template <typename Acao> void executar(Acao acao);

    QGroupBox *Grp_TextoRotativo;
    QGroupBox *Grp_Tiempo;
    QAction *Act_Anterior;
    QAction *Act_Proximo;
    QToolButton *Btn_RotativoAnterior;
    QToolButton *Btn_ProximoRotativo;
    QLabel *Lbl_TEMPOEXP;
    QLabel *Lbl_Seg;
    QWidget *Sbt_TEMPOEXP;
    std::array<QRadioButton *, 8> Rbt_Rotativo{};
};
