#pragma once

#include <QString>

// The name a file dialog returned, with the extension (".ar1") appended when
// the name has none; a name with another extension keeps it.
QString NomeComExtensao(const QString &nome, const QString &extensao);
