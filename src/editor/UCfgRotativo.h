#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <memory>

#include "panel/UTipos.h"

class TPainelLed;

// What one rotating message (slot) of one sign position shows: its content as
// a panel content stream and the panel settings it was stored with.
class TCfgRotativo {
public:
    TCfgRotativo(quint16 nroRotativo, qint16 painel);
    TCfgRotativo(const TCfgRotativo &) = delete;
    TCfgRotativo &operator=(const TCfgRotativo &) = delete;

    quint16 NroRotativo;                     // slot 1..8
    qint16 TempoExposicao = 2;               // seconds
    QString Rotulo;                          // the panel's typed characters when stored
    TRolagem Rolagem = TRolagem::tsNenhum;
    std::unique_ptr<QBuffer> Conteudo;       // panel content text; null stands for an empty text
    bool Vazio = true;                       // nothing stored (or loaded from a table row) yet
    qint16 Painel;                           // sign position 1..4
    qint16 DivisaoNaColuna = 0;
    qint16 NroLinhas = 0;                    // rows of the panel when stored; 0 never stored
    TCor CorLedNaDivisao = 0;
    TCor CorLed = 0;

    // The whole content as text (empty without a stream).
    QByteArray TextoConteudo() const;
    // Replaces the content by a new stream holding the text.
    void DefinirTextoConteudo(const QByteArray &texto);
    // A new stream holding the text, open for reading and writing; present (and
    // empty) for an empty text too.
    static std::unique_ptr<QBuffer> NovoConteudo(const QByteArray &texto);

    // Stores the panel's content and settings into the slot; Vazio becomes false.
    // Rotulo becomes the panel's typed characters unless they are the ones the
    // slot held: a label written apart from them (a drawn message's) stays.
    void GravarPainel(TPainelLed &painel);
    // True when the panel shows exactly what the slot holds: its content, laid
    // on a panel of the same size and scrolling, writes the same text.
    bool MostradoEm(TPainelLed &painel) const;
    // Clears the panel and shows the slot on it: division, colours, content.
    void CarregarPainel(TPainelLed &painel) const;
};

// Direction codes of a scrolling mode as the table column SENTIDO_ROTATIVO and
// the sign controller file hold them: tsNenhum 0, tsEsquerda 1, tsBaixo 2,
// tsCima 3, tsDireita 4, tsHorario 6. The inverse gives tsNenhum for 0, 5 and
// every unknown number.
int CodigoDoSentido(TRolagem sentido);
TRolagem SentidoDoCodigo(int codigo);
