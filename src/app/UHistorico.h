#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUndoStack>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>
#include <vector>

#include "data/UDeltaTabela.h"
#include "editor/UEstadoEditor.h"
#include "editor/UTipoPasso.h"

class TTabelaMemoria;

// The work the history captures besides the destination table: the editor,
// the kind and number the list shows, and what the panels held when their
// destination was last loaded or stored.
struct TEstadoTrabalho {
    TEstadoEditor Editor;
    bool Extra = false;
    int Numero = 1;
    QByteArray PaineisGravados;
    int NumeroDosPaineis = 1;
    bool operator==(const TEstadoTrabalho &) const = default;
};

// What the history works on; the main window provides it.
class TAlvoHistorico {
public:
    virtual ~TAlvoHistorico() = default;
    // The work as it is now; contents equal to anterior's share its storage.
    virtual TEstadoTrabalho CapturarTrabalho(const TEstadoTrabalho *anterior) = 0;
    virtual void RestaurarTrabalho(const TEstadoTrabalho &estado) = 0;
    virtual TTabelaMemoria &TabelaDestinos() = 0;
    // The destination table's rows replaced by these (the labels follow).
    virtual void RestaurarDestinos(const std::vector<QVector<QVariant>> &linhas) = 0;
};

// The undo history of an open project, on Qt's undo stack. A step is opened
// before the operator's action (Comecar) and closed at its end or, for a run
// of typing, at the next cursor move, click, other step or pause (Concluir).
// Each step keeps the work before and after it and what it changed in the
// destination table; undoing puts the work back as it was, cursor and active
// panel included. Steps that changed nothing are not kept. The oldest steps
// are dropped once there are more than MaximoPassos or they hold more than
// LimiteBytes.
class THistorico : public QObject {
    Q_OBJECT
public:
    static constexpr int MaximoPassos = 500;
    static constexpr qint64 LimiteBytes = qint64(64) << 20;
    static constexpr int PausaDigitacao = 1000; // ms without typing that end a run

    explicit THistorico(TAlvoHistorico &alvo, QObject *pai = nullptr);
    ~THistorico() override;

    // A step begins: a run continues while steps of its kind follow; any other step closes the open one first.
    void Comecar(TTipoPasso tipo);
    // Closes the open step. A change of the destination table made outside any
    // step becomes a step of its own, so that undo always finds the rows it left.
    void Concluir();
    void Desfazer();
    void Refazer();
    bool PodeDesfazer() const;
    bool PodeRefazer() const;
    // The name of the step Desfazer or Refazer would undo or redo; empty for none.
    QString PassoADesfazer() const;
    QString PassoARefazer() const;

    // An empty history over the work as it is now; alterado tells whether the
    // project already differs from its file.
    void Reiniciar(bool alterado);
    // The project was saved (call Concluir before saving): this is the state of its file.
    void MarcarSalvo();
    // Whether the destination table differs from the project's file, judged by
    // the steps between now and the last save.
    bool Alterado() const;

    int Passos() const { return pilha.count(); }
    // The memory the steps hold, estimated.
    qint64 Bytes() const { return bytes; }
    void DefinirLimites(int passos, qint64 limiteBytes); // tests

signals:
    // The steps, the position in them or the open step changed.
    void Mudou();

private:
    struct TCaptura {
        TEstadoTrabalho Estado;
        qint64 Bytes = 0; // what it holds that the capture before it does not share
    };
    struct TPasso {
        TTipoPasso Tipo;
        std::shared_ptr<const TCaptura> Antes;
        std::shared_ptr<const TCaptura> Depois;
        TDeltaTabela Tabela;
        qint64 Bytes = 0;
    };
    class TComando;

    std::shared_ptr<const TCaptura> capturar();
    // Closes the open step (or records a change of the table made outside one); returns the capture taken.
    std::shared_ptr<const TCaptura> fechar();
    void empilhar(std::shared_ptr<const TPasso> passo);
    void aparar();
    // Runs inside the stack's undo and redo: a failure is kept for Desfazer and Refazer to raise.
    void aplicar(const TPasso &passo, bool desfazer);
    void mover(bool desfazer);
    const TPasso &passo(int indice) const;

    TAlvoHistorico &alvo;
    QUndoStack pilha;
    QTimer pausa;
    int maximoPassos = MaximoPassos;
    qint64 limiteBytes = LimiteBytes;
    qint64 bytes = 0;
    bool alteradoNoSalvo = false;     // the project differed from its file at the clean index
    std::shared_ptr<const TCaptura> ultimo; // the latest capture, shared by the next one
    TFotoTabela fotoTabela;           // the table as the steps left it
    struct TAberto {
        TTipoPasso Tipo;
        std::shared_ptr<const TCaptura> Antes;
    };
    std::optional<TAberto> aberto;
    std::optional<QString> falha; // of the last undo or redo
    bool aplicando = false;       // an undo or redo is putting the work back: steps are not recorded
};
