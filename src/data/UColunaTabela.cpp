#include "data/UColunaTabela.h"

#include "panel/UErro.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

bool EhInteiro(const QVariant &valor)
{
    switch (valor.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void ValorInvalido(const TColunaTabela &coluna, const QVariant &valor)
{
    throw TErro(u"ATENÇÃO:\r\nO valor \"%1\" (%2) não serve para a coluna %3."_s.arg(
        valor.toString(), QString::fromLatin1(valor.typeName()), coluna.Nome));
}

QVariant NormalizarInteiro(const TColunaTabela &coluna, const QVariant &valor)
{
    if (!EhInteiro(valor))
        ValorInvalido(coluna, valor);
    const bool semSinal = valor.metaType().id() == QMetaType::ULongLong
        || valor.metaType().id() == QMetaType::ULong || valor.metaType().id() == QMetaType::UInt;
    if (semSinal) {
        if (valor.toULongLong() > quint64(std::numeric_limits<int>::max()))
            ValorInvalido(coluna, valor);
        return QVariant(int(valor.toULongLong()));
    }
    const qlonglong numero = valor.toLongLong();
    if (numero < std::numeric_limits<int>::min() || numero > std::numeric_limits<int>::max())
        ValorInvalido(coluna, valor);
    return QVariant(int(numero));
}

int Sinal(auto a, auto b) { return a < b ? -1 : (b < a ? 1 : 0); }

} // namespace

QVariant TColunaTabela::Normalizar(const QVariant &valor) const
{
    if (valor.isNull())
        return {};
    switch (Tipo) {
    case TTipoColuna::Inteiro:
        return NormalizarInteiro(*this, valor);
    case TTipoColuna::Booleano:
        if (valor.metaType().id() != QMetaType::Bool)
            ValorInvalido(*this, valor);
        return valor;
    case TTipoColuna::Texto: {
        if (valor.metaType().id() != QMetaType::QString)
            ValorInvalido(*this, valor);
        QString texto = valor.toString();
        if (Tamanho > 0 && texto.size() > Tamanho)
            texto.truncate(Tamanho);
        return texto.isEmpty() ? QVariant() : QVariant(texto);
    }
    case TTipoColuna::Blob:
        if (valor.metaType().id() != QMetaType::QByteArray)
            ValorInvalido(*this, valor);
        return valor.toByteArray().isEmpty() ? QVariant() : valor;
    }
    return {};
}

int CompararValores(TTipoColuna tipo, const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return Sinal(!a.isNull(), !b.isNull());
    switch (tipo) {
    case TTipoColuna::Inteiro:
        return Sinal(a.toInt(), b.toInt());
    case TTipoColuna::Booleano:
        return Sinal(a.toBool(), b.toBool());
    case TTipoColuna::Texto:
        return QString::compare(a.toString(), b.toString());
    case TTipoColuna::Blob:
        return Sinal(a.toByteArray(), b.toByteArray());
    }
    return 0;
}

bool ValoresIguais(TTipoColuna tipo, const QVariant &a, const QVariant &b, bool vazioComoZero)
{
    if (vazioComoZero && tipo == TTipoColuna::Inteiro)
        return a.toInt() == b.toInt();
    if (vazioComoZero && tipo == TTipoColuna::Booleano)
        return a.toBool() == b.toBool();
    return CompararValores(tipo, a, b) == 0;
}
