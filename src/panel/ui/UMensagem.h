#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

// Kind of a message box. The ordinals are those callers pass around: never renumber.
enum class TTipoMensagem : quint8 {
    mtWarning = 0,
    mtError = 1,
    mtInformation = 2,
    mtConfirmation = 3,
    mtCustom = 4,
};

// Set of buttons of a box: bit n stands for button n (see TMensagem::mbYes...).
using TBotoesMensagem = quint32;

// Everything a box would show, handed to a responder instead of a window.
struct TPedidoMensagem {
    QString Texto;
    TTipoMensagem Tipo = TTipoMensagem::mtCustom;
    QString Titulo;  // the caption the window would carry
    TBotoesMensagem Botoes = 0;
    int ResultadoPadrao = 0;
    bool Traduzir = true;
    int ContextoAjuda = 0;
    QStringList Opcoes; // buttons of the box's own captions (Escolher); the answer is an index
};

// Answers a box in place of the operator; returns the box's result code.
using TRespondedorMensagem = std::function<int(const TPedidoMensagem &pedido)>;

// The program's modal message boxes: caption "<application title> ( <kind> )",
// Portuguese button captions and fixed result codes. Stateless apart from the
// responder that tests install to answer boxes without a window.
class TMensagem {
public:
    static constexpr TBotoesMensagem mbYes = 1 << 0;
    static constexpr TBotoesMensagem mbNo = 1 << 1;
    static constexpr TBotoesMensagem mbOK = 1 << 2;
    static constexpr TBotoesMensagem mbCancel = 1 << 3;
    static constexpr TBotoesMensagem mbAbort = 1 << 4;
    static constexpr TBotoesMensagem mbRetry = 1 << 5;
    static constexpr TBotoesMensagem mbIgnore = 1 << 6;
    static constexpr TBotoesMensagem mbAll = 1 << 7;
    static constexpr TBotoesMensagem mbNoToAll = 1 << 8;
    static constexpr TBotoesMensagem mbYesToAll = 1 << 9;
    static constexpr TBotoesMensagem mbHelp = 1 << 10;
    static constexpr TBotoesMensagem mbYesNo = mbYes | mbNo;
    static constexpr TBotoesMensagem mbYesNoCancel = mbYes | mbNo | mbCancel;

    // Result codes; mrNone is also what the Help button answers.
    static constexpr int mrNone = 0;
    static constexpr int mrOk = 1;
    static constexpr int mrCancel = 2;
    static constexpr int mrAbort = 3;
    static constexpr int mrRetry = 4;
    static constexpr int mrIgnore = 5;
    static constexpr int mrYes = 6;
    static constexpr int mrNo = 7;
    static constexpr int mrAll = 8;
    static constexpr int mrNoToAll = 9;
    static constexpr int mrYesToAll = 10;

    // Name of the box property that carries the help context (there is no help system).
    static constexpr const char *PropriedadeContextoAjuda = "ContextoAjuda";

    // Shows a modal box and returns the code of the button that closed it.
    // With `traduzir` the caption gets the kind's suffix and the buttons their
    // Portuguese captions; the focus starts on the button answering `resultadoPadrao`.
    static int MostrarMensagem(const QString &texto, TTipoMensagem tipo, bool traduzir,
                               int resultadoPadrao, int contextoAjuda, TBotoesMensagem botoes);
    static int Mensagem(const QString &texto, TTipoMensagem tipo);  // OK only
    static void Informacao(const QString &texto);
    static int Pergunta(const QString &texto, TTipoMensagem tipo, int resultadoPadrao,
                        TBotoesMensagem botoes);
    static int MensagemComBotoes(const QString &texto, TTipoMensagem tipo, TBotoesMensagem botoes);
    // A box whose buttons carry these captions, the first the default; returns
    // the index of the button that closed it, -1 when it was closed otherwise.
    static int Escolher(const QString &texto, TTipoMensagem tipo, const QStringList &opcoes);

    // The application title, set at start-up ("Dorvik  System"); until then the
    // application's display name.
    static QString TituloAplicacao();
    static void DefinirTituloAplicacao(const QString &titulo);
    // The caption a box of this kind carries.
    static QString Titulo(TTipoMensagem tipo, bool traduzir);

    // Installs a responder that answers every following box instead of the
    // operator (no window is built); an empty one restores the real boxes.
    // Returns the responder it replaces.
    static TRespondedorMensagem DefinirRespondedor(TRespondedorMensagem respondedor);
};
