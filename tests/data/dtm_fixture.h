#pragma once

#include "data/UDtmDestino.h"

#include <QStringList>

using namespace Qt::StringLiterals;

// Rows written as the panel synchronisation writes them: "painel/nro" for a
// stored row labelled "P<painel>N<nro>", "painel/nro/N" for a pending new row
// (no label), both of the kind shown.
inline void Gravar(TDtm_Destino &d, const QString &linha)
{
    const QStringList partes = linha.split(u'/');
    const bool novo = partes.size() > 2;
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    t.Acrescentar();
    t.DefinirValor(u"PAINEL"_s, partes[0].toInt());
    t.DefinirValor(u"NRO_DESTINO"_s, partes[1].toInt());
    t.DefinirValor(u"EXTRA"_s, d.FiltroExtra());
    t.DefinirValor(u"NOVO"_s, novo);
    if (!novo)
        t.DefinirValor(u"ROTULO1"_s, u"P%1N%2"_s.arg(partes[0], partes[1]));
    d.GravarPendente();
}

inline void Gravar(TDtm_Destino &d, const QStringList &linhas)
{
    for (const QString &linha : linhas)
        Gravar(d, linha);
}

// The destination rows shown, in order, in the form Gravar takes.
inline QStringList Destinos(TDtm_Destino &d)
{
    QStringList linhas;
    TTabelaMemoria &t = d.Cds_DestinosExtras;
    for (t.Primeiro(); !t.Fim(); t.Proximo())
        linhas << t.ComoTexto(u"PAINEL"_s) + u'/' + t.ComoTexto(u"NRO_DESTINO"_s)
                + (t.ComoBooleano(u"NOVO"_s) ? u"/N"_s : QString());
    return linhas;
}

// The label rows shown, in order: "nro:ROTULO1|ROTULO2|ROTULO3|ROTULO4".
inline QStringList Rotulos(TDtm_Destino &d)
{
    QStringList linhas;
    TTabelaMemoria &t = d.Cds_Rotulos;
    for (t.Primeiro(); !t.Fim(); t.Proximo()) {
        QStringList colunas;
        for (int p = 1; p <= 4; ++p)
            colunas << t.ComoTexto(u"ROTULO"_s + QString::number(p));
        linhas << t.ComoTexto(u"NRO_DESTINO"_s) + u':' + colunas.join(u'|');
    }
    return linhas;
}
