#include "data/ULeituraValor.h"

#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void LeituraInvalida(const QVariant &valor, const QString &coluna, const QString &tipo)
{
    throw TErro(u"ATENÇÃO:\r\nO valor da coluna %1 não pode ser lido como %2."_s.arg(coluna, tipo)
                + (valor.metaType().id() == QMetaType::QString ? u" (\"%1\")"_s.arg(valor.toString())
                                                                : QString()));
}

} // namespace

namespace TLeituraValor {

int ComoInteiro(const QVariant &valor, const QString &coluna)
{
    switch (valor.metaType().id()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::Int:
    case QMetaType::Bool:
        return valor.toInt();
    case QMetaType::QString: {
        bool ok = false;
        const int numero = valor.toString().trimmed().toInt(&ok);
        if (ok)
            return numero;
        break;
    }
    default:
        break;
    }
    LeituraInvalida(valor, coluna, u"número inteiro"_s);
}

bool ComoBooleano(const QVariant &valor, const QString &coluna)
{
    switch (valor.metaType().id()) {
    case QMetaType::UnknownType:
        return false;
    case QMetaType::Int:
    case QMetaType::Bool:
        return valor.toInt() != 0;
    case QMetaType::QString: {
        const QString texto = valor.toString().trimmed();
        if (texto.compare(u"True"_s, Qt::CaseInsensitive) == 0)
            return true;
        if (texto.compare(u"False"_s, Qt::CaseInsensitive) == 0)
            return false;
        break;
    }
    default:
        break;
    }
    LeituraInvalida(valor, coluna, u"lógico"_s);
}

QString ComoTexto(const QVariant &valor, const QString &coluna)
{
    switch (valor.metaType().id()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Int:
        return QString::number(valor.toInt());
    case QMetaType::Bool:
        return valor.toBool() ? u"True"_s : u"False"_s;
    case QMetaType::QString:
        return valor.toString();
    default:
        break;
    }
    LeituraInvalida(valor, coluna, u"texto"_s);
}

QByteArray ComoBytes(const QVariant &valor, const QString &coluna)
{
    switch (valor.metaType().id()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::QByteArray:
        return valor.toByteArray();
    default:
        break;
    }
    LeituraInvalida(valor, coluna, u"bytes"_s);
}

} // namespace TLeituraValor
