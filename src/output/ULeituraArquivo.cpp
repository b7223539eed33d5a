#include "output/ULeituraArquivo.h"

#include <QDir>
#include <QFile>

#include <optional>

#include "output/UCampoSaida.h"
#include "panel/UArquivoDisco.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int TamanhoRotulo = 12;
constexpr int TamanhoInicioRegistro = 6; // slot, reserved, data length 2, exposure time, direction code
constexpr int TamanhoJanela = 5;
constexpr int TamanhoRelogio = 7;
constexpr int TamanhoInicioFonte = 4;
constexpr int TamanhoEntrada = 4;
// Header fields, by offset.
constexpr int PosTamanho = 1;
constexpr int PosQtdDestinos = 5;
constexpr int PosQtdExtras = 7;
constexpr int PosQtdFontes = 9;
constexpr int PosTamanhos = 11;
constexpr int PosOffsetDestinos = 43;
constexpr int PosOffsetExtras = 47;
constexpr int PosOffsetFontes = 51;
constexpr int PosReservado = 55;

enum class TTipo { Destino, Extra };

int bytesPorColuna(int linhas)
{
    return (linhas + 7) / 8;
}

// "destino 3 do painel 3 (Traseiro)"
QString nomeDoRegistro(TTipo tipo, int numero, int painel)
{
    QString nome = (tipo == TTipo::Destino ? TOrigemCampo::Destino(numero, painel)
                                           : TOrigemCampo::Extra(numero, painel)).Descricao();
    nome[0] = nome[0].toLower();
    return nome;
}

QString nomeDoTipo(TTipo tipo)
{
    return tipo == TTipo::Destino ? u"destino"_s : u"extra"_s;
}

// Bounds-checked little-endian reads of the file's bytes.
class TBytes {
public:
    explicit TBytes(QByteArrayView bytes) : bytes(bytes) {}
    qint64 Tamanho() const { return bytes.size(); }

    // Throws unless the n bytes from posicao are inside the file; oque names
    // what they hold ("o registro do destino 3 do painel 3 (Traseiro)").
    void Exigir(qint64 posicao, qint64 n, const QString &oque) const
    {
        if (posicao >= 0 && n >= 0 && posicao <= Tamanho() && n <= Tamanho() - posicao)
            return;
        throw TErroLeitura(posicao, u"%1 passa do fim do arquivo: precisa de %2 bytes a partir daqui e o arquivo "
                                    "tem %3"_s.arg(oque).arg(n).arg(Tamanho()));
    }
    quint32 Numero(qint64 posicao, int n) const
    {
        Exigir(posicao, n, u"um número"_s);
        quint32 valor = 0;
        for (int i = n - 1; i >= 0; --i)
            valor = (valor << 8) | quint8(bytes[posicao + i]);
        return valor;
    }
    quint8 U8(qint64 posicao) const { return quint8(Numero(posicao, 1)); }
    quint16 U16(qint64 posicao) const { return quint16(Numero(posicao, 2)); }
    quint32 U32(qint64 posicao) const { return Numero(posicao, 4); }
    QByteArray Trecho(qint64 posicao, qint64 n, const QString &oque) const
    {
        Exigir(posicao, n, oque);
        return bytes.sliced(posicao, n).toByteArray();
    }
    void ExigirZero(qint64 posicao, const QString &oque) const
    {
        if (const quint8 valor = U8(posicao); valor != 0)
            throw TErroLeitura(posicao, u"%1 vale %2 e deveria ser 0"_s.arg(oque).arg(valor));
    }

private:
    QByteArrayView bytes;
};

class TLeitura {
public:
    explicit TLeitura(QByteArrayView bytes) : b(bytes) {}
    TArquivoSaidaLido Ler();

private:
    // A record as read, before it joins its sign.
    struct TRegistroDoSpan {
        int Painel = 0;
        TRegistroDestino Destino;
        TRegistroExtra Extra;
    };

    void LerCabecalho();
    void LerTamanhos();
    void LerEntradas();
    void LerRegistros();
    void LerFontes();
    void VerificarPrimeiroPainel() const;
    QString NomeDaEntrada(int indice) const;
    qint64 FimDoTrecho(int indice) const;
    QList<TRegistroDoSpan> LerTrecho(TTipo tipo, int numero, int indice) const;
    void Acrescentar(TTipo tipo, const QList<TRegistroDoSpan> &registros);
    TPainelLido *Painel(int numero);
    const TPainelLido *Painel(int numero) const;
    int Quantidade(TTipo tipo, int painel) const;

    TBytes b;
    TArquivoSaidaLido lido;
    QList<quint32> entradas; // all three tables, in file order
    int qtdEntradas = 0;      // destinations and extras
    int qtdDestinos = -1;     // entries of the destination table; -1 until known
};

TArquivoSaidaLido TLeitura::Ler()
{
    LerCabecalho();
    LerEntradas();
    LerRegistros();
    LerFontes();
    VerificarPrimeiroPainel();
    return std::move(lido);
}

void TLeitura::LerCabecalho()
{
    b.Exigir(0, TamanhoCabecalhoArquivo, u"o cabeçalho"_s);
    TCabecalhoArquivo &c = lido.Cabecalho;
    c.TipoArquivo = b.U8(0);
    c.TamanhoArquivo = b.U32(PosTamanho);
    if (c.TamanhoArquivo != b.Tamanho())
        throw TErroLeitura(PosTamanho, u"o cabeçalho diz que o arquivo tem %1 bytes e ele tem %2"_s
                                           .arg(c.TamanhoArquivo)
                                           .arg(b.Tamanho()));
    c.QtdDestinos = b.U16(PosQtdDestinos);
    c.QtdExtras = b.U16(PosQtdExtras);
    c.QtdFontes = b.U16(PosQtdFontes);
    LerTamanhos();
    c.OffsetDestinos = b.U32(PosOffsetDestinos);
    c.OffsetExtras = b.U32(PosOffsetExtras);
    c.OffsetFontes = b.U32(PosOffsetFontes);
    if (c.OffsetDestinos != TamanhoCabecalhoArquivo)
        throw TErroLeitura(PosOffsetDestinos, u"a tabela de destinos começa na posição %1 e deveria começar logo "
                                              "depois do cabeçalho, na posição %2"_s.arg(c.OffsetDestinos)
                                                  .arg(TamanhoCabecalhoArquivo));
    for (int p = PosReservado; p < TamanhoCabecalhoArquivo; ++p)
        b.ExigirZero(p, u"o byte reservado do cabeçalho"_s);
}

void TLeitura::LerTamanhos()
{
    for (int s = 1; s <= QtdSlotsArquivo; ++s) {
        const int pos = PosTamanhos + 2 * (s - 1);
        TTamanhoPainel &t = lido.Cabecalho.Tamanhos[s - 1];
        t.Colunas = b.U8(pos);
        t.Linhas = b.U8(pos + 1);
        if (t.Linhas > 16)
            throw TErroLeitura(pos + 1, u"o painel %1 tem %2 linhas e uma coluna do arquivo tem no máximo 16"_s
                                            .arg(s)
                                            .arg(t.Linhas));
        if (t.Colunas != 0 || t.Linhas != 0)
            lido.Paineis.append(TPainelLido{s, t, {}, {}});
    }
    if (lido.Paineis.isEmpty())
        throw TErroLeitura(PosTamanhos, u"o cabeçalho não tem nenhum painel: os 16 tamanhos são 0"_s);
}

QString TLeitura::NomeDaEntrada(int indice) const
{
    if (indice >= qtdEntradas)
        return u"a entrada da fonte %1"_s.arg(indice - qtdEntradas + 1);
    if (qtdDestinos >= 0 && indice >= qtdDestinos)
        return u"a entrada do extra %1"_s.arg(indice - qtdDestinos + 1);
    if (qtdDestinos >= 0 || indice < lido.Cabecalho.QtdDestinos)
        return u"a entrada do destino %1"_s.arg(indice + 1);
    return u"a entrada %1 das tabelas de destinos e extras"_s.arg(indice + 1);
}

// The entries of the three tables follow the header without a gap; the first
// points right past them, at the first record.
void TLeitura::LerEntradas()
{
    const TCabecalhoArquivo &c = lido.Cabecalho;
    int total = 0;
    if (b.Tamanho() > TamanhoCabecalhoArquivo) {
        const quint32 primeiro = b.U32(TamanhoCabecalhoArquivo);
        if (primeiro < TamanhoCabecalhoArquivo + TamanhoEntrada || (primeiro - TamanhoCabecalhoArquivo) % 4 != 0
            || primeiro >= b.Tamanho())
            throw TErroLeitura(TamanhoCabecalhoArquivo,
                               u"a primeira entrada aponta para a posição %1, e deveria apontar para o primeiro "
                               "registro, logo depois das tabelas de entradas de 4 bytes: entre %2 e %3, a %2 mais "
                               "um múltiplo de 4"_s.arg(primeiro)
                                   .arg(TamanhoCabecalhoArquivo + TamanhoEntrada)
                                   .arg(b.Tamanho() - 1));
        total = int((primeiro - TamanhoCabecalhoArquivo) / TamanhoEntrada);
    }
    if (c.QtdFontes > total)
        throw TErroLeitura(PosQtdFontes, u"o cabeçalho diz %1 fontes e as tabelas têm %2 entradas"_s
                                             .arg(c.QtdFontes)
                                             .arg(total));
    qtdEntradas = total - c.QtdFontes;
    const qint64 inicioFontes = TamanhoCabecalhoArquivo + qint64(TamanhoEntrada) * qtdEntradas;
    if (c.OffsetFontes != (c.QtdFontes > 0 ? inicioFontes : 0))
        throw TErroLeitura(PosOffsetFontes, c.QtdFontes > 0
                               ? u"a tabela de fontes começa na posição %1 e deveria começar na %2, depois das %3 "
                                 "entradas de destinos e extras"_s.arg(c.OffsetFontes).arg(inicioFontes).arg(qtdEntradas)
                               : u"o cabeçalho não tem fontes e dá a posição %1 à tabela de fontes"_s.arg(c.OffsetFontes));
    if (c.QtdDestinos > qtdEntradas)
        throw TErroLeitura(PosQtdDestinos, u"o cabeçalho diz %1 destinos e as tabelas de destinos e extras têm %2 "
                                           "entradas"_s.arg(c.QtdDestinos).arg(qtdEntradas));
    if (c.OffsetExtras != 0) {
        const qint64 deslocamento = qint64(c.OffsetExtras) - TamanhoCabecalhoArquivo;
        const qint64 destinos = deslocamento / TamanhoEntrada;
        if (c.QtdExtras == 0)
            throw TErroLeitura(PosOffsetExtras, u"o cabeçalho não tem extras e dá a posição %1 à tabela de extras"_s
                                                    .arg(c.OffsetExtras));
        if (deslocamento % TamanhoEntrada != 0 || destinos < c.QtdDestinos || destinos + c.QtdExtras > qtdEntradas)
            throw TErroLeitura(PosOffsetExtras, u"a tabela de extras começa na posição %1, que não é uma entrada "
                                                "entre os %2 destinos do cabeçalho e os %3 extras do fim das tabelas"_s
                                                    .arg(c.OffsetExtras)
                                                    .arg(c.QtdDestinos)
                                                    .arg(c.QtdExtras));
        qtdDestinos = int(destinos);
    } else if (c.QtdExtras > 0) {
        throw TErroLeitura(PosOffsetExtras, u"o cabeçalho diz %1 extras e não dá a posição da tabela de extras"_s
                                                .arg(c.QtdExtras));
    }

    for (int i = 0; i < total; ++i) {
        const qint64 pos = TamanhoCabecalhoArquivo + qint64(TamanhoEntrada) * i;
        const quint32 valor = b.U32(pos);
        if (valor >= b.Tamanho())
            throw TErroLeitura(pos, u"%1 aponta para a posição %2, além do fim do arquivo (%3 bytes)"_s
                                        .arg(NomeDaEntrada(i))
                                        .arg(valor)
                                        .arg(b.Tamanho()));
        if (i > 0 && valor <= entradas.last())
            throw TErroLeitura(pos, u"%1 aponta para a posição %2, que não vem depois da entrada anterior (%3): "
                                    "cada número tem ao menos um registro"_s.arg(NomeDaEntrada(i))
                                        .arg(valor)
                                        .arg(entradas.last()));
        entradas.append(valor);
    }
}

qint64 TLeitura::FimDoTrecho(int indice) const
{
    return indice + 1 < entradas.size() ? qint64(entradas[indice + 1]) : b.Tamanho();
}

TPainelLido *TLeitura::Painel(int numero)
{
    for (TPainelLido &p : lido.Paineis)
        if (p.Numero == numero)
            return &p;
    return nullptr;
}

const TPainelLido *TLeitura::Painel(int numero) const
{
    return const_cast<TLeitura *>(this)->Painel(numero);
}

int TLeitura::Quantidade(TTipo tipo, int painel) const
{
    const TPainelLido *p = Painel(painel);
    return !p ? 0 : int(tipo == TTipo::Destino ? p->Destinos.size() : p->Extras.size());
}

// The records of one number: a record per sign that has the number, in slot
// order, filling the bytes up to the next entry exactly.
QList<TLeitura::TRegistroDoSpan> TLeitura::LerTrecho(TTipo tipo, int numero, int indice) const
{
    const TCabecalhoArquivo &c = lido.Cabecalho;
    const int qtdNoCabecalho = tipo == TTipo::Destino ? c.QtdDestinos : c.QtdExtras;
    const bool comRotulo = Painel(1) && numero <= qtdNoCabecalho;
    const qint64 fim = FimDoTrecho(indice);
    QList<TRegistroDoSpan> registros;
    qint64 pos = entradas[indice];
    while (pos < fim) {
        const qint64 inicio = pos;
        TCabecalhoRegistro cab;
        if (registros.isEmpty() && comRotulo) {
            const QString oque = u"o rótulo do %1"_s.arg(nomeDoRegistro(tipo, numero, 1));
            const QByteArray rotulo = b.Trecho(pos, TamanhoRotulo, oque);
            cab.Rotulo.emplace();
            std::copy(rotulo.begin(), rotulo.end(), cab.Rotulo->begin());
            pos += TamanhoRotulo;
        }
        b.Exigir(pos, TamanhoInicioRegistro, u"um registro do %1 %2"_s.arg(nomeDoTipo(tipo)).arg(numero));
        cab.Painel = b.U8(pos);
        const int painel = cab.Painel;
        if (cab.Rotulo && painel != 1)
            throw TErroLeitura(pos, u"depois do rótulo do %1 vem o painel %2, e deveria vir o painel 1"_s.arg(
                                        nomeDoRegistro(tipo, numero, 1)).arg(painel));
        if (painel < 1 || painel > QtdSlotsArquivo)
            throw TErroLeitura(pos, u"o número do painel do %1 %2 vale %3 e deveria ser de 1 a 16"_s.arg(
                                        nomeDoTipo(tipo)).arg(numero).arg(painel));
        if (!registros.isEmpty() && painel <= registros.last().Painel)
            throw TErroLeitura(pos, u"o registro do painel %1 vem depois do painel %2: os registros de um número "
                                    "vêm em ordem de painel"_s.arg(painel).arg(registros.last().Painel));
        const TPainelLido *sinal = Painel(painel);
        if (!sinal)
            throw TErroLeitura(pos, u"há um registro do %1, e o cabeçalho não dá tamanho ao painel %2"_s.arg(
                                        nomeDoRegistro(tipo, numero, painel)).arg(painel));
        if (painel == 1 && !cab.Rotulo)
            throw TErroLeitura(pos, u"há um registro do %1, e o cabeçalho diz que o painel 1 tem %2"_s.arg(
                                        nomeDoRegistro(tipo, numero, 1),
                                        tipo == TTipo::Destino ? u"%1 destinos"_s.arg(qtdNoCabecalho)
                                                               : u"%1 extras"_s.arg(qtdNoCabecalho)));
        const QString nome = nomeDoRegistro(tipo, numero, painel);
        if (Quantidade(tipo, painel) != numero - 1)
            throw TErroLeitura(pos, u"o %1 vem sem o %2 %3 do mesmo painel"_s.arg(nome, nomeDoTipo(tipo))
                                        .arg(numero - 1));
        b.ExigirZero(pos + 1, u"o byte reservado do %1"_s.arg(nome));
        cab.TamanhoDados = b.U16(pos + 2);
        cab.TempoExposicao = b.U8(pos + 4);
        cab.CodigoSentido = b.U8(pos + 5);
        const int bytesColuna = bytesPorColuna(sinal->Tamanho.Linhas);
        if (bytesColuna == 0 ? cab.TamanhoDados != 0 : cab.TamanhoDados % bytesColuna != 0)
            throw TErroLeitura(pos + 2, u"o tamanho dos dados do %1 vale %2, e o painel de %3 linhas tem %4 "
                                        "byte(s) por coluna"_s.arg(nome)
                                            .arg(cab.TamanhoDados)
                                            .arg(sinal->Tamanho.Linhas)
                                            .arg(bytesColuna));
        pos += TamanhoInicioRegistro;

        TRegistroDoSpan r;
        r.Painel = painel;
        if (cab.CodigoSentido != 0 && tipo == TTipo::Destino) {
            b.Exigir(pos, TamanhoJanela, u"a janela de rolagem do %1"_s.arg(nome));
            r.Destino.Janela = TJanelaRolagem{b.U8(pos), b.U8(pos + 1), b.U8(pos + 2), b.U8(pos + 3)};
            b.ExigirZero(pos + 4, u"o último byte da janela de rolagem do %1"_s.arg(nome));
            pos += TamanhoJanela;
        } else if (cab.CodigoSentido != 0) {
            b.Exigir(pos, TamanhoRelogio, u"o bloco do relógio do %1"_s.arg(nome));
            r.Extra.Relogio = TBlocoRelogio{b.U16(pos), b.U8(pos + 2), b.U8(pos + 3), b.U8(pos + 4), b.U8(pos + 5)};
            if (r.Extra.Relogio->IndiceFonte > c.QtdFontes)
                throw TErroLeitura(pos, u"o relógio do %1 usa a fonte %2 e o arquivo tem %3"_s.arg(nome)
                                            .arg(r.Extra.Relogio->IndiceFonte)
                                            .arg(c.QtdFontes));
            b.ExigirZero(pos + 6, u"o último byte do bloco do relógio do %1"_s.arg(nome));
            pos += TamanhoRelogio;
        }
        const QByteArray colunas = b.Trecho(pos, cab.TamanhoDados, u"o registro do %1"_s.arg(nome));
        pos += cab.TamanhoDados;
        if (pos > fim)
            throw TErroLeitura(inicio, u"o registro do %1 tem %2 bytes e invade o número seguinte, que começa na "
                                       "posição %3"_s.arg(nome)
                                           .arg(pos - inicio)
                                           .arg(fim));
        if (tipo == TTipo::Destino)
            r.Destino = TRegistroDestino{cab, r.Destino.Janela, colunas};
        else
            r.Extra = TRegistroExtra{cab, r.Extra.Relogio, colunas};
        registros.append(r);
    }
    return registros;
}

void TLeitura::Acrescentar(TTipo tipo, const QList<TRegistroDoSpan> &registros)
{
    for (const TRegistroDoSpan &r : registros) {
        TPainelLido *p = Painel(r.Painel);
        if (tipo == TTipo::Destino)
            p->Destinos.append(r.Destino);
        else
            p->Extras.append(r.Extra);
    }
}

void TLeitura::LerRegistros()
{
    int indice = 0;
    // The destinations the header counts, then (when the header does not say
    // where the extras start) every entry that reads as the next destination.
    const int certos = qtdDestinos >= 0 ? qtdDestinos : lido.Cabecalho.QtdDestinos;
    for (; indice < certos; ++indice)
        Acrescentar(TTipo::Destino, LerTrecho(TTipo::Destino, indice + 1, indice));
    if (qtdDestinos < 0) {
        std::optional<TErroLeitura> comoDestino;
        for (; indice < qtdEntradas && !comoDestino; ++indice) {
            try {
                Acrescentar(TTipo::Destino, LerTrecho(TTipo::Destino, indice + 1, indice));
            } catch (const TErroLeitura &e) {
                comoDestino.emplace(e);
                --indice;
            }
        }
        qtdDestinos = indice;
        // An entry that reads neither way is reported as the destination it follows.
        if (comoDestino) {
            try {
                Acrescentar(TTipo::Extra, LerTrecho(TTipo::Extra, 1, indice));
            } catch (const TErroLeitura &) {
                throw *comoDestino;
            }
            ++indice;
        }
    }
    for (; indice < qtdEntradas; ++indice)
        Acrescentar(TTipo::Extra, LerTrecho(TTipo::Extra, indice - qtdDestinos + 1, indice));
    lido.EntradasDestinos = entradas.mid(0, qtdDestinos);
    lido.EntradasExtras = entradas.mid(qtdDestinos, qtdEntradas - qtdDestinos);
    lido.EntradasFontes = entradas.mid(qtdEntradas);
}

void TLeitura::LerFontes()
{
    for (int indice = qtdEntradas; indice < entradas.size(); ++indice) {
        const int fonte = indice - qtdEntradas + 1;
        const QString nome = u"a tabela da fonte %1"_s.arg(fonte);
        const qint64 pos = entradas[indice];
        b.Exigir(pos, TamanhoInicioFonte, nome);
        TTabelaFonteRelogio t;
        t.LarguraDigito = b.U8(pos);
        t.Altura = b.U8(pos + 1);
        t.TamanhoDados = b.U16(pos + 2);
        if (t.Altura < 1 || t.Altura > 16)
            throw TErroLeitura(pos + 1, u"%1 tem %2 linhas e deveria ter de 1 a 16"_s.arg(nome).arg(t.Altura));
        const int bytesColuna = bytesPorColuna(t.Altura);
        if (t.TamanhoDados % bytesColuna != 0)
            throw TErroLeitura(pos + 2, u"o tamanho dos dados d%1 vale %2, e uma fonte de %3 linhas tem %4 byte(s) "
                                        "por coluna"_s.arg(nome).arg(t.TamanhoDados).arg(t.Altura).arg(bytesColuna));
        const int colunas = t.TamanhoDados / bytesColuna;
        if (10 * t.LarguraDigito > colunas)
            throw TErroLeitura(pos, u"os dígitos d%1 têm %2 colunas cada e a tabela tem só %3 colunas para os 10"_s
                                        .arg(nome)
                                        .arg(t.LarguraDigito)
                                        .arg(colunas));
        t.Colunas = b.Trecho(pos + TamanhoInicioFonte, t.TamanhoDados, nome);
        const qint64 fim = pos + TamanhoInicioFonte + t.TamanhoDados;
        if (fim != FimDoTrecho(indice))
            throw TErroLeitura(fim, fim > FimDoTrecho(indice)
                                        ? u"%1 invade a tabela seguinte, que começa na posição %2"_s.arg(nome).arg(
                                              FimDoTrecho(indice))
                                        : u"sobram %1 bytes depois d%2"_s.arg(FimDoTrecho(indice) - fim).arg(nome));
        lido.Fontes.append(t);
    }
}

// The header's counts are those of the first sign the transfer created, the
// one of the lowest slot. (For slot 1 the labels have already checked them.)
void TLeitura::VerificarPrimeiroPainel() const
{
    const TPainelLido &primeiro = lido.Paineis.first();
    const TCabecalhoArquivo &c = lido.Cabecalho;
    if (primeiro.Destinos.size() != c.QtdDestinos)
        throw TErroLeitura(PosQtdDestinos, u"o cabeçalho diz %1 destinos e o painel %2, o primeiro, tem %3"_s
                                               .arg(c.QtdDestinos)
                                               .arg(primeiro.Numero)
                                               .arg(primeiro.Destinos.size()));
    if (primeiro.Extras.size() != c.QtdExtras)
        throw TErroLeitura(PosQtdExtras, u"o cabeçalho diz %1 extras e o painel %2, o primeiro, tem %3"_s
                                             .arg(c.QtdExtras)
                                             .arg(primeiro.Numero)
                                             .arg(primeiro.Extras.size()));
}

QString mensagem(qint64 posicao, const QString &descricao, const QString &arquivo)
{
    if (arquivo.isEmpty())
        return u"ATENÇÃO:\r\nArquivo .art danificado na posição %1: %2."_s.arg(posicao).arg(descricao);
    return u"ATENÇÃO:\r\nO arquivo \"%1\" está danificado na posição %2: %3."_s.arg(QDir::toNativeSeparators(arquivo))
        .arg(posicao)
        .arg(descricao);
}

} // namespace

TErroLeitura::TErroLeitura(qint64 posicao, const QString &descricao)
    : TErro(mensagem(posicao, descricao, {})), Posicao(posicao), Descricao(descricao)
{
}

TErroLeitura::TErroLeitura(qint64 posicao, const QString &descricao, const QString &arquivo)
    : TErro(mensagem(posicao, descricao, arquivo)), Posicao(posicao), Descricao(descricao)
{
}

TArquivoSaidaLido LerArquivoSaida(QByteArrayView bytes)
{
    return TLeitura(bytes).Ler();
}

TArquivoSaidaLido LerArquivoSaida(const QString &arquivo)
{
    TArquivoDisco::ExigirLeitura(arquivo);
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\": %2."_s.arg(QDir::toNativeSeparators(arquivo),
                                                                                  f.errorString()));
    const QByteArray bytes = f.readAll();
    try {
        return LerArquivoSaida(QByteArrayView(bytes));
    } catch (const TErroLeitura &e) {
        throw TErroLeitura(e.Posicao, e.Descricao, arquivo);
    }
}

QByteArray GravarArquivoLido(const TArquivoSaidaLido &arquivo)
{
    QByteArray bytes;
    Gravar(arquivo.Cabecalho, bytes);
    for (const auto *tabela : {&arquivo.EntradasDestinos, &arquivo.EntradasExtras, &arquivo.EntradasFontes})
        for (quint32 entrada : *tabela)
            for (int i = 0; i < 4; ++i)
                bytes.append(char((entrada >> (8 * i)) & 0xFF));
    for (int n = 0; n < arquivo.EntradasDestinos.size(); ++n)
        for (const TPainelLido &p : arquivo.Paineis)
            if (n < p.Destinos.size())
                Gravar(p.Destinos[n], bytes);
    for (int n = 0; n < arquivo.EntradasExtras.size(); ++n)
        for (const TPainelLido &p : arquivo.Paineis)
            if (n < p.Extras.size())
                Gravar(p.Extras[n], bytes);
    for (const TTabelaFonteRelogio &t : arquivo.Fontes)
        Gravar(t, bytes);
    return bytes;
}

int ColunasDoRegistro(const TCabecalhoRegistro &cabecalho, const TTamanhoPainel &tamanho)
{
    const int bytesColuna = bytesPorColuna(tamanho.Linhas);
    return bytesColuna == 0 ? 0 : cabecalho.TamanhoDados / bytesColuna;
}

int MensagensDoRegistro(const TRegistroDestino &registro, const TTamanhoPainel &tamanho)
{
    if (registro.Cabecalho.CodigoSentido != 0)
        return 1;
    return tamanho.Colunas == 0 ? 0 : ColunasDoRegistro(registro.Cabecalho, tamanho) / tamanho.Colunas;
}

int MensagensDoRegistro(const TRegistroExtra &registro, const TTamanhoPainel &tamanho)
{
    return tamanho.Colunas == 0 ? 0 : ColunasDoRegistro(registro.Cabecalho, tamanho) / tamanho.Colunas;
}

bool LedAceso(const QByteArray &colunas, int linhas, int coluna, int linha)
{
    const int bytesColuna = bytesPorColuna(linhas);
    if (bytesColuna == 0 || coluna < 0 || linha < 0 || linha >= linhas
        || qint64(coluna + 1) * bytesColuna > colunas.size())
        return false;
    // Least significant byte first; bit 0 is the bottom row.
    const int bit = linhas - 1 - linha;
    return (quint8(colunas[qsizetype(coluna) * bytesColuna + bit / 8]) >> (bit % 8)) & 1;
}
