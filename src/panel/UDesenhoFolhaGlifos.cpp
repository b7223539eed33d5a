#include "panel/UDesenhoFolhaGlifos.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"
#include "panel/UFolhaGlifos.h"
#include "panel/UFontes.h"
#include "panel/UWindows1252.h"

namespace {
// Sizes in pixels.
constexpr int passoLed = 7;    // LED pitch
constexpr int diametroLed = 5;
constexpr int margem = 16;
constexpr int vaoGlifos = 12;   // between glyphs of a row
constexpr int vaoLinhas = 10;   // between rows of glyphs
constexpr int vaoFontes = 28;   // between fonts
constexpr int larguraMinima = 1280;

const QColor fundo(0x10, 0x10, 0x10);
const QColor ledAceso(0xFF, 0xB0, 0x20);
const QColor ledApagado(0x2C, 0x24, 0x1A);
const QColor corTexto(0xB0, 0xB0, 0xB0);
const QColor corTitulo(0xF0, 0xF0, 0xF0);

const QString amostra = QStringLiteral("Terminal Centro 0123456789 Ação");

struct TGlifoNaFolha {
    QString Caractere;
    QString Codigo;
    TGradeLeds Grade;
};

struct TFonteNaFolha {
    QString Titulo;
    int Altura; // rows
    std::vector<TGlifoNaFolha> Glifos;
    TGradeLeds Amostra;
};

std::vector<TFonteNaFolha> lerFontes()
{
    std::vector<TFonteNaFolha> fontes;
    for (int f = 1; f <= 12; ++f) {
        const auto fonte = static_cast<TTipoFonte>(f);
        const int altura = TFontesLed::AlturaDaFonte(fonte);
        TFonteNaFolha atual{TFontesLed::SecaoDaFonte(fonte), altura, {}, GradeDoTexto(fonte, amostra)};
        for (int codigo = 1; codigo <= 255; ++codigo) {
            QByteArray glifo;
            if (!TFontesLed::LerGlifo(fonte, static_cast<unsigned char>(codigo), glifo))
                continue;
            TGradeLeds grade(altura);
            AssentarGlifo(grade, 1, glifo, altura);
            const QString caractere = codigo > 32 ? TWindows1252::ParaTexto(static_cast<unsigned char>(codigo))
                                                  : QString();
            atual.Glifos.push_back({caractere, QString::number(codigo), grade});
        }
        fontes.push_back(std::move(atual));
    }
    return fontes;
}

void desenharGrade(QPainter &p, const TGradeLeds &grade, int x, int y)
{
    p.setPen(Qt::NoPen);
    for (int c = 1; c <= grade.Colunas(); ++c)
        for (int l = 1; l <= grade.Linhas(); ++l) {
            p.setBrush(grade.Aceso(l, c) ? ledAceso : ledApagado);
            p.drawEllipse(x + (c - 1) * passoLed, y + (l - 1) * passoLed, diametroLed, diametroLed);
        }
}

// Lays out (and, with a painter, paints) the sheet; returns its height.
int percorrer(const std::vector<TFonteNaFolha> &fontes, int largura, QPainter *p)
{
    QFont fonteTitulo;
    fonteTitulo.setPixelSize(15);
    fonteTitulo.setBold(true);
    QFont fonteRotulo;
    fonteRotulo.setPixelSize(10);
    const QFontMetrics mTitulo(fonteTitulo);
    const QFontMetrics mRotulo(fonteRotulo);
    const int alturaRotulo = mRotulo.height();

    int y = margem;
    for (const TFonteNaFolha &fonte : fontes) {
        if (p) {
            p->setFont(fonteTitulo);
            p->setPen(corTitulo);
            p->drawText(margem, y + mTitulo.ascent(), fonte.Titulo);
        }
        y += mTitulo.height() + 6;
        const int alturaGrade = fonte.Altura * passoLed;
        const int alturaLinha = alturaRotulo + 2 + alturaGrade + 2 + alturaRotulo;
        int x = margem;
        for (const TGlifoNaFolha &g : fonte.Glifos) {
            const int larguraGrade = g.Grade.Colunas() * passoLed;
            const int caixa = std::max({larguraGrade, mRotulo.horizontalAdvance(g.Codigo),
                                        mRotulo.horizontalAdvance(g.Caractere)});
            if (x > margem && x + caixa > largura - margem) {
                x = margem;
                y += alturaLinha + vaoLinhas;
            }
            if (p) {
                p->setFont(fonteRotulo);
                p->setPen(corTexto);
                const QRect acima(x, y, caixa, alturaRotulo);
                const QRect abaixo(x, y + alturaRotulo + 2 + alturaGrade + 2, caixa, alturaRotulo);
                p->drawText(acima, Qt::AlignHCenter, g.Caractere);
                p->drawText(abaixo, Qt::AlignHCenter, g.Codigo);
                desenharGrade(*p, g.Grade, x + (caixa - larguraGrade) / 2, y + alturaRotulo + 2);
            }
            x += caixa + vaoGlifos;
        }
        if (!fonte.Glifos.empty())
            y += alturaLinha + vaoLinhas;
        if (p)
            desenharGrade(*p, fonte.Amostra, margem, y);
        y += alturaGrade + vaoFontes;
    }
    return y + margem;
}
}

QImage DesenharFolhaGlifos()
{
    const std::vector<TFonteNaFolha> fontes = lerFontes();
    int largura = larguraMinima;
    for (const TFonteNaFolha &f : fontes)
        largura = std::max(largura, f.Amostra.Colunas() * passoLed + 2 * margem);

    QImage folha(largura, percorrer(fontes, largura, nullptr), QImage::Format_RGB32);
    folha.fill(fundo);
    QPainter p(&folha);
    p.setRenderHint(QPainter::Antialiasing);
    percorrer(fontes, largura, &p);
    return folha;
}

QImage GravarFolhaGlifos(const QString &caminho)
{
    const QImage folha = DesenharFolhaGlifos();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!folha.save(&buffer, "PNG"))
        throw TErro(QStringLiteral("ATENÇÃO:\r\nNão foi possível montar a imagem PNG da folha de glifos."));
    TArquivoDisco::GravarAtomico(caminho, png);
    return folha;
}
