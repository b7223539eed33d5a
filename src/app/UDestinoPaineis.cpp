#include "app/UDestinoPaineis.h"

#include <algorithm>

#include "data/UDtmDestino.h"
#include "editor/UCfgRotativo.h"
#include "editor/URotativos.h"
#include "panel/UErro.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int qtdRotativos = 8;

QVariant cor(TCor valor)
{
    return static_cast<qint32>(valor); // colours keep their 32 bits in an integer column
}

bool localizar(TTabelaMemoria &t, bool extra, int painel, int numero)
{
    return t.Ativa() && t.Localizar(u"EXTRA;PAINEL;NRO_DESTINO"_s, {extra, painel, numero}, TVazio::ComoZero);
}

// The scrolling a row gives its panel: none, or the direction of its first
// message (to the left when that names none).
TRolagem rolagemDaLinha(const TTabelaMemoria &t)
{
    if (!t.ComoBooleano(u"ROLAGEM"_s))
        return TRolagem::tsNenhum;
    const TRolagem sentido = SentidoDoCodigo(t.ComoInteiro(u"SENTIDO_ROTATIVO1"_s));
    return sentido == TRolagem::tsNenhum || sentido == TRolagem::tsHorario ? TRolagem::tsEsquerda : sentido;
}

// The stored slots of a position, in slot order.
std::vector<const TCfgRotativo *> guardados(TRotativos &rotativos, int p)
{
    std::vector<const TCfgRotativo *> lista;
    for (int i = 1; i <= qtdRotativos; ++i) {
        bool achou = false;
        const TCfgRotativo *c = rotativos.BuscarConfiguracao(qint16(p), quint16(i), false, achou);
        if (c && !c->Vazio)
            lista.push_back(c);
    }
    return lista;
}

// The widest lit column of a content text (what a malformed text delivers before its fault).
int ultimaColunaAcesa(const QByteArray &conteudo)
{
    int ultima = 0;
    try {
        TConteudoPainel::AnalisarConteudo(
            conteudo, [&ultima](const TEntradaLed &e) { ultima = e.Acesa ? std::max(ultima, int(e.Coluna)) : ultima; },
            [](const TEntradaCaractere &) {});
    } catch (const TErro &) {
    }
    return ultima;
}

// The departure clock as the row describes it: of the first message that has
// one, laid on a panel of the sign's size.
struct TRelogio {
    TTipoFonte Fonte = TTipoFonte::tfNenhum;
    int ColunaInicial = 0;
    int ColunaFinal = 0;
    int LinhaInicial = 0;
    int LinhaFinal = 0;
};

TRelogio relogio(const std::vector<const TCfgRotativo *> &mensagens, const TPainelLed &painel)
{
    for (const TCfgRotativo *c : mensagens) {
        const QByteArray texto = c->TextoConteudo();
        // The writer puts a double quote only after a clock character.
        if (!texto.contains('"'))
            continue;
        TPainelLed rascunho;
        rascunho.DefinirNroLinhas(painel.NroLinhas());
        rascunho.DefinirNroColunas(painel.NroColunas());
        try {
            rascunho.CarregarConteudo(texto);
        } catch (const TErro &) {
        }
        if (rascunho.RelogioColunaFinal() == 0)
            continue;
        return {rascunho.RelogioFonte(), rascunho.RelogioColunaInicial(), rascunho.RelogioColunaFinal(),
                rascunho.RelogioLinhaInicial(), rascunho.RelogioLinhaFinal()};
    }
    return {};
}
}

namespace TDestinoPaineis {

void Carregar(TTabelaMemoria &t, bool extra, int numero, const TPaineis &paineis, TRotativos &rotativos)
{
    for (int p = 1; p <= int(paineis.size()); ++p) {
        TPainelLed *painel = paineis[size_t(p - 1)];
        if (!painel)
            continue;
        painel->ExibirCursor(false, true);
        if (!localizar(t, extra, p, numero))
            continue;
        painel->DefinirRolagem(rolagemDaLinha(t));
        const TCor corLed = TCor(t.ComoInteiro(u"COR_PADRAO"_s));
        const TCor corDivisao = TCor(t.ComoInteiro(u"COR_DIVISAO"_s));
        const int divisao = t.ComoInteiro(u"DIV_COLUNA"_s);
        for (int i = 1; i <= qtdRotativos; ++i) {
            const QString n = QString::number(i);
            if (t.EstaVazio(u"CONFIG_PAINEL"_s + n))
                continue;
            TCfgRotativo &c = rotativos.Configuracao(qint16(p), quint16(i));
            c.TempoExposicao = qint16(t.ComoInteiro(u"TPO_ROTATIVO"_s + n));
            c.Rolagem = SentidoDoCodigo(t.ComoInteiro(u"SENTIDO_ROTATIVO"_s + n));
            c.Vazio = false;
            c.Rotulo = t.ComoTexto(u"ROTULO"_s + n);
            c.CorLed = corLed;
            c.CorLedNaDivisao = corDivisao;
            c.DivisaoNaColuna = qint16(divisao);
            c.DefinirTextoConteudo(t.ComoBytes(u"CONFIG_PAINEL"_s + n));
        }
        painel->CarregarDoStream(rotativos.Configuracao(qint16(p), 1).Conteudo.get());
        painel->DefinirCorLed(corLed);
        painel->DefinirCorLedNaDivisao(corDivisao);
        painel->DefinirDivisaoNaColuna(divisao);
    }
}

void Gravar(TDtm_Destino &dados, TPainelLed &painel, TRotativos &rotativos, bool extra, int numero, int tipoOnibus,
            bool novo)
{
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const int p = painel.Tag;
    if (localizar(t, extra, p, numero)) {
        dados.EditarAtual();
    } else {
        if (!novo && painel.EstaVazio() && guardados(rotativos, p).empty())
            return;
        dados.NovaLinha(p);
        t.DefinirValor(u"TIPOONIBUS"_s, tipoOnibus);
        t.DefinirValor(u"NRO_DESTINO"_s, numero);
        t.DefinirValor(u"PAINEL"_s, p);
    }
    EscreverColunas(t, painel, rotativos, extra);
    dados.GravarPendente();
}

bool NumeroGuardado(TTabelaMemoria &t, bool extra, int numero)
{
    return t.Ativa() && t.Localizar(u"EXTRA;NRO_DESTINO;NOVO"_s, {extra, numero, false}, TVazio::ComoZero);
}

void EscreverColunas(TTabelaMemoria &t, const TPainelLed &painel, TRotativos &rotativos, bool extra)
{
    const int p = painel.Tag;
    for (int i = 1; i <= qtdRotativos; ++i) {
        const QString n = QString::number(i);
        // A slot the position never had is an empty one: looked up, not made.
        bool achou = false;
        const TCfgRotativo *existente = rotativos.BuscarConfiguracao(qint16(p), quint16(i), false, achou);
        const TCfgRotativo vazia{quint16(i), qint16(p)};
        const TCfgRotativo &c = existente ? *existente : vazia;
        const bool vazio = c.Vazio;
        t.DefinirValor(u"NRO_ROTATIVO"_s + n, vazio ? QVariant() : QVariant(i));
        t.DefinirValor(u"TPO_ROTATIVO"_s + n, vazio ? QVariant() : QVariant(int(c.TempoExposicao)));
        t.DefinirValor(u"SENTIDO_ROTATIVO"_s + n, vazio ? QVariant() : QVariant(CodigoDoSentido(c.Rolagem)));
        t.DefinirValor(u"ROTULO"_s + n, vazio ? QVariant() : QVariant(c.Rotulo));
        t.DefinirValor(u"CONFIG_PAINEL"_s + n, vazio ? QVariant() : QVariant(c.TextoConteudo()));
    }
    const std::vector<const TCfgRotativo *> mensagens = guardados(rotativos, p);
    int tamanho = 0;
    for (const TCfgRotativo *c : mensagens)
        tamanho = std::max(tamanho, ultimaColunaAcesa(c->TextoConteudo()));
    const TRelogio r = relogio(mensagens, painel);
    t.DefinirValor(u"TAMANHO_MENSAGEM"_s, tamanho);
    t.DefinirValor(u"NRO_LINHAS"_s, painel.NroLinhas());
    t.DefinirValor(u"NRO_COLUNAS"_s, painel.NroColunas());
    t.DefinirValor(u"COR_FUNDO"_s, cor(painel.CorFundo()));
    t.DefinirValor(u"COR_PADRAO"_s, cor(painel.CorLed()));
    t.DefinirValor(u"ROLAGEM"_s, painel.Rolagem() != TRolagem::tsNenhum);
    if (p == 1)
        t.DefinirValor(u"FONTE_HORARIO"_s, TFontesLed::NumeroDaFonte(r.Fonte));
    const int divisao = painel.DivisaoNaColuna();
    if (extra) {
        t.DefinirValor(u"POSXINICIAL"_s, r.ColunaInicial);
        t.DefinirValor(u"POSXFINAL"_s, r.ColunaFinal);
        t.DefinirValor(u"POSYINICIAL"_s, r.LinhaInicial);
        t.DefinirValor(u"POSYFINAL"_s, r.LinhaFinal);
    } else {
        t.DefinirValor(u"POSXINICIAL"_s, divisao != 0 ? divisao : 1);
        t.DefinirValor(u"POSXFINAL"_s, painel.NroColunas());
        t.DefinirValor(u"POSYINICIAL"_s, 1);
        t.DefinirValor(u"POSYFINAL"_s, painel.NroLinhas());
    }
    t.DefinirValor(u"DIV_COLUNA"_s, divisao < 1 ? QVariant() : QVariant(divisao));
    t.DefinirValor(u"COR_DIVISAO"_s, divisao < 1 ? QVariant() : cor(painel.CorLedNaDivisao()));
    t.DefinirValor(u"DIV_LINHA"_s, false);
    t.DefinirValor(u"EXTRA"_s, extra);
    t.DefinirValor(u"NOVO"_s, false);
}

void PrepararProximo(TDtm_Destino &dados, int p, bool extra, int tipoOnibus)
{
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    // The pending row serves while no sign has stored its number yet: a new
    // destination must not land on another sign's stored message.
    const int maior = dados.MaiorNumero(0);
    if (t.Ativa() && t.Localizar(u"EXTRA;PAINEL;NOVO"_s, {extra, p, true}, TVazio::ComoZero)
        && t.ComoInteiro(u"NRO_DESTINO"_s) > maior) {
        const int numero = t.ComoInteiro(u"NRO_DESTINO"_s);
        if (dados.Cds_Rotulos.Ativa())
            dados.Cds_Rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {extra, numero}, TVazio::ComoZero);
        return;
    }
    dados.NovaLinha(p);
    t.DefinirValor(u"TIPOONIBUS"_s, tipoOnibus);
    t.DefinirValor(u"NRO_DESTINO"_s, maior + 1);
    t.DefinirValor(u"PAINEL"_s, p);
    t.DefinirValor(u"EXTRA"_s, extra);
    t.DefinirValor(u"NOVO"_s, true);
    dados.GravarPendente();
}

}
