#pragma once

#include <QString>
#include <QStringList>

// The one rule of every dorvik-cli command that writes a file: the output is
// never one of the command's inputs (the same file on disk, whatever path
// names it), never a folder, device or FIFO, and an existing file is replaced
// only with --force. Throws TErro naming the file.
void VerificarSaida(const QString &saida, const QStringList &entradas, bool forcar);

// "1 destino", "3 destinos": a count with its noun in the singular or plural.
QString Quantidade(qsizetype n, const QString &singular, const QString &plural);
