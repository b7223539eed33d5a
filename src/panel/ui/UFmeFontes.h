#pragma once

#include <QWidget>
#include <functional>

#include "panel/UTipos.h"

class QGroupBox;
class QLabel;
class QToolButton;

// The font tool frame "Fonte/Texto": the current font with a previous/next
// spin, three alignment buttons, two letter-spacing buttons and "...". It
// knows nothing of panels: the owner connects its four hooks.
class TFme_Fontes : public QWidget {
    Q_OBJECT
public:
    explicit TFme_Fontes(QWidget *dono = nullptr);

    // Owner hooks; an unset hook does nothing.
    std::function<void(TFme_Fontes *Sender)> AoAlterarFonte;
    std::function<void(TAlinhamento alinhamento)> AoAlinhar;
    std::function<void(int passo)> AoEspacar; // +1 wider, -1 narrower
    std::function<void(TFme_Fontes *Sender)> AoFormatarTexto;

    TTipoFonte Fonte() const { return fonte; }
    // Shows the font without the hook; the name stays for a value outside 1..12.
    void MostrarFonte(TTipoFonte valor);
    // Shows the font and raises AoAlterarFonte.
    void DefinirFonte(TTipoFonte valor);
    // Enables or disables the alignment and spacing buttons.
    void HabilitarBotoes(bool ligados);
    void ProximaFonte();
    void FonteAnterior();

    QGroupBox *Gbx_Graficos;
    QLabel *Lbl_NOME_FONTE;
    QWidget *Sbt_DIVISAO;
    QToolButton *Sbt_DIVISAO_Cima;
    QToolButton *Sbt_DIVISAO_Baixo;
    QToolButton *Btn_AlinhaEsquerda;
    QToolButton *Btn_AlinhaCentro;
    QToolButton *Btn_AlinhaDireita;
    QToolButton *Btn_AumntaDistancia;
    QToolButton *Btn_DiminuiDistancia;
    QToolButton *Btn_FormataTexto;

private:
    TTipoFonte fonte = TTipoFonte::tfVeltronix8x7;
};
