#include "app/ui/UFrmTipoOnibusVeltronix.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/UVersao.h"
#include "app/ui/UDialogosProjeto.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
const QString nenhum = u"S e l e c i o n e"_s;

QWidget *faixa(QWidget *dono, const QColor &cor, int altura)
{
    auto *f = new QWidget(dono);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, cor);
    f->setPalette(p);
    f->setAutoFillBackground(true);
    f->setFixedHeight(altura);
    return f;
}

QFont fonteArial(int pixels, bool italico)
{
    QFont f(u"Arial"_s);
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(italico);
    return f;
}
}

TFrm_TipoOnibusVeltronix::TFrm_TipoOnibusVeltronix(QWidget *dono)
    : QDialog(dono)
{
    setObjectName(u"Frm_TipoOnibusVeltronix"_s);
    setWindowTitle(TMensagem::TituloAplicacao() + u' ' + TextoVersao());
    setFixedSize(595, 209);
    auto *coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);

    const QColor cinza(128, 128, 128);
    QWidget *topo = faixa(this, cinza, 33);
    auto *linhaTopo = new QHBoxLayout(topo);
    linhaTopo->setContentsMargins(6, 4, 6, 4);
    Btn_AbrirArquivo = new QPushButton(u"Abrir Archivo"_s, topo);
    Btn_AbrirArquivo->setObjectName(u"Btn_AbrirArquivo"_s);
    Btn_AbrirArquivo->setAutoDefault(false);
    linhaTopo->addWidget(Btn_AbrirArquivo);
    Btn_AbrirPenDrive = new QPushButton(u"Abrir Archivo do PenDrive..."_s, topo);
    Btn_AbrirPenDrive->setObjectName(u"Btn_AbrirPenDrive"_s);
    Btn_AbrirPenDrive->setAutoDefault(false);
    linhaTopo->addWidget(Btn_AbrirPenDrive);
    linhaTopo->addStretch();
    coluna->addWidget(topo);

    QWidget *cabecalho = faixa(this, Qt::white, 40);
    auto *linhaCabecalho = new QHBoxLayout(cabecalho);
    linhaCabecalho->setContentsMargins(6, 2, 6, 2);
    auto *titulo = new QLabel(u"Configure os letreiros de itinerário do ônibus"_s, cabecalho);
    titulo->setObjectName(u"Lbl_Titulo"_s);
    titulo->setFont(fonteArial(21, true));
    QPalette vermelho = titulo->palette();
    vermelho.setColor(QPalette::WindowText, Qt::red);
    titulo->setPalette(vermelho);
    linhaCabecalho->addWidget(titulo, 0, Qt::AlignCenter);
    coluna->addWidget(cabecalho);

    auto *banda = new QWidget(this);
    auto *grade = new QGridLayout(banda);
    grade->setContentsMargins(6, 6, 6, 6);
    const auto caixa = [&](int indice, const QString &legenda, const QString &nome, const QStringList &itens) {
        auto *rotulo = new QLabel(legenda, banda);
        rotulo->setFont(fonteArial(19, false));
        rotulo->setAlignment(Qt::AlignCenter);
        auto *c = new QComboBox(banda);
        c->setObjectName(nome);
        c->setEditable(false);
        c->setFixedWidth(140);
        c->addItems(QStringList{nenhum} + itens);
        c->setCurrentIndex(0);
        grade->addWidget(rotulo, 0, indice, Qt::AlignCenter);
        grade->addWidget(c, 1, indice, Qt::AlignCenter);
        return c;
    };
    Cb_ModeloFrontal = caixa(0, u"FRONTAL"_s, u"Cb_ModeloFrontal"_s,
                             {u"Modelo 8 X 80"_s, QString(13, u' '), u"Modelo 13 X 96"_s});
    Cb_ModeloLateral = caixa(1, u"LATERAL"_s, u"Cb_ModeloLateral"_s, {u"Modelo 8 X 80"_s});
    Cb_ModeloTraseiro = caixa(2, u"TRASEIRO"_s, u"Cb_ModeloTraseiro"_s, {u"Modelo 8 X 40"_s, u"Modelo 13 X 32"_s});
    Cb_ModeloAuxiliar = caixa(3, u"AUXILIAR"_s, u"Cb_ModeloAuxiliar"_s, {u"Modelo 8 X 80"_s});
    coluna->addWidget(banda, 1);

    QWidget *base = faixa(this, cinza, 33);
    auto *linhaBase = new QHBoxLayout(base);
    linhaBase->setContentsMargins(6, 4, 6, 4);
    linhaBase->addStretch();
    Btn_OK = new QPushButton(u"OK"_s, base);
    Btn_OK->setObjectName(u"Btn_OK"_s);
    Btn_OK->setAutoDefault(false);
    linhaBase->addWidget(Btn_OK);
    coluna->addWidget(base);

    move(screen()->availableGeometry().center() - rect().center());
    connect(Btn_OK, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
    connect(Btn_AbrirArquivo, &QPushButton::clicked, this, [this] { Btn_AbrirArquivoClick(); });
    connect(Btn_AbrirPenDrive, &QPushButton::clicked, this, [this] { done(ResultadoPenDrive); });
}

TItensSelecao TFrm_TipoOnibusVeltronix::Itens() const
{
    return {Cb_ModeloFrontal->currentIndex(), Cb_ModeloLateral->currentIndex(), Cb_ModeloTraseiro->currentIndex(),
            Cb_ModeloAuxiliar->currentIndex()};
}

void TFrm_TipoOnibusVeltronix::DefinirItens(const TItensSelecao &itens)
{
    Cb_ModeloFrontal->setCurrentIndex(itens.Frontal);
    Cb_ModeloLateral->setCurrentIndex(itens.Lateral);
    Cb_ModeloTraseiro->setCurrentIndex(itens.Traseiro);
    Cb_ModeloAuxiliar->setCurrentIndex(itens.Auxiliar);
}

void TFrm_TipoOnibusVeltronix::Btn_OKClick()
{
    const TItensSelecao i = Itens();
    if (i.Frontal == 0 && i.Lateral == 0 && i.Traseiro == 0 && i.Auxiliar == 0) {
        TMensagem::Mensagem(u"ATENÇÃO:\r\nSelecione ao menos um modelo de itinerário para continuar."_s,
                            TTipoMensagem::mtError);
        return;
    }
    done(ResultadoOk);
}

void TFrm_TipoOnibusVeltronix::Btn_AbrirArquivoClick()
{
    QString nome;
    const bool cancelado = DialogoAbrirProjeto(nome);
    ArquivoEscolhido = nome;
    if (!cancelado)
        done(ResultadoAbrir);
}

int SelecionaModelos(TEstadoModelos &estado, QString &arquivoEscolhido, QWidget *dono)
{
    TFrm_TipoOnibusVeltronix selecao(dono);
    selecao.DefinirItens(ItensDoEstado(estado));
    const int resultado = TDialogos::Executar(selecao);
    GravarItens(estado, selecao.Itens());
    arquivoEscolhido = selecao.ArquivoEscolhido;
    return resultado == TFrm_TipoOnibusVeltronix::ResultadoOk || resultado == TFrm_TipoOnibusVeltronix::ResultadoAbrir
                   || resultado == TFrm_TipoOnibusVeltronix::ResultadoPenDrive
               ? resultado
               : TFrm_TipoOnibusVeltronix::ResultadoFechado;
}
