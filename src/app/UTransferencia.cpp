#include "app/UTransferencia.h"

#include "app/UProjetoArquivo.h"
#include "data/UDtmDestino.h"
#include "editor/UCfgRotativo.h"
#include "output/UCampoSaida.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

#include <QScopeGuard>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr int qtdRotativos = 8;
// The file kind the controller expects from a transfer.
constexpr int tipoArquivoPenDrive = 2;
}

TTransferencia::TTransferencia(TDtm_Destino &dados, QList<TSinalEquipado> sinais)
    : dados(dados), sinais(std::move(sinais))
{
}

QString TTransferencia::MensagemSemDestinos()
{
    return u"ATENCION:\rArchivo não contien destinos informados.\rA grabacion do Archivo não sera executada."_s;
}

void TTransferencia::VerificarDestinos()
{
    bool temDestino = false;
    if (dados.Cds_DestinosExtras.Ativa())
        ComTipoRestaurado([&] {
            for (dados.Primeiro(); dados.TemLinhaCorrente(true) && !temDestino; dados.Proximo())
                for (const TSinalEquipado &sinal : std::as_const(sinais))
                    temDestino = temDestino || LinhaDaPosicao(sinal.Painel);
        });
    if (!temDestino)
        throw TErro(MensagemSemDestinos());
}

void TTransferencia::MostrarTipo(bool extra)
{
    if (AoMostrarTipo) {
        AoMostrarTipo(extra);
        return;
    }
    ::MostrarTipo(dados, extra);
}

template <typename F> void TTransferencia::ComTipoRestaurado(F &&passos)
{
    dados.Cds_DestinosExtras.DesabilitarControles();
    dados.Cds_Rotulos.DesabilitarControles();
    // Declared first so that it runs last: the views redraw once, on the operator's kind.
    const auto retomar = qScopeGuard([this] {
        dados.Cds_Rotulos.HabilitarControles();
        dados.Cds_DestinosExtras.HabilitarControles();
    });
    // Once the labels are rebuilt, the line the operator had selected is selected again.
    TTabelaMemoria &linhas = dados.Cds_Rotulos;
    const bool extraMostrado = dados.FiltroExtra();
    const std::optional<int> numeroMostrado =
        linhas.Ativa() && !linhas.Vazia() ? std::optional<int>(linhas.ComoInteiro(u"NRO_DESTINO"_s)) : std::nullopt;
    const auto selecionar = qScopeGuard([&] {
        if (numeroMostrado && linhas.Ativa())
            linhas.Localizar(u"EXTRA;NRO_DESTINO"_s, {extraMostrado, *numeroMostrado}, TVazio::ComoZero);
    });
    // The walk reads the destination rows only: the label table is rebuilt
    // once, for the kind shown at the end, not at every switch.
    dados.AdiarRotulos();
    const auto rotulos = qScopeGuard([this] { dados.RetomarRotulos(); });
    const auto restaurar = [this, extraMostrado] {
        dados.PosicaoEnvio = 0;
        MostrarTipo(extraMostrado);
    };
    try {
        MostrarTipo(false);
        passos();
    } catch (...) {
        // The operator reads the first failure; one while restoring would only hide it.
        try {
            restaurar();
        } catch (...) {
        }
        throw;
    }
    restaurar();
}

void TTransferencia::PreencherPaineis(TGeracaoArquivo &geracao)
{
    geracao.Reiniciar();
    geracao.DefinirTipoArquivo(tipoArquivoPenDrive);
    for (const TSinalEquipado &sinal : std::as_const(sinais)) {
        dados.PosicaoEnvio = qint16(sinal.Painel);
        EnviaPosicao(geracao, sinal);
    }
}

void TTransferencia::Preencher(TGeracaoArquivo &geracao)
{
    ComTipoRestaurado([&] { PreencherPaineis(geracao); });
}

bool TTransferencia::Gravar(TGeracaoArquivo &geracao, const QString &arquivo)
{
    bool gravou = false;
    ComTipoRestaurado([&] {
        PreencherPaineis(geracao);
        // Rows of no fitted sign, or only pending ones, would give a file without a destination.
        const auto &paineis = geracao.Paineis();
        if (std::none_of(paineis.begin(), paineis.end(), [](const auto &p) { return p->MaiorNumeroDestino() > 0; }))
            throw TErro(MensagemSemDestinos());
        geracao.DefinirNomeArquivo(arquivo);
        gravou = geracao.GerarArquivo();
    });
    return gravou;
}

void TTransferencia::EnviaPosicao(TGeracaoArquivo &geracao, const TSinalEquipado &sinal)
{
    // The slot is made by the position's first stored row: a sign with none
    // (only the pending line of the next destination) has no destination.
    TPainel *painel = nullptr;
    const auto slot = [&]() -> TPainel & {
        if (!painel)
            painel = &geracao.ObterPainel(sinal.Painel);
        return *painel;
    };
    MostrarTipo(false);
    for (dados.Primeiro(); dados.TemLinhaCorrente(true); dados.Proximo())
        if (LinhaDaPosicao(sinal.Painel)) {
            TDestinos &destino = slot().ObterDestino(dados.Cds_DestinosExtras.ComoInteiro(u"NRO_DESTINO"_s));
            LerTamanho(*painel, TOrigemCampo::Destino(destino.Numero, sinal.Painel));
            EnviarDestino(destino);
        }
    // The destinations give the sign its size; extra messages only when there are none.
    const bool tamanhoDosDestinos = painel && painel->Linhas() > 0 && painel->Colunas() > 0;
    MostrarTipo(true);
    for (dados.Primeiro(); dados.TemLinhaCorrente(true); dados.Proximo())
        if (LinhaDaPosicao(sinal.Painel)) {
            TExtras &extra = slot().ObterExtra(dados.Cds_DestinosExtras.ComoInteiro(u"NRO_DESTINO"_s));
            const TOrigemCampo origem = TOrigemCampo::Extra(extra.Numero, sinal.Painel);
            if (!tamanhoDosDestinos)
                LerTamanho(*painel, origem);
            EnviarExtra(extra);
        }
    if (painel && (painel->Linhas() == 0 || painel->Colunas() == 0))
        TOrigemCampo::Painel(sinal.Painel)
            .Recusar(u"nenhum destino ou extra gravado diz o tamanho do letreiro (de 1 a 16 linhas e de 1 a 255 "
                     u"colunas)."_s);
}

// A row stored without a size (an inserted destination not yet saved from the
// panels) leaves the sign's size as the other rows give it; a size that no sign
// can have refuses the file.
void TTransferencia::LerTamanho(TPainel &painel, const TOrigemCampo &origem) const
{
    const TTabelaMemoria &t = dados.Cds_DestinosExtras;
    if (const int linhas = t.ComoInteiro(u"NRO_LINHAS"_s); linhas != 0) {
        origem.Verificar(linhas, 1, 16, u"linhas"_s);
        painel.DefinirLinhas(linhas);
    }
    if (const int colunas = t.ComoInteiro(u"NRO_COLUNAS"_s); colunas != 0) {
        origem.Verificar(colunas, 1, 0xFF, u"colunas"_s);
        painel.DefinirColunas(colunas);
    }
}

// A stored row (not a pending new one) of the position.
bool TTransferencia::LinhaDaPosicao(int painel) const
{
    const TTabelaMemoria &t = dados.Cds_DestinosExtras;
    return !t.ComoBooleano(u"NOVO"_s) && t.ComoInteiro(u"PAINEL"_s) == painel;
}

int TTransferencia::LerConteudo(QList<QByteArray> &conteudo) const
{
    conteudo.clear();
    int qtdMensagens = 1;
    for (int i = 1; i <= qtdRotativos; ++i) {
        const QVariant valor = dados.Cds_DestinosExtras.Valor(u"CONFIG_PAINEL"_s + QString::number(i));
        if (valor.isNull())
            continue;
        conteudo.append(valor.toByteArray());
        qtdMensagens = i;
    }
    return qtdMensagens;
}

void TTransferencia::EnviarDestino(TDestinos &destino)
{
    const TTabelaMemoria &t = dados.Cds_DestinosExtras;
    destino.QtdMensagens = LerConteudo(destino.Conteudo);
    destino.Rotulo = t.ComoTexto(u"ROTULO"_s);
    destino.TempoExposicao = t.ComoInteiro(u"TPO_ROTATIVO1"_s);
    destino.DefinirSentido(SentidoDoCodigo(t.ComoInteiro(u"SENTIDO_ROTATIVO1"_s)));
    destino.TamanhoMensagem = t.ComoInteiro(u"TAMANHO_MENSAGEM"_s);
    destino.PosXInicial = t.ComoInteiro(u"POSXINICIAL"_s);
    destino.PosXFinal = t.ComoInteiro(u"POSXFINAL"_s);
    destino.PosYInicial = t.ComoInteiro(u"POSYINICIAL"_s);
    destino.PosYFinal = t.ComoInteiro(u"POSYFINAL"_s);
}

void TTransferencia::EnviarExtra(TExtras &extra)
{
    const TTabelaMemoria &t = dados.Cds_DestinosExtras;
    extra.QtdMensagens = LerConteudo(extra.Conteudo);
    extra.Rotulo = t.ComoTexto(u"ROTULO"_s);
    extra.TempoExposicao = t.ComoInteiro(u"TPO_ROTATIVO1"_s);
    // The clock's font number is read as text: "1" to "12" name a font, anything else none.
    extra.FonteRelogio = TFontesLed::FonteDoTexto(t.ComoTexto(u"FONTE_HORARIO"_s));
    extra.Sentido = extra.FonteRelogio != TTipoFonte::tfNenhum
                        ? TRolagem::tsHorario
                        : SentidoDoCodigo(t.ComoInteiro(u"SENTIDO_ROTATIVO1"_s));
    extra.TamanhoMensagem = t.ComoInteiro(u"TAMANHO_MENSAGEM"_s);
    extra.PosXInicial = t.ComoInteiro(u"POSXINICIAL"_s);
    extra.PosXFinal = t.ComoInteiro(u"POSXFINAL"_s);
    extra.PosYInicial = t.ComoInteiro(u"POSYINICIAL"_s);
    extra.PosYFinal = t.ComoInteiro(u"POSYFINAL"_s);
}
