#include "app/ui/UExportarImagem.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>

#include "app/UAnimacaoDestino.h"
#include "app/UImagemDestino.h"
#include "app/ui/UDialogosProjeto.h"
#include "data/UDtmDestino.h"
#include "panel/UErro.h"
#include "panel/ui/UDialogos.h"

using namespace Qt::StringLiterals;

QString ExportarImagemDoDestino(TDtm_Destino &dados, int numero)
{
    TPedidoArquivo pedido;
    pedido.Salvar = true;
    pedido.Titulo = u"Exportar Imagem do Destino"_s;
    pedido.Filtro = u"Imagem PNG (*.png)|*.png|Animação GIF (*.gif)|*.gif"_s;
    pedido.Proposto = u"%1_%2.png"_s.arg(dados.FiltroExtra() ? u"extra"_s : u"destino"_s).arg(numero);
    pedido.Extensao = u"png"_s;
    pedido.Pasta = PastaDosProjetos();
    const QString arquivo = TDialogos::Perguntar(pedido);
    if (arquivo.isEmpty())
        return {};
    const QString tipo = QFileInfo(arquivo).suffix().toLower();
    if (tipo != u"png" && tipo != u"gif")
        throw TErro(u"ATENÇÃO:\r\nInforme um nome de arquivo terminado em .png (imagem) ou .gif (animação)."_s);
    // A long animation takes a second or two.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto cursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    TImagemDestino imagem(dados, numero);
    if (tipo == u"png")
        imagem.GravarPng(arquivo);
    else
        TAnimacaoDestino(imagem).GravarGif(arquivo);
    return arquivo;
}
