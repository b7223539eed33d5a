#include <QPainter>

#include "panel/UPainelLed.h"

// Drawing of the grid and of the overlays that sit on it. A lit cell is a
// disc in its colour; a dark cell is background only, unless the ruler is on.

namespace {
QColor cor(TCor c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void linha(QPainter &pintor, int x1, int y1, int x2, int y2)
{
    pintor.drawLine(x1, y1, x2, y2);
}
}

void TPainelLed::Desenhar(QPainter &pintor)
{
    criarCelulasVisiveis();
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, false);
    // Every cell starts as background; then only lit cells (and, with the
    // ruler, every cell) are drawn over it. The background of a cell that does
    // not exist is left as it was.
    const QColor fundo = cor(corFundo);
    for (int colunaTela = 1; colunaTela <= nroColunas + 1; ++colunaTela) {
        const int coluna = ColunaExibida(colunaTela);
        // A run of existing cells down the column is one rectangle.
        for (int l = 1; l <= nroLinhas + 1; ++l) {
            const TLed *primeira = Led(l, coluna, false);
            if (!primeira)
                continue;
            int ultima = l;
            while (ultima <= nroLinhas && Led(ultima + 1, coluna, false))
                ++ultima;
            const TRetangulo a = primeira->Retangulo(0);
            const TRetangulo b = RetanguloDe(ultima, coluna, 0);
            pintor.fillRect(a.Left, a.Top, a.Right - a.Left, b.Bottom - a.Top, fundo);
            l = ultima;
        }
    }
    // Left of the division the fixed cells always show; from the division on,
    // the scrolled view (the sign's scroll window starts at the division).
    for (int colunaTela = 1; colunaTela <= nroColunas + 1; ++colunaTela) {
        const int coluna = ColunaExibida(colunaTela);
        for (int l = 1; l <= nroLinhas + 1; ++l)
            if (const TLed *led = Led(l, coluna, false); led && (led->Acesa || regua))
                desenharLed(pintor, *led);
    }
    desenharDivisao(pintor);
    desenharRelogio(pintor);
    desenharMarcacao(pintor);
    desenharCursor(pintor);
    pintor.restore();
}

int TPainelLed::ColunaExibida(int colunaTela) const
{
    const bool fixa = divisaoNaColuna > 0 && colunaTela < divisaoNaColuna;
    return fixa ? colunaTela : colunaTela + primeiraColuna - 1;
}

// A lit cell without the ruler, drawn once per colour and size and then copied:
// the same pixels as the disc drawn in place, at a fraction of the cost.
const QImage &TPainelLed::ledAceso(TCor corDoLed) const
{
    const quint64 chave = quint64(corDoLed) << 32 | quint64(corFundo & 0xFFFFFF) << 8 | quint64(tamanhoLed & 0xFF);
    auto existente = ledsAcesos.constFind(chave);
    if (existente != ledsAcesos.cend())
        return *existente;
    if (ledsAcesos.size() > 64)
        ledsAcesos.clear();
    const int t = tamanhoLed;
    QImage imagem(t, t, QImage::Format_RGB32);
    imagem.fill(cor(corFundo));
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setPen(QPen(cor(corFundo), 1));
    pintor.setBrush(cor(corDoLed));
    pintor.drawEllipse(0, 0, t - 1, t - 1);
    pintor.end();
    return *ledsAcesos.insert(chave, imagem);
}

void TPainelLed::desenharLed(QPainter &pintor, const TLed &led) const
{
    const TRetangulo cheio = led.Retangulo(0);
    const TRetangulo interno = led.Retangulo(1);
    if (led.Acesa && !regua && tamanhoLed > 0) {
        pintor.drawImage(cheio.Left, cheio.Top, ledAceso(CorDaColuna(led.Coluna)));
        return;
    }
    pintor.fillRect(cheio.Left, cheio.Top, cheio.Right - cheio.Left, cheio.Bottom - cheio.Top, cor(corFundo));
    const QColor preenchimento = led.Acesa ? cor(CorDaColuna(led.Coluna)) : cor(corFundo);
    if (led.Acesa) {
        pintor.setPen(QPen(cor(corFundo), 1));
        pintor.setBrush(preenchimento);
        pintor.drawEllipse(interno.Left, interno.Top, interno.Right - interno.Left, interno.Bottom - interno.Top);
    }
    if (regua) {
        pintor.setPen(QPen(cor(corFundo == Cores::Prata ? Cores::Vermelho : Cores::Prata), 1));
        pintor.setBrush(preenchimento);
        pintor.drawRect(interno.Left, interno.Top, interno.Right - interno.Left, interno.Bottom - interno.Top);
    }
    pintor.setPen(cor(corFundo));
}

void TPainelLed::desenharDivisao(QPainter &pintor) const
{
    const int d = divisaoNaColuna;
    if (d <= 0 || modo == TModo::ModoSimulador)
        return;
    const int t = tamanhoLed;
    const int x = (d - 1) * t;
    const int topo = 0;
    const int base = (nroLinhas - 1) * t + t - 1;
    pintor.setPen(QPen(cor(corFundo == Cores::Branco ? Cores::Vermelho : Cores::Branco), 1));
    linha(pintor, x, topo, x, base);
    linha(pintor, x + 1, topo, x + 1, base);
}

void TPainelLed::desenharMarcacao(QPainter &pintor)
{
    if (!InicioMarcacao || !FimMarcacao)
        return;
    const TRetangulo a = InicioMarcacao->Retangulo(1);
    const TRetangulo b = FimMarcacao->Retangulo(1);
    pintor.setPen(QPen(cor(corMarcacao), 1));
    linha(pintor, a.Left, a.Top, b.Right, a.Top);
    linha(pintor, b.Right, a.Top, b.Right, b.Bottom);
    linha(pintor, b.Right, b.Bottom, a.Left, b.Bottom);
    linha(pintor, a.Left, b.Bottom, a.Left, a.Top);
    corMarcacao = corMarcacao == Cores::Lima ? Cores::Verde : Cores::Lima;
}

void TPainelLed::desenharCursor(QPainter &pintor) const
{
    if (!cursorVisivel || !CursorLigado || modo != TModo::ModoTexto)
        return;
    // Two one-pixel lines at the left edge of the cursor column, over the
    // rows of the current font.
    const TRetangulo a = RetanguloDe(linhaCursor, colunaCursor, 1);
    const TRetangulo b = RetanguloDe(linhaCursor + AlturaDaFonte(fonteUtilizada) - 1, colunaCursor, 1);
    pintor.setPen(QPen(cor(corFundo == Cores::Agua ? Cores::Vermelho : Cores::Agua), 1));
    linha(pintor, a.Left, a.Top, a.Left, b.Bottom);
    linha(pintor, a.Left + 1, a.Top, a.Left + 1, b.Bottom);
}
