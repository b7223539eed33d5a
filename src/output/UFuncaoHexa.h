#pragma once

#include <QByteArray>
#include <QtGlobal>

// The number writer of the sign controller file. Every number in the file is
// unsigned and has a fixed width; a field that grew by a byte would shift
// every byte after it, so a value that does not fit is refused, never widened.
class TFuncaoHexa {
public:
    // Appends valor as exactly n bytes (1 to 4), least significant first when
    // inverter is set (as every field of the file is written), most significant
    // first otherwise. Throws TErro when valor is outside 0 .. 256^n - 1; the
    // builder checks each field with its own message before it gets here.
    static void Gravar(qint64 valor, int n, QByteArray &stream, bool inverter);
};
