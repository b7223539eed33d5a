#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "panel/UConteudoPainel.h"
#include "panel/UFolhaGlifos.h"
#include "panel/UFontes.h"
#include "panel/ULed.h"
#include "panel/UPictogramas.h"

class QPainter;

// Key codes of the editing keys (the platform's virtual key codes).
namespace TeclasPainel {
constexpr int Retrocesso = 8;
constexpr int Enter = 13;
constexpr int Fim = 35;
constexpr int Inicio = 36;
constexpr int Esquerda = 37;
constexpr int Cima = 38;
constexpr int Direita = 39;
constexpr int Baixo = 40;
constexpr int Apagar = 46;
constexpr int C = 67; // with Ctrl: copy
constexpr int V = 86; // with Ctrl: paste
}

enum class TBotaoMouse : quint8 { Esquerdo, Direito, Meio };

// What the operator is about to do on a panel, told to the undo history: a
// character typed, a deletion, a paste, a drawing press, or a cursor move or
// click that ends a run of typing.
enum class TEdicao : quint8 { Digitacao, Exclusao, Colagem, Desenho, Movimento };

// The model of one LED sign: a grid of NroLinhas x NroColunas cells with its
// colours, font, mode, scrolling and division, the cells created so far and
// the typed characters. It knows nothing of widgets: TFlexLed shows it and
// turns the operator's input into its operations.
//
// Rows and columns are 1-based. "Painting" has a logical side that tests and
// the content text see: every paint creates the cells of the visible grid plus
// one extra row and column (UltimaColuna counts them). Pintar() does that and
// asks the view to redraw; Desenhar(QPainter&) draws.
class TPainelLed : public TFontesLed, public TConteudoPainel {
public:
    using TEvento = std::function<void(TPainelLed *Sender)>;
    using TClicarMouseOpcoes = std::function<void(TPainelLed *Sender, int X, int Y)>;

    TPainelLed();
    virtual ~TPainelLed();
    TPainelLed(const TPainelLed &) = delete;
    TPainelLed &operator=(const TPainelLed &) = delete;

    // Published properties.
    bool Regua() const { return regua; }
    void DefinirRegua(bool valor);
    TModo Modo() const { return modo; }
    void DefinirModo(TModo valor);
    TModo ModoAnterior() const { return modoAnterior; }
    int Largura() const { return nroColunas * tamanhoLed; }
    int Altura() const { return nroLinhas * tamanhoLed; }
    bool CursorLigado = true;
    int NroLinhas() const { return nroLinhas; }
    void DefinirNroLinhas(int valor);
    int NroColunas() const { return nroColunas; }
    void DefinirNroColunas(int valor);
    int TamanhoLed() const { return tamanhoLed; }
    void DefinirTamanhoLed(int valor);
    TTipoFonte FonteUtilizada() const { return fonteUtilizada; }
    void DefinirFonteUtilizada(TTipoFonte valor);
    TCor CorLedNaDivisao() const { return corLedNaDivisao; }
    void DefinirCorLedNaDivisao(TCor valor);
    TCor CorLed() const { return corLed; }
    void DefinirCorLed(TCor valor); // the background colour is replaced by yellow
    TCor CorFundo() const { return corFundo; }
    void DefinirCorFundo(TCor valor);
    int DivisaoNaColuna() const { return divisaoNaColuna; }
    void DefinirDivisaoNaColuna(int valor); // ignored beyond NroColunas
    TRolagem Rolagem() const { return rolagem; }
    void DefinirRolagem(TRolagem valor);
    int EspessuraLapis = 0; // stored for the graphics tools; drawing is always one cell
    TAlinhamento Alinhamento() const { return alinhamento; } // setter: DefinirAlinhamento
    int Tag = 0;            // sign position 1..4
    QString Nome;           // the sign's name as the operator reads it ("Traseiro"), for the notices

    TEvento OnRecebeFoco;
    TEvento AoAlterarPropriedade;
    TClicarMouseOpcoes AoClicarMouseOpcoes;
    // Raised by the view before the operator's key or press acts on the panel.
    std::function<void(TPainelLed *Sender, TEdicao edicao)> AntesDaEdicao;
    void AvisarEdicao(TEdicao edicao)
    {
        if (AntesDaEdicao)
            AntesDaEdicao(this, edicao);
    }
    // A typed character or a figure was refused (after the beep): why, as the operator reads it.
    std::function<void(TPainelLed *Sender, const QString &motivo)> AoRecusar;

    // Cells.
    TLed *Led(int linha, int coluna, bool criar);
    TLed *LedNoPonto(int x, int y) const;
    const std::vector<std::unique_ptr<TLed>> &Leds() const { return leds; }
    void Limpar();
    void DefinirCores(TCor corNaDivisao, TCor corLed, TCor corFundo);
    int PrimeiraColuna() const { return primeiraColuna; }
    void DefinirPrimeiraColuna(int coluna);
    int UltimaColuna() const;
    int UltimaColunaAcesa(bool estado) const;
    bool EstaVazio();
    QString Rotulo() const;

    // Typed characters, in text order; Indice of the record at position k is k + 1.
    const std::vector<std::unique_ptr<TCfgChar>> &TextoDigitado() const { return texto; }
    // Records a character at (linha, coluna): fills the record already there, or
    // appends one. Each position holds at most one record.
    TCfgChar &RegistrarCaractere(int linha, int coluna, int largura, int altura, TTipoFonte fonte,
                                 unsigned char caractere, bool relogio);
    // Types one character at the cursor (Windows-1252 byte); relogio marks a clock character.
    // Ignored while the key catcher lacks the focus. A character without a glyph in
    // FonteUtilizada, or one that does not fit a sign that does not scroll, is refused:
    // a beep and AoRecusar (the second also opens the view's LinhaNaoCabe).
    void DigitarCaractere(unsigned char caractere, bool relogio);
    // Types Unicode text character by character; control characters are skipped and
    // characters without a Windows-1252 code refused as above.
    void DigitarTexto(const QString &texto);
    // Why a character was refused for not fitting the line.
    QString MotivoNaoCabe() const;
    // "painel Frontal" (or "painel" for a panel without a name), as the reasons name it.
    QString NomeDoPainel() const;
    // Makes room for a character of k + 1 columns at (linha, coluna) inside existing text:
    // inserts a blank record there and moves the rest of its rows right. False when appending.
    bool AbrirEspaco(int coluna, int linha, int k, int altura);
    // Darkens every cell of the character's box.
    void ApagarCaractere(const TCfgChar &registro);
    // Removes the record and closes its gap on its rows; true when the list changed.
    bool RemoverCaractere(const TCfgChar *registro);
    // Lays the glyph of every character again, in list order.
    void RedesenharTexto();

    // Editing keys by code (see TeclasPainel); the widget maps the platform's keys to them.
    void PressionarTecla(int tecla, bool controle);
    void CursorParaFim(); // the End key

    // Lookups around the cursor; nullptr for none.
    TCfgChar *CaractereNoCursor() const;      // box holds the cursor, end column excluded
    TCfgChar *CaractereJuntoAoCursor() const; // box holds the cursor, end column included
    TCfgChar *UltimoCaractereDaLinha() const;
    TCfgChar *PrimeiroCaractereDaLinha() const;
    TCfgChar *CaractereAbaixo(int folga) const;
    TCfgChar *CaractereAcima(int folga) const;
    int BordaMaisProxima(const TCfgChar &registro) const; // its end column or its Coluna
    int IndiceNoCursor() const { return indiceNoCursor; }

    // Cursor.
    int ColunaCursor() const { return colunaCursor; }
    void DefinirColunaCursor(int coluna) { colunaCursor = coluna; }
    int LinhaCursor() const { return linhaCursor; }
    void PosicionarCursor(int coluna, int linha);
    // Moves the view so that the cursor column shows; delta is the step of the last move.
    void AcompanharCursor(int delta);
    // Column 0 becomes 1; without scrolling the column is clamped to NroColunas.
    void NormalizarCursor();
    // Shows or erases the cursor; it is drawn only in ModoTexto with CursorLigado.
    void DesenharCursor(bool mostrar);
    bool CursorVisivel() const { return cursorVisivel; }
    void ExibirCursor(bool mostrar, bool pararTemporizador);

    // Keyboard editing: the key catcher enabled and focused, the blink timer running.
    void AtivarEdicao();
    void DesativarEdicao();
    bool EdicaoAtiva() const { return piscando; }
    // The blink timer's tick (every 200 ms while editing).
    void PiscarCursor();

    // Alignment of the cursor line and letter spacing.
    void DefinirAlinhamento(TAlinhamento valor);
    void AplicarAlinhamento();
    void AumentarEspacamento(int primeira, int ultima);
    void DiminuirEspacamento(int primeira, int ultima);

    // Mouse, in panel pixels. The click is a left-button release inside the
    // panel after a press on it, and comes before that release.
    void PressionarMouse(TBotaoMouse botao, int x, int y);
    void MoverMouse(int x, int y);
    void ClicarMouse();
    void SoltarMouse(TBotaoMouse botao, int x, int y);

    // Content text of the panel (the format itself is TConteudoPainel's).
    QByteArray GerarConteudo(int linhas, int colunas);
    // The content text as a memory stream the caller owns; none for an empty text.
    std::unique_ptr<QBuffer> SalvarNoStream(int linhas, int colunas);
    // Applies a content text on top of what the panel holds (callers clear first).
    void CarregarConteudo(const QByteArray &texto);
    void CarregarDoStream(QIODevice *stream);

    // Figures (a pictogram, a picture) drawn at the cursor as drawn LEDs, every
    // cell of their box lit or dark. The figure's top row goes to linha, its
    // first column to the cursor column (to the start of a character the cursor
    // stands inside); typed text on its rows from there on moves right by its
    // width and one dark column, and the cursor goes past both. On a sign that
    // does not scroll, a figure that would push lit LEDs past NroColunas, or
    // that reaches below NroLinhas, is refused: a beep and AoRecusar with the
    // reason, naming it as oQue ("O pictograma"); nothing changes. True when drawn.
    bool InserirFigura(const TGradeLeds &figura, int linha, const QString &oQue);
    // The pictogram in the tallest height drawn that fits the rows from the
    // cursor line down, centred in them; refused as above when none fits.
    bool InserirPictograma(TPictograma pictograma);
    // The rows from the cursor line down to NroLinhas; 0 when the cursor is below them.
    int LinhasDoCursor() const;

    // The departure clock placeholder: five clock characters "00:00" typed at the cursor.
    void InserirRelogio();
    int RelogioColunaInicial() const;
    int RelogioColunaFinal() const;
    int RelogioLinhaInicial() const;
    int RelogioLinhaFinal() const;
    TTipoFonte RelogioFonte() const;

    // Preview of the sign as it plays: start, one step (one column to the left,
    // starting over once the last lit column has left the view), stop.
    void IniciarSimulacao();
    void PassoSimulacao();
    void PararSimulacao();

    // Marking rectangle corners (cells of this panel, not owned).
    TLed *InicioMarcacao = nullptr;
    TLed *FimMarcacao = nullptr;

    // Creates the cells of the visible grid (when visible) and asks the view to redraw.
    void Pintar();
    // Draws the grid and its overlays; creates cells as Pintar does.
    void Desenhar(QPainter &pintor);
    // The rectangle of the screen place of (linha, coluna), whether or not a cell exists there.
    TRetangulo RetanguloDe(int linha, int coluna, int recuo) const;
    // The colour a lit cell of this column takes.
    TCor CorDaColuna(int coluna) const;
    // The column shown at column colunaTela of the sign's face: left of the
    // division the column itself, from it on the scrolled view.
    int ColunaExibida(int colunaTela) const;

protected:
    // The view's side. A model without a view is always "visible" and redraws nothing.
    virtual bool EstaVisivel() const { return true; }
    virtual void SolicitarDesenho() {}
    virtual void Redimensionar(int /*largura*/, int /*altura*/) {}
    virtual void ModoAlterado() {}
    // The key catcher and the blink timer. A model without a view has the focus always.
    virtual bool CapturaComFoco() const { return true; }
    virtual bool Habilitado() const { return true; }
    virtual void AtivarCaptura(bool /*ativa*/) {} // enables (and focuses) or disables the key catcher
    virtual void LigarPisca(bool /*ligado*/) {}
    // A typed character does not fit the line: the view opens the text-dimension
    // window (which beeps); a model without a view only beeps.
    virtual void LinhaNaoCabe();

private:
    friend struct TLed;
    void desenharLed(QPainter &pintor, const TLed &led) const;
    const QImage &ledAceso(TCor corDoLed) const;
    void desenharDivisao(QPainter &pintor) const;
    void desenharMarcacao(QPainter &pintor);
    void desenharRelogio(QPainter &pintor) const;
    void desenharCursor(QPainter &pintor) const;
    void criarCelulasVisiveis();
    int assentarGlifo(int linha, int coluna, const QByteArray &glifo, int altura);
    bool cabeNaLinha(int k) const;
    void recusar(const QString &motivo);
    void atualizarIndiceNoCursor();
    TCfgChar *caractereSob(int linha, int coluna, bool incluirFim) const;
    TCfgChar *caractereNaFaixa(int primeiraLinha, int ultimaLinha) const;
    void tratarClique();
    // Keys.
    // The run of a movement key: erases the cursor, moves it, raises
    // AoAlterarPropriedade, then keeps the cursor in view with the step the
    // move left in passo (0 unless it sets one) and normalises it.
    void moverCursor(const std::function<void(int &passo)> &mover);
    void teclaEsquerda();
    void teclaDireita();
    void teclaInicio();
    void teclaFim();
    void teclaEnter();
    void teclaBaixo();
    void teclaCima();
    void teclaRetrocesso();
    void teclaApagar();
    void copiarRotulo() const;
    void colarTexto();
    static quint64 chave(int linha, int coluna)
    {
        return (quint64(quint32(linha)) << 32) | quint32(coluna);
    }

    bool regua = false;
    TModo modo = TModo::ModoTexto;
    TModo modoAnterior = TModo::ModoTexto;
    int nroLinhas = 0;
    int nroColunas = 0;
    int tamanhoLed = 8;
    TTipoFonte fonteUtilizada = TTipoFonte::tfVeltronix8x7;
    TCor corLedNaDivisao = Cores::Amarelo;
    TCor corLed = Cores::Amarelo;
    TCor corFundo = Cores::Preto;
    int divisaoNaColuna = 0;
    TRolagem rolagem = TRolagem::tsNenhum;
    TAlinhamento alinhamento = TAlinhamento::taLeftJustify;

    std::vector<std::unique_ptr<TLed>> leds;     // creation order
    QHash<quint64, TLed *> indiceLeds;           // (row, column) -> cell
    std::vector<std::unique_ptr<TCfgChar>> texto;
    int colunaCursor = 0;
    int linhaCursor = 0;
    int primeiraColuna = 1;
    bool ocupado = false;                        // set while Limpar runs
    int colunaAntesDaSimulacao = 0;              // cursor column of a scrolling panel
    int colunasCarregadas = 0;                   // widest LED column a content text brought since Limpar
    TCor corMarcacao = 0x006AB5FF;               // alternates each time the rectangle is drawn
    int indiceNoCursor = 0;                      // Indice of CaractereNoCursor, 0 for none
    bool fasePisca = false;
    bool cursorVisivel = false;
    bool piscando = false;                       // the blink timer runs
    // Mouse.
    bool botaoPressionado = false;
    bool arrastandoMarcacao = false;
    TLed *ultimaAlternada = nullptr;             // last cell toggled by the current press
    int ultimoX = 0;
    int ultimoY = 0;
    mutable QHash<quint64, QImage> ledsAcesos; // lit-cell pictures by colour, background and size
};
