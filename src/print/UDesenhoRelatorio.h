#pragma once

#include "print/URelatorioPagina.h"

#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// The one painting of report pages, for every device: the preview, the
// printer and the PDF receive the same pages painted the same way.

// A4 landscape without margins: the pages carry the report's own.
QPageLayout LayoutDoPapel();

// Paints a page so that the paper fills `papel` (device units), keeping its
// proportions and centred when the target has another shape.
void DesenharPagina(QPainter &pintor, const TPaginaRelatorio &pagina, const QRectF &papel);

// Called after each page with the percentage of the pages done.
using TProgresso = std::function<void(int percentual)>;

// Paints the pages primeira..ultima (0-based, both included) one per sheet
// onto a device that covers the whole paper (LayoutDoPapel, full page).
// False when painting cannot start on the device.
bool DesenharPaginas(QPagedPaintDevice &dispositivo, const QList<TPaginaRelatorio> &paginas, int primeira,
                     int ultima, const TProgresso &progresso = {});

// Writes every page to a PDF file, atomically (the old file stays when the
// write fails). Throws TErro naming the file and the reason.
void GravarPdf(const QList<TPaginaRelatorio> &paginas, const QString &titulo, const QString &arquivo,
               const TProgresso &progresso = {});
