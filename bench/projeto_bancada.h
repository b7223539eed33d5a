#pragma once

#include <QByteArray>
#include <QString>

#include "data/UDtmDestino.h"
#include "panel/UConteudoPainel.h"

// The project the benchmarks use: a bus with four signs (front 13 x 128, side
// 8 x 80, rear 13 x 32, auxiliary 8 x 80), N destinations and 20 extras, two
// rotating messages on every sign, stored as the program stores them.
namespace ProjetoBancada {

using namespace Qt::StringLiterals;

constexpr int extras = 20;
constexpr int mensagens = 2;

struct TSinal {
    int Linhas;
    int Colunas;
    TTipoFonte Fonte;
    int LarguraCaractere;
};
constexpr TSinal sinais[4] = {{13, 128, TTipoFonte::tfVeltronix13x7, 8},
                              {8, 80, TTipoFonte::tfVeltronix8x7, 8},
                              {13, 32, TTipoFonte::tfVeltronix13x7, 8},
                              {8, 80, TTipoFonte::tfVeltronix8x7, 8}};

// What a painted panel stores: every cell of the grid plus the extra row and
// column a paint creates, column by column, lit where the text's glyphs are,
// then one character record per typed character.
inline QByteArray Conteudo(const TSinal &sinal, const QByteArray &texto)
{
    QByteArray conteudo;
    const int usadas = qMin(sinal.Colunas, int(texto.size()) * sinal.LarguraCaractere);
    for (int c = 1; c <= sinal.Colunas + 1; ++c)
        for (int r = 1; r <= sinal.Linhas + 1; ++r)
            TConteudoPainel::EscreverEntradaLed(conteudo, r, c,
                                                c <= usadas && r <= sinal.Linhas && (r * 5 + c * 3) % 7 < 3);
    const int cabem = qMin(int(texto.size()), sinal.Colunas / sinal.LarguraCaractere);
    for (int i = 0; i < cabem; ++i)
        TConteudoPainel::EscreverEntradaCaractere(conteudo, i == 0, 1, 1 + i * sinal.LarguraCaractere,
                                                  static_cast<unsigned char>(texto[i]), sinal.Fonte, false);
    if (cabem > 0)
        TConteudoPainel::FecharCaracteres(conteudo);
    return conteudo;
}

inline void GravarSinal(TDtm_Destino &d, int painel, int numero)
{
    const TSinal &sinal = sinais[painel - 1];
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    t.Acrescentar();
    t.DefinirValor(u"TIPOONIBUS"_s, 1);
    t.DefinirValor(u"PAINEL"_s, painel);
    t.DefinirValor(u"EXTRA"_s, d.FiltroExtra());
    t.DefinirValor(u"NRO_DESTINO"_s, numero);
    t.DefinirValor(u"NRO_LINHAS"_s, sinal.Linhas);
    t.DefinirValor(u"NRO_COLUNAS"_s, sinal.Colunas);
    t.DefinirValor(u"COR_PADRAO"_s, 0x0000FFFF);
    t.DefinirValor(u"COR_FUNDO"_s, 0);
    t.DefinirValor(u"DIV_LINHA"_s, false);
    for (int i = 1; i <= mensagens; ++i) {
        const QString n = QString::number(i);
        const QByteArray texto = QByteArray(i == 1 ? "LINHA CENTRO " : "VIA TERMINAL ") + QByteArray::number(numero);
        t.DefinirValor(u"CONFIG_PAINEL"_s + n, Conteudo(sinal, texto));
        t.DefinirValor(u"SENTIDO_ROTATIVO"_s + n, 0);
        t.DefinirValor(u"TPO_ROTATIVO"_s + n, 3);
        t.DefinirValor(u"NRO_ROTATIVO"_s + n, i);
        t.DefinirValor(u"ROTULO"_s + n, QString::fromLatin1(texto));
    }
    t.DefinirValor(u"NOVO"_s, false);
    t.DefinirValor(u"ROLAGEM"_s, false);
    t.DefinirValor(u"FONTE_HORARIO"_s, 0);
    t.DefinirValor(u"POSXINICIAL"_s, 1);
    t.DefinirValor(u"POSXFINAL"_s, sinal.Colunas);
    t.DefinirValor(u"POSYINICIAL"_s, 1);
    t.DefinirValor(u"POSYFINAL"_s, sinal.Linhas);
    t.DefinirValor(u"TAMANHO_MENSAGEM"_s, sinal.Colunas);
    d.GravarPendente();
}

inline void Montar(TDtm_Destino &d, int destinos)
{
    d.AbrirTabelas({});
    for (bool extra : {true, false}) {
        d.DefinirFiltroExtra(extra);
        for (int numero = 1; numero <= (extra ? extras : destinos); ++numero)
            for (int painel = 1; painel <= 4; ++painel)
                GravarSinal(d, painel, numero);
    }
    d.ReconstruirRotulos(true);
}

}
