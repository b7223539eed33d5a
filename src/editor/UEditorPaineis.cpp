#include "editor/UEditorPaineis.h"

#include <QScopeGuard>
#include <algorithm>

#include "editor/URotativos.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int esquerdaDaArea = 10;
constexpr int vaoDaTraseira = 110; // between the side (or auxiliary) sign and the rear sign beside it
}

TEditorPaineis::TEditorPaineis(TRotativos &rotativos)
    : rotativos(rotativos)
{
}

TPainelLed *TEditorPaineis::Painel(int posicao) const
{
    return posicao >= 1 && posicao <= QtdPosicoes ? paineis[size_t(posicao - 1)] : nullptr;
}

void TEditorPaineis::DefinirPainel(int posicao, TPainelLed *painel)
{
    if (posicao >= 1 && posicao <= QtdPosicoes)
        paineis[size_t(posicao - 1)] = painel;
}

TPainelLed *TEditorPaineis::PainelAtivo()
{
    if (NumeroPainelAtivo >= 1 && NumeroPainelAtivo <= QtdPosicoes)
        return Painel(NumeroPainelAtivo);
    for (TPainelLed *painel : paineis)
        if (painel) {
            NumeroPainelAtivo = quint16(painel->Tag);
            return painel;
        }
    return nullptr;
}

void TEditorPaineis::InformarPainelAtivo(quint16 &painelAtivo, bool &auxiliar, bool &traseiro, bool &lateral,
                                         bool &frontal)
{
    const TPainelLed *ativo = PainelAtivo();
    painelAtivo = ativo ? quint16(ativo->Tag) : 0;
    frontal = Painel(1);
    lateral = Painel(2);
    traseiro = Painel(3);
    auxiliar = Painel(4);
}

void TEditorPaineis::LigarRotativos()
{
    rotativos.AntesDeTrocar = [this](TRotativos *) { GravarRotativoAtual(); };
    rotativos.OnRetornaPainelAtivo = [this](TRotativos *, quint16 &ativo, bool &auxiliar, bool &traseiro,
                                            bool &lateral, bool &frontal) {
        InformarPainelAtivo(ativo, auxiliar, traseiro, lateral, frontal);
    };
    rotativos.AposTrocar = [this](TRotativos *) { CarregarRotativoAtual(); };
}

void TEditorPaineis::GravarRotativoAtual()
{
    if (tocando)
        return; // the simulator's play stores nothing
    const auto editar = qScopeGuard([this] {
        if (TPainelLed *ativo = PainelAtivo())
            ativo->AtivarEdicao();
    });
    for (TPainelLed *painel : paineis) {
        if (!painel || painel->EstaVazio())
            continue;
        TCfgRotativo &slot = rotativos.Configuracao(qint16(painel->Tag), SlotDoPainel(*painel));
        // A slot that holds no message stays so while its panel shows only what
        // the slot brought (the fixed part left of a division): looking through
        // the slots makes no messages.
        if (!slot.Vazio || !slot.MostradoEm(*painel))
            slot.GravarPainel(*painel);
    }
}

quint16 TEditorPaineis::SlotDoPainel(const TPainelLed &painel) const
{
    return painel.Rolagem() == TRolagem::tsNenhum ? rotativos.RotativoAtual : quint16(1);
}

void TEditorPaineis::CarregarRotativoAtual()
{
    const auto focar = qScopeGuard([this] {
        FocarPainelAtivo();
        if (TPainelLed *ativo = PainelAtivo())
            ativo->CursorParaFim();
    });
    for (TPainelLed *painel : paineis) {
        if (!painel || painel->Rolagem() != TRolagem::tsNenhum)
            continue;
        const TCfgRotativo &slot = rotativos.Configuracao(qint16(painel->Tag), rotativos.RotativoAtual);
        if (!ManterSemMensagem || !slot.Vazio)
            slot.CarregarPainel(*painel);
    }
}

void TEditorPaineis::ClicarRotativo(quint16 rotativo)
{
    rotativos.ClicarRotativo(rotativo);
}

void TEditorPaineis::EdicaoNoPainel(TEdicao edicao)
{
    switch (edicao) {
    case TEdicao::Digitacao: ComecarPasso(TTipoPasso::Digitacao); break;
    case TEdicao::Exclusao: ComecarPasso(TTipoPasso::Exclusao); break;
    case TEdicao::Colagem: ComecarPasso(TTipoPasso::Colagem); break;
    case TEdicao::Desenho: ComecarPasso(TTipoPasso::Desenho); break;
    case TEdicao::Movimento: ConcluirPasso(); break;
    }
}

void TEditorPaineis::FocarPainelAtivo()
{
    if (TPainelLed *ativo = PainelAtivo())
        ativo->AtivarEdicao();
}

void TEditorPaineis::LigarSimulador()
{
    if (rotativos.GravarAoTrocar)
        GravarRotativoAtual();
    RotativoSalvo = rotativos.RotativoAtual;
    for (TPainelLed *painel : paineis) {
        if (!painel || painel->Rolagem() == TRolagem::tsNenhum)
            continue;
        ColunaCursorSalva[size_t(painel->Tag - 1)] = painel->ColunaCursor();
        PrimeiraColunaSalva[size_t(painel->Tag - 1)] = painel->PrimeiraColuna();
        painel->DefinirColunaCursor(1);
        painel->DefinirPrimeiraColuna(1);
    }
    manterAntes = ManterSemMensagem;
    ManterSemMensagem = true;
    tocando = true;
}

int TEditorPaineis::DefinirModoSimulador(bool ligado)
{
    for (TPainelLed *painel : paineis)
        if (painel)
            painel->DefinirModo(ligado ? TModo::ModoSimulador : painel->ModoAnterior());
    if (ligado && rotativos.RotativoMarcado() != 1)
        ClicarRotativo(1);
    ContadorSimulador = 0;
    return PassoDeRotativo();
}

int TEditorPaineis::PassoDeRolagem()
{
    // Once the last lit column has left the view the text starts over.
    for (TPainelLed *painel : paineis)
        if (painel && painel->Rolagem() != TRolagem::tsNenhum)
            painel->DefinirPrimeiraColuna(painel->UltimaColunaAcesa(true) < painel->PrimeiraColuna()
                                              ? 1
                                              : painel->PrimeiraColuna() + 1);
    return IntervaloRolagem;
}

int TEditorPaineis::PassoDeRotativo()
{
    // The next slot that some present panel has, at most one round of the eight.
    for (int tentativa = 0; tentativa < 8; ++tentativa) {
        ContadorSimulador = ContadorSimulador >= 8 ? 1 : quint16(ContadorSimulador + 1);
        bool temConfiguracao = false;
        for (const TPainelLed *painel : paineis) {
            bool achou = false;
            if (painel && rotativos.BuscarConfiguracao(qint16(painel->Tag), ContadorSimulador, false, achou))
                temConfiguracao = true;
        }
        if (temConfiguracao) {
            ClicarRotativo(ContadorSimulador);
            break;
        }
    }
    return 1000 * rotativos.SelecionarRotativo(rotativos.RotativoAtual, false).TempoExposicao;
}

void TEditorPaineis::DesligarSimulador()
{
    DefinirModoSimulador(false);
    // The operator's slot comes back whole: every panel shows it, message or not.
    ManterSemMensagem = false;
    if (RotativoSalvo >= 1 && RotativoSalvo <= 8)
        ClicarRotativo(RotativoSalvo);
    ManterSemMensagem = manterAntes;
    tocando = false;
    for (TPainelLed *painel : paineis) {
        if (!painel)
            continue;
        if (painel->Rolagem() != TRolagem::tsNenhum) {
            // The view the operator left, not where the scroll stopped.
            painel->DefinirColunaCursor(ColunaCursorSalva[size_t(painel->Tag - 1)]);
            painel->DefinirPrimeiraColuna(PrimeiraColunaSalva[size_t(painel->Tag - 1)]);
        } else
            // A scroll of another sign never moved it, but its view starts at the left.
            painel->DefinirPrimeiraColuna(1);
    }
}

const std::array<TEditorPaineis::TModelo, 12> &TEditorPaineis::Modelos()
{
    static const std::array<TModelo, 12> modelos = [] {
        const int tamanhos[12][2] = {{8, 40},  {8, 80},  {8, 128}, {11, 32}, {11, 96}, {11, 112},
                                     {11, 128}, {13, 28}, {13, 32}, {13, 64}, {13, 96}, {13, 128}};
        std::array<TModelo, 12> lista;
        for (size_t i = 0; i < lista.size(); ++i)
            lista[i] = {u"Modelo %1x%2"_s.arg(tamanhos[i][0]).arg(tamanhos[i][1]), tamanhos[i][0], tamanhos[i][1]};
        return lista;
    }();
    return modelos;
}

int TEditorPaineis::IndiceDoModelo(int linhas, int colunas)
{
    const QString legenda = u"Modelo %1x%2"_s.arg(linhas).arg(colunas);
    const auto &modelos = Modelos();
    for (size_t i = 0; i < modelos.size(); ++i)
        if (modelos[i].Legenda == legenda)
            return int(i);
    return -1;
}

std::optional<TTipoFonte> TEditorPaineis::FonteDasLinhas(int linhas)
{
    if (linhas <= 8)
        return TTipoFonte::tfVeltronix8x7;
    if (linhas <= 11)
        return TTipoFonte::tfVeltronix11x6;
    if (linhas <= 13)
        return TTipoFonte::tfVeltronix13x7;
    return std::nullopt;
}

TEditorPaineis::TDisposicao TEditorPaineis::Organizar(const std::array<std::optional<TPeca>, QtdPosicoes> &pecas)
{
    TDisposicao d;
    const auto &frente = pecas[0];
    const auto &lado = pecas[1];
    const auto &tras = pecas[2];
    const auto &auxiliar = pecas[3];
    const bool trasAoLado = frente && (lado || auxiliar);
    int y = 1;
    const auto empilhar = [&](int indice) {
        if (!pecas[size_t(indice)])
            return;
        TLugar lugar;
        lugar.Legenda = QPoint(esquerdaDaArea, y);
        y += pecas[size_t(indice)]->Legenda.height() + 1;
        lugar.Painel = QPoint(esquerdaDaArea, y);
        y += pecas[size_t(indice)]->Painel.height() + 1;
        d.Lugares[size_t(indice)] = lugar;
    };
    for (int indice : {0, 1, 3})
        empilhar(indice);
    if (tras && trasAoLado) {
        // Beside the side sign, or the auxiliary one without it, tops aligned;
        // the area reaches below it when it is the taller one.
        const int vizinho = lado ? 1 : 3;
        const TLugar &junto = *d.Lugares[size_t(vizinho)];
        const int x = junto.Painel.x() + pecas[size_t(vizinho)]->Painel.width() + vaoDaTraseira;
        d.Lugares[2] = TLugar{QPoint(x, junto.Legenda.y()), QPoint(x, junto.Painel.y())};
        y = std::max(y, junto.Painel.y() + tras->Painel.height() + 1);
    } else {
        empilhar(2);
    }
    d.Altura = y;
    return d;
}
