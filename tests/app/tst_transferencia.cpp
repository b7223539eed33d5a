#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/UProjetoArquivo.h"
#include "app/UTransferencia.h"
#include "app/projeto_fixture.h"
#include "app/projetos_danificados.h"
#include "output/UGeracaoArquivo.h"
#include "output/saida_fixture.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

using namespace Fixture;

// The walk that hands a project's tables to the sign controller file builder.
class TesteTransferencia : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    QString caminho(const QString &nome) const { return pasta.filePath(nome); }
    // Appends the rows to the kind, then shows the destinations again.
    static void gravar(TDtm_Destino &d, bool extra, const QList<TLinhaProjeto> &linhas)
    {
        d.DefinirFiltroExtra(extra);
        for (const TLinhaProjeto &l : linhas)
            GravarLinha(d, l);
        MostrarTipo(d, false);
    }
    static const TPainel *painel(const TGeracaoArquivo &g, int numero)
    {
        for (const auto &p : g.Paineis())
            if (p->Numero() == numero)
                return p.get();
        return nullptr;
    }
    static QList<int> numerosDestinos(const TPainel &p)
    {
        QList<int> numeros;
        for (const auto &r : p.Destinos())
            numeros << r->Numero;
        return numeros;
    }
    static QList<int> numerosExtras(const TPainel &p)
    {
        QList<int> numeros;
        for (const auto &r : p.Extras())
            numeros << r->Numero;
        return numeros;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // Only the rear sign is fitted; its destination stores slots 1 and 3, slot 2 is empty.
    void destinoDoSinalTraseiro()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        const QByteArray c1 = Conteudo(13, 32, {QPoint(1, 1)});
        const QByteArray c3 = Conteudo(13, 32, {QPoint(2, 13)});
        TLinhaProjeto l = Linha(3, 1, c1, u"Centro"_s);
        l.Linhas = 13;
        l.Colunas = 32;
        l.Conteudo[2] = c3;
        l.Rotulo[2] = u"Rua A"_s;
        l.Tempo = 5;
        l.Sentido = 1;
        l.TamanhoMensagem = 40;
        l.Divisao = 10;
        gravar(d, false, {l, Pendente(3, 2)});

        TGeracaoArquivo g;
        TTransferencia(d, {{3, 8, 80}}).Preencher(g);

        QCOMPARE(g.TipoArquivo(), 2);
        QCOMPARE(g.Paineis().size(), size_t(1));
        const TPainel &p = *g.Paineis().front();
        QCOMPARE(p.Numero(), 3);
        QCOMPARE(p.Linhas(), 13); // the row's size, not the fitted one
        QCOMPARE(p.Colunas(), 32);
        QCOMPARE(numerosDestinos(p), QList<int>{1});
        const TDestinos &r = *p.Destinos().front();
        QCOMPARE(r.QtdMensagens, 3);
        QCOMPARE(r.Conteudo, (QList<QByteArray>{c1, c3}));
        QCOMPARE(r.Rotulo, u"Centro|Rua A"_s);
        QCOMPARE(r.TempoExposicao, 5);
        QCOMPARE(r.Sentido, TRolagem::tsEsquerda);
        QCOMPARE(r.TamanhoMensagem, 40);
        QCOMPARE(QList<int>({r.PosXInicial, r.PosXFinal, r.PosYInicial, r.PosYFinal}), QList<int>({10, 32, 1, 13}));
        QVERIFY(p.Extras().empty());

        // The rear slot is the first one: the header counts its records.
        const QByteArray bytes = g.GerarBytes();
        QCOMPARE(U16(bytes, 5), 1);
        QCOMPARE(U8(bytes, 11 + 2 * 2), 32);
        QCOMPARE(U8(bytes, 11 + 2 * 2 + 1), 13);
    }

    void extraDoSinalFrontal_data()
    {
        QTest::addColumn<QVariant>("fonteHorario");
        QTest::addColumn<int>("sentido");
        QTest::addColumn<bool>("semMensagens");
        QTest::addColumn<TTipoFonte>("fonte");
        QTest::addColumn<TRolagem>("rolagem");
        QTest::addColumn<int>("qtdMensagens");

        QTest::newRow("relógio 7") << QVariant(7) << 1 << false << TTipoFonte::tfVeltronix8x7 << TRolagem::tsHorario
                                   << 1;
        QTest::newRow("relógio 12") << QVariant(12) << 0 << false << TTipoFonte::tfVeltronix13x9
                                    << TRolagem::tsHorario << 1;
        QTest::newRow("sem relógio") << QVariant(0) << 1 << false << TTipoFonte::tfNenhum << TRolagem::tsEsquerda << 1;
        QTest::newRow("fonte 13") << QVariant(13) << 0 << false << TTipoFonte::tfNenhum << TRolagem::tsNenhum << 1;
        QTest::newRow("coluna vazia") << QVariant() << 0 << false << TTipoFonte::tfNenhum << TRolagem::tsNenhum << 1;
        QTest::newRow("sem mensagens") << QVariant(0) << 0 << true << TTipoFonte::tfNenhum << TRolagem::tsNenhum << 1;
    }
    void extraDoSinalFrontal()
    {
        QFETCH(QVariant, fonteHorario);
        QFETCH(int, sentido);
        QFETCH(bool, semMensagens);
        QFETCH(TTipoFonte, fonte);
        QFETCH(TRolagem, rolagem);
        QFETCH(int, qtdMensagens);

        TDtm_Destino d;
        d.AbrirTabelas({});
        gravar(d, false, {Linha(1, 1, Conteudo(8, 80), u"LINHA"_s)});
        TLinhaProjeto l = Linha(1, 1, semMensagens ? QByteArray() : Conteudo(8, 80), u"SAIDA"_s);
        l.Linhas = 13; // an extra row's size never reaches the slot
        l.Colunas = 128;
        l.Sentido = sentido;
        l.Tempo = 4;
        l.TamanhoMensagem = 60;
        l.Relogio = {10, 40, 1, 8};
        gravar(d, true, {l});
        d.DefinirFiltroExtra(true);
        d.Primeiro();
        d.Cds_DestinosExtras.Editar();
        d.Cds_DestinosExtras.DefinirValor(u"FONTE_HORARIO"_s, fonteHorario);
        d.GravarPendente();
        MostrarTipo(d, false);

        TGeracaoArquivo g;
        TTransferencia(d, {{1, 8, 80}}).Preencher(g);

        const TPainel &p = *painel(g, 1);
        QCOMPARE(p.Linhas(), 8);
        QCOMPARE(p.Colunas(), 80);
        QCOMPARE(numerosExtras(p), QList<int>{1});
        const TExtras &e = *p.Extras().front();
        QCOMPARE(e.FonteRelogio, fonte);
        QCOMPARE(e.Sentido, rolagem);
        QCOMPARE(e.QtdMensagens, qtdMensagens);
        QCOMPARE(e.Conteudo.size(), semMensagens ? 0 : 1);
        QCOMPARE(e.Rotulo, semMensagens ? QString() : u"SAIDA"_s);
        QCOMPARE(e.TempoExposicao, semMensagens ? 0 : 4);
        QCOMPARE(e.TamanhoMensagem, 60);
        QCOMPARE(QList<int>({e.PosXInicial, e.PosXFinal, e.PosYInicial, e.PosYFinal}), QList<int>({10, 40, 1, 8}));
    }

    // Pending new rows never reach the builder; a row without a size (an
    // inserted destination not yet saved) and a sign with extras only keep
    // the fitted size.
    void linhasPendentesESemTamanho()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        gravar(d, false, {Linha(1, 1, Conteudo(8, 80)), Pendente(1, 3), Pendente(2, 1)});
        d.Cds_DestinosExtras.Acrescentar(); // what InserirDestino leaves for a destination
        d.Cds_DestinosExtras.DefinirValor(u"PAINEL"_s, 1);
        d.Cds_DestinosExtras.DefinirValor(u"NRO_DESTINO"_s, 2);
        d.Cds_DestinosExtras.DefinirValor(u"EXTRA"_s, false);
        d.GravarPendente();
        TLinhaProjeto extraLateral = Linha(2, 1, Conteudo(16, 96));
        extraLateral.Linhas = 16;
        extraLateral.Colunas = 96;
        gravar(d, true, {extraLateral, Pendente(2, 2), Pendente(1, 1)});

        TGeracaoArquivo g;
        TTransferencia(d, {{1, 8, 80}, {2, 16, 96}}).Preencher(g);

        QCOMPARE(g.Paineis().size(), size_t(2));
        const TPainel &frente = *g.Paineis()[0];
        QCOMPARE(frente.Numero(), 1);
        QCOMPARE(numerosDestinos(frente), QList<int>({1, 2}));
        QVERIFY(frente.Extras().empty());
        QCOMPARE(frente.Linhas(), 8);
        QCOMPARE(frente.Colunas(), 80);
        const TPainel &lado = *g.Paineis()[1];
        QVERIFY(lado.Destinos().empty());
        QCOMPARE(numerosExtras(lado), QList<int>{1});
        QCOMPARE(lado.Linhas(), 16);
        QCOMPARE(lado.Colunas(), 96);

        // The side's extra keeps its columns in the file: 96 columns of 2 bytes.
        g.GerarBytes();
        QCOMPARE(g.TabelaExtra(2, 1, false)->Bytes.size(), 6 + 192);
    }

    // The kind shown, PosicaoEnvio and the views' suspension come back on
    // every exit path.
    void tipoRestaurado_data()
    {
        QTest::addColumn<bool>("extraAntes");
        QTest::addColumn<QString>("falha");
        for (bool extra : {false, true}) {
            const char *tipo = extra ? "extras" : "destinos";
            QTest::addRow("%s, gravado", tipo) << extra << QString();
            QTest::addRow("%s, valor grande", tipo) << extra << u"valor"_s;
            QTest::addRow("%s, falha no caminho", tipo) << extra << u"caminho"_s;
            QTest::addRow("%s, arquivo mantido", tipo) << extra << u"sobrescrita"_s;
        }
    }
    void tipoRestaurado()
    {
        QFETCH(bool, extraAntes);
        QFETCH(QString, falha);

        TDtm_Destino d;
        d.AbrirTabelas({});
        TLinhaProjeto traseiro = Linha(3, 1, Conteudo(8, 80), u"T"_s);
        if (falha == u"valor")
            traseiro.Tempo = 300; // an exposure time has one byte
        gravar(d, false, {Linha(1, 1, Conteudo(8, 80), u"F"_s), traseiro});
        gravar(d, true, {Linha(1, 1, Conteudo(8, 80), u"XF"_s), Linha(1, 2, Conteudo(8, 80), u"XF2"_s)});
        MostrarTipo(d, extraAntes);
        const QStringList rotulosAntes = LinhasDosRotulos(d, {{1, 8, 80}, {3, 8, 80}});
        // The operator's line, not the last one the walk left: the first.
        d.Cds_Rotulos.Primeiro();

        TTransferencia t(d, {{1, 8, 80}, {3, 8, 80}});
        QList<bool> tipos;
        QList<int> posicoes;
        bool suspensa = true;
        t.AoMostrarTipo = [&](bool extra) {
            tipos << extra;
            posicoes << d.PosicaoEnvio;
            suspensa = suspensa && d.Cds_DestinosExtras.ControlesDesabilitados()
                       && d.Cds_Rotulos.ControlesDesabilitados();
            MostrarTipo(d, extra);
            if (falha == u"caminho" && tipos.size() == 5)
                throw TErro(u"falha"_s);
        };
        const QString arquivo = caminho(u"restaurado.art"_s);
        QFile::remove(arquivo);
        if (falha == u"sobrescrita") {
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("antigo");
        }
        TGeracaoArquivo g;
        bool gravou = false;
        if (falha == u"valor" || falha == u"caminho")
            QVERIFY_THROWS_EXCEPTION(TErro, t.Gravar(g, arquivo));
        else
            gravou = t.Gravar(g, arquivo);

        QCOMPARE(gravou, falha.isEmpty());
        QCOMPARE(d.FiltroExtra(), extraAntes);
        QCOMPARE(LinhasDosRotulos(d, {{1, 8, 80}, {3, 8, 80}}), rotulosAntes);
        QCOMPARE(d.Cds_Rotulos.PosicaoCorrente(), 0);
        QCOMPARE(d.PosicaoEnvio, qint16(0));
        QVERIFY(suspensa);
        QVERIFY(!d.Cds_DestinosExtras.ControlesDesabilitados());
        QVERIFY(!d.Cds_Rotulos.ControlesDesabilitados());
        QCOMPARE(tipos, (QList<bool>{false, false, true, false, true, extraAntes}));
        QCOMPARE(posicoes, (QList<int>{0, 1, 1, 3, 3, 0}));
        if (falha == u"sobrescrita")
            QCOMPARE(Fixture::LerArquivo(arquivo), QByteArray("antigo"));
        else if (falha.isEmpty())
            QVERIFY(Fixture::LerArquivo(arquivo).size() > TamanhoCabecalhoArquivo);
        else
            QVERIFY(!QFile::exists(arquivo));
    }

    void semDestinos_data()
    {
        QTest::addColumn<bool>("abrir");
        QTest::addColumn<bool>("comDestinos");
        QTest::addColumn<bool>("comExtras");
        QTest::addColumn<bool>("mostrarExtras");
        QTest::addColumn<bool>("recusa");

        // Refused only when no fitted sign has a stored destination, whatever kind is shown.
        QTest::newRow("tabela fechada") << false << false << false << false << true;
        QTest::newRow("projeto vazio") << true << false << false << false << true;
        QTest::newRow("extras mostrados, nenhum extra") << true << true << false << true << false;
        QTest::newRow("destinos mostrados, só extras") << true << false << true << false << true;
        QTest::newRow("destinos") << true << true << false << false << false;
        QTest::newRow("extras mostrados, só extras") << true << false << true << true << true;
        QTest::newRow("só uma linha pendente") << true << false << false << false << true;
    }
    void semDestinos()
    {
        QFETCH(bool, abrir);
        QFETCH(bool, comDestinos);
        QFETCH(bool, comExtras);
        QFETCH(bool, mostrarExtras);
        QFETCH(bool, recusa);

        TDtm_Destino d;
        if (abrir)
            d.AbrirTabelas({});
        if (comDestinos)
            gravar(d, false, {Linha(1, 1, Conteudo(8, 80))});
        if (QByteArray(QTest::currentDataTag()) == "só uma linha pendente")
            gravar(d, false, {Pendente(1, 1)});
        if (comExtras)
            gravar(d, true, {Linha(1, 1, Conteudo(8, 80))});
        MostrarTipo(d, mostrarExtras);

        TTransferencia t(d, {{1, 8, 80}});
        QString mensagem;
        try {
            t.VerificarDestinos();
        } catch (const TErro &e) {
            mensagem = e.Mensagem;
        }
        QCOMPARE(mensagem, recusa ? u"ATENCION:\rArchivo não contien destinos informados.\r"
                                    u"A grabacion do Archivo não sera executada."_s
                                  : QString());
        QCOMPARE(d.FiltroExtra(), abrir && mostrarExtras);
    }

    // What the file cannot hold faithfully refuses it, naming what to correct;
    // an existing file stays as it was.
    void recusas_data()
    {
        QTest::addColumn<int>("indice");
        const QList<TProjetoDanificado> projetos = ProjetosDanificados();
        for (int i = 0; i < projetos.size(); ++i)
            QTest::newRow(qPrintable(projetos[i].Nome)) << i;
    }
    void recusas()
    {
        QFETCH(int, indice);
        const TProjetoDanificado projeto = ProjetosDanificados().at(indice);
        CriarFontesComDigitoLargo(caminho(u"LARGO.INI"_s));
        const auto fontes = qScopeGuard([this] { TFontesLed::DefinirArquivoDeFontes(caminho(u"FONTES12.INI"_s)); });
        TDtm_Destino d;
        GravarProjetoDanificado(d, projeto);
        const QString arquivo = caminho(u"recusado.art"_s);
        QVERIFY(GravarArquivo(arquivo, "anterior"));
        TGeracaoArquivo g;
        g.ConfirmarSobrescrita = [](const QString &) { return true; };
        QString mensagem;
        try {
            TTransferencia(d, {{1, 8, 80}, {2, 8, 80}}).Gravar(g, arquivo);
        } catch (const TErro &e) {
            mensagem = e.Mensagem;
        }
        QCOMPARE(mensagem, projeto.Mensagem);
        QCOMPARE(LerArquivo(arquivo), QByteArray("anterior"));
    }

    // A sign with only the pending line of the next destination has none: no
    // slot, no size in the header (not the pending row's), and the header counts
    // the first sign that has destinations.
    void sinalSoComLinhaPendente()
    {
        TDtm_Destino d;
        d.AbrirTabelas({});
        gravar(d, false, {Pendente(1, 1), Linha(2, 1, Conteudo(8, 80)), Linha(2, 2, Conteudo(8, 80))});
        d.Primeiro();
        d.Cds_DestinosExtras.Editar();
        d.Cds_DestinosExtras.DefinirValor(u"NRO_LINHAS"_s, 13);
        d.Cds_DestinosExtras.DefinirValor(u"NRO_COLUNAS"_s, 128);
        d.GravarPendente();

        TGeracaoArquivo g;
        TTransferencia(d, {{1, 13, 128}, {2, 8, 80}}).Preencher(g);
        QCOMPARE(g.Paineis().size(), size_t(1));
        QCOMPARE(g.Paineis().front()->Numero(), 2);
        const QByteArray bytes = g.GerarBytes();
        QCOMPARE(U16(bytes, 5), 2);               // the side's destinations
        QCOMPARE(U8(bytes, 11), 0);              // no front sign: 0 columns
        QCOMPARE(U8(bytes, 12), 0);              // and 0 rows
        QCOMPARE(U8(bytes, 13), 80);
        QCOMPARE(U8(bytes, 14), 8);
    }

    // Front and rear signs, destinations and extras, a clock: the file equals
    // the one of a builder filled by hand.
    void transferenciaCompleta()
    {
        const QByteArray f1 = Conteudo(8, 80, {QPoint(1, 1), QPoint(80, 8)});
        const QByteArray f2 = Conteudo(8, 120, {QPoint(100, 4)});
        const QByteArray r1a = Conteudo(13, 32, {QPoint(1, 13)});
        const QByteArray r1b = Conteudo(13, 32, {QPoint(32, 1)});
        const QByteArray r2 = Conteudo(13, 32, {QPoint(5, 5)});
        const QByteArray xf = Conteudo(8, 80, {QPoint(3, 3)});
        const QByteArray xr = Conteudo(13, 32, {QPoint(7, 7)});

        TDtm_Destino d;
        d.AbrirTabelas({});
        TLinhaProjeto rolando = Linha(1, 2, f2, u"VIA EXPRESSA NORTE"_s);
        rolando.Sentido = 1;
        rolando.TamanhoMensagem = 120;
        rolando.Divisao = 20;
        TLinhaProjeto traseiro1 = Linha(3, 1, r1a, u"A"_s);
        traseiro1.Linhas = 13;
        traseiro1.Colunas = 32;
        traseiro1.Conteudo[1] = r1b;
        traseiro1.Rotulo[1] = u"B"_s;
        traseiro1.Tempo = 3;
        TLinhaProjeto traseiro2 = Linha(3, 2, r2, u"C"_s);
        traseiro2.Linhas = 13;
        traseiro2.Colunas = 32;
        gravar(d, false, {Linha(1, 1, f1, u"LINHA 1"_s), rolando, Pendente(1, 3), traseiro1, traseiro2});
        TLinhaProjeto relogio = Linha(1, 1, xf, u"SAIDA"_s);
        relogio.FonteRelogio = 7;
        relogio.Relogio = {10, 40, 1, 8};
        TLinhaProjeto extraTraseiro = Linha(3, 1, xr, u"X"_s);
        extraTraseiro.Linhas = 13;
        extraTraseiro.Colunas = 32;
        gravar(d, true, {relogio, extraTraseiro, Pendente(1, 2)});

        TGeracaoArquivo mao;
        mao.DefinirTipoArquivo(2);
        TPainel &frente = Painel(mao, 1, 8, 80);
        TPainel &tras = Painel(mao, 3, 13, 32);
        Destino(frente, 1, f1, u"LINHA 1"_s, 2);
        TDestinos &m2 = Destino(frente, 2, f2, u"VIA EXPRESSA NORTE"_s, 2);
        m2.Sentido = TRolagem::tsEsquerda;
        m2.TamanhoMensagem = 120;
        m2.PosXInicial = 20;
        m2.PosXFinal = 80;
        m2.PosYInicial = 1;
        m2.PosYFinal = 8;
        TDestinos &t1 = Destino(tras, 1, r1a, u"A|B"_s, 3);
        t1.Conteudo << r1b;
        t1.QtdMensagens = 2;
        Destino(tras, 2, r2, u"C"_s, 2);
        TExtras &x1 = ExtraComRelogio(frente, 1, TTipoFonte::tfVeltronix8x7, 10, 40, 1);
        x1.Conteudo = {xf};
        x1.Rotulo = u"SAIDA"_s;
        x1.TempoExposicao = 2;
        TExtras &x2 = tras.ObterExtra(1);
        x2.QtdMensagens = 1;
        x2.Conteudo = {xr};
        x2.Rotulo = u"X"_s;
        x2.TempoExposicao = 2;
        const QByteArray esperado = mao.GerarBytes();

        const QString arquivo = caminho(u"completo.art"_s);
        TGeracaoArquivo g;
        QVERIFY(TTransferencia(d, {{1, 8, 80}, {3, 13, 32}}).Gravar(g, arquivo));
        QCOMPARE(g.NomeArquivo(), arquivo);
        QCOMPARE(g.QtdTabelasFontes(), 1);
        QCOMPARE(Fixture::LerArquivo(arquivo), esperado);
        QVERIFY(!d.FiltroExtra());
    }
};

QTEST_GUILESS_MAIN(TesteTransferencia)
#include "tst_transferencia.moc"
