#pragma once

#include "panel/ui/UDialogos.h"

#include <QDialog>
#include <QList>
#include <QtDebug>
#include <functional>

// For tests: answers the coming file dialogs from a queue of names (an empty
// name is a cancel) and the coming modal windows from a queue of actions on
// the window (which may click its buttons) returning the result, while it
// lives; records every request and restores the previous answerers when it
// goes. A request with nothing queued is cancelled and reported with a warning.
class TRespostasDialogos {
public:
    using TAcaoJanela = std::function<int(QDialog &janela)>;

    TRespostasDialogos()
    {
        anteriorArquivo = TDialogos::DefinirRespondedorArquivo([this](const TPedidoArquivo &p) {
            pedidos.append(p);
            if (!arquivos.isEmpty())
                return arquivos.takeFirst();
            qWarning().noquote() << "Diálogo de arquivo inesperado:" << p.Titulo;
            ++inesperados;
            return QString();
        });
        anteriorJanela = TDialogos::DefinirRespondedorJanela([this](QDialog &janela) {
            janelas.append(janela.windowTitle());
            if (!acoes.isEmpty())
                return acoes.takeFirst()(janela);
            qWarning().noquote() << "Janela modal inesperada:" << janela.windowTitle();
            ++inesperados;
            return int(QDialog::Rejected);
        });
    }
    ~TRespostasDialogos()
    {
        TDialogos::DefinirRespondedorArquivo(std::move(anteriorArquivo));
        TDialogos::DefinirRespondedorJanela(std::move(anteriorJanela));
    }
    TRespostasDialogos(const TRespostasDialogos &) = delete;
    TRespostasDialogos &operator=(const TRespostasDialogos &) = delete;

    void ResponderArquivo(const QString &nome) { arquivos.append(nome); }
    void ResponderJanela(TAcaoJanela acao) { acoes.append(std::move(acao)); }

    const QList<TPedidoArquivo> &Pedidos() const { return pedidos; }
    const QStringList &Janelas() const { return janelas; }
    int Inesperados() const { return inesperados; }
    qsizetype Restantes() const { return arquivos.size() + acoes.size(); }

private:
    QStringList arquivos;
    QList<TAcaoJanela> acoes;
    QList<TPedidoArquivo> pedidos;
    QStringList janelas;
    int inesperados = 0;
    TDialogos::TRespondedorArquivo anteriorArquivo;
    TDialogos::TRespondedorJanela anteriorJanela;
};
