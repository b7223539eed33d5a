#include "print/ui/UFrmPreviewQuickReport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <QScopeGuard>

#include <algorithm>
#include <cmath>

#include "panel/UErro.h"
#include "panel/ui/UMensagem.h"
#include "print/UDesenhoRelatorio.h"
#include "print/ui/UIconesPreview.h"

using namespace Qt::StringLiterals;

namespace {
// The page view's zoom, in percent: it accepts 2 to 2000; zooming out stops at 10.
constexpr int zoomAceitoMinimo = 2;
constexpr int zoomAceitoMaximo = 2000;
constexpr int zoomMinimo = 10;
constexpr int passoZoom = 10;

QString escolherArquivo(QWidget *dono, const QString &titulo, const QString &nomeProposto, const QString &filtro)
{
    QFileDialog dialogo(dono, titulo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setNameFilter(filtro);
    dialogo.setDefaultSuffix(u"PDF"_s);
    dialogo.selectFile(nomeProposto);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

bool configurarImpressao(QPrinter &impressora, int paginas, QWidget *dono)
{
    QPrintDialog dialogo(&impressora, dono);
    dialogo.setMinMax(1, paginas);
    return dialogo.exec() == QDialog::Accepted;
}
}

std::function<void(TFrm_PreviewQuickReport &)> TFrm_PreviewQuickReport::ExibirModal;
std::function<QString(QWidget *, const QString &, const QString &, const QString &)>
    TFrm_PreviewQuickReport::EscolherArquivo;
std::function<bool(QPrinter &, int, QWidget *)> TFrm_PreviewQuickReport::ConfigurarImpressao;

TFrm_PreviewQuickReport::TFrm_PreviewQuickReport(QList<TPaginaRelatorio> paginas, const QString &titulo,
                                                 QWidget *dono)
    : QDialog(dono, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      paginas(std::move(paginas)), titulo(titulo)
{
    setObjectName(u"Frm_PreviewQuickReport"_s);
    setWindowTitle(u"Dorvik"_s);
    impressoraPreview.setPageLayout(LayoutDoPapel());
    impressoraPreview.setFullPage(true);
    criarComandos();
    criarControles();
    OcuparAreaDeTrabalho();
    // Keys reach the window before any of its controls.
    for (QWidget *filho : findChildren<QWidget *>())
        filho->installEventFilter(this);
    definirEstado(TEstado::Pronto);
    Gerar();
}

TFrm_PreviewQuickReport::~TFrm_PreviewQuickReport() = default;

void TFrm_PreviewQuickReport::criarComandos()
{
    const auto comando = [this](const QString &nome, const QString &texto, TIconePreview icone, const QString &dica,
                                void (TFrm_PreviewQuickReport::*executar)()) {
        auto *acao = new QAction(IconePreview(icone), texto, this);
        acao->setObjectName(nome);
        acao->setToolTip(dica);
        connect(acao, &QAction::triggered, this, executar);
        return acao;
    };
    Act_Anterior = comando(u"Act_Anterior"_s, u"Anterior"_s, TIconePreview::Anterior,
                           u"Apresenta a página anterior do relatório.(PgUp)"_s,
                           &TFrm_PreviewQuickReport::Act_AnteriorExecute);
    Act_Proximo = comando(u"Act_Proximo"_s, u"Próximo"_s, TIconePreview::Proximo,
                          u"Apresenta a próxima página do relatório. (PgDown)"_s,
                          &TFrm_PreviewQuickReport::Act_ProximoExecute);
    Act_ZoomIn = comando(u"Act_ZoomIn"_s, u"Mais Zoom"_s, TIconePreview::MaisZoom,
                         u"Aproxima Visualização permitindo ver mais detalhes do documento."_s,
                         &TFrm_PreviewQuickReport::Act_ZoomInExecute);
    Act_ZoomOut = comando(u"Act_ZoomOut"_s, u"Menos Zoom"_s, TIconePreview::MenosZoom,
                          u"Afastar Visualização permitindo melhor todo documento."_s,
                          &TFrm_PreviewQuickReport::Act_ZoomOutExecute);
    Act_ZoomOut->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    Act_Salvar = comando(u"Act_Salvar"_s, u"Salvar"_s, TIconePreview::Salvar, u"Salva Relatório em Formato PDF."_s,
                         &TFrm_PreviewQuickReport::Act_SalvarExecute);
    Act_Salvar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Act_Imprimir = comando(u"Act_Imprimir"_s, u"Imprimir"_s, TIconePreview::Imprimir,
                           u"Envia as informações do relatório para a impressora selecionada."_s,
                           &TFrm_PreviewQuickReport::Act_ImprimirExecute);
    Act_Imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addActions({Act_Anterior, Act_Proximo, Act_ZoomIn, Act_ZoomOut, Act_Salvar, Act_Imprimir});
}

void TFrm_PreviewQuickReport::criarControles()
{
    auto *disposicao = new QVBoxLayout(this);
    disposicao->setContentsMargins(0, 0, 0, 0);
    disposicao->setSpacing(0);

    ToolBar = new QToolBar(this);
    ToolBar->setObjectName(u"ToolBar"_s);
    ToolBar->setIconSize(QSize(32, 32));
    ToolBar->addActions({Act_Anterior, Act_Proximo});
    ToolBar->addSeparator();
    ToolBar->addActions({Act_ZoomIn, Act_ZoomOut});
    ToolBar->addSeparator();
    ToolBar->addActions({Act_Salvar, Act_Imprimir});
    disposicao->addWidget(ToolBar);

    QRPreview1 = new QPrintPreviewWidget(&impressoraPreview, this);
    QRPreview1->setObjectName(u"QRPreview1"_s);
    disposicao->addWidget(QRPreview1, 1);
    connect(QRPreview1, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *impressora) {
        DesenharPaginas(*impressora, paginas, 0, int(paginas.size()) - 1,
                        [this](int p) { QRPreview1ProgressUpdate(p); });
    });
    // Scrolling through the pages changes the current page.
    connect(QRPreview1, &QPrintPreviewWidget::previewChanged, this, &TFrm_PreviewQuickReport::AtualizarEstado);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(u"StatusBar"_s);
    StatusBar->setSizeGripEnabled(false);
    for (QLabel *&painel : paineis) {
        painel = new QLabel(StatusBar);
        painel->setFixedWidth(100);
        StatusBar->addWidget(painel);
    }
    ProgressBar = new QProgressBar(StatusBar);
    ProgressBar->setObjectName(u"ProgressBar"_s);
    ProgressBar->setFixedWidth(50);
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, 100);
    ProgressBar->reset();
    StatusBar->addWidget(ProgressBar);
    disposicao->addWidget(StatusBar);
}

void TFrm_PreviewQuickReport::OcuparAreaDeTrabalho()
{
    const QScreen *tela = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!tela)
        return;
    // The work area, frame included where a window manager draws one: maximised.
    setGeometry(tela->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TFrm_PreviewQuickReport::Gerar()
{
    PrimeiraPagina = true;
    definirEstado(TEstado::Ocupado);
    QRPreview1->updatePreview();
    definirEstado(TEstado::Concluido);
    QRPreview1PageAvailable(QRPreview1->pageCount());
}

QString TFrm_PreviewQuickReport::TextoDoEstado(TEstado estado)
{
    switch (estado) {
    case TEstado::Pronto: return u"Pronto"_s;
    case TEstado::Ocupado: return u"Ocupado"_s;
    case TEstado::Concluido: return u"Concluído"_s;
    }
    return {};
}

int TFrm_PreviewQuickReport::PassoRolagem(const QScrollBar &barra)
{
    return int(std::lround((barra.maximum() - barra.minimum()) / 10.0));
}

void TFrm_PreviewQuickReport::MostrarModal()
{
    if (ExibirModal)
        ExibirModal(*this);
    else
        exec();
}

int TFrm_PreviewQuickReport::PaginaAtual() const
{
    return QRPreview1->currentPage();
}

int TFrm_PreviewQuickReport::QuantidadeDePaginas() const
{
    return QRPreview1->pageCount();
}

QString TFrm_PreviewQuickReport::TextoDoPainel(int indice) const
{
    return indice >= 0 && indice < 2 ? paineis[indice]->text() : QString();
}

void TFrm_PreviewQuickReport::QRPreview1PageAvailable(int quantas)
{
    if (PrimeiraPagina) {
        definirZoom(100);
        AtualizarEstado();
        PrimeiraPagina = false;
    }
    const QString base = titulo.isEmpty() ? u"Paineis Eletrônicos Dorvik"_s
                                          : u"Paineis Eletrônicos Dorvik [%1]"_s.arg(titulo);
    setWindowTitle(quantas == 1 ? base + u" - 1 página"_s : u"%1 - %2 páginas"_s.arg(base).arg(quantas));
    AtualizarEstado();
}

void TFrm_PreviewQuickReport::QRPreview1ProgressUpdate(int percentual)
{
    if (percentual <= 0 || percentual >= 100)
        ProgressBar->reset();
    else
        ProgressBar->setValue(percentual);
    // A long generation shows its progress while it runs.
    ProgressBar->repaint();
}

void TFrm_PreviewQuickReport::AtualizarEstado()
{
    const int atual = PaginaAtual();
    const int total = QuantidadeDePaginas();
    Act_Anterior->setEnabled(atual > 1);
    Act_Proximo->setEnabled(atual < total);
    paineis[0]->setText(TextoEstado);
    paineis[1]->setText(u"Página %1 de %2"_s.arg(atual).arg(total));
}

void TFrm_PreviewQuickReport::definirEstado(TEstado estado)
{
    TextoEstado = TextoDoEstado(estado);
    paineis[0]->setText(TextoEstado);
    paineis[0]->repaint();
}

void TFrm_PreviewQuickReport::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    // The pages were laid out before the window had its size, and the view
    // kept its centre since: the operator starts at the top of page 1.
    QTimer::singleShot(0, this, [this] {
        QScrollBar *vertical = QRPreview1->findChild<QGraphicsView *>()->verticalScrollBar();
        vertical->setValue(vertical->minimum());
        AtualizarEstado();
    });
}

bool TFrm_PreviewQuickReport::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent *>(evento)))
        return true;
    return QDialog::eventFilter(objeto, evento);
}

void TFrm_PreviewQuickReport::keyPressEvent(QKeyEvent *evento)
{
    if (!FormKeyDown(evento))
        QDialog::keyPressEvent(evento);
}

bool TFrm_PreviewQuickReport::FormKeyDown(QKeyEvent *evento)
{
    const Qt::KeyboardModifiers teclas = evento->modifiers() & ~Qt::KeypadModifier;
    QGraphicsView *vista = QRPreview1->findChild<QGraphicsView *>();
    if (teclas & Qt::AltModifier) {
        switch (evento->key()) {
        case Qt::Key_Left: rolar(vista->horizontalScrollBar(), -1); return true;
        case Qt::Key_Right: rolar(vista->horizontalScrollBar(), 1); return true;
        case Qt::Key_Up: rolar(vista->verticalScrollBar(), -1); return true;
        case Qt::Key_Down: rolar(vista->verticalScrollBar(), 1); return true;
        default: return false;
        }
    }
    if (teclas & Qt::ControlModifier) {
        switch (evento->key()) {
        case Qt::Key_PageUp: Act_ZoomInExecute(); return true;
        case Qt::Key_PageDown: Act_ZoomOutExecute(); return true;
        default: return false;
        }
    }
    switch (evento->key()) {
    case Qt::Key_Escape: close(); return true;
    case Qt::Key_PageUp: Act_AnteriorExecute(); return true;
    case Qt::Key_PageDown: Act_ProximoExecute(); return true;
    case Qt::Key_Home: irParaPagina(1); return true;
    case Qt::Key_End: irParaPagina(QuantidadeDePaginas()); return true;
    default: return false;
    }
}

void TFrm_PreviewQuickReport::rolar(QScrollBar *barra, int sentido)
{
    barra->setValue(barra->value() + sentido * PassoRolagem(*barra));
}

void TFrm_PreviewQuickReport::irParaPagina(int pagina)
{
    QRPreview1->setCurrentPage(pagina);
    QCoreApplication::processEvents();
    AtualizarEstado();
}

void TFrm_PreviewQuickReport::Act_AnteriorExecute()
{
    QCoreApplication::processEvents();
    if (PaginaAtual() > 1)
        QRPreview1->setCurrentPage(PaginaAtual() - 1);
    AtualizarEstado();
}

void TFrm_PreviewQuickReport::Act_ProximoExecute()
{
    QCoreApplication::processEvents();
    if (PaginaAtual() < QuantidadeDePaginas())
        QRPreview1->setCurrentPage(PaginaAtual() + 1);
    AtualizarEstado();
}

void TFrm_PreviewQuickReport::definirZoom(int percentual)
{
    if (percentual < zoomAceitoMinimo || percentual > zoomAceitoMaximo)
        return;
    zoom = percentual;
    QRPreview1->setZoomMode(QPrintPreviewWidget::CustomZoom);
    QRPreview1->setZoomFactor(zoom / 100.0);
}

void TFrm_PreviewQuickReport::Act_ZoomInExecute()
{
    QCoreApplication::processEvents();
    definirZoom(zoom + passoZoom);
}

void TFrm_PreviewQuickReport::Act_ZoomOutExecute()
{
    QCoreApplication::processEvents();
    if (zoom > zoomMinimo)
        definirZoom(zoom - passoZoom);
}

template <typename F> bool TFrm_PreviewQuickReport::ocupado(F &&comando)
{
    definirEstado(TEstado::Ocupado);
    const auto fim = qScopeGuard([this] {
        QRPreview1ProgressUpdate(100);
        definirEstado(TEstado::Concluido);
    });
    try {
        comando();
    } catch (const TErro &e) {
        TMensagem::Mensagem(e.Mensagem, TTipoMensagem::mtError);
        return false;
    }
    return true;
}

void TFrm_PreviewQuickReport::ExportarPDF(const QString &arquivo)
{
    GravarPdf(paginas, titulo, arquivo, [this](int p) { QRPreview1ProgressUpdate(p); });
}

void TFrm_PreviewQuickReport::Act_SalvarExecute()
{
    const auto escolher = EscolherArquivo ? EscolherArquivo : escolherArquivo;
    const QString arquivo = escolher(this, u"Salvando Relatório"_s, titulo + u".PDF"_s,
                                     u"Arquivo PDF (*.pdf *.PDF)"_s);
    if (arquivo.isEmpty())
        return;
    if (ocupado([&] { ExportarPDF(arquivo); }))
        StatusBar->showMessage(u"Lista salva em %1"_s.arg(QDir::toNativeSeparators(arquivo)));
}

void TFrm_PreviewQuickReport::Act_ImprimirExecute()
{
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageLayout(LayoutDoPapel());
    impressora.setFullPage(true);
    impressora.setDocName(titulo);
    const int total = int(paginas.size());
    const auto configurar = ConfigurarImpressao ? ConfigurarImpressao : configurarImpressao;
    if (total == 0 || !configurar(impressora, total, this))
        return;
    int primeira = 0;
    int ultima = total - 1;
    if (impressora.printRange() == QPrinter::PageRange && impressora.fromPage() > 0) {
        primeira = std::min(impressora.fromPage(), total) - 1;
        ultima = std::clamp(impressora.toPage(), primeira + 1, total) - 1;
    }
    ocupado([&] {
        if (!DesenharPaginas(impressora, paginas, primeira, ultima,
                             [this](int p) { QRPreview1ProgressUpdate(p); })
            || impressora.printerState() == QPrinter::Error)
            throw TErro(u"ATENÇÃO:\r\nNão foi possível imprimir o relatório na impressora \"%1\"."_s.arg(
                impressora.printerName().isEmpty() ? impressora.outputFileName() : impressora.printerName()));
    });
}
