#include "print/UDesenhoRelatorio.h"

#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
constexpr double espessuraFio = 0.25; // mm

QRectF emUnidades(const QRectF &mm)
{
    return {mm.x() * UnidadesPorMm, mm.y() * UnidadesPorMm, mm.width() * UnidadesPorMm,
            mm.height() * UnidadesPorMm};
}

void desenharTexto(QPainter &pintor, const TTextoBanda &texto)
{
    pintor.setFont(FonteQt(texto.Fonte));
    QRectF linha = emUnidades(QRectF(texto.Caixa.topLeft(), QSizeF(texto.Caixa.width(), texto.AlturaLinha)));
    for (const QString &l : texto.Linhas) {
        pintor.drawText(linha, int(texto.Alinhamento | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip), l);
        linha.translate(0, texto.AlturaLinha * UnidadesPorMm);
    }
}

void desenharBanda(QPainter &pintor, const TBandaPagina &banda)
{
    pintor.save();
    pintor.translate(banda.Origem * UnidadesPorMm);
    pintor.fillRect(emUnidades(QRectF(0, 0, banda.Largura, banda.Altura)), banda.Cor);
    pintor.setPen(QPen(Qt::black, espessuraFio * UnidadesPorMm, Qt::SolidLine, Qt::FlatCap));
    for (const TFioBanda &fio : banda.Fios)
        pintor.drawLine(QPointF(fio.X1, fio.Y) * UnidadesPorMm, QPointF(fio.X2, fio.Y) * UnidadesPorMm);
    pintor.setPen(Qt::black);
    for (const TTextoBanda &texto : banda.Textos)
        desenharTexto(pintor, texto);
    pintor.restore();
}
}

QPageLayout LayoutDoPapel()
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void DesenharPagina(QPainter &pintor, const TPaginaRelatorio &pagina, const QRectF &papel)
{
    const double porMm = std::min(papel.width() / TPapel::Largura, papel.height() / TPapel::Altura);
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    pintor.translate(papel.center() - QPointF(TPapel::Largura, TPapel::Altura) * porMm / 2);
    pintor.scale(porMm / UnidadesPorMm, porMm / UnidadesPorMm);
    pintor.fillRect(QRectF(0, 0, TPapel::Largura * UnidadesPorMm, TPapel::Altura * UnidadesPorMm), Qt::white);
    for (const TBandaPagina &banda : pagina.Bandas)
        desenharBanda(pintor, banda);
    pintor.restore();
}

bool DesenharPaginas(QPagedPaintDevice &dispositivo, const QList<TPaginaRelatorio> &paginas, int primeira,
                     int ultima, const TProgresso &progresso)
{
    QPainter pintor;
    if (!pintor.begin(&dispositivo))
        return false;
    const int quantas = ultima - primeira + 1;
    for (int i = primeira; i <= ultima; ++i) {
        if (i > primeira)
            dispositivo.newPage();
        DesenharPagina(pintor, paginas.at(i), QRectF(0, 0, dispositivo.width(), dispositivo.height()));
        if (progresso)
            progresso((i - primeira + 1) * 100 / quantas);
    }
    return pintor.end();
}

void GravarPdf(const QList<TPaginaRelatorio> &paginas, const QString &titulo, const QString &arquivo,
               const TProgresso &progresso)
{
    // Built in memory, then written as a whole: a failed write never leaves half a PDF.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter escritor(&bytes);
        escritor.setPageLayout(LayoutDoPapel());
        escritor.setTitle(titulo);
        if (paginas.isEmpty())
            throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, u"o relatório não tem páginas"_s));
        if (!DesenharPaginas(escritor, paginas, 0, int(paginas.size()) - 1, progresso))
            throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, u"as páginas não puderam ser desenhadas"_s));
    }
    TArquivoDisco::GravarAtomico(arquivo, bytes.data());
}
