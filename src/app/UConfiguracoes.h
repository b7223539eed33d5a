#pragma once

#include <QString>
#include <QVariant>

// The user's settings of the program, kept from one run to the next in
// ~/.config/dorvik/dorvik.ini: the folders and the pen drive used last.
namespace TConfiguracoes {
QVariant Ler(const QString &chave);
void Gravar(const QString &chave, const QVariant &valor);
}
