#pragma once

#include <QList>
#include <QString>
#include <functional>

class TDtm_Destino;
class TGeracaoArquivo;
struct TDestinos;
struct TExtras;
class TOrigemCampo;
class TPainel;

// A sign fitted at a position of the bus, with the size of its panel.
struct TSinalEquipado {
    int Painel = 0; // position: 1 front, 2 side, 3 rear, 4 auxiliary
    int Linhas = 0;
    int Colunas = 0;
};

// The pen drive transfer without its window: walks the destination table
// position by position, destinations first and then extra messages, and hands
// every stored row to the file builder. Pending new rows (NOVO) never reach it.
//
// While it runs, the tables' bound views are suspended, PosicaoEnvio names the
// position being collected and the tables switch between the two kinds; on
// every exit path the views resume, PosicaoEnvio returns to 0 and the kind
// and the line of the label table shown before are shown again. Asking questions and showing messages is the
// caller's part; the overwrite question is the builder's ConfirmarSobrescrita.
class TTransferencia {
public:
    // sinais: the fitted positions in the order front, side, rear, auxiliary.
    TTransferencia(TDtm_Destino &dados, QList<TSinalEquipado> sinais);

    // Shows the destinations (false) or the extra messages (true), as the
    // destination list's MostrarDestinos / MostrarExtras do. Unset, the data
    // module's filter is switched and its label table rebuilt.
    std::function<void(bool extra)> AoMostrarTipo;

    // Raises TErro with MensagemSemDestinos unless some fitted position has a
    // stored destination row (pending new rows and extra messages do not
    // count), whatever kind the tables show; the kind shown is kept.
    void VerificarDestinos();

    // Reiniciar, DefinirTipoArquivo(2), then EnviaPosicao for each fitted position.
    void Preencher(TGeracaoArquivo &geracao);
    // Preencher, then GerarArquivo into arquivo. False when the file existed
    // and ConfirmarSobrescrita did not allow replacing it. Raises TErro with
    // MensagemSemDestinos, writing nothing, when no fitted sign has a stored
    // destination.
    bool Gravar(TGeracaoArquivo &geracao, const QString &arquivo);

    // Feeds every destination and extra message of one position into its
    // panel slot, made by the first stored row (none for a position without
    // one). The sign's size comes from the stored rows, destinations first;
    // TErro when a row's size does not fit its byte or no row gives one. The
    // caller sets PosicaoEnvio. Leaves the tables showing extra messages.
    void EnviaPosicao(TGeracaoArquivo &geracao, const TSinalEquipado &sinal);

    static QString MensagemSemDestinos();

private:
    void MostrarTipo(bool extra);
    // Runs passos with the views suspended, restoring the kind and PosicaoEnvio afterwards.
    template <typename F> void ComTipoRestaurado(F &&passos);
    void PreencherPaineis(TGeracaoArquivo &geracao);
    bool LinhaDaPosicao(int painel) const;
    void LerTamanho(TPainel &painel, const TOrigemCampo &origem) const;
    void EnviarDestino(TDestinos &destino);
    void EnviarExtra(TExtras &extra);
    // The non-empty CONFIG_PAINEL1..8 in message order, and the highest message number holding one.
    int LerConteudo(QList<QByteArray> &conteudo) const;

    TDtm_Destino &dados;
    QList<TSinalEquipado> sinais;
};
