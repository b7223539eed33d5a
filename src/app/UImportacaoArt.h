#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "app/UTransferencia.h"
#include "output/ULeituraArquivo.h"

class TDtm_Destino;

// Rebuilds a project from a pen drive file (".art"): the destination table
// rows of every sign, as the program stores a sign, from the records the
// reader finds in the file.
//
// What comes back: the signs and their sizes; every number of every sign (the
// empty record the builder writes for a number a sign lacks stays a gap, no
// row); each message of a record as its own rotating message, its LEDs drawn
// on the panel, with the record's exposure time and direction; scrolling with
// its length and its division (the scroll window's first column); the
// departure clock, its font found by comparing the file's clock table with the
// table each font gives, typed where the file places it, on the message that
// lights its place; the front sign's label (its first 12 characters).
//
// What the file does not hold, and is made up: the texts come back as
// pictures, not typed characters, in no known font; the labels of the other
// signs come from the number ("Destino 12", "Extra 3"); the labels of later
// messages are empty; the LED colours are the program's defaults (yellow
// LEDs, a green fixed part) and so is a sign's division unless it scrolls.
//
// Every rebuild is checked: the rows are written again through the builder
// and compared with the file's bytes. A file with what the program never
// writes is still rebuilt, and Difere says so.
class TImportacaoArt {
public:
    // Reads the bytes; TErroLeitura (the reader's message) at the first fault.
    explicit TImportacaoArt(const QByteArray &bytes);
    // Reads the file: TErro naming it when it cannot be read, TErroLeitura
    // with its name at the first fault.
    static TImportacaoArt LerArquivo(const QString &arquivo);

    // Fills the open, empty tables with the rebuilt rows and checks them. TErro,
    // with no row written, when no sign of the bus has a record.
    void Reconstruir(TDtm_Destino &dados);

    // The rebuilt signs (positions 1 to 4 of the file's slots), in position order.
    const QList<TSinalEquipado> &Sinais() const { return sinais; }
    // True when the rebuilt project writes a file other than the one read.
    bool Difere() const { return difere; }
    int QtdDestinos() const { return qtdDestinos; } // rows made, all signs
    int QtdExtras() const { return qtdExtras; }

    // "Frontal 12 destinos, 2 extras; Lateral 12 destinos, 0 extras"
    QString Quantidades() const;
    // What the file could not give back, said once; with the notice when the project differs.
    QString Observacoes() const;

private:
    void reconstruirSinal(TDtm_Destino &dados, const TPainelLido &painel);
    template <typename R> void reconstruirTipo(TDtm_Destino &dados, const TPainelLido &painel, const QList<R> &registros,
                                               bool extra);
    void gravarLinha(TDtm_Destino &dados, const TPainelLido &painel, const TRegistroDestino &registro, int numero);
    void gravarLinha(TDtm_Destino &dados, const TPainelLido &painel, const TRegistroExtra &registro, int numero);
    void verificar(TDtm_Destino &dados);

    QByteArray bytes;
    TArquivoSaidaLido lido;
    QList<TSinalEquipado> sinais;
    QList<int> fontesDoArquivo; // font number of each clock table of the file, 0 when none matches
    bool difere = false;
    int qtdDestinos = 0;
    int qtdExtras = 0;
    QList<std::pair<int, std::pair<int, int>>> contagem; // position, (destinations, extras)
};
