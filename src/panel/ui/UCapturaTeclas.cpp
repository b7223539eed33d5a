#include "panel/ui/UCapturaTeclas.h"

#include <QKeyEvent>

#include "panel/UPainelLed.h"

TCapturaTeclas::TCapturaTeclas(QWidget *dono, TPainelLed &painel)
    : QWidget(dono), painel(painel)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setGeometry(-10, -10, 10, 10);
    setEnabled(false);
}

int TCapturaTeclas::CodigoDaTecla(int teclaQt)
{
    switch (teclaQt) {
    case Qt::Key_Backspace: return TeclasPainel::Retrocesso;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TeclasPainel::Enter;
    case Qt::Key_End: return TeclasPainel::Fim;
    case Qt::Key_Home: return TeclasPainel::Inicio;
    case Qt::Key_Left: return TeclasPainel::Esquerda;
    case Qt::Key_Up: return TeclasPainel::Cima;
    case Qt::Key_Right: return TeclasPainel::Direita;
    case Qt::Key_Down: return TeclasPainel::Baixo;
    case Qt::Key_Delete: return TeclasPainel::Apagar;
    case Qt::Key_C: return TeclasPainel::C;
    case Qt::Key_V: return TeclasPainel::V;
    default: return 0;
    }
}

void TCapturaTeclas::keyPressEvent(QKeyEvent *evento)
{
    const bool controle = evento->modifiers().testFlag(Qt::ControlModifier);
    if (const int codigo = CodigoDaTecla(evento->key())) {
        if (codigo == TeclasPainel::Retrocesso || codigo == TeclasPainel::Apagar)
            painel.AvisarEdicao(TEdicao::Exclusao);
        else if (codigo == TeclasPainel::V && controle)
            painel.AvisarEdicao(TEdicao::Colagem);
        else if (codigo != TeclasPainel::C && codigo != TeclasPainel::V)
            painel.AvisarEdicao(TEdicao::Movimento);
        painel.PressionarTecla(codigo, controle);
    }
    // Editing keys come as control characters, which have no glyph; with Ctrl
    // (but not AltGr, which some systems report as Ctrl + Alt) nothing is typed.
    const Qt::KeyboardModifiers mods = evento->modifiers();
    if (mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier)) {
        evento->accept();
        return;
    }
    QString texto = evento->text();
    texto.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (!texto.isEmpty())
        painel.AvisarEdicao(TEdicao::Digitacao);
    painel.DigitarTexto(texto);
    evento->accept();
}

void TCapturaTeclas::focusInEvent(QFocusEvent *evento)
{
    QWidget::focusInEvent(evento);
    painel.AtivarEdicao();
}

void TCapturaTeclas::focusOutEvent(QFocusEvent *evento)
{
    QWidget::focusOutEvent(evento);
    // The window losing activation keeps the catcher as its focus widget, and
    // the focus moving away while the catcher is disabled is the end of
    // editing already under way.
    if (evento->reason() == Qt::ActiveWindowFocusReason || evento->reason() == Qt::PopupFocusReason || !isEnabled())
        return;
    painel.DesativarEdicao();
}
