#include "app/UListaDestinos.h"

#include <QStringConverter>
#include <QStringList>

#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {
[[noreturn]] void falha(int linha, const QString &motivo)
{
    throw TErro(u"ATENÇÃO:\r\nA lista não pode ser lida: linha %1: %2."_s.arg(linha).arg(motivo));
}

// Splits the text into records of fields; each record with the line it starts on.
struct TRegistro {
    int Linha;
    QStringList Campos;
};

QList<TRegistro> registros(const QString &texto, QChar separador)
{
    QList<TRegistro> resultado;
    QStringList campos;
    QString campo;
    bool entreAspas = false;
    bool campoIniciado = false;
    int linha = 1;
    int inicio = 1;
    const auto fecharCampo = [&] {
        campos << campo;
        campo.clear();
        campoIniciado = false;
    };
    const auto fecharRegistro = [&] {
        fecharCampo();
        // A blank line is not a record.
        if (!(campos.size() == 1 && campos.first().isEmpty()))
            resultado.append({inicio, campos});
        campos.clear();
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (entreAspas) {
            if (c == u'"') {
                if (i + 1 < texto.size() && texto.at(i + 1) == u'"') {
                    campo += u'"';
                    ++i;
                } else {
                    entreAspas = false;
                }
            } else {
                if (c == u'\n')
                    ++linha;
                campo += c;
            }
            continue;
        }
        if (c == u'"' && !campoIniciado) {
            entreAspas = true;
            campoIniciado = true;
        } else if (c == separador) {
            fecharCampo();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n')
                ++i;
            fecharRegistro();
            inicio = ++linha;
        } else {
            campo += c;
            campoIniciado = true;
        }
    }
    if (entreAspas)
        falha(inicio, u"aspas abertas e não fechadas"_s);
    if (!campo.isEmpty() || !campos.isEmpty())
        fecharRegistro();
    return resultado;
}
}

TListaDestinos LerLista(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError())
        throw TErro(u"ATENÇÃO:\r\nA lista não está em UTF-8. Salve-a como texto UTF-8 (CSV UTF-8) e importe de novo."_s);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    if (texto.trimmed().isEmpty())
        throw TErro(u"ATENÇÃO:\r\nA lista está vazia."_s);

    const QString cabecalho = texto.left(texto.indexOf(u'\n'));
    TListaDestinos lista;
    lista.Separador = cabecalho.contains(u';') ? u';' : u',';
    const QList<TRegistro> todos = registros(texto, lista.Separador);

    static const QStringList conhecidas{u"numero"_s, u"frontal"_s, u"lateral"_s, u"traseiro"_s, u"auxiliar"_s,
                                        u"extra"_s, u"rolagem"_s};
    QList<int> colunaDe(conhecidas.size(), -1);
    const QStringList nomes = todos.first().Campos;
    for (int i = 0; i < nomes.size(); ++i) {
        const QString nome = nomes.at(i).trimmed().toLower();
        const int k = int(conhecidas.indexOf(nome));
        if (k < 0)
            falha(1, u"coluna desconhecida \"%1\" (as colunas são numero, frontal, lateral, traseiro, auxiliar, "
                     "extra e rolagem)"_s.arg(nomes.at(i)));
        if (colunaDe[k] >= 0)
            falha(1, u"a coluna \"%1\" aparece duas vezes"_s.arg(nome));
        colunaDe[k] = i;
    }
    if (colunaDe[0] < 0)
        falha(1, u"falta a coluna \"numero\""_s);

    for (qsizetype r = 1; r < todos.size(); ++r) {
        const TRegistro &registro = todos.at(r);
        if (registro.Campos.size() > nomes.size())
            falha(registro.Linha, u"%1 campos, mas o cabeçalho tem %2"_s.arg(registro.Campos.size()).arg(nomes.size()));
        const auto campo = [&](int k) { return registro.Campos.value(colunaDe[k]).trimmed(); };
        TLinhaLista l;
        l.Linha = registro.Linha;
        l.Numero = campo(0);
        for (int p = 0; p < 4; ++p)
            if (colunaDe[p + 1] >= 0)
                l.Textos[size_t(p)] = registro.Campos.value(colunaDe[p + 1]).trimmed();
        l.Extra = colunaDe[5] >= 0 ? campo(5) : QString();
        l.Rolagem = colunaDe[6] >= 0 ? campo(6) : QString();
        lista.Linhas.append(l);
    }
    return lista;
}

QString CampoDaLista(const QString &texto, QChar separador)
{
    if (!texto.contains(separador) && !texto.contains(u'"') && !texto.contains(u'\n') && !texto.contains(u'\r'))
        return texto;
    QString citado = texto;
    citado.replace(u'"', u"\"\""_s);
    return u'"' + citado + u'"';
}
