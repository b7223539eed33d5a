// TComandosProjeto: a project rebuilt from the pen drive file of a bus.
#include "app/ui/UComandosProjeto.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "app/UImportacaoArt.h"
#include "app/UPenDrive.h"
#include "data/UDtmDestino.h"
#include "data/ui/UFmeDestinos.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
// The rows rebuilt from the file, written as a project file that the open
// command reads as it reads any other.
void gravarReconstrucao(TImportacaoArt &importacao, const QString &projeto)
{
    TDtm_Destino dados;
    dados.AbrirTabelas({});
    importacao.Reconstruir(dados);
    if (!dados.SalvarArquivo(projeto))
        throw TErro(u"ATENÇÃO:\r\nNão foi possível preparar o projeto reconstruído."_s);
}
}

void TComandosProjeto::AbrirArquivoPenDrive()
{
    // The dialog offers the pen drives mounted now, as the transfer's does.
    const QList<TUnidadeRemovivel> unidades = UnidadesRemoviveis ? UnidadesRemoviveis() : QList<TUnidadeRemovivel>();
    TPedidoArquivo pedido;
    pedido.Titulo = u"Abrir Archivo do PenDrive..."_s;
    pedido.Filtro = u"Arquivos PenDrive (*.art)|*.art|Todos os Arquivos (*.*)|*.*"_s;
    pedido.Pasta = TPenDrive::PastaInicial(unidades, TPenDrive::LerUltimoDestino());
    for (const TUnidadeRemovivel &u : unidades)
        pedido.Atalhos << u.Pasta;
    const QString arquivo = TDialogos::Perguntar(pedido);
    if (arquivo.trimmed().isEmpty())
        return;
    visao.MostrarProgresso(u"Reconstruindo o projeto do PenDrive...aguarde."_s);
    const auto esconder = qScopeGuard([this] { visao.EsconderProgresso(); });

    // The clocks' fonts are told apart by the glyphs an export would write;
    // when the font file cannot be completed, the built-in glyphs stand in.
    try {
        TFontesLed::CriarFontesPadrao();
    } catch (const TErro &) {
    }
    // A file refused leaves the open project, if any, as it was.
    TImportacaoArt importacao = TImportacaoArt::LerArquivo(arquivo);
    QTemporaryDir pasta;
    if (!pasta.isValid())
        throw TErro(u"ATENÇÃO:\r\nNão foi possível preparar o projeto reconstruído."_s);
    const QString projetoTemporario = pasta.filePath(u"reconstruido.ar1"_s);
    gravarReconstrucao(importacao, projetoTemporario);
    bool parou = false;
    FecharProjeto(parou);
    if (parou)
        return;
    // The signs come from the file alone, not from the boxes of the selection.
    Modelos.TemFrontal = Modelos.TemLateral = Modelos.TemTraseiro = Modelos.TemAuxiliar = false;
    try {
        abrirArquivo(projetoTemporario);
    } catch (...) {
        projeto.reset();
        lista.Dados().FecharTabelas();
        aposAbrir();
        throw;
    }
    // A new project: "Salvar no HD" asks for its name.
    projeto->NomeArquivo.clear();
    projeto->Alterado = true;
    aposAbrir();
    visao.EsconderProgresso();
    TMensagem::Informacao(
        u"Projeto reconstruído do arquivo \"%1\": %2.\r\n%3\r\nSalve o projeto com \"Salvar no HD\"."_s.arg(
            QDir::toNativeSeparators(arquivo), importacao.Quantidades(), importacao.Observacoes()));
    GuardarRecuperacao();
}
