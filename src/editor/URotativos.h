#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editor/UCfgRotativo.h"

// The rotating messages of every sign position: one TCfgRotativo per
// (position, slot), the current slot and its exposure time. The owner (the
// panel editor) tells it which panel is active and stores and loads the panels
// around a slot change through the events. TFme_Rotativo shows this state and
// turns the operator's clicks into its operations.
//
// Records stay in the order they were appended; every search takes the first
// match from the start of the list.
class TRotativos {
public:
    using TEvento = std::function<void(TRotativos *Sender)>;
    // Answers: active position (0 for none), then auxiliary, rear, side and front present.
    using TRetornaPainelAtivo = std::function<void(TRotativos *Sender, quint16 &painelAtivo, bool &auxiliar,
                                                   bool &traseiro, bool &lateral, bool &frontal)>;

    // The sign controller file holds the exposure time in one byte.
    static constexpr qint16 TempoExposicaoMaximo = 255;

    TRotativos() = default;
    virtual ~TRotativos() = default;
    TRotativos(const TRotativos &) = delete;
    TRotativos &operator=(const TRotativos &) = delete;

    quint16 RotativoAtual = 0;   // 1..8 once reset
    bool GravarAoTrocar = false; // AntesDeTrocar is raised only while true
    QString UltimoPainel;        // decimal position of the panel activated last

    TEvento AntesDeTrocar;       // store the panels into the slot being left
    TEvento AposTrocar;          // load the panels from the slot chosen
    TRetornaPainelAtivo OnRetornaPainelAtivo; // required: its absence is an error

    const std::vector<std::unique_ptr<TCfgRotativo>> &Rotativos() const { return rotativos; }

    // The operator's choice of slot n (a box click): store, select and show, load.
    void ClicarRotativo(quint16 n);
    // "Próximo" and "Anterior": the next or previous slot, staying within 1..8.
    void Proximo();
    void Anterior();

    // Makes the slot exist on every present position; returns the active position's record.
    TCfgRotativo &SelecionarRotativo(quint16 rotativo, bool exibir);
    // Shows the slot (1..8, others are ignored) and its time, and makes it current.
    void ExibirRotativo(qint16 painel, quint16 rotativo);
    // As ExibirRotativo, but a missing record is not created: its time shows as none.
    void ExibirSemCriar(qint16 painel, quint16 rotativo);

    TCfgRotativo &Configuracao(qint16 painel, quint16 rotativo);
    // The record of (painel, rotativo). With criar, a missing record is appended
    // together with the missing lower slots, each inheriting from the one below it.
    TCfgRotativo *BuscarConfiguracao(qint16 painel, quint16 rotativo, bool criar, bool &achou);
    // Removes the record; the later slots of the same position move down by one.
    void ExcluirConfiguracao(qint16 painel, quint16 rotativo);
    void LimparConfiguracoes();
    // Appends a record as it is, without the lower slots Configuracao would add (to put a list back).
    TCfgRotativo &AcrescentarConfiguracao(qint16 painel, quint16 rotativo) { return acrescentar(painel, rotativo); }
    // Discards every record and selects slot 1 afresh.
    void ReiniciarRotativos();

    // The spin button: one second more (up to TempoExposicaoMaximo) or less (down
    // to 0) for the active position's current slot.
    void AumentarTempoExposicao();
    void DiminuirTempoExposicao();

    // The part of the record's content left of its division, as a new stream.
    static std::unique_ptr<QBuffer> CopiarParteFixa(const TCfgRotativo &configuracao);

    // What the tool shows: the ticked box (0 for none) and the time label (none: "0000").
    quint16 RotativoMarcado() const { return rotativoMarcado; }
    std::optional<qint16> TempoExibido() const { return tempoExibido; }

protected:
    // The shown state changed; the view shows it again.
    virtual void Exibir() {}

private:
    struct TPainelAtivo {
        quint16 Painel = 0;
        bool Auxiliar = false;
        bool Traseiro = false;
        bool Lateral = false;
        bool Frontal = false;
    };
    TPainelAtivo painelAtivo();
    void exigirPainelAtivo() const;
    void exibirTempo(qint16 tempo);
    TCfgRotativo *procurar(qint16 painel, quint16 rotativo) const;
    TCfgRotativo &acrescentar(qint16 painel, quint16 rotativo);

    std::vector<std::unique_ptr<TCfgRotativo>> rotativos;
    quint16 rotativoMarcado = 0;
    std::optional<qint16> tempoExibido;
};
