#include <QtTest>
#include <memory>

#include "editor/UEditorPaineis.h"
#include "editor/URotativos.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TTipoFonte)

// The panel editor without widgets: where panels go, which one is active,
// slot storage and the simulator's steps, over plain panels.
class TesteEditorPaineis : public QObject {
    Q_OBJECT

    // An editor with plain panels at the positions asked for, 8 x 80 unless told otherwise.
    struct TEditor {
        TRotativos rotativos;
        TEditorPaineis editor{rotativos};
        std::array<std::unique_ptr<TPainelLed>, 4> paineis;

        explicit TEditor(std::initializer_list<int> posicoes)
        {
            for (int posicao : posicoes) {
                auto painel = std::make_unique<TPainelLed>();
                painel->Tag = posicao;
                painel->DefinirNroLinhas(8);
                painel->DefinirNroColunas(80);
                painel->PosicionarCursor(1, 1);
                editor.DefinirPainel(posicao, painel.get());
                paineis[size_t(posicao - 1)] = std::move(painel);
            }
            editor.LigarRotativos();
            rotativos.ReiniciarRotativos();
            rotativos.GravarAoTrocar = true;
        }
        TPainelLed &Painel(int posicao) { return *paineis[size_t(posicao - 1)]; }
        bool TemConfiguracao(int posicao, int rotativo)
        {
            bool achou = false;
            return rotativos.BuscarConfiguracao(qint16(posicao), quint16(rotativo), false, achou) != nullptr;
        }
    };

    static QString texto(const TEditorPaineis::TDisposicao &d)
    {
        QStringList lugares;
        for (int i = 0; i < 4; ++i)
            if (const auto &l = d.Lugares[size_t(i)])
                lugares << u"%1:%2,%3/%4,%5"_s.arg(i + 1).arg(l->Legenda.x()).arg(l->Legenda.y()).arg(l->Painel.x())
                               .arg(l->Painel.y());
        return lugares.join(u' ') + u" h%1"_s.arg(d.Altura);
    }

private slots:
    // Captions 40 x 15; front 13 x 96 and rear 13 x 32 at 7 pixels a LED, side and auxiliary 8 x 80.
    void organizar_data()
    {
        QTest::addColumn<QList<int>>("posicoes");
        QTest::addColumn<QString>("lugares");
        QTest::newRow("front and rear: stacked") << QList<int>{1, 3} << u"1:10,1/10,17 3:10,109/10,125 h217"_s;
        // Beside a lower sign, the rear reaches below it: the area ends under the rear.
        QTest::newRow("front, side, rear: rear beside the side sign")
            << QList<int>{1, 2, 3} << u"1:10,1/10,17 2:10,109/10,125 3:680,109/680,125 h217"_s;
        QTest::newRow("side and rear: stacked") << QList<int>{2, 3} << u"2:10,1/10,17 3:10,74/10,90 h182"_s;
        QTest::newRow("front, auxiliary, rear: beside the auxiliary sign")
            << QList<int>{1, 3, 4} << u"1:10,1/10,17 3:680,109/680,125 4:10,109/10,125 h217"_s;
        QTest::newRow("all four") << QList<int>{1, 2, 3, 4}
                                  << u"1:10,1/10,17 2:10,109/10,125 3:680,109/680,125 4:10,182/10,198 h255"_s;
    }
    void organizar()
    {
        QFETCH(QList<int>, posicoes);
        QFETCH(QString, lugares);
        const QSize tamanhos[] = {{672, 91}, {560, 56}, {224, 91}, {560, 56}};
        std::array<std::optional<TEditorPaineis::TPeca>, 4> pecas;
        for (int p : posicoes)
            pecas[size_t(p - 1)] = TEditorPaineis::TPeca{QSize(40, 15), tamanhos[p - 1]};
        QCOMPARE(texto(TEditorPaineis::Organizar(pecas)), lugares);
    }

    void painelAtivo()
    {
        TEditor soTraseiro({3});
        QCOMPARE(soTraseiro.editor.PainelAtivo(), &soTraseiro.Painel(3));
        QCOMPARE(soTraseiro.editor.NumeroPainelAtivo, quint16(3));
        soTraseiro.editor.DefinirPainelAtivo(2);
        QCOMPARE(soTraseiro.editor.PainelAtivo(), nullptr);

        TEditor frenteELado({1, 2});
        frenteELado.editor.DefinirPainelAtivo(2);
        QCOMPARE(frenteELado.editor.PainelAtivo(), &frenteELado.Painel(2));
        frenteELado.editor.DefinirPainelAtivo(9);
        QCOMPARE(frenteELado.editor.PainelAtivo(), &frenteELado.Painel(1));
        QCOMPARE(frenteELado.editor.NumeroPainelAtivo, quint16(1));

        TEditorPaineis::TDisposicao vazio = TEditorPaineis::Organizar({});
        QCOMPARE(vazio.Altura, 1);
        TRotativos r;
        TEditorPaineis semPaineis(r);
        QCOMPARE(semPaineis.PainelAtivo(), nullptr);
        QCOMPARE(semPaineis.NumeroPainelAtivo, quint16(0));
    }

    void modelos_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("colunas");
        QTest::addColumn<int>("modelo");
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::newRow("8 x 40") << 8 << 40 << 0 << TTipoFonte::tfVeltronix8x7;
        QTest::newRow("8 x 96, not in the list") << 8 << 96 << -1 << TTipoFonte::tfVeltronix8x7;
        QTest::newRow("1 row") << 1 << 40 << -1 << TTipoFonte::tfVeltronix8x7;
        QTest::newRow("9 rows") << 9 << 96 << -1 << TTipoFonte::tfVeltronix11x6;
        QTest::newRow("11 x 96") << 11 << 96 << 4 << TTipoFonte::tfVeltronix11x6;
        QTest::newRow("12 rows") << 12 << 128 << -1 << TTipoFonte::tfVeltronix13x7;
        QTest::newRow("13 x 128") << 13 << 128 << 11 << TTipoFonte::tfVeltronix13x7;
        QTest::newRow("14 rows: the font stays") << 14 << 96 << -1 << TTipoFonte::tfNenhum;
    }
    void modelos()
    {
        QFETCH(int, linhas);
        QFETCH(int, colunas);
        QFETCH(int, modelo);
        QFETCH(TTipoFonte, fonte);
        QCOMPARE(TEditorPaineis::IndiceDoModelo(linhas, colunas), modelo);
        QCOMPARE(TEditorPaineis::FonteDasLinhas(linhas).value_or(TTipoFonte::tfNenhum), fonte);
        if (modelo >= 0) {
            const auto &m = TEditorPaineis::Modelos()[size_t(modelo)];
            QCOMPARE(m.Legenda, u"Modelo %1x%2"_s.arg(linhas).arg(colunas));
            QCOMPARE(m.Linhas, linhas);
            QCOMPARE(m.Colunas, colunas);
        }
    }

    // An empty panel is not stored: its slot keeps what it held and shows it again.
    void gravarSoPaineisComConteudo()
    {
        TEditor e({1, 2});
        e.Painel(1).DigitarTexto(u"CENTRO"_s);
        e.Painel(2).DigitarTexto(u"BAIRRO"_s);
        e.editor.GravarRotativoAtual();
        const QByteArray lado = e.rotativos.Configuracao(2, 1).TextoConteudo();
        e.Painel(2).Limpar();
        e.editor.GravarRotativoAtual();
        QCOMPARE(e.rotativos.Configuracao(2, 1).TextoConteudo(), lado);
        QCOMPARE(e.rotativos.Configuracao(1, 1).Rotulo, u"CENTRO"_s);
        QVERIFY(!e.rotativos.Configuracao(1, 1).Vazio);

        e.rotativos.ClicarRotativo(2);
        e.rotativos.ClicarRotativo(1);
        QCOMPARE(e.Painel(2).Rotulo(), u"BAIRRO"_s);
        QCOMPARE(e.Painel(1).Rotulo(), u"CENTRO"_s);
    }

    // Looking through the slots makes no messages: a new slot of a divided sign
    // shows its fixed part and stays empty unless the operator edits it; a
    // scrolling sign's one message is slot 1, whatever slot the others show.
    void percorrerSlotsNaoCriaMensagens()
    {
        TEditor e({1, 2});
        TPainelLed &frente = e.Painel(1);
        frente.DefinirDivisaoNaColuna(28);
        frente.DigitarTexto(u"100 CENTRO"_s);
        e.Painel(2).DefinirRolagem(TRolagem::tsEsquerda);
        e.Painel(2).DigitarTexto(u"VIA EXPRESSA SUL TERMINAL"_s);
        e.editor.GravarRotativoAtual();
        for (quint16 slot : {2, 3, 4, 1})
            e.rotativos.ClicarRotativo(slot);
        for (int slot = 2; slot <= 4; ++slot) {
            QVERIFY(e.rotativos.Configuracao(1, quint16(slot)).Vazio);
            QVERIFY(e.rotativos.Configuracao(2, quint16(slot)).Vazio);
        }
        QVERIFY(!e.rotativos.Configuracao(2, 1).Vazio);
        // On slot 2, typing makes it a message, with the fixed part it brought.
        e.rotativos.ClicarRotativo(2);
        QVERIFY(frente.UltimaColunaAcesa(true) > 0 && frente.UltimaColunaAcesa(true) < 28);
        frente.PosicionarCursor(30, 1);
        frente.DigitarTexto(u"X"_s);
        e.Painel(2).DigitarTexto(u" E"_s);
        e.editor.GravarRotativoAtual();
        QVERIFY(!e.rotativos.Configuracao(1, 2).Vazio);
        QVERIFY(e.rotativos.Configuracao(2, 2).Vazio);
        QCOMPARE(e.rotativos.Configuracao(2, 1).Rotulo, u"VIA EXPRESSA SUL TERMINAL E"_s);
    }

    // Slots 1 to 3 on the front sign and 1 and 2 on the side: 1, 2, 3, 1; visiting 3 gives the side a slot 3.
    void contadorRotativo()
    {
        TEditor e({1, 2});
        for (int n = 1; n <= 3; ++n)
            e.rotativos.Configuracao(1, quint16(n)).TempoExposicao = qint16(n + 1);
        e.rotativos.Configuracao(2, 2);
        QVERIFY(!e.TemConfiguracao(2, 3));
        QList<int> visitados;
        QList<int> intervalos;
        e.editor.DefinirPainelAtivo(1);
        for (int passo = 0; passo < 4; ++passo) {
            intervalos << e.editor.PassoDeRotativo();
            visitados << e.editor.ContadorSimulador;
        }
        QCOMPARE(visitados, (QList<int>{1, 2, 3, 1}));
        QCOMPARE(intervalos, (QList<int>{2000, 3000, 4000, 2000}));
        QVERIFY(e.TemConfiguracao(2, 3));
        QCOMPARE(e.rotativos.RotativoAtual, quint16(1));
    }

    // The front sign has messages in slots 1 and 2, the rear one only in slot 1:
    // on the step to slot 2 the rear sign shows the editor's start of a new slot
    // (nothing, without a division), or keeps its message.
    void semMensagemNoSlot_data()
    {
        QTest::addColumn<bool>("manter");
        QTest::addColumn<QString>("traseiro");
        QTest::newRow("the editor's new slot") << false << QString();
        QTest::newRow("kept") << true << u"LINHA 5"_s;
    }
    void semMensagemNoSlot()
    {
        QFETCH(bool, manter);
        QFETCH(QString, traseiro);
        TEditor e({1, 3});
        e.Painel(1).DigitarTexto(u"CENTRO"_s);
        e.Painel(3).DigitarTexto(u"LINHA 5"_s);
        e.rotativos.ClicarRotativo(2);
        e.Painel(1).DigitarTexto(u"BAIRRO"_s);
        e.rotativos.ClicarRotativo(1);
        e.rotativos.GravarAoTrocar = false;
        e.editor.ManterSemMensagem = manter;
        QVERIFY(!e.TemConfiguracao(3, 2) || e.rotativos.Configuracao(3, 2).Vazio);

        e.editor.DefinirModoSimulador(true);
        QCOMPARE(e.Painel(3).Rotulo(), u"LINHA 5"_s);
        e.editor.PassoDeRotativo();
        QCOMPARE(e.rotativos.RotativoAtual, quint16(2));
        QCOMPARE(e.Painel(1).Rotulo(), u"BAIRRO"_s);
        QCOMPARE(e.Painel(3).Rotulo(), traseiro);
        e.editor.PassoDeRotativo();
        QCOMPARE(e.Painel(1).Rotulo(), u"CENTRO"_s);
        QCOMPARE(e.Painel(3).Rotulo(), u"LINHA 5"_s);
    }

    // Exposure time 0: no further step (interval 0).
    void tempoZero()
    {
        TEditor e({1});
        e.rotativos.Configuracao(1, 1).TempoExposicao = 0;
        QCOMPARE(e.editor.PassoDeRotativo(), 0);
    }

    // The last lit column is 40: 1, 2, ..., 40, 41, then 1 again; a dark
    // scrolling panel stays at 1; a panel that does not scroll never moves.
    void passoDeRolagem()
    {
        TEditor e({1, 2, 3});
        TPainelLed &aceso = e.Painel(1);
        for (int p : {1, 2})
            e.Painel(p).DefinirRolagem(TRolagem::tsEsquerda);
        for (int p : {1, 3})
            e.Painel(p).Led(1, 40, true)->DefinirAcesa(true);
        QList<int> colunas;
        for (int passo = 0; passo < 42; ++passo) {
            QCOMPARE(e.editor.PassoDeRolagem(), 5);
            colunas << aceso.PrimeiraColuna();
            QCOMPARE(e.Painel(2).PrimeiraColuna(), 1);
            QCOMPARE(e.Painel(3).PrimeiraColuna(), 1);
        }
        QCOMPARE(colunas.mid(38), (QList<int>{40, 41, 1, 2}));
        QCOMPARE(colunas.first(), 2);
    }

    // The play stores nothing and shows each sign's own messages; off again:
    // the slot of switching on (what the panels showed then, stored), the
    // cursor columns of the scrolling panels, and the first column for the others.
    void desligarRestaura()
    {
        TEditor e({1, 2});
        e.Painel(1).DigitarTexto(u"CENTRO"_s);
        e.Painel(2).DefinirRolagem(TRolagem::tsEsquerda);
        e.Painel(2).DigitarTexto(u"VIA EXPRESSA"_s);
        const int cursor = e.Painel(2).ColunaCursor();
        e.Painel(2).DefinirPrimeiraColuna(4);
        e.rotativos.ClicarRotativo(3);
        e.Painel(1).DigitarTexto(u"BAIRRO"_s);
        const size_t registros = e.rotativos.Rotativos().size();
        e.editor.LigarSimulador();
        QCOMPARE(e.editor.RotativoSalvo, quint16(3));
        QCOMPARE(e.Painel(2).ColunaCursor(), 1);
        QVERIFY(!e.rotativos.Configuracao(1, 3).Vazio); // what it showed, stored
        QCOMPARE(e.editor.DefinirModoSimulador(true), 2000);
        QCOMPARE(e.Painel(1).Modo(), TModo::ModoSimulador);
        QCOMPARE(e.rotativos.RotativoAtual, quint16(1));
        QCOMPARE(e.Painel(1).Rotulo(), u"CENTRO"_s);
        for (int passo = 0; passo < 5; ++passo)
            e.editor.PassoDeRolagem();
        QCOMPARE(e.Painel(1).PrimeiraColuna(), 1);
        QCOMPARE(e.Painel(2).PrimeiraColuna(), 6);
        e.editor.PassoDeRotativo(); // slot 2 holds no message: the front keeps CENTRO
        QCOMPARE(e.Painel(1).Rotulo(), u"CENTRO"_s);
        e.editor.PassoDeRotativo();
        QCOMPARE(e.Painel(1).Rotulo(), u"BAIRRO"_s);
        QCOMPARE(e.rotativos.Rotativos().size(), registros);

        e.editor.DesligarSimulador();
        QCOMPARE(e.Painel(1).Modo(), TModo::ModoTexto);
        QCOMPARE(e.Painel(2).Modo(), TModo::ModoTexto);
        QCOMPARE(e.rotativos.RotativoAtual, quint16(3));
        QCOMPARE(e.rotativos.RotativoMarcado(), quint16(3));
        QVERIFY(e.rotativos.GravarAoTrocar);
        QVERIFY(!e.editor.ManterSemMensagem);
        QCOMPARE(e.Painel(2).ColunaCursor(), cursor);
        QCOMPARE(e.Painel(2).PrimeiraColuna(), 4); // the view it had, not where the scroll stopped
        QCOMPARE(e.Painel(1).PrimeiraColuna(), 1);
        QCOMPARE(e.Painel(1).Rotulo(), u"BAIRRO"_s);
        QVERIFY(e.rotativos.Configuracao(1, 2).Vazio);
    }

    void informarPainelAtivo()
    {
        TEditor e({2, 4});
        quint16 ativo = 9;
        bool auxiliar = false, traseiro = true, lateral = false, frontal = true;
        e.editor.InformarPainelAtivo(ativo, auxiliar, traseiro, lateral, frontal);
        QCOMPARE(ativo, quint16(2));
        QVERIFY(auxiliar && !traseiro && lateral && !frontal);
    }
};

QTEST_GUILESS_MAIN(TesteEditorPaineis)
#include "tst_editorpaineis.moc"
