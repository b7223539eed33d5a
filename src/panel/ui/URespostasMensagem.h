#pragma once

#include "panel/ui/UMensagem.h"

#include <QList>
#include <QtDebug>
#include <initializer_list>

// For tests: answers the coming message boxes from a queue while it lives,
// records every box asked for, and puts the previous responder back when it
// goes. A box that finds the queue empty never waits for a window: it is
// answered with RespostaInesperada (Cancel, the answer that makes a command
// stop), recorded in Inesperados() and reported with a warning.
class TRespostasMensagem {
public:
    static constexpr int RespostaInesperada = TMensagem::mrCancel;

    explicit TRespostasMensagem(std::initializer_list<int> respostas = {})
        : respostas(respostas)
    {
        anterior = TMensagem::DefinirRespondedor([this](const TPedidoMensagem &p) { return responder(p); });
    }
    ~TRespostasMensagem() { TMensagem::DefinirRespondedor(std::move(anterior)); }
    TRespostasMensagem(const TRespostasMensagem &) = delete;
    TRespostasMensagem &operator=(const TRespostasMensagem &) = delete;

    // Queues one more answer.
    void Responder(int resultado) { respostas.append(resultado); }

    // Every box asked for, in order, answered or not.
    const QList<TPedidoMensagem> &Pedidos() const { return pedidos; }
    // The boxes that came with no answer queued.
    const QList<TPedidoMensagem> &Inesperados() const { return inesperados; }
    // Answers queued but not used by any box.
    qsizetype Restantes() const { return respostas.size(); }

private:
    int responder(const TPedidoMensagem &pedido)
    {
        pedidos.append(pedido);
        if (!respostas.isEmpty())
            return respostas.takeFirst();
        inesperados.append(pedido);
        qWarning().noquote() << "Caixa de mensagem inesperada:" << pedido.Titulo << pedido.Texto;
        return RespostaInesperada;
    }

    QList<int> respostas;
    QList<TPedidoMensagem> pedidos;
    QList<TPedidoMensagem> inesperados;
    TRespondedorMensagem anterior;
};
