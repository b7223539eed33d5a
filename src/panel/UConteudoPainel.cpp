#include <charconv>

#include "panel/UCamposConteudo.h"
#include "panel/UConteudoPainel.h"
#include "panel/UFontes.h"

// Streams, the writer and the bit conversion of the panel content text. The
// loader is in UAnaliseConteudo.cpp, the crop in URecorteConteudo.cpp.
using namespace CamposConteudo;

namespace {

void anexarNumero(QByteArray &texto, int numero)
{
    char digitos[12];
    const auto fim = std::to_chars(digitos, digitos + sizeof digitos, numero).ptr;
    texto.append(digitos, fim - digitos);
}

char codificarCaractere(unsigned char caractere)
{
    switch (caractere) {
    case '(': return AbreParenteses;
    case ')': return FechaParenteses;
    case '|': return Barra;
    case '"': return Aspas;
    default: return static_cast<char>(caractere);
    }
}

}

QByteArray TConteudoPainel::LerStream(QIODevice *stream)
{
    if (!stream || !stream->isReadable())
        return {};
    stream->seek(0);
    QByteArray texto;
    char bloco[4096];
    for (;;) {
        const qint64 lidos = stream->read(bloco, sizeof bloco);
        if (lidos <= 0)
            break;
        texto.append(bloco, lidos);
    }
    return texto;
}

std::unique_ptr<QBuffer> TConteudoPainel::NovoStream(const QByteArray &texto)
{
    if (texto.isEmpty())
        return nullptr;
    auto stream = std::make_unique<QBuffer>();
    stream->setData(texto);
    stream->open(QIODevice::ReadWrite);
    stream->seek(stream->size());
    return stream;
}

void TConteudoPainel::EscreverEntradaLed(QByteArray &texto, int linha, int coluna, bool acesa)
{
    if (!texto.isEmpty())
        texto += '|';
    anexarNumero(texto, linha);
    texto += '-';
    anexarNumero(texto, coluna);
    texto += acesa ? "-T" : "-F";
}

void TConteudoPainel::EscreverEntradaCaractere(QByteArray &texto, bool primeiro, int linha, int coluna,
                                               unsigned char caractere, TTipoFonte fonte, bool relogio)
{
    // "(" also opens the section of a panel with no LED entries, so that the
    // readers never take the characters for LED entries.
    if (primeiro)
        texto += '(';
    else if (!texto.isEmpty())
        texto += '|';
    anexarNumero(texto, linha);
    texto += '-';
    anexarNumero(texto, coluna);
    texto += '-';
    texto += codificarCaractere(caractere);
    texto += '-';
    if (const int numero = TFontesLed::NumeroDaFonte(fonte))
        anexarNumero(texto, numero);
    if (relogio)
        texto += '"';
}

void TConteudoPainel::FecharCaracteres(QByteArray &texto)
{
    texto += ')';
}

QByteArray TConteudoPainel::ConteudoParaBits(const QByteArray &texto)
{
    QByteArray bits;
    bits.reserve(texto.size() / 6 + 1);
    bool naSecao = false;
    bool abriuSecao = false;
    int campo = CampoLinha;
    bool acesa = false;
    bool iniciada = false; // a byte of the entry that is not skipped has been read
    auto terminar = [&] {
        bits += acesa ? '1' : '0';
        campo = CampoLinha;
        acesa = false;
        iniciada = false;
    };

    for (const char ch : texto) {
        switch (ch) {
        case '|':
            if (!naSecao)
                terminar();
            break;
        case '(':
            if (!naSecao && iniciada)
                terminar();
            naSecao = true;
            abriuSecao = true;
            break;
        case ')': naSecao = !naSecao; break;
        default:
            if (naSecao)
                break;
            switch (PapelDoByte(ch, campo, false, false)) {
            case TPapel::Separador:
            case TPapel::Relogio:
                if (campo <= CampoFonte)
                    ++campo;
                iniciada = true;
                break;
            case TPapel::Linha:
            case TPapel::Coluna:
                if (EhDigito(ch))
                    iniciada = true;
                break;
            case TPapel::Estado:
                acesa = ch == 'T';
                iniciada = true;
                break;
            default: iniciada = true;
            }
        }
    }
    if (!abriuSecao && iniciada)
        terminar();
    return bits;
}
