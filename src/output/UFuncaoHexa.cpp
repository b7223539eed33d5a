#include "output/UFuncaoHexa.h"

#include "panel/UErro.h"

void TFuncaoHexa::Gravar(qint64 valor, int n, QByteArray &stream, bool inverter)
{
    if (n < 1 || n > 4 || valor < 0 || valor >= (qint64(1) << (8 * n)))
        throw TErro(QStringLiteral("ATENÇÃO:\r\nO valor %1 não cabe em %2 byte(s) do arquivo.").arg(valor).arg(n));
    for (int i = 0; i < n; ++i) {
        const int deslocamento = inverter ? 8 * i : 8 * (n - 1 - i);
        stream.append(char((valor >> deslocamento) & 0xFF));
    }
}
