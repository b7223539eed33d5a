#include "output/UGravacaoArquivo.h"

#include <QFileInfo>

#include "panel/UArquivoDisco.h"

bool GravarArquivoSaida(const QString &arquivo, const QByteArray &bytes,
                        const std::function<bool(const QString &arquivo)> &confirmar)
{
    // A folder or a device is refused before the operator is asked to replace it.
    TArquivoDisco::ExigirArquivoRegular(arquivo);
    if (QFileInfo::exists(arquivo) && !(confirmar && confirmar(arquivo)))
        return false;
    TArquivoDisco::GravarAtomico(arquivo, bytes);
    return true;
}
