#include "app/UConfiguracoes.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace TConfiguracoes {

QVariant Ler(const QString &chave)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"dorvik"_s, u"dorvik"_s).value(chave);
}

void Gravar(const QString &chave, const QVariant &valor)
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, u"dorvik"_s, u"dorvik"_s).setValue(chave, valor);
}

}
