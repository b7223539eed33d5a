#include "app/URecuperacao.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <algorithm>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

#include "data/UConexaoSqlite.h"
#include "editor/UEstadoEditor.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {
QString &pastaDefinida()
{
    static QString pasta;
    return pasta;
}

const QString prefixo = u"recuperacao-"_s;

void exigir(bool ok, const QSqlQuery &q)
{
    if (!ok)
        throw TErro(u"ATENÇÃO:\r\nNão foi possível gravar a cópia de recuperação.\r\n(%1)"_s.arg(q.lastError().text()));
}

void executar(QSqlQuery &q, const QString &sql)
{
    exigir(q.exec(sql), q);
}

void gravarTabelasDaCopia(QSqlDatabase &banco, const TCopiaRecuperacao &c)
{
    QSqlQuery q(banco);
    executar(q, u"CREATE TABLE RECUPERACAO (CHAVE TEXT, VALOR TEXT)"_s);
    q.prepare(u"INSERT INTO RECUPERACAO VALUES (?, ?)"_s);
    const QList<QPair<QString, QString>> valores{
        {u"ARQUIVO"_s, c.ArquivoOriginal},
        {u"MOMENTO"_s, c.Momento.toString(Qt::ISODateWithMs)},
        {u"EXTRA"_s, c.Extra ? u"1"_s : u"0"_s},
        {u"NUMERO"_s, QString::number(c.Numero)},
        {u"ROTATIVO"_s, QString::number(c.Rotativo)}};
    for (const auto &[chave, valor] : valores) {
        q.bindValue(0, chave);
        q.bindValue(1, valor);
        exigir(q.exec(), q);
    }
    executar(q, u"CREATE TABLE PAINEIS_RECUPERADOS (POSICAO INTEGER, LINHAS INTEGER, COLUNAS INTEGER, "
                "FONTE INTEGER, ROLAGEM INTEGER, DIVISAO INTEGER, COR_LED INTEGER, COR_DIVISAO INTEGER, "
                "CONTEUDO BLOB)"_s);
    q.prepare(u"INSERT INTO PAINEIS_RECUPERADOS VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (const TPainelRecuperado &p : c.Paineis) {
        const QVariantList v{p.Posicao, p.Linhas, p.Colunas, p.Fonte, p.Rolagem, p.Divisao, qint64(p.CorLed),
                             qint64(p.CorDivisao), p.Conteudo};
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, v.at(i));
        exigir(q.exec(), q);
    }
    executar(q, u"CREATE TABLE ROTATIVOS_RECUPERADOS (POSICAO INTEGER, NUMERO INTEGER, VAZIO INTEGER, "
                "TEMPO INTEGER, ROLAGEM INTEGER, ROTULO TEXT, DIVISAO INTEGER, COR_LED INTEGER, "
                "COR_DIVISAO INTEGER, CONTEUDO BLOB)"_s);
    q.prepare(u"INSERT INTO ROTATIVOS_RECUPERADOS VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (const TRotativoRecuperado &r : c.Rotativos) {
        const QVariantList v{r.Posicao, r.Numero, int(r.Vazio), r.Tempo, r.Rolagem, r.Rotulo, r.Divisao,
                             qint64(r.CorLed), qint64(r.CorDivisao), r.Conteudo};
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, v.at(i));
        exigir(q.exec(), q);
    }
}

[[noreturn]] void danificada(const QString &arquivo, const QString &detalhe)
{
    throw TErro(u"ATENÇÃO:\r\nA cópia de recuperação \"%1\" está danificada e não pode ser usada.\r\n(%2)"_s.arg(
        QDir::toNativeSeparators(arquivo), detalhe));
}

// This run's own copy counts as living: it is never offered back to the run that keeps it.
bool processoVivo(qint64 pid)
{
    return pid == qint64(::getpid()) || (pid > 0 && ::kill(pid_t(pid), 0) == 0);
}
}

namespace TRecuperacao {

QString Pasta()
{
    if (!pastaDefinida().isEmpty())
        return pastaDefinida();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(u"recuperacao"_s);
}

void DefinirPasta(const QString &pasta)
{
    pastaDefinida() = pasta;
}

QString ArquivoDestaExecucao()
{
    return QDir(Pasta()).filePath(u"%1%2.ar1"_s.arg(prefixo).arg(::getpid()));
}

QStringList CopiasAbandonadas()
{
    QDir pasta(Pasta());
    QList<QPair<QDateTime, QString>> copias;
    for (const QFileInfo &info : pasta.entryInfoList({prefixo + u"*.ar1"_s}, QDir::Files)) {
        bool ok = false;
        const qint64 pid = info.completeBaseName().mid(prefixo.size()).toLongLong(&ok);
        if (!ok || processoVivo(pid))
            continue;
        copias.append({info.lastModified(), info.filePath()});
    }
    std::sort(copias.begin(), copias.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList arquivos;
    for (const auto &c : std::as_const(copias))
        arquivos << c.second;
    return arquivos;
}

void CopiarDoEditor(TCopiaRecuperacao &copia, const TEstadoEditor &estado)
{
    copia.Rotativo = estado.RotativoAtual;
    copia.Paineis.clear();
    for (const TEstadoEditor::TPainel &p : estado.Paineis)
        copia.Paineis.append({p.Posicao, p.Linhas, p.Colunas, int(p.Fonte), int(p.Rolagem), p.Divisao, p.CorLed,
                              p.CorDivisao, p.Conteudo});
    copia.Rotativos.clear();
    for (const TEstadoEditor::TRotativo &r : estado.Rotativos)
        copia.Rotativos.append({r.Posicao, r.Numero, r.Vazio, r.Tempo, int(r.Rolagem), r.Rotulo, r.Divisao, r.CorLed,
                                r.CorDivisao, r.Conteudo.value_or(QByteArray())});
}

void AplicarAoEditor(const TCopiaRecuperacao &copia, TEstadoEditor &estado)
{
    for (TEstadoEditor::TPainel &p : estado.Paineis)
        for (const TPainelRecuperado &r : copia.Paineis)
            if (r.Posicao == p.Posicao) {
                p.Linhas = r.Linhas;
                p.Colunas = r.Colunas;
                p.Fonte = static_cast<TTipoFonte>(r.Fonte);
                p.Rolagem = static_cast<TRolagem>(r.Rolagem);
                p.Divisao = r.Divisao;
                p.CorLed = r.CorLed;
                p.CorDivisao = r.CorDivisao;
                p.Conteudo = r.Conteudo;
            }
    // A slot's rows are those of the stored slot it replaces; a stored slot new
    // to the editor had its sign's rows, as storing it from the panel gives.
    const auto linhas = [&](const TRotativoRecuperado &r) {
        for (const TEstadoEditor::TRotativo &antes : estado.Rotativos)
            if (antes.Posicao == r.Posicao && antes.Numero == r.Numero)
                return antes.Linhas;
        if (!r.Vazio)
            for (const TPainelRecuperado &p : copia.Paineis)
                if (p.Posicao == r.Posicao)
                    return p.Linhas;
        return 0;
    };
    std::vector<TEstadoEditor::TRotativo> rotativos;
    for (const TRotativoRecuperado &r : copia.Rotativos)
        rotativos.push_back({r.Posicao, r.Numero, r.Vazio, r.Tempo, static_cast<TRolagem>(r.Rolagem), r.Rotulo,
                             r.Divisao, linhas(r), r.CorLed, r.CorDivisao, r.Conteudo});
    estado.Rotativos = std::move(rotativos);
    estado.RotativoAtual = quint16(copia.Rotativo);
}

void Gravar(const QString &arquivo, const TCopiaRecuperacao &copia)
{
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    TArquivoProjeto::GravarConteudo(arquivo, copia.Tabela,
                                    [&](QSqlDatabase &banco) { gravarTabelasDaCopia(banco, copia); });
}

TCopiaRecuperacao Ler(const QString &arquivo, const TTabelaMemoria &molde)
{
    TCopiaRecuperacao c;
    try {
        c.Tabela.Linhas = TArquivoProjeto::Ler(arquivo, molde);
    } catch (const TErro &e) {
        danificada(arquivo, e.Mensagem.section(u"\r\n"_s, 1).simplified());
    }
    TConexaoSqlite conexao(arquivo, true);
    QSqlQuery q(conexao.Banco());
    if (!q.exec(u"SELECT CHAVE, VALOR FROM RECUPERACAO"_s))
        danificada(arquivo, q.lastError().text());
    QHash<QString, QString> valores;
    while (q.next())
        valores.insert(q.value(0).toString(), q.value(1).toString());
    c.ArquivoOriginal = valores.value(u"ARQUIVO"_s);
    c.Momento = QDateTime::fromString(valores.value(u"MOMENTO"_s), Qt::ISODateWithMs);
    c.Extra = valores.value(u"EXTRA"_s) == u"1";
    c.Numero = valores.value(u"NUMERO"_s, u"1"_s).toInt();
    c.Rotativo = std::clamp(valores.value(u"ROTATIVO"_s, u"1"_s).toInt(), 1, 8);
    if (!c.Momento.isValid())
        danificada(arquivo, u"sem a hora da cópia"_s);
    if (!q.exec(u"SELECT * FROM PAINEIS_RECUPERADOS"_s))
        danificada(arquivo, q.lastError().text());
    while (q.next()) {
        TPainelRecuperado p{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                            q.value(4).toInt(), q.value(5).toInt(), TCor(q.value(6).toLongLong()),
                            TCor(q.value(7).toLongLong()), q.value(8).toByteArray()};
        if (p.Posicao < 1 || p.Posicao > 4)
            danificada(arquivo, u"painel %1"_s.arg(p.Posicao));
        c.Paineis.append(p);
    }
    if (!q.exec(u"SELECT * FROM ROTATIVOS_RECUPERADOS"_s))
        danificada(arquivo, q.lastError().text());
    while (q.next()) {
        TRotativoRecuperado r{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toBool(), q.value(3).toInt(),
                              q.value(4).toInt(), q.value(5).toString(), q.value(6).toInt(),
                              TCor(q.value(7).toLongLong()), TCor(q.value(8).toLongLong()), q.value(9).toByteArray()};
        if (r.Posicao < 1 || r.Posicao > 4 || r.Numero < 1 || r.Numero > 8)
            danificada(arquivo, u"mensagem %1 do painel %2"_s.arg(r.Numero).arg(r.Posicao));
        c.Rotativos.append(r);
    }
    return c;
}

QString PorDeLado(const QString &arquivo, const QString &tipo)
{
    const QFileInfo info(arquivo);
    QString nome = info.dir().filePath(
        u"recuperacao-%1-%2.ar1"_s.arg(tipo, QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s)));
    for (int n = 2; QFileInfo::exists(nome); ++n)
        nome = info.dir().filePath(u"recuperacao-%1-%2-%3.ar1"_s.arg(
            tipo, QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s)).arg(n));
    QFile::rename(arquivo, nome);
    return nome;
}

}

TGravadorRecuperacao::TGravadorRecuperacao(QString arquivo)
    : arquivo(std::move(arquivo)), trabalhador([this] { trabalhar(); })
{
}

TGravadorRecuperacao::~TGravadorRecuperacao()
{
    {
        std::lock_guard bloqueio(trava);
        encerrar = true;
    }
    sinal.notify_all();
    trabalhador.join();
}

void TGravadorRecuperacao::Agendar(TCopiaRecuperacao copia)
{
    {
        std::lock_guard bloqueio(trava);
        pendente = std::move(copia);
        removerPendente = false;
    }
    sinal.notify_all();
}

void TGravadorRecuperacao::Remover()
{
    {
        std::lock_guard bloqueio(trava);
        pendente.reset();
        removerPendente = true;
    }
    sinal.notify_all();
}

void TGravadorRecuperacao::Esperar()
{
    std::unique_lock bloqueio(trava);
    sinal.wait(bloqueio, [this] { return !pendente && !removerPendente && !ocupado; });
}

void TGravadorRecuperacao::trabalhar()
{
    std::unique_lock bloqueio(trava);
    for (;;) {
        sinal.wait(bloqueio, [this] { return encerrar || pendente || removerPendente; });
        if (!pendente && !removerPendente)
            return;
        std::optional<TCopiaRecuperacao> copia = std::exchange(pendente, std::nullopt);
        const bool remover = std::exchange(removerPendente, false);
        ocupado = true;
        bloqueio.unlock();
        try {
            if (copia)
                TRecuperacao::Gravar(arquivo, *copia);
            else if (remover)
                QFile::remove(arquivo);
        } catch (const TErro &) {
            // A copy that cannot be written now is written with the next change; the work itself is untouched.
        }
        bloqueio.lock();
        ocupado = false;
        sinal.notify_all();
    }
}
