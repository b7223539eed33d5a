#include "cli/USaidaCli.h"

#include <QDir>
#include <QFileInfo>

#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

void VerificarSaida(const QString &saida, const QStringList &entradas, bool forcar)
{
    for (const QString &entrada : entradas)
        if (TArquivoDisco::MesmoArquivo(saida, entrada))
            throw TErro(u"ATENÇÃO:\r\nO arquivo a gravar \"%1\" é o mesmo arquivo que \"%2\", lido por este "
                        "comando.\r\nNada foi gravado."_s.arg(QDir::toNativeSeparators(saida),
                                                              QDir::toNativeSeparators(entrada)));
    TArquivoDisco::ExigirArquivoRegular(saida);
    if (!forcar && QFileInfo::exists(saida))
        throw TErro(u"ATENÇÃO:\r\nO arquivo \"%1\" já existe.\r\nUse --force para substituí-lo."_s.arg(
            QDir::toNativeSeparators(saida)));
}

QString Quantidade(qsizetype n, const QString &singular, const QString &plural)
{
    return u"%1 %2"_s.arg(n).arg(n == 1 ? singular : plural);
}
