#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "panel/UTipos.h"

// What the pen-drive transfer hands to the file builder: one TPainel per sign
// position (slot), holding one TDestinos per destination and one TExtras per
// extra message, keyed by number. Numbers are kept as read from the tables;
// the builder refuses a value that does not fit its field of the file.

// One destination of one sign.
struct TDestinos {
    explicit TDestinos(int numero) : Numero(numero) {}

    int Numero;
    QList<QByteArray> Conteudo; // panel content texts of the messages that are not empty, in message order
    QString Rotulo;             // the row's combined label
    int TempoExposicao = 0;     // seconds
    TRolagem Sentido = TRolagem::tsNenhum;
    int QtdMensagens = 1; // highest message number with content, 1 when none
    int PosXInicial = 0;  // scroll window, 1-based columns and rows
    int PosXFinal = 0;
    int PosYInicial = 0;
    int PosYFinal = 0;
    int TamanhoMensagem = 0; // columns of a scrolling message
    QByteArray Bits;         // "0"/"1" per LED of all messages, column after column; built by the builder

    // tsNenhum also clears the scroll window.
    void DefinirSentido(TRolagem valor);
};

// One extra message of one sign.
struct TExtras {
    explicit TExtras(int numero) : Numero(numero) {}

    int Numero;
    TRolagem Sentido = TRolagem::tsNenhum; // tsHorario for a message with a clock
    int TempoExposicao = 0;
    QList<QByteArray> Conteudo;
    QString Rotulo;
    QByteArray Bits;
    QByteArray BitsRelogio; // the clock font's glyphs, built by the builder for the record that made its table
    int QtdMensagens = 0;
    TTipoFonte FonteRelogio = TTipoFonte::tfNenhum;
    int PosXInicial = 0; // clock position, 1-based columns and rows, row 1 the top row
    int PosYInicial = 0;
    int PosXFinal = 0;
    int PosYFinal = 0;
    int TamanhoMensagem = 0;

    // A departure-time clock: direction tsHorario and a font to draw it in.
    bool TemRelogio() const;
};

// One panel slot, 1 to 16; the transfer uses slot n for sign position n.
class TPainel {
public:
    explicit TPainel(int numero) : numero(numero) {}
    TPainel(const TPainel &) = delete;
    TPainel &operator=(const TPainel &) = delete;

    int Numero() const { return numero; }
    int Linhas() const { return linhas; }
    int Colunas() const { return colunas; }
    void DefinirLinhas(int valor) { linhas = valor; }
    void DefinirColunas(int valor) { colunas = valor; }

    // The record of that number, created and appended when missing.
    TDestinos &ObterDestino(int numero);
    TExtras &ObterExtra(int numero);

    // Records in creation order.
    const std::vector<std::unique_ptr<TDestinos>> &Destinos() const { return destinos; }
    const std::vector<std::unique_ptr<TExtras>> &Extras() const { return extras; }

    // The largest record number, 0 when there is none.
    int MaiorNumeroDestino() const;
    int MaiorNumeroExtra() const;

private:
    int numero;
    int linhas = 0;
    int colunas = 0;
    std::vector<std::unique_ptr<TDestinos>> destinos;
    std::vector<std::unique_ptr<TExtras>> extras;
    QHash<int, TDestinos *> destinoPorNumero;
    QHash<int, TExtras *> extraPorNumero;
};
