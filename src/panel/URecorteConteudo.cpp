#include "panel/UCamposConteudo.h"
#include "panel/UConteudoPainel.h"

// The crop of a content text, used to keep the fixed part of a divided panel.
// The copy is written straight into the result; a character entry found to
// lie outside is taken back out by truncating to where it began.
using namespace CamposConteudo;

namespace {

class TRecorte {
public:
    TRecorte(int limiteLinhas, int limiteColunas, qsizetype tamanho)
        : limiteLinhas(limiteLinhas), limiteColunas(limiteColunas)
    {
        saida.reserve(tamanho);
    }

    void Ler(char ch)
    {
        switch (ch) {
        case '|':
            if (naSecao)
                terminarCaractere(ch);
            else
                terminarLed(ch);
            break;
        case '(':
            if (naSecao)
                saida.truncate(inicioEntrada); // the loader drops the pending character entry too
            else
                terminarLed(ch);
            saida += ch;
            naSecao = true;
            reiniciar();
            break;
        case ')':
            if (naSecao)
                terminarCaractere(ch);
            else
                saida += ch; // ignored by the loader; kept where it stands for the bit conversion
            break;
        default: lerDaEntrada(ch);
        }
    }

    QByteArray Terminar()
    {
        if (naSecao) {
            if (!dentro())
                saida.truncate(inicioEntrada);
        } else {
            apagarForaDosLimites();
        }
        return std::move(saida);
    }

private:
    void lerDaEntrada(char ch)
    {
        switch (PapelDoByte(ch, campo, naSecao, posicaoLetra >= 0)) {
        case TPapel::Separador:
        case TPapel::Relogio:
            saida += ch;
            if (campo <= CampoFonte)
                ++campo;
            break;
        case TPapel::Linha:
            if (EhDigito(ch)) {
                saida += ch;
                linha = AcumularDigito(linha, ch);
            }
            break;
        case TPapel::Coluna:
            if (EhDigito(ch)) {
                saida += ch;
                coluna = AcumularDigito(coluna, ch);
            }
            break;
        case TPapel::Estado:
        case TPapel::Caractere:
            // One letter or character per entry; a later one replaces it, as in the loader.
            if (posicaoLetra < 0) {
                posicaoLetra = saida.size();
                saida += ch;
            } else {
                saida[posicaoLetra] = ch;
            }
            break;
        case TPapel::Fonte:
            if (EhDigito(ch))
                saida += ch;
            break;
        case TPapel::Ignorado: break;
        }
    }

    bool dentro() const
    {
        return static_cast<qint16>(linha) <= limiteLinhas && static_cast<qint16>(coluna) < limiteColunas;
    }

    void apagarForaDosLimites()
    {
        if (posicaoLetra >= 0 && !dentro())
            saida[posicaoLetra] = 'F';
    }

    void terminarLed(char terminador)
    {
        apagarForaDosLimites();
        if (terminador == '|')
            saida += terminador;
        reiniciar();
    }

    void terminarCaractere(char terminador)
    {
        if (dentro())
            saida += terminador;
        else
            saida.truncate(inicioEntrada);
        reiniciar();
    }

    void reiniciar()
    {
        campo = CampoLinha;
        linha = 0;
        coluna = 0;
        posicaoLetra = -1;
        inicioEntrada = saida.size();
    }

    const int limiteLinhas;
    const int limiteColunas;
    QByteArray saida;
    bool naSecao = false;
    int campo = CampoLinha;
    quint16 linha = 0;
    quint16 coluna = 0;
    qsizetype posicaoLetra = -1;  // the state letter or the character in saida; -1 before it is read
    qsizetype inicioEntrada = 0;  // where the entry being read begins in saida
};

}

QByteArray TConteudoPainel::RecortarConteudo(int limiteLinhas, int limiteColunas, const QByteArray &texto)
{
    TRecorte recorte(limiteLinhas, limiteColunas, texto.size());
    for (const char ch : texto)
        recorte.Ler(ch);
    return recorte.Terminar();
}
