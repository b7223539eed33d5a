// Column definitions of the two tables of TDtm_Destino (their order is the
// order of the project file's columns).
#include "data/UDtmDestino.h"

using namespace Qt::StringLiterals;

namespace {

// Labels of the destination table and of the label table hold up to 100 characters.
constexpr int TamanhoRotulo = 100;

TColunaTabela Inteiro(const QString &nome, const QString &rotulo = {})
{
    return {.Nome = nome, .Tipo = TTipoColuna::Inteiro, .Rotulo = rotulo};
}

TColunaTabela Booleano(const QString &nome)
{
    return {.Nome = nome, .Tipo = TTipoColuna::Booleano};
}

TColunaTabela Rotulo(const QString &nome, const QString &rotulo = {}, int tag = 0)
{
    return {.Nome = nome, .Tipo = TTipoColuna::Texto, .Tamanho = TamanhoRotulo, .Rotulo = rotulo, .Tag = tag};
}

} // namespace

void TDtm_Destino::DefinirColunasDestinos()
{
    TTabelaMemoria &t = Cds_DestinosExtras;
    t.AdicionarColuna({.Nome = u"TIPOONIBUS"_s, .Tipo = TTipoColuna::Inteiro, .Rotulo = u"Tipo de Onibus"_s,
                       .Padrao = 1});
    t.AdicionarColuna(Inteiro(u"PAINEL"_s));
    t.AdicionarColuna(Booleano(u"EXTRA"_s));
    t.AdicionarColuna({.Nome = u"ROTULO"_s, .Tipo = TTipoColuna::Texto, .Tamanho = TamanhoRotulo,
                       .Rotulo = u"Rótulo"_s, .Calculada = true});
    t.AdicionarColuna(Inteiro(u"NRO_DESTINO"_s, u"Número"_s));
    for (const QString &nome : {u"NRO_LINHAS"_s, u"NRO_COLUNAS"_s, u"COR_DIVISAO"_s, u"COR_PADRAO"_s,
                                u"COR_FUNDO"_s, u"DIV_COLUNA"_s})
        t.AdicionarColuna(Inteiro(nome));
    t.AdicionarColuna(Booleano(u"DIV_LINHA"_s));
    for (int n = 8; n >= 1; --n) {
        const QString numero = QString::number(n);
        t.AdicionarColuna({.Nome = u"CONFIG_PAINEL"_s + numero, .Tipo = TTipoColuna::Blob,
                           .Rotulo = u"Config do Painel "_s + numero});
        t.AdicionarColuna(Inteiro(u"SENTIDO_ROTATIVO"_s + numero, u"Sentido do Rotativo "_s + numero));
        t.AdicionarColuna(Inteiro(u"TPO_ROTATIVO"_s + numero, u"Tempo do Rotativo "_s + numero));
        t.AdicionarColuna(Inteiro(u"NRO_ROTATIVO"_s + numero, u"Nº do Rotativo "_s + numero));
        t.AdicionarColuna(Rotulo(u"ROTULO"_s + numero));
    }
    t.AdicionarColuna(Booleano(u"NOVO"_s));
    t.AdicionarColuna(Inteiro(u"ROTATIVO"_s));
    t.AdicionarColuna(Booleano(u"ROLAGEM"_s));
    for (const QString &nome : {u"FONTE_HORARIO"_s, u"POSXINICIAL"_s, u"POSXFINAL"_s, u"POSYINICIAL"_s,
                                u"POSYFINAL"_s, u"TAMANHO_MENSAGEM"_s})
        t.AdicionarColuna(Inteiro(nome));
}

void TDtm_Destino::DefinirColunasRotulos()
{
    TTabelaMemoria &t = Cds_Rotulos;
    t.AdicionarColuna(Inteiro(u"NRO_DESTINO"_s, u"Nº Destino"_s));
    t.AdicionarColuna(Rotulo(u"ROTULO1"_s, u"Frontal"_s, 1));
    t.AdicionarColuna(Rotulo(u"ROTULO2"_s, u"Lateral"_s, 2));
    t.AdicionarColuna(Rotulo(u"ROTULO3"_s, u"Traseiro"_s, 3));
    t.AdicionarColuna(Rotulo(u"ROTULO4"_s, u"Frontal Aux."_s, 4));
    t.AdicionarColuna(Booleano(u"EXTRA"_s));
}
