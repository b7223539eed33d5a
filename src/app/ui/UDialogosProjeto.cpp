#include "app/ui/UDialogosProjeto.h"

#include <QFileInfo>

#include "app/UConfiguracoes.h"
#include "app/UNomeArquivo.h"
#include "panel/ui/UDialogos.h"

using namespace Qt::StringLiterals;

const QString FiltroProjetos = u"Tipo de Archivo (*.ar1)|*.ar1|Todos os Archivos (*.*)|*.*"_s;

QString PastaDosProjetos()
{
    const QString pasta = TConfiguracoes::Ler(u"Projeto/Pasta"_s).toString();
    return !pasta.isEmpty() && QFileInfo(pasta).isDir() ? pasta : QString();
}

void LembrarPastaDosProjetos(const QString &arquivo)
{
    TConfiguracoes::Gravar(u"Projeto/Pasta"_s, QFileInfo(arquivo).absolutePath());
}

namespace {
// A project file dialog: ".ar1" taken for a name typed without it, in either direction.
QString perguntar(bool salvar, const QString &titulo)
{
    TPedidoArquivo pedido;
    pedido.Salvar = salvar;
    pedido.Titulo = titulo;
    pedido.Filtro = FiltroProjetos;
    pedido.Extensao = u"ar1"_s;
    pedido.Pasta = PastaDosProjetos();
    return NomeComExtensao(TDialogos::Perguntar(pedido), u".ar1"_s);
}
}

bool DialogoAbrirProjeto(QString &nome)
{
    nome = perguntar(false, u"Abrir Archivo..."_s);
    return nome.trimmed().isEmpty() || !QFileInfo::exists(nome);
}

bool DialogoSalvarProjeto(QString &nome, bool salvarComo)
{
    nome = perguntar(true, salvarComo ? u"Salvar Archivo Como..."_s : u"Salvar Archivo..."_s);
    return nome.trimmed().isEmpty();
}
