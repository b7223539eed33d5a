#include "editor/ui/UFmePainel.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "editor/ui/UBotoesLigaDesliga.h"
#include "editor/ui/UFmeCoresLED.h"
#include "editor/ui/UFrmImportarImagem.h"
#include "editor/ui/UFrmPictogramas.h"
#include "editor/ui/UFmeGraficos.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFmeRotativo.h"
#include "editor/ui/ULeituraImagem.h"
#include "panel/UErro.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UFrmDimensaoTexto.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int alturaCabecalho = 89;
constexpr int alturaRodape = 53;
constexpr int tamanhoLed = 7;
constexpr int intervaloInicial = 500; // ms, the simulator timer at creation

const char16_t *const nomesPosicoes[] = {u"Frontal", u"Lateral", u"Traseiro", u"Auxiliar"};

QToolButton *seta(QWidget *dono, const QString &nome, Qt::ArrowType direcao)
{
    auto *b = new QToolButton(dono);
    b->setObjectName(nome);
    b->setArrowType(direcao);
    b->setFixedSize(16, 11);
    return b;
}

QGroupBox *grupo(QWidget *dono, const QString &nome, const QString &titulo)
{
    auto *g = new QGroupBox(titulo, dono);
    g->setObjectName(nome);
    return g;
}

QLabel *rotuloNegrito(QWidget *dono, const QString &nome)
{
    auto *r = new QLabel(u"0000"_s, dono);
    r->setObjectName(nome);
    QFont negrito = r->font();
    negrito.setBold(true);
    r->setFont(negrito);
    return r;
}
}

TFme_Painel::TFme_Painel(QWidget *dono, bool frontal, bool lateral, bool traseiro, bool auxiliar)
    : QWidget(dono), TEditorPaineis(*new TFme_Rotativo(this))
{
    setObjectName(u"Fme_Painel"_s);
    Fme_Rotativo = static_cast<TFme_Rotativo *>(&rotativos);
    Fme_Fontes = new TFme_Fontes(this);
    Fme_CoresLED = new TFme_CoresLED(this);
    Fme_Rolagem = new TFme_Rolagem(this);
    Fme_Graficos = new TFme_Graficos(this);

    auto *disposicao = new QVBoxLayout(this);
    disposicao->setContentsMargins(0, 0, 0, 0);
    disposicao->setSpacing(0);
    Pnl_Cabecalho = criarCabecalho();
    disposicao->addWidget(Pnl_Cabecalho);

    Pnl_Rodape = new QWidget(this);
    Pnl_Rodape->setObjectName(u"Pnl_Rodape"_s);
    Pnl_Rodape->setAutoFillBackground(true);
    Fme_Rotativo->setParent(Pnl_Rodape);
    Fme_Rotativo->adjustSize();
    // The strips keep their heights unless the tools need more with the desktop's fonts.
    Pnl_Rodape->setFixedHeight(std::max(alturaRodape, Fme_Rotativo->sizeHint().height()));
    Pnl_Rodape->installEventFilter(this);
    disposicao->addWidget(Pnl_Rodape);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    areaPaineis = new QWidget;
    areaPaineis->setObjectName(u"AreaPaineis"_s);
    areaPaineis->setAutoFillBackground(true);
    ScrollBox1->setWidget(areaPaineis);
    disposicao->addWidget(ScrollBox1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(u"PopupMenu1"_s);
    const auto item = [this](const QString &texto, Qt::Key tecla, std::function<void()> comando) {
        QAction *a = PopupMenu1->addAction(texto);
        // The keys belong to the main window's commands, which run the same; the menu only shows them.
        a->setShortcut(QKeySequence(tecla));
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, [comando = std::move(comando)] { comando(); });
    };
    item(u"Alinha Esquerda"_s, Qt::Key_F5, [this] { AlinharPainelAtivo(0); });
    item(u"Alinha Centro"_s, Qt::Key_F6, [this] { AlinharPainelAtivo(2); });
    item(u"Alinha Direita"_s, Qt::Key_F7, [this] { AlinharPainelAtivo(1); });
    PopupMenu1->addSeparator()->setEnabled(false);
    item(u"Limpar Tudo"_s, Qt::Key_F8, [this] { LimparTudo(); });
    PopupMenu1->addSeparator()->setEnabled(false);
    const auto figura = [this](const QString &texto, const QString &nome, void (TFme_Painel::*comando)()) {
        QAction *a = PopupMenu1->addAction(texto);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, comando);
    };
    figura(u"Inserir Pictograma..."_s, u"Act_InserirPictograma"_s, &TFme_Painel::InserirPictograma);
    figura(u"Importar Imagem..."_s, u"Act_ImportarImagem"_s, &TFme_Painel::ImportarImagem);

    Tmr_Simulador = new QTimer(this);
    Tmr_Simulador->setObjectName(u"Tmr_Simulador"_s);
    Tmr_Simulador->setInterval(intervaloInicial);
    connect(Tmr_Simulador, &QTimer::timeout, this, [this] { Tmr_SimuladorTimer(); });
    Tmr_Rolagem = new QTimer(this);
    Tmr_Rolagem->setObjectName(u"Tmr_Rolagem"_s);
    connect(Tmr_Rolagem, &QTimer::timeout, this, [this] { Tmr_RolagemTimer(); });

    escolherCores();
    // A click on a tool leaves the keyboard with the panel being edited.
    for (QWidget *faixa : {Pnl_Cabecalho, Pnl_Rodape})
        for (QWidget *controle : faixa->findChildren<QWidget *>())
            if (controle->focusPolicy() != Qt::NoFocus)
                controle->setFocusPolicy(Qt::NoFocus);
    CriarPaineis(frontal, lateral, traseiro, auxiliar);
    if (dono && dono->layout())
        dono->layout()->addWidget(this);
    // Made inside a window already on screen, the frame shows at once (not at the next event).
    if (dono && dono->isVisible())
        show();
}

TFme_Painel::~TFme_Painel()
{
    Tmr_Simulador->stop();
    Tmr_Rolagem->stop();
    for (int posicao = 1; posicao <= QtdPosicoes; ++posicao)
        liberarPosicao(posicao);
}

QWidget *TFme_Painel::criarCabecalho()
{
    auto *cabecalho = new QWidget(this);
    cabecalho->setObjectName(u"Pnl_Cabecalho"_s);
    cabecalho->setAutoFillBackground(true);
    cabecalho->installEventFilter(this);
    Panel1 = new QWidget(cabecalho);
    Panel1->setObjectName(u"Panel1"_s);
    auto *linha = new QHBoxLayout(Panel1);
    linha->setContentsMargins(0, 2, 0, 2);
    linha->setSpacing(4);

    auto *coluna = new QVBoxLayout;
    coluna->setSpacing(0);
    QGroupBox *modelo = grupo(Panel1, u"Grp_Modelo"_s, u"Modelo"_s);
    auto *linhaModelo = new QHBoxLayout(modelo);
    linhaModelo->setContentsMargins(4, 0, 4, 2);
    Cbo_Modelo = new QComboBox(modelo);
    Cbo_Modelo->setObjectName(u"Cbo_Modelo"_s);
    Cbo_Modelo->setEditable(false);
    connect(Cbo_Modelo, &QComboBox::currentIndexChanged, this, [this] { Cbo_ModeloChange(); });
    linhaModelo->addWidget(Cbo_Modelo);
    coluna->addWidget(modelo);

    QGroupBox *tamanho = grupo(Panel1, u"Grp_Tamanho"_s, u"Linhas/Columnas"_s);
    auto *linhaTamanho = new QHBoxLayout(tamanho);
    linhaTamanho->setContentsMargins(4, 0, 4, 2);
    linhaTamanho->setSpacing(4);
    const auto spin = [&](const QString &nome, QToolButton *&acima, QToolButton *&abaixo, QLabel *&rotulo) {
        auto *setas = new QVBoxLayout;
        setas->setSpacing(0);
        acima = seta(tamanho, nome + u"Top"_s, Qt::UpArrow);
        abaixo = seta(tamanho, nome + u"Bottom"_s, Qt::DownArrow);
        setas->addWidget(acima);
        setas->addWidget(abaixo);
        linhaTamanho->addLayout(setas);
        rotulo = rotuloNegrito(tamanho, u"Lbl_%1S1"_s.arg(nome.mid(4)));
        linhaTamanho->addWidget(rotulo);
    };
    spin(u"Sbt_LINHA"_s, Sbt_LINHASTop, Sbt_LINHASBottom, Lbl_LINHAS1);
    spin(u"Sbt_COLUNA"_s, Sbt_COLUNASTop, Sbt_COLUNASBottom, Lbl_COLUNAS1);
    connect(Sbt_LINHASTop, &QToolButton::clicked, this, [this] { Sbt_LINHASTopClick(); });
    connect(Sbt_LINHASBottom, &QToolButton::clicked, this, [this] { Sbt_LINHASBottomClick(); });
    connect(Sbt_COLUNASTop, &QToolButton::clicked, this, [this] { Sbt_COLUNASTopClick(); });
    connect(Sbt_COLUNASBottom, &QToolButton::clicked, this, [this] { Sbt_COLUNASBottomClick(); });
    coluna->addWidget(tamanho);
    linha->addLayout(coluna);

    Fme_CoresLED->setParent(Panel1);
    linha->addWidget(Fme_CoresLED);
    Fme_Rolagem->setParent(Panel1);
    linha->addWidget(Fme_Rolagem);
    Fme_Fontes->setParent(Panel1);
    Fme_Fontes->Gbx_Graficos->setTitle(u"Fuente/Texto"_s); // as the editor embeds it
    linha->addWidget(Fme_Fontes);

    QGroupBox *simulador = grupo(Panel1, u"Grp_Simulador"_s, u"Simulador"_s);
    auto *linhaSimulador = new QVBoxLayout(simulador);
    linhaSimulador->setContentsMargins(4, 2, 4, 2);
    const TBotoesLigaDesliga botoes = CriarBotoesLigaDesliga(simulador, u"Btn_IniciaSimulador"_s,
                                                              u"Btn_FinalizaSimulador"_s, u"Liga Simulador"_s,
                                                              u"Desliga Simulador"_s);
    Btn_IniciaSimulador = botoes.Liga;
    Btn_FinalizaSimulador = botoes.Desliga;
    linhaSimulador->addLayout(botoes.Disposicao);
    connect(Btn_IniciaSimulador, &QPushButton::clicked, this, [this] { Btn_IniciaSimuladorClick(); });
    connect(Btn_FinalizaSimulador, &QPushButton::clicked, this, [this] { Btn_FinalizaSimuladorClick(); });
    linha->addWidget(simulador);

    Fme_Graficos->setParent(Panel1);
    linha->addWidget(Fme_Graficos);

    QGroupBox *figuras = grupo(Panel1, u"Grp_Figuras"_s, u"Figuras"_s);
    auto *linhaFiguras = new QVBoxLayout(figuras);
    linhaFiguras->setContentsMargins(4, 2, 4, 2);
    linhaFiguras->setSpacing(2);
    Btn_Pictograma = new QPushButton(u"Pictograma..."_s, figuras);
    Btn_Pictograma->setObjectName(u"Btn_Pictograma"_s);
    Btn_Imagem = new QPushButton(u"Imagem..."_s, figuras);
    Btn_Imagem->setObjectName(u"Btn_Imagem"_s);
    Btn_Pictograma->setAutoDefault(false);
    Btn_Imagem->setAutoDefault(false);
    linhaFiguras->addWidget(Btn_Pictograma);
    linhaFiguras->addWidget(Btn_Imagem);
    connect(Btn_Pictograma, &QPushButton::clicked, this, [this] { InserirPictograma(); });
    connect(Btn_Imagem, &QPushButton::clicked, this, [this] { ImportarImagem(); });
    linha->addWidget(figuras);
    Panel1->adjustSize();
    cabecalho->setFixedHeight(std::max(alturaCabecalho, Panel1->sizeHint().height()));
    return cabecalho;
}

// Chosen once from the executable's own file name.
void TFme_Painel::escolherCores()
{
    const bool classico = QFileInfo(QCoreApplication::applicationFilePath()).fileName() == u"Veltronix10.exe"_s;
    QPalette faixas = Pnl_Cabecalho->palette();
    faixas.setColor(QPalette::Window, classico ? palette().color(QPalette::Button) : QColor(0, 128, 0));
    Pnl_Cabecalho->setPalette(faixas);
    Pnl_Rodape->setPalette(faixas);
    QPalette area = areaPaineis->palette();
    area.setColor(QPalette::Window, classico ? QColor(221, 218, 185) : QColor(166, 202, 240));
    areaPaineis->setPalette(area);
    ScrollBox1->viewport()->setPalette(area);
    ScrollBox1->viewport()->setAutoFillBackground(true);
}

void TFme_Painel::CriarPaineis(bool frontal, bool lateral, bool traseiro, bool auxiliar)
{
    const bool pedidos[] = {frontal, lateral, traseiro, auxiliar};
    for (int posicao = 1; posicao <= QtdPosicoes; ++posicao) {
        liberarPosicao(posicao);
        if (pedidos[posicao - 1])
            criarPosicao(posicao);
    }
    ligarFerramentas();
    ReiniciarEditor(true);
}

void TFme_Painel::criarPosicao(int posicao)
{
    auto *legenda = new QLabel(QString::fromUtf16(nomesPosicoes[posicao - 1]), areaPaineis);
    legenda->setObjectName(u"Lbl_Painel%1"_s.arg(posicao));
    legenda->adjustSize();
    legenda->show();
    TFlexLed *painel = TFlexLed::Criar(areaPaineis);
    painel->setObjectName(u"Painel%1"_s.arg(posicao));
    painel->Tag = posicao;
    painel->DefinirTamanhoLed(tamanhoLed);
    painel->setEnabled(legenda->isEnabled());
    painel->show();
    painel->OnRecebeFoco = [this](TPainelLed *p) {
        if (p == ativando) // the panel's own focus event is off while it is being activated
            return;
        PainelAtivado(p);
        // A click gives the keyboard back to the panel it made active.
        if (PainelAtivo() == p)
            editarSoOAtivo();
    };
    painel->AoAlterarPropriedade = [this](TPainelLed *p) { PainelAtivado(p); };
    painel->AoClicarMouseOpcoes = [this](TPainelLed *p, int x, int y) { AbrirMenuOpcoes(p, x, y); };
    painel->AntesDaEdicao = [this](TPainelLed *, TEdicao edicao) { EdicaoNoPainel(edicao); };
    painel->Nome = legenda->text();
    painel->AoRecusar = [this](TPainelLed *, const QString &motivo) {
        if (AoAvisar)
            AoAvisar(motivo);
    };
    legendas[size_t(posicao - 1)] = legenda;
    flex[size_t(posicao - 1)] = painel;
    DefinirPainel(posicao, painel);
}

void TFme_Painel::liberarPosicao(int posicao)
{
    DefinirPainel(posicao, nullptr);
    delete flex[size_t(posicao - 1)].data();
    delete legendas[size_t(posicao - 1)].data();
}

void TFme_Painel::ligarFerramentas()
{
    Fme_Fontes->AoAlterarFonte = [this](TFme_Fontes *f) {
        if (TPainelLed *ativo = PainelAtivo())
            Passo(TTipoPasso::Fonte, [&] {
                ativo->DesativarEdicao();
                ativo->DefinirFonteUtilizada(f->Fonte());
                ativo->AtivarEdicao();
            });
    };
    Fme_Fontes->AoAlinhar = [this](TAlinhamento alinhamento) {
        if (TPainelLed *ativo = PainelAtivo())
            Passo(TTipoPasso::Alinhamento, [&] { ativo->DefinirAlinhamento(alinhamento); });
    };
    Fme_Fontes->AoEspacar = [this](int passo) {
        TPainelLed *ativo = PainelAtivo();
        if (!ativo || passo == 0)
            return;
        Passo(TTipoPasso::Espacamento, [&] {
            if (passo > 0)
                ativo->AumentarEspacamento(1, ativo->UltimaColuna());
            else
                ativo->DiminuirEspacamento(1, ativo->UltimaColuna());
        });
    };
    Fme_Fontes->AoFormatarTexto = [this](TFme_Fontes *) {
        if (TFlexLed *ativo = FlexAtivo())
            AbrirDimensaoTexto(ativo);
    };
    Fme_Graficos->AoAlterar = [this](TFme_Graficos *g) {
        for (int posicao = 1; posicao <= QtdPosicoes; ++posicao)
            if (TPainelLed *painel = Painel(posicao)) {
                painel->DefinirModo(g->Habilitado ? TModo::ModoGrafico : TModo::ModoTexto);
                if (g->Habilitado)
                    painel->EspessuraLapis = g->Espessura;
            }
        editarSoOAtivo();
    };
    Fme_Rolagem->AoAlterar = [this](TFme_Rolagem *r) {
        TPainelLed *ativo = PainelAtivo();
        if (!ativo)
            return;
        Passo(r->Rolar ? TTipoPasso::RolagemLigada : TTipoPasso::RolagemDesligada,
              [&] { alterarRolagem(*ativo, r->Rolar); });
    };
    Fme_CoresLED->AoAlterar = [this](TFme_CoresLED *c) {
        TPainelLed *ativo = PainelAtivo();
        if (!ativo)
            return;
        const auto focar = qScopeGuard([this] { FocarPainelAtivo(); });
        Passo(TTipoPasso::Cores, [&] {
            ativo->DefinirCores(c->CorEsquerda(), c->CorDireita(), Cores::Preto);
            ativo->DefinirDivisaoNaColuna(c->Divisao);
        });
    };
    LigarRotativos();
}

// Scrolling on leaves the slots alone; off clears the panel and discards every rotating message.
void TFme_Painel::alterarRolagem(TPainelLed &ativo, bool rolar)
{
    if (rolar) {
        Fme_Rotativo->DesabilitarRotativo();
        ativo.DefinirRolagem(TRolagem::tsEsquerda);
        Fme_Fontes->HabilitarBotoes(false);
    } else {
        Fme_Rotativo->HabilitarRotativo();
        ativo.DefinirRolagem(TRolagem::tsNenhum);
        ativo.Limpar();
        Fme_Rotativo->ReiniciarRotativos();
        Fme_Fontes->HabilitarBotoes(true);
    }
}

void TFme_Painel::OrganizarPaineis()
{
    std::array<std::optional<TPeca>, QtdPosicoes> pecas;
    for (int i = 0; i < QtdPosicoes; ++i)
        if (flex[size_t(i)])
            pecas[size_t(i)] = TPeca{legendas[size_t(i)]->size(), flex[size_t(i)]->size()};
    const TDisposicao d = Organizar(pecas);
    int largura = 0;
    for (int i = 0; i < QtdPosicoes; ++i) {
        if (!d.Lugares[size_t(i)])
            continue;
        legendas[size_t(i)]->move(d.Lugares[size_t(i)]->Legenda);
        flex[size_t(i)]->move(d.Lugares[size_t(i)]->Painel);
        largura = std::max({largura, flex[size_t(i)]->geometry().right(), legendas[size_t(i)]->geometry().right()});
    }
    areaPaineis->resize(largura + 10, d.Altura);
    setMinimumHeight(0);
    // In the main window's work area its layout gives the frame the whole area
    // (the panels scroll when it is smaller); alone, the frame takes the panels' height.
    if (!parentWidget() || !parentWidget()->layout())
        resize(width(), d.Altura + Pnl_Cabecalho->height() + Pnl_Rodape->height());
}

TFlexLed *TFme_Painel::FlexLed(int posicao) const
{
    return posicao >= 1 && posicao <= QtdPosicoes ? flex[size_t(posicao - 1)].data() : nullptr;
}

TFlexLed *TFme_Painel::FlexAtivo()
{
    const TPainelLed *ativo = PainelAtivo();
    return ativo ? FlexLed(ativo->Tag) : nullptr;
}

QLabel *TFme_Painel::Legenda(int posicao) const
{
    return posicao >= 1 && posicao <= QtdPosicoes ? legendas[size_t(posicao - 1)].data() : nullptr;
}

// The rotating message shown stays the one the operator chose: activating a
// panel of another position shows that position's time of the same slot.
void TFme_Painel::PainelAtivado(TPainelLed *painel)
{
    TPainelLed *const anterior = std::exchange(ativando, painel);
    const QString posicao = QString::number(painel->Tag);
    const auto restaurar = qScopeGuard([&] {
        ativando = anterior;
        Fme_Rotativo->UltimoPainel = posicao;
    });
    if (AtualizarAoAtivar)
        exibirNasFerramentas(*painel);
    if (posicao != Fme_Rotativo->UltimoPainel)
        Fme_Rotativo->ExibirSemCriar(qint16(painel->Tag), Fme_Rotativo->RotativoAtual);
}

void TFme_Painel::exibirNasFerramentas(TPainelLed &painel)
{
    definirDimensoes(painel.Tag, painel.NroLinhas(), painel.NroColunas(), false);
    const bool rola = painel.Rolagem() != TRolagem::tsNenhum;
    Fme_Rolagem->ExibirRolagem(rola);
    if (rola)
        Fme_Rotativo->DesabilitarRotativo();
    else
        Fme_Rotativo->HabilitarRotativo();
    Fme_Fontes->HabilitarBotoes(!rola);
    Fme_CoresLED->ExibirPainel(painel);
    Fme_Fontes->MostrarFonte(painel.FonteUtilizada());
    Fme_Graficos->ExibirModoGrafico(painel.Modo() == TModo::ModoGrafico);
    NumeroPainelAtivo = quint16(painel.Tag);
    Fme_Rotativo->GravarAoTrocar = true;
}

void TFme_Painel::AtualizarFerramentas()
{
    if (TPainelLed *ativo = PainelAtivo())
        exibirNasFerramentas(*ativo);
}

void TFme_Painel::FocarPainelAtivo()
{
    if (!PainelAtivo())
        return;
    editarSoOAtivo();
    AtualizarFerramentas();
}

// Only one cursor blinks: every other panel leaves keyboard editing.
void TFme_Painel::editarSoOAtivo()
{
    TPainelLed *ativo = PainelAtivo();
    for (int posicao = 1; posicao <= QtdPosicoes; ++posicao)
        if (TPainelLed *painel = Painel(posicao); painel && painel != ativo)
            painel->DesativarEdicao();
    if (ativo)
        ativo->AtivarEdicao();
}

void TFme_Painel::definirDimensoes(int posicao, int linhas, int colunas, bool aplicar)
{
    const QSignalBlocker bloqueio(Cbo_Modelo);
    if (aplicar) {
        if (TPainelLed *painel = Painel(posicao >= 2 && posicao <= 4 ? posicao : 1)) {
            painel->DefinirNroLinhas(linhas);
            painel->DefinirNroColunas(colunas);
        }
    }
    Lbl_COLUNAS1->setText(QString::number(colunas));
    Lbl_LINHAS1->setText(QString::number(linhas));
    if (aplicar)
        if (const auto fonte = FonteDasLinhas(linhas))
            Fme_Fontes->DefinirFonte(*fonte);
    Cbo_Modelo->setCurrentIndex(IndiceDoModelo(linhas, colunas));
}

void TFme_Painel::Cbo_ModeloChange()
{
    const int indice = Cbo_Modelo->currentIndex();
    const TPainelLed *ativo = PainelAtivo();
    if (!ativo || indice < 0)
        return;
    Cbo_Modelo->setEnabled(false);
    const auto religar = qScopeGuard([this] {
        Cbo_Modelo->setEnabled(true);
        FocarPainelAtivo();
    });
    const TModelo &modelo = Modelos()[size_t(indice)];
    Passo(TTipoPasso::Tamanho, [&] { definirDimensoes(ativo->Tag, modelo.Linhas, modelo.Colunas, true); });
    OrganizarPaineis();
}

void TFme_Painel::passoDeTamanho(int linhas, int colunas)
{
    const TPainelLed *ativo = PainelAtivo();
    if (!ativo)
        return;
    Passo(TTipoPasso::Tamanho, [&] {
        definirDimensoes(ativo->Tag, std::clamp(ativo->NroLinhas() + linhas, MinimoLinhas, MaximoLinhas),
                         std::clamp(ativo->NroColunas() + colunas, MinimoColunas, MaximoColunas), true);
    });
    OrganizarPaineis();
}

void TFme_Painel::Sbt_LINHASTopClick()
{
    passoDeTamanho(1, 0);
}

void TFme_Painel::Sbt_LINHASBottomClick()
{
    passoDeTamanho(-1, 0);
}

void TFme_Painel::Sbt_COLUNASTopClick()
{
    passoDeTamanho(0, 1);
}

void TFme_Painel::Sbt_COLUNASBottomClick()
{
    passoDeTamanho(0, -1);
}

void TFme_Painel::ReiniciarEditor(bool completo)
{
    {
        const QSignalBlocker bloqueio(Cbo_Modelo);
        Cbo_Modelo->clear();
        for (const TModelo &modelo : Modelos())
            Cbo_Modelo->addItem(modelo.Legenda);
        Cbo_Modelo->setCurrentIndex(-1);
    }
    Fme_Rotativo->ReiniciarRotativos();
    if (completo) {
        Fme_Rolagem->DefinirRolagem(false);
        Fme_Graficos->ReiniciarGraficos();
        Fme_CoresLED->ReiniciarCores();
        for (int posicao = 1; posicao <= QtdPosicoes; ++posicao)
            if (TPainelLed *painel = Painel(posicao))
                painel->Limpar();
    }
    for (int posicao = 1; posicao <= QtdPosicoes; ++posicao)
        if (TPainelLed *painel = Painel(posicao))
            painel->DefinirModo(TModo::ModoTexto);
    editarSoOAtivo();
}

void TFme_Painel::ClicarRotativo(quint16 rotativo)
{
    Fme_Rotativo->Rbt_RotativoClick(rotativo);
}

void TFme_Painel::AlinharPainelAtivo(int botao)
{
    if (!PainelAtivo())
        return;
    QToolButton *b = botao == 0   ? Fme_Fontes->Btn_AlinhaEsquerda
                     : botao == 2 ? Fme_Fontes->Btn_AlinhaCentro
                                  : Fme_Fontes->Btn_AlinhaDireita;
    if (b->isEnabled() && !b->isDown())
        b->click();
}

void TFme_Painel::LimparTudo()
{
    TPainelLed *ativo = PainelAtivo();
    if (!ativo)
        return;
    Passo(TTipoPasso::LimparTudo, [&] {
        Fme_Rotativo->ExcluirConfiguracao(qint16(ativo->Tag), Fme_Rotativo->RotativoAtual);
        ativo->Limpar();
    });
}

TPainelLed *TFme_Painel::painelParaFigura()
{
    return simuladorLigado ? nullptr : PainelAtivo();
}

void TFme_Painel::InserirPictograma()
{
    TPainelLed *ativo = painelParaFigura();
    if (!ativo)
        return;
    const auto focar = qScopeGuard([this] { FocarPainelAtivo(); });
    const int altura = Pictogramas::AlturaPara(ativo->LinhasDoCursor());
    if (altura == 0) { // said as the insertion says it, before any window
        ativo->InserirPictograma(Pictogramas::Todos().front());
        return;
    }
    TFrm_Pictogramas escolha(altura, window());
    if (TDialogos::Executar(escolha) != QDialog::Accepted)
        return;
    const TPictograma escolhido = escolha.Escolhido();
    Passo(TTipoPasso::Pictograma, [&] { ativo->InserirPictograma(escolhido); });
}

void TFme_Painel::ImportarImagem()
{
    TPainelLed *ativo = painelParaFigura();
    if (!ativo)
        return;
    const auto focar = qScopeGuard([this] { FocarPainelAtivo(); });
    const int linhas = ativo->LinhasDoCursor();
    const bool rola = ativo->Rolagem() != TRolagem::tsNenhum;
    // The room from the cursor: a sign that scrolls has its whole face after it.
    const int colunas = rola ? ativo->NroColunas() : ativo->NroColunas() - std::max(ativo->ColunaCursor(), 1) + 1;
    if (linhas == 0 || colunas <= 0) { // refused with the reason, before any window
        TGradeLeds ponto(1);
        ponto.Definir(1, 1, true);
        ativo->InserirFigura(ponto, ativo->LinhaCursor(), u"A imagem"_s);
        return;
    }
    try {
        TPedidoArquivo pedido;
        pedido.Titulo = u"Importar Imagem..."_s;
        pedido.Filtro = u"Imagens (*.png *.jpg *.jpeg *.bmp *.svg *.svgz)|*.png *.jpg *.jpeg *.bmp *.svg *.svgz|"
                        u"Todos os Arquivos (*.*)|*.*"_s;
        const QString arquivo = TDialogos::Perguntar(pedido);
        if (arquivo.isEmpty())
            return;
        const QImage imagem = LerImagem(arquivo);
        TFrm_ImportarImagem previa(imagem, linhas, colunas, !rola, window());
        if (TDialogos::Executar(previa) != QDialog::Accepted)
            return;
        const TGradeLeds leds = previa.Resultado();
        const int topo = std::max(ativo->LinhaCursor(), 1) + (linhas - leds.Linhas()) / 2;
        Passo(TTipoPasso::Imagem, [&] { ativo->InserirFigura(leds, topo, u"A imagem"_s); });
    } catch (const TErro &erro) {
        TMensagem::Mensagem(erro.Mensagem, TTipoMensagem::mtError);
    }
}

void TFme_Painel::AbrirMenuOpcoes(TPainelLed *painel, int x, int y)
{
    TFlexLed *widget = painel ? FlexLed(painel->Tag) : nullptr;
    if (widget && painel->Modo() != TModo::ModoSimulador)
        PopupMenu1->popup(widget->mapToGlobal(QPoint(x, y)));
}

// Timer interval 0 means no further step: the message stays until the simulator is switched off.
void TFme_Painel::programarSimulador(int intervalo)
{
    if (simuladorLigado && intervalo > 0)
        Tmr_Simulador->start(intervalo);
    else
        Tmr_Simulador->stop();
}

void TFme_Painel::DefinirModoSimulador(bool ligado)
{
    simuladorLigado = ligado;
    programarSimulador(TEditorPaineis::DefinirModoSimulador(ligado));
    bool rola = false;
    for (int posicao = 1; posicao <= QtdPosicoes; ++posicao)
        if (const TPainelLed *painel = Painel(posicao))
            rola = rola || painel->Rolagem() != TRolagem::tsNenhum;
    if (ligado && rola)
        Tmr_Rolagem->start(IntervaloRolagem);
    else
        Tmr_Rolagem->stop();
}

void TFme_Painel::Tmr_SimuladorTimer()
{
    Tmr_Simulador->stop();
    int intervalo = 0;
    const auto retomar = qScopeGuard([&] { programarSimulador(intervalo); });
    intervalo = PassoDeRotativo();
}

void TFme_Painel::Tmr_RolagemTimer()
{
    PassoDeRolagem();
}

void TFme_Painel::Btn_IniciaSimuladorClick()
{
    if (AoAlterarSimulador)
        AoAlterarSimulador(this);
    LigarSimulador();
    DefinirModoSimulador(true);
}

void TFme_Painel::Btn_FinalizaSimuladorClick()
{
    simuladorLigado = false;
    Tmr_Rolagem->stop();
    DesligarSimulador();
    programarSimulador(0);
    if (AoAlterarSimulador)
        AoAlterarSimulador(this);
}

// Horizontally centred, filling the strip's height.
void TFme_Painel::centrar(QWidget *fundo, QWidget *conteudo)
{
    conteudo->setGeometry((fundo->width() - conteudo->width()) / 2, 0, conteudo->width(), fundo->height());
}

bool TFme_Painel::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::Resize) {
        if (objeto == Pnl_Cabecalho)
            centrar(Pnl_Cabecalho, Panel1);
        else if (objeto == Pnl_Rodape)
            centrar(Pnl_Rodape, Fme_Rotativo);
    }
    return QWidget::eventFilter(objeto, evento);
}
