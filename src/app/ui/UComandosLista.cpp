// TComandosProjeto: what works on the destination list and leaves the
// program: the kind shown, the edited destination, the pen drive transfer,
// importing a list, printing, and the list's label columns.
#include "app/ui/UComandosProjeto.h"

#include <QDialog>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QWidget>

#include "app/UImportacaoLista.h"
#include "app/UNomeArquivo.h"
#include "app/UTransferencia.h"
#include "app/ui/UDialogosProjeto.h"
#include "app/ui/UFrmImportarLista.h"
#include "app/ui/USincronizacao.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRolagem.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
// The progress text shown and the tables' views held still while a command
// walks the tables; both come back when it ends, however it ends.
auto suspenderTabelas(TVisaoComandos &visao, TDtm_Destino &dados, const QString &progresso)
{
    visao.MostrarProgresso(progresso);
    dados.Cds_DestinosExtras.DesabilitarControles();
    dados.Cds_Rotulos.DesabilitarControles();
    return qScopeGuard([&visao, &dados] {
        visao.EsconderProgresso();
        dados.Cds_Rotulos.HabilitarControles();
        dados.Cds_DestinosExtras.HabilitarControles();
    });
}
}

bool TComandosProjeto::ConfirmarDestinoEditado()
{
    if (!projeto || !sincronizacao.PaineisAlterados())
        return true;
    switch (TMensagem::Pergunta(u"Salvar o destino editado?"_s, TTipoMensagem::mtConfirmation, TMensagem::mrYes,
                                TMensagem::mbYesNoCancel)) {
    case TMensagem::mrYes:
        return sincronizacao.SalvarEditado();
    case TMensagem::mrNo:
        return true;
    default:
        return false;
    }
}

void TComandosProjeto::MostrarTipo(bool extra)
{
    ParaSimulador();
    if (!ConfirmarDestinoEditado())
        return;
    if (TFme_Painel *e = Editor()) {
        if (e->Fme_Rolagem->Btn_Rolar->isChecked())
            e->Fme_Rolagem->Btn_NaoRolarClick();
        e->ReiniciarEditor(true);
        sincronizacao.LimpaPaineis();
        e->FocarPainelAtivo();
        e->AtualizarFerramentas();
    }
    if (extra)
        lista.Btn_TextoExtraClick();
    else
        lista.Btn_TextoDestinoClick();
    sincronizacao.ProntoParaNovo();
}

void TComandosProjeto::ParaSimulador()
{
    TFme_Painel *e = Editor();
    if (!e || !e->Btn_IniciaSimulador->isChecked())
        return;
    e->Btn_FinalizaSimulador->setChecked(true);
    e->Btn_FinalizaSimuladorClick();
}

int TComandosProjeto::PrepararColunas(int quantidade)
{
    const int largura = LarguraDosRotulos(lista.LarguraGrade(), lista.LarguraColunaNumero(), quantidade);
    lista.RemoverColunasRotulos();
    return largura;
}

void TComandosProjeto::DimensionaPaineis(int larguraRotulos)
{
    TFme_Painel *e = Editor();
    for (int p : Modelos.Posicoes()) {
        const TModeloSinal modelo = ModeloDoCodigo(Modelos.Modelo(p));
        if (TFlexLed *painel = e ? e->FlexLed(p) : nullptr) {
            painel->DefinirNroLinhas(modelo.Linhas);
            painel->DefinirNroColunas(modelo.Colunas);
            painel->DefinirFonteUtilizada(modelo.Fonte);
        }
        lista.AdicionarColunaRotulo(p, p == 1 ? larguraRotulos + 200 : larguraRotulos);
    }
    lista.DefinirLarguraColunaNumero(LarguraColunaNumero);
}

void TComandosProjeto::TransferirProjeto()
{
    TFme_Painel *e = Editor();
    QList<TSinalEquipado> sinais;
    for (int p = 1; e && p <= TFme_Painel::QtdPosicoes; ++p)
        if (const TPainelLed *painel = e->Painel(p))
            sinais.append({p, painel->NroLinhas(), painel->NroColunas()});
    TDtm_Destino &dados = lista.Dados();
    // The walk switches the tables' kind behind the list and puts it and the
    // selected line back, whatever the answers: the list and the tools stay as they are.
    TTransferencia transferencia(dados, sinais);
    transferencia.VerificarDestinos();
    ParaSimulador();
    if (!projeto)
        return;
    if (TMensagem::Pergunta(u"ATENCION:\rGrabar o Archivo no PenDrive?"_s, TTipoMensagem::mtConfirmation,
                            TMensagem::mrYes, TMensagem::mbYesNo)
        != TMensagem::mrYes)
        return;
    const auto retomar = suspenderTabelas(visao, dados, u"Salvando no PENDRIVE...aguarde."_s);
    // The dialog offers the pen drives mounted now and starts on the one used last.
    const QList<TUnidadeRemovivel> unidades = UnidadesRemoviveis ? UnidadesRemoviveis() : QList<TUnidadeRemovivel>();
    TPedidoArquivo pedido;
    pedido.Salvar = true;
    pedido.Titulo = u"Salvar no PenDrive..."_s;
    pedido.Filtro = u"Arquivos PenDrive (*.art)|*.art|Todos os Arquivos (*.*)|*.*"_s;
    pedido.PerguntarSeExiste = false; // the builder asks, once
    pedido.Pasta = TPenDrive::PastaInicial(unidades, TPenDrive::LerUltimoDestino());
    for (const TUnidadeRemovivel &u : unidades)
        pedido.Atalhos << u.Pasta;
    const QString nome = NomeComExtensao(TDialogos::Perguntar(pedido), u".art"_s);
    if (nome.trimmed().isEmpty())
        return;
    TGeracaoArquivo geracao;
    geracao.ConfirmarSobrescrita = [](const QString &) {
        return TMensagem::Pergunta(u"ATENÇÃO: O Arquivo selecionado já existe. Deseja sobrepor o arquivo existente?"_s,
                                   TTipoMensagem::mtConfirmation, TMensagem::mrNo, TMensagem::mbYesNo)
               == TMensagem::mrYes;
    };
    if (!transferencia.Gravar(geracao, nome))
        return;
    TPenDrive::GuardarUltimoDestino(TPenDrive::Destino(nome, unidades));
    const std::optional<TUnidadeRemovivel> unidade = TPenDrive::UnidadeDoArquivo(nome, unidades);
    if (!unidade) {
        TMensagem::Informacao(u"O Archivo foi salvo !"_s);
        return;
    }
    // The file and its folder reached the drive: it can be pulled out now.
    const QString texto = u"O Archivo foi salvo !\r\nArquivo gravado no pen drive %1 (%2).\r\nPode remover o pen drive."_s
                              .arg(unidade->Nome(), QDir::toNativeSeparators(unidade->Pasta));
    if (!(EjecaoDisponivel && EjecaoDisponivel())) {
        TMensagem::Informacao(texto);
        return;
    }
    if (TMensagem::Escolher(texto, TTipoMensagem::mtInformation, {u"OK"_s, u"Ejetar"_s}) == 1 && Ejetar)
        Ejetar(*unidade);
}

void TComandosProjeto::ImportarLista()
{
    TFme_Painel *e = Editor();
    if (!e)
        return;
    TPedidoArquivo pedido;
    pedido.Titulo = u"Importar Lista de Destinos..."_s;
    pedido.Filtro = u"Lista de Destinos (*.csv)|*.csv|Todos os Arquivos (*.*)|*.*"_s;
    pedido.Pasta = PastaDosProjetos();
    const QString arquivo = TDialogos::Perguntar(pedido);
    if (arquivo.isEmpty())
        return;
    TArquivoDisco::ExigirLeitura(arquivo);
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\"."_s.arg(arquivo));
    const TListaDestinos listaLida = LerLista(f.readAll());
    QList<TSinalEquipado> sinais;
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
        if (const TPainelLed *painel = e->Painel(p))
            sinais.append({p, painel->NroLinhas(), painel->NroColunas()});
    TDtm_Destino &dados = lista.Dados();
    if (!dados.Cds_DestinosExtras.Ativa())
        lista.AbrirTabelas(projeto->NomeArquivo);
    TImportacaoLista importacao(dados, sinais, sincronizacao.TipoOnibusLido);
    TFrm_ImportarLista janela(importacao, listaLida, visao.AreaDeTrabalho()->window());
    if (TDialogos::Executar(janela) != QDialog::Accepted)
        return;
    Passo(TTipoPasso::ImportarLista, [&] {
        importacao.Importar();
        if (lista.ModoExtra)
            lista.MostrarExtras();
        else
            lista.MostrarDestinos();
        // Panels not edited may show a destination the list has replaced, or
        // be ready for a number it now holds: they start afresh on the next one.
        if (sincronizacao.PaineisAlterados()) {
            sincronizacao.SelecionarLinhaDosPaineis();
        } else {
            sincronizacao.LimpaPaineis();
            sincronizacao.ProntoParaNovo();
        }
    });
    projeto->Alterado = true;
    GuardarRecuperacao();
}

void TComandosProjeto::Imprimir()
{
    ParaSimulador();
    const auto retomar = suspenderTabelas(visao, lista.Dados(), u"Imprimindo Archivo...aguarde."_s);
    TFme_Painel *e = Editor();
    if (ImprimirListagem && e)
        ImprimirListagem(e->Painel(1), e->Painel(2), e->Painel(3), e->Painel(4));
}
