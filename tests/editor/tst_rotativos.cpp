#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "editor/URotativos.h"
#include "editor/rotativos_fixture.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TRolagem)

// The rotating slots without a window: inheritance of new slots, the choice of
// a free slot, removal, slot changes, exposure time, the missing event and the
// direction codes.
class TesteTRotativos : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    // Columns holding a lit LED in a content text of `linhas` rows.
    static QList<int> colunasAcesas(const QByteArray &texto, int linhas)
    {
        const QByteArray bits = TConteudoPainel::ConteudoParaBits(texto);
        QList<int> colunas;
        for (int i = 0; i < bits.size(); ++i)
            if (bits.at(i) == '1' && !colunas.contains(i / linhas + 1))
                colunas.append(i / linhas + 1);
        return colunas;
    }

    // (slot, exposure time) of the records of a position, in list order.
    static QList<QPair<int, int>> slotsDe(const TRotativos &r, int painel)
    {
        QList<QPair<int, int>> resultado;
        for (const auto &c : r.Rotativos())
            if (c->Painel == painel)
                resultado.append({c->NroRotativo, c->TempoExposicao});
        return resultado;
    }

    static void escrever(TPainelLed &painel, int coluna, const QString &texto)
    {
        painel.PosicionarCursor(coluna, 1);
        painel.DigitarTexto(texto);
    }

private slots:
    void initTestCase()
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    void proximoHerdaParteFixa()
    {
        TRotativos r;
        TDonoRotativos dono(r, {1});
        r.ReiniciarRotativos();
        r.GravarAoTrocar = true;
        TPainelLed &frente = dono.Painel(1);
        frente.DefinirDivisaoNaColuna(28);
        frente.DefinirCores(Cores::Vermelho, Cores::Lima, Cores::Preto);
        escrever(frente, 1, u"12"_s);
        escrever(frente, 30, u"A"_s);
        QCOMPARE(frente.Rotulo(), u"12A"_s);
        for (int i = 0; i < 3; ++i)
            r.AumentarTempoExposicao();

        r.Proximo();

        QCOMPARE(r.RotativoAtual, quint16(2));
        const TCfgRotativo &primeiro = r.Configuracao(1, 1);
        QVERIFY(!primeiro.Vazio);
        QCOMPARE(primeiro.NroLinhas, qint16(8));
        QCOMPARE(primeiro.Rotulo, u"12A"_s);
        QVERIFY(colunasAcesas(primeiro.TextoConteudo(), 8).contains(30));

        const TCfgRotativo &segundo = r.Configuracao(1, 2);
        QVERIFY(segundo.Vazio);
        QCOMPARE(segundo.TempoExposicao, qint16(5));
        QCOMPARE(segundo.DivisaoNaColuna, qint16(28));
        QCOMPARE(segundo.CorLedNaDivisao, Cores::Vermelho);
        QCOMPARE(segundo.CorLed, Cores::Lima);
        QCOMPARE(segundo.NroLinhas, qint16(0));
        QVERIFY(segundo.Rotulo.isEmpty());
        const QList<int> acesas = colunasAcesas(segundo.TextoConteudo(), 8);
        QVERIFY(!acesas.isEmpty());
        QVERIFY(acesas.last() < 28);
        // The panel now shows slot 2: only the fixed part, with its characters.
        QCOMPARE(frente.Rotulo(), u"12"_s);
        QCOMPARE(frente.DivisaoNaColuna(), 28);
        QCOMPARE(frente.UltimaColunaAcesa(true), acesas.last());

        r.Anterior();
        QCOMPARE(r.RotativoAtual, quint16(1));
        QCOMPARE(frente.Rotulo(), u"12A"_s);
        QVERIFY(!r.Configuracao(1, 2).Vazio);
    }

    // A slot loaded from a row keeps the row's label when stored again while
    // the panel's typed characters are the ones the slot held (a drawn
    // message has none); typing or deleting gives it the typed characters.
    void rotuloGuardadoAParte_data()
    {
        QTest::addColumn<QString>("digitado");  // typed on the slot's content before it was loaded
        QTest::addColumn<QString>("acrescido"); // typed on the panel before storing
        QTest::addColumn<QString>("rotulo");
        QTest::newRow("drawn, stored untouched") << QString() << QString() << u"Destino 12"_s;
        QTest::newRow("clock, stored untouched") << u"00:00"_s << QString() << u"Destino 12"_s;
        QTest::newRow("drawn, then typed") << QString() << u"AB"_s << u"AB"_s;
        QTest::newRow("typed more") << u"X"_s << u"Y"_s << u"XY"_s;
    }
    void rotuloGuardadoAParte()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, acrescido);
        QFETCH(QString, rotulo);
        TRotativos r;
        TDonoRotativos dono(r, {1});
        r.ReiniciarRotativos();
        TPainelLed &frente = dono.Painel(1);
        escrever(frente, 1, digitado);
        frente.Led(3, 3, true)->DefinirAcesa(true);
        TCfgRotativo &slot = r.Configuracao(1, 1);
        // As a table row fills it: content and a label of its own.
        slot.DefinirTextoConteudo(frente.GerarConteudo(8, 40));
        slot.Rotulo = u"Destino 12"_s;
        slot.Vazio = false;
        slot.CarregarPainel(frente);
        if (!acrescido.isEmpty())
            escrever(frente, 20, acrescido);
        slot.GravarPainel(frente);
        QCOMPARE(slot.Rotulo, rotulo);
    }

    void novoRotativoSemNadaVisivel_data()
    {
        QTest::addColumn<int>("divisao");
        QTest::addColumn<bool>("gravadoDoPainel");
        QTest::newRow("sem divisão") << 0 << true;
        QTest::newRow("carregado de uma linha da tabela") << 28 << false;
    }
    void novoRotativoSemNadaVisivel()
    {
        QFETCH(int, divisao);
        QFETCH(bool, gravadoDoPainel);
        TRotativos r;
        TDonoRotativos dono(r, {1});
        r.ReiniciarRotativos();
        TPainelLed &frente = dono.Painel(1);
        escrever(frente, 1, u"12"_s);
        TCfgRotativo &primeiro = r.Configuracao(1, 1);
        if (gravadoDoPainel) {
            frente.DefinirDivisaoNaColuna(divisao);
            primeiro.GravarPainel(frente);
        } else {
            // As a table row fills it: content and division, but no row count.
            primeiro.DefinirTextoConteudo(frente.GerarConteudo(8, 40));
            primeiro.DivisaoNaColuna = qint16(divisao);
            primeiro.Vazio = false;
        }
        QVERIFY(!colunasAcesas(primeiro.TextoConteudo(), 8).isEmpty());

        const TCfgRotativo &segundo = r.Configuracao(1, 2);
        QVERIFY(colunasAcesas(segundo.TextoConteudo(), 8).isEmpty());
        QCOMPARE(segundo.DivisaoNaColuna, qint16(divisao));
        segundo.CarregarPainel(frente);
        QVERIFY(frente.TextoDigitado().empty());
        QCOMPARE(frente.UltimaColunaAcesa(true), 0);
    }

    void cadeiaDeRotativosAusentes()
    {
        TRotativos r;
        TDonoRotativos dono(r, {1});
        r.ReiniciarRotativos();
        TPainelLed &frente = dono.Painel(1);
        escrever(frente, 1, u"123"_s);
        frente.DefinirDivisaoNaColuna(10);
        TCfgRotativo &primeiro = r.Configuracao(1, 1);
        primeiro.GravarPainel(frente);
        primeiro.TempoExposicao = 7;
        primeiro.CorLed = Cores::Agua;
        primeiro.CorLedNaDivisao = Cores::Magenta;

        bool achou = true;
        QCOMPARE(r.BuscarConfiguracao(1, 5, false, achou), nullptr);
        QVERIFY(!achou);
        QCOMPARE(r.Rotativos().size(), size_t(1));

        TCfgRotativo *quinto = r.BuscarConfiguracao(1, 5, true, achou);
        QVERIFY(!achou);
        QCOMPARE(quinto->NroRotativo, quint16(5));
        const QList<QPair<int, int>> esperado{{1, 7}, {5, 7}, {4, 7}, {3, 7}, {2, 7}};
        QCOMPARE(slotsDe(r, 1), esperado);
        for (quint16 n = 2; n <= 5; ++n) {
            const TCfgRotativo &c = r.Configuracao(1, n);
            QCOMPARE(c.DivisaoNaColuna, qint16(10));
            QCOMPARE(c.CorLed, Cores::Agua);
            QCOMPARE(c.CorLedNaDivisao, Cores::Magenta);
            QVERIFY(c.Vazio);
        }
        // Slot 2 takes the fixed part of slot 1; slot 2 was never stored from a
        // panel (no row count), so slot 3 and later inherit nothing lit.
        const QList<int> acesas2 = colunasAcesas(r.Configuracao(1, 2).TextoConteudo(), 8);
        QVERIFY(!acesas2.isEmpty() && acesas2.last() < 10);
        QVERIFY(colunasAcesas(r.Configuracao(1, 3).TextoConteudo(), 8).isEmpty());

        QCOMPARE(r.BuscarConfiguracao(1, 3, false, achou), &r.Configuracao(1, 3));
        QVERIFY(achou);
    }

    void excluirConfiguracaoRenumeraAPosicao()
    {
        TRotativos r;
        TDonoRotativos dono(r, {1, 2});
        r.ReiniciarRotativos();
        for (quint16 n = 2; n <= 4; ++n) {
            r.Configuracao(1, n);
            if (n <= 3)
                r.Configuracao(2, n);
        }
        for (const auto &c : r.Rotativos())
            c->TempoExposicao = qint16(10 * c->Painel + c->NroRotativo);
        r.RotativoAtual = 4;

        r.ExcluirConfiguracao(1, 2);

        const QList<QPair<int, int>> frente{{1, 11}, {2, 13}, {3, 14}};
        const QList<QPair<int, int>> lado{{1, 21}, {2, 22}, {3, 23}};
        QCOMPARE(slotsDe(r, 1), frente);
        QCOMPARE(slotsDe(r, 2), lado);
        QCOMPARE(r.RotativoAtual, quint16(4));

        r.ExcluirConfiguracao(1, 7);
        QCOMPARE(slotsDe(r, 1), frente);
        QCOMPARE(r.Rotativos().size(), size_t(6));
    }

    void trocaDeRotativo_data()
    {
        QTest::addColumn<int>("inicial");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<bool>("gravar");
        QTest::addColumn<int>("esperado");
        QTest::newRow("Próximo em 8") << 8 << u"proximo"_s << true << 8;
        QTest::newRow("Próximo em 3") << 3 << u"proximo"_s << true << 4;
        QTest::newRow("Anterior em 1") << 1 << u"anterior"_s << true << 1;
        QTest::newRow("Anterior em 3") << 3 << u"anterior"_s << true << 2;
        QTest::newRow("caixa 6") << 1 << u"caixa6"_s << true << 6;
        QTest::newRow("sem GravarAoTrocar") << 1 << u"proximo"_s << false << 2;
    }
    void trocaDeRotativo()
    {
        QFETCH(int, inicial);
        QFETCH(QString, comando);
        QFETCH(bool, gravar);
        QFETCH(int, esperado);
        TRotativos r;
        TDonoRotativos dono(r, {1, 3});
        r.ReiniciarRotativos();
        r.ClicarRotativo(quint16(inicial));
        dono.antes = dono.apos = 0;
        r.GravarAoTrocar = gravar;

        if (comando == u"proximo")
            r.Proximo();
        else if (comando == u"anterior")
            r.Anterior();
        else
            r.ClicarRotativo(6);

        QCOMPARE(int(r.RotativoAtual), esperado);
        QCOMPARE(int(r.RotativoMarcado()), esperado);
        QCOMPARE(dono.antes, gravar ? 1 : 0);
        QCOMPARE(dono.apos, 1);
        bool achou = false;
        QVERIFY(r.BuscarConfiguracao(3, quint16(esperado), false, achou));
    }

    void anteriorAntesDoReinicioFicaEmUm()
    {
        TRotativos r;
        TDonoRotativos dono(r, {1});
        r.Anterior();
        QCOMPARE(r.RotativoAtual, quint16(1));
        bool achou = false;
        QVERIFY(!r.BuscarConfiguracao(1, 0, false, achou));
    }

    void tempoExposicao_data()
    {
        QTest::addColumn<int>("inicial");
        QTest::addColumn<bool>("subir");
        QTest::addColumn<int>("esperado");
        QTest::newRow("0 descendo") << 0 << false << 0;
        QTest::newRow("1 descendo") << 1 << false << 0;
        QTest::newRow("254 subindo") << 254 << true << 255;
        QTest::newRow("255 subindo") << 255 << true << 255;
        QTest::newRow("2 subindo") << 2 << true << 3;
    }
    void tempoExposicao()
    {
        QFETCH(int, inicial);
        QFETCH(bool, subir);
        QFETCH(int, esperado);
        TRotativos r;
        TDonoRotativos dono(r, {1, 2});
        r.ReiniciarRotativos();
        dono.ativo = 2;
        r.ClicarRotativo(2);
        r.Configuracao(2, 2).TempoExposicao = qint16(inicial);
        const auto exibidoAntes = r.TempoExibido();

        subir ? r.AumentarTempoExposicao() : r.DiminuirTempoExposicao();

        QCOMPARE(int(r.Configuracao(2, 2).TempoExposicao), esperado);
        QCOMPARE(r.Configuracao(1, 2).TempoExposicao, qint16(2));
        if (subir || inicial > 0)
            QCOMPARE(r.TempoExibido(), std::optional<qint16>(qint16(esperado)));
        else
            QCOMPARE(r.TempoExibido(), exibidoAntes);
    }

    void eventoAusente()
    {
        const QString mensagem = u"ATENÇÃO:\r\nO evento \"OnRetornaPainelAtivo\" não foi informado."_s;
        const QList<QPair<QString, std::function<void(TRotativos &)>>> operacoes{
            {u"SelecionarRotativo"_s, [](TRotativos &r) { r.SelecionarRotativo(2, true); }},
            {u"ClicarRotativo"_s, [](TRotativos &r) { r.ClicarRotativo(3); }},
            {u"Proximo"_s, [](TRotativos &r) { r.Proximo(); }},
            {u"AumentarTempoExposicao"_s, [](TRotativos &r) { r.AumentarTempoExposicao(); }},
            {u"DiminuirTempoExposicao"_s, [](TRotativos &r) { r.DiminuirTempoExposicao(); }},
            {u"ReiniciarRotativos"_s, [](TRotativos &r) { r.ReiniciarRotativos(); }},
        };
        for (const auto &[nome, operacao] : operacoes) {
            TRotativos r;
            TDonoRotativos dono(r, {1});
            r.ReiniciarRotativos();
            r.GravarAoTrocar = true;
            r.OnRetornaPainelAtivo = nullptr;
            QString erro;
            try {
                operacao(r);
            } catch (const TErro &e) {
                erro = e.Mensagem;
            }
            QVERIFY2(erro == mensagem, qPrintable(nome));
            QCOMPARE(r.Rotativos().size(), size_t(1));
            QCOMPARE(r.RotativoAtual, quint16(1));
            QCOMPARE(r.Configuracao(1, 1).TempoExposicao, qint16(2));
            QCOMPARE(dono.antes, 0);
            QVERIFY(r.GravarAoTrocar);
        }
    }

    void reinicioEExibicao()
    {
        TRotativos r;
        TDonoRotativos dono(r, {1, 2, 4});
        QCOMPARE(r.RotativoMarcado(), quint16(0));
        QVERIFY(!r.TempoExibido());
        r.Configuracao(1, 3);
        dono.ativo = 2;

        r.ReiniciarRotativos();

        QCOMPARE(r.Rotativos().size(), size_t(3));
        QCOMPARE(r.Rotativos()[0]->Painel, qint16(1));
        QCOMPARE(r.Rotativos()[1]->Painel, qint16(2));
        QCOMPARE(r.Rotativos()[2]->Painel, qint16(4));
        QCOMPARE(r.RotativoMarcado(), quint16(1));
        QCOMPARE(r.TempoExibido(), std::optional<qint16>(2));

        for (quint16 fora : {quint16(0), quint16(9)}) {
            r.ExibirRotativo(2, fora);
            QCOMPARE(r.RotativoAtual, quint16(1));
            QCOMPARE(r.RotativoMarcado(), quint16(1));
            QCOMPARE(r.Rotativos().size(), size_t(3));
        }
    }

    void codigosDoSentido_data()
    {
        QTest::addColumn<TRolagem>("sentido");
        QTest::addColumn<int>("codigo");
        QTest::newRow("tsNenhum") << TRolagem::tsNenhum << 0;
        QTest::newRow("tsEsquerda") << TRolagem::tsEsquerda << 1;
        QTest::newRow("tsBaixo") << TRolagem::tsBaixo << 2;
        QTest::newRow("tsCima") << TRolagem::tsCima << 3;
        QTest::newRow("tsDireita") << TRolagem::tsDireita << 4;
        QTest::newRow("tsHorario") << TRolagem::tsHorario << 6;
    }
    void codigosDoSentido()
    {
        QFETCH(TRolagem, sentido);
        QFETCH(int, codigo);
        QCOMPARE(CodigoDoSentido(sentido), codigo);
        QCOMPARE(SentidoDoCodigo(codigo), sentido);
    }

    void codigosSemSentido()
    {
        for (int codigo : {5, 7, -1, 255})
            QCOMPARE(SentidoDoCodigo(codigo), TRolagem::tsNenhum);
    }
};

QTEST_GUILESS_MAIN(TesteTRotativos)
#include "tst_rotativos.moc"
