#include "data/ui/UFmeDestinos.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "data/UModeloTabela.h"
#include "data/ui/URotuloDelegado.h"
#include "panel/UErro.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int alturaLinha = 17;
constexpr int alturaBotoes = 35;
constexpr int numeroProjetado = 54; // the columns as designed, in pixels
constexpr int rotuloProjetado = 633;
const QColor amareloClaro(255, 255, 128); // 0x0080FFFF

QPushButton *botao(QWidget *dono, const QString &nome, const QString &legenda)
{
    auto *b = new QPushButton(legenda, dono);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

void destacar(QPushButton *b, const QColor &cor)
{
    QFont negrito = b->font();
    negrito.setBold(true);
    b->setFont(negrito);
    // Coloured while enabled; a disabled button looks disabled.
    QPalette p = b->palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, cor);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, cor);
    b->setPalette(p);
}

// The menu's pictures: a plus (insert), a cross (delete), a plus over a bar (insert at the end),
// a sign with lit LEDs (picture).
QIcon icone(int tipo)
{
    QPixmap imagem(16, 16);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    if (tipo == 4) {
        p.fillRect(1, 4, 14, 8, Qt::black);
        for (int x = 3; x < 14; x += 3)
            p.fillRect(x, 7, 2, 2, QColor(255, 200, 0));
        return QIcon(imagem);
    }
    p.setPen(QPen(tipo == 1 ? QColor(200, 0, 0) : QColor(0, 128, 0), 2));
    if (tipo == 1) {
        p.drawLine(4, 4, 12, 12);
        p.drawLine(12, 4, 4, 12);
    } else {
        p.drawLine(8, 3, 8, 11);
        p.drawLine(4, 7, 12, 7);
        if (tipo == 3)
            p.drawLine(3, 14, 13, 14);
    }
    return QIcon(imagem);
}

// Raises an event; a failure is shown in the error box. False when it failed.
bool disparar(const std::function<void()> &evento)
{
    if (!evento)
        return true;
    try {
        evento();
    } catch (const TErro &erro) {
        TMensagem::Mensagem(erro.Mensagem, TTipoMensagem::mtError);
        return false;
    }
    return true;
}
}

TFme_Destinos::TFme_Destinos(QWidget *dono)
    : QWidget(dono)
{
    setObjectName(u"Fme_Destinos"_s);
    auto *coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);
    // The buttons sit centred in a bar of their height.
    auto *barra = new QWidget(this);
    barra->setFixedHeight(alturaBotoes);
    criarBotoes(barra);
    coluna->addWidget(barra);

    modelo = new TModeloTabela(dados.Cds_Rotulos, this);
    modelo->DefinirColunas({u"NRO_DESTINO"_s, u"ROTULO1"_s});
    Dbg_DestinosExtras = new QTableView(this);
    Dbg_DestinosExtras->setObjectName(u"Dbg_DestinosExtras"_s);
    Dbg_DestinosExtras->setModel(modelo);
    Dbg_DestinosExtras->setItemDelegate(new TRotuloDelegado(
        [this](int coluna) { return modelo->Colunas().value(coluna).startsWith(u"ROTULO"_s); }, Dbg_DestinosExtras));
    Dbg_DestinosExtras->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Dbg_DestinosExtras->setSelectionBehavior(QAbstractItemView::SelectRows);
    Dbg_DestinosExtras->setSelectionMode(QAbstractItemView::SingleSelection);
    Dbg_DestinosExtras->setAlternatingRowColors(true);
    QPalette paleta = Dbg_DestinosExtras->palette();
    paleta.setColor(QPalette::AlternateBase, amareloClaro);
    Dbg_DestinosExtras->setPalette(paleta);
    Dbg_DestinosExtras->verticalHeader()->setDefaultSectionSize(alturaLinha);
    Dbg_DestinosExtras->verticalHeader()->setMinimumSectionSize(alturaLinha);
    Dbg_DestinosExtras->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Dbg_DestinosExtras->verticalHeader()->setFixedWidth(12);
    Dbg_DestinosExtras->horizontalHeader()->setFixedHeight(alturaLinha + 2);
    QFont titulo(u"Tahoma"_s, 8);
    Dbg_DestinosExtras->horizontalHeader()->setFont(titulo);
    Dbg_DestinosExtras->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    larguraNumero = numeroProjetado;
    pesos = {rotuloProjetado};
    Dbg_DestinosExtras->viewport()->installEventFilter(this);
    Dbg_DestinosExtras->setContextMenuPolicy(Qt::CustomContextMenu);
    coluna->addWidget(Dbg_DestinosExtras, 1);
    criarMenu();

    connect(Dbg_DestinosExtras, &QTableView::customContextMenuRequested, this,
            [this](const QPoint &ponto) {
                const int linha = Dbg_DestinosExtras->indexAt(ponto).row();
                const TTabelaMemoria &rotulos = dados.Cds_Rotulos;
                const int coluna = rotulos.IndiceDaColuna(u"NRO_DESTINO"_s);
                numeroSobOMouse = linha < 0 || coluna < 0 ? 0 : rotulos.ValorNaLinha(linha, coluna).toInt();
                ExportarImagemDestino1->setEnabled(numeroSobOMouse > 0);
                PopupMenu1->popup(Dbg_DestinosExtras->viewport()->mapToGlobal(ponto));
            });
    connect(Dbg_DestinosExtras, &QTableView::doubleClicked, this, [this] { disparar(AoAbrirDestino); });
    // The grid and the label table's cursor follow each other.
    connect(Dbg_DestinosExtras->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &atual) {
                const QVariant marcador = atual.data(Qt::UserRole);
                if (marcador.isValid())
                    dados.Cds_Rotulos.IrPara(marcador.toLongLong());
            });
    connect(modelo, &TModeloTabela::LinhaCorrenteMudou, this, [this](int linha) { seguirCursor(linha); });

    Desativar();
    DefinirModo(false);
}

TFme_Destinos::~TFme_Destinos()
{
    dados.FecharTabelas();
}

void TFme_Destinos::criarBotoes(QWidget *barra)
{
    Panel1 = new QWidget(barra);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFixedHeight(alturaBotoes);
    auto *linha = new QHBoxLayout(Panel1);
    linha->setContentsMargins(0, 4, 0, 4);
    linha->setSpacing(4);

    Act_SalvarDestino = new QAction(u"Salvar Destino"_s, this);
    Act_SalvarDestino->setObjectName(u"Act_SalvarDestino"_s);
    Act_SalvarDestino->setShortcut(QKeySequence(Qt::Key_F2));
    Act_SalvarDestino->setShortcutContext(Qt::WindowShortcut);
    connect(Act_SalvarDestino, &QAction::triggered, this, [this] { Act_SalvarDestinoExecute(); });
    Act_RemoveDestino = new QAction(u"Remover Destino"_s, this);
    Act_RemoveDestino->setObjectName(u"Act_RemoveDestino"_s);
    Act_RemoveDestino->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    Act_RemoveDestino->setShortcutContext(Qt::WindowShortcut);
    connect(Act_RemoveDestino, &QAction::triggered, this, [this] { Act_RemoveDestinoExecute(); });
    addAction(Act_SalvarDestino);
    addAction(Act_RemoveDestino);

    Btn_SalvarDestino = botao(Panel1, u"Btn_SalvarDestino"_s, Act_SalvarDestino->text());
    destacar(Btn_SalvarDestino, QColor(0, 128, 0));
    connect(Btn_SalvarDestino, &QPushButton::clicked, Act_SalvarDestino, &QAction::trigger);
    Btn_TextoDestino = botao(Panel1, u"Btn_TextoDestino"_s, u"Destino"_s);
    Btn_TextoExtra = botao(Panel1, u"Btn_TextoExtra"_s, u"Extra"_s);
    for (QPushButton *b : {Btn_TextoDestino, Btn_TextoExtra})
        b->setCheckable(true);
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(Btn_TextoDestino);
    grupo->addButton(Btn_TextoExtra);
    Btn_TextoDestino->setChecked(true);
    // The checked state decides, however it changed: a kind shown already (the
    // list checks its own button when it shows a kind) is not chosen again.
    for (QPushButton *b : {Btn_TextoDestino, Btn_TextoExtra})
        connect(b, &QPushButton::toggled, this, [this, extra = b == Btn_TextoExtra](bool marcado) {
            if (!marcado || extra == ModoExtra)
                return;
            if (AoEscolherTipo)
                AoEscolherTipo(extra);
            else if (extra)
                Btn_TextoExtraClick();
            else
                Btn_TextoDestinoClick();
        });
    Btn_HorarioSaida = botao(Panel1, u"Btn_HorarioSaida"_s, u"Horário de Salida"_s);
    connect(Btn_HorarioSaida, &QPushButton::clicked, this, [this] { Btn_HorarioSaidaClick(); });
    Btn_RemoveDestino = botao(Panel1, u"Btn_RemoveDestino"_s, u"Borrar Destino"_s);
    destacar(Btn_RemoveDestino, QColor(200, 0, 0));
    connect(Btn_RemoveDestino, &QPushButton::clicked, Act_RemoveDestino, &QAction::trigger);
    // The actions follow their buttons' enabled state.
    connect(Act_SalvarDestino, &QAction::enabledChanged, Btn_SalvarDestino, &QWidget::setEnabled);
    connect(Act_RemoveDestino, &QAction::enabledChanged, Btn_RemoveDestino, &QWidget::setEnabled);
    for (QPushButton *b : {Btn_SalvarDestino, Btn_TextoDestino, Btn_TextoExtra, Btn_HorarioSaida, Btn_RemoveDestino})
        linha->addWidget(b);
    Panel1->adjustSize();
}

void TFme_Destinos::criarMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(u"PopupMenu1"_s);
    InserirNovoDestinoAqui1 = PopupMenu1->addAction(icone(0), u"Inserir novo Destino aqui"_s);
    ExcluiresteDestino1 = PopupMenu1->addAction(icone(1), u"Excluir este Destino"_s);
    AbrirnovoDestinonoFinal1 = PopupMenu1->addAction(icone(3), u"Inserir novo Destino no Final"_s);
    connect(InserirNovoDestinoAqui1, &QAction::triggered, this, [this] { disparar(AoInserirDestinoAqui); });
    connect(ExcluiresteDestino1, &QAction::triggered, this, [this] { disparar(AoRemoverDestino); });
    connect(AbrirnovoDestinonoFinal1, &QAction::triggered, this, [this] { disparar(AoInserirDestinoNoFinal); });
    ExportarImagemDestino1 = PopupMenu1->addAction(icone(4), u"Exportar Imagem do Destino..."_s);
    connect(ExportarImagemDestino1, &QAction::triggered, this, [this] {
        if (AoExportarImagem && numeroSobOMouse > 0)
            disparar([this, numero = numeroSobOMouse] { AoExportarImagem(numero); });
    });
    PopupMenu1->addSeparator();
    ImportarLista1 = PopupMenu1->addAction(u"Importar Lista de Destinos..."_s);
    connect(ImportarLista1, &QAction::triggered, this, [this] { disparar(AoImportarLista); });
}

void TFme_Destinos::seguirCursor(int linha)
{
    if (linha < 0 || linha >= modelo->rowCount())
        return;
    const QModelIndex atual = Dbg_DestinosExtras->currentIndex();
    if (atual.isValid() && atual.row() == linha)
        return;
    Dbg_DestinosExtras->setCurrentIndex(modelo->index(linha, 0));
}

void TFme_Destinos::AbrirTabelas(const QString &arquivo)
{
    dados.AbrirTabelas(arquivo);
}

void TFme_Destinos::ReabrirTabelas(const QString &arquivo)
{
    dados.FecharTabelas();
    AbrirTabelas(arquivo);
}

void TFme_Destinos::MostrarDestinos()
{
    dados.DefinirFiltroExtra(false);
    DefinirModo(false);
    dados.ReconstruirRotulos(true);
}

void TFme_Destinos::MostrarExtras()
{
    dados.DefinirFiltroExtra(true);
    DefinirModo(true);
    dados.ReconstruirRotulos(true);
}

void TFme_Destinos::DefinirModo(bool extra)
{
    ModoExtra = extra;
    disparar(AoMudarModo);
    (extra ? Btn_TextoExtra : Btn_TextoDestino)->setChecked(true);
    Btn_HorarioSaida->setEnabled(extra);
    Act_SalvarDestino->setText(extra ? u"Salvar Extra"_s : u"Salvar Destino"_s);
    Btn_SalvarDestino->setText(Act_SalvarDestino->text());
    Btn_RemoveDestino->setText(extra ? u"Remover Extra"_s : u"Remover Destino"_s);
    modelo->DefinirTitulo(u"NRO_DESTINO"_s, extra ? u"Nº Extra"_s : u"Nº Destino"_s);
    ajustarColunas();
    Panel1->adjustSize();
    Panel1->move((width() - Panel1->width()) / 2, Panel1->y());
}

void TFme_Destinos::CancelarEdicao()
{
    const TEstadoTabela estado = dados.Cds_DestinosExtras.Estado();
    if (estado == TEstadoTabela::Edicao || estado == TEstadoTabela::Insercao)
        dados.Cds_DestinosExtras.Cancelar();
}

bool TFme_Destinos::SemDestinos() const
{
    return !dados.Cds_DestinosExtras.Ativa() || dados.Cds_DestinosExtras.Vazia();
}

bool TFme_Destinos::SemRotulos() const
{
    return !dados.Cds_Rotulos.Ativa() || dados.Cds_Rotulos.Vazia();
}

void TFme_Destinos::Desativar()
{
    AposSalvarDestino = nullptr;
    AoRemoverDestino = nullptr;
    DesabilitarControles();
    dados.FecharTabelas();
}

void TFme_Destinos::DesabilitarControles()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Btn_SalvarDestino, Btn_RemoveDestino, Dbg_DestinosExtras,
                                                       Btn_TextoExtra, Btn_TextoDestino})
        w->setEnabled(false);
    Act_SalvarDestino->setEnabled(false);
    Act_RemoveDestino->setEnabled(false);
}

void TFme_Destinos::HabilitarControles()
{
    const bool salvar = bool(AoSalvarDestino);
    const bool remover = bool(AoRemoverDestino);
    Act_SalvarDestino->setEnabled(salvar);
    Btn_SalvarDestino->setEnabled(salvar);
    Btn_TextoExtra->setEnabled(salvar);
    Btn_TextoDestino->setEnabled(salvar);
    Act_RemoveDestino->setEnabled(remover);
    Btn_RemoveDestino->setEnabled(remover);
    Dbg_DestinosExtras->setEnabled(salvar && remover);
}

void TFme_Destinos::RemoverColunasRotulos()
{
    modelo->DefinirColunas({u"NRO_DESTINO"_s});
    pesos.clear();
    ajustarColunas();
}

void TFme_Destinos::AdicionarColunaRotulo(int posicao, int largura)
{
    modelo->DefinirColunas(modelo->Colunas() << u"ROTULO%1"_s.arg(posicao));
    pesos << std::max(1, largura);
    ajustarColunas();
}

int TFme_Destinos::LarguraColunaNumero() const
{
    return larguraNumero;
}

void TFme_Destinos::DefinirLarguraColunaNumero(int largura)
{
    larguraNumero = largura;
    ajustarColunas();
}

void TFme_Destinos::ajustarColunas()
{
    QHeaderView *cabecalho = Dbg_DestinosExtras->horizontalHeader();
    const int numero = std::max(larguraNumero, cabecalho->sectionSizeHint(0));
    cabecalho->resizeSection(0, numero);
    const int colunas = std::min(int(pesos.size()), modelo->columnCount() - 1);
    if (colunas <= 0)
        return;
    const int livre = Dbg_DestinosExtras->viewport()->width() - numero;
    qint64 soma = 0;
    for (int i = 0; i < colunas; ++i)
        soma += pesos[i];
    // Each its share of what is left; the last one takes what rounding leaves.
    int usado = 0;
    for (int i = 0; i < colunas; ++i) {
        const int largura = i + 1 < colunas ? int(qint64(livre) * pesos[i] / soma) : livre - usado;
        cabecalho->resizeSection(i + 1, std::max(largura, cabecalho->sectionSizeHint(i + 1)));
        usado += largura;
    }
}

bool TFme_Destinos::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == Dbg_DestinosExtras->viewport() && evento->type() == QEvent::Resize)
        ajustarColunas();
    return QWidget::eventFilter(objeto, evento);
}

int TFme_Destinos::LarguraGrade() const
{
    return Dbg_DestinosExtras->width();
}

// The panels are cleared only after the destination was stored.
bool TFme_Destinos::Act_SalvarDestinoExecute()
{
    return disparar(AoSalvarDestino) && disparar(AposSalvarDestino);
}

void TFme_Destinos::Act_RemoveDestinoExecute()
{
    disparar(AoRemoverDestino);
}

void TFme_Destinos::Btn_TextoDestinoClick()
{
    MostrarDestinos();
}

void TFme_Destinos::Btn_TextoExtraClick()
{
    MostrarExtras();
}

void TFme_Destinos::Btn_HorarioSaidaClick()
{
    disparar(AoHorarioSaida);
}

// The button panel stays centred.
void TFme_Destinos::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    Panel1->move((width() - Panel1->width()) / 2, Panel1->y());
}
