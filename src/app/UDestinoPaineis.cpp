#include "app/UDestinoPaineis.h"

#include "data/UDtmDestino.h"
#include "editor/UCfgRotativo.h"
#include "editor/URotativos.h"
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
}

namespace TDestinoPaineis {

void Carregar(TTabelaMemoria &t, bool extra, int numero, const TPaineis &paineis, TRotativos &rotativos,
              const std::function<void(bool rolagem)> &aoRolagemFrontal)
{
    for (int p = 1; p <= int(paineis.size()); ++p) {
        TPainelLed *painel = paineis[size_t(p - 1)];
        if (!painel)
            continue;
        painel->ExibirCursor(false, true);
        if (!localizar(t, extra, p, numero))
            continue;
        if (p == 1 && aoRolagemFrontal)
            aoRolagemFrontal(t.ComoBooleano(u"ROLAGEM"_s));
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

// The row to write: when the current row is another position's, this
// position's row of the number (made as a pending row when missing); else a
// current pending new row; else this position's row of the number; else a new
// row after the position's highest number.
void Gravar(TDtm_Destino &dados, TPainelLed &painel, TRotativos &rotativos, bool extra, int numero, int tipoOnibus)
{
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const int p = painel.Tag;
    const auto novaLinha = [&](int n) {
        dados.NovaLinha(p);
        t.DefinirValor(u"TIPOONIBUS"_s, tipoOnibus);
        t.DefinirValor(u"NRO_DESTINO"_s, n);
        t.DefinirValor(u"PAINEL"_s, p);
    };
    if (dados.TemLinhas() && t.ComoInteiro(u"PAINEL"_s) != p) {
        if (!localizar(t, extra, p, numero)) {
            novaLinha(numero);
            t.DefinirValor(u"EXTRA"_s, extra);
            t.DefinirValor(u"NOVO"_s, true);
            dados.GravarPendente();
        }
        dados.EditarAtual();
    } else if (dados.TemLinhas() && t.ComoBooleano(u"NOVO"_s)) {
        dados.EditarAtual();
    } else if (dados.TemLinhas() && localizar(t, extra, p, numero)) {
        dados.EditarAtual();
    } else {
        novaLinha(dados.MaiorNumero(p) + 1);
    }

    EscreverColunas(t, painel, rotativos, extra);
    dados.GravarPendente();
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
    t.DefinirValor(u"TAMANHO_MENSAGEM"_s, painel.UltimaColunaAcesa(true));
    t.DefinirValor(u"NRO_LINHAS"_s, painel.NroLinhas());
    t.DefinirValor(u"NRO_COLUNAS"_s, painel.NroColunas());
    t.DefinirValor(u"COR_FUNDO"_s, cor(painel.CorFundo()));
    t.DefinirValor(u"COR_PADRAO"_s, cor(painel.CorLed()));
    t.DefinirValor(u"ROLAGEM"_s, painel.Rolagem() != TRolagem::tsNenhum);
    if (p == 1)
        t.DefinirValor(u"FONTE_HORARIO"_s, TFontesLed::NumeroDaFonte(painel.RelogioFonte()));
    const int divisao = painel.DivisaoNaColuna();
    if (extra) {
        t.DefinirValor(u"POSXINICIAL"_s, painel.RelogioColunaInicial());
        t.DefinirValor(u"POSXFINAL"_s, painel.RelogioColunaFinal());
        t.DefinirValor(u"POSYINICIAL"_s, painel.RelogioLinhaInicial());
        t.DefinirValor(u"POSYFINAL"_s, painel.RelogioLinhaFinal());
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
    if (t.Ativa() && t.Localizar(u"EXTRA;PAINEL;NOVO"_s, {extra, p, true}, TVazio::ComoZero)) {
        const int numero = t.ComoInteiro(u"NRO_DESTINO"_s);
        if (dados.Cds_Rotulos.Ativa())
            dados.Cds_Rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {extra, numero}, TVazio::ComoZero);
        return;
    }
    const int n = dados.MaiorNumero(p);
    dados.NovaLinha(p);
    t.DefinirValor(u"TIPOONIBUS"_s, tipoOnibus);
    t.DefinirValor(u"NRO_DESTINO"_s, n + 1);
    t.DefinirValor(u"PAINEL"_s, p);
    t.DefinirValor(u"EXTRA"_s, extra);
    t.DefinirValor(u"NOVO"_s, true);
    dados.GravarPendente();
}

}
