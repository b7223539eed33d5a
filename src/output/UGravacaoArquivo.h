#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Writes bytes to a file through a temporary file beside it that replaces the
// target only when complete, so a failure never leaves a partial file. When
// the target exists, confirmar is asked first (unset counts as No); any answer
// but true leaves the file untouched and returns false. Throws TErro when the
// file cannot be written, and for a target that is not a regular file (a
// folder, a device), before asking.
bool GravarArquivoSaida(const QString &arquivo, const QByteArray &bytes,
                        const std::function<bool(const QString &arquivo)> &confirmar);
