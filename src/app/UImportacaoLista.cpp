#include "app/UImportacaoLista.h"

#include <QScopeGuard>
#include <QSet>

#include "app/UDestinoPaineis.h"
#include "app/UProjetoArquivo.h"
#include "data/UDtmDestino.h"
#include "editor/UCfgRotativo.h"
#include "editor/UEditorPaineis.h"
#include "editor/URotativos.h"
#include "panel/UErro.h"
#include "panel/UPainelLed.h"
#include "panel/UWindows1252.h"

using namespace Qt::StringLiterals;

namespace {
const char16_t *const nomesPosicoes[] = {u"Frontal", u"Lateral", u"Traseiro", u"Auxiliar"};

QString nomeDoSinal(int posicao)
{
    return QString::fromUtf16(nomesPosicoes[posicao - 1]);
}

// A panel that notes a line that does not fit instead of opening a window.
class TPainelImportacao : public TPainelLed {
public:
    bool NaoCoube = false;

protected:
    void LinhaNaoCabe() override { NaoCoube = true; }
};

std::optional<bool> lerBooleano(const QString &texto)
{
    if (texto.isEmpty() || texto == u"0")
        return false;
    if (texto == u"1")
        return true;
    return std::nullopt;
}
}

struct TImportacaoLista::TDestinoPreparado {
    int Numero = 0;
    bool Extra = false;
    TRotativos Rotativos;
    std::vector<std::unique_ptr<TPainelImportacao>> Paineis; // one per fitted sign, in order
};

TImportacaoLista::TImportacaoLista(TDtm_Destino &dados, QList<TSinalEquipado> sinais, int tipoOnibus)
    : dados(dados), sinais(std::move(sinais)), tipoOnibus(tipoOnibus)
{
}

TImportacaoLista::~TImportacaoLista() = default;

bool TImportacaoLista::Preparar(const TListaDestinos &lista, bool substituir)
{
    planos.clear();
    recusas.clear();
    preparados.clear();
    if (sinais.isEmpty())
        throw TErro(u"ATENÇÃO:\r\nO projeto não tem nenhum painel para receber a lista."_s);

    // The numbers the project has, by kind (pending new rows are not destinations yet).
    QSet<QPair<bool, int>> existentes;
    if (dados.Cds_DestinosExtras.Ativa()) {
        const bool mostrado = dados.FiltroExtra();
        const auto restaurar = qScopeGuard([&] { dados.DefinirFiltroExtra(mostrado); });
        TTabelaMemoria &t = dados.Cds_DestinosExtras;
        for (bool extra : {false, true}) {
            dados.DefinirFiltroExtra(extra);
            for (t.Primeiro(); !t.Fim(); t.Proximo())
                if (!t.ComoBooleano(u"NOVO"_s))
                    existentes.insert({extra, t.ComoInteiro(u"NRO_DESTINO"_s)});
        }
    }

    QHash<QPair<bool, int>, int> vistos; // number -> line it was first seen on
    for (const TLinhaLista &linha : lista.Linhas) {
        std::unique_ptr<TDestinoPreparado> destino;
        if (!prepararLinha(linha, substituir, destino))
            continue;
        const QPair<bool, int> chave(destino->Extra, destino->Numero);
        if (const auto anterior = vistos.constFind(chave); anterior != vistos.cend()) {
            recusas.append({linha.Linha, u"o número %1 já aparece na linha %2"_s.arg(destino->Numero).arg(*anterior)});
            continue;
        }
        vistos.insert(chave, linha.Linha);
        const bool existe = existentes.contains(chave);
        if (existe && !substituir) {
            recusas.append({linha.Linha, u"o número %1 já existe no projeto"_s.arg(destino->Numero)});
            continue;
        }
        QStringList textos;
        for (const auto &painel : destino->Paineis)
            textos << painel->Rotulo();
        planos.append({linha.Linha, destino->Numero, destino->Extra, existe, textos.join(u" | "_s)});
        preparados.push_back(std::move(destino));
    }
    return recusas.isEmpty();
}

bool TImportacaoLista::prepararLinha(const TLinhaLista &linha, bool substituir,
                                     std::unique_ptr<TDestinoPreparado> &destino)
{
    Q_UNUSED(substituir)
    const auto recusar = [&](const QString &motivo) {
        recusas.append({linha.Linha, motivo});
        return false;
    };
    bool ok = false;
    const int numero = linha.Numero.toInt(&ok);
    if (!ok || numero < 1 || numero > 65535)
        return recusar(u"o número \"%1\" não é um número de 1 a 65535"_s.arg(linha.Numero));
    const std::optional<bool> extra = lerBooleano(linha.Extra);
    if (!extra)
        return recusar(u"a coluna extra vale \"%1\"; aceita 0 ou 1"_s.arg(linha.Extra));
    const std::optional<bool> rolar = lerBooleano(linha.Rolagem);
    if (!rolar)
        return recusar(u"a coluna rolagem vale \"%1\"; aceita 0 ou 1"_s.arg(linha.Rolagem));
    // Without a value the sign scrolls only when the text does not fit.
    const bool rolagemLivre = linha.Rolagem.isEmpty();

    destino = std::make_unique<TDestinoPreparado>();
    destino->Numero = numero;
    destino->Extra = *extra;
    for (const TSinalEquipado &sinal : std::as_const(sinais)) {
        const QString texto = linha.Textos[size_t(sinal.Painel - 1)].value_or(QString());
        const TTipoFonte fonte = TEditorPaineis::FonteDasLinhas(sinal.Linhas).value_or(TTipoFonte::tfVeltronix8x7);
        for (const QChar c : texto) {
            const auto byte = TWindows1252::ParaByte(c);
            QByteArray glifo;
            if (c != u' ' && (!byte || !TFontesLed::LerGlifo(fonte, *byte, glifo)))
                return recusar(u"o caractere \"%1\" não existe na fonte %2 do painel %3"_s.arg(
                    c, TFontesLed::NomeDaFonte(fonte), nomeDoSinal(sinal.Painel)));
        }
        const auto digitar = [&](bool rolando) {
            auto painel = std::make_unique<TPainelImportacao>();
            painel->Tag = sinal.Painel;
            painel->DefinirNroLinhas(sinal.Linhas);
            painel->DefinirNroColunas(sinal.Colunas);
            painel->DefinirFonteUtilizada(fonte);
            if (rolando)
                painel->DefinirRolagem(TRolagem::tsEsquerda);
            painel->PosicionarCursor(1, 1);
            painel->DigitarTexto(texto);
            if (!rolando && !painel->NaoCoube)
                painel->DefinirAlinhamento(TAlinhamento::taCenter);
            return painel;
        };
        std::unique_ptr<TPainelImportacao> painel = digitar(*rolar);
        if (painel->NaoCoube && rolagemLivre)
            painel = digitar(true);
        if (painel->NaoCoube)
            return recusar(u"o texto não cabe no painel %1 (%2 colunas) e a rolagem é 0"_s.arg(
                nomeDoSinal(sinal.Painel)).arg(sinal.Colunas));
        if (!painel->EstaVazio())
            destino->Rotativos.Configuracao(qint16(sinal.Painel), 1).GravarPainel(*painel);
        destino->Paineis.push_back(std::move(painel));
    }
    return true;
}

void TImportacaoLista::Importar()
{
    if (!recusas.isEmpty())
        throw TErro(TextoDasRecusas());
    if (!dados.Cds_DestinosExtras.Ativa())
        dados.AbrirTabelas({});
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const bool mostrado = dados.FiltroExtra();
    const auto restaurar = qScopeGuard([&] { MostrarTipo(dados, mostrado); });
    for (bool extra : {false, true}) {
        MostrarTipo(dados, extra);
        for (const auto &destino : preparados) {
            if (destino->Extra != extra)
                continue;
            for (const auto &painel : destino->Paineis) {
                const int p = painel->Tag;
                // A pending new row holding the number gives way to the imported one.
                while (t.Localizar(u"EXTRA;PAINEL;NRO_DESTINO;NOVO"_s, {extra, p, destino->Numero, true},
                                   TVazio::ComoZero))
                    t.Excluir();
                if (t.Localizar(u"EXTRA;PAINEL;NRO_DESTINO"_s, {extra, p, destino->Numero}, TVazio::ComoZero)) {
                    t.Editar();
                } else {
                    t.Acrescentar();
                    t.DefinirValor(u"TIPOONIBUS"_s, tipoOnibus);
                    t.DefinirValor(u"NRO_DESTINO"_s, destino->Numero);
                    t.DefinirValor(u"PAINEL"_s, p);
                }
                TDestinoPaineis::EscreverColunas(t, *painel, destino->Rotativos, extra);
                dados.GravarPendente();
            }
        }
    }
}

QString TImportacaoLista::TextoDasRecusas() const
{
    QStringList linhas;
    for (const TRecusa &r : recusas)
        linhas << u"linha %1: %2"_s.arg(r.Linha).arg(r.Motivo);
    return u"ATENÇÃO:\r\nA lista não foi importada; nenhuma linha foi gravada.\r\n"_s + linhas.join(u"\r\n"_s);
}
