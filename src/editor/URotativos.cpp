#include "editor/URotativos.h"

#include <QScopeGuard>
#include <algorithm>

#include "panel/UConteudoPainel.h"
#include "panel/UErro.h"

void TRotativos::ClicarRotativo(quint16 n)
{
    exigirPainelAtivo(); // before the panels are stored: a failure leaves everything as it was
    if (GravarAoTrocar && AntesDeTrocar)
        AntesDeTrocar(this);
    RotativoAtual = n;
    SelecionarRotativo(n, true);
    if (AposTrocar)
        AposTrocar(this);
}

void TRotativos::Proximo()
{
    ClicarRotativo(quint16(std::clamp(RotativoAtual + 1, 1, 8)));
}

void TRotativos::Anterior()
{
    ClicarRotativo(quint16(std::clamp(RotativoAtual - 1, 1, 8)));
}

TCfgRotativo &TRotativos::SelecionarRotativo(quint16 rotativo, bool exibir)
{
    const TPainelAtivo ativo = painelAtivo();
    const bool presentes[] = {ativo.Frontal, ativo.Lateral, ativo.Traseiro, ativo.Auxiliar};
    for (qint16 painel = 1; painel <= 4; ++painel)
        if (presentes[painel - 1])
            Configuracao(painel, rotativo);
    TCfgRotativo &resultado = Configuracao(qint16(ativo.Painel), rotativo);
    if (exibir)
        ExibirRotativo(qint16(ativo.Painel), resultado.NroRotativo);
    return resultado;
}

void TRotativos::ExibirRotativo(qint16 painel, quint16 rotativo)
{
    if (rotativo < 1 || rotativo > 8)
        return;
    rotativoMarcado = rotativo;
    tempoExibido = Configuracao(painel, rotativo).TempoExposicao;
    RotativoAtual = rotativo;
    Exibir();
}

void TRotativos::ExibirSemCriar(qint16 painel, quint16 rotativo)
{
    RotativoAtual = rotativo;
    rotativoMarcado = rotativo >= 1 && rotativo <= 8 ? rotativo : 0;
    const TCfgRotativo *registro = procurar(painel, rotativo);
    tempoExibido = registro ? std::optional<qint16>(registro->TempoExposicao) : std::nullopt;
    Exibir();
}

TCfgRotativo &TRotativos::Configuracao(qint16 painel, quint16 rotativo)
{
    bool achou = false;
    return *BuscarConfiguracao(painel, rotativo, true, achou);
}

TCfgRotativo *TRotativos::BuscarConfiguracao(qint16 painel, quint16 rotativo, bool criar, bool &achou)
{
    achou = false;
    if (TCfgRotativo *existente = procurar(painel, rotativo)) {
        achou = true;
        return existente;
    }
    if (!criar)
        return nullptr;
    // The missing slots are appended from the highest down to the first one
    // that exists; each then inherits from the slot below it, lowest first.
    std::vector<TCfgRotativo *> novos{&acrescentar(painel, rotativo)};
    TCfgRotativo *anterior = nullptr;
    for (quint16 n = rotativo; n > 1 && !anterior; --n) {
        anterior = procurar(painel, quint16(n - 1));
        if (!anterior)
            novos.push_back(&acrescentar(painel, quint16(n - 1)));
    }
    if (!anterior) {
        anterior = novos.back(); // slot 1 (or 0) inherits nothing
        novos.pop_back();
    }
    for (auto it = novos.rbegin(); it != novos.rend(); ++it) {
        TCfgRotativo &novo = **it;
        novo.TempoExposicao = anterior->TempoExposicao;
        novo.DivisaoNaColuna = anterior->DivisaoNaColuna;
        novo.CorLedNaDivisao = anterior->CorLedNaDivisao;
        novo.CorLed = anterior->CorLed;
        novo.Conteudo = CopiarParteFixa(*anterior);
        anterior = &novo;
    }
    return novos.empty() ? anterior : novos.front();
}

void TRotativos::ExcluirConfiguracao(qint16 painel, quint16 rotativo)
{
    const auto it = std::find_if(rotativos.begin(), rotativos.end(), [&](const auto &c) {
        return c->Painel == painel && c->NroRotativo == rotativo;
    });
    if (it == rotativos.end())
        return;
    for (auto depois = rotativos.erase(it); depois != rotativos.end(); ++depois)
        if ((*depois)->Painel == painel)
            --(*depois)->NroRotativo;
}

void TRotativos::LimparConfiguracoes()
{
    rotativos.clear();
}

void TRotativos::ReiniciarRotativos()
{
    exigirPainelAtivo();
    LimparConfiguracoes();
    RotativoAtual = 1;
    SelecionarRotativo(1, true);
}

void TRotativos::AumentarTempoExposicao()
{
    TCfgRotativo &configuracao = Configuracao(qint16(painelAtivo().Painel), RotativoAtual);
    if (configuracao.TempoExposicao < TempoExposicaoMaximo)
        ++configuracao.TempoExposicao;
    exibirTempo(configuracao.TempoExposicao);
}

void TRotativos::DiminuirTempoExposicao()
{
    TCfgRotativo &configuracao = Configuracao(qint16(painelAtivo().Painel), RotativoAtual);
    if (configuracao.TempoExposicao <= 0)
        return;
    --configuracao.TempoExposicao;
    exibirTempo(configuracao.TempoExposicao);
}

std::unique_ptr<QBuffer> TRotativos::CopiarParteFixa(const TCfgRotativo &configuracao)
{
    const QByteArray parteFixa = TConteudoPainel::RecortarConteudo(
        configuracao.NroLinhas, configuracao.DivisaoNaColuna, configuracao.TextoConteudo());
    return TCfgRotativo::NovoConteudo(parteFixa);
}

TRotativos::TPainelAtivo TRotativos::painelAtivo()
{
    exigirPainelAtivo();
    TPainelAtivo ativo;
    OnRetornaPainelAtivo(this, ativo.Painel, ativo.Auxiliar, ativo.Traseiro, ativo.Lateral, ativo.Frontal);
    return ativo;
}

void TRotativos::exigirPainelAtivo() const
{
    if (!OnRetornaPainelAtivo)
        throw TErro(QStringLiteral("ATENÇÃO:\r\nO evento \"OnRetornaPainelAtivo\" não foi informado."));
}

void TRotativos::exibirTempo(qint16 tempo)
{
    tempoExibido = tempo;
    Exibir();
}

TCfgRotativo *TRotativos::procurar(qint16 painel, quint16 rotativo) const
{
    for (const auto &configuracao : rotativos)
        if (configuracao->Painel == painel && configuracao->NroRotativo == rotativo)
            return configuracao.get();
    return nullptr;
}

TCfgRotativo &TRotativos::acrescentar(qint16 painel, quint16 rotativo)
{
    rotativos.push_back(std::make_unique<TCfgRotativo>(rotativo, painel));
    return *rotativos.back();
}
