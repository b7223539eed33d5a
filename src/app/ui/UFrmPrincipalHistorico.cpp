// TFrm_PrincipalVeltronix: the two buttons and keys of the open project's
// undo history (kept by the project commands), and the click that ends a run of typing.
#include "app/ui/UFrmPrincipalVeltronix.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int ladoBotao = 25;

// A curved arrow pointing left (undo) or right (redo).
QIcon iconeSeta(bool desfazer)
{
    QPixmap figura(32, 32);
    figura.fill(Qt::transparent);
    {
        QPainter p(&figura);
        p.setRenderHint(QPainter::Antialiasing);
        if (!desfazer) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        QPen traco(QColor(0, 70, 160), 3.5, Qt::SolidLine, Qt::RoundCap);
        p.setPen(traco);
        QPainterPath curva;
        curva.moveTo(9, 13);
        curva.cubicTo(16, 5, 29, 8, 27, 19);
        curva.cubicTo(26, 24, 22, 27, 17, 27);
        p.drawPath(curva);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 70, 160));
        p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(14, 7), QPointF(7, 18)}));
    } // the picture is finished before the icon takes it
    return QIcon(figura);
}
}

void TFrm_PrincipalVeltronix::criarHistorico()
{
    Act_Desfazer = new QAction(u"Desfazer"_s, this);
    Act_Desfazer->setObjectName(u"Act_Desfazer"_s);
    Act_Desfazer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Act_Refazer = new QAction(u"Refazer"_s, this);
    Act_Refazer->setObjectName(u"Act_Refazer"_s);
    Act_Refazer->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const auto botao = [this](QAction *acao, bool desfazer) {
        acao->setShortcutContext(Qt::WindowShortcut);
        acao->setIcon(iconeSeta(desfazer));
        addAction(acao);
        connect(acao, &QAction::triggered, this, [this, desfazer] {
            executar([this, desfazer] { Comandos.DesfazerOuRefazer(desfazer); });
        });
        auto *b = new QToolButton(Pnl_Botoes);
        b->setObjectName(desfazer ? u"Btn_Desfazer"_s : u"Btn_Refazer"_s);
        b->setDefaultAction(acao);
        b->setAutoRaise(true);
        b->setFixedSize(ladoBotao, ladoBotao);
        b->setIconSize(QSize(ladoBotao - 6, ladoBotao - 6));
        b->setVisible(false);
        return b;
    };
    Btn_Desfazer = botao(Act_Desfazer, true);
    Btn_Refazer = botao(Act_Refazer, false);
    // A click anywhere in the window ends a run of typing.
    qApp->installEventFilter(this);
    AtualizarHistorico();
}

void TFrm_PrincipalVeltronix::AtualizarHistorico()
{
    const THistorico *h = Historico();
    const bool desfazer = h && h->PodeDesfazer();
    const bool refazer = h && h->PodeRefazer();
    Act_Desfazer->setEnabled(desfazer);
    Act_Refazer->setEnabled(refazer);
    Act_Desfazer->setToolTip(desfazer ? u"Desfazer %1 (Ctrl+Z)"_s.arg(h->PassoADesfazer()) : u"Desfazer (Ctrl+Z)"_s);
    Act_Refazer->setToolTip(refazer ? u"Refazer %1 (Ctrl+Y)"_s.arg(h->PassoARefazer()) : u"Refazer (Ctrl+Y)"_s);
}

bool TFrm_PrincipalVeltronix::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::MouseButtonPress && objeto->isWidgetType()
        && static_cast<QWidget *>(objeto)->window() == this)
        if (THistorico *h = Historico())
            h->Concluir();
    return QMainWindow::eventFilter(objeto, evento);
}
