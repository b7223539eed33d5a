#include "output/UGravacaoArquivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {

QString nativo(const QString &arquivo)
{
    return QDir::toNativeSeparators(arquivo);
}

// A copy of the file under a new temporary name beside its backup: a hard
// link where the file system has them (no space needed, the old bytes stay
// exactly as they are), else the bytes written anew (a FAT pen drive).
// A failure names the file the operator chose (a read-only drive refuses the
// copy before anything else): never the temporary copy.
QString copiaDoAnterior(const QString &arquivo, const QByteArray &anterior, const TGravarNoDisco &gravar)
{
    QByteArray nome = QFile::encodeName(ArquivoAnterior(arquivo)) + ".XXXXXX";
    const int fd = ::mkstemp(nome.data());
    if (fd < 0)
        throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, TArquivoDisco::Motivo(errno)));
    ::close(fd);
    const QString copia = QFile::decodeName(nome);
    if (::unlink(nome.constData()) == 0
        && ::linkat(AT_FDCWD, QFile::encodeName(arquivo).constData(), AT_FDCWD, nome.constData(), AT_SYMLINK_FOLLOW)
               == 0)
        return copia;
    try {
        gravar(copia, anterior);
    } catch (const TErro &e) {
        QFile::remove(copia);
        throw TErro(QString(e.Mensagem).replace(nativo(copia), nativo(arquivo)));
    }
    return copia;
}

// What differs between the bytes meant and the bytes read; empty when equal.
QString diferenca(const QString &arquivo, const QByteArray &esperado, const QByteArray &lido)
{
    if (lido.size() != esperado.size())
        return u"\"%1\" tem %2 bytes e deveria ter %3"_s.arg(nativo(arquivo)).arg(lido.size()).arg(esperado.size());
    for (qsizetype i = 0; i < lido.size(); ++i)
        if (lido[i] != esperado[i])
            return u"em \"%1\", o byte da posição %2 vale %3 e deveria valer %4"_s.arg(nativo(arquivo))
                .arg(i)
                .arg(quint8(lido[i]))
                .arg(quint8(esperado[i]));
    return {};
}

QString mensagemNaoConfere(const QString &motivo, const QString &desfecho)
{
    return u"ATENÇÃO:\r\nO Archivo gravado no PenDrive não confere com o gerado: %1.\r\n%2"_s.arg(motivo, desfecho);
}

} // namespace

QString ArquivoAnterior(const QString &arquivo)
{
    return arquivo + u".bak"_s;
}

bool GravarArquivoSaida(const QString &arquivo, const QByteArray &bytes,
                        const std::function<bool(const QString &arquivo)> &confirmar, const TGravarNoDisco &gravar)
{
    const TGravarNoDisco escrever = gravar ? gravar : TGravarNoDisco(TArquivoDisco::GravarAtomico);
    // A folder or a device is refused before the operator is asked to replace it.
    TArquivoDisco::ExigirArquivoRegular(arquivo);
    const bool existia = QFileInfo::exists(arquivo);
    if (existia)
        TArquivoDisco::ExigirArquivoRegular(ArquivoAnterior(arquivo));
    if (existia && !(confirmar && confirmar(arquivo)))
        return false;

    QString copia; // the previous file under a temporary name until the new one is checked
    if (existia)
        copia = copiaDoAnterior(arquivo, TArquivoDisco::LerDoDisco(arquivo), escrever);
    const auto descartarCopia = qScopeGuard([&] {
        if (!copia.isEmpty())
            QFile::remove(copia);
    });
    const QString destino = QFileInfo(arquivo).isSymLink() ? QFileInfo(arquivo).canonicalFilePath() : arquivo;
    try {
        escrever(arquivo, bytes);
    } catch (const TErro &erro) {
        // The new file may be in place already, its folder not flushed: what
        // was there before comes back (or the new file goes, when there was none).
        // (A failure before the rename leaves the previous file, the copy's other name, in place.)
        if (!copia.isEmpty() && !TArquivoDisco::MesmoArquivo(copia, destino)) {
            try {
                TArquivoDisco::Renomear(copia, destino, arquivo);
                copia.clear();
            } catch (const TErro &) {
            }
        } else if (copia.isEmpty() && QFileInfo::exists(arquivo)) {
            QFile::remove(arquivo);
        }
        throw TErro(erro.Mensagem + (existia ? u"\r\nO arquivo anterior foi mantido."_s : QString()));
    }

    QString motivo;
    try {
        motivo = diferenca(arquivo, bytes, TArquivoDisco::LerDoDisco(arquivo));
    } catch (const TErro &e) {
        motivo = e.Mensagem.section(u"\r\n"_s, 1);
        if (motivo.endsWith(u'.'))
            motivo.chop(1);
    }
    if (motivo.isEmpty()) {
        if (!copia.isEmpty()) {
            try {
                TArquivoDisco::Renomear(copia, ArquivoAnterior(arquivo), ArquivoAnterior(arquivo));
            } catch (const TErro &e) {
                throw TErro(e.Mensagem + u"\r\nO arquivo novo foi gravado e conferido; a cópia do anterior não foi "
                                         "guardada."_s);
            }
        }
        copia.clear();
        return true;
    }

    // The previous file goes back under its name; without one, the bad file goes.
    if (copia.isEmpty()) {
        if (QFile::remove(arquivo)) {
            TArquivoDisco::SincronizarPasta(arquivo, arquivo);
            throw TErro(mensagemNaoConfere(motivo, u"O arquivo gravado foi apagado."_s));
        }
        throw TErro(mensagemNaoConfere(motivo, u"Não foi possível apagar o arquivo gravado: apague-o antes de usar "
                                               "o PenDrive."_s));
    }
    if (::rename(QFile::encodeName(copia).constData(), QFile::encodeName(destino).constData()) == 0) {
        copia.clear();
        TArquivoDisco::SincronizarPasta(destino, arquivo);
        throw TErro(mensagemNaoConfere(motivo, u"O arquivo anterior foi restaurado."_s));
    }
    const QString falha = TArquivoDisco::Motivo(errno);
    if (::rename(QFile::encodeName(copia).constData(), QFile::encodeName(ArquivoAnterior(arquivo)).constData()) == 0)
        copia.clear();
    throw TErro(mensagemNaoConfere(motivo, u"Não foi possível restaurar o arquivo anterior (%1); ele está em \"%2\"."_s
                                               .arg(falha, nativo(ArquivoAnterior(arquivo)))));
}
