#include "app/ui/UFrmAdicionarPainel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "panel/ui/UDialogos.h"

using namespace Qt::StringLiterals;

namespace {
QFont tahoma(int pixels, bool negrito)
{
    QFont f(u"Tahoma"_s);
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}
}

TFrm_AdicionarPainel::TFrm_AdicionarPainel(QWidget *dono)
    : QDialog(dono, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(u"Frm_AdicionarPainel"_s);
    setFixedSize(443, 137);
    auto *externa = new QVBoxLayout(this);
    externa->setContentsMargins(0, 0, 0, 0);
    auto *moldura = new QFrame(this);
    moldura->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    externa->addWidget(moldura);
    auto *coluna = new QVBoxLayout(moldura);

    auto *titulo = new QLabel(u"Selecione a Opção:"_s, moldura);
    titulo->setFont(tahoma(20, true));
    coluna->addWidget(titulo);
    auto *texto = new QLabel(u"Você está prestes a fechar o arquivo ou ainda poderá adicionar um novo painel "
                             u"(itinerário) ao arquivo, para isso selecione uma das opções apresentadas:"_s,
                             moldura);
    texto->setFont(tahoma(16, false));
    texto->setWordWrap(true);
    coluna->addWidget(texto, 1);

    auto *botoes = new QHBoxLayout;
    const auto botao = [&](const QString &nome, const QString &legenda, int escolha) {
        auto *b = new QPushButton(legenda, moldura);
        b->setObjectName(nome);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, escolha] { done(escolha); });
        botoes->addWidget(b);
        return b;
    };
    Btn_AdicionarPainel = botao(u"Btn_AdicionarPainel"_s, u"Adicionar Painel"_s, AdicionarPainel);
    Btn_FecharArquivo = botao(u"Btn_FecharArquivo"_s, u"Fechar Arquivo"_s, FecharArquivo);
    Btn_Cancelar = botao(u"Btn_Cancelar"_s, u"Cancelar"_s, Cancelar);
    QPalette vermelho = Btn_Cancelar->palette();
    vermelho.setColor(QPalette::ButtonText, Qt::red);
    Btn_Cancelar->setPalette(vermelho);
    coluna->addLayout(botoes);
    move(screen()->availableGeometry().center() - rect().center());
}

int EscolherOpcaoSelecao(QWidget *dono)
{
    TFrm_AdicionarPainel escolha(dono);
    const int resultado = TDialogos::Executar(escolha);
    return resultado == TFrm_AdicionarPainel::AdicionarPainel || resultado == TFrm_AdicionarPainel::FecharArquivo
               ? resultado
               : TFrm_AdicionarPainel::Cancelar;
}
