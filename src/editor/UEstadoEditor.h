#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "panel/UTipos.h"

class TEditorPaineis;
class TRotativos;

// Everything the operator edits in the panel editor at one moment: each
// panel's settings, content and cursor, every rotating slot, the current slot
// and the active panel. Undo takes one before and after each step and puts it
// back. Content texts that did not change since an earlier capture share its
// storage, so a history of captures keeps only what each step changed.
class TEstadoEditor {
public:
    struct TPainel {
        int Posicao = 0;
        int Linhas = 0;
        int Colunas = 0;
        TTipoFonte Fonte{};
        TRolagem Rolagem = TRolagem::tsNenhum;
        TAlinhamento Alinhamento{};
        int Divisao = 0;
        TCor CorLed = 0;
        TCor CorDivisao = 0;
        TCor CorFundo = 0;
        QByteArray Conteudo;
        int ColunaCursor = 0;
        int LinhaCursor = 0;
        int PrimeiraColuna = 1;
        bool operator==(const TPainel &) const = default;
    };
    struct TRotativo {
        int Posicao = 0;
        int Numero = 0; // slot 1..8
        bool Vazio = true;
        int Tempo = 0;
        TRolagem Rolagem = TRolagem::tsNenhum;
        QString Rotulo;
        int Divisao = 0;
        int Linhas = 0;
        TCor CorLed = 0;
        TCor CorDivisao = 0;
        std::optional<QByteArray> Conteudo; // none: the slot has no content stream
        bool operator==(const TRotativo &) const = default;
    };

    std::vector<TPainel> Paineis;     // the fitted positions, front first
    std::vector<TRotativo> Rotativos; // in the slots' list order
    quint16 RotativoAtual = 0;
    quint16 PainelAtivo = 0;

    // The editor as it is now. Contents equal to those of anterior share its storage.
    static TEstadoEditor Capturar(TEditorPaineis &editor, const TRotativos &rotativos,
                                  const TEstadoEditor *anterior = nullptr);
    // Puts the editor back as captured: panels of positions no longer fitted are skipped.
    void Restaurar(TEditorPaineis &editor, TRotativos &rotativos) const;
    // The bytes of content this capture holds that anterior does not share.
    qint64 BytesProprios(const TEstadoEditor *anterior) const;

    bool operator==(const TEstadoEditor &) const = default;
};
