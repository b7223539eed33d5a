// From the transfer's records to the records of the file.
#include "output/UCampoSaida.h"
#include "editor/UCfgRotativo.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UFontes.h"
#include "panel/UWindows1252.h"

#include <algorithm>
#include <functional>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {
int bytesPorColuna(int linhas)
{
    return (linhas + 7) / 8;
}

// Slot 1 only: the label's first 12 characters, or 12 zero bytes for a blank
// label. A character of them without a Windows-1252 code refuses the file.
std::optional<TBlocoRotulo> blocoRotulo(const TPainel &painel, const QString &rotulo, const TOrigemCampo &origem)
{
    if (painel.Numero() != 1)
        return std::nullopt;
    TBlocoRotulo bloco{};
    if (rotulo.trimmed().isEmpty())
        return bloco;
    const QString escrito = rotulo.left(int(bloco.size()));
    for (qsizetype i = 0; i < escrito.size(); ++i) {
        const std::optional<unsigned char> byte = TWindows1252::ParaByte(escrito[i]);
        if (!byte)
            origem.Recusar(u"o rótulo \"%1\" tem o caractere \"%2\" (U+%3), que não tem código no arquivo."_s.arg(
                rotulo, escrito[i], u"%1"_s.arg(escrito[i].unicode(), 4, 16, QChar(u'0')).toUpper()));
        bloco[size_t(i)] = *byte;
    }
    return bloco;
}

// Columns of a record: K = colunas, or the sign's width when that is 0.
int colunasDoRegistro(int colunas, const TPainel &painel)
{
    return colunas != 0 ? colunas : painel.Colunas();
}

// A row without a number (NRO_DESTINO empty or 0) is refused, not skipped:
// the operator learns that the project holds it.
template <typename T>
void verificarNumeros(const std::vector<std::unique_ptr<T>> &registros, const std::function<TOrigemCampo(int)> &origem,
                      const TOrigemCampo &painel, const QString &tipo)
{
    for (const auto &r : registros) {
        if (r->Numero == 0)
            painel.Recusar(u"há um %1 sem número (NRO_DESTINO vazio ou 0); os números vão de 1 a 65535."_s.arg(tipo));
        origem(r->Numero).Verificar(r->Numero, 1, 0xFFFF, u"número"_s);
    }
}
}

void TGeracaoArquivo::VerificarPainel(const TPainel &painel) const
{
    const TOrigemCampo origem = TOrigemCampo::Painel(painel.Numero());
    origem.Verificar(painel.Linhas(), 0, 16, u"linhas"_s);
    origem.Verificar(painel.Colunas(), 0, 0xFF, u"colunas"_s);
}

TCabecalhoRegistro TGeracaoArquivo::CabecalhoRegistro(const TPainel &painel, const QString &rotulo, int tempoExposicao,
                                                      quint8 codigoSentido, int colunas, const TOrigemCampo &origem)
{
    TCabecalhoRegistro c;
    c.Rotulo = blocoRotulo(painel, rotulo, origem);
    c.Painel = quint8(painel.Numero());
    c.TamanhoDados = origem.Palavra(qint64(colunas) * bytesPorColuna(painel.Linhas()), u"tamanho dos dados"_s);
    c.TempoExposicao = origem.Byte(tempoExposicao, u"tempo de exposição"_s);
    c.CodigoSentido = codigoSentido;
    return c;
}

TRegistroDestino TGeracaoArquivo::RegistroDestino(const TPainel &painel, TDestinos &destino)
{
    const TOrigemCampo origem = TOrigemCampo::Destino(destino.Numero, painel.Numero());
    const auto codigo = static_cast<quint8>(CodigoDoSentido(destino.Sentido));
    const int qtdMensagens = origem.Palavra(destino.QtdMensagens, u"quantidade de mensagens"_s);
    const int colunas = colunasDoRegistro(
        codigo != 0 ? origem.Palavra(destino.TamanhoMensagem, u"tamanho da mensagem"_s) : painel.Colunas() * qtdMensagens,
        painel);

    TRegistroDestino r;
    // The data length counts the column bytes that follow, scrolling or not.
    r.Cabecalho = CabecalhoRegistro(painel, destino.Rotulo, destino.TempoExposicao, codigo, colunas, origem);
    if (codigo != 0)
        r.Janela = TJanelaRolagem{origem.Byte(destino.PosXInicial - 1, u"coluna inicial da rolagem"_s),
                                  origem.Byte(destino.PosYInicial - 1, u"linha inicial da rolagem"_s),
                                  origem.Byte(destino.PosXFinal - 1, u"coluna final da rolagem"_s),
                                  origem.Byte(destino.PosYFinal - 1, u"linha final da rolagem"_s)};
    destino.Bits = BitsDoConteudo(destino.Conteudo);
    GravarColunas(destino.Bits, painel.Linhas(), colunas, r.Colunas);
    return r;
}

TRegistroExtra TGeracaoArquivo::RegistroExtra(const TPainel &painel, TExtras &extra)
{
    const TOrigemCampo origem = TOrigemCampo::Extra(extra.Numero, painel.Numero());
    const auto codigo = static_cast<quint8>(CodigoDoSentido(extra.Sentido));
    const int qtdMensagens = origem.Palavra(extra.QtdMensagens, u"quantidade de mensagens"_s);
    const int colunas = colunasDoRegistro(painel.Colunas() * qtdMensagens, painel);

    TRegistroExtra r;
    r.Cabecalho = CabecalhoRegistro(painel, extra.Rotulo, extra.TempoExposicao, codigo, colunas, origem);
    // A message that scrolls without a clock has no clock to describe: its block stays zero.
    if (codigo != 0)
        r.Relogio = extra.TemRelogio() ? BlocoRelogio(painel, extra, origem) : TBlocoRelogio{};
    extra.Bits = BitsDoConteudo(extra.Conteudo);
    GravarColunas(extra.Bits, painel.Linhas(), colunas, r.Colunas);
    return r;
}

TBlocoRelogio TGeracaoArquivo::BlocoRelogio(const TPainel &painel, const TExtras &extra, const TOrigemCampo &origem)
{
    const int altura = TFontesLed::AlturaDaFonte(extra.FonteRelogio);
    if (altura > painel.Linhas())
        origem.Recusar(u"a fonte do relógio %1 tem %2 linhas e o painel tem somente %3."_s.arg(
            TFontesLed::NomeDaFonte(extra.FonteRelogio), QString::number(altura), QString::number(painel.Linhas())));
    // Rows count from the bottom row (0) upwards: y0 is the clock's lowest row.
    const int y0 = painel.Linhas() - extra.PosYInicial + 1 - altura;
    TBlocoRelogio b;
    b.X0 = origem.Byte(extra.PosXInicial - 1, u"coluna inicial do relógio"_s);
    b.Y0 = origem.Byte(y0, u"linha inferior do relógio"_s);
    b.X1 = origem.Byte(extra.PosXFinal - 1, u"coluna final do relógio"_s);
    b.Y1 = origem.Byte(y0 + altura, u"linha superior do relógio"_s);
    b.IndiceFonte = origem.Palavra(IndiceDaFonte(TFontesLed::NumeroDaFonte(extra.FonteRelogio)), u"fonte do relógio"_s);
    return b;
}

TTabelaFonteRelogio TGeracaoArquivo::TabelaDoRelogio(TExtras &extra, const TOrigemCampo &origem)
{
    const TTipoFonte fonte = extra.FonteRelogio;
    // The font file reads such a glyph as missing: the clock would show a blank digit.
    for (const char caractere : std::string_view("0123456789:"))
        if (TFontesLed::GlifoLargoDemais(fonte, static_cast<unsigned char>(caractere)))
            origem.Recusar(u"o caractere \"%1\" da fonte do relógio %2 tem mais de %3 colunas no arquivo de fontes."_s.arg(
                QString(QLatin1Char(caractere)), TFontesLed::NomeDaFonte(fonte), QString::number(TFontesLed::MaiorLarguraDeGlifo)));
    const int altura = TFontesLed::AlturaDaFonte(fonte);
    int larguraDigito = 0;
    const QByteArray bits = TFontesLed::GlifosDoRelogio(fonte, larguraDigito);
    extra.BitsRelogio = bits;

    const int colunas = int(bits.size()) / altura; // 10 x w + the colon's columns
    TTabelaFonteRelogio t;
    t.LarguraDigito = origem.Byte(larguraDigito, u"largura dos dígitos do relógio"_s);
    t.Altura = quint8(altura);
    t.TamanhoDados = origem.Palavra(qint64(colunas) * bytesPorColuna(altura), u"tamanho da fonte do relógio"_s);
    GravarColunas(bits, altura, colunas, t.Colunas);
    return t;
}

void TGeracaoArquivo::GerarTabelasDestinos(TPainel &painel)
{
    const int p = painel.Numero();
    verificarNumeros<TDestinos>(painel.Destinos(), [p](int n) { return TOrigemCampo::Destino(n, p); },
                                TOrigemCampo::Painel(p), u"destino"_s);
    const int maior = painel.MaiorNumeroDestino();
    for (int k = 1; k <= maior; ++k)
        Gravar(RegistroDestino(painel, painel.ObterDestino(k)), TabelaDestino(p, k, true)->Bytes);
    maiorDestino = std::max(maiorDestino, maior);
}

void TGeracaoArquivo::GerarTabelasExtras(TPainel &painel)
{
    const int p = painel.Numero();
    verificarNumeros<TExtras>(painel.Extras(), [p](int n) { return TOrigemCampo::Extra(n, p); },
                              TOrigemCampo::Painel(p), u"extra"_s);
    const int maior = painel.MaiorNumeroExtra();
    for (int k = 1; k <= maior; ++k)
        Gravar(RegistroExtra(painel, painel.ObterExtra(k)), TabelaExtra(p, k, true)->Bytes);
    maiorExtra = std::max(maiorExtra, maior);
}

void TGeracaoArquivo::GerarTabelasFontes(TPainel &painel)
{
    const int maior = painel.MaiorNumeroExtra();
    for (int k = 1; k <= maior; ++k) {
        TExtras &extra = painel.ObterExtra(k);
        const int fonte = TFontesLed::NumeroDaFonte(extra.FonteRelogio);
        if (!extra.TemRelogio() || TabelaFonte(fonte, false))
            continue;
        Gravar(TabelaDoRelogio(extra, TOrigemCampo::Extra(k, painel.Numero())), TabelaFonte(fonte, true)->Bytes);
    }
}
