#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <QVector>
#include <algorithm>
#include <tuple>

#include "data/UTabelaMemoria.h"

using namespace Qt::StringLiterals;

// The stored rows of the destination table as a test compares them, and the
// first difference between two sets of them, told as a reader needs it.

using TChave = std::tuple<bool, int, int>; // kind, sign, number
using TLinhas = QMap<TChave, QVector<QVariant>>;

// The stored rows (pending ones left out) by kind, sign and number.
inline TLinhas linhasGuardadas(const TTabelaMemoria &t)
{
    const int extra = t.IndiceDaColuna(u"EXTRA"_s);
    const int painel = t.IndiceDaColuna(u"PAINEL"_s);
    const int numero = t.IndiceDaColuna(u"NRO_DESTINO"_s);
    const int novo = t.IndiceDaColuna(u"NOVO"_s);
    TLinhas r;
    for (const QVector<QVariant> &linha : t.TodasAsLinhas())
        if (!linha.value(novo).toBool())
            r.insert({linha.value(extra).toBool(), linha.value(painel).toInt(), linha.value(numero).toInt()}, linha);
    return r;
}

inline bool iguais(const QVariant &a, const QVariant &b)
{
    return a.isNull() == b.isNull() && a == b;
}

// Two values of a column as a reader needs them: long texts from where they differ.
inline QString mostrar(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull() || a.typeId() != QMetaType::QByteArray)
        return u"era %1, ficou %2"_s.arg(a.isNull() ? u"vazio"_s : a.toString(), b.isNull() ? u"vazio"_s : b.toString());
    const QByteArray x = a.toByteArray();
    const QByteArray y = b.toByteArray();
    qsizetype i = 0;
    while (i < x.size() && i < y.size() && x[i] == y[i])
        ++i;
    const qsizetype inicio = std::max<qsizetype>(0, i - 30);
    return u"%1 e %2 bytes, diferem em %3: era ...%4, ficou ...%5"_s.arg(x.size()).arg(y.size()).arg(i).arg(
        QString::fromLatin1(x.mid(inicio, 90)), QString::fromLatin1(y.mid(inicio, 90)));
}

// The first difference between two sets of rows, for the failure message; empty when equal.
inline QString diferenca(const TTabelaMemoria &t, const TLinhas &antes, const TLinhas &depois)
{
    for (auto it = antes.cbegin(); it != antes.cend(); ++it) {
        const auto [extra, painel, numero] = it.key();
        const QString linha = u"%1 %2, sinal %3"_s.arg(extra ? u"extra"_s : u"destino"_s).arg(numero).arg(painel);
        if (!depois.contains(it.key()))
            return linha + u": a linha sumiu"_s;
        const QVector<QVariant> &b = depois[it.key()];
        for (int c = 0; c < t.QuantidadeDeColunas(); ++c)
            if (!t.Coluna(c).Calculada && !iguais(it.value().value(c), b.value(c)))
                return u"%1: %2 %3"_s.arg(linha, t.Coluna(c).Nome, mostrar(it.value().value(c), b.value(c)));
    }
    for (auto it = depois.cbegin(); it != depois.cend(); ++it)
        if (!antes.contains(it.key())) {
            const auto [extra, painel, numero] = it.key();
            return u"%1 %2, sinal %3: linha nova"_s.arg(extra ? u"extra"_s : u"destino"_s).arg(numero).arg(painel);
        }
    return {};
}

inline TLinhas doNumero(const TLinhas &linhas, bool extra, int numero)
{
    TLinhas r;
    for (auto it = linhas.cbegin(); it != linhas.cend(); ++it)
        if (std::get<0>(it.key()) == extra && std::get<2>(it.key()) == numero)
            r.insert(it.key(), it.value());
    return r;
}

