#include "output/URegistrosSaida.h"

#include "output/UFuncaoHexa.h"

namespace {
void byte(quint8 valor, QByteArray &saida) { TFuncaoHexa::Gravar(valor, 1, saida, true); }
void palavra(quint16 valor, QByteArray &saida) { TFuncaoHexa::Gravar(valor, 2, saida, true); }
void duplaPalavra(quint32 valor, QByteArray &saida) { TFuncaoHexa::Gravar(valor, 4, saida, true); }

void gravarCabecalho(const TCabecalhoRegistro &c, QByteArray &saida)
{
    if (c.Rotulo)
        for (quint8 b : *c.Rotulo)
            byte(b, saida);
    byte(c.Painel, saida);
    byte(0, saida);
    palavra(c.TamanhoDados, saida);
    byte(c.TempoExposicao, saida);
    byte(c.CodigoSentido, saida);
}
}

void Gravar(const TRegistroDestino &registro, QByteArray &saida)
{
    gravarCabecalho(registro.Cabecalho, saida);
    if (const auto &j = registro.Janela) {
        byte(j->XInicial, saida);
        byte(j->YInicial, saida);
        byte(j->XFinal, saida);
        byte(j->YFinal, saida);
        byte(0, saida);
    }
    saida += registro.Colunas;
}

void Gravar(const TRegistroExtra &registro, QByteArray &saida)
{
    gravarCabecalho(registro.Cabecalho, saida);
    if (const auto &r = registro.Relogio) {
        palavra(r->IndiceFonte, saida);
        byte(r->X0, saida);
        byte(r->Y0, saida);
        byte(r->X1, saida);
        byte(r->Y1, saida);
        byte(0, saida);
    }
    saida += registro.Colunas;
}

void Gravar(const TTabelaFonteRelogio &tabela, QByteArray &saida)
{
    byte(tabela.LarguraDigito, saida);
    byte(tabela.Altura, saida);
    palavra(tabela.TamanhoDados, saida);
    saida += tabela.Colunas;
}

void Gravar(const TCabecalhoArquivo &c, QByteArray &saida)
{
    byte(c.TipoArquivo, saida);
    duplaPalavra(c.TamanhoArquivo, saida);
    palavra(c.QtdDestinos, saida);
    palavra(c.QtdExtras, saida);
    palavra(c.QtdFontes, saida);
    for (const TTamanhoPainel &t : c.Tamanhos) {
        byte(t.Colunas, saida);
        byte(t.Linhas, saida);
    }
    duplaPalavra(c.OffsetDestinos, saida);
    duplaPalavra(c.OffsetExtras, saida);
    duplaPalavra(c.OffsetFontes, saida);
    saida.append(20, '\0');
}
