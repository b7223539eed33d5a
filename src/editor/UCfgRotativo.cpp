#include "editor/UCfgRotativo.h"

#include "panel/UConteudoPainel.h"
#include "panel/UErro.h"
#include "panel/UPainelLed.h"

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
    Conteudo = painel.SalvarNoStream(painel.NroLinhas(), painel.NroColunas());
    Rolagem = painel.Rolagem();
    Rotulo = painel.Rotulo();
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
