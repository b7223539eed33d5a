#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// A sectioned key=value profile file ("[Section]" lines, "key=value" lines),
// read and written byte for byte. Section and key names are compared without
// regard to case; values are the bytes after the first '=' up to the end of
// the line, untrimmed. Lines that are neither a section nor a key (blank
// lines, ";" comments, junk) and the file's own line endings are kept exactly
// when the file is written back. Text is 8-bit (Windows-1252); names are
// handed in as QString and compared through Latin-1.
class TArquivoIni {
public:
    // Reads the file; false (and an empty profile) when it cannot be read.
    bool Ler(const QString &caminho);
    void DefinirConteudo(const QByteArray &conteudo);
    QByteArray Conteudo() const;
    // Writes the whole profile atomically; false when the file cannot be written.
    bool Gravar(const QString &caminho) const;

    bool Contem(const QString &secao, const QString &chave) const;
    // The value as read; nothing when the section or the key is missing.
    std::optional<QByteArray> Valor(const QString &secao, const QString &chave) const;
    // Replaces the first line of the key, or adds the key after the last key
    // line of the section, or adds the section at the end of the file.
    void DefinirValor(const QString &secao, const QString &chave, const QByteArray &valor);

private:
    struct TLinha {
        QByteArray Texto; // without the line ending
        QByteArray Fim;   // "\r\n", "\n", "\r", or empty on a last line without one
    };
    // The lines from a section header up to the next header; the first block
    // holds the lines before any header and has no header of its own.
    struct TBloco {
        QList<TLinha> Linhas;
        QHash<QString, int> Chaves; // folded key name -> index of its first line
        int UltimaChave = 0;        // index of the last key line (0: the header)
    };

    static QString dobrar(const QByteArray &nome);
    const TBloco *bloco(const QString &secao) const;

    QList<TBloco> blocos{TBloco{}};
    QHash<QString, int> secoes; // folded section name -> index of its first block
    QByteArray quebra = "\r\n"; // line ending of new lines: the file's first one
};
