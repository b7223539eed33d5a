#include "panel/ui/UFlexLed.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "panel/UErro.h"
#include "panel/ui/UCapturaTeclas.h"
#include "panel/ui/UFrmDimensaoTexto.h"
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

TBotaoMouse botaoDo(Qt::MouseButton botao)
{
    switch (botao) {
    case Qt::RightButton: return TBotaoMouse::Direito;
    case Qt::LeftButton: return TBotaoMouse::Esquerdo;
    default: return TBotaoMouse::Meio;
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
    : QWidget(dono), captura(new TCapturaTeclas(dono, *this)), pisca(new QTimer(this))
{
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::black);
    setPalette(paleta);
    setAutoFillBackground(true);
    setMouseTracking(true);
    pisca->setInterval(200);
    connect(pisca, &QTimer::timeout, this, [this] { PiscarCursor(); });
    completarFontes();
    DefinirModo(TModo::ModoTexto);
}

TFlexLed::~TFlexLed()
{
    // The catcher belongs to the owner but talks to this panel.
    delete captura.data();
}

QWidget *TFlexLed::CapturaDeTeclas() const
{
    return captura.data();
}

void TFlexLed::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    Desenhar(pintor);
}

void TFlexLed::mousePressEvent(QMouseEvent *evento)
{
    // A click on another panel ends the text-dimension window of the one
    // before: the keys follow the click.
    if (TFrm_DimensaoTexto *dimensao = TFrm_DimensaoTexto::Aberto(); dimensao && dimensao->Painel() != this)
        dimensao->close();
    const QPoint p = evento->position().toPoint();
    if (evento->button() == Qt::LeftButton)
        esquerdoPressionado = true;
    if (Modo() != TModo::ModoSimulador)
        AvisarEdicao(Modo() == TModo::ModoGrafico ? TEdicao::Desenho : TEdicao::Movimento);
    PressionarMouse(botaoDo(evento->button()), p.x(), p.y());
}

void TFlexLed::mouseMoveEvent(QMouseEvent *evento)
{
    const QPoint p = evento->position().toPoint();
    MoverMouse(p.x(), p.y());
}

void TFlexLed::mouseReleaseEvent(QMouseEvent *evento)
{
    const QPoint p = evento->position().toPoint();
    if (evento->button() == Qt::LeftButton) {
        if (esquerdoPressionado && rect().contains(p))
            ClicarMouse();
        esquerdoPressionado = false;
    }
    SoltarMouse(botaoDo(evento->button()), p.x(), p.y());
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

bool TFlexLed::CapturaComFoco() const
{
    return captura && captura->hasFocus();
}

bool TFlexLed::Habilitado() const
{
    return isEnabled();
}

void TFlexLed::AtivarCaptura(bool ativa)
{
    if (!captura)
        return;
    captura->setEnabled(ativa);
    if (ativa && !captura->hasFocus())
        captura->setFocus(Qt::OtherFocusReason);
}

void TFlexLed::LigarPisca(bool ligado)
{
    if (!ligado)
        pisca->stop();
    else if (!pisca->isActive())
        pisca->start();
}

void TFlexLed::LinhaNaoCabe()
{
    AbrirDimensaoTexto(this, MotivoNaoCabe());
}
