#include "panel/UWindows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace {
// Byte -> Unicode for the whole code page, built once from Qt's decoder.
const std::array<char16_t, 256> &tabela()
{
    static const std::array<char16_t, 256> t = [] {
        std::array<char16_t, 256> r{};
        QStringDecoder decodificador("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QString s = decodificador.decode(QByteArrayView(&c, 1));
            r[b] = s.isEmpty() ? char16_t(b) : s.at(0).unicode();
        }
        return r;
    }();
    return t;
}
}

QString TWindows1252::ParaTexto(const QByteArray &bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        texto[i] = QChar(tabela()[static_cast<unsigned char>(bytes[i])]);
    return texto;
}

QString TWindows1252::ParaTexto(unsigned char byte)
{
    return QString(QChar(tabela()[byte]));
}

std::optional<unsigned char> TWindows1252::ParaByte(QChar caractere)
{
    const char16_t u = caractere.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int b = 0x80; b < 0xA0; ++b)
        if (tabela()[b] == u)
            return static_cast<unsigned char>(b);
    return std::nullopt;
}

QByteArray TWindows1252::ParaBytes(const QString &texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (QChar c : texto)
        bytes.append(static_cast<char>(ParaByte(c).value_or('?')));
    return bytes;
}
