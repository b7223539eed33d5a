#pragma once

#include <QString>
#include <QVariant>

enum class TTipoColuna { Inteiro, Booleano, Texto, Blob };

// One column of a TTabelaMemoria, defined while the table is closed.
// Values are QVariants: int, bool, QString or QByteArray, or a null QVariant
// for an empty value.
struct TColunaTabela {
    QString Nome = {};        // looked up without regard to case
    TTipoColuna Tipo = TTipoColuna::Inteiro;
    int Tamanho = 0;          // Texto only: most characters kept; 0 = no limit
    QString Rotulo = {};      // display label; the name when empty
    QVariant Padrao = {};     // value of a newly inserted or appended row
    int Tag = 0;
    bool Calculada = false;   // filled by the table's AoCalcular, never stored

    QString RotuloExibido() const { return Rotulo.isEmpty() ? Nome : Rotulo; }

    // The value as the table stores it: integers of any width that fit in
    // int become int, text is cut to Tamanho, and an empty text or byte array
    // becomes null (empty), as the classic engines store it. A value of
    // another type throws TErro.
    QVariant Normalizar(const QVariant &valor) const;
};

// Ordering of two normalised values of one column type: empty first, then
// ascending (false before true, text by UTF-16 code units, bytes bytewise).
// Negative, zero or positive.
int CompararValores(TTipoColuna tipo, const QVariant &a, const QVariant &b);

// Equality of two normalised values. With vazioComoZero an empty integer or
// boolean equals 0 / false.
bool ValoresIguais(TTipoColuna tipo, const QVariant &a, const QVariant &b, bool vazioComoZero);
