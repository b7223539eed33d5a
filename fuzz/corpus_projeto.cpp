#include "corpus.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include "app/projeto_fixture.h"
#include "panel/UConteudoPainel.h"
#include "pasta_temporaria.h"

// Projects saved by the data module from random rows, copies changed through
// SQL the way a damaged or foreign file differs (values of the wrong type or
// out of range, a missing table, a newer version), and damaged bytes.
namespace {

QByteArray ler(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray conteudo(TGerador &g, int linhas, int colunas)
{
    QByteArray texto;
    for (int c = 1; c <= colunas; ++c)
        for (int r = 1; r <= linhas; ++r)
            TConteudoPainel::EscreverEntradaLed(texto, r, c, g.Chance(5));
    if (g.Chance(3)) {
        TConteudoPainel::EscreverEntradaCaractere(texto, true, 1, 1 + g.Ate(colunas), 'A' + g.Ate(26),
                                                  static_cast<TTipoFonte>(1 + g.Ate(12)), g.Chance(4));
        TConteudoPainel::FecharCaracteres(texto);
    }
    return texto;
}

TLinhaProjeto linha(TGerador &g, bool extra)
{
    TLinhaProjeto l;
    l.Painel = 1 + g.Ate(4);
    l.Numero = 1 + g.Ate(6);
    l.Linhas = g.Chance(4) ? 16 : 8;
    l.Colunas = 8 + g.Ate(40);
    l.Novo = g.Chance(10);
    for (int m = g.Ate(3); m >= 0; --m)
        l.Conteudo[g.Ate(8)] = conteudo(g, l.Linhas, l.Colunas);
    l.Rotulo[0] = g.Chance(2) ? QStringLiteral("Centro") : QStringLiteral("Estação %1").arg(g.Ate(100));
    l.Tempo = g.Ate(300);
    l.Sentido = g.Chance(3) ? g.Ate(8) : 0;
    l.TamanhoMensagem = g.Ate(200);
    l.TipoOnibus = g.Ate(3);
    if (extra && g.Chance(2)) {
        l.FonteRelogio = g.Ate(14);
        l.Relogio = {1 + g.Ate(l.Colunas), 1 + g.Ate(l.Colunas), 1 + g.Ate(l.Linhas), 1 + g.Ate(l.Linhas)};
    }
    return l;
}

// The project after an SQL statement; empty when the statement failed.
QByteArray alterado(const QByteArray &projeto, const QString &sql)
{
    const QString arquivo = PastaTemporaria().filePath(QStringLiteral("alterado.ar1"));
    if (!GravarSimples(arquivo, projeto))
        return {};
    bool ok = false;
    {
        QSqlDatabase banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("corpus"));
        banco.setDatabaseName(arquivo);
        ok = banco.open() && QSqlQuery(banco).exec(sql);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("corpus"));
    return ok ? ler(arquivo) : QByteArray();
}

}

void GerarCorpus(const TAlimentar &alimentar)
{
    static const char *const alteracoes[] = {
        "UPDATE DESTINOS_EXTRAS SET NRO_DESTINO = 1099511627776 WHERE rowid = 1",
        "UPDATE DESTINOS_EXTRAS SET NRO_DESTINO = -3 WHERE rowid = 1",
        "UPDATE DESTINOS_EXTRAS SET NRO_DESTINO = 70000",
        "UPDATE DESTINOS_EXTRAS SET PAINEL = 'frente'",
        "UPDATE DESTINOS_EXTRAS SET PAINEL = CASE rowid % 3 WHEN 0 THEN NULL WHEN 1 THEN 0 ELSE 9 END",
        "UPDATE DESTINOS_EXTRAS SET CONFIG_PAINEL1 = 12345",
        "UPDATE DESTINOS_EXTRAS SET CONFIG_PAINEL1 = X'00FF28297C'",
        "UPDATE DESTINOS_EXTRAS SET ROTULO1 = X'C3'",
        "UPDATE DESTINOS_EXTRAS SET NRO_LINHAS = 17",
        "UPDATE DESTINOS_EXTRAS SET NRO_COLUNAS = 300",
        "UPDATE DESTINOS_EXTRAS SET NRO_COLUNAS = 0, NRO_LINHAS = -1",
        "UPDATE DESTINOS_EXTRAS SET EXTRA = 2",
        "UPDATE DESTINOS_EXTRAS SET NOVO = NULL, EXTRA = NULL",
        "UPDATE DESTINOS_EXTRAS SET TPO_ROTATIVO1 = 2.5",
        "UPDATE DESTINOS_EXTRAS SET FONTE_HORARIO = '7', SENTIDO_ROTATIVO1 = 6",
        "UPDATE DESTINOS_EXTRAS SET POSXINICIAL = 0, POSYINICIAL = 200",
        "UPDATE DESTINOS_EXTRAS SET TAMANHO_MENSAGEM = 65536, SENTIDO_ROTATIVO1 = 1",
        "ALTER TABLE DESTINOS_EXTRAS ADD COLUMN OUTRA TEXT",
        "ALTER TABLE DESTINOS_EXTRAS DROP COLUMN NRO_LINHAS",
        "DROP TABLE DESTINOS_EXTRAS",
        "PRAGMA user_version = 2",
        "DELETE FROM DESTINOS_EXTRAS",
    };
    TGerador g(20261211);
    const QString arquivo = PastaTemporaria().filePath(QStringLiteral("gerado.ar1"));
    alimentar({});
    alimentar("SQLite format 3");
    for (int i = 0; i < 40; ++i) {
        TDtm_Destino d;
        d.AbrirTabelas({});
        for (int n = 1 + g.Ate(6); n > 0; --n)
            GravarLinha(d, linha(g, false));
        d.DefinirFiltroExtra(true);
        for (int n = g.Ate(3); n > 0; --n)
            GravarLinha(d, linha(g, true));
        QFile::remove(arquivo);
        if (!d.SalvarArquivo(arquivo))
            continue;
        const QByteArray projeto = ler(arquivo);
        alimentar(projeto);
        for (int k = 0; k < 3; ++k)
            if (const QByteArray a = alterado(projeto, QString::fromLatin1(alteracoes[g.Ate(std::size(alteracoes))]));
                !a.isEmpty())
                alimentar(a);
        for (int k = 0; k < 2; ++k)
            alimentar(g.Danificar(projeto));
    }
}
