#include "panel/ui/UFlexLed.h"

#include <QPainter>

#include "panel/UErro.h"
#include "panel/ui/UMensagem.h"

namespace {
// A font file that cannot be written is reported once per run; the panels are
// still created and the glyphs come from the built-in tables.
void completarFontes()
{
    static bool avisado = false;
    try {
        TFontesLed::CriarFontesPadrao();
    } catch (const TErro &erro) {
        if (!avisado) {
            avisado = true;
            TMensagem::Mensagem(erro.Mensagem, TTipoMensagem::mtError);
        }
    }
}
}

TFlexLed *TFlexLed::Criar(QWidget *dono)
{
    if (!dono) {
        TMensagem::Informacao(
            QStringLiteral("ATENÇÃO:\r\nO Componente só pode ser criado sobre objetos tipo TWinControl."));
        return nullptr;
    }
    return new TFlexLed(dono);
}

TFlexLed::TFlexLed(QWidget *dono)
    : QWidget(dono)
{
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::black);
    setPalette(paleta);
    setAutoFillBackground(true);
    completarFontes();
    DefinirModo(TModo::ModoTexto);
}

void TFlexLed::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    Desenhar(pintor);
}

bool TFlexLed::EstaVisivel() const
{
    // Only an explicit hide() counts: a panel on a window not shown yet still
    // paints its cells into the model.
    return !(isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void TFlexLed::SolicitarDesenho()
{
    update();
}

void TFlexLed::Redimensionar(int largura, int altura)
{
    if (size() != QSize(largura, altura))
        setFixedSize(largura, altura);
}

void TFlexLed::ModoAlterado()
{
    switch (Modo()) {
    case TModo::ModoGrafico: setCursor(Qt::PointingHandCursor); break;
    case TModo::ModoTexto: setCursor(Qt::IBeamCursor); break;
    case TModo::ModoSimulador:
    case TModo::ModoMarcacao: setCursor(Qt::ArrowCursor); break;
    }
    update();
}
