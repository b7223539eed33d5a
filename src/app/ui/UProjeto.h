#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class TFme_Painel;
class THistorico;

// The open project: the panel editor of its signs, its file and whether it
// holds changes that are not in the file. Its destinations live in the
// destination list's tables.
class TProjeto {
public:
    // Builds the editor inside pai, which it fills, with a panel per fitted position.
    TProjeto(QWidget *pai, bool frontal, bool lateral, bool traseiro, bool auxiliar);
    ~TProjeto();
    TProjeto(const TProjeto &) = delete;
    TProjeto &operator=(const TProjeto &) = delete;

    TFme_Painel *Fme_Painel;
    // The undo history of this project's work; set by the project commands, which capture the work.
    std::unique_ptr<THistorico> Historico;
    QString NomeArquivo; // empty while the project was never saved
    bool Alterado = false;

    // Told whether the editor's simulator is on, each time it is switched on or off.
    std::function<void(bool ligado)> AoAlterarSimulador;
};
