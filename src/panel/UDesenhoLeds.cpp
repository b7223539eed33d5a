#include "panel/UDesenhoLeds.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <limits>

#include "panel/UFolhaGlifos.h"
#include "panel/UFontes.h"
#include "panel/UPainelLed.h"

namespace {
constexpr int amostras = 4; // per pixel side when measuring how much of a pixel a disc covers

QRgb rgb(TCor cor)
{
    return qRgb(int(cor & 0xFF), int((cor >> 8) & 0xFF), int((cor >> 16) & 0xFF));
}

QRgb mistura(QRgb fundo, QRgb cor, int nivel)
{
    const int n = TDesenhoLeds::Niveis - 1;
    const auto canal = [&](int f, int c) { return (f * (n - nivel) + c * nivel + n / 2) / n; };
    return qRgb(canal(qRed(fundo), qRed(cor)), canal(qGreen(fundo), qGreen(cor)), canal(qBlue(fundo), qBlue(cor)));
}

int nivelDaCobertura(int alfa)
{
    return (alfa * (TDesenhoLeds::Niveis - 1) + 127) / 255;
}

// What the sign shows in its clock placeholder: the box of the clock
// characters dark, and the time laid from its first column in the clock's
// font, cut at the box's end.
struct TRelogio {
    int Linha = 0;
    int Coluna = 0;
    int Linhas = 0;
    int Colunas = 0;
    TGradeLeds Grade;

    bool Cobre(int linha, int coluna) const
    {
        return linha >= Linha && linha < Linha + Linhas && coluna >= Coluna && coluna < Coluna + Colunas;
    }
    bool Aceso(int linha, int coluna) const { return Grade.Aceso(linha - Linha + 1, coluna - Coluna + 1); }
};

TRelogio relogioExibido(const TPainelLed &painel, QTime horario)
{
    TRelogio r;
    const TTipoFonte fonte = painel.RelogioFonte();
    const int altura = TFontesLed::AlturaDaFonte(fonte);
    if (altura <= 0)
        return r;
    r.Linha = painel.RelogioLinhaInicial();
    r.Coluna = painel.RelogioColunaInicial();
    r.Linhas = painel.RelogioLinhaFinal() - r.Linha + 1;
    r.Colunas = painel.RelogioColunaFinal() - r.Coluna;
    r.Grade = TGradeLeds(r.Linhas);
    int larguraDigito = 0;
    const QByteArray bits = TFontesLed::GlifosDoRelogio(fonte, larguraDigito);
    const int larguraDoisPontos = int(bits.size()) / altura - 10 * larguraDigito;
    int coluna = 1;
    for (const QChar ch : horario.toString(QStringLiteral("HH:mm"))) {
        const bool digito = ch != u':';
        const int primeira = digito ? ch.digitValue() * larguraDigito : 10 * larguraDigito;
        const int largura = digito ? larguraDigito : larguraDoisPontos;
        for (int k = 0; k < largura; ++k, ++coluna)
            for (int linha = 1; linha <= altura && coluna <= r.Colunas; ++linha)
                r.Grade.Definir(linha, coluna, bits.at(qsizetype(primeira + k) * altura + linha - 1) == '1');
    }
    return r;
}
}

TDesenhoLeds::TDesenhoLeds(int passo)
    : passo(std::clamp(passo, PassoMinimo, PassoMaximo)), disco(size_t(this->passo * this->passo))
{
    // The share of each pixel inside a disc of 0.8 pitch, measured on a grid of samples.
    const double centro = this->passo / 2.0;
    const double raio = this->passo * 0.4;
    for (int y = 0; y < this->passo; ++y)
        for (int x = 0; x < this->passo; ++x) {
            int dentro = 0;
            for (int i = 0; i < amostras; ++i)
                for (int j = 0; j < amostras; ++j) {
                    const double dx = x + (j + 0.5) / amostras - centro;
                    const double dy = y + (i + 0.5) / amostras - centro;
                    dentro += dx * dx + dy * dy <= raio * raio;
                }
            disco[size_t(y * this->passo + x)] = quint8(nivelDaCobertura(dentro * 255 / (amostras * amostras)));
        }
    indice(CorPagina);
    tons(CorFace, CorApagado);
    tons(CorPagina, CorLegenda);
}

uchar TDesenhoLeds::indice(QRgb cor)
{
    cor |= 0xFF000000;
    if (const auto existente = indicePorCor.constFind(cor); existente != indicePorCor.cend())
        return *existente;
    if (paleta.size() < 256) {
        paleta.append(cor);
        return *indicePorCor.insert(cor, uchar(paleta.size() - 1));
    }
    // A full table: the nearest colour stands in.
    int melhor = 0;
    int menor = std::numeric_limits<int>::max();
    for (int i = 0; i < paleta.size(); ++i) {
        const int dr = qRed(cor) - qRed(paleta[i]);
        const int dg = qGreen(cor) - qGreen(paleta[i]);
        const int db = qBlue(cor) - qBlue(paleta[i]);
        if (const int d = dr * dr + dg * dg + db * db; d < menor) {
            menor = d;
            melhor = i;
        }
    }
    return uchar(melhor);
}

TDesenhoLeds::TTons TDesenhoLeds::tons(QRgb fundo, QRgb cor)
{
    const quint64 chave = quint64(fundo & 0xFFFFFF) << 32 | (cor & 0xFFFFFF);
    if (const auto existente = tonsPorPar.constFind(chave); existente != tonsPorPar.cend())
        return *existente;
    TTons t;
    for (int nivel = 0; nivel < Niveis; ++nivel)
        t[size_t(nivel)] = indice(mistura(fundo, cor, nivel));
    return *tonsPorPar.insert(chave, t);
}

void TDesenhoLeds::RegistrarCor(TCor cor)
{
    tons(CorFace, rgb(cor));
}

void TDesenhoLeds::copiarTabela(QImage &imagem) const
{
    if (imagem.colorTable() != paleta)
        imagem.setColorTable(paleta);
}

QImage TDesenhoLeds::NovaImagem(int largura, int altura) const
{
    QImage imagem(largura, altura, QImage::Format_Indexed8);
    copiarTabela(imagem);
    imagem.fill(uint(indicePorCor.value(CorPagina)));
    return imagem;
}

void TDesenhoLeds::PreencherFace(QImage &imagem, const QRect &retangulo) const
{
    const QRect r = retangulo & imagem.rect();
    const uchar face = indicePorCor.value(CorFace);
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(imagem.scanLine(y) + r.left(), r.width(), face);
}

namespace {
QFont fonteDaLegenda(int pixels)
{
    QFont fonte;
    fonte.setPixelSize(pixels);
    fonte.setBold(true);
    return fonte;
}
}

QSize TDesenhoLeds::TamanhoDaLegenda(const QString &texto, int pixels)
{
    const QFontMetrics m(fonteDaLegenda(pixels));
    return QSize(m.horizontalAdvance(texto), m.height());
}

void TDesenhoLeds::EscreverLegenda(QImage &imagem, QPoint ponto, const QString &texto, int pixels)
{
    // Drawn white on transparent; how opaque a pixel came out is how much of the caption colour it gets.
    const QSize tamanho = TamanhoDaLegenda(texto, pixels);
    QImage letras(tamanho, QImage::Format_ARGB32_Premultiplied);
    letras.fill(Qt::transparent);
    {
        QPainter p(&letras);
        p.setFont(fonteDaLegenda(pixels));
        p.setPen(Qt::white);
        p.drawText(0, QFontMetrics(p.font()).ascent(), texto);
    }
    const TTons t = tons(CorPagina, CorLegenda);
    const QRect alvo = QRect(ponto, tamanho) & imagem.rect();
    for (int y = alvo.top(); y <= alvo.bottom(); ++y) {
        const auto *origem = reinterpret_cast<const QRgb *>(letras.constScanLine(y - ponto.y()));
        uchar *destino = imagem.scanLine(y);
        for (int x = alvo.left(); x <= alvo.right(); ++x)
            if (const int nivel = nivelDaCobertura(qAlpha(origem[x - ponto.x()])); nivel > 0)
                destino[x] = t[size_t(nivel)];
    }
    copiarTabela(imagem);
}

void TDesenhoLeds::pintarLed(QImage &imagem, QPoint ponto, const TTons &t) const
{
    const QRect r = QRect(ponto, QSize(passo, passo)) & imagem.rect();
    uchar *pixels = imagem.bits(); // one detach check per LED, not per row
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const quint8 *niveis = disco.data() + (y - ponto.y()) * passo + (r.left() - ponto.x());
        uchar *linha = pixels + qsizetype(y) * imagem.bytesPerLine() + r.left();
        for (int x = 0; x < r.width(); ++x)
            linha[x] = t[niveis[x]];
    }
}

void TDesenhoLeds::DesenharPainel(QImage &imagem, QPoint origem, TPainelLed &painel, QTime horario)
{
    const TRelogio relogio = relogioExibido(painel, horario);
    const TTons apagado = tons(CorFace, CorApagado);
    for (int colunaTela = 1; colunaTela <= painel.NroColunas(); ++colunaTela) {
        const int coluna = painel.ColunaExibida(colunaTela);
        const TTons aceso = tons(CorFace, rgb(painel.CorDaColuna(coluna)));
        for (int linha = 1; linha <= painel.NroLinhas(); ++linha) {
            const TLed *led = painel.Led(linha, coluna, false);
            const bool acesa = relogio.Cobre(linha, coluna) ? relogio.Aceso(linha, coluna) : led && led->Acesa;
            pintarLed(imagem, origem + QPoint((colunaTela - 1) * passo, (linha - 1) * passo), acesa ? aceso : apagado);
        }
    }
    copiarTabela(imagem);
}
