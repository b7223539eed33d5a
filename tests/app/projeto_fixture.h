#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <array>

#include "data/UDtmDestino.h"

using namespace Qt::StringLiterals;

// One row of the destination table written as the panel synchronisation
// stores a sign: message i is stored when Conteudo[i - 1] is not empty.
struct TLinhaProjeto {
    int Painel = 1;
    int Numero = 1;
    int Linhas = 8;
    int Colunas = 80;
    bool Novo = false;
    std::array<QByteArray, 8> Conteudo{};
    std::array<QString, 8> Rotulo{};
    int Tempo = 2;           // exposure time of every stored message
    int Sentido = 0;         // direction code of every stored message
    int TamanhoMensagem = 0;
    int Divisao = 0;         // DivisaoNaColuna of the panel
    int FonteRelogio = 0;    // clock font number (extras on the front sign)
    std::array<int, 4> Relogio{}; // clock area of an extra: first column, last column, first row, last row
    int TipoOnibus = 1;
};

// Appends the row in the kind shown, as GravaPainel writes it (a pending new
// row holds only its keys, as NovaLinha leaves it).
inline void GravarLinha(TDtm_Destino &d, const TLinhaProjeto &l)
{
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    t.Acrescentar();
    t.DefinirValor(u"TIPOONIBUS"_s, l.TipoOnibus);
    t.DefinirValor(u"PAINEL"_s, l.Painel);
    t.DefinirValor(u"NRO_DESTINO"_s, l.Numero);
    t.DefinirValor(u"EXTRA"_s, d.FiltroExtra());
    t.DefinirValor(u"NOVO"_s, l.Novo);
    if (l.Novo) {
        d.GravarPendente();
        return;
    }
    for (int i = 1; i <= 8; ++i) {
        const QString n = QString::number(i);
        const bool guardado = !l.Conteudo[i - 1].isEmpty();
        t.DefinirValor(u"NRO_ROTATIVO"_s + n, guardado ? QVariant(i) : QVariant());
        t.DefinirValor(u"TPO_ROTATIVO"_s + n, guardado ? QVariant(l.Tempo) : QVariant());
        t.DefinirValor(u"SENTIDO_ROTATIVO"_s + n, guardado ? QVariant(l.Sentido) : QVariant());
        t.DefinirValor(u"ROTULO"_s + n, guardado ? QVariant(l.Rotulo[i - 1]) : QVariant());
        t.DefinirValor(u"CONFIG_PAINEL"_s + n, guardado ? QVariant(l.Conteudo[i - 1]) : QVariant());
    }
    t.DefinirValor(u"TAMANHO_MENSAGEM"_s, l.TamanhoMensagem);
    t.DefinirValor(u"NRO_LINHAS"_s, l.Linhas);
    t.DefinirValor(u"NRO_COLUNAS"_s, l.Colunas);
    t.DefinirValor(u"COR_FUNDO"_s, 0);
    t.DefinirValor(u"COR_PADRAO"_s, 0x0000FFFF);
    t.DefinirValor(u"ROLAGEM"_s, l.Sentido != 0);
    if (l.Painel == 1)
        t.DefinirValor(u"FONTE_HORARIO"_s, l.FonteRelogio);
    const bool extra = d.FiltroExtra();
    t.DefinirValor(u"POSXINICIAL"_s, extra ? l.Relogio[0] : (l.Divisao != 0 ? l.Divisao : 1));
    t.DefinirValor(u"POSXFINAL"_s, extra ? l.Relogio[1] : l.Colunas);
    t.DefinirValor(u"POSYINICIAL"_s, extra ? l.Relogio[2] : 1);
    t.DefinirValor(u"POSYFINAL"_s, extra ? l.Relogio[3] : l.Linhas);
    t.DefinirValor(u"DIV_COLUNA"_s, l.Divisao > 0 ? QVariant(l.Divisao) : QVariant());
    t.DefinirValor(u"COR_DIVISAO"_s, l.Divisao > 0 ? QVariant(0x000000FF) : QVariant());
    t.DefinirValor(u"DIV_LINHA"_s, false);
    d.GravarPendente();
}

// A row with one message holding conteudo, labelled rotulo.
inline TLinhaProjeto Linha(int painel, int numero, const QByteArray &conteudo, const QString &rotulo = {})
{
    TLinhaProjeto l;
    l.Painel = painel;
    l.Numero = numero;
    l.Conteudo[0] = conteudo;
    l.Rotulo[0] = rotulo;
    return l;
}

// A pending new row of the position.
inline TLinhaProjeto Pendente(int painel, int numero)
{
    TLinhaProjeto l;
    l.Painel = painel;
    l.Numero = numero;
    l.Novo = true;
    return l;
}
