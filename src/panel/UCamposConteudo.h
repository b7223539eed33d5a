#pragma once

#include <QtGlobal>

// The field rules of the panel content text, shared by its three readers (the
// loader, the crop and the bit conversion) so that they split entries alike.
// Only for the UConteudoPainel units.
namespace CamposConteudo {

// Fields of an entry: 1 row, 2 column, 3 state (LED) or character, 4 font.
constexpr int CampoLinha = 1;
constexpr int CampoColuna = 2;
constexpr int CampoEstadoOuCaractere = 3;
constexpr int CampoFonte = 4;

// The delimiter substitutes of a character entry.
constexpr char AbreParenteses = '\x01';
constexpr char FechaParenteses = '\x02';
constexpr char Barra = '\x03';
constexpr char Aspas = '\x04';

// What a byte other than "(", ")" and "|" is to the entry being read. The
// order of the tests matters: the first match wins.
enum class TPapel { Separador, Relogio, Linha, Coluna, Estado, Caractere, Fonte, Ignorado };

inline TPapel PapelDoByte(char ch, int campo, bool naSecao, bool temCaractere)
{
    if (campo == CampoEstadoOuCaractere && naSecao && ch == '-' && !temCaractere)
        return TPapel::Caractere; // the character "-" itself
    if (ch == '-')
        return TPapel::Separador;
    if (ch == '"')
        return TPapel::Relogio; // also ends the field it is in
    switch (campo) {
    case CampoLinha: return TPapel::Linha;
    case CampoColuna: return TPapel::Coluna;
    case CampoEstadoOuCaractere: return naSecao ? TPapel::Caractere : TPapel::Estado;
    case CampoFonte: return TPapel::Fonte;
    default: return TPapel::Ignorado;
    }
}

inline bool EhDigito(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Decimal accumulation for the lenient readers: wraps like the loader's
// 16-bit values and never overflows.
inline quint16 AcumularDigito(quint16 valor, char digito)
{
    return static_cast<quint16>(valor * 10 + (digito - '0'));
}

}
