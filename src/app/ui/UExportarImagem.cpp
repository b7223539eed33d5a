#include "app/ui/UExportarImagem.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>

#include "app/UAnimacaoDestino.h"
#include "app/UImagemDestino.h"
#include "data/UDtmDestino.h"
#include "panel/UErro.h"
#include "panel/ui/UDialogos.h"

using namespace Qt::StringLiterals;

void ExportarImagemDoDestino(TDtm_Destino &dados, int numero)
{
    const QString arquivo = TDialogos::Salvar(u"Exportar Imagem do Destino"_s,
                                              u"Imagem PNG (*.png)|*.png|Animação GIF (*.gif)|*.gif"_s,
                                              u"%1_%2.png"_s.arg(dados.FiltroExtra() ? u"extra"_s : u"destino"_s)
                                                  .arg(numero),
                                              u"png"_s);
    if (arquivo.isEmpty())
        return;
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
}
