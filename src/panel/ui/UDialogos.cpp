#include "panel/ui/UDialogos.h"

#include <QApplication>
#include <QDir>
#include <QUrl>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringList>
#include <QTreeView>
#include <utility>

using namespace Qt::StringLiterals;

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

// Qt's dialog opens small, with the size, kind and date of the files cut
// ("96....KiB"): wider, and those columns as wide as what they show.
void mostrarColunasInteiras(QFileDialog &dialogo)
{
    dialogo.resize(std::max(dialogo.width(), 900), std::max(dialogo.height(), 540));
    auto *lista = dialogo.findChild<QTreeView *>(u"treeView"_s);
    auto *modelo = dialogo.findChild<QFileSystemModel *>();
    if (!lista || !modelo)
        return;
    QObject::connect(modelo, &QFileSystemModel::directoryLoaded, lista, [lista] {
        for (int coluna = 1; coluna < lista->model()->columnCount(); ++coluna)
            lista->resizeColumnToContents(coluna);
    });
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
    mostrarColunasInteiras(dialogo);
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

int LarguraDoTitulo(const QWidget &janela)
{
    // Title bars draw the caption in a bold face; the icon and three buttons take about 110 pixels.
    QFont fonte = QApplication::font();
    fonte.setBold(true);
    return QFontMetrics(fonte).horizontalAdvance(janela.windowTitle()) + 110;
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

TBotoesDialogo BotoesDoDialogo(QDialog &janela, const QString &texto, const QString &nome)
{
    auto *linha = new QHBoxLayout;
    linha->addStretch();
    auto *confirmar = new QPushButton(texto, &janela);
    confirmar->setObjectName(nome);
    confirmar->setDefault(true);
    auto *cancelar = new QPushButton(QStringLiteral("Cancelar"), &janela);
    cancelar->setObjectName(QStringLiteral("Btn_Cancelar"));
    linha->addWidget(confirmar);
    linha->addWidget(cancelar);
    QObject::connect(confirmar, &QPushButton::clicked, &janela, &QDialog::accept);
    QObject::connect(cancelar, &QPushButton::clicked, &janela, &QDialog::reject);
    return {linha, confirmar, cancelar};
}
