// TFrm_PrincipalVeltronix: the layout, the actions and keys, the list's
// events wired to the project commands, and what the commands show.
#include "app/ui/UFrmPrincipalVeltronix.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/UVersao.h"
#include "app/ui/UExportarImagem.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFrmDimensaoTexto.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int alturaLista = 202;
constexpr int alturaBotoes = 27;
constexpr int larguraProgresso = 325; // the progress label as designed
constexpr int intervaloInicial = 1000; // ms from the window's creation to the selection
constexpr int intervaloAviso = 15000;  // ms a notice stays in the status bar
}

TFrm_PrincipalVeltronix::TFrm_PrincipalVeltronix(QWidget *dono)
    : QMainWindow(dono), Sincronizacao(*new TFme_Destinos, [this] { return Editor(); }),
      Comandos(Sincronizacao, *this)
{
    Fme_Destinos = &Sincronizacao.Lista();
    setObjectName(u"Frm_PrincipalVeltronix"_s);
    auto *centro = new QWidget(this);
    setCentralWidget(centro);
    auto *coluna = new QVBoxLayout(centro);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);

    JvSyncSplitter1 = new QSplitter(Qt::Vertical, centro);
    JvSyncSplitter1->setObjectName(u"JvSyncSplitter1"_s);
    JvSyncSplitter1->setHandleWidth(5);
    JvSyncSplitter1->setChildrenCollapsible(false);
    Pnl_AreaTrabalho = new QWidget(JvSyncSplitter1);
    Pnl_AreaTrabalho->setObjectName(u"Pnl_AreaTrabalho"_s);
    auto *area = new QVBoxLayout(Pnl_AreaTrabalho);
    area->setContentsMargins(0, 0, 0, 0);
    JvSyncSplitter1->addWidget(Pnl_AreaTrabalho);
    Fme_Destinos->setParent(JvSyncSplitter1);
    JvSyncSplitter1->addWidget(Fme_Destinos);
    JvSyncSplitter1->setStretchFactor(0, 1);
    JvSyncSplitter1->setStretchFactor(1, 0);
    JvSyncSplitter1->setSizes({600, alturaLista});
    coluna->addWidget(JvSyncSplitter1, 1);

    criarBarraDeStatus();
    coluna->addWidget(stBarraStatus);
    criarBarraDeBotoes(centro);
    coluna->addWidget(Pnl_Botoes);
    criarAcoes();
    criarHistorico();
    instalarEventosDaLista();
    setWindowTitle(TMensagem::TituloAplicacao());

    // While panels are being edited, at most every 30 seconds.
    TmrRecuperacao = new QTimer(this);
    TmrRecuperacao->setObjectName(u"TmrRecuperacao"_s);
    TmrRecuperacao->setInterval(30000);
    connect(TmrRecuperacao, &QTimer::timeout, this, [this] { Comandos.GuardarRecuperacao(); });
    TmrRecuperacao->start();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setSingleShot(true);
    Timer1->setInterval(intervaloInicial);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

TFrm_PrincipalVeltronix::~TFrm_PrincipalVeltronix()
{
    // The commands go before the widgets: no click may reach a history that is gone.
    qApp->removeEventFilter(this);
}

void TFrm_PrincipalVeltronix::criarBarraDeStatus()
{
    stBarraStatus = new QStatusBar(this);
    stBarraStatus->setObjectName(u"stBarraStatus"_s);
    stBarraStatus->setSizeGripEnabled(false);
    const int larguras[] = {80, 685, 100};
    const Qt::Alignment alinhamentos[] = {Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                          Qt::AlignRight | Qt::AlignVCenter};
    for (int i = 0; i < 3; ++i) {
        PainelStatus[i] = new QLabel(stBarraStatus);
        PainelStatus[i]->setFixedWidth(larguras[i]);
        PainelStatus[i]->setAlignment(alinhamentos[i]);
        PainelStatus[i]->setFrameShape(QFrame::Panel);
        PainelStatus[i]->setFrameShadow(QFrame::Sunken);
        stBarraStatus->addWidget(PainelStatus[i]);
    }
    PainelStatus[0]->setText(u"Tela: 2"_s);
    PainelStatus[2]->setMinimumWidth(larguras[2]);
    PainelStatus[2]->setMaximumWidth(QWIDGETSIZE_MAX);
}

void TFrm_PrincipalVeltronix::criarBarraDeBotoes(QWidget *centro)
{
    Pnl_Botoes = new QWidget(centro);
    Pnl_Botoes->setObjectName(u"Pnl_Botoes"_s);
    Pnl_Botoes->setFixedHeight(alturaBotoes);
    Lbl_Salvando = new QLabel(Pnl_Botoes);
    Lbl_Salvando->setObjectName(u"Lbl_Salvando"_s);
    Lbl_Salvando->setGeometry(4, 0, larguraProgresso, alturaBotoes);
    QFont tahoma(u"Tahoma"_s);
    tahoma.setPixelSize(23);
    Lbl_Salvando->setFont(tahoma);
    QPalette agua = Lbl_Salvando->palette();
    agua.setColor(QPalette::WindowText, QColor(0, 255, 255));
    agua.setColor(QPalette::Window, QColor(0, 0, 0));
    Lbl_Salvando->setPalette(agua);
    Lbl_Salvando->setAutoFillBackground(true);
    Lbl_Salvando->setEnabled(false);
    Lbl_Salvando->setVisible(false);

    QFont arial(u"Arial"_s);
    arial.setPixelSize(12);
    arial.setBold(true);
    const auto botao = [&](const QString &nome, const QString &legenda) {
        auto *b = new QPushButton(legenda, Pnl_Botoes);
        b->setObjectName(nome);
        b->setFont(arial);
        // As designed, or as wide as the caption where the desktop's fonts need more.
        b->setFixedSize(std::max(125, b->sizeHint().width()), 25);
        b->setAutoDefault(false);
        b->setVisible(false);
        return b;
    };
    Btn_SalvarProjeto = botao(u"Btn_SalvarProjeto"_s, u"Salvar no HD"_s);
    // F8 clears the active panel: printing has the desktop's key, and says so.
    Btn_ImprimirProjeto = botao(u"Btn_ImprimirProjeto"_s, u"Imprimir Archivo (Ctrl+P)"_s);
    Btn_TransferirProjeto = botao(u"Btn_TransferirProjeto"_s, u"Salvar no PenDrive"_s);
    btn_VolaraSelecao = botao(u"btn_VolaraSelecao"_s, u"Volver a Selecion"_s);
    QPalette vermelho = btn_VolaraSelecao->palette();
    vermelho.setColor(QPalette::Active, QPalette::ButtonText, Qt::red);
    vermelho.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::red);
    btn_VolaraSelecao->setPalette(vermelho);
    // Before the first refresh only the print button shows, at its design place.
    Btn_ImprimirProjeto->move(340, 1);
    Btn_ImprimirProjeto->setVisible(true);
}

void TFrm_PrincipalVeltronix::criarAcoes()
{
    const auto acao = [this](const QString &nome, const QString &legenda, const QKeySequence &tecla,
                             std::function<void()> efeito) {
        auto *a = new QAction(legenda, this);
        a->setObjectName(nome);
        if (!tecla.isEmpty()) {
            a->setShortcut(tecla);
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
        connect(a, &QAction::triggered, this, [this, efeito] { executar(efeito); });
        return a;
    };
    Act_NovoProjeto = acao(u"Act_NovoProjeto"_s, u"Novo Arquivo (F3)"_s, {}, [this] { NovoProjeto(); });
    Act_AbrirProjeto = acao(u"Act_AbrirProjeto"_s, u"Abrir Projeto no HD"_s, {}, [this] { AbrirProjeto(); });
    Act_SalvarProjeto = acao(u"Act_SalvarProjeto"_s, u"Salvar Arquivo (F5)"_s, {}, [this] {
        bool parou = false;
        SalvarProjeto(parou);
    });
    Act_FecharProjeto = acao(u"Act_FecharProjeto"_s, u"Fechar Arquivo (F6)"_s, {}, [this] {
        bool parou = false;
        FecharProjeto(parou);
    });
    Act_TransferirProjeto = acao(u"Act_TransferirProjeto"_s, u"Gravar no PenDrive (F7)"_s, {},
                                 [this] { TransferirProjeto(); });
    Act_SalvarComoProjeto = acao(u"Act_SalvarComoProjeto"_s, u"Salvar Como..."_s, {}, [this] { SalvarComoProjeto(); });
    Act_ImprimirProjeto = acao(u"Act_ImprimirProjeto"_s, u"Imprimir Arquivo (Ctrl+P)"_s,
                               QKeySequence(Qt::CTRL | Qt::Key_P), [this] { Imprimir(); });
    Act_VoltaraSelecao = acao(u"Act_VoltaraSelecao"_s, u"Voltar a Seleção"_s, {}, [this] { VoltarASelecao(); });
    Act_AlinhaEsquerda = acao(u"Act_AlinhaEsquerda"_s, u"Alinha Esquerda"_s, Qt::Key_F5, [this] { Alinhar(0); });
    Act_AlinhaCentro = acao(u"Act_AlinhaCentro"_s, u"Alinha Centro"_s, Qt::Key_F6, [this] { Alinhar(2); });
    Act_AlinhaDireita = acao(u"Act_AlinhaDireita"_s, u"Alinha Direita"_s, Qt::Key_F7, [this] { Alinhar(1); });
    Act_LimpaTudo = acao(u"Act_LimpaTudo"_s, u"Limpar Tudo"_s, Qt::Key_F8, [this] { LimpaTudo(); });
    Act_QuadricularPainel = acao(u"Act_QuadricularPainel"_s, u"Quadricular Painel (F12)"_s, Qt::Key_F12,
                                 [this] { QuadricularPainel(); });
    Act_TransferirProjeto->setEnabled(false);
    Act_ImprimirProjeto->setEnabled(false);
    connect(Btn_SalvarProjeto, &QPushButton::clicked, Act_SalvarProjeto, &QAction::trigger);
    connect(Btn_ImprimirProjeto, &QPushButton::clicked, Act_ImprimirProjeto, &QAction::trigger);
    connect(Btn_TransferirProjeto, &QPushButton::clicked, Act_TransferirProjeto, &QAction::trigger);
    connect(btn_VolaraSelecao, &QPushButton::clicked, Act_VoltaraSelecao, &QAction::trigger);
    const auto seguir = [](QAction *a, QPushButton *b) {
        b->setEnabled(a->isEnabled());
        connect(a, &QAction::enabledChanged, b, &QWidget::setEnabled);
    };
    seguir(Act_SalvarProjeto, Btn_SalvarProjeto);
    seguir(Act_ImprimirProjeto, Btn_ImprimirProjeto);
    seguir(Act_TransferirProjeto, Btn_TransferirProjeto);
    seguir(Act_VoltaraSelecao, btn_VolaraSelecao);
}

void TFrm_PrincipalVeltronix::instalarEventosDaLista()
{
    TSincronizacao &s = Sincronizacao;
    TFme_Destinos &l = *Fme_Destinos;
    TComandosProjeto &c = Comandos;
    // Saving a destination is one step from storing the panels to clearing them.
    l.AoSalvarDestino = [this, &s] {
        if (TFme_Painel *e = Editor())
            e->ComecarPasso(TTipoPasso::SalvarDestino);
        s.SalvaDestino();
    };
    l.AposSalvarDestino = [this, &s] {
        s.LimpaPaineis();
        if (TFme_Painel *e = Editor())
            e->ConcluirPasso();
        DevolverTeclado();
    };
    l.AoInserirDestinoAqui = [&c, &s] { c.Passo(TTipoPasso::InserirDestinoAqui, [&s] { s.InsereDestinoAqui(); }); };
    l.AoInserirDestinoNoFinal = [&c, &s] { c.Passo(TTipoPasso::NovoDestinoNoFinal, [&s] { s.NovoDestinoNoFinal(); }); };
    l.AoMudarModo = [&s] { s.HabilitaFerramentas(); };
    // The later numbers move down: the status bar says what happened and how to take it back.
    l.AoRemoverDestino = [this, &c, &s, &l] {
        c.ParaSimulador();
        const bool havia = l.Dados().TemLinhas() && !l.SemRotulos();
        const int numero = s.NumeroSelecionado();
        c.Passo(TTipoPasso::ExcluirDestino, [&s] { s.ExcluiDestino(); });
        if (havia)
            Avisar((l.ModoExtra ? u"Extra %1 removido; Ctrl+Z desfaz"_s : u"Destino %1 removido; Ctrl+Z desfaz"_s)
                       .arg(numero));
    };
    l.AoHorarioSaida = [&c, &s] {
        c.ParaSimulador();
        c.Passo(TTipoPasso::Relogio, [&s] { s.InsereHorario(); });
    };
    l.AoImportarLista = [this] { ImportarLista(); };
    l.AoExportarImagem = [this, &l](int numero) {
        const QString arquivo = ExportarImagemDoDestino(l.Dados(), numero);
        if (!arquivo.isEmpty())
            Avisar((l.ModoExtra ? u"Imagem do extra %1 salva em %2"_s : u"Imagem do destino %1 salva em %2"_s)
                       .arg(numero)
                       .arg(QDir::toNativeSeparators(arquivo)));
    };
    l.AoAbrirDestino = [this, &c, &s] {
        if (TFme_Painel *e = Editor())
            e->ConcluirPasso();
        if (c.ConfirmarDestinoEditado())
            s.CarregaDestino();
        DevolverTeclado();
    };
    l.AoEscolherTipo = [this, &l](bool extra) {
        executar([this, extra] { Comandos.MostrarTipo(extra); });
        // The button of the kind shown stays checked, also when the switch stopped.
        (l.ModoExtra ? l.Btn_TextoExtra : l.Btn_TextoDestino)->setChecked(true);
    };
}

void TFrm_PrincipalVeltronix::DevolverTeclado()
{
    TFme_Painel *e = Editor();
    // The text-dimension window keeps the keyboard until it closes.
    if (!e || !isVisible() || TFrm_DimensaoTexto::Aberto())
        return;
    activateWindow();
    e->FocarPainelAtivo();
}

void TFrm_PrincipalVeltronix::Avisar(const QString &aviso)
{
    QLabel *rotulo = PainelStatus[1];
    rotulo->setText(aviso);
    rotulo->setToolTip(aviso);
    QTimer::singleShot(intervaloAviso, rotulo, [rotulo, aviso] {
        if (rotulo->text() == aviso) {
            rotulo->clear();
            rotulo->setToolTip({});
        }
    });
}

void TFrm_PrincipalVeltronix::AtualizaComandos()
{
    atualizado = true;
    Act_NovoProjeto->setEnabled(true);
    Act_AbrirProjeto->setEnabled(true);
    const bool aberto = Projeto() != nullptr;
    for (QAction *a : {Act_SalvarProjeto, Act_FecharProjeto, Act_TransferirProjeto, Act_SalvarComoProjeto,
                       Act_ImprimirProjeto, Act_AlinhaEsquerda, Act_AlinhaCentro, Act_AlinhaDireita})
        a->setEnabled(aberto);
    // Without a project the list's buttons would do nothing: they are off.
    if (aberto)
        Fme_Destinos->HabilitarControles();
    else
        Fme_Destinos->DesabilitarControles();

    QString titulo = TMensagem::TituloAplicacao();
    if (aberto && Act_SalvarProjeto->isEnabled() && QFileInfo::exists(Projeto()->NomeArquivo)
        && !Projeto()->NomeArquivo.trimmed().isEmpty())
        titulo += u" [ "_s + Projeto()->NomeArquivo + u" ]"_s;
    else if (aberto && Act_SalvarProjeto->isEnabled())
        titulo += u" [ NOVO ]"_s;
    else
        titulo += u' ';
    setWindowTitle(titulo);
    PainelStatus[2]->setText(u"Versão: "_s + TextoVersao() + u"     "_s);
    for (QWidget *b : std::initializer_list<QWidget *>{Btn_SalvarProjeto, Btn_ImprimirProjeto, Btn_TransferirProjeto,
                                                        btn_VolaraSelecao, Btn_Desfazer, Btn_Refazer})
        b->setVisible(true);
    AtualizarHistorico();
    posicionarBotoes();
}

// From the right edge: back to selection, transfer, print, save, then redo and undo.
void TFrm_PrincipalVeltronix::posicionarBotoes()
{
    if (!atualizado)
        return;
    const int y = (alturaBotoes - btn_VolaraSelecao->height()) / 2;
    btn_VolaraSelecao->move(width() - btn_VolaraSelecao->width() - 40, y);
    Btn_TransferirProjeto->move(btn_VolaraSelecao->x() - Btn_TransferirProjeto->width() - 2, y);
    Btn_ImprimirProjeto->move(Btn_TransferirProjeto->x() - Btn_ImprimirProjeto->width() - 2, y);
    Btn_SalvarProjeto->move(Btn_ImprimirProjeto->x() - Btn_SalvarProjeto->width() - 2, y);
    Btn_Refazer->move(Btn_SalvarProjeto->x() - Btn_Refazer->width() - 6, (alturaBotoes - Btn_Refazer->height()) / 2);
    Btn_Desfazer->move(Btn_Refazer->x() - Btn_Desfazer->width() - 2, Btn_Refazer->y());
}

void TFrm_PrincipalVeltronix::resizeEvent(QResizeEvent *evento)
{
    QMainWindow::resizeEvent(evento);
    posicionarBotoes();
}

void TFrm_PrincipalVeltronix::MostrarProgresso(const QString &texto)
{
    Lbl_Salvando->setText(texto);
    // As designed, or as wide as the text needs.
    Lbl_Salvando->resize(std::max(larguraProgresso, Lbl_Salvando->sizeHint().width()), Lbl_Salvando->height());
    Lbl_Salvando->setEnabled(true);
    Lbl_Salvando->setVisible(Lbl_Salvando->isEnabled());
    // Before the work that follows keeps the event loop waiting.
    Lbl_Salvando->repaint();
}

void TFrm_PrincipalVeltronix::EsconderProgresso()
{
    Lbl_Salvando->setEnabled(false);
    Lbl_Salvando->setVisible(Lbl_Salvando->isEnabled());
}

void TFrm_PrincipalVeltronix::MostrarSimulador(bool ligado)
{
    Lbl_Salvando->setText(u"Modo Simulador Ligado."_s);
    Lbl_Salvando->setEnabled(ligado);
    Lbl_Salvando->setVisible(ligado);
    Lbl_Salvando->repaint();
}

int TFrm_PrincipalVeltronix::SelecionaModelos()
{
    Timer1->stop();
    return ::SelecionaModelos(Comandos.Modelos, Comandos.ArquivoEscolhido, this);
}

void TFrm_PrincipalVeltronix::Timer1Timer()
{
    Timer1->stop();
    if (Comandos.OferecerRecuperacao())
        return;
    Comandos.Selecionar();
}

void TFrm_PrincipalVeltronix::AbrirNaPartida(const QString &arquivo)
{
    Timer1->stop();
    Comandos.ArquivoEscolhido = arquivo;
    Act_AbrirProjeto->trigger();
    if (!Projeto())
        Timer1Timer();
}

// The alignment keys click the font tool's button when it is enabled and not down.
void TFrm_PrincipalVeltronix::Alinhar(int botao)
{
    if (TFme_Painel *e = Editor())
        e->AlinharPainelAtivo(botao);
}

void TFrm_PrincipalVeltronix::LimpaTudo()
{
    if (TFme_Painel *e = Editor())
        e->LimparTudo();
}

void TFrm_PrincipalVeltronix::QuadricularPainel()
{
    TFme_Painel *e = Editor();
    if (!e)
        return;
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
        if (TPainelLed *painel = e->Painel(p))
            painel->DefinirRegua(!painel->Regua());
}

void TFrm_PrincipalVeltronix::closeEvent(QCloseEvent *evento)
{
    if (!Comandos.PodeTerminar()) {
        AtualizaComandos();
        evento->ignore();
        return;
    }
    Timer1->stop();
    // A normal end: the work is saved or was discarded on purpose.
    Comandos.EncerrarRecuperacao();
    evento->accept();
}
