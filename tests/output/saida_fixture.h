#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPoint>
#include <QString>
#include <functional>
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

// Destination 1 on a 16-row side sign of 96 columns, labelled, 255 seconds,
// LEDs at the bottom left and the top right.
inline void DestinoDe16Linhas(TGeracaoArquivo &g)
{
    Destino(Painel(g, 2, 16, 96), 1, Conteudo(16, 96, {QPoint(1, 16), QPoint(96, 1)}), QStringLiteral("LINHA 1"), 255);
}

// Three rotating messages on an 8 x 80 front sign, LEDs at (1, 1) of the
// second and (80, 8) of the third.
inline void TresMensagensRotativas(TGeracaoArquivo &g)
{
    TDestinos &d = Destino(Painel(g, 1, 8, 80), 1, {});
    d.Conteudo = {Conteudo(8, 80), Conteudo(8, 80, {QPoint(1, 1)}), Conteudo(8, 80, {QPoint(80, 8)})};
    d.QtdMensagens = 3;
}

// Front destinations 1 and 3 ("TRES", LED at 1,8), a side sign of 8 x 40 with destination 5 only.
inline void NumeroQueFalta(TGeracaoArquivo &g)
{
    TPainel &frente = Painel(g, 1, 8, 80);
    Destino(frente, 1, Conteudo(8, 80));
    Destino(frente, 3, Conteudo(8, 80, {QPoint(1, 8)}), QStringLiteral("TRES"));
    Destino(Painel(g, 2, 8, 40), 5, Conteudo(8, 40));
}

// A front destination, and two extras on the rear sign only (LED at n,1 of extra n).
inline void ExtrasSomenteNoTraseiro(TGeracaoArquivo &g)
{
    Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80));
    TPainel &traseiro = Painel(g, 3, 8, 80);
    for (int n = 1; n <= 2; ++n) {
        TExtras &e = traseiro.ObterExtra(n);
        e.QtdMensagens = 1;
        e.Conteudo = {Conteudo(8, 80, {QPoint(n, 1)})};
    }
}

// A bus with a rear sign of 8 x 40 only: two dark destinations and an empty extra.
inline void SomenteTraseiro(TGeracaoArquivo &g)
{
    TPainel &traseiro = Painel(g, 3, 8, 40);
    Destino(traseiro, 1, Conteudo(8, 40));
    Destino(traseiro, 2, Conteudo(8, 40));
    traseiro.ObterExtra(1).QtdMensagens = 1;
}

// Two clock extras of an 8 x 80 front sign in the 8x7 font, columns 1..40 (10 s) and 41..80.
inline void DoisRelogiosNaMesmaFonte(TGeracaoArquivo &g)
{
    TPainel &frente = Painel(g, 1, 8, 80);
    ExtraComRelogio(frente, 1, TTipoFonte::tfVeltronix8x7, 1, 40, 1).TempoExposicao = 10;
    ExtraComRelogio(frente, 2, TTipoFonte::tfVeltronix8x7, 41, 80, 1);
}

// Clocks on the front (8x7) and on a 16 x 96 side sign (8x5, then 8x7), top row 5 there.
inline void RelogiosEmDoisPaineis(TGeracaoArquivo &g)
{
    ExtraComRelogio(Painel(g, 1, 8, 80), 1, TTipoFonte::tfVeltronix8x7, 1, 40, 1);
    TPainel &lado = Painel(g, 2, 16, 96);
    ExtraComRelogio(lado, 1, TTipoFonte::tfVeltronix8x5, 1, 30, 5);
    ExtraComRelogio(lado, 2, TTipoFonte::tfVeltronix8x7, 1, 30, 5);
}

// A front destination and a clock extra on the side sign only.
inline void RelogioSemExtrasNoPrimeiro(TGeracaoArquivo &g)
{
    Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80));
    ExtraComRelogio(Painel(g, 2, 8, 80), 1, TTipoFonte::tfVeltronix8x7, 1, 40, 1);
}

// One dark extra of an 8 x 80 front sign with that direction and clock font.
inline void ExtraSemRelogio(TGeracaoArquivo &g, TRolagem sentido, TTipoFonte fonte)
{
    TExtras &e = Painel(g, 1, 8, 80).ObterExtra(1);
    e.QtdMensagens = 1;
    e.Sentido = sentido;
    e.FonteRelogio = fonte;
}

// A front and a rear sign of 8 x 80, destination 1 with that label on both.
inline void DestinoComRotulo(TGeracaoArquivo &g, const QString &rotulo)
{
    Destino(Painel(g, 1, 8, 80), 1, Conteudo(8, 80), rotulo);
    Destino(Painel(g, 3, 8, 80), 1, Conteudo(8, 80), rotulo);
}

using TPreparo = std::function<void(TGeracaoArquivo &)>;
struct TExemplo {
    QString Nome;
    TPreparo Preparar;
};

// The builder's worked examples, one list for every test that reads files back.
inline QList<TExemplo> Exemplos()
{
    return {
        {QStringLiteral("front and side"), [](TGeracaoArquivo &g) { DoisPaineis(g, 2); }},
        {QStringLiteral("front and slot 16"), [](TGeracaoArquivo &g) { DoisPaineis(g, 16); }},
        {QStringLiteral("16 rows"), DestinoDe16Linhas},
        {QStringLiteral("three rotating messages"), TresMensagensRotativas},
        {QStringLiteral("scrolling"), [](TGeracaoArquivo &g) { DestinoRolando(g, 1); }},
        {QStringLiteral("scrolling with a second message"), [](TGeracaoArquivo &g) { DestinoRolando(g, 2); }},
        {QStringLiteral("missing number"), NumeroQueFalta},
        {QStringLiteral("extras on the rear only"), ExtrasSomenteNoTraseiro},
        {QStringLiteral("rear sign only"), SomenteTraseiro},
        {QStringLiteral("two clocks in one font"), DoisRelogiosNaMesmaFonte},
        {QStringLiteral("clocks on two signs"), RelogiosEmDoisPaineis},
        {QStringLiteral("clock without extras on the first sign"), RelogioSemExtrasNoPrimeiro},
        {QStringLiteral("scrolling extra"),
         [](TGeracaoArquivo &g) { ExtraSemRelogio(g, TRolagem::tsEsquerda, TTipoFonte::tfNenhum); }},
        {QStringLiteral("clock without a font"),
         [](TGeracaoArquivo &g) { ExtraSemRelogio(g, TRolagem::tsHorario, TTipoFonte::tfNenhum); }},
        {QStringLiteral("label of 20 characters"),
         [](TGeracaoArquivo &g) { DestinoComRotulo(g, QStringLiteral("ABCDEFGHIJKLMNOPQRST")); }},
        {QStringLiteral("label in parts, with accents"),
         [](TGeracaoArquivo &g) { DestinoComRotulo(g, QStringLiteral("São|Centro")); }},
        {QStringLiteral("empty builder"), [](TGeracaoArquivo &) {}},
    };
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
