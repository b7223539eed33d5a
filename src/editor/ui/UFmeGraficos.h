#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

// The header tool "Gráficos": switches every panel between drawing LEDs with
// the mouse and typing text. It holds the choice and raises AoAlterar when it
// is set; ExibirModoGrafico shows a state and raises nothing.
class TFme_Graficos : public QWidget {
    Q_OBJECT
public:
    explicit TFme_Graficos(QWidget *dono = nullptr);

    bool Habilitado = false;
    qint16 Espessura = 0; // pen thickness handed to the panels
    std::function<void(TFme_Graficos *Sender)> AoAlterar;

    void ExibirModoGrafico(bool valor);
    // ExibirModoGrafico, then AoAlterar.
    void DefinirModoGrafico(bool valor);
    // Espessura := 0 and AoAlterar, then graphics off.
    void ReiniciarGraficos();

    void Btn_HabilitarClick();
    void Btn_DesabilitarClick();

    QPushButton *Btn_Habilitar;
    QPushButton *Btn_Desabilitar;

private:
    void alterado();
};
