#include <QTemporaryDir>
#include <QtTest>

#include "app/UImportacaoArt.h"
#include "app/gerador_projetos.h"
#include "app/linhas_fixture.h"
#include "data/UDtmDestino.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Fixture::TPreparo)

namespace {
// What becomes of a worked example of the builder.
enum class TDesfecho { Igual, Aviso, Recusado };
}
Q_DECLARE_METATYPE(TDesfecho)

namespace {
QByteArray art(TDtm_Destino &dados, const QList<TSinalEquipado> &sinais)
{
    return TGeradorProjetos::Art(dados, sinais);
}

// The file rebuilt into fresh tables.
struct TReconstrucao {
    TDtm_Destino dados;
    std::optional<TImportacaoArt> importacao;
    explicit TReconstrucao(const QByteArray &bytes)
    {
        dados.AbrirTabelas({});
        importacao.emplace(bytes);
        importacao->Reconstruir(dados);
    }
    QByteArray Art() { return art(dados, importacao->Sinais()); }
    // The row of (kind, sign, number), or an empty one.
    QVector<QVariant> Linha(bool extra, int painel, int numero)
    {
        return linhasGuardadas(dados.Cds_DestinosExtras).value({extra, painel, numero});
    }
    QVariant Valor(const QVector<QVariant> &linha, const QString &coluna)
    {
        return linha.value(dados.Cds_DestinosExtras.IndiceDaColuna(coluna));
    }
};

// Every message of every row is what a panel of the sign writes once it has
// loaded it: the form the program stores, so loading and storing changes nothing.
QString mensagemNaoCanonica(TDtm_Destino &dados)
{
    const TTabelaMemoria &t = dados.Cds_DestinosExtras;
    for (const QVector<QVariant> &linha : t.TodasAsLinhas()) {
        TPainelLed painel;
        painel.DefinirNroLinhas(linha.value(t.IndiceDaColuna(u"NRO_LINHAS"_s)).toInt());
        painel.DefinirNroColunas(linha.value(t.IndiceDaColuna(u"NRO_COLUNAS"_s)).toInt());
        if (linha.value(t.IndiceDaColuna(u"ROLAGEM"_s)).toBool())
            painel.DefinirRolagem(TRolagem::tsEsquerda);
        for (int i = 1; i <= 8; ++i) {
            const QByteArray texto = linha.value(t.IndiceDaColuna(u"CONFIG_PAINEL%1"_s.arg(i))).toByteArray();
            if (texto.isEmpty())
                continue;
            painel.Limpar();
            painel.CarregarConteudo(texto);
            if (painel.GerarConteudo(painel.NroLinhas(), painel.NroColunas()) != texto)
                return u"sinal %1, número %2, mensagem %3"_s.arg(linha.value(t.IndiceDaColuna(u"PAINEL"_s)).toInt())
                    .arg(linha.value(t.IndiceDaColuna(u"NRO_DESTINO"_s)).toInt())
                    .arg(i);
        }
    }
    return {};
}
}

// A project rebuilt from its pen drive file writes that file again, byte for byte.
class TesteImportacaoArt : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // Export, rebuild, export again over 1 000 generated projects (every sign
    // model and font, scrolling, eight messages, extras with clocks, gaps in
    // the numbering), in rows of 50 seeds.
    void idaEVolta_data()
    {
        QTest::addColumn<int>("primeira");
        for (int s = 1; s <= 1000; s += 50)
            QTest::addRow("seeds %d-%d", s, s + 49) << s;
    }
    void idaEVolta()
    {
        QFETCH(int, primeira);
        for (int s = primeira; s < primeira + 50; ++s) {
            TDtm_Destino dados;
            dados.AbrirTabelas({});
            const TGeradorProjetos::TProjeto projeto = TGeradorProjetos(quint32(s)).Gerar(dados);
            const QByteArray bytes = art(dados, projeto.Equipados());
            TReconstrucao r(bytes);
            QVERIFY2(!r.importacao->Difere(), qPrintable(u"semente %1: aviso de diferença"_s.arg(s)));
            QVERIFY2(r.Art() == bytes, qPrintable(u"semente %1: o arquivo mudou"_s.arg(s)));
            // Each sign with its size, in position order.
            QList<TSinalEquipado> esperados;
            for (const TSinalEquipado &sinal : projeto.Equipados())
                esperados.append(sinal);
            QCOMPARE(r.importacao->Sinais().size(), esperados.size());
            for (qsizetype i = 0; i < esperados.size(); ++i) {
                QCOMPARE(r.importacao->Sinais()[i].Painel, esperados[i].Painel);
                QCOMPARE(r.importacao->Sinais()[i].Linhas, esperados[i].Linhas);
                QCOMPARE(r.importacao->Sinais()[i].Colunas, esperados[i].Colunas);
            }
            if (s % 10 == 0) {
                const QString erro = mensagemNaoCanonica(r.dados);
                QVERIFY2(erro.isEmpty(), qPrintable(u"semente %1: %2"_s.arg(s).arg(erro)));
            }
        }
    }

    // The builder's worked examples come back byte for byte, or with the notice
    // where the program could never have written that file, or are refused.
    void exemplos_data()
    {
        QTest::addColumn<Fixture::TPreparo>("preparo");
        QTest::addColumn<TDesfecho>("desfecho");
        const QMap<QString, TDesfecho> fora{
            // Slot 16 is no sign position.
            {u"front and slot 16"_s, TDesfecho::Aviso},
            // Clocks placed where "00:00" typed in the font does not end, or on a sign but the front.
            {u"two clocks in one font"_s, TDesfecho::Aviso},
            {u"clocks on two signs"_s, TDesfecho::Aviso},
            {u"clock without extras on the first sign"_s, TDesfecho::Aviso},
            {u"clock without a font"_s, TDesfecho::Aviso},
            // The reader refuses a file without a sign.
            {u"empty builder"_s, TDesfecho::Recusado},
        };
        for (const Fixture::TExemplo &e : Fixture::Exemplos())
            QTest::newRow(qPrintable(e.Nome)) << e.Preparar << fora.value(e.Nome, TDesfecho::Igual);
    }
    void exemplos()
    {
        QFETCH(Fixture::TPreparo, preparo);
        QFETCH(TDesfecho, desfecho);
        // The file kind the transfer writes; the builder alone leaves it 0.
        TGeracaoArquivo g;
        g.DefinirTipoArquivo(2);
        preparo(g);
        const QByteArray bytes = g.GerarBytes();
        if (desfecho == TDesfecho::Recusado) {
            const auto reconstruir = [&bytes] { TReconstrucao r(bytes); };
            QVERIFY_THROWS_EXCEPTION(TErro, reconstruir());
            return;
        }
        TReconstrucao r(bytes);
        QCOMPARE(r.importacao->Difere(), desfecho == TDesfecho::Aviso);
        QCOMPARE(r.importacao->Observacoes().contains(u"não grava o mesmo arquivo"_s), desfecho == TDesfecho::Aviso);
        if (desfecho == TDesfecho::Igual)
            QCOMPARE(r.Art(), bytes);
        QCOMPARE(mensagemNaoCanonica(r.dados), QString());
    }

    // A file the reader refuses is refused with the reader's message.
    void arquivoDanificado_data()
    {
        QTest::addColumn<int>("corte");
        QTest::addColumn<int>("posicao");
        QTest::addColumn<int>("valor");
        QTest::newRow("cut in a record") << 200 << -1 << 0;
        QTest::newRow("cut in the header") << 40 << -1 << 0;
        QTest::newRow("wrong file length") << 0 << 1 << 0x20;
        QTest::newRow("a sign of 17 rows") << 0 << 12 << 17;
    }
    void arquivoDanificado()
    {
        QFETCH(int, corte);
        QFETCH(int, posicao);
        QFETCH(int, valor);
        TGeracaoArquivo g;
        Fixture::DoisPaineis(g, 2);
        QByteArray bytes = g.GerarBytes();
        if (corte > 0)
            bytes.truncate(corte);
        if (posicao >= 0)
            bytes[posicao] = char(valor);
        QString esperado;
        try {
            LerArquivoSaida(QByteArrayView(bytes));
        } catch (const TErroLeitura &e) {
            esperado = e.Mensagem;
        }
        QVERIFY(!esperado.isEmpty());
        try {
            TImportacaoArt importacao(bytes);
            QFAIL("the damaged file was read");
        } catch (const TErroLeitura &e) {
            QCOMPARE(e.Mensagem, esperado);
        }
    }

    // What comes back of a front and a side sign: numbers with their gaps, the
    // messages with time and direction, labels, scrolling and its division, the
    // clock typed where the file places it, the program's colours.
    void reconstrucao()
    {
        TGeracaoArquivo g;
        g.DefinirTipoArquivo(2);
        TPainel &frente = Fixture::Painel(g, 1, 8, 80);
        TPainel &lado = Fixture::Painel(g, 2, 8, 80);
        TDestinos &d1 =
            Fixture::Destino(frente, 1, Fixture::Conteudo(8, 80, {QPoint(1, 1)}), u"São Paulo|Centro"_s, 7);
        d1.Conteudo.append(Fixture::Conteudo(8, 80, {QPoint(80, 8)}));
        d1.QtdMensagens = 2;
        Fixture::Destino(frente, 3, Fixture::Conteudo(8, 80, {QPoint(5, 5)}), u"TRES"_s);
        Fixture::Destino(lado, 1, Fixture::Conteudo(8, 80, {QPoint(2, 2)}));
        TDestinos &rolando = Fixture::Destino(lado, 2, Fixture::Conteudo(8, 120, {QPoint(120, 1)}), {}, 3);
        rolando.DefinirSentido(TRolagem::tsEsquerda);
        rolando.TamanhoMensagem = 120;
        rolando.PosXInicial = 28;
        rolando.PosXFinal = 80;
        rolando.PosYInicial = 1;
        rolando.PosYFinal = 8;
        // The clock typed by the operator at row 1, column 41, on the second message.
        TPainelLed composto;
        composto.DefinirNroLinhas(8);
        composto.DefinirNroColunas(80);
        composto.DefinirFonteUtilizada(TTipoFonte::tfVeltronix8x7);
        composto.PosicionarCursor(41, 1);
        composto.InserirRelogio();
        TExtras &e = Fixture::ExtraComRelogio(frente, 1, TTipoFonte::tfVeltronix8x7, composto.RelogioColunaInicial(),
                                              composto.RelogioColunaFinal(), 1);
        e.Conteudo = {Fixture::Conteudo(8, 80, {QPoint(3, 3)}), composto.GerarConteudo(8, 80)};
        e.QtdMensagens = 2;
        const QByteArray bytes = g.GerarBytes();

        TReconstrucao r(bytes);
        QVERIFY(!r.importacao->Difere());
        QCOMPARE(r.Art(), bytes);
        QCOMPARE(r.importacao->Quantidades(), u"Frontal 2 destinos, 1 extra; Lateral 2 destinos, 0 extras"_s);
        // Front destination 2 is the empty record of a gap: no row.
        QVERIFY(r.Linha(false, 1, 2).isEmpty());
        const QVector<QVariant> f1 = r.Linha(false, 1, 1);
        QCOMPARE(r.Valor(f1, u"ROTULO1"_s).toString(), u"São Paulo|Ce"_s);
        QCOMPARE(r.Valor(f1, u"NRO_ROTATIVO2"_s).toInt(), 2);
        QCOMPARE(r.Valor(f1, u"TPO_ROTATIVO2"_s).toInt(), 7);
        QVERIFY(r.Valor(f1, u"CONFIG_PAINEL3"_s).isNull());
        QCOMPARE(r.Valor(f1, u"CONFIG_PAINEL2"_s).toByteArray(), Fixture::Conteudo(8, 80, {QPoint(80, 8)}));
        QCOMPARE(r.Valor(f1, u"COR_PADRAO"_s).toInt(), 0x0000FFFF);
        QCOMPARE(r.Valor(f1, u"TAMANHO_MENSAGEM"_s).toInt(), 80);
        QCOMPARE(r.Valor(r.Linha(false, 2, 1), u"ROTULO1"_s).toString(), u"Destino 1"_s);
        const QVector<QVariant> l2 = r.Linha(false, 2, 2);
        QCOMPARE(r.Valor(l2, u"ROLAGEM"_s).toBool(), true);
        QCOMPARE(r.Valor(l2, u"SENTIDO_ROTATIVO1"_s).toInt(), 1);
        QCOMPARE(r.Valor(l2, u"DIV_COLUNA"_s).toInt(), 28);
        QCOMPARE(r.Valor(l2, u"COR_DIVISAO"_s).toInt(), 0x0000FF00);
        QCOMPARE(r.Valor(l2, u"TAMANHO_MENSAGEM"_s).toInt(), 120);
        QCOMPARE(r.Valor(l2, u"CONFIG_PAINEL1"_s).toByteArray(), Fixture::Conteudo(8, 120, {QPoint(120, 1)}));
        const QVector<QVariant> x1 = r.Linha(true, 1, 1);
        QCOMPARE(r.Valor(x1, u"FONTE_HORARIO"_s).toInt(), 7);
        QCOMPARE(r.Valor(x1, u"POSXINICIAL"_s).toInt(), 41);
        QCOMPARE(r.Valor(x1, u"POSXFINAL"_s).toInt(), composto.RelogioColunaFinal());
        // The clock is typed on the message that lights its place, as the operator typed it.
        QVERIFY(!r.Valor(x1, u"CONFIG_PAINEL1"_s).toByteArray().contains('"'));
        QCOMPARE(r.Valor(x1, u"CONFIG_PAINEL2"_s).toByteArray(), composto.GerarConteudo(8, 80));
        QCOMPARE(r.Valor(x1, u"ROTULO1"_s).toString(), QString());
    }

    // The front label is the record's 12 characters; one cut at a blank keeps
    // the blank with a mark after it, since the row's label is trimmed.
    void rotuloDoFrontal_data()
    {
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("reconstruido");
        QTest::newRow("short") << u"LINHA 1"_s << u"LINHA 1"_s;
        QTest::newRow("cut") << u"Terminal Rodoviário"_s << u"Terminal Rod"_s;
        QTest::newRow("cut at a blank") << u"Praça da Sé Centro"_s << u"Praça da Sé …"_s;
        QTest::newRow("blank") << QString() << QString();
    }
    void rotuloDoFrontal()
    {
        QFETCH(QString, rotulo);
        QFETCH(QString, reconstruido);
        TGeracaoArquivo g;
        g.DefinirTipoArquivo(2);
        Fixture::Destino(Fixture::Painel(g, 1, 8, 80), 1, Fixture::Conteudo(8, 80, {QPoint(1, 1)}), rotulo);
        const QByteArray bytes = g.GerarBytes();
        TReconstrucao r(bytes);
        QCOMPARE(r.Valor(r.Linha(false, 1, 1), u"ROTULO1"_s).toString(), reconstruido);
        QCOMPARE(r.Art(), bytes);
    }
};

QTEST_GUILESS_MAIN(TesteImportacaoArt)
#include "tst_importacaoart.moc"
