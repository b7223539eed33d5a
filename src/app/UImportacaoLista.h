#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "app/UListaDestinos.h"
#include "app/UTransferencia.h"

class TDtm_Destino;
class TPainelLed;

// Importing a list of destinations into a project: every text is typed into a
// panel of its sign's size through the panel's own typing (the font the editor
// gives that many rows, centred; scrolling when the row asks for it, or when
// the text does not fit and the row does not forbid it), then stored as the
// rows "Salvar Destino" stores. Nothing is imported unless every row fits.
class TImportacaoLista {
public:
    // sinais: the project's fitted signs, in position order, with their sizes.
    TImportacaoLista(TDtm_Destino &dados, QList<TSinalEquipado> sinais, int tipoOnibus = 1);
    ~TImportacaoLista();

    struct TPlano {
        int Linha;          // in the list file
        int Numero;
        bool Extra;
        bool Substitui;     // the number exists in the project
        QString Resumo;     // the texts, for the operator
    };
    struct TRecusa {
        int Linha;
        QString Motivo;
    };

    // Checks every row and types it; true when all fit. With substituir,
    // numbers the project already has are replaced, otherwise refused.
    bool Preparar(const TListaDestinos &lista, bool substituir);
    const QList<TPlano> &Planos() const { return planos; }
    const QList<TRecusa> &Recusas() const { return recusas; }
    // Writes the prepared rows; TErro when Preparar found a refusal. The kind
    // shown in the tables is shown again afterwards.
    void Importar();

    // The refusals as one message for the operator (one line per row).
    QString TextoDasRecusas() const;

private:
    struct TDestinoPreparado;
    bool prepararLinha(const TLinhaLista &linha, bool substituir, std::unique_ptr<TDestinoPreparado> &destino);

    TDtm_Destino &dados;
    QList<TSinalEquipado> sinais;
    int tipoOnibus;
    QList<TPlano> planos;
    QList<TRecusa> recusas;
    std::vector<std::unique_ptr<TDestinoPreparado>> preparados;
};
