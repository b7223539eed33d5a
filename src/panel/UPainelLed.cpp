#include "panel/UPainelLed.h"

#include <QScopeGuard>
#include <algorithm>

#include "panel/UWindows1252.h"

TPainelLed::TPainelLed()
{
    OnRecebeFoco = [this](TPainelLed *) { AtivarEdicao(); };
}

TPainelLed::~TPainelLed() = default;

void TPainelLed::DefinirRegua(bool valor)
{
    regua = valor;
    Pintar();
}

void TPainelLed::DefinirModo(TModo valor)
{
    modoAnterior = modo;
    modo = valor;
    if (modo == TModo::ModoTexto) {
        if (colunaCursor <= 0)
            colunaCursor = 1;
        if (linhaCursor <= 0)
            linhaCursor = 1;
    }
    ModoAlterado();
    AtivarEdicao();
}

void TPainelLed::DefinirNroLinhas(int valor)
{
    nroLinhas = valor;
    Pintar();
}

void TPainelLed::DefinirNroColunas(int valor)
{
    nroColunas = valor;
    Pintar();
}

void TPainelLed::DefinirTamanhoLed(int valor)
{
    tamanhoLed = valor;
    Pintar();
}

void TPainelLed::DefinirFonteUtilizada(TTipoFonte valor)
{
    const bool mudou = valor != fonteUtilizada;
    fonteUtilizada = valor;
    if (mudou && AoAlterarPropriedade)
        AoAlterarPropriedade(this);
    SolicitarDesenho();
}

void TPainelLed::DefinirCorLedNaDivisao(TCor valor)
{
    corLedNaDivisao = valor;
    Pintar();
}

void TPainelLed::DefinirCorLed(TCor valor)
{
    // A lit cell in the background colour would vanish.
    corLed = valor == corFundo ? Cores::Amarelo : valor;
    Pintar();
}

void TPainelLed::DefinirCorFundo(TCor valor)
{
    corFundo = valor;
    Pintar();
}

void TPainelLed::DefinirDivisaoNaColuna(int valor)
{
    if (valor > nroColunas)
        return;
    divisaoNaColuna = valor;
    Pintar();
}

void TPainelLed::DefinirRolagem(TRolagem valor)
{
    rolagem = valor;
    Pintar();
}

TLed *TPainelLed::Led(int linha, int coluna, bool criar)
{
    if (TLed *led = indiceLeds.value(chave(linha, coluna)))
        return led;
    if (!criar)
        return nullptr;
    auto novo = std::make_unique<TLed>();
    novo->Linha = linha;
    novo->Coluna = coluna;
    novo->Dono = this;
    novo->Ordem = int(leds.size());
    TLed *led = novo.get();
    leds.push_back(std::move(novo));
    indiceLeds.insert(chave(linha, coluna), led);
    led->Redesenhar();
    return led;
}

TLed *TPainelLed::LedNoPonto(int x, int y) const
{
    // Every pixel lies in the inner rectangle of exactly one screen cell. That
    // screen cell can show a fixed cell (left of the division) and a scrolled
    // one; the one created first wins, as a scan of the list in order would find.
    const int t = tamanhoLed;
    if (t <= 0)
        return nullptr;
    const auto divPiso = [t](int v) { return v >= 0 ? v / t : -((-v + t - 1) / t); };
    const int colunaTela = divPiso(x) + 1;
    const int linha = divPiso(y) + 1;
    const int d = divisaoNaColuna;
    TLed *achado = nullptr;
    if (d > 0 && colunaTela < d)
        achado = indiceLeds.value(chave(linha, colunaTela));
    const int colunaRolada = colunaTela + primeiraColuna - 1;
    if (!(d > 0 && colunaRolada < d)) {
        TLed *rolado = indiceLeds.value(chave(linha, colunaRolada));
        if (rolado && (!achado || rolado->Ordem < achado->Ordem))
            achado = rolado;
    }
    return achado;
}

void TPainelLed::Limpar()
{
    ocupado = true;
    const auto fim = qScopeGuard([this] {
        Pintar();
        ocupado = false;
    });
    InicioMarcacao = nullptr;
    FimMarcacao = nullptr;
    ultimaAlternada = nullptr;
    indiceNoCursor = 0;
    indiceLeds.clear();
    leds.clear();
    texto.clear();
    colunaCursor = 1;
    linhaCursor = 1;
    primeiraColuna = 1;
    colunasCarregadas = 0;
}

void TPainelLed::DefinirCores(TCor corNaDivisao, TCor corDoLed, TCor corDoFundo)
{
    corLedNaDivisao = corNaDivisao;
    corLed = corDoLed;
    corFundo = corDoFundo;
    Pintar();
}

void TPainelLed::DefinirPrimeiraColuna(int coluna)
{
    if (coluna == primeiraColuna)
        return;
    primeiraColuna = coluna;
    Pintar();
}

int TPainelLed::UltimaColuna() const
{
    int ultima = 0;
    for (const auto &led : leds)
        ultima = std::max(ultima, led->Coluna);
    return ultima;
}

int TPainelLed::UltimaColunaAcesa(bool estado) const
{
    int ultima = 0;
    for (const auto &led : leds)
        if (led->Acesa == estado)
            ultima = std::max(ultima, led->Coluna);
    return ultima;
}

bool TPainelLed::EstaVazio()
{
    for (int coluna = 1; coluna <= nroColunas; ++coluna)
        for (int linha = 1; linha <= nroLinhas; ++linha)
            if (Led(linha, coluna, true)->Acesa)
                return false;
    return true;
}

QString TPainelLed::Rotulo() const
{
    QByteArray bytes;
    for (int linha = 1; linha <= nroLinhas; ++linha)
        for (const auto &c : texto)
            if (c->Linha == linha)
                bytes.append(static_cast<char>(c->Caractere));
    return TWindows1252::ParaTexto(bytes);
}

void TPainelLed::Pintar()
{
    if (!EstaVisivel())
        return;
    Redimensionar(Largura(), Altura());
    criarCelulasVisiveis();
    SolicitarDesenho();
}

void TPainelLed::criarCelulasVisiveis()
{
    // One column and one row more than the panel shows, as the sign's own
    // painting always did: the content text and UltimaColuna count these cells.
    for (int coluna = primeiraColuna; coluna <= primeiraColuna + nroColunas; ++coluna)
        for (int linha = 1; linha <= nroLinhas + 1; ++linha)
            Led(linha, coluna, true);
}

TCor TPainelLed::CorDaColuna(int coluna) const
{
    return divisaoNaColuna > coluna ? corLedNaDivisao : corLed;
}

TRetangulo TPainelLed::RetanguloDe(int linha, int coluna, int recuo) const
{
    // Left of the division a cell is fixed; every other cell moves with the view.
    const int t = tamanhoLed;
    const bool fixa = divisaoNaColuna > 0 && coluna < divisaoNaColuna;
    const int x = fixa ? coluna : coluna - primeiraColuna + 1;
    TRetangulo r;
    r.Left = (x - 1) * t;
    r.Top = (linha - 1) * t;
    r.Right = r.Left + t - recuo;
    r.Bottom = r.Top + t - recuo;
    return r;
}

TRetangulo TLed::Retangulo(int recuo) const
{
    return Dono->RetanguloDe(Linha, Coluna, recuo);
}

void TLed::DefinirAcesa(bool acesa)
{
    Acesa = acesa;
    Redesenhar();
}

void TLed::Redesenhar()
{
    Dono->SolicitarDesenho();
}
