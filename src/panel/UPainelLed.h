#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "panel/UFontes.h"
#include "panel/ULed.h"

class QPainter;

// The model of one LED sign: a grid of NroLinhas x NroColunas cells with its
// colours, font, mode, scrolling and division, the cells created so far and
// the typed characters. It knows nothing of widgets: TFlexLed shows it and
// turns the operator's input into its operations.
//
// Rows and columns are 1-based. "Painting" has a logical side that tests and
// the content text see: every paint creates the cells of the visible grid plus
// one extra row and column (UltimaColuna counts them). Pintar() does that and
// asks the view to redraw; Desenhar(QPainter&) draws.
class TPainelLed : public TFontesLed {
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
    TAlinhamento Alinhamento() const { return alinhamento; }
    int Tag = 0;            // sign position 1..4

    TEvento OnRecebeFoco;
    TEvento AoAlterarPropriedade;
    TClicarMouseOpcoes AoClicarMouseOpcoes;

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

    // Typed characters, in text order.
    const std::vector<std::unique_ptr<TCfgChar>> &TextoDigitado() const { return texto; }
    // Records a character at (linha, coluna): fills the record already there, or
    // appends one. Each position holds at most one record.
    TCfgChar &RegistrarCaractere(int linha, int coluna, int largura, int altura, TTipoFonte fonte,
                                 unsigned char caractere, bool relogio);
    int ColunaCursor() const { return colunaCursor; }
    int LinhaCursor() const { return linhaCursor; }

    // Marking rectangle corners (cells of this panel, not owned).
    TLed *InicioMarcacao = nullptr;
    TLed *FimMarcacao = nullptr;

    // Creates the cells of the visible grid (when visible) and asks the view to redraw.
    void Pintar();
    // Draws the grid and its overlays; creates cells as Pintar does.
    void Desenhar(QPainter &pintor);
    // The colour a lit cell of this column takes.
    TCor CorDaColuna(int coluna) const;

protected:
    // The view's side. A model without a view is always "visible" and redraws nothing.
    virtual bool EstaVisivel() const { return true; }
    virtual void SolicitarDesenho() {}
    virtual void Redimensionar(int /*largura*/, int /*altura*/) {}
    virtual void ModoAlterado() {}

private:
    friend struct TLed;
    void desenharLed(QPainter &pintor, const TLed &led) const;
    void desenharDivisao(QPainter &pintor) const;
    void desenharMarcacao(QPainter &pintor);
    void criarCelulasVisiveis();
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
    TCor corMarcacao = 0x006AB5FF;               // alternates each time the rectangle is drawn
};
