#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "data/UArquivoProjeto.h"
#include "panel/UTipos.h"

class TEstadoEditor;
class TTabelaMemoria;

// The recovery copy of unsaved work: the destination table in the project file
// format plus what the panels show (each panel's content and settings, every
// rotating slot), the selected number and kind, the project's file and the
// time. The file is a project file with three more tables, written atomically.
struct TPainelRecuperado {
    int Posicao = 0;
    int Linhas = 0;
    int Colunas = 0;
    int Fonte = 0;
    int Rolagem = 0; // TRolagem ordinal
    int Divisao = 0;
    TCor CorLed = 0;
    TCor CorDivisao = 0;
    QByteArray Conteudo;
};

struct TRotativoRecuperado {
    int Posicao = 0;
    int Numero = 0; // slot 1..8
    bool Vazio = true;
    int Tempo = 0;
    int Rolagem = 0; // TRolagem ordinal
    QString Rotulo;
    int Divisao = 0;
    TCor CorLed = 0;
    TCor CorDivisao = 0;
    QByteArray Conteudo;
};

struct TCopiaRecuperacao {
    QString ArquivoOriginal; // empty for a project never saved
    QDateTime Momento;
    bool Extra = false;
    int Numero = 1;    // the selected number
    int Rotativo = 1;  // the current slot
    TArquivoProjeto::TConteudoProjeto Tabela;
    QList<TPainelRecuperado> Paineis;
    QList<TRotativoRecuperado> Rotativos;
};

namespace TRecuperacao {
// Where copies are kept: the per-user application data directory's "recuperacao" folder.
QString Pasta();
void DefinirPasta(const QString &pasta); // tests; empty restores the default
// The copy of this run ("recuperacao-<process>.ar1").
QString ArquivoDestaExecucao();
// Copies of runs that are no longer running, newest first.
QStringList CopiasAbandonadas();

void Gravar(const QString &arquivo, const TCopiaRecuperacao &copia);
// TErro naming the file when it is not a readable copy.
TCopiaRecuperacao Ler(const QString &arquivo, const TTabelaMemoria &molde);
// The editor's part of a copy (its panels, slots and current slot) from a capture of the editor.
void CopiarDoEditor(TCopiaRecuperacao &copia, const TEstadoEditor &estado);
// A copy's panels, slots and current slot over a capture of the editor, to be
// put back with it: what a copy does not keep (alignment, cursor, background,
// the active panel, a slot's rows) stays as captured.
void AplicarAoEditor(const TCopiaRecuperacao &copia, TEstadoEditor &estado);

// Moves a copy aside under a dated name in the same folder ("recuperacao-guardada-20261210-161500.ar1");
// returns the new name.
QString PorDeLado(const QString &arquivo, const QString &tipo);
}

// Writes copies on a thread of its own, so that the operator never waits for
// the disk: Agendar hands over the newest copy (one still waiting is replaced);
// Remover deletes the file once the writes before it are done.
class TGravadorRecuperacao {
public:
    explicit TGravadorRecuperacao(QString arquivo);
    ~TGravadorRecuperacao();
    TGravadorRecuperacao(const TGravadorRecuperacao &) = delete;
    TGravadorRecuperacao &operator=(const TGravadorRecuperacao &) = delete;

    void Agendar(TCopiaRecuperacao copia);
    void Remover();
    // Waits until nothing is waiting or being written.
    void Esperar();
    const QString &Arquivo() const { return arquivo; }

private:
    void trabalhar();

    QString arquivo;
    std::mutex trava;
    std::condition_variable sinal;
    std::optional<TCopiaRecuperacao> pendente;
    bool removerPendente = false;
    bool ocupado = false;
    bool encerrar = false;
    std::thread trabalhador;
};
