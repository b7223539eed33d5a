#include "app/UVersao.h"

namespace {
QString parte(int n)
{
    return QString::number(n + 100).mid(2, 2);
}
}

QString TextoVersao(int maior, int menor)
{
    return parte(maior) + u'.' + parte(menor);
}

QString TextoVersao()
{
    return TextoVersao(DORVIK_VERSAO_MAIOR, DORVIK_VERSAO_MENOR);
}

QString VersaoDoPrograma()
{
    return QStringLiteral("%1.%2").arg(DORVIK_VERSAO_MAIOR).arg(DORVIK_VERSAO_MENOR);
}
