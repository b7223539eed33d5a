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

// Writes the bytes to a new file beside the target, flushes it to the disk,
// renames it over the target and flushes the folder, so that the target is
// either the old file or the new one, never a part, and the new one stays
// when the drive is pulled out right after. An existing target keeps its
// permissions; a symbolic link is followed and its target replaced. Throws
// TErro with the message "ATENÇÃO:\r\nNão foi possível gravar o arquivo
// "<file>": <reason>." A failure before the rename leaves the target as it
// was; one flushing the folder after it leaves the new file in place.
void GravarAtomico(const QString &arquivo, const QByteArray &bytes);

// As GravarAtomico, for writers that need a path rather than bytes: escrever
// fills the new file, given its path (it exists, empty), and throws TErro on
// failure; the file is then flushed and replaces the target.
void SubstituirAtomico(const QString &arquivo, const std::function<void(const QString &temporario)> &escrever);

// The steps that make a write last, in the order they happen: a file's bytes
// flushed, a rename, a folder's entries flushed. A rename that only lives in
// the page cache is lost with a pen drive pulled out: every rename here is
// followed by the flush of its folder.
enum class TPassoDisco { SincronizarArquivo, Renomear, SincronizarPasta };
// Sees every step before it is taken, with the path it acts on (a rename's
// new name, a folder's path); a non-zero errno it returns makes the step fail
// with that reason. Tests watch the order and make a step fail; unset, nothing.
using TObservadorDisco = std::function<int(TPassoDisco passo, const QString &caminho)>;
TObservadorDisco DefinirObservador(TObservadorDisco observador);

// Renames de over para (replacing it) and flushes the folder. Throws TErro
// naming arquivo, the file the operator knows.
void Renomear(const QString &de, const QString &para, const QString &arquivo);
// Flushes the entries of the folder that holds caminho to the disk. Throws
// TErro naming arquivo; a file system that cannot flush a folder is left as it is.
void SincronizarPasta(const QString &caminho, const QString &arquivo);

// The whole file as the device holds it: the cached pages of the file are
// dropped first (they are clean once written with GravarAtomico), so that a
// read-back checks what reached the disk. Throws TErro naming the file.
QByteArray LerDoDisco(const QString &arquivo);

// The message of a failed write, as GravarAtomico raises it.
QString MensagemNaoGravou(const QString &arquivo, const QString &motivo);

}
