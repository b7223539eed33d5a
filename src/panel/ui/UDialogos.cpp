#include "panel/ui/UDialogos.h"

#include <QApplication>
#include <QDir>
#include <QUrl>
#include <QDialog>
#include <QFileDialog>
#include <QStringList>
#include <utility>

namespace {
TDialogos::TRespondedorArquivo &respondedorArquivo()
{
    static TDialogos::TRespondedorArquivo r;
    return r;
}

TDialogos::TRespondedorJanela &respondedorJanela()
{
    static TDialogos::TRespondedorJanela r;
    return r;
}

}

QString TDialogos::Perguntar(const TPedidoArquivo &pedido)
{
    if (respondedorArquivo())
        return respondedorArquivo()(pedido);
    const TTecladoDeVolta teclado;
    const QString inicio = pedido.Pasta.isEmpty() ? pedido.Proposto
                           : pedido.Proposto.isEmpty() ? pedido.Pasta
                                                       : QDir(pedido.Pasta).filePath(pedido.Proposto);
    QFileDialog dialogo(QApplication::activeWindow(), pedido.Titulo, inicio, FiltroQt(pedido.Filtro));
    dialogo.setAcceptMode(pedido.Salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(pedido.Salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogo.setDefaultSuffix(pedido.Extensao);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, !pedido.PerguntarSeExiste);
    // The drives go into the sidebar for this dialog only: Qt keeps the sidebar
    // it closes with, and a drive taken out would stay there.
    const QList<QUrl> usuais = dialogo.sidebarUrls();
    QList<QUrl> atalhos = usuais;
    for (const QString &pasta : pedido.Atalhos)
        if (!atalhos.contains(QUrl::fromLocalFile(pasta)))
            atalhos << QUrl::fromLocalFile(pasta);
    dialogo.setSidebarUrls(atalhos);
    const bool aceito = dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty();
    dialogo.setSidebarUrls(usuais);
    return aceito ? dialogo.selectedFiles().constFirst() : QString();
}

QString TDialogos::Abrir(const QString &titulo, const QString &filtro)
{
    TPedidoArquivo pedido;
    pedido.Titulo = titulo;
    pedido.Filtro = filtro;
    return Perguntar(pedido);
}

QString TDialogos::Salvar(const QString &titulo, const QString &filtro, const QString &proposto,
                          const QString &extensao)
{
    TPedidoArquivo pedido;
    pedido.Salvar = true;
    pedido.Titulo = titulo;
    pedido.Filtro = filtro;
    pedido.Proposto = proposto;
    pedido.Extensao = extensao;
    return Perguntar(pedido);
}

int TDialogos::Executar(QDialog &janela)
{
    if (respondedorJanela())
        return respondedorJanela()(janela);
    const TTecladoDeVolta teclado;
    return janela.exec();
}

TTecladoDeVolta::TTecladoDeVolta()
    : janela(QApplication::activeWindow()), foco(QApplication::focusWidget())
{
}

TTecladoDeVolta::~TTecladoDeVolta()
{
    if (!janela || !janela->isVisible())
        return;
    janela->activateWindow();
    if (foco && foco->isEnabled() && foco->window() == janela)
        foco->setFocus(Qt::ActiveWindowFocusReason);
}

QString TDialogos::FiltroQt(const QString &filtro)
{
    const QStringList partes = filtro.split(u'|');
    QStringList entradas;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        const QString &descricao = partes.at(i);
        const QString &padrao = partes.at(i + 1);
        entradas << (descricao.contains(u'(') ? descricao : descricao + QStringLiteral(" (") + padrao + u')');
    }
    return entradas.join(QStringLiteral(";;"));
}

TDialogos::TRespondedorArquivo TDialogos::DefinirRespondedorArquivo(TRespondedorArquivo respondedor)
{
    return std::exchange(respondedorArquivo(), std::move(respondedor));
}

TDialogos::TRespondedorJanela TDialogos::DefinirRespondedorJanela(TRespondedorJanela respondedor)
{
    return std::exchange(respondedorJanela(), std::move(respondedor));
}
