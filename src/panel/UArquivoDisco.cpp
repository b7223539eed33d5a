#include "panel/UArquivoDisco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {

QString nativo(const QString &arquivo)
{
    return QDir::toNativeSeparators(arquivo);
}

// What a path that is not a regular file is, for the message.
QString tipoDoArquivo(mode_t modo)
{
    if (S_ISDIR(modo))
        return u"é uma pasta"_s;
    if (S_ISCHR(modo) || S_ISBLK(modo))
        return u"é um dispositivo"_s;
    if (S_ISFIFO(modo))
        return u"é um FIFO (pipe)"_s;
    if (S_ISSOCK(modo))
        return u"é um socket"_s;
    return u"não é um arquivo comum"_s;
}

[[noreturn]] void falhaGravar(const QString &arquivo, int codigoErro)
{
    throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, TArquivoDisco::Motivo(codigoErro)));
}

[[noreturn]] void naoRegular(const QString &arquivo, mode_t modo)
{
    throw TErro(u"ATENÇÃO:\r\n\"%1\" não é um arquivo comum: %2."_s.arg(nativo(arquivo), tipoDoArquivo(modo)));
}

TArquivoDisco::TObservadorDisco &observador()
{
    static TArquivoDisco::TObservadorDisco o;
    return o;
}

// The observer's word on a step: 0 to take it, else the errno it fails with.
int observar(TArquivoDisco::TPassoDisco passo, const QString &caminho)
{
    return observador() ? observador()(passo, caminho) : 0;
}

// fsync of an open file, seen by the observer first; false with errno set on failure.
bool sincronizar(int fd, const QString &caminho)
{
    if (const int codigo = observar(TArquivoDisco::TPassoDisco::SincronizarArquivo, caminho)) {
        errno = codigo;
        return false;
    }
    return ::fsync(fd) == 0;
}

bool estado(const QString &arquivo, struct stat &info)
{
    return ::stat(QFile::encodeName(arquivo).constData(), &info) == 0;
}

// write() until every byte is out; false with errno set on failure.
bool escreverTudo(int fd, const QByteArray &bytes)
{
    const char *dados = bytes.constData();
    qsizetype falta = bytes.size();
    while (falta > 0) {
        const ssize_t escritos = ::write(fd, dados, size_t(falta));
        if (escritos < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        dados += escritos;
        falta -= escritos;
    }
    return true;
}

} // namespace

namespace TArquivoDisco {

QString Motivo(int codigoErro)
{
    switch (codigoErro) {
    case EACCES:
    case EPERM:
        return u"permissão negada"_s;
    case ENOSPC:
        return u"não há espaço livre no dispositivo"_s;
    case EDQUOT:
        return u"a cota de disco do usuário foi excedida"_s;
    case ENOENT:
        return u"o arquivo ou a pasta não existe"_s;
    case ENOTDIR:
        return u"uma parte do caminho não é uma pasta"_s;
    case EISDIR:
        return u"é uma pasta"_s;
    case EROFS:
        return u"o dispositivo está protegido contra gravação (somente leitura)"_s;
    case EIO:
        return u"erro de leitura ou gravação no dispositivo"_s;
    case ENAMETOOLONG:
        return u"o nome do arquivo é longo demais"_s;
    case EMFILE:
    case ENFILE:
        return u"há arquivos abertos demais"_s;
    case EFBIG:
        return u"o arquivo é grande demais para o dispositivo"_s;
    default:
        return QString::fromLocal8Bit(std::strerror(codigoErro));
    }
}

void ExigirArquivoRegular(const QString &arquivo)
{
    struct stat info {};
    if (estado(arquivo, info) && !S_ISREG(info.st_mode))
        naoRegular(arquivo, info.st_mode);
}

void ExigirLeitura(const QString &arquivo)
{
    struct stat info {};
    if (!estado(arquivo, info)) {
        if (errno == ENOENT)
            throw TErro(u"ATENÇÃO:\rArquivo não encontrado: %1"_s.arg(nativo(arquivo)));
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\": %2."_s.arg(nativo(arquivo), Motivo(errno)));
    }
    if (!S_ISREG(info.st_mode))
        naoRegular(arquivo, info.st_mode);
    const int fd = ::open(QFile::encodeName(arquivo).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\": %2."_s.arg(nativo(arquivo), Motivo(errno)));
    ::close(fd);
}

bool MesmoArquivo(const QString &a, const QString &b)
{
    struct stat infoA {};
    struct stat infoB {};
    return estado(a, infoA) && estado(b, infoB) && infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

QString MensagemNaoGravou(const QString &arquivo, const QString &motivo)
{
    return u"ATENÇÃO:\r\nNão foi possível gravar o arquivo \"%1\": %2."_s.arg(nativo(arquivo), motivo);
}

QByteArray LerDoDisco(const QString &arquivo)
{
    const auto falha = [&](int codigo) {
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\": %2."_s.arg(nativo(arquivo), Motivo(codigo)));
    };
    const int fd = ::open(QFile::encodeName(arquivo).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        falha(errno);
    const auto fechar = qScopeGuard([fd] { ::close(fd); });
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    QByteArray bytes;
    char bloco[65536];
    for (;;) {
        const ssize_t lidos = ::read(fd, bloco, sizeof bloco);
        if (lidos < 0 && errno == EINTR)
            continue;
        if (lidos < 0)
            falha(errno);
        if (lidos == 0)
            return bytes;
        bytes.append(bloco, lidos);
    }
}

TObservadorDisco DefinirObservador(TObservadorDisco novo)
{
    return std::exchange(observador(), std::move(novo));
}

void SincronizarPasta(const QString &caminho, const QString &arquivo)
{
    const QString pasta = QFileInfo(caminho).absolutePath();
    if (const int codigo = observar(TPassoDisco::SincronizarPasta, pasta))
        falhaGravar(arquivo, codigo);
    const int fd = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        falhaGravar(arquivo, errno);
    const int resultado = ::fsync(fd);
    const int codigo = errno;
    ::close(fd);
    // Some file systems keep no folder to flush (EINVAL): nothing more can be done there.
    if (resultado != 0 && codigo != EINVAL && codigo != ENOTSUP)
        falhaGravar(arquivo, codigo);
}

void Renomear(const QString &de, const QString &para, const QString &arquivo)
{
    if (const int codigo = observar(TPassoDisco::Renomear, para))
        falhaGravar(arquivo, codigo);
    if (::rename(QFile::encodeName(de).constData(), QFile::encodeName(para).constData()) != 0)
        falhaGravar(arquivo, errno);
    SincronizarPasta(para, arquivo);
}

void SubstituirAtomico(const QString &arquivo, const std::function<void(const QString &temporario)> &escrever)
{
    if (arquivo.trimmed().isEmpty())
        throw TErro(u"ATENÇÃO:\r\nInforme o nome do arquivo."_s);
    ExigirArquivoRegular(arquivo);
    const QFileInfo info(arquivo);
    const QString destino = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();

    QByteArray temporario = QFile::encodeName(destino) + ".XXXXXX";
    const int fd = ::mkstemp(temporario.data());
    if (fd < 0)
        falhaGravar(arquivo, errno);
    ::close(fd);
    bool renomeado = false;
    const auto limpar = qScopeGuard([&] {
        if (!renomeado)
            ::unlink(temporario.constData());
    });
    escrever(QFile::decodeName(temporario));

    struct stat anterior {};
    const mode_t modo = estado(destino, anterior) ? (anterior.st_mode & 07777) : [] {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        return mode_t(0666 & ~mascara);
    }();
    if (::chmod(temporario.constData(), modo) != 0)
        falhaGravar(arquivo, errno);
    // Whatever wrote it, the new file's bytes are on the disk before its name is.
    const int novo = ::open(temporario.constData(), O_RDONLY | O_CLOEXEC);
    if (novo < 0)
        falhaGravar(arquivo, errno);
    const bool sincronizado = sincronizar(novo, QFile::decodeName(temporario));
    const int codigo = errno;
    ::close(novo);
    if (!sincronizado)
        falhaGravar(arquivo, codigo);
    // Once renamed, the temporary name is gone: a failed flush of the folder
    // after it has nothing left to remove.
    Renomear(QFile::decodeName(temporario), destino, arquivo);
    renomeado = true;
}

void GravarAtomico(const QString &arquivo, const QByteArray &bytes)
{
    SubstituirAtomico(arquivo, [&](const QString &temporario) {
        const int fd = ::open(QFile::encodeName(temporario).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0)
            falhaGravar(arquivo, errno);
        if (!escreverTudo(fd, bytes)) {
            const int codigo = errno;
            ::close(fd);
            falhaGravar(arquivo, codigo);
        }
        if (::close(fd) != 0)
            falhaGravar(arquivo, errno);
    });
}

} // namespace TArquivoDisco
