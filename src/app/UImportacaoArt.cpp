#include "app/UImportacaoArt.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <optional>

#include "app/UDesenhoRegistro.h"
#include "app/UProjetoArquivo.h"
#include "data/UDtmDestino.h"
#include "editor/UCfgRotativo.h"
#include "editor/UCoresLed.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UArquivoDisco.h"
#include "panel/UFontes.h"
#include "panel/UWindows1252.h"

using namespace Qt::StringLiterals;
using namespace TDesenhoRegistro;

namespace {
constexpr int qtdPosicoes = 4;
constexpr int qtdRotativos = 8;
// The bus type the rows carry; the panels' sizes and fonts come from the rows.
constexpr int tipoOnibusReconstruido = 1;

int bytesPorColuna(int linhas)
{
    return (linhas + 7) / 8;
}

// The record the builder writes for a number the sign lacks: one dark
// message as wide as the sign, no time, no direction, a blank label.
TCabecalhoRegistro cabecalhoVazio(const TPainelLido &painel)
{
    TCabecalhoRegistro c;
    if (painel.Numero == 1)
        c.Rotulo = TBlocoRotulo{};
    c.Painel = quint8(painel.Numero);
    c.TamanhoDados = quint16(painel.Tamanho.Colunas * bytesPorColuna(painel.Tamanho.Linhas));
    return c;
}

template <typename R> bool registroVazio(const R &registro, const TPainelLido &painel)
{
    return registro.Cabecalho == cabecalhoVazio(painel)
           && std::all_of(registro.Colunas.begin(), registro.Colunas.end(), [](char b) { return b == 0; });
}

// The front sign's label as its record holds it: the bytes before the first
// zero. The row's combined label is trimmed, so a label cut at a blank keeps
// that blank only with a mark after it.
QString rotuloDoBloco(const TBlocoRotulo &bloco)
{
    QByteArray bytes;
    for (const quint8 b : bloco) {
        if (b == 0)
            break;
        bytes.append(char(b));
    }
    QString rotulo = TWindows1252::ParaTexto(bytes);
    if (bytes.size() == qsizetype(bloco.size()) && rotulo.back().isSpace())
        rotulo += u'…';
    return rotulo;
}

// Writes the columns every row of the sign shares; the caller adds the messages.
void escreverSinal(TTabelaMemoria &t, const TPainelLido &painel, bool extra, int numero, const QString &rotulo)
{
    t.Acrescentar();
    t.DefinirValor(u"TIPOONIBUS"_s, tipoOnibusReconstruido);
    t.DefinirValor(u"PAINEL"_s, painel.Numero);
    t.DefinirValor(u"EXTRA"_s, extra);
    t.DefinirValor(u"NRO_DESTINO"_s, numero);
    t.DefinirValor(u"NRO_LINHAS"_s, int(painel.Tamanho.Linhas));
    t.DefinirValor(u"NRO_COLUNAS"_s, int(painel.Tamanho.Colunas));
    t.DefinirValor(u"COR_FUNDO"_s, 0);
    t.DefinirValor(u"COR_PADRAO"_s, qint32(TCoresLed::DireitaPadrao));
    t.DefinirValor(u"DIV_LINHA"_s, false);
    t.DefinirValor(u"NOVO"_s, false);
    t.DefinirValor(u"ROTULO1"_s, rotulo);
}

void escreverMensagens(TTabelaMemoria &t, const QList<TMensagemDesenhada> &mensagens, int tempo, int codigo)
{
    int tamanho = 0;
    for (int i = 1; i <= qtdRotativos; ++i) {
        const QString n = QString::number(i);
        const bool guardada = i <= mensagens.size();
        t.DefinirValor(u"NRO_ROTATIVO"_s + n, guardada ? QVariant(i) : QVariant());
        t.DefinirValor(u"TPO_ROTATIVO"_s + n, guardada ? QVariant(tempo) : QVariant());
        t.DefinirValor(u"SENTIDO_ROTATIVO"_s + n, guardada ? QVariant(codigo) : QVariant());
        t.DefinirValor(u"CONFIG_PAINEL"_s + n, guardada ? QVariant(mensagens[i - 1].Conteudo) : QVariant());
        if (i > 1)
            t.DefinirValor(u"ROTULO"_s + n, guardada ? QVariant(QString()) : QVariant());
        if (guardada)
            tamanho = std::max(tamanho, mensagens[i - 1].UltimaAcesa);
    }
    t.DefinirValor(u"TAMANHO_MENSAGEM"_s, tamanho);
}
}

TImportacaoArt::TImportacaoArt(const QByteArray &bytes) : bytes(bytes), lido(LerArquivoSaida(QByteArrayView(bytes)))
{
    // Each clock table of the file is compared once with the table of every font.
    QList<std::optional<TTabelaFonteRelogio>> tabelas;
    for (int f = 1; f <= 12; ++f)
        tabelas.append(TabelaDaFonte(TTipoFonte(f)));
    for (const TTabelaFonteRelogio &t : std::as_const(lido.Fontes)) {
        const auto achada = std::find(tabelas.begin(), tabelas.end(), std::optional(t));
        fontesDoArquivo.append(achada != tabelas.end() ? int(achada - tabelas.begin()) + 1 : 0);
    }
}

TImportacaoArt TImportacaoArt::LerArquivo(const QString &arquivo)
{
    TArquivoDisco::ExigirLeitura(arquivo);
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\"."_s.arg(QDir::toNativeSeparators(arquivo)));
    try {
        return TImportacaoArt(f.readAll());
    } catch (const TErroLeitura &e) {
        throw TErroLeitura(e.Posicao, e.Descricao, arquivo);
    }
}

void TImportacaoArt::Reconstruir(TDtm_Destino &dados)
{
    {
        // The labels are rebuilt once, at the end, for the destinations shown.
        dados.AdiarRotulos();
        const auto retomar = qScopeGuard([&dados] {
            dados.DefinirFiltroExtra(false);
            dados.RetomarRotulos();
        });
        for (const TPainelLido &painel : std::as_const(lido.Paineis))
            if (painel.Numero >= 1 && painel.Numero <= qtdPosicoes)
                reconstruirSinal(dados, painel);
    }
    if (sinais.isEmpty())
        throw TErro(u"ATENÇÃO:\r\nO arquivo não tem nenhum destino ou extra de um letreiro do ônibus (frontal, "
                    u"lateral, traseiro ou auxiliar).\r\nNenhum projeto foi reconstruído."_s);
    dados.ReconstruirRotulos(true);
    verificar(dados);
}

void TImportacaoArt::reconstruirSinal(TDtm_Destino &dados, const TPainelLido &painel)
{
    const int destinos = qtdDestinos;
    const int extras = qtdExtras;
    dados.DefinirFiltroExtra(false);
    reconstruirTipo(dados, painel, painel.Destinos, false);
    dados.DefinirFiltroExtra(true);
    reconstruirTipo(dados, painel, painel.Extras, true);
    if (qtdDestinos == destinos && qtdExtras == extras)
        return;
    sinais.append({painel.Numero, painel.Tamanho.Linhas, painel.Tamanho.Colunas});
    contagem.append({painel.Numero, {qtdDestinos - destinos, qtdExtras - extras}});
}

template <typename R>
void TImportacaoArt::reconstruirTipo(TDtm_Destino &dados, const TPainelLido &painel, const QList<R> &registros,
                                     bool extra)
{
    for (int k = 1; k <= registros.size(); ++k) {
        const R &registro = registros[k - 1];
        // A gap keeps the sign's numbers up to its last one: that one is a row, even when dark.
        if (k < registros.size() && registroVazio(registro, painel))
            continue;
        gravarLinha(dados, painel, registro, k);
        dados.GravarPendente();
        ++(extra ? qtdExtras : qtdDestinos);
    }
}

void TImportacaoArt::gravarLinha(TDtm_Destino &dados, const TPainelLido &painel, const TRegistroDestino &registro,
                                 int numero)
{
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const TCabecalhoRegistro &c = registro.Cabecalho;
    escreverSinal(t, painel, false, numero, c.Rotulo ? rotuloDoBloco(*c.Rotulo) : u"Destino %1"_s.arg(numero));
    const int linhas = painel.Tamanho.Linhas;
    const int colunas = painel.Tamanho.Colunas;
    const int colunasDados = ColunasDoRegistro(c, painel.Tamanho);
    QList<TMensagemDesenhada> mensagens;
    int divisao = 0;
    if (registro.Janela) {
        // One text as long as the record, never shorter than the panel.
        mensagens.append(
            Desenhar(registro.Colunas, linhas, 0, colunasDados, std::max(colunas, colunasDados), nullptr));
        divisao = registro.Janela->XInicial > 0 ? registro.Janela->XInicial + 1 : 0;
    } else {
        for (int m = 0; m < MensagensDoRegistro(registro, painel.Tamanho); ++m)
            mensagens.append(Desenhar(registro.Colunas, linhas, m * colunas, colunas, colunas, nullptr));
    }
    escreverMensagens(t, mensagens, c.TempoExposicao, c.CodigoSentido);
    t.DefinirValor(u"ROLAGEM"_s, c.CodigoSentido != 0);
    if (painel.Numero == 1)
        t.DefinirValor(u"FONTE_HORARIO"_s, 0);
    t.DefinirValor(u"POSXINICIAL"_s, divisao != 0 ? divisao : 1);
    t.DefinirValor(u"POSXFINAL"_s, colunas);
    t.DefinirValor(u"POSYINICIAL"_s, 1);
    t.DefinirValor(u"POSYFINAL"_s, linhas);
    t.DefinirValor(u"DIV_COLUNA"_s, divisao != 0 ? QVariant(divisao) : QVariant());
    t.DefinirValor(u"COR_DIVISAO"_s, divisao != 0 ? QVariant(qint32(TCoresLed::EsquerdaPadrao)) : QVariant());
}

void TImportacaoArt::gravarLinha(TDtm_Destino &dados, const TPainelLido &painel, const TRegistroExtra &registro,
                                 int numero)
{
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    const TCabecalhoRegistro &c = registro.Cabecalho;
    escreverSinal(t, painel, true, numero, c.Rotulo ? rotuloDoBloco(*c.Rotulo) : u"Extra %1"_s.arg(numero));
    const int linhas = painel.Tamanho.Linhas;
    const int colunas = painel.Tamanho.Colunas;
    const int qtd = MensagensDoRegistro(registro, painel.Tamanho);

    // The departure clock: only the front sign's rows carry its font.
    const int codigoRelogio = CodigoDoSentido(TRolagem::tsHorario);
    std::optional<TRelogio> relogio;
    if (c.CodigoSentido == codigoRelogio && registro.Relogio && painel.Numero == 1) {
        const TBlocoRelogio &b = *registro.Relogio;
        const int fonte = fontesDoArquivo.value(b.IndiceFonte - 1);
        const int linha = linhas + 1 - TFontesLed::AlturaDaFonte(TTipoFonte(fonte)) - b.Y0;
        // The row says where the typed characters end; a block that no typing
        // ends at makes the check fail.
        if (fonte != 0 && linha >= 1)
            if (TRelogio r = DigitarRelogio(TTipoFonte(fonte), linha, b.X0 + 1, b.X1 + 1); !r.Colunas.isEmpty())
                relogio = r;
    }
    int mensagemDoRelogio = 0;
    for (int m = 0; relogio && m < qtd && mensagemDoRelogio == 0; ++m)
        if (AcendeRelogio(registro.Colunas, linhas, m * colunas, colunas, *relogio))
            mensagemDoRelogio = m + 1;
    if (relogio && mensagemDoRelogio == 0)
        mensagemDoRelogio = 1;

    QList<TMensagemDesenhada> mensagens;
    for (int m = 0; m < qtd; ++m)
        mensagens.append(Desenhar(registro.Colunas, linhas, m * colunas, colunas, colunas,
                                  m + 1 == mensagemDoRelogio ? &*relogio : nullptr));
    const bool rola = c.CodigoSentido != 0 && c.CodigoSentido != codigoRelogio;
    escreverMensagens(t, mensagens, c.TempoExposicao, rola ? c.CodigoSentido : 0);
    t.DefinirValor(u"ROLAGEM"_s, rola);
    if (painel.Numero == 1)
        t.DefinirValor(u"FONTE_HORARIO"_s, relogio ? TFontesLed::NumeroDaFonte(relogio->Fonte) : 0);
    t.DefinirValor(u"POSXINICIAL"_s, relogio ? relogio->Colunas.first() : 0);
    t.DefinirValor(u"POSXFINAL"_s, relogio ? relogio->ColunaFinal : 0);
    t.DefinirValor(u"POSYINICIAL"_s, relogio ? relogio->Linha : 0);
    t.DefinirValor(u"POSYFINAL"_s, relogio ? relogio->Linha + relogio->Altura - 1 : 0);
    t.DefinirValor(u"DIV_COLUNA"_s, QVariant());
    t.DefinirValor(u"COR_DIVISAO"_s, QVariant());
}

// The rebuilt rows written again as the transfer writes them.
void TImportacaoArt::verificar(TDtm_Destino &dados)
{
    try {
        TGeracaoArquivo geracao;
        TTransferencia(dados, sinais).Preencher(geracao);
        difere = geracao.GerarBytes() != bytes;
    } catch (const TErro &) {
        difere = true;
    }
}

QString TImportacaoArt::Quantidades() const
{
    QStringList partes;
    for (const auto &[posicao, quantos] : contagem)
        partes << u"%1 %2 %3, %4 %5"_s.arg(NomeDoSinal(posicao))
                      .arg(quantos.first)
                      .arg(quantos.first == 1 ? u"destino"_s : u"destinos"_s)
                      .arg(quantos.second)
                      .arg(quantos.second == 1 ? u"extra"_s : u"extras"_s);
    return partes.join(u"; "_s);
}

QString TImportacaoArt::Observacoes() const
{
    QString texto = u"Os textos voltam como desenhos de LEDs, não como caracteres digitados, e a fonte em que "
                    u"foram digitados não é conhecida; os rótulos das mensagens seguintes não estão no arquivo, e "
                    u"os dos letreiros que não são o frontal vêm do número (\"Destino 12\", \"Extra 3\"); as cores "
                    u"dos LEDs e a divisão de um letreiro fixo voltam como o padrão do programa."_s;
    if (difere)
        texto += u" O arquivo tem o que o programa não grava: o projeto reconstruído não grava o mesmo arquivo."_s;
    return texto;
}
