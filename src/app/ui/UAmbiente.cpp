#include "app/ui/UAmbiente.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

QByteArray LocalidadeDasDatas(const QByteArray &lcAll, const QByteArray &lcTime, const QByteArray &lang)
{
    if (!lcAll.isEmpty())
        return {};
    const QByteArray efetiva = lcTime.isEmpty() ? lang : lcTime;
    return efetiva.startsWith("pt") ? QByteArray() : QByteArrayLiteral("pt_BR.UTF-8");
}

void PrepararDatas()
{
    const QByteArray datas = LocalidadeDasDatas(qgetenv("LC_ALL"), qgetenv("LC_TIME"), qgetenv("LANG"));
    if (!datas.isEmpty())
        qputenv("LC_TIME", datas);
}

void PrepararAmbiente(QApplication &aplicacao)
{
    for (const QString &arquivo : {u"/usr/share/wine/fonts/tahoma.ttf"_s, u"/usr/share/wine/fonts/tahomabd.ttf"_s})
        if (QFile::exists(arquivo))
            QFontDatabase::addApplicationFont(arquivo);
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brasil);
    auto *traducao = new QTranslator(&aplicacao);
    if (traducao->load(brasil, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traducao);
}
