#include "app/UPenDrive.h"

#include "app/UConfiguracoes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A field of the mount table: spaces, tabs and backslashes come as octal escapes ("\040").
QString campo(const QByteArray &bruto)
{
    QByteArray r;
    for (qsizetype i = 0; i < bruto.size(); ++i) {
        if (bruto[i] == '\\' && i + 3 < bruto.size()) {
            bool ok = false;
            const int codigo = bruto.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                r.append(char(codigo));
                i += 3;
                continue;
            }
        }
        r.append(bruto[i]);
    }
    return QFile::decodeName(r);
}

// The disk a partition belongs to: "sdb1" -> "sdb", "mmcblk0p1" -> "mmcblk0".
QString discoDa(const QString &particao)
{
    static const QRegularExpression numerada(u"^(.*\\d)p\\d+$"_s);
    static const QRegularExpression simples(u"^(\\D+)\\d+$"_s);
    if (const auto m = numerada.match(particao); m.hasMatch())
        return m.captured(1);
    if (const auto m = simples.match(particao); m.hasMatch())
        return m.captured(1);
    return particao;
}

bool removivel(const QString &raiz, const QString &dispositivo)
{
    if (!dispositivo.startsWith(u"/dev/"_s))
        return false;
    const QString disco = discoDa(QFileInfo(dispositivo).fileName());
    const QString pasta = QDir(raiz).filePath(u"sys/block/"_s + disco);
    QFile marca(pasta + u"/removable"_s);
    if (marca.open(QIODevice::ReadOnly) && marca.readAll().trimmed() == "1")
        return true;
    return QFileInfo(pasta).canonicalFilePath().contains(u"/usb"_s);
}

bool dentro(const QString &caminho, const QString &pasta)
{
    return caminho == pasta || caminho.startsWith(pasta.endsWith(u'/') ? pasta : pasta + u'/');
}

} // namespace

QString TUnidadeRemovivel::Nome() const
{
    return QFileInfo(Pasta).fileName();
}

namespace TPenDrive {

QList<TUnidadeRemovivel> UnidadesMontadas(const QString &raiz)
{
    QList<TUnidadeRemovivel> unidades;
    QFile tabela(QDir(raiz).filePath(u"proc/self/mounts"_s));
    if (!tabela.open(QIODevice::ReadOnly))
        return unidades;
    const QDir base(raiz);
    const QStringList lugares{base.filePath(u"media"_s), base.filePath(u"run/media"_s), base.filePath(u"mnt"_s)};
    for (const QByteArray &linha : tabela.readAll().split('\n')) {
        const QList<QByteArray> campos = linha.simplified().split(' ');
        if (campos.size() < 2)
            continue;
        const TUnidadeRemovivel u{QDir::cleanPath(campo(campos[1])), campo(campos[0])};
        const bool lugar = std::any_of(lugares.begin(), lugares.end(),
                                       [&](const QString &l) { return u.Pasta != l && dentro(u.Pasta, l); });
        if (lugar && removivel(raiz, u.Dispositivo))
            unidades.append(u);
    }
    return unidades;
}

std::optional<TUnidadeRemovivel> UnidadeDoArquivo(const QString &arquivo, const QList<TUnidadeRemovivel> &unidades)
{
    const QString caminho = QDir::cleanPath(QFileInfo(arquivo).absoluteFilePath());
    std::optional<TUnidadeRemovivel> achada;
    for (const TUnidadeRemovivel &u : unidades)
        if (dentro(caminho, u.Pasta) && (!achada || u.Pasta.size() > achada->Pasta.size()))
            achada = u;
    return achada;
}

TUltimoDestino Destino(const QString &arquivo, const QList<TUnidadeRemovivel> &unidades)
{
    TUltimoDestino d;
    d.Pasta = QFileInfo(arquivo).absolutePath();
    if (const auto u = UnidadeDoArquivo(arquivo, unidades)) {
        d.Unidade = u->Nome();
        d.PastaNaUnidade = QDir(u->Pasta).relativeFilePath(d.Pasta);
        if (d.PastaNaUnidade == u"."_s)
            d.PastaNaUnidade.clear();
    }
    return d;
}

TUltimoDestino LerUltimoDestino()
{
    return {TConfiguracoes::Ler(u"PenDrive/Unidade"_s).toString(),
            TConfiguracoes::Ler(u"PenDrive/PastaNaUnidade"_s).toString(), TConfiguracoes::Ler(u"PenDrive/Pasta"_s).toString()};
}

void GuardarUltimoDestino(const TUltimoDestino &destino)
{
    TConfiguracoes::Gravar(u"PenDrive/Unidade"_s, destino.Unidade);
    TConfiguracoes::Gravar(u"PenDrive/PastaNaUnidade"_s, destino.PastaNaUnidade);
    TConfiguracoes::Gravar(u"PenDrive/Pasta"_s, destino.Pasta);
}

QString PastaInicial(const QList<TUnidadeRemovivel> &unidades, const TUltimoDestino &ultimo)
{
    for (const TUnidadeRemovivel &u : unidades) {
        if (ultimo.Unidade.isEmpty() || u.Nome() != ultimo.Unidade)
            continue;
        const QString pasta = QDir(u.Pasta).filePath(ultimo.PastaNaUnidade);
        return QFileInfo(pasta).isDir() ? QDir::cleanPath(pasta) : u.Pasta;
    }
    if (!unidades.isEmpty())
        return unidades.first().Pasta;
    if (!ultimo.Pasta.isEmpty() && QFileInfo(ultimo.Pasta).isDir())
        return ultimo.Pasta;
    return {};
}

}
