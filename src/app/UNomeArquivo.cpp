#include "app/UNomeArquivo.h"

#include <QFileInfo>

QString NomeComExtensao(const QString &nome, const QString &extensao)
{
    if (nome.isEmpty() || !QFileInfo(nome).suffix().isEmpty())
        return nome;
    return nome + extensao;
}
