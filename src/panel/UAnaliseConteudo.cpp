#include <QStringDecoder>
#include <limits>

#include "panel/UCamposConteudo.h"
#include "panel/UConteudoPainel.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

// The loader's reading of a content text: a byte-by-byte state machine that
// hands over each entry as soon as its terminator is read.
using namespace CamposConteudo;

namespace {

[[noreturn]] void erroDeConversao(const QByteArray &campo)
{
    QStringDecoder cp1252("windows-1252");
    const QString texto = cp1252.isValid() ? QString(cp1252(campo)) : QString::fromLatin1(campo);
    throw TErro(QStringLiteral("'%1' is not a valid integer value").arg(texto));
}

// A row or column field: digits only, and the value must fit 32 bits.
struct TCampoNumerico {
    qint64 Valor = 0;
    int Digitos = 0;

    void Ler(char ch)
    {
        if (!EhDigito(ch))
            erroDeConversao(Texto() + ch);
        Valor = Valor * 10 + (ch - '0');
        ++Digitos;
        if (Valor > std::numeric_limits<qint32>::max())
            erroDeConversao(Texto());
    }

    // The characters read so far, rebuilt from the value: they are all digits.
    QByteArray Texto() const
    {
        if (Digitos == 0)
            return {};
        const QByteArray numero = QByteArray::number(Valor);
        return QByteArray(Digitos - numero.size(), '0') + numero;
    }

    qint16 Valor16() const { return static_cast<qint16>(static_cast<quint16>(Valor)); }
};

struct TEntrada {
    int Campo = CampoLinha;
    TCampoNumerico Linha;
    TCampoNumerico Coluna;
    bool Acesa = false;
    int Caractere = -1; // -1 while the character field is empty
    char Fonte[2] = {};
    int TamanhoFonte = 0; // saturates at 3: only "1" to "12" name a font
    bool Relogio = false;
    bool Iniciada = false; // a byte of it has been read

    void AvancarCampo()
    {
        if (Campo <= CampoFonte)
            ++Campo;
    }

    void AnexarFonte(char ch)
    {
        if (TamanhoFonte < 2)
            Fonte[TamanhoFonte] = ch;
        if (TamanhoFonte < 3)
            ++TamanhoFonte;
    }

    TTipoFonte TipoFonte() const
    {
        if (TamanhoFonte < 1 || TamanhoFonte > 2)
            return TTipoFonte::tfNenhum;
        return TFontesLed::FonteDoTexto(QString::fromLatin1(Fonte, TamanhoFonte));
    }

    void Ler(char ch, bool naSecao)
    {
        Iniciada = true;
        switch (PapelDoByte(ch, Campo, naSecao, Caractere >= 0)) {
        case TPapel::Separador: AvancarCampo(); break;
        case TPapel::Relogio:
            Relogio = true;
            AvancarCampo();
            break;
        case TPapel::Linha: Linha.Ler(ch); break;
        case TPapel::Coluna: Coluna.Ler(ch); break;
        case TPapel::Estado: Acesa = ch == 'T'; break;
        case TPapel::Caractere: Caractere = static_cast<unsigned char>(ch); break;
        case TPapel::Fonte: AnexarFonte(ch); break;
        case TPapel::Ignorado: break;
        }
    }
};

unsigned char decodificarCaractere(int caractere)
{
    switch (caractere) {
    case AbreParenteses: return '(';
    case FechaParenteses: return ')';
    case Barra: return '|';
    case Aspas: return '"';
    default: return static_cast<unsigned char>(caractere);
    }
}

}

void TConteudoPainel::AnalisarConteudo(const QByteArray &texto,
                                       const std::function<void(const TEntradaLed &)> &aoLed,
                                       const std::function<void(const TEntradaCaractere &)> &aoCaractere)
{
    bool naSecao = false;
    TEntrada entrada;
    auto terminarLed = [&] {
        if (aoLed)
            aoLed({entrada.Linha.Valor16(), entrada.Coluna.Valor16(), entrada.Acesa});
        entrada = {};
    };
    auto terminarCaractere = [&] {
        if (entrada.Caractere >= 0 && aoCaractere)
            aoCaractere({entrada.Linha.Valor16(), entrada.Coluna.Valor16(), decodificarCaractere(entrada.Caractere),
                         entrada.TipoFonte(), entrada.Relogio});
        entrada = {};
    };

    for (const char ch : texto) {
        switch (ch) {
        case ')':
            if (naSecao)
                terminarCaractere();
            break;
        case '(':
            if (!naSecao && entrada.Iniciada)
                terminarLed();
            naSecao = true;
            entrada = {};
            break;
        case '|':
            if (naSecao)
                terminarCaractere();
            else
                terminarLed();
            break;
        default: entrada.Ler(ch, naSecao);
        }
    }
    if (!naSecao && entrada.Iniciada)
        terminarLed();
}
