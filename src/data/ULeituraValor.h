#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Reading a stored value as another type, as the classic field readers do.
// An empty (null) value reads as 0, false, "" or no bytes. Integers and
// booleans read as text ("7", "True"/"False") and text reads as an integer or
// boolean when it spells one; bytes read only as bytes. Anything else throws
// TErro naming the column.
namespace TLeituraValor {
int ComoInteiro(const QVariant &valor, const QString &coluna);
bool ComoBooleano(const QVariant &valor, const QString &coluna);
QString ComoTexto(const QVariant &valor, const QString &coluna);
QByteArray ComoBytes(const QVariant &valor, const QString &coluna);
}
