#include "panel/ui/UFrmDimensaoTexto.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "panel/USom.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFmeFontes.h"

namespace {
QPointer<TFrm_DimensaoTexto> &aberto()
{
    static QPointer<TFrm_DimensaoTexto> janela;
    return janela;
}
}

TFrm_DimensaoTexto::TFrm_DimensaoTexto(QWidget *dono)
    : QWidget(dono, Qt::Tool)
{
    setObjectName(QStringLiteral("Frm_DimensaoTexto"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dimension do Texto"));
    auto *disposicao = new QVBoxLayout(this);
    disposicao->setContentsMargins(2, 2, 2, 2);
    Fme_Fontes = new TFme_Fontes(this);
    Fme_Fontes->setObjectName(QStringLiteral("Fme_Fontes"));
    Fme_Fontes->Gbx_Graficos->setTitle(QStringLiteral("Fuente/Texto"));
    Fme_Fontes->Btn_FormataTexto->setEnabled(false);
    Fme_Fontes->Btn_FormataTexto->hide();
    disposicao->addWidget(Fme_Fontes);
    Lbl_Motivo = new QLabel(this);
    Lbl_Motivo->setObjectName(QStringLiteral("Lbl_Motivo"));
    Lbl_Motivo->setWordWrap(true);
    Lbl_Motivo->hide();
    disposicao->addWidget(Lbl_Motivo);
    // The keyboard stays with the window itself, whose Esc closes it.
    for (QWidget *controle : findChildren<QWidget *>())
        controle->setFocusPolicy(Qt::NoFocus);
    resize(190, 81);
    setMinimumWidth(LarguraDoTitulo(*this));
    if (const QScreen *tela = QGuiApplication::primaryScreen()) {
        QRect area = frameGeometry();
        area.moveCenter(tela->availableGeometry().center());
        move(area.topLeft());
    }

    Fme_Fontes->AoAlterarFonte = [this](TFme_Fontes *frame) {
        noPainel([&](TFlexLed &p) { p.DefinirFonteUtilizada(frame->Fonte()); });
    };
    Fme_Fontes->AoAlinhar = [this](TAlinhamento alinhamento) {
        noPainel([&](TFlexLed &p) { p.DefinirAlinhamento(alinhamento); });
    };
    Fme_Fontes->AoEspacar = [this](int passo) {
        noPainel([&](TFlexLed &p) {
            if (passo > 0)
                p.AumentarEspacamento(1, p.UltimaColuna());
            else if (passo < 0)
                p.DiminuirEspacamento(1, p.UltimaColuna());
        });
    };

    Timer1 = new QTimer(this);
    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (painel)
            painel->Pintar();
    });
    Timer1->start();
    aberto() = this;
}

TFrm_DimensaoTexto::~TFrm_DimensaoTexto()
{
    liberarPainel();
}

TFrm_DimensaoTexto *TFrm_DimensaoTexto::Aberto()
{
    return aberto().data();
}

template <typename F> void TFrm_DimensaoTexto::noPainel(F acao)
{
    if (!painel)
        return;
    painel->DesativarEdicao();
    acao(*painel);
    if (painel)
        painel->AtivarEdicao();
}

void TFrm_DimensaoTexto::VincularPainel(TFlexLed *novo)
{
    // Another panel bound before gets its mode back first; the same panel
    // bound again keeps the mode it had before the window took it.
    if (painel && painel != novo)
        liberarPainel();
    const bool jaVinculado = painel && painel == novo;
    painel = novo;
    if (!painel)
        return;
    if (!jaVinculado) {
        modoDoPainel = painel->Modo();
        // A window with no panel would only hold the keyboard. The panel is
        // half destroyed by then: forgotten, not given its mode back.
        disconnect(fimDoPainel);
        fimDoPainel = connect(painel, &QObject::destroyed, this, [this] {
            painel = nullptr;
            close();
        });
    }
    Fme_Fontes->DefinirFonte(painel->FonteUtilizada());
    painel->DefinirModo(TModo::ModoMarcacao);
    marcarLinhaDoCursor();
    painel->Pintar();
}

void TFrm_DimensaoTexto::DefinirMotivo(const QString &motivo)
{
    Lbl_Motivo->setText(motivo);
    Lbl_Motivo->setVisible(!motivo.isEmpty());
    adjustSize();
}

void TFrm_DimensaoTexto::marcarLinhaDoCursor()
{
    // The characters of the cursor line in the panel's font: the frame runs
    // from the leftmost one to the end column of the one reaching furthest.
    const TCfgChar *esquerdo = nullptr;
    const TCfgChar *direito = nullptr;
    for (const auto &c : painel->TextoDigitado()) {
        if (c->Fonte != painel->FonteUtilizada()
            || !(c->Linha <= painel->LinhaCursor() && painel->LinhaCursor() <= c->LinhaFinal()))
            continue;
        if (!esquerdo || c->ColunaFinal() <= esquerdo->Coluna)
            esquerdo = c.get();
        if (!direito || c->ColunaFinal() >= direito->ColunaFinal())
            direito = c.get();
    }
    painel->InicioMarcacao = esquerdo ? painel->Led(esquerdo->Linha, esquerdo->Coluna, false) : nullptr;
    painel->FimMarcacao = direito ? painel->Led(direito->LinhaFinal(), direito->ColunaFinal(), false) : nullptr;
}

void TFrm_DimensaoTexto::liberarPainel()
{
    if (!painel)
        return;
    TFlexLed *p = painel.data();
    painel = nullptr;
    p->InicioMarcacao = nullptr;
    p->FimMarcacao = nullptr;
    p->Pintar();
    p->DesativarEdicao();
    p->DefinirModo(modoDoPainel);
    p->window()->activateWindow();
    p->AtivarEdicao();
}

void TFrm_DimensaoTexto::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void TFrm_DimensaoTexto::closeEvent(QCloseEvent *evento)
{
    liberarPainel();
    if (aberto() == this)
        aberto() = nullptr;
    QWidget::closeEvent(evento);
}

void AbrirDimensaoTexto(TFlexLed *painel, const QString &motivo)
{
    TFrm_DimensaoTexto *janela = TFrm_DimensaoTexto::Aberto();
    if (!janela) // freed on close, or with the panel's window
        janela = new TFrm_DimensaoTexto(painel ? painel->window() : nullptr);
    janela->VincularPainel(painel);
    janela->DefinirMotivo(motivo);
    janela->show();
    janela->raise();
    janela->activateWindow();
    TSom::Bipe();
}
