#pragma once

#include <QPointer>
#include <QWidget>

#include "panel/UPainelLed.h"

class QTimer;
class TCapturaTeclas;

// One LED sign on screen. The state and every operation are TPainelLed's; the
// widget paints it and hands the operator's input to it. It makes two helpers:
// the key catcher (a child of the owner) and the 200 ms blink timer.
class TFlexLed : public QWidget, public TPainelLed {
    Q_OBJECT
public:
    // Creates a panel on its owner, which also owns it. Without an owner the
    // panel is not created: the operator is told and nullptr comes back.
    static TFlexLed *Criar(QWidget *dono);
    ~TFlexLed() override;

    QWidget *CapturaDeTeclas() const;
    QTimer *TemporizadorPisca() const { return pisca; }

protected:
    explicit TFlexLed(QWidget *dono);

    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

    bool EstaVisivel() const override;
    void SolicitarDesenho() override;
    void Redimensionar(int largura, int altura) override;
    void ModoAlterado() override;
    bool CapturaComFoco() const override;
    bool Habilitado() const override;
    void AtivarCaptura(bool ativa) override;
    void LigarPisca(bool ligado) override;
    void LinhaNaoCabe() override;

private:
    QPointer<TCapturaTeclas> captura; // owned by the owner, freed with the panel
    QTimer *pisca = nullptr;
    bool esquerdoPressionado = false;  // a left press on the panel, for the click
};
