// TComandosProjeto: the open project and the commands on its file: new,
// open, save, save as, close, back to the selection, adding a sign.
#include "app/ui/UComandosProjeto.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include "app/UProjetoArquivo.h"
#include "app/UTransferencia.h"
#include "app/ui/UDialogosProjeto.h"
#include "app/ui/UEjecaoPenDrive.h"
#include "app/ui/UFrmAdicionarPainel.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "app/ui/USincronizacao.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "panel/UErro.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UMensagem.h"
#include "print/ui/URptListagemDestinosVeltronix.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int larguraNumero = 55; // the list's number column as designed

// Runs passos; limpeza runs after them whether they end normally or by an error.
template <typename F, typename G> void comLimpeza(F &&passos, G &&limpeza)
{
    try {
        passos();
    } catch (...) {
        limpeza();
        throw;
    }
    limpeza();
}

int pergunta(const QString &texto)
{
    return TMensagem::Pergunta(texto, TTipoMensagem::mtConfirmation, TMensagem::mrYes, TMensagem::mbYesNoCancel);
}
}

TComandosProjeto::TComandosProjeto(TSincronizacao &sincronizacao, TVisaoComandos &visao)
    : Terminar([] { QCoreApplication::exit(0); }), sincronizacao(sincronizacao), lista(sincronizacao.Lista()),
      visao(visao), recuperacao(std::make_unique<TGravadorRecuperacao>(TRecuperacao::ArquivoDestaExecucao()))
{
    lista.DefinirLarguraColunaNumero(larguraNumero);
    LarguraColunaNumero = qint16(lista.LarguraColunaNumero());
    UnidadesRemoviveis = [] { return TPenDrive::UnidadesMontadas(); };
    EjecaoDisponivel = [] { return TEjecaoPenDrive::Disponivel(); };
    Ejetar = [](const TUnidadeRemovivel &unidade) { TEjecaoPenDrive::Ejetar(unidade); };
    ImprimirListagem = [this](bool frontal, bool lateral, bool traseiro, bool auxiliar) {
        const QString numero = lista.Dbg_DestinosExtras->model()->headerData(0, Qt::Horizontal).toString();
        ::ImprimirListagem(frontal, lateral, traseiro, auxiliar, lista.Dados(),
                           this->visao.AreaDeTrabalho()->window()->windowTitle(), numero);
    };
    sincronizacao.NomeArquivo = [this] { return projeto ? projeto->NomeArquivo : QString(); };
    sincronizacao.MarcarAlterado = [this] {
        if (!projeto)
            return;
        projeto->Alterado = true;
        // After every change of the tables, so that a crash loses nothing stored.
        QTimer::singleShot(0, this, [this] { GuardarRecuperacao(); });
    };
}

TComandosProjeto::~TComandosProjeto()
{
    projeto.reset();
    recuperacao.reset(); // writes what is still waiting
}

TFme_Painel *TComandosProjeto::Editor() const
{
    return projeto ? projeto->Fme_Painel : nullptr;
}

void TComandosProjeto::Executar(const std::function<void()> &comando)
{
    try {
        comando();
    } catch (const TErro &erro) {
        TMensagem::Mensagem(erro.Mensagem, TTipoMensagem::mtError);
    }
    visao.AtualizaComandos();
    visao.DevolverTeclado();
}

void TComandosProjeto::FocarEditor()
{
    if (TFme_Painel *e = Editor()) {
        e->FocarPainelAtivo();
        e->AtualizarFerramentas();
        e->OrganizarPaineis();
    }
}

// A project for the signs of the model state, its simulator shown in the progress label.
void TComandosProjeto::criarProjeto()
{
    projeto = std::make_unique<TProjeto>(visao.AreaDeTrabalho(), Modelos.TemFrontal, Modelos.TemLateral,
                                         Modelos.TemTraseiro, Modelos.TemAuxiliar);
    projeto->Fme_Painel->AoAvisar = [this](const QString &aviso) { visao.Avisar(aviso); };
    projeto->AoAlterarSimulador = [this](bool ligado) { visao.MostrarSimulador(ligado); };
}

// The last steps of new and open, also after a failure: the list on the line
// the next destination goes to.
void TComandosProjeto::aposAbrir()
{
    if (TFme_Painel *e = Editor())
        e->AtualizarAoAtivar = true;
    visao.AtualizaComandos();
    FocarEditor();
    lista.MostrarDestinos();
    sincronizacao.ProntoParaNovo();
    iniciarHistorico();
}

void TComandosProjeto::NovoProjeto()
{
    visao.MostrarProgresso(u"Novo Archivo...aguarde."_s);
    const auto esconder = qScopeGuard([this] { visao.EsconderProgresso(); });
    const int largura = PrepararColunas(int(Modelos.Posicoes().size()));
    bool parou = false;
    FecharProjeto(parou);
    if (parou)
        return;
    projeto.reset();
    comLimpeza(
        [&] {
            criarProjeto();
            DimensionaPaineis(largura);
            lista.ReabrirTabelas({});
            sincronizacao.TipoOnibusLido = TipoOnibusParaArquivo(Modelos.TipoOnibus);
        },
        [this] { aposAbrir(); });
}

void TComandosProjeto::AbrirProjeto()
{
    bool parou = false;
    FecharProjeto(parou);
    if (parou)
        return;
    visao.MostrarProgresso(u"Abrindo Arquivo...aguarde."_s);
    const auto esconder = qScopeGuard([this] { visao.EsconderProgresso(); });
    comLimpeza(
        [&] {
            try {
                abrirArquivo(ArquivoEscolhido);
                LembrarPastaDosProjetos(ArquivoEscolhido);
            } catch (...) {
                // Nothing half open: no project, an empty list.
                projeto.reset();
                lista.Dados().FecharTabelas();
                throw;
            }
        },
        [this] { aposAbrir(); });
}

void TComandosProjeto::abrirArquivo(const QString &arquivo)
{
    TDtm_Destino &dados = lista.Dados();
    dados.FecharTabelas();
    if (!QFileInfo(arquivo).isFile())
        throw TErro(u"ATENÇÃO:\rArquivo não encontrado: %1"_s.arg(arquivo));
    lista.ReabrirTabelas(arquivo);
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    if (dados.TemLinhas())
        sincronizacao.TipoOnibusLido = t.ComoInteiro(u"TIPOONIBUS"_s);
    if (const quint8 tipo = TipoOnibusDoArquivo(sincronizacao.TipoOnibusLido))
        Modelos.TipoOnibus = tipo;
    // Every row of both kinds says which signs are fitted and how big they
    // are, whatever kind the list shows.
    QList<TSinalEquipado> tamanhos{{1, 8, 80}, {2, 8, 80}, {3, 8, 80}, {4, 8, 80}};
    bool *presentes[] = {&Modelos.TemFrontal, &Modelos.TemLateral, &Modelos.TemTraseiro, &Modelos.TemAuxiliar};
    for (const TSinalEquipado &sinal : SinaisDoOnibus(t, sincronizacao.TipoOnibusLido)) {
        *presentes[sinal.Painel - 1] = true;
        tamanhos[sinal.Painel - 1] = sinal;
    }
    lista.MostrarDestinos();
    criarProjeto();
    const int largura = PrepararColunas(int(Modelos.Posicoes().size()));
    for (int p : Modelos.Posicoes()) {
        const TSinalEquipado &tamanho = tamanhos[p - 1];
        TFlexLed *painel = projeto->Fme_Painel->FlexLed(p);
        painel->DefinirNroLinhas(tamanho.Linhas);
        painel->DefinirNroColunas(tamanho.Colunas);
        painel->DefinirFonteUtilizada(FonteAoAbrir(p, tamanho.Linhas, tamanho.Colunas, Modelos.TipoOnibus));
        lista.AdicionarColunaRotulo(p, p == 1 ? largura + 200 : largura);
    }
    lista.DefinirLarguraColunaNumero(LarguraColunaNumero);
    projeto->NomeArquivo = arquivo;
}

void TComandosProjeto::SalvarProjeto(bool &parou)
{
    parou = true;
    ParaSimulador();
    if (!projeto)
        return;
    if (!projeto->Alterado) {
        TMensagem::Informacao(u"O Arquivo sem alterações, não é necessário salvar."_s);
        return;
    }
    visao.MostrarProgresso(u"Salvando no HD...aguarde."_s);
    comLimpeza(
        [&] {
            if (projeto->NomeArquivo.trimmed().isEmpty()) {
                QString nome;
                const bool cancelado = DialogoSalvarProjeto(nome, false);
                projeto->NomeArquivo = nome;
                if (cancelado)
                    return;
            }
            // A failed save raises its error and keeps the project marked as changed.
            THistorico *h = Historico();
            if (h)
                h->Concluir();
            const bool salvou = lista.Dados().SalvarArquivo(projeto->NomeArquivo);
            projeto->Alterado = !salvou;
            if (salvou) {
                LembrarPastaDosProjetos(projeto->NomeArquivo);
                if (h)
                    h->MarcarSalvo();
                parou = false;
                recuperacao->Remover();
                lista.DefinirModo(lista.ModoExtra);
                // The tables were read back: the list goes to the panels' line again.
                sincronizacao.SelecionarLinhaDosPaineis();
                TMensagem::Informacao(u"O Archivo foi salvo com sucesso!"_s);
            }
        },
        [&] {
            visao.AtualizaComandos();
            FocarEditor();
            visao.EsconderProgresso();
        });
}

void TComandosProjeto::SalvarComoProjeto()
{
    if (!projeto)
        return;
    comLimpeza(
        [&] {
            QString nome;
            const bool cancelado = DialogoSalvarProjeto(nome, true);
            projeto->NomeArquivo = nome;
            if (cancelado)
                return;
            if (THistorico *h = Historico())
                h->Concluir();
            if (lista.Dados().SalvarArquivo(nome))
                LembrarPastaDosProjetos(nome);
            sincronizacao.SelecionarLinhaDosPaineis();
        },
        [&] {
            visao.AtualizaComandos();
            FocarEditor();
        });
}

bool TComandosProjeto::salvarAntes(const QString &texto)
{
    if (!ConfirmarDestinoEditado())
        return false;
    if (!projeto || !projeto->Alterado)
        return true;
    const int resposta = pergunta(texto);
    if (resposta == TMensagem::mrCancel)
        return false;
    if (resposta != TMensagem::mrYes)
        return true;
    bool parou = false;
    SalvarProjeto(parou);
    return !parou;
}

void TComandosProjeto::FecharProjeto(bool &parou)
{
    parou = false;
    if (!projeto)
        return;
    const auto atualizar = qScopeGuard([this] { visao.AtualizaComandos(); });
    if (!salvarAntes(u"Atenção:\rDeseja Salvar o Arquivo Aberto?"_s)) {
        parou = true;
        return;
    }
    projeto.reset();
    recuperacao->Remover();
}

void TComandosProjeto::VoltarASelecao()
{
    const auto fim = qScopeGuard([this] {
        visao.AtualizaComandos();
        FocarEditor();
    });
    if (projeto) {
        if (!salvarAntes(u"Atencion:\rDeseja Salvar o Archivo Abierto?"_s))
            return;
        switch (EscolherOpcaoSelecao(visao.AreaDeTrabalho()->window())) {
        case TFrm_AdicionarPainel::FecharArquivo:
            Modelos.ModeloFrontal = Modelos.ModeloLateral = Modelos.ModeloTraseiro = Modelos.ModeloAuxiliar = 0;
            break;
        case TFrm_AdicionarPainel::AdicionarPainel:
            AdicionaPainel();
            return;
        default:
            return;
        }
        lista.Dados().FecharTabelas();
        projeto.reset();
        visao.AtualizaComandos();
    }
    Selecionar();
}

void TComandosProjeto::AdicionaPainel()
{
    visao.MostrarProgresso(u"Adicionando Painel ao Archivo...aguarde."_s);
    const auto esconder = qScopeGuard([this] { visao.EsconderProgresso(); });
    if (visao.SelecionaModelos() != TFrm_TipoOnibusVeltronix::ResultadoOk)
        return;
    TFme_Painel *e = Editor();
    const int largura = PrepararColunas(int(Modelos.Posicoes().size()));
    e->CriarPaineis(Modelos.TemFrontal, Modelos.TemLateral, Modelos.TemTraseiro, Modelos.TemAuxiliar);
    DimensionaPaineis(largura);
    e->AtualizarAoAtivar = true;
    visao.AtualizaComandos();
    FocarEditor();
    sincronizacao.MarcarPaineisComoGravados();
    iniciarHistorico();
}

void TComandosProjeto::Selecionar()
{
    for (;;) {
        switch (visao.SelecionaModelos()) {
        case TFrm_TipoOnibusVeltronix::ResultadoOk:
            Executar([this] { NovoProjeto(); });
            break;
        case TFrm_TipoOnibusVeltronix::ResultadoAbrir:
            Executar([this] { AbrirProjeto(); });
            break;
        case TFrm_TipoOnibusVeltronix::ResultadoPenDrive:
            Executar([this] { AbrirArquivoPenDrive(); });
            break;
        default:
            Terminar();
            return;
        }
        if (projeto)
            return;
    }
}

bool TComandosProjeto::PodeTerminar()
{
    try {
        return salvarAntes(u"Atenção:\rSalvar o Archivo Abierto?"_s);
    } catch (const TErro &erro) {
        TMensagem::Mensagem(erro.Mensagem, TTipoMensagem::mtError);
        return false;
    }
}
