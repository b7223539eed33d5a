#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace Fixture {

// The text of each page of a PDF as pdftotext (poppler-utils) extracts it
// line by line as printed (-layout), every run of blanks and line breaks
// written as one blank; a single entry saying why when it fails.
inline QStringList PaginasDoPdf(const QString &pdf)
{
    QProcess processo;
    processo.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                                 QStringLiteral("-")});
    if (!processo.waitForFinished(30000) || processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0)
        return {QStringLiteral("pdftotext falhou: ") + QString::fromUtf8(processo.readAllStandardError())};
    QStringList paginas = QString::fromUtf8(processo.readAllStandardOutput()).split(QChar(u'\f'));
    paginas.removeLast(); // what follows the last page's form feed
    for (QString &p : paginas)
        p = p.simplified();
    return paginas;
}
}
