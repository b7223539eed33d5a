#pragma once

#include <QWidget>

#include "panel/UPainelLed.h"

// One LED sign on screen. The state and every operation are TPainelLed's; the
// widget paints it and hands the operator's input to it.
class TFlexLed : public QWidget, public TPainelLed {
    Q_OBJECT
public:
    // Creates a panel on its owner, which also owns it. Without an owner the
    // panel is not created: the operator is told and nullptr comes back.
    static TFlexLed *Criar(QWidget *dono);

protected:
    explicit TFlexLed(QWidget *dono);

    void paintEvent(QPaintEvent *evento) override;

    bool EstaVisivel() const override;
    void SolicitarDesenho() override;
    void Redimensionar(int largura, int altura) override;
    void ModoAlterado() override;
};
