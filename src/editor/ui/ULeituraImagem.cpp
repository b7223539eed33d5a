#include "editor/ui/ULeituraImagem.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {
bool ehSvg(const QString &arquivo, const QByteArray &dados)
{
    const QString sufixo = QFileInfo(arquivo).suffix().toLower();
    if (sufixo == u"svg"_s || sufixo == u"svgz"_s)
        return true;
    const QByteArray inicio = dados.left(256).trimmed();
    return inicio.startsWith("<?xml") || inicio.startsWith("<svg");
}

TErro danificado(const QString &arquivo)
{
    return TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" não é uma imagem PNG, JPEG, BMP ou SVG que se possa ler: "
                 u"está danificado ou é de outro tipo."_s.arg(QDir::toNativeSeparators(arquivo)));
}

QImage desenharSvg(const QString &arquivo, const QByteArray &dados)
{
    QSvgRenderer svg(dados);
    const QSize natural = svg.defaultSize();
    if (!svg.isValid() || natural.isEmpty())
        throw danificado(arquivo);
    QImage imagem(natural.scaled(LadoMaiorSvg, LadoMaiorSvg, Qt::KeepAspectRatio),
                  QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    svg.render(&pintor);
    return imagem;
}
}

QImage LerImagem(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\"."_s.arg(QDir::toNativeSeparators(arquivo)));
    const QByteArray dados = f.readAll();
    if (dados.isEmpty())
        throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" está vazio."_s.arg(QDir::toNativeSeparators(arquivo)));
    if (ehSvg(arquivo, dados))
        return desenharSvg(arquivo, dados);
    QBuffer buffer;
    buffer.setData(dados);
    buffer.open(QIODevice::ReadOnly);
    QImageReader leitor(&buffer);
    leitor.setDecideFormatFromContent(true);
    const QImage imagem = leitor.read();
    if (imagem.isNull())
        throw danificado(arquivo);
    return imagem;
}
