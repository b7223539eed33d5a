#include "editor/UCfgRotativo.h"

#include "panel/UConteudoPainel.h"
#include "panel/UErro.h"
#include "panel/UPainelLed.h"
#include "panel/UWindows1252.h"

#include <algorithm>
#include <vector>

namespace {
// The typed characters of a content text as TPainelLed::Rotulo gives them on
// a panel of that many rows: row by row, each row in list order.
QString digitadosDoConteudo(const QByteArray &texto, int linhas)
{
    std::vector<std::pair<int, char>> caracteres;
    try {
        TConteudoPainel::AnalisarConteudo(
            texto, [](const TEntradaLed &) {},
            [&caracteres](const TEntradaCaractere &e) { caracteres.emplace_back(int(e.Linha), char(e.Caractere)); });
    } catch (const TErro &) {
    }
    std::stable_sort(caracteres.begin(), caracteres.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QByteArray bytes;
    for (const auto &[linha, caractere] : caracteres)
        if (linha >= 1 && linha <= linhas)
            bytes.append(caractere);
    return TWindows1252::ParaTexto(bytes);
}
}

TCfgRotativo::TCfgRotativo(quint16 nroRotativo, qint16 painel)
    : NroRotativo(nroRotativo), Conteudo(NovoConteudo({})), Painel(painel)
{
}

QByteArray TCfgRotativo::TextoConteudo() const
{
    return TConteudoPainel::LerStream(Conteudo.get());
}

void TCfgRotativo::DefinirTextoConteudo(const QByteArray &texto)
{
    Conteudo = NovoConteudo(texto);
}

std::unique_ptr<QBuffer> TCfgRotativo::NovoConteudo(const QByteArray &texto)
{
    auto stream = std::make_unique<QBuffer>();
    stream->open(QIODevice::ReadWrite);
    stream->write(texto);
    return stream;
}

void TCfgRotativo::GravarPainel(TPainelLed &painel)
{
    // A label kept apart from the typed characters (a message drawn, not
    // typed, whose label was written for it) stays while they stay the same.
    const QString digitados = painel.Rotulo();
    if (Vazio || digitados != digitadosDoConteudo(TextoConteudo(), painel.NroLinhas()))
        Rotulo = digitados;
    Conteudo = painel.SalvarNoStream(painel.NroLinhas(), painel.NroColunas());
    Rolagem = painel.Rolagem();
    Vazio = false;
    DivisaoNaColuna = qint16(painel.DivisaoNaColuna());
    NroLinhas = qint16(painel.NroLinhas());
    CorLedNaDivisao = painel.CorLedNaDivisao();
    CorLed = painel.CorLed();
}

bool TCfgRotativo::MostradoEm(TPainelLed &painel) const
{
    const int linhas = painel.NroLinhas();
    const int colunas = painel.NroColunas();
    TPainelLed rascunho;
    rascunho.DefinirNroLinhas(linhas);
    rascunho.DefinirNroColunas(colunas);
    rascunho.DefinirRolagem(painel.Rolagem());
    try {
        rascunho.CarregarConteudo(TextoConteudo());
    } catch (const TErro &) {
        return false;
    }
    return rascunho.GerarConteudo(linhas, colunas) == painel.GerarConteudo(linhas, colunas);
}

void TCfgRotativo::CarregarPainel(TPainelLed &painel) const
{
    painel.Limpar();
    painel.DefinirDivisaoNaColuna(DivisaoNaColuna);
    painel.DefinirCorLedNaDivisao(CorLedNaDivisao);
    painel.DefinirCorLed(CorLed);
    painel.DefinirCores(painel.CorLedNaDivisao(), painel.CorLed(), painel.CorFundo());
    painel.CarregarDoStream(Conteudo.get());
}

int CodigoDoSentido(TRolagem sentido)
{
    switch (sentido) {
    case TRolagem::tsNenhum: return 0;
    case TRolagem::tsEsquerda: return 1;
    case TRolagem::tsBaixo: return 2;
    case TRolagem::tsCima: return 3;
    case TRolagem::tsDireita: return 4;
    case TRolagem::tsHorario: return 6;
    }
    return 0;
}

TRolagem SentidoDoCodigo(int codigo)
{
    switch (codigo) {
    case 1: return TRolagem::tsEsquerda;
    case 2: return TRolagem::tsBaixo;
    case 3: return TRolagem::tsCima;
    case 4: return TRolagem::tsDireita;
    case 6: return TRolagem::tsHorario;
    default: return TRolagem::tsNenhum;
    }
}
