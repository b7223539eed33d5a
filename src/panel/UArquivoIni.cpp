#include "panel/UArquivoIni.h"

#include <QFile>

#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

namespace {
bool branco(char c)
{
    return c == ' ' || c == '\t';
}

// The name inside "[...]" when the line is a section header.
std::optional<QByteArray> nomeDaSecao(const QByteArray &linha)
{
    const QByteArray t = linha.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype fim = t.indexOf(']');
    return t.mid(1, fim < 0 ? -1 : fim - 1).trimmed();
}

// Where the '=' of a key line is; -1 for comments and lines without a key name.
qsizetype igualDaChave(const QByteArray &linha)
{
    qsizetype i = 0;
    while (i < linha.size() && branco(linha.at(i)))
        ++i;
    if (i == linha.size() || linha.at(i) == ';' || linha.at(i) == '#' || linha.at(i) == '=')
        return -1;
    return linha.indexOf('=', i);
}
}

QString TArquivoIni::dobrar(const QByteArray &nome)
{
    return QString::fromLatin1(nome).toCaseFolded();
}

bool TArquivoIni::Ler(const QString &caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        DefinirConteudo({});
        return false;
    }
    DefinirConteudo(arquivo.readAll());
    return arquivo.error() == QFileDevice::NoError;
}

void TArquivoIni::DefinirConteudo(const QByteArray &conteudo)
{
    blocos = {TBloco{}};
    secoes.clear();
    quebra = "\r\n";
    bool primeiraQuebra = true;

    // Lines end in CR LF, LF or CR alone, each kept as found.
    qsizetype inicio = 0;
    while (inicio < conteudo.size()) {
        qsizetype fim = inicio;
        while (fim < conteudo.size() && conteudo.at(fim) != '\n' && conteudo.at(fim) != '\r')
            ++fim;
        TLinha linha{conteudo.mid(inicio, fim - inicio), {}};
        if (fim < conteudo.size()) {
            const bool crlf = conteudo.at(fim) == '\r' && fim + 1 < conteudo.size() && conteudo.at(fim + 1) == '\n';
            linha.Fim = crlf ? "\r\n" : QByteArray(1, conteudo.at(fim));
            if (primeiraQuebra)
                quebra = linha.Fim;
            primeiraQuebra = false;
        }
        inicio = fim + linha.Fim.size();

        const auto secao = nomeDaSecao(linha.Texto);
        if (secao) {
            const QString nome = dobrar(*secao);
            if (!secoes.contains(nome)) // a repeated section is not looked at
                secoes.insert(nome, int(blocos.size()));
            blocos.append(TBloco{});
        }
        TBloco &atual = blocos.last();
        atual.Linhas.append(linha);
        const qsizetype igual = !secao && blocos.size() > 1 ? igualDaChave(linha.Texto) : -1;
        if (igual > 0) {
            const int indice = int(atual.Linhas.size() - 1);
            const QString chave = dobrar(linha.Texto.left(igual).trimmed());
            if (!atual.Chaves.contains(chave)) // a repeated key is not looked at
                atual.Chaves.insert(chave, indice);
            atual.UltimaChave = indice;
        }
    }
}

QByteArray TArquivoIni::Conteudo() const
{
    QByteArray conteudo;
    for (const TBloco &b : blocos)
        for (const TLinha &l : b.Linhas)
            conteudo += l.Texto + l.Fim;
    return conteudo;
}

bool TArquivoIni::Gravar(const QString &caminho) const
{
    try {
        TArquivoDisco::GravarAtomico(caminho, Conteudo());
    } catch (const TErro &) {
        return false;
    }
    return true;
}

const TArquivoIni::TBloco *TArquivoIni::bloco(const QString &secao) const
{
    const auto i = secoes.constFind(secao.toCaseFolded());
    return i == secoes.cend() ? nullptr : &blocos.at(*i);
}

bool TArquivoIni::Contem(const QString &secao, const QString &chave) const
{
    const TBloco *b = bloco(secao);
    return b && b->Chaves.contains(chave.toCaseFolded());
}

std::optional<QByteArray> TArquivoIni::Valor(const QString &secao, const QString &chave) const
{
    const TBloco *b = bloco(secao);
    if (!b)
        return std::nullopt;
    const auto i = b->Chaves.constFind(chave.toCaseFolded());
    if (i == b->Chaves.cend())
        return std::nullopt;
    const QByteArray &texto = b->Linhas.at(*i).Texto;
    return texto.mid(texto.indexOf('=') + 1);
}

void TArquivoIni::DefinirValor(const QString &secao, const QString &chave, const QByteArray &valor)
{
    const QString nomeSecao = secao.toCaseFolded();
    if (!secoes.contains(nomeSecao)) {
        // The line before a new section gets a line ending if the file lacked a final one.
        for (auto b = blocos.rbegin(); b != blocos.rend(); ++b) {
            if (!b->Linhas.isEmpty()) {
                if (b->Linhas.last().Fim.isEmpty())
                    b->Linhas.last().Fim = quebra;
                break;
            }
        }
        secoes.insert(nomeSecao, int(blocos.size()));
        blocos.append(TBloco{{TLinha{'[' + secao.toLatin1() + ']', quebra}}, {}, 0});
    }
    TBloco &b = blocos[secoes.value(nomeSecao)];
    const QString nomeChave = chave.toCaseFolded();
    const QByteArray linha = chave.toLatin1() + '=' + valor;
    if (const auto i = b.Chaves.constFind(nomeChave); i != b.Chaves.cend()) {
        TLinha &existente = b.Linhas[*i];
        existente.Texto = existente.Texto.left(existente.Texto.indexOf('=') + 1) + valor;
        return;
    }
    // Inserted right after the last key line: the key lines before it keep their indices.
    const int posicao = b.UltimaChave + 1;
    TLinha &anterior = b.Linhas[posicao - 1];
    if (anterior.Fim.isEmpty())
        anterior.Fim = quebra;
    b.Linhas.insert(posicao, TLinha{linha, quebra});
    b.Chaves.insert(nomeChave, posicao);
    b.UltimaChave = posicao;
}
