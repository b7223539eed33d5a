#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPoint>
#include <initializer_list>

#include "output/UGeracaoArquivo.h"
#include "panel/UConteudoPainel.h"

// Small builders of sign controller file fixtures.
namespace Fixture {

inline QByteArray Bytes(std::initializer_list<int> valores)
{
    QByteArray b;
    for (int v : valores)
        b.append(char(v));
    return b;
}

inline QByteArray Zeros(int n)
{
    return QByteArray(n, '\0');
}

// A content text of a sign of linhas x colunas with the LEDs at acesas lit
// (QPoint(column, row), 1-based).
inline QByteArray Conteudo(int linhas, int colunas, const QList<QPoint> &acesas = {})
{
    QByteArray texto;
    for (int c = 1; c <= colunas; ++c)
        for (int r = 1; r <= linhas; ++r)
            TConteudoPainel::EscreverEntradaLed(texto, r, c, acesas.contains(QPoint(c, r)));
    return texto;
}

// colunas zero bytes with the given bytes set (1-based column -> byte).
inline QByteArray Colunas(int colunas, const QList<QPair<int, int>> &valores = {})
{
    QByteArray b = Zeros(colunas);
    for (const auto &[coluna, valor] : valores)
        b[coluna - 1] = char(valor);
    return b;
}

inline int U8(const QByteArray &b, int pos)
{
    return static_cast<unsigned char>(b.at(pos));
}
inline int U16(const QByteArray &b, int pos)
{
    return U8(b, pos) | U8(b, pos + 1) << 8;
}
inline qint64 U32(const QByteArray &b, int pos)
{
    return qint64(U16(b, pos)) | qint64(U16(b, pos + 2)) << 16;
}

// A panel slot with its size set.
inline TPainel &Painel(TGeracaoArquivo &g, int slot, int linhas, int colunas)
{
    TPainel &p = g.ObterPainel(slot);
    p.DefinirLinhas(linhas);
    p.DefinirColunas(colunas);
    return p;
}

// A destination with one message.
inline TDestinos &Destino(TPainel &p, int numero, const QByteArray &conteudo, const QString &rotulo = {},
                          int tempo = 0)
{
    TDestinos &d = p.ObterDestino(numero);
    d.Conteudo = {conteudo};
    d.Rotulo = rotulo;
    d.TempoExposicao = tempo;
    return d;
}

// The two-sign worked example: 8 x 80 front and a second 8 x 80 sign at slot,
// two destinations each, the first with one lit LED at each corner (front) or
// one LED (second sign), labelled "LINHA 1", 5 seconds.
inline void DoisPaineis(TGeracaoArquivo &g, int slot)
{
    g.DefinirTipoArquivo(2);
    TPainel &frente = Painel(g, 1, 8, 80);
    TPainel &segundo = Painel(g, slot, 8, 80);
    Destino(frente, 1, Conteudo(8, 80, {QPoint(1, 1), QPoint(80, 8)}), QStringLiteral("LINHA 1"), 5);
    Destino(segundo, 1, Conteudo(8, 80, {QPoint(2, 2)}), QStringLiteral("LINHA 1"), 5);
    Destino(frente, 2, Conteudo(8, 80));
    Destino(segundo, 2, Conteudo(8, 80));
}

// Destination 1 of an 8 x 80 front sign scrolling left right of its division
// at column 28, its first message 150 columns long (LEDs at 100,1 and 150,8);
// a second message, when asked for, is 80 columns with one LED.
inline TDestinos &DestinoRolando(TGeracaoArquivo &g, int qtdMensagens)
{
    TDestinos &d = Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 150, {QPoint(100, 1), QPoint(150, 8)}));
    if (qtdMensagens == 2)
        d.Conteudo.append(Conteudo(8, 80, {QPoint(1, 1)}));
    d.QtdMensagens = qtdMensagens;
    d.DefinirSentido(TRolagem::tsEsquerda);
    d.TamanhoMensagem = 150;
    d.PosXInicial = 28;
    d.PosXFinal = 80;
    d.PosYInicial = 1;
    d.PosYFinal = 8;
    return d;
}

// An extra message with a clock in the given font, at column x0..x1 and top row y.
inline TExtras &ExtraComRelogio(TPainel &p, int numero, TTipoFonte fonte, int x0, int x1, int y)
{
    TExtras &e = p.ObterExtra(numero);
    e.QtdMensagens = 1;
    e.Conteudo = {Conteudo(p.Linhas(), p.Colunas())};
    e.FonteRelogio = fonte;
    e.Sentido = TRolagem::tsHorario;
    e.PosXInicial = x0;
    e.PosXFinal = x1;
    e.PosYInicial = y;
    e.PosYFinal = y;
    return e;
}
// The whole file; empty when it cannot be read.
inline QByteArray LerArquivo(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool GravarArquivo(const QString &arquivo, const QByteArray &bytes)
{
    QFile f(arquivo);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
}
