#include "panel/UFontes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "panel/UArquivoDisco.h"
#include "panel/UArquivoIni.h"
#include "panel/UErro.h"
#include "panel/UGlifosPadrao.h"

using namespace Qt::StringLiterals;

// The font file lives beside the executable when that directory is writable,
// else in the user's application data directory. Glyph lookups see the file
// as it is on disk: the parsed file is kept and parsed again whenever its
// size or time stamps change, so a hand edit shows at the next lookup without
// reading the file once per glyph.
namespace {
QString &caminhoDefinido()
{
    static QString caminho;
    return caminho;
}

// The parsed font file, valid while the file keeps the size and times it had.
struct TArquivoLido {
    QString Caminho;
    QFileInfo Info;
    bool Valido = false;
    bool Legivel = false;
    qint64 Tamanho = -1;
    QDateTime Modificado;
    QDateTime MetadadosAlterados;
    TArquivoIni Ini;
};

TArquivoLido &arquivoLido()
{
    static TArquivoLido lido;
    return lido;
}

// Size and times of the file as now on disk, for telling whether the parsed copy is stale.
void lerEstado(TArquivoLido &lido, qint64 &tamanho, QDateTime &modificado, QDateTime &metadados)
{
    lido.Info.refresh();
    tamanho = lido.Info.isFile() ? lido.Info.size() : -1;
    modificado = lido.Info.lastModified();
    metadados = lido.Info.fileTime(QFileDevice::FileMetadataChangeTime);
}

// Points the cache at the current font file; a new path makes it stale.
TArquivoLido &arquivoAtual()
{
    TArquivoLido &lido = arquivoLido();
    const QString caminho = TFontesLed::ArquivoDeFontes();
    if (lido.Caminho != caminho) {
        lido.Caminho = caminho;
        lido.Info.setFile(caminho);
        lido.Valido = false;
    }
    return lido;
}

// The font file as now on disk; nullptr when it cannot be read.
const TArquivoIni *fontesNoDisco()
{
    TArquivoLido &lido = arquivoAtual();
    qint64 tamanho = -1;
    QDateTime modificado;
    QDateTime metadados;
    lerEstado(lido, tamanho, modificado, metadados);
    if (!lido.Valido || tamanho != lido.Tamanho || modificado != lido.Modificado
        || metadados != lido.MetadadosAlterados) {
        lido.Legivel = tamanho >= 0 && lido.Ini.Ler(lido.Caminho);
        lido.Tamanho = tamanho;
        lido.Modificado = modificado;
        lido.MetadadosAlterados = metadados;
        lido.Valido = true;
    }
    return lido.Legivel ? &lido.Ini : nullptr;
}

// Lookups use this profile until the file on disk changes: the font file
// completed in memory when it could not be written.
void usarEmMemoria(TArquivoIni ini)
{
    TArquivoLido &lido = arquivoAtual();
    lerEstado(lido, lido.Tamanho, lido.Modificado, lido.MetadadosAlterados);
    lido.Ini = std::move(ini);
    lido.Legivel = true;
    lido.Valido = true;
}

QByteArray glifoPadrao(TTipoFonte fonte, const QString &codigo)
{
    for (const TGlifoPadrao &g : GlifosPadrao(fonte))
        if (QString::number(g.Codigo) == codigo)
            return g.Glifo;
    return {};
}

// True when something is left after trimming blanks and control characters.
bool temConteudo(const QByteArray &glifo)
{
    return std::any_of(glifo.begin(), glifo.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

int colunasCompletas(const QByteArray &glifo, int altura)
{
    return altura > 0 ? int(glifo.size() / altura) : 0;
}
}

QString TFontesLed::ArquivoDeFontes()
{
    if (!caminhoDefinido().isEmpty())
        return caminhoDefinido();
    static const QString padrao = [] {
        const QString pasta = QCoreApplication::applicationDirPath();
        if (QFileInfo(pasta).isWritable())
            return QDir(pasta).filePath(QStringLiteral("FONTES12.INI"));
        const QString dados = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dados);
        return QDir(dados).filePath(QStringLiteral("FONTES12.INI"));
    }();
    return padrao;
}

void TFontesLed::DefinirArquivoDeFontes(const QString &caminho)
{
    caminhoDefinido() = caminho;
}

bool TFontesLed::LerGlifo(TTipoFonte fonte, const QString &codigo, QByteArray &glifo)
{
    glifo.clear();
    const QString secao = SecaoDaFonte(fonte);
    if (secao.isEmpty())
        return false;
    // Without a readable file the built-in glyphs stand in, so an unreadable
    // or read-only disk does not leave the operator without fonts.
    if (const TArquivoIni *ini = fontesNoDisco())
        glifo = ini->Valor(secao, codigo).value_or(QByteArray());
    else
        glifo = glifoPadrao(fonte, codigo);
    if (glifo.size() > qsizetype(AlturaDaFonte(fonte)) * MaiorLarguraDeGlifo)
        glifo.clear();
    return temConteudo(glifo);
}

bool TFontesLed::LerGlifo(TTipoFonte fonte, unsigned char caractere, QByteArray &glifo)
{
    return LerGlifo(fonte, QString::number(caractere), glifo);
}

bool TFontesLed::GlifoLargoDemais(TTipoFonte fonte, unsigned char caractere)
{
    const QString secao = SecaoDaFonte(fonte);
    const TArquivoIni *ini = fontesNoDisco();
    if (secao.isEmpty() || !ini)
        return false;
    return ini->Valor(secao, QString::number(caractere)).value_or(QByteArray()).size()
           > qsizetype(AlturaDaFonte(fonte)) * MaiorLarguraDeGlifo;
}

int TFontesLed::UltimaColunaDoGlifo(TTipoFonte fonte, const QByteArray &glifo, int altura)
{
    if (SecaoDaFonte(fonte).isEmpty())
        return 0;
    return colunasCompletas(glifo, altura) - 1;
}

bool TFontesLed::GlifoCentralizado(TTipoFonte fonte, QByteArray &glifo, int altura, bool centralizar, int &colunas)
{
    const int largura = LarguraDaFonte(fonte);
    colunas = 0;
    if (largura == 0)
        return false;
    colunas = colunasCompletas(glifo, altura);
    if (centralizar && altura > 0 && colunas < largura) {
        const int falta = largura - colunas;
        const QByteArray branca(altura, '0');
        for (int i = 0; i < falta / 2 + falta % 2 && colunas < largura; ++i, ++colunas)
            glifo.prepend(branca);
        for (int i = 0; i < falta / 2 && colunas < largura; ++i, ++colunas)
            glifo.append(branca);
    }
    return true;
}

QByteArray TFontesLed::GlifosDoRelogio(TTipoFonte fonte, int &larguraDigito)
{
    larguraDigito = 0;
    const int altura = AlturaDaFonte(fonte);
    if (altura <= 0)
        return {};
    // Whole columns only: a glyph's tail would shift every column after it.
    const auto glifo = [&](char caractere, bool centralizar) {
        QByteArray g;
        LerGlifo(fonte, static_cast<unsigned char>(caractere), g);
        g.truncate(g.size() / altura * altura);
        int colunas = 0;
        GlifoCentralizado(fonte, g, altura, centralizar, colunas);
        return g;
    };
    QByteArray bits = glifo('0', true);
    larguraDigito = int(bits.size()) / altura;
    for (char digito = '1'; digito <= '9'; ++digito)
        bits += glifo(digito, true).rightJustified(qsizetype(larguraDigito) * altura, '0', true);
    bits += glifo(':', false);
    return bits;
}

void TFontesLed::CriarFontesPadrao()
{
    const QString caminho = ArquivoDeFontes();
    TArquivoIni ini;
    // A file that exists but cannot be read is not replaced by the built-ins alone.
    if (QFileInfo::exists(caminho)) {
        TArquivoDisco::ExigirLeitura(caminho);
        if (!ini.Ler(caminho))
            throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo de fontes \"%1\"."_s.arg(
                QDir::toNativeSeparators(caminho)));
    }
    bool alterado = false;
    for (int f = 1; f <= 12; ++f) {
        const auto fonte = static_cast<TTipoFonte>(f);
        const QString secao = SecaoDaFonte(fonte);
        for (const TGlifoPadrao &g : GlifosPadrao(fonte)) {
            const QString chave = QString::number(g.Codigo);
            if (!ini.Contem(secao, chave)) {
                ini.DefinirValor(secao, chave, g.Glifo);
                alterado = true;
            }
        }
    }
    if (alterado && !ini.Gravar(caminho)) {
        // The glyphs the file lacks still come from the built-in tables, so what
        // is drawn or written never depends on whether the file could be completed.
        usarEmMemoria(std::move(ini));
        throw TErro(u"Unable to write to %1"_s.arg(QDir::toNativeSeparators(caminho)));
    }
    arquivoLido().Valido = false;
}
