#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// A list of destinations as a spreadsheet keeps it: UTF-8 text, a header row,
// fields separated by ";" or "," (whichever the header uses), quoted as in
// RFC 4180. Columns: "numero", any of "frontal", "lateral", "traseiro",
// "auxiliar" (the text of each sign), and optionally "extra" and "rolagem"
// (0 or 1). Column names are read without regard to case.
struct TLinhaLista {
    int Linha = 0;                          // line of the file where the row starts (the header is line 1)
    QString Numero;                         // as written
    std::array<std::optional<QString>, 4> Textos; // by position - 1; none when the list has no column for the sign
    QString Extra;                          // as written ("" when the column is absent or empty)
    QString Rolagem;
};

struct TListaDestinos {
    QChar Separador;
    QList<TLinhaLista> Linhas;
};

// Reads the list; TErro (naming the line) for text that is not UTF-8, an empty
// file, a header without "numero", an unknown or repeated column, an unclosed
// quote or a row with more fields than the header.
TListaDestinos LerLista(const QByteArray &bytes);

// One field as the list writes it: quoted when it holds the separator, a quote or a line break.
QString CampoDaLista(const QString &texto, QChar separador);
