#include "output/UGravacaoArquivo.h"

#include <QFileInfo>
#include <QSaveFile>

#include "panel/UErro.h"

bool GravarArquivoSaida(const QString &arquivo, const QByteArray &bytes,
                        const std::function<bool(const QString &arquivo)> &confirmar)
{
    if (QFileInfo::exists(arquivo) && !(confirmar && confirmar(arquivo)))
        return false;
    QSaveFile saida(arquivo);
    const bool gravou = saida.open(QIODevice::WriteOnly) && saida.write(bytes) == bytes.size() && saida.commit();
    if (!gravou)
        throw TErro(QStringLiteral("ATENÇÃO:\r\nNão foi possível gravar o arquivo \"%1\".\r\n%2")
                        .arg(arquivo, saida.errorString()));
    return true;
}
