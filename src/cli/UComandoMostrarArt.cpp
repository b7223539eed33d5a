#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "app/UProjetoArquivo.h"
#include "cli/UComandos.h"
#include "cli/USaidaCli.h"
#include "output/ULeituraArquivo.h"
#include "panel/UErro.h"
#include "panel/UWindows1252.h"

using namespace Qt::StringLiterals;

// Prints what a controller finds in a ".art" file, sign by sign: one line per
// destination or extra message, or (--json) the same as one JSON document, or
// (--picture N) destination N's first message on each sign as rows of "#"
// (lit) and "." (dark). A damaged file is refused with the reader's message.
namespace {

// One destination or extra record, as printed.
struct TLinhaRegistro {
    int Numero = 0;
    const TCabecalhoRegistro *Cabecalho = nullptr;
    const TJanelaRolagem *Janela = nullptr;
    const TBlocoRelogio *Relogio = nullptr;
    bool Extra = false;
    int Mensagens = 0;
};

// The label block up to its first zero byte; labels are in slot 1's records only.
QString rotulo(const TCabecalhoRegistro &c)
{
    if (!c.Rotulo)
        return {};
    const auto fim = std::find(c.Rotulo->begin(), c.Rotulo->end(), quint8(0));
    return TWindows1252::ParaTexto(QByteArray(reinterpret_cast<const char *>(c.Rotulo->data()),
                                              qsizetype(fim - c.Rotulo->begin())));
}

QString sentido(int codigo)
{
    switch (codigo) {
    case 0: return u"fixo"_s;
    case 1: return u"esquerda"_s;
    case 2: return u"baixo"_s;
    case 3: return u"cima"_s;
    case 4: return u"direita"_s;
    case 6: return u"relógio"_s;
    default: return u"código %1"_s.arg(codigo);
    }
}

int colunas(const TLinhaRegistro &r, const TPainelLido &p)
{
    return ColunasDoRegistro(*r.Cabecalho, p.Tamanho);
}

QList<TLinhaRegistro> registros(const TPainelLido &p)
{
    QList<TLinhaRegistro> lista;
    for (int i = 0; i < p.Destinos.size(); ++i) {
        const TRegistroDestino &d = p.Destinos[i];
        lista.append({i + 1, &d.Cabecalho, d.Janela ? &*d.Janela : nullptr, nullptr, false,
                      MensagensDoRegistro(d, p.Tamanho)});
    }
    for (int i = 0; i < p.Extras.size(); ++i) {
        const TRegistroExtra &e = p.Extras[i];
        lista.append({i + 1, &e.Cabecalho, nullptr, e.Relogio ? &*e.Relogio : nullptr, true,
                      MensagensDoRegistro(e, p.Tamanho)});
    }
    return lista;
}

// "Frontal (painel 1)"; "Painel 5" for a slot that is no position of the bus.
QString nomeDoPainel(const TPainelLido &p)
{
    return p.Numero <= 4 ? u"%1 (painel %2)"_s.arg(NomeDoSinal(p.Numero)).arg(p.Numero) : NomeDoSinal(p.Numero);
}

void imprimirTexto(QTextStream &saida, const QString &arquivo, qsizetype tamanho, const TArquivoSaidaLido &lido)
{
    const TCabecalhoArquivo &c = lido.Cabecalho;
    saida << u"Arquivo \"%1\": %2, tipo %3; o cabeçalho conta %4, %5 e %6."_s.arg(
                 arquivo, Quantidade(tamanho, u"byte"_s, u"bytes"_s), QString::number(c.TipoArquivo),
                 Quantidade(c.QtdDestinos, u"destino"_s, u"destinos"_s), Quantidade(c.QtdExtras, u"extra"_s, u"extras"_s),
                 Quantidade(c.QtdFontes, u"fonte de relógio"_s, u"fontes de relógio"_s))
          << '\n';
    for (const TPainelLido &p : lido.Paineis) {
        saida << u"%1: %2 x %3, %4, %5"_s.arg(nomeDoPainel(p), Quantidade(p.Tamanho.Linhas, u"linha"_s, u"linhas"_s),
                                                Quantidade(p.Tamanho.Colunas, u"coluna"_s, u"colunas"_s),
                                                Quantidade(p.Destinos.size(), u"destino"_s, u"destinos"_s),
                                                Quantidade(p.Extras.size(), u"extra"_s, u"extras"_s))
              << '\n';
        for (const TLinhaRegistro &r : registros(p)) {
            QStringList campos{u"  %1 %2"_s.arg(r.Extra ? u"extra"_s : u"destino"_s).arg(r.Numero),
                               EscaparCampo(rotulo(*r.Cabecalho)),
                               Quantidade(r.Mensagens, u"mensagem"_s, u"mensagens"_s),
                               u"%1 s"_s.arg(r.Cabecalho->TempoExposicao), sentido(r.Cabecalho->CodigoSentido),
                               Quantidade(colunas(r, p), u"coluna"_s, u"colunas"_s)};
            if (r.Janela)
                campos << u"janela: colunas %1 a %2, linhas %3 a %4"_s.arg(r.Janela->XInicial + 1)
                              .arg(r.Janela->XFinal + 1)
                              .arg(r.Janela->YInicial + 1)
                              .arg(r.Janela->YFinal + 1);
            if (r.Relogio && r.Relogio->IndiceFonte != 0)
                campos << u"relógio: fonte %1, colunas %2 a %3, %4 linhas acima da base"_s.arg(r.Relogio->IndiceFonte)
                              .arg(r.Relogio->X0 + 1)
                              .arg(r.Relogio->X1 + 1)
                              .arg(r.Relogio->Y0);
            saida << campos.join(u'\t') << '\n';
        }
    }
    for (int i = 0; i < lido.Fontes.size(); ++i) {
        const TTabelaFonteRelogio &f = lido.Fontes[i];
        saida << u"Fonte de relógio %1: %2, dígitos de %3, %4 no total"_s.arg(i + 1).arg(
                     Quantidade(f.Altura, u"linha"_s, u"linhas"_s),
                     Quantidade(f.LarguraDigito, u"coluna"_s, u"colunas"_s),
                     Quantidade(f.TamanhoDados / ((f.Altura + 7) / 8), u"coluna"_s, u"colunas"_s))
              << '\n';
    }
}

QJsonObject registroJson(const TLinhaRegistro &r, const TPainelLido &p)
{
    QJsonObject o{{u"numero"_s, r.Numero},
                  {u"rotulo"_s, rotulo(*r.Cabecalho)},
                  {u"mensagens"_s, r.Mensagens},
                  {u"tempo"_s, r.Cabecalho->TempoExposicao},
                  {u"sentido"_s, sentido(r.Cabecalho->CodigoSentido)},
                  {u"codigoSentido"_s, r.Cabecalho->CodigoSentido},
                  {u"colunas"_s, colunas(r, p)}};
    // Columns and rows as the file holds them: 0-based; the clock's rows count from the bottom row.
    if (r.Janela)
        o.insert(u"janela"_s, QJsonObject{{u"xInicial"_s, r.Janela->XInicial},
                                          {u"yInicial"_s, r.Janela->YInicial},
                                          {u"xFinal"_s, r.Janela->XFinal},
                                          {u"yFinal"_s, r.Janela->YFinal}});
    if (r.Relogio)
        o.insert(u"relogio"_s, QJsonObject{{u"fonte"_s, r.Relogio->IndiceFonte},
                                           {u"x0"_s, r.Relogio->X0},
                                           {u"y0"_s, r.Relogio->Y0},
                                           {u"x1"_s, r.Relogio->X1},
                                           {u"y1"_s, r.Relogio->Y1}});
    return o;
}

QByteArray documentoJson(const QString &arquivo, qsizetype tamanho, const TArquivoSaidaLido &lido)
{
    QJsonArray paineis;
    for (const TPainelLido &p : lido.Paineis) {
        QJsonArray destinos;
        QJsonArray extras;
        for (const TLinhaRegistro &r : registros(p))
            (r.Extra ? extras : destinos).append(registroJson(r, p));
        paineis.append(QJsonObject{{u"painel"_s, p.Numero},
                                   {u"nome"_s, NomeDoSinal(p.Numero)},
                                   {u"linhas"_s, p.Tamanho.Linhas},
                                   {u"colunas"_s, p.Tamanho.Colunas},
                                   {u"destinos"_s, destinos},
                                   {u"extras"_s, extras}});
    }
    QJsonArray fontes;
    for (int i = 0; i < lido.Fontes.size(); ++i) {
        const TTabelaFonteRelogio &f = lido.Fontes[i];
        fontes.append(QJsonObject{{u"fonte"_s, i + 1},
                                  {u"linhas"_s, f.Altura},
                                  {u"larguraDigito"_s, f.LarguraDigito},
                                  {u"colunas"_s, f.TamanhoDados / ((f.Altura + 7) / 8)}});
    }
    const TCabecalhoArquivo &c = lido.Cabecalho;
    const QJsonObject raiz{{u"arquivo"_s, arquivo},
                           {u"bytes"_s, qint64(tamanho)},
                           {u"tipo"_s, c.TipoArquivo},
                           {u"cabecalho"_s, QJsonObject{{u"destinos"_s, c.QtdDestinos},
                                                        {u"extras"_s, c.QtdExtras},
                                                        {u"fontes"_s, c.QtdFontes}}},
                           {u"paineis"_s, paineis},
                           {u"fontes"_s, fontes}};
    return QJsonDocument(raiz).toJson(QJsonDocument::Indented);
}

// Destination numero's first message on each sign that has it: the sign's
// width, or the whole text of a scrolling destination.
void imprimirDesenho(QTextStream &saida, const TArquivoSaidaLido &lido, int numero)
{
    bool algum = false;
    for (const TPainelLido &p : lido.Paineis) {
        if (numero > p.Destinos.size())
            continue;
        const TRegistroDestino &d = p.Destinos[numero - 1];
        const int total = ColunasDoRegistro(d.Cabecalho, p.Tamanho);
        const int largura = d.Cabecalho.CodigoSentido != 0 ? total : std::min<int>(total, p.Tamanho.Colunas);
        saida << u"%1, destino %2:"_s.arg(nomeDoPainel(p)).arg(numero) << '\n';
        for (int linha = 0; linha < p.Tamanho.Linhas; ++linha) {
            QString texto(largura, u'.');
            for (int coluna = 0; coluna < largura; ++coluna)
                if (LedAceso(d.Colunas, p.Tamanho.Linhas, coluna, linha))
                    texto[coluna] = u'#';
            saida << texto << '\n';
        }
        algum = true;
    }
    if (!algum)
        throw TErro(u"ATENÇÃO:\r\nNenhum painel do arquivo tem o destino %1."_s.arg(numero));
}

int executar(QStringList argumentos)
{
    const bool json = argumentos.removeAll(u"--json"_s) > 0;
    int desenho = 0;
    if (const qsizetype i = argumentos.indexOf(u"--picture"_s); i >= 0) {
        bool ok = false;
        desenho = i + 1 < argumentos.size() ? argumentos.at(i + 1).toInt(&ok) : 0;
        if (!ok || desenho < 1)
            throw TErroDeUso("--picture takes a destination number, 1 or more");
        argumentos.remove(i, 2);
    }
    if (argumentos.size() != 1 || argumentos.first().startsWith(u'-') || (json && desenho > 0))
        throw TErroDeUso("show-art takes one .art file, and either --json or --picture N");
    const QString &arquivo = argumentos.first();
    const TArquivoSaidaLido lido = LerArquivoSaida(arquivo);

    QTextStream saida(stdout);
    saida.setEncoding(QStringConverter::Utf8);
    const qint64 tamanho = lido.Cabecalho.TamanhoArquivo;
    if (json)
        saida << QString::fromUtf8(documentoJson(arquivo, tamanho, lido));
    else if (desenho > 0)
        imprimirDesenho(saida, lido, desenho);
    else
        imprimirTexto(saida, arquivo, tamanho, lido);
    return 0;
}

const TRegistroComando registro({u"show-art"_s, u"show-art FILE.art [--json | --picture N]"_s,
                                 u"Prints what a controller finds in a .art file, one line per destination or "
                                 u"extra of each sign (--json: one JSON document; --picture N: destination N's "
                                 u"first message on each sign, \"#\" lit, \".\" dark)."_s,
                                 executar});
}
