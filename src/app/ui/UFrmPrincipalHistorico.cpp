// TFrm_PrincipalVeltronix: the undo history of the open project, its two
// buttons and keys, and what it captures and puts back of the window's work.
#include "app/ui/UFrmPrincipalVeltronix.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScopeGuard>
#include <QTimer>
#include <QToolButton>

#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRotativo.h"

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
            executar([this, desfazer] { desfazerOuRefazer(desfazer); });
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
    atualizarHistorico();
}

THistorico *TFrm_PrincipalVeltronix::Historico() const
{
    return projeto ? projeto->Historico.get() : nullptr;
}

// A new, empty history over the project as it is now; the project's editor reports its steps to it.
void TFrm_PrincipalVeltronix::iniciarHistorico()
{
    if (!projeto)
        return;
    if (!projeto->Historico) {
        projeto->Historico = std::make_unique<THistorico>(static_cast<TAlvoHistorico &>(*this));
        connect(projeto->Historico.get(), &THistorico::Mudou, this, [this] { atualizarHistorico(); });
        TFme_Painel *e = projeto->Fme_Painel;
        e->AoComecarPasso = [this](TTipoPasso tipo) {
            if (THistorico *h = Historico())
                h->Comecar(tipo);
        };
        e->AoConcluirPasso = [this] {
            if (THistorico *h = Historico())
                h->Concluir();
        };
    }
    projeto->Historico->Reiniciar(projeto->Alterado);
}

void TFrm_PrincipalVeltronix::passo(TTipoPasso tipo, const std::function<void()> &acao)
{
    if (TFme_Painel *e = Editor())
        e->Passo(tipo, acao);
    else
        acao();
}

// The simulator stops first; afterwards the project is modified as far as the
// table differs from its file, and the recovery copy follows, also after a failure.
void TFrm_PrincipalVeltronix::desfazerOuRefazer(bool desfazer)
{
    THistorico *h = Historico();
    if (!h)
        return;
    ParaSimulador();
    const auto guardar = qScopeGuard([this, h] {
        projeto->Alterado = h->Alterado();
        QTimer::singleShot(0, this, [this] { GuardarRecuperacao(); });
    });
    if (desfazer)
        h->Desfazer();
    else
        h->Refazer();
}

void TFrm_PrincipalVeltronix::atualizarHistorico()
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

TEstadoTrabalho TFrm_PrincipalVeltronix::CapturarTrabalho(const TEstadoTrabalho *anterior)
{
    TEstadoTrabalho estado;
    if (TFme_Painel *e = Editor())
        estado.Editor = TEstadoEditor::Capturar(*e, *e->Fme_Rotativo, anterior ? &anterior->Editor : nullptr);
    estado.Extra = Fme_Destinos->ModoExtra;
    estado.Numero = Sincronizacao.NumeroSelecionado();
    const TSincronizacao::TGravado gravado = Sincronizacao.Gravado();
    estado.PaineisGravados = gravado.Estado;
    estado.NumeroDosPaineis = gravado.Numero;
    return estado;
}

void TFrm_PrincipalVeltronix::RestaurarTrabalho(const TEstadoTrabalho &estado)
{
    TFme_Painel *e = Editor();
    if (!e)
        return;
    if (Fme_Destinos->ModoExtra != estado.Extra) {
        if (estado.Extra)
            Fme_Destinos->MostrarExtras();
        else
            Fme_Destinos->MostrarDestinos();
    }
    TTabelaMemoria &rotulos = Fme_Destinos->Dados().Cds_Rotulos;
    if (rotulos.Ativa())
        rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {estado.Extra, estado.Numero}, TVazio::ComoZero);
    estado.Editor.Restaurar(*e, *e->Fme_Rotativo);
    Sincronizacao.DefinirGravado({estado.PaineisGravados, estado.NumeroDosPaineis});
    focarEditor();
}

TTabelaMemoria &TFrm_PrincipalVeltronix::TabelaDestinos()
{
    return Fme_Destinos->Dados().Cds_DestinosExtras;
}

void TFrm_PrincipalVeltronix::RestaurarDestinos(const std::vector<QVector<QVariant>> &linhas)
{
    Fme_Destinos->Dados().RestaurarLinhas(linhas);
}
