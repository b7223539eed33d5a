#include "panel/UDesenhoFolhaGlifos.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"
#include "panel/UFolhaGlifos.h"
#include "panel/UFontes.h"
#include "panel/UPictogramas.h"
#include "panel/UWindows1252.h"

namespace {
// Sizes in pixels.
constexpr int passoLed = 7;    // LED pitch
constexpr int margem = 16;
constexpr int vaoGlifos = 12;   // between glyphs of a row
constexpr int vaoLinhas = 10;   // between rows of glyphs
constexpr int vaoAmostras = 8;  // between sample lines
constexpr int vaoFontes = 28;   // between fonts
constexpr int pixelsDoRotulo = 13;
constexpr int larguraMinima = 1280;

const QColor fundo(0x10, 0x10, 0x10);
const QColor ledAceso(0xFF, 0xB0, 0x20);
const QColor ledApagado(0x2C, 0x24, 0x1A);
const QColor corTexto(0xB0, 0xB0, 0xB0);
const QColor corTitulo(0xF0, 0xF0, 0xF0);

const QStringList amostras = {
    QStringLiteral("Terminal Centro 0123456789 Ação"),
    QStringLiteral("SÃO JOÃO ESTAÇÃO PRAÇA Conceição Ônibus Rodoviária"),
};

struct TGlifoNaFolha {
    QString Caractere;
    QString Codigo;
    TGradeLeds Grade;
};

struct TFonteNaFolha {
    QString Titulo;
    int Altura; // rows
    std::vector<TGlifoNaFolha> Glifos;
    std::vector<TGradeLeds> Amostras;
    QStringList Faltantes; // characters of the samples the font lacks, which the sign skips
};

QStringList faltantes(TTipoFonte fonte)
{
    QStringList lista;
    for (const QString &texto : amostras)
        for (const QChar ch : texto) {
            const std::optional<unsigned char> codigo = TWindows1252::ParaByte(ch);
            QByteArray glifo;
            const bool temGlifo = codigo && TFontesLed::LerGlifo(fonte, *codigo, glifo);
            if (ch != u' ' && !temGlifo && !lista.contains(QString(ch)))
                lista << QString(ch);
        }
    return lista;
}

QFont fonteDoRotulo()
{
    QFont fonte;
    fonte.setPixelSize(pixelsDoRotulo);
    return fonte;
}

// Pixels above and below the baseline that every character of the sheet
// needs: the accents of capitals rise above the font's ascent.
const std::pair<int, int> &extensaoDosRotulos()
{
    static const std::pair<int, int> extensao = [] {
        QString todos;
        for (int codigo = 33; codigo <= 255; ++codigo)
            todos += TWindows1252::ParaTexto(static_cast<unsigned char>(codigo));
        const QFontMetrics m(fonteDoRotulo());
        const QRect justo = m.tightBoundingRect(todos);
        // One pixel more each way for antialiasing.
        return std::pair(std::max(m.ascent(), -justo.top()) + 1, std::max(m.descent(), justo.bottom() + 1) + 1);
    }();
    return extensao;
}

std::vector<TFonteNaFolha> lerFontes()
{
    std::vector<TFonteNaFolha> fontes;
    for (int f = 1; f <= 12; ++f) {
        const auto fonte = static_cast<TTipoFonte>(f);
        const int altura = TFontesLed::AlturaDaFonte(fonte);
        TFonteNaFolha atual{TFontesLed::SecaoDaFonte(fonte), altura, {}, {}, faltantes(fonte)};
        for (const QString &texto : amostras)
            atual.Amostras.push_back(GradeDoTexto(fonte, texto));
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
    DesenharGrade(p, grade, QPoint(x, y), passoLed);
}

// The pictograms of one height, each with its name below.
struct TPictogramasNaFolha {
    QString Titulo;
    int Altura;
    std::vector<std::pair<QString, TGradeLeds>> Figuras;
};

std::vector<TPictogramasNaFolha> lerPictogramas()
{
    std::vector<TPictogramasNaFolha> conjuntos;
    for (int altura : Pictogramas::Alturas) {
        TPictogramasNaFolha conjunto{QStringLiteral("Pictogramas de %1 linhas").arg(altura), altura, {}};
        for (TPictograma p : Pictogramas::Todos())
            conjunto.Figuras.emplace_back(Pictogramas::Nome(p), Pictogramas::Grade(p, altura));
        conjuntos.push_back(std::move(conjunto));
    }
    return conjuntos;
}

// Lays out (and, with a painter, paints) the sheet; returns its height.
int percorrer(const std::vector<TFonteNaFolha> &fontes, const std::vector<TPictogramasNaFolha> &pictogramas,
              int largura, QPainter *p)
{
    QFont fonteTitulo;
    fonteTitulo.setPixelSize(15);
    fonteTitulo.setBold(true);
    const QFont fonteRotulo = fonteDoRotulo();
    const QFontMetrics mTitulo(fonteTitulo);
    const QFontMetrics mRotulo(fonteRotulo);
    const int alturaRotulo = AlturaDoRotulo();

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
                DesenharRotulo(*p, x, y, caixa, g.Caractere);
                DesenharRotulo(*p, x, y + alturaRotulo + 2 + alturaGrade + 2, caixa, g.Codigo);
                desenharGrade(*p, g.Grade, x + (caixa - larguraGrade) / 2, y + alturaRotulo + 2);
            }
            x += caixa + vaoGlifos;
        }
        if (!fonte.Glifos.empty())
            y += alturaLinha + vaoLinhas;
        for (const TGradeLeds &amostra : fonte.Amostras) {
            if (p)
                desenharGrade(*p, amostra, margem, y);
            y += alturaGrade + vaoAmostras;
        }
        if (!fonte.Faltantes.isEmpty()) {
            if (p)
                DesenharRotulo(*p, margem, y, -1,
                               QStringLiteral("Sem glifo nesta fonte, omitidos nas amostras: ")
                                   + fonte.Faltantes.join(u' '));
            y += alturaRotulo;
        }
        y += vaoFontes - vaoAmostras;
    }
    for (const TPictogramasNaFolha &conjunto : pictogramas) {
        if (p) {
            p->setFont(fonteTitulo);
            p->setPen(corTitulo);
            p->drawText(margem, y + mTitulo.ascent(), conjunto.Titulo);
        }
        y += mTitulo.height() + 6;
        const int alturaGrade = conjunto.Altura * passoLed;
        const int alturaLinha = alturaGrade + 2 + alturaRotulo;
        int x = margem;
        for (const auto &[nome, grade] : conjunto.Figuras) {
            const int larguraGrade = grade.Colunas() * passoLed;
            const int caixa = std::max(larguraGrade, mRotulo.horizontalAdvance(nome));
            if (x > margem && x + caixa > largura - margem) {
                x = margem;
                y += alturaLinha + vaoLinhas;
            }
            if (p) {
                desenharGrade(*p, grade, x + (caixa - larguraGrade) / 2, y);
                DesenharRotulo(*p, x, y + alturaGrade + 2, caixa, nome);
            }
            x += caixa + 2 * vaoGlifos;
        }
        y += alturaLinha + vaoFontes;
    }
    return y + margem;
}
}

void DesenharGrade(QPainter &p, const TGradeLeds &grade, QPoint origem, int passo)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const int diametro = std::max(passo - 2, 1);
    for (int c = 1; c <= grade.Colunas(); ++c)
        for (int l = 1; l <= grade.Linhas(); ++l) {
            p.setBrush(grade.Aceso(l, c) ? ledAceso : ledApagado);
            p.drawEllipse(origem.x() + (c - 1) * passo, origem.y() + (l - 1) * passo, diametro, diametro);
        }
    p.restore();
}

QImage ImagemDaGrade(const TGradeLeds &grade, int passo)
{
    QImage imagem(std::max(grade.Colunas() * passo, 1), std::max(grade.Linhas() * passo, 1), QImage::Format_RGB32);
    imagem.fill(fundo);
    QPainter p(&imagem);
    DesenharGrade(p, grade, QPoint(1, 1), passo);
    return imagem;
}

int AlturaDoRotulo()
{
    return extensaoDosRotulos().first + extensaoDosRotulos().second;
}

void DesenharRotulo(QPainter &p, int x, int y, int largura, const QString &texto)
{
    const QFont fonte = fonteDoRotulo();
    const int avanco = QFontMetrics(fonte).horizontalAdvance(texto);
    p.setFont(fonte);
    p.setPen(corTexto);
    // At the baseline, unclipped: the label's height already holds every mark.
    p.drawText(largura < 0 ? x : x + (largura - avanco) / 2, y + extensaoDosRotulos().first, texto);
}

QImage DesenharFolhaGlifos()
{
    const std::vector<TFonteNaFolha> fontes = lerFontes();
    const std::vector<TPictogramasNaFolha> pictogramas = lerPictogramas();
    int largura = larguraMinima;
    for (const TFonteNaFolha &f : fontes)
        for (const TGradeLeds &amostra : f.Amostras)
            largura = std::max(largura, amostra.Colunas() * passoLed + 2 * margem);

    QImage folha(largura, percorrer(fontes, pictogramas, largura, nullptr), QImage::Format_RGB32);
    folha.fill(fundo);
    QPainter p(&folha);
    p.setRenderHint(QPainter::Antialiasing);
    percorrer(fontes, pictogramas, largura, &p);
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
