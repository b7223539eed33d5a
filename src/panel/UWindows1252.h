#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The program stores characters as Windows-1252 bytes (typed text, labels,
// content texts); Qt hands it Unicode.
namespace TWindows1252 {
QString ParaTexto(const QByteArray &bytes);
QString ParaTexto(unsigned char byte);
// The Windows-1252 byte of a character; none when it has no code there.
std::optional<unsigned char> ParaByte(QChar caractere);
// The whole text as bytes; characters without a code become '?'.
QByteArray ParaBytes(const QString &texto);
}
