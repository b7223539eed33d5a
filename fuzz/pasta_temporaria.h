#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A folder for the files a fuzz target writes, in memory (/dev/shm) where the
// machine has it: the writers flush every file to the disk.
inline const QTemporaryDir &PastaTemporaria()
{
    static const QTemporaryDir pasta(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                         ? QStringLiteral("/dev/shm/dorvik-fuzz-XXXXXX")
                                         : QDir::tempPath() + QStringLiteral("/dorvik-fuzz-XXXXXX"));
    return pasta;
}

inline bool GravarSimples(const QString &arquivo, const QByteArray &bytes)
{
    QFile f(arquivo);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
