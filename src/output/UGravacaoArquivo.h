#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// How bytes reach the disk: writes them to the file, replacing it whole or not
// at all, and throws TErro on failure. Unset, TArquivoDisco::GravarAtomico.
using TGravarNoDisco = std::function<void(const QString &arquivo, const QByteArray &bytes)>;

// Writes the sign controller file so that what a pen drive holds can be
// trusted:
// - When the target exists, confirmar is asked first (unset counts as No); any
//   answer but true leaves everything untouched and returns false.
// - The file being replaced is first kept beside it as ArquivoAnterior(arquivo)
//   ("NAME.art.bak", one generation, replaced each time); that name never ends
//   in ".art", so a controller cannot take it for a file of its own.
// - The bytes go through a temporary file that replaces the target only when
//   complete, then are read back from the disk and compared byte for byte. A
//   difference (or a failed read) puts the previous file back (or removes the
//   new one when there was none) and throws TErro saying so.
// Throws TErro when the file cannot be written, and for a target or backup
// path that is not a regular file (a folder, a device), before asking; every
// failure leaves the target and its backup as they were.
bool GravarArquivoSaida(const QString &arquivo, const QByteArray &bytes,
                        const std::function<bool(const QString &arquivo)> &confirmar,
                        const TGravarNoDisco &gravar = {});

// Where the previous file is kept: the name with ".bak" appended.
QString ArquivoAnterior(const QString &arquivo);
