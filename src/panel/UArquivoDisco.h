#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Reading and writing files on disk with messages the operator can act on:
// each failure raises TErro naming the file and the system's reason, in
// Portuguese for the reasons an operator meets ("permissão negada", "não há
// espaço livre no dispositivo").
namespace TArquivoDisco {

// The system's reason for an errno value.
QString Motivo(int codigoErro);

// Throws when the path exists and is not a regular file (a folder, a device,
// a FIFO): such a path is never read as a file nor replaced by one.
void ExigirArquivoRegular(const QString &arquivo);

// Throws unless the path is an existing regular file that this process can
// open for reading; the message says which of these it is not.
void ExigirLeitura(const QString &arquivo);

// True when both paths name the same file on disk (links and relative paths
// included); false when either does not exist.
bool MesmoArquivo(const QString &a, const QString &b);

// Writes the bytes to a new file beside the target, flushes it to the disk
// and renames it over the target, so the target is either the old file or the
// new one, never a part. An existing target keeps its permissions; a symbolic
// link is followed and its target replaced. Throws TErro with the message
// "ATENÇÃO:\r\nNão foi possível gravar o arquivo "<file>".\r\n<reason>" and
// leaves the target as it was.
void GravarAtomico(const QString &arquivo, const QByteArray &bytes);

// As GravarAtomico, for writers that need a path rather than bytes: escrever
// fills the new file, given its path (it exists, empty), and throws TErro on
// failure; the file then replaces the target.
void SubstituirAtomico(const QString &arquivo, const std::function<void(const QString &temporario)> &escrever);

// The whole file as the device holds it: the cached pages of the file are
// dropped first (they are clean once written with GravarAtomico), so that a
// read-back checks what reached the disk. Throws TErro naming the file.
QByteArray LerDoDisco(const QString &arquivo);

// The message of a failed write, as GravarAtomico raises it.
QString MensagemNaoGravou(const QString &arquivo, const QString &motivo);

}
