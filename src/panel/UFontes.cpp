#include "panel/UFontes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "panel/UArquivoIni.h"
#include "panel/UErro.h"
#include "panel/UGlifosPadrao.h"

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

// The font file as now on disk; nullptr when it cannot be read.
const TArquivoIni *fontesNoDisco()
{
    TArquivoLido &lido = arquivoLido();
    const QString caminho = TFontesLed::ArquivoDeFontes();
    if (lido.Caminho != caminho) {
        lido.Caminho = caminho;
        lido.Info.setFile(caminho);
        lido.Valido = false;
    }
    lido.Info.refresh();
    const bool existe = lido.Info.isFile();
    const qint64 tamanho = existe ? lido.Info.size() : -1;
    const QDateTime modificado = lido.Info.lastModified();
    const QDateTime metadados = lido.Info.fileTime(QFileDevice::FileMetadataChangeTime);
    if (!lido.Valido || tamanho != lido.Tamanho || modificado != lido.Modificado
        || metadados != lido.MetadadosAlterados) {
        lido.Legivel = existe && lido.Ini.Ler(caminho);
        lido.Tamanho = tamanho;
        lido.Modificado = modificado;
        lido.MetadadosAlterados = metadados;
        lido.Valido = true;
    }
    return lido.Legivel ? &lido.Ini : nullptr;
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
    return temConteudo(glifo);
}

bool TFontesLed::LerGlifo(TTipoFonte fonte, unsigned char caractere, QByteArray &glifo)
{
    return LerGlifo(fonte, QString::number(caractere), glifo);
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

void TFontesLed::CriarFontesPadrao()
{
    const QString caminho = ArquivoDeFontes();
    const TErro naoGravou(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(caminho)));
    TArquivoIni ini;
    // A file that exists but cannot be read is not replaced by the built-ins alone.
    if (QFileInfo::exists(caminho) && !ini.Ler(caminho))
        throw naoGravou;
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
    if (alterado && !ini.Gravar(caminho))
        throw naoGravou;
    arquivoLido().Valido = false;
}
