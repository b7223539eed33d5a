#include "app/ui/UDialogosProjeto.h"

#include <QFileInfo>

#include "app/UNomeArquivo.h"
#include "panel/ui/UDialogos.h"

using namespace Qt::StringLiterals;

const QString FiltroProjetos = u"Tipo de Archivo (*.ar1)|*.ar1|Todos os Archivos (*.*)|*.*"_s;

bool DialogoAbrirProjeto(QString &nome)
{
    nome = NomeComExtensao(TDialogos::Abrir(u"Abrir Archivo..."_s, FiltroProjetos), u".ar1"_s);
    return nome.trimmed().isEmpty() || !QFileInfo::exists(nome);
}

bool DialogoSalvarProjeto(QString &nome, bool salvarComo)
{
    nome = NomeComExtensao(
        TDialogos::Salvar(salvarComo ? u"Salvar Archivo Como..."_s : u"Salvar Archivo..."_s, FiltroProjetos, {},
                          u"ar1"_s),
        u".ar1"_s);
    return nome.trimmed().isEmpty();
}
