#include "data/URotuloPartes.h"

#include <array>

namespace {
constexpr std::array<TCor, 8> coresDasPartes{0x00000000, 0x00008000, 0x006AB5FF, 0x00000080,
                                             0x00C0C0C0, 0x00F0CAA6, 0x006AB5FF, 0x0000FF00};
}

QList<TParteRotulo> PartesDoRotulo(const QString &rotulo)
{
    QList<TParteRotulo> partes;
    QString parte;
    const auto terminar = [&] {
        if (parte.trimmed().isEmpty())
            return;
        const size_t numero = std::min(size_t(partes.size()), coresDasPartes.size() - 1);
        partes.append({u'[' + parte + u']', coresDasPartes[numero]});
        parte.clear();
    };
    for (const QChar c : rotulo) {
        if (c == u'|')
            terminar();
        else
            parte += c;
    }
    terminar();
    return partes;
}
