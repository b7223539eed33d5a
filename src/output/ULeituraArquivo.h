#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "output/URegistrosSaida.h"
#include "panel/UErro.h"

// Reads a sign controller file (".art") back into the records that
// TGeracaoArquivo writes, checking every byte as a controller meets it: the
// header, the three offset tables, the records of each number in slot order
// and the clock font tables. The first fault stops the reading with a
// TErroLeitura naming its byte offset and what was expected there. Nothing
// outside the bytes is ever read, whatever they hold.
//
// How the file is walked (the builder's layout):
// - A slot has a sign when the header gives it a size; every record belongs to
//   one. Each sign has records for its numbers 1 to its largest, with no gap.
// - The records of slot 1 start with a 12-byte label. Slot 1, when it has a
//   sign, is the first the transfer creates, so it holds exactly the header's
//   counts of destinations and extras.
// - The header gives no extra table offset when the first sign has no extra
//   messages. The entries after the header's destination count are then taken
//   as destinations while they read as such and each sign in them also has
//   the number before; the first that does not starts the extras. (A sign
//   other than the first with more destinations than the first, and another
//   with extras whose records read the same either way, give identical bytes
//   both ways: such a file reads as destinations.)

// A fault in the file: Posicao is the offset of the byte where it was found.
class TErroLeitura : public TErro {
public:
    TErroLeitura(qint64 posicao, const QString &descricao);
    // The same fault, with the file's name in the message.
    TErroLeitura(qint64 posicao, const QString &descricao, const QString &arquivo);
    const qint64 Posicao;
    const QString Descricao; // "o registro do destino 3 do painel 3 (Traseiro) passa do fim do arquivo ..."
};

// One sign: its slot, its size and its records, number k at index k - 1.
struct TPainelLido {
    int Numero = 0;
    TTamanhoPainel Tamanho;
    QList<TRegistroDestino> Destinos;
    QList<TRegistroExtra> Extras;
};

struct TArquivoSaidaLido {
    TCabecalhoArquivo Cabecalho;
    QList<quint32> EntradasDestinos; // entry n: offset of the first record of number n
    QList<quint32> EntradasExtras;
    QList<quint32> EntradasFontes;
    QList<TPainelLido> Paineis; // the slots with a sign, in slot order
    QList<TTabelaFonteRelogio> Fontes; // in font table order: a clock's font index counts from 1 here
};

// Reads the bytes; throws TErroLeitura at the first fault.
TArquivoSaidaLido LerArquivoSaida(QByteArrayView bytes);
// Reads the file; throws TErro when it cannot be read (naming it) and
// TErroLeitura, with the file's name in the message, at the first fault.
TArquivoSaidaLido LerArquivoSaida(const QString &arquivo);

// What was read, laid out again: the bytes that were read.
QByteArray GravarArquivoLido(const TArquivoSaidaLido &arquivo);

// Columns of LEDs in a record's data: its length over the bytes per column of
// the sign's rows (0 for a sign without rows).
int ColunasDoRegistro(const TCabecalhoRegistro &cabecalho, const TTamanhoPainel &tamanho);
// Messages in a record: they lie side by side, each as wide as the sign; a
// scrolling destination (direction code not 0) is one text of its own length.
int MensagensDoRegistro(const TRegistroDestino &registro, const TTamanhoPainel &tamanho);
int MensagensDoRegistro(const TRegistroExtra &registro, const TTamanhoPainel &tamanho);
// Whether the LED of column coluna and row linha (0-based, row 0 the top row)
// is lit in column data of a sign with that many rows.
bool LedAceso(const QByteArray &colunas, int linhas, int coluna, int linha);
