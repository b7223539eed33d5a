#include "panel/ui/UMensagem.h"

#include "panel/ui/UDialogos.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct TBotaoMensagem {
    TBotoesMensagem Bit;
    QMessageBox::StandardButton Padrao;  // NoButton: the platform has none (All)
    QString Legenda;                     // empty: keep the platform's caption
    int Resultado;
};

const std::array<TBotaoMensagem, 11> &botoesMensagem()
{
    static const std::array<TBotaoMensagem, 11> botoes{{
        {TMensagem::mbYes, QMessageBox::Yes, u"&Sim"_s, TMensagem::mrYes},
        {TMensagem::mbNo, QMessageBox::No, u"&Não"_s, TMensagem::mrNo},
        {TMensagem::mbOK, QMessageBox::Ok, QString(), TMensagem::mrOk},
        {TMensagem::mbCancel, QMessageBox::Cancel, u"&Cancelar"_s, TMensagem::mrCancel},
        {TMensagem::mbAbort, QMessageBox::Abort, u"&Abortar"_s, TMensagem::mrAbort},
        {TMensagem::mbRetry, QMessageBox::Retry, u"&Repetir"_s, TMensagem::mrRetry},
        {TMensagem::mbIgnore, QMessageBox::Ignore, u"&Ignorar"_s, TMensagem::mrIgnore},
        {TMensagem::mbAll, QMessageBox::NoButton, u"&Todos"_s, TMensagem::mrAll},
        {TMensagem::mbNoToAll, QMessageBox::NoToAll, QString(), TMensagem::mrNoToAll},
        {TMensagem::mbYesToAll, QMessageBox::YesToAll, QString(), TMensagem::mrYesToAll},
        {TMensagem::mbHelp, QMessageBox::Help, u"A&juda"_s, TMensagem::mrNone},
    }};
    return botoes;
}

TRespondedorMensagem &respondedorAtual()
{
    static TRespondedorMensagem respondedor;
    return respondedor;
}

QMessageBox::Icon iconeDoTipo(TTipoMensagem tipo)
{
    switch (tipo) {
    case TTipoMensagem::mtWarning: return QMessageBox::Warning;
    case TTipoMensagem::mtError: return QMessageBox::Critical;
    case TTipoMensagem::mtInformation: return QMessageBox::Information;
    case TTipoMensagem::mtConfirmation: return QMessageBox::Question;
    case TTipoMensagem::mtCustom: break;
    }
    return QMessageBox::NoIcon;
}

QString sufixoDoTipo(TTipoMensagem tipo)
{
    switch (tipo) {
    case TTipoMensagem::mtWarning: return u" ( Aviso )"_s;
    case TTipoMensagem::mtError: return u" ( Erro )"_s;
    case TTipoMensagem::mtInformation: return u" ( Informação )"_s;
    case TTipoMensagem::mtConfirmation: return u" ( Confirmação )"_s;
    case TTipoMensagem::mtCustom: break;
    }
    return QString();
}

struct TBotaoCriado {
    QPushButton *Botao;
    int Resultado;
};

// Adds the buttons of the mask; QMessageBox::buttons() is not in insertion
// order, so the pointers are kept with their result codes.
std::vector<TBotaoCriado> adicionarBotoes(QMessageBox &caixa, TBotoesMensagem botoes, bool traduzir)
{
    std::vector<TBotaoCriado> criados;
    for (const TBotaoMensagem &b : botoesMensagem()) {
        if (!(botoes & b.Bit))
            continue;
        QPushButton *botao = b.Padrao == QMessageBox::NoButton
                                 ? caixa.addButton(b.Legenda, QMessageBox::YesRole)
                                 : caixa.addButton(b.Padrao);
        if (traduzir && !b.Legenda.isEmpty())
            botao->setText(b.Legenda);
        criados.push_back({botao, b.Resultado});
    }
    return criados;
}

// The box sizes itself to its text and buttons; a row as wide as the caption
// needs keeps the title bar from cutting "( Confirmação )".
void reservarTitulo(QMessageBox &caixa)
{
    auto *grade = qobject_cast<QGridLayout *>(caixa.layout());
    if (!grade)
        return;
    grade->addItem(new QSpacerItem(LarguraDoTitulo(caixa), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                   grade->rowCount(), 0, 1, grade->columnCount());
}

int exibirCaixa(const TPedidoMensagem &pedido)
{
    const TTecladoDeVolta teclado;
    QMessageBox caixa(iconeDoTipo(pedido.Tipo), pedido.Titulo, pedido.Texto);
    caixa.setTextFormat(Qt::PlainText);
    reservarTitulo(caixa);
    caixa.setProperty(TMensagem::PropriedadeContextoAjuda, pedido.ContextoAjuda);
    if (!pedido.Opcoes.isEmpty()) {
        QList<QPushButton *> botoes;
        for (const QString &legenda : pedido.Opcoes)
            botoes << caixa.addButton(legenda, QMessageBox::AcceptRole);
        caixa.setDefaultButton(botoes.first());
        caixa.exec();
        return int(botoes.indexOf(qobject_cast<QPushButton *>(caixa.clickedButton())));
    }
    const std::vector<TBotaoCriado> criados = adicionarBotoes(caixa, pedido.Botoes, pedido.Traduzir);
    // mrNone is "no default" for the callers, not a request to focus Help.
    for (const TBotaoCriado &c : criados) {
        if (pedido.ResultadoPadrao != TMensagem::mrNone && c.Resultado == pedido.ResultadoPadrao) {
            caixa.setDefaultButton(c.Botao);
            break;
        }
    }
    caixa.exec();
    for (const TBotaoCriado &c : criados) {
        if (caixa.clickedButton() == c.Botao)
            return c.Resultado;
    }
    // Closed without a button (no escape button to stand for it): treated as cancelled.
    return TMensagem::mrCancel;
}

}

int TMensagem::MostrarMensagem(const QString &texto, TTipoMensagem tipo, bool traduzir,
                               int resultadoPadrao, int contextoAjuda, TBotoesMensagem botoes)
{
    const TPedidoMensagem pedido{texto,   tipo,     Titulo(tipo, traduzir), botoes, resultadoPadrao,
                                 traduzir, contextoAjuda, {}};
    if (respondedorAtual())
        return respondedorAtual()(pedido);
    return exibirCaixa(pedido);
}

int TMensagem::Mensagem(const QString &texto, TTipoMensagem tipo)
{
    return MostrarMensagem(texto, tipo, true, mrNone, 0, mbOK);
}

void TMensagem::Informacao(const QString &texto)
{
    MostrarMensagem(texto, TTipoMensagem::mtInformation, true, mrNone, 0, mbOK);
}

int TMensagem::Pergunta(const QString &texto, TTipoMensagem tipo, int resultadoPadrao,
                        TBotoesMensagem botoes)
{
    return MostrarMensagem(texto, tipo, true, resultadoPadrao, 0, botoes);
}

int TMensagem::MensagemComBotoes(const QString &texto, TTipoMensagem tipo, TBotoesMensagem botoes)
{
    return MostrarMensagem(texto, tipo, true, mrNone, 0, botoes);
}

int TMensagem::Escolher(const QString &texto, TTipoMensagem tipo, const QStringList &opcoes)
{
    const TPedidoMensagem pedido{texto, tipo, Titulo(tipo, true), 0, mrNone, true, 0, opcoes};
    if (respondedorAtual())
        return respondedorAtual()(pedido);
    return exibirCaixa(pedido);
}

namespace {
QString &tituloDefinido()
{
    static QString titulo;
    return titulo;
}
}

QString TMensagem::TituloAplicacao()
{
    return tituloDefinido().isEmpty() ? QGuiApplication::applicationDisplayName() : tituloDefinido();
}

void TMensagem::DefinirTituloAplicacao(const QString &titulo)
{
    tituloDefinido() = titulo;
}

QString TMensagem::Titulo(TTipoMensagem tipo, bool traduzir)
{
    return traduzir ? TituloAplicacao() + sufixoDoTipo(tipo) : TituloAplicacao();
}

TRespondedorMensagem TMensagem::DefinirRespondedor(TRespondedorMensagem respondedor)
{
    return std::exchange(respondedorAtual(), std::move(respondedor));
}
