// TFrm_PrincipalVeltronix: the project commands (new, open, save, save as,
// close, back to selection, adding a sign, the pen drive transfer) and the
// destination list's events.
#include "app/ui/UFrmPrincipalVeltronix.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

#include "app/UImportacaoLista.h"
#include "app/UNomeArquivo.h"
#include "app/UPenDrive.h"
#include "app/ui/UFrmImportarLista.h"
#include "panel/UArquivoDisco.h"
#include "app/UTransferencia.h"
#include "app/ui/UDialogosProjeto.h"
#include "app/ui/UExportarImagem.h"
#include "app/ui/UFrmAdicionarPainel.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRolagem.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UErro.h"
#include "panel/ui/UDialogos.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/UMensagem.h"

using namespace Qt::StringLiterals;

namespace {
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

void TFrm_PrincipalVeltronix::focarEditor()
{
    if (TFme_Painel *e = Editor()) {
        e->FocarPainelAtivo();
        e->AtualizarFerramentas();
        e->OrganizarPaineis();
    }
}

void TFrm_PrincipalVeltronix::instalarEventosDaLista()
{
    TSincronizacao &s = Sincronizacao;
    TFme_Destinos &l = *Fme_Destinos;
    // Saving a destination is one step from storing the panels to clearing them.
    l.AoSalvarDestino = [this, &s] {
        if (TFme_Painel *e = Editor())
            e->ComecarPasso(TTipoPasso::SalvarDestino);
        s.SalvaDestino();
    };
    l.AposSalvarDestino = [this, &s] {
        s.LimpaPaineis();
        if (TFme_Painel *e = Editor())
            e->ConcluirPasso();
        devolverTeclado();
    };
    l.AoInserirDestinoAqui = [this, &s] { passo(TTipoPasso::InserirDestinoAqui, [&s] { s.InsereDestinoAqui(); }); };
    l.AoInserirDestinoNoFinal = [this, &s] { passo(TTipoPasso::NovoDestinoNoFinal, [&s] { s.NovoDestinoNoFinal(); }); };
    l.AoMudarModo = [&s] { s.HabilitaFerramentas(); };
    l.AoRemoverDestino = [this, &s, &l] {
        // The later numbers move down: the status bar says what happened and how to take it back.
        const bool havia = l.Dados().TemLinhas() && !l.SemRotulos();
        const int numero = s.NumeroSelecionado();
        passo(TTipoPasso::ExcluirDestino, [&s] { s.ExcluiDestino(); });
        if (havia)
            avisar((l.ModoExtra ? u"Extra %1 removido; Ctrl+Z desfaz"_s : u"Destino %1 removido; Ctrl+Z desfaz"_s)
                       .arg(numero));
    };
    l.AoHorarioSaida = [this, &s] { passo(TTipoPasso::Relogio, [&s] { s.InsereHorario(); }); };
    l.AoImportarLista = [this] { ImportarLista(); };
    l.AoExportarImagem = [this, &l](int numero) {
        const QString arquivo = ExportarImagemDoDestino(l.Dados(), numero);
        if (!arquivo.isEmpty())
            avisar((l.ModoExtra ? u"Imagem do extra %1 salva em %2"_s : u"Imagem do destino %1 salva em %2"_s)
                       .arg(numero)
                       .arg(QDir::toNativeSeparators(arquivo)));
    };
    l.AoAbrirDestino = [this] {
        if (TFme_Painel *e = Editor())
            e->ConcluirPasso();
        if (ConfirmarDestinoEditado())
            Sincronizacao.CarregaDestino();
        devolverTeclado();
    };
    l.AoEscolherTipo = [this, &l](bool extra) {
        executar([this, extra] { MostrarTipo(extra); });
        // The button of the kind shown stays checked, also when the switch stopped.
        (l.ModoExtra ? l.Btn_TextoExtra : l.Btn_TextoDestino)->setChecked(true);
    };
    // The clock and remove buttons are the main window's: the simulator stops first.
    static const char *const marca = "dorvik_botoes_ligados";
    if (!l.property(marca).toBool()) {
        l.setProperty(marca, true);
        for (QPushButton *b : {l.Btn_HorarioSaida, l.Btn_RemoveDestino})
            disconnect(b, &QPushButton::clicked, nullptr, nullptr);
        connect(l.Btn_HorarioSaida, &QPushButton::clicked, this, [this] {
            ParaSimulador();
            Fme_Destinos->Btn_HorarioSaidaClick();
        });
        connect(l.Btn_RemoveDestino, &QPushButton::clicked, this, [this] {
            ParaSimulador();
            Fme_Destinos->Act_RemoveDestino->trigger();
        });
    }
}

bool TFrm_PrincipalVeltronix::ConfirmarDestinoEditado()
{
    if (!projeto || !Sincronizacao.PaineisAlterados())
        return true;
    switch (pergunta(u"Salvar o destino editado?"_s)) {
    case TMensagem::mrYes:
        return Sincronizacao.SalvarEditado();
    case TMensagem::mrNo:
        return true;
    default:
        return false;
    }
}

void TFrm_PrincipalVeltronix::MostrarTipo(bool extra)
{
    ParaSimulador();
    if (!ConfirmarDestinoEditado())
        return;
    if (TFme_Painel *e = Editor()) {
        if (e->Fme_Rolagem->Btn_Rolar->isChecked())
            e->Fme_Rolagem->Btn_NaoRolarClick();
        e->ReiniciarEditor(true);
        Sincronizacao.LimpaPaineis();
        e->FocarPainelAtivo();
        e->AtualizarFerramentas();
    }
    if (extra)
        Fme_Destinos->Btn_TextoExtraClick();
    else
        Fme_Destinos->Btn_TextoDestinoClick();
    Sincronizacao.ProntoParaNovo();
}

// A project for the signs of the model state, its simulator shown in the progress label.
void TFrm_PrincipalVeltronix::criarProjeto()
{
    projeto = std::make_unique<TProjeto>(Pnl_AreaTrabalho, Modelos.TemFrontal, Modelos.TemLateral,
                                         Modelos.TemTraseiro, Modelos.TemAuxiliar);
    projeto->Fme_Painel->AoAvisar = [this](const QString &aviso) { avisar(aviso); };
    projeto->AoAlterarSimulador = [this](bool ligado) {
        Lbl_Salvando->setText(u"Modo Simulador Ligado."_s);
        Lbl_Salvando->setEnabled(ligado);
        Lbl_Salvando->setVisible(ligado);
        Lbl_Salvando->repaint();
    };
}

// The last steps of new and open, also after a failure: the list on the line
// the next destination goes to.
void TFrm_PrincipalVeltronix::aposAbrir()
{
    if (TFme_Painel *e = Editor())
        e->AtualizarAoAtivar = true;
    AtualizaComandos();
    focarEditor();
    Fme_Destinos->MostrarDestinos();
    Sincronizacao.ProntoParaNovo();
    iniciarHistorico();
}

void TFrm_PrincipalVeltronix::NovoProjeto()
{
    MostrarProgresso(u"Novo Archivo...aguarde."_s);
    const auto esconder = qScopeGuard([this] { EsconderProgresso(); });
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
            Fme_Destinos->ReabrirTabelas({});
            Sincronizacao.TipoOnibusLido = TipoOnibusParaArquivo(Modelos.TipoOnibus);
        },
        [this] { aposAbrir(); });
}

void TFrm_PrincipalVeltronix::AbrirProjeto()
{
    bool parou = false;
    FecharProjeto(parou);
    if (parou)
        return;
    MostrarProgresso(u"Abrindo Arquivo...aguarde."_s);
    Lbl_Salvando->repaint();
    const auto esconder = qScopeGuard([this] { EsconderProgresso(); });
    TDtm_Destino &dados = Fme_Destinos->Dados();
    comLimpeza(
        [&] {
            try {
                abrirArquivo(ArquivoEscolhido);
            } catch (...) {
                // Nothing half open: no project, an empty list.
                projeto.reset();
                dados.FecharTabelas();
                throw;
            }
        },
        [this] { aposAbrir(); });
}

void TFrm_PrincipalVeltronix::abrirArquivo(const QString &arquivo)
{
    TDtm_Destino &dados = Fme_Destinos->Dados();
    dados.FecharTabelas();
    if (!QFileInfo(arquivo).isFile())
        throw TErro(u"ATENÇÃO:\rArquivo não encontrado: %1"_s.arg(arquivo));
    Fme_Destinos->ReabrirTabelas(arquivo);
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    if (dados.TemLinhas())
        Sincronizacao.TipoOnibusLido = t.ComoInteiro(u"TIPOONIBUS"_s);
    if (const quint8 tipo = TipoOnibusDoArquivo(Sincronizacao.TipoOnibusLido))
        Modelos.TipoOnibus = tipo;
    QList<TSinalEquipado> tamanhos;
    for (int p = 1; p <= 4; ++p)
        tamanhos.append(Sincronizacao.TipoOnibusLido == 1
                            ? QList<TSinalEquipado>{{1, 13, 128}, {2, 8, 80}, {3, 13, 32}, {4, 8, 80}}[p - 1]
                            : TSinalEquipado{p, 8, 80});
    // Every row of both kinds says which signs are fitted and how big they
    // are, whatever kind the list shows; a later row overrides an earlier one.
    bool *presentes[] = {&Modelos.TemFrontal, &Modelos.TemLateral, &Modelos.TemTraseiro, &Modelos.TemAuxiliar};
    const int colunaPainel = t.IndiceObrigatorio(u"PAINEL"_s);
    const int colunaLinhas = t.IndiceObrigatorio(u"NRO_LINHAS"_s);
    const int colunaColunas = t.IndiceObrigatorio(u"NRO_COLUNAS"_s);
    for (const QVector<QVariant> &linha : t.TodasAsLinhas()) {
        const int p = linha.value(colunaPainel).toInt();
        if (p < 1 || p > 4)
            continue;
        *presentes[p - 1] = true;
        if (const int linhas = linha.value(colunaLinhas).toInt(); linhas > 0)
            tamanhos[p - 1].Linhas = linhas;
        if (const int colunas = linha.value(colunaColunas).toInt(); colunas > 0)
            tamanhos[p - 1].Colunas = colunas;
    }
    Fme_Destinos->MostrarDestinos();
    criarProjeto();
    const int largura = PrepararColunas(int(Modelos.Posicoes().size()));
    for (int p : Modelos.Posicoes()) {
        const TSinalEquipado &tamanho = tamanhos[p - 1];
        TFlexLed *painel = projeto->Fme_Painel->FlexLed(p);
        painel->DefinirNroLinhas(tamanho.Linhas);
        painel->DefinirNroColunas(tamanho.Colunas);
        painel->DefinirFonteUtilizada(FonteAoAbrir(p, tamanho.Linhas, tamanho.Colunas, Modelos.TipoOnibus));
        Fme_Destinos->AdicionarColunaRotulo(p, p == 1 ? largura + 200 : largura);
    }
    Fme_Destinos->DefinirLarguraColunaNumero(LarguraColunaNumero);
    projeto->NomeArquivo = arquivo;
    LembrarPastaDosProjetos(arquivo);
}

void TFrm_PrincipalVeltronix::SalvarProjeto(bool &parou)
{
    parou = true;
    ParaSimulador();
    if (!projeto)
        return;
    if (!projeto->Alterado) {
        TMensagem::Informacao(u"O Arquivo sem alterações, não é necessário salvar."_s);
        return;
    }
    MostrarProgresso(u"Salvando no HD...aguarde."_s);
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
            const bool salvou = Fme_Destinos->Dados().SalvarArquivo(projeto->NomeArquivo);
            projeto->Alterado = !salvou;
            if (salvou) {
                LembrarPastaDosProjetos(projeto->NomeArquivo);
                if (h)
                    h->MarcarSalvo();
                parou = false;
                recuperacao->Remover();
                Fme_Destinos->DefinirModo(Fme_Destinos->ModoExtra);
                // The tables were read back: the list goes to the panels' line again.
                Sincronizacao.SelecionarLinhaDosPaineis();
                TMensagem::Informacao(u"O Archivo foi salvo com sucesso!"_s);
            }
        },
        [&] {
            AtualizaComandos();
            focarEditor();
            EsconderProgresso();
        });
}

void TFrm_PrincipalVeltronix::SalvarComoProjeto()
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
            if (Fme_Destinos->Dados().SalvarArquivo(nome))
                LembrarPastaDosProjetos(nome);
            Sincronizacao.SelecionarLinhaDosPaineis();
        },
        [&] {
            AtualizaComandos();
            focarEditor();
        });
}

void TFrm_PrincipalVeltronix::FecharProjeto(bool &parou)
{
    parou = false;
    if (!projeto)
        return;
    const auto atualizar = qScopeGuard([this] { AtualizaComandos(); });
    if (!ConfirmarDestinoEditado()) {
        parou = true;
        return;
    }
    if (projeto->Alterado) {
        const int resposta = pergunta(u"Atenção:\rDeseja Salvar o Arquivo Aberto?"_s);
        if (resposta == TMensagem::mrCancel) {
            parou = true;
            return;
        }
        if (resposta == TMensagem::mrYes) {
            SalvarProjeto(parou);
            if (parou)
                return;
        }
    }
    projeto.reset();
    recuperacao->Remover();
}

void TFrm_PrincipalVeltronix::VoltarASelecao()
{
    const auto fim = qScopeGuard([this] {
        AtualizaComandos();
        focarEditor();
    });
    if (projeto) {
        if (!ConfirmarDestinoEditado())
            return;
        if (projeto->Alterado) {
            const int resposta = pergunta(u"Atencion:\rDeseja Salvar o Archivo Abierto?"_s);
            if (resposta == TMensagem::mrCancel)
                return;
            if (resposta == TMensagem::mrYes) {
                bool parou = false;
                SalvarProjeto(parou);
                if (parou)
                    return;
            }
        }
        switch (EscolherOpcaoSelecao(this)) {
        case TFrm_AdicionarPainel::FecharArquivo:
            Modelos.ModeloFrontal = Modelos.ModeloLateral = Modelos.ModeloTraseiro = Modelos.ModeloAuxiliar = 0;
            break;
        case TFrm_AdicionarPainel::AdicionarPainel:
            AdicionaPainel();
            return;
        default:
            return;
        }
        Fme_Destinos->Dados().FecharTabelas();
        projeto.reset();
        AtualizaComandos();
    }
    Selecionar();
}

void TFrm_PrincipalVeltronix::AdicionaPainel()
{
    MostrarProgresso(u"Adicionando Painel ao Archivo...aguarde."_s);
    Lbl_Salvando->repaint();
    const auto esconder = qScopeGuard([this] { EsconderProgresso(); });
    if (SelecionaModelos() != TFrm_TipoOnibusVeltronix::ResultadoOk)
        return;
    TFme_Painel *e = Editor();
    const int largura = PrepararColunas(int(Modelos.Posicoes().size()));
    e->CriarPaineis(Modelos.TemFrontal, Modelos.TemLateral, Modelos.TemTraseiro, Modelos.TemAuxiliar);
    DimensionaPaineis(largura);
    e->AtualizarAoAtivar = true;
    AtualizaComandos();
    focarEditor();
    Sincronizacao.MarcarPaineisComoGravados();
    iniciarHistorico();
}

void TFrm_PrincipalVeltronix::TransferirProjeto()
{
    TFme_Painel *e = Editor();
    QList<TSinalEquipado> sinais;
    for (int p = 1; e && p <= TFme_Painel::QtdPosicoes; ++p)
        if (const TPainelLed *painel = e->Painel(p))
            sinais.append({p, painel->NroLinhas(), painel->NroColunas()});
    TDtm_Destino &dados = Fme_Destinos->Dados();
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
    MostrarProgresso(u"Salvando no PENDRIVE...aguarde."_s);
    dados.Cds_DestinosExtras.DesabilitarControles();
    dados.Cds_Rotulos.DesabilitarControles();
    const auto retomar = qScopeGuard([&] {
        EsconderProgresso();
        dados.Cds_Rotulos.HabilitarControles();
        dados.Cds_DestinosExtras.HabilitarControles();
    });
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

void TFrm_PrincipalVeltronix::ImportarLista()
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
    const TListaDestinos lista = LerLista(f.readAll());
    QList<TSinalEquipado> sinais;
    for (int p = 1; p <= TFme_Painel::QtdPosicoes; ++p)
        if (const TPainelLed *painel = e->Painel(p))
            sinais.append({p, painel->NroLinhas(), painel->NroColunas()});
    TDtm_Destino &dados = Fme_Destinos->Dados();
    if (!dados.Cds_DestinosExtras.Ativa())
        Fme_Destinos->AbrirTabelas(projeto->NomeArquivo);
    TImportacaoLista importacao(dados, sinais, Sincronizacao.TipoOnibusLido);
    TFrm_ImportarLista janela(importacao, lista, this);
    if (TDialogos::Executar(janela) != QDialog::Accepted)
        return;
    passo(TTipoPasso::ImportarLista, [&] {
        importacao.Importar();
        if (Fme_Destinos->ModoExtra)
            Fme_Destinos->MostrarExtras();
        else
            Fme_Destinos->MostrarDestinos();
        // Panels not edited may show a destination the list has replaced, or
        // be ready for a number it now holds: they start afresh on the next one.
        if (Sincronizacao.PaineisAlterados()) {
            Sincronizacao.SelecionarLinhaDosPaineis();
        } else {
            Sincronizacao.LimpaPaineis();
            Sincronizacao.ProntoParaNovo();
        }
    });
    projeto->Alterado = true;
    GuardarRecuperacao();
}
