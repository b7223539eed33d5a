#include "app/ui/UAmbiente.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

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
