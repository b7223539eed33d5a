#include <QtTest>
#include <functional>
#include <malloc.h>
#include <memory>
#include <random>

#include "../../bench/trabalho_bancada.h"
#include "app/UDestinoPaineis.h"
#include "app/UHistorico.h"
#include "editor/UCfgRotativo.h"
#include "editor/UEditorPaineis.h"
#include "editor/URotativos.h"
#include "panel/UFontes.h"
#include "panel/UImagemLeds.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

namespace {

// The first difference between two photographs, for the failure message.
QString diferenca(const TTrabalho::TFoto &a, const TTrabalho::TFoto &b)
{
    if (a.Editor.Paineis.size() != b.Editor.Paineis.size())
        return u"panels"_s;
    for (size_t i = 0; i < a.Editor.Paineis.size(); ++i) {
        const auto &p = a.Editor.Paineis[i];
        const auto &q = b.Editor.Paineis[i];
        if (!(p == q))
            return u"panel %1: %2x%3/%4x%5 font %6/%7 scroll %8/%9 align %10/%11 div %12/%13 cursor %14,%15/%16,%17 "
                   "first %18/%19 colours %20 content %21"_s
                .arg(p.Posicao).arg(p.Linhas).arg(p.Colunas).arg(q.Linhas).arg(q.Colunas).arg(int(p.Fonte))
                .arg(int(q.Fonte)).arg(int(p.Rolagem)).arg(int(q.Rolagem)).arg(int(p.Alinhamento))
                .arg(int(q.Alinhamento)).arg(p.Divisao).arg(q.Divisao).arg(p.ColunaCursor).arg(p.LinhaCursor)
                .arg(q.ColunaCursor).arg(q.LinhaCursor).arg(p.PrimeiraColuna).arg(q.PrimeiraColuna)
                .arg(u"%1,%2,%3/%4,%5,%6"_s.arg(p.CorLed).arg(p.CorDivisao).arg(p.CorFundo).arg(q.CorLed)
                         .arg(q.CorDivisao).arg(q.CorFundo))
                .arg(p.Conteudo == q.Conteudo);
    }
    if (a.Editor.Rotativos != b.Editor.Rotativos)
        return u"slots: %1 / %2 records"_s.arg(a.Editor.Rotativos.size()).arg(b.Editor.Rotativos.size());
    if (a.Editor.RotativoAtual != b.Editor.RotativoAtual || a.Editor.PainelAtivo != b.Editor.PainelAtivo)
        return u"slot %1/%2 active %3/%4"_s.arg(a.Editor.RotativoAtual).arg(b.Editor.RotativoAtual)
            .arg(a.Editor.PainelAtivo).arg(b.Editor.PainelAtivo);
    if (a.Linhas.size() != b.Linhas.size())
        return u"rows: %1 / %2"_s.arg(a.Linhas.size()).arg(b.Linhas.size());
    for (size_t i = 0; i < a.Linhas.size(); ++i)
        for (int c = 0; c < a.Linhas[i].size(); ++c)
            if (a.Linhas[i][c] != b.Linhas[i][c] || a.Linhas[i][c].isNull() != b.Linhas[i][c].isNull())
                return u"row %1 column %2: %3 / %4"_s.arg(i).arg(c).arg(a.Linhas[i][c].toString(),
                                                                      b.Linhas[i][c].toString());
    return {};
}
#define QCOMPARE_FOTO(a, b) QVERIFY2((a) == (b), qPrintable(diferenca((a), (b))))

using TAcao = std::function<void(TTrabalho &, THistorico &)>;

// The steps as the editor and the list record them.
const QMap<QString, TAcao> &acoes()
{
    static const QMap<QString, TAcao> a{
        {u"digitacao"_s, [](TTrabalho &t, THistorico &) { t.Digitar("VIA"); }},
        {u"exclusao"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.EdicaoNoPainel(TEdicao::Exclusao);
             t.Ativo().PressionarTecla(TeclasPainel::Retrocesso, false);
         }},
        {u"colagem"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.EdicaoNoPainel(TEdicao::Colagem);
             t.Ativo().DigitarTexto(u"PRAÇA"_s);
         }},
        {u"relogio"_s,
         [](TTrabalho &t, THistorico &) { t.editor.Passo(TTipoPasso::Relogio, [&] { t.Ativo().InserirRelogio(); }); }},
        {u"alinhamento"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::Alinhamento, [&] { t.Ativo().DefinirAlinhamento(TAlinhamento::taCenter); });
         }},
        {u"espacamento"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::Espacamento, [&] { t.Ativo().AumentarEspacamento(1, t.Ativo().UltimaColuna()); });
         }},
        {u"fonte"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::Fonte, [&] { t.Ativo().DefinirFonteUtilizada(TTipoFonte::tfVeltronix5x5); });
         }},
        {u"desenho"_s,
         [](TTrabalho &t, THistorico &) {
             TPainelLed &p = t.Painel(2);
             p.DefinirModo(TModo::ModoGrafico);
             t.editor.EdicaoNoPainel(TEdicao::Desenho);
             p.PressionarMouse(TBotaoMouse::Esquerdo, 4, 60);
             for (int x = 4; x < 200; x += p.TamanhoLed())
                 p.MoverMouse(x, 60);
             p.SoltarMouse(TBotaoMouse::Esquerdo, 200, 60);
             p.DefinirModo(TModo::ModoTexto);
         }},
        {u"pictograma"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::Pictograma, [&] { t.Ativo().InserirPictograma(TPictograma::SetaCima); });
         }},
        {u"imagem"_s,
         [](TTrabalho &t, THistorico &) {
             QImage imagem(6, 8, QImage::Format_RGB32);
             imagem.fill(Qt::black);
             const TGradeLeds leds = ImagemParaLeds(imagem, QSize(6, 8), {});
             t.editor.Passo(TTipoPasso::Imagem, [&] { t.Ativo().InserirFigura(leds, 1, u"A imagem"_s); });
         }},
        {u"limparTudo"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::LimparTudo, [&] {
                 t.rotativos.ExcluirConfiguracao(qint16(t.Ativo().Tag), t.rotativos.RotativoAtual);
                 t.Ativo().Limpar();
             });
         }},
        {u"rolagemDesligada"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::RolagemDesligada, [&] {
                 t.Ativo().DefinirRolagem(TRolagem::tsNenhum);
                 t.Ativo().Limpar();
                 t.rotativos.ReiniciarRotativos();
             });
         }},
        {u"cores"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::Cores, [&] {
                 t.Ativo().DefinirCores(Cores::Vermelho, Cores::Verde, Cores::Preto);
                 t.Ativo().DefinirDivisaoNaColuna(20);
             });
         }},
        {u"tamanho"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::Tamanho, [&] { t.Painel(2).DefinirNroColunas(40); });
         }},
        {u"salvarDestino"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::SalvarDestino, [&] {
                 t.editor.GravarRotativoAtual();
                 for (int p = 1; p <= 4; ++p)
                     TDestinoPaineis::Gravar(t.dados, t.Painel(p), t.rotativos, false, 3, 1, true);
                 TDestinoPaineis::PrepararProximo(t.dados, 1, false, 1);
                 t.rotativos.ReiniciarRotativos();
                 for (int p = 1; p <= 4; ++p)
                     t.Painel(p).Limpar();
             });
         }},
        {u"excluirDestino"_s,
         [](TTrabalho &t, THistorico &) {
             t.Selecionar(2);
             t.editor.Passo(TTipoPasso::ExcluirDestino, [&] { t.dados.ExcluirRotuloAtual(); });
         }},
        {u"inserirAqui"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::InserirDestinoAqui, [&] { t.dados.InserirDestino(t.Ativo(), 2); });
         }},
        {u"novoNoFinal"_s,
         [](TTrabalho &t, THistorico &) {
             t.editor.Passo(TTipoPasso::NovoDestinoNoFinal, [&] { TDestinoPaineis::PrepararProximo(t.dados, 1, false, 1); });
         }},
    };
    return a;
}

} // namespace

// The undo history over the work of a project without widgets: each kind of
// step undone and redone, long sequences, the modified flag and the bounds.
class TesteHistorico : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    // The editor's steps go to the history.
    static void ligar(TTrabalho &t, THistorico &h)
    {
        t.editor.AoComecarPasso = [&h](TTipoPasso tipo) { h.Comecar(tipo); };
        t.editor.AoConcluirPasso = [&h] { h.Concluir(); };
    }

    // A project with three destinations, text on every sign, a scrolling side
    // sign, two slots on the front sign; the history starts here.
    static void preparar(TTrabalho &t, THistorico &h)
    {
        t.Destinos(3);
        t.editor.DefinirPainelAtivo(2);
        t.Painel(2).DefinirRolagem(TRolagem::tsEsquerda);
        t.Digitar("LINHA LONGA QUE ROLA PELO PAINEL LATERAL");
        for (int p : {3, 4, 1}) {
            t.editor.DefinirPainelAtivo(quint16(p));
            t.Ativo().PosicionarCursor(1, 1);
            t.Digitar("CENTRO");
        }
        t.rotativos.ClicarRotativo(2);
        t.Digitar("VIA SUL");
        h.Reiniciar(false);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }

    void passo_data()
    {
        QTest::addColumn<QString>("acao");
        QTest::addColumn<QString>("nome");
        const QList<std::pair<QString, QString>> casos{
            {u"digitacao"_s, u"Digitação"_s},        {u"exclusao"_s, u"Apagar"_s},
            {u"colagem"_s, u"Colar"_s},              {u"relogio"_s, u"Horário de Saída"_s},
            {u"alinhamento"_s, u"Alinhamento"_s},    {u"espacamento"_s, u"Espaçamento"_s},
            {u"fonte"_s, u"Troca de Fonte"_s},       {u"desenho"_s, u"Desenho de LEDs"_s},
            {u"pictograma"_s, u"Inserir Pictograma"_s}, {u"imagem"_s, u"Importar Imagem"_s},
            {u"limparTudo"_s, u"Limpar Tudo"_s},     {u"rolagemDesligada"_s, u"Desligar Rolagem"_s},
            {u"cores"_s, u"Cores e Divisão"_s},      {u"tamanho"_s, u"Tamanho do Painel"_s},
            {u"salvarDestino"_s, u"Salvar Destino"_s}, {u"excluirDestino"_s, u"Excluir Destino"_s},
            {u"inserirAqui"_s, u"Inserir Destino Aqui"_s}, {u"novoNoFinal"_s, u"Novo Destino no Final"_s},
        };
        for (const auto &[acao, nome] : casos)
            QTest::newRow(qPrintable(acao)) << acao << nome;
    }

    // Undo puts back exactly what was there (content texts, settings, cursor,
    // slots, active panel, table rows); redo does the step again.
    void passo()
    {
        QFETCH(QString, acao);
        QFETCH(QString, nome);
        TTrabalho t;
        THistorico h(t);
        ligar(t, h);
        preparar(t, h);
        if (acao == u"rolagemDesligada"_s)
            t.editor.DefinirPainelAtivo(2);
        const TTrabalho::TFoto antes = t.Foto();
        acoes()[acao](t, h);
        QVERIFY(h.PodeDesfazer());
        QCOMPARE(h.PassoADesfazer(), nome);
        const TTrabalho::TFoto depois = t.Foto();
        QVERIFY(!(depois == antes));
        h.Desfazer();
        QCOMPARE(h.Passos(), 1);
        QCOMPARE_FOTO(t.Foto(), antes);
        QVERIFY(!h.PodeDesfazer());
        QCOMPARE(h.PassoARefazer(), nome);
        h.Refazer();
        QCOMPARE_FOTO(t.Foto(), depois);
        h.Desfazer();
        QCOMPARE_FOTO(t.Foto(), antes);
    }

    // Typed characters are one step until a cursor move, another step or a pause.
    void corridaDeDigitacao()
    {
        TTrabalho t;
        THistorico h(t);
        ligar(t, h);
        h.Reiniciar(false);
        const auto vazio = t.Foto();
        t.Digitar("ABC");
        const auto abc = t.Foto();
        t.editor.EdicaoNoPainel(TEdicao::Movimento);
        t.Digitar("DE");
        const auto abcde = t.Foto();
        QTest::qWait(THistorico::PausaDigitacao + 300);
        t.Digitar("F");
        t.editor.EdicaoNoPainel(TEdicao::Exclusao);
        t.Ativo().PressionarTecla(TeclasPainel::Retrocesso, false);
        h.Concluir();
        QCOMPARE(h.Passos(), 4);
        h.Desfazer();
        h.Desfazer();
        QCOMPARE_FOTO(t.Foto(), abcde);
        h.Desfazer();
        QCOMPARE_FOTO(t.Foto(), abc);
        QCOMPARE(t.Ativo().Rotulo(), u"ABC"_s);
        h.Desfazer();
        QCOMPARE_FOTO(t.Foto(), vazio);
    }

    // Fifty random steps on random panels undone one by one back to the start,
    // then redone to the end. Steps that change nothing are not kept.
    void sequenciaAleatoria()
    {
        TTrabalho t;
        THistorico h(t);
        ligar(t, h);
        preparar(t, h);
        std::mt19937 sorteio(18);
        const QStringList nomes = acoes().keys();
        std::vector<std::pair<TTrabalho::TFoto, TTrabalho::TFoto>> passos;
        for (int i = 0; i < 50; ++i) {
            const QString acao = nomes[int(sorteio() % nomes.size())];
            t.editor.DefinirPainelAtivo(quint16(1 + sorteio() % 4));
            const int antes = h.Passos();
            auto foto = t.Foto();
            acoes()[acao](t, h);
            h.Concluir();
            if (h.Passos() > antes)
                passos.emplace_back(std::move(foto), t.Foto());
            else
                QCOMPARE_FOTO(t.Foto(), foto);
        }
        QCOMPARE(h.Passos(), int(passos.size()));
        QVERIFY(passos.size() > 35);
        for (auto i = passos.rbegin(); i != passos.rend(); ++i) {
            h.Desfazer();
            QCOMPARE_FOTO(t.Foto(), i->first);
        }
        QVERIFY(!h.PodeDesfazer());
        for (const auto &[antes, depois] : passos) {
            h.Refazer();
            QCOMPARE_FOTO(t.Foto(), depois);
        }
        QVERIFY(!h.PodeRefazer());
    }

    // Removing number 10 of 20 renumbers 11..20; undo gives every row its number back.
    void remocaoNoMeio()
    {
        TTrabalho t;
        THistorico h(t);
        t.Destinos(20);
        h.Reiniciar(false);
        const auto antes = t.Foto();
        t.Selecionar(10);
        h.Comecar(TTipoPasso::ExcluirDestino);
        t.dados.ExcluirRotuloAtual();
        h.Concluir();
        QCOMPARE(t.Numeros().count(20), 0);
        QCOMPARE(t.dados.Cds_Rotulos.QuantidadeDeLinhas(), 19);
        h.Desfazer();
        QCOMPARE_FOTO(t.Foto(), antes);
        QCOMPARE(t.Numeros().count(10), 4);
        QCOMPARE(t.Numeros().count(20), 4);
        QCOMPARE(t.dados.Cds_Rotulos.QuantidadeDeLinhas(), 20);
    }

    // The project is "modified" exactly when the table differs from the last save.
    void alteradoConformeOSalvo()
    {
        TTrabalho t;
        THistorico h(t);
        ligar(t, h);
        t.Destinos(3);
        h.Reiniciar(false);
        QVERIFY(!h.Alterado());
        acoes()[u"excluirDestino"_s](t, h);
        QVERIFY(h.Alterado());
        h.Concluir(); // before the save, as the window does
        h.MarcarSalvo();
        QVERIFY(!h.Alterado());
        t.Digitar("SO O PAINEL");
        h.Concluir();
        QVERIFY2(!h.Alterado(), "a step of the panels alone does not change the file's rows");
        h.Desfazer();
        QVERIFY(!h.Alterado());
        h.Desfazer();
        QVERIFY(h.Alterado());
        h.Refazer();
        QVERIFY(!h.Alterado());
        // A step after an undo past the save makes the saved state unreachable.
        h.Desfazer();
        acoes()[u"novoNoFinal"_s](t, h);
        QVERIFY(h.Alterado());
        // A recovered project starts modified.
        h.Reiniciar(true);
        QVERIFY(h.Alterado());
    }

    // Steps beyond the limits drop the oldest; the rest still undo exactly, and
    // the saved state goes with the steps dropped.
    void limites()
    {
        TTrabalho t;
        THistorico h(t);
        ligar(t, h);
        h.DefinirLimites(5, THistorico::LimiteBytes);
        t.Destinos(2);
        h.Reiniciar(false);
        std::vector<TTrabalho::TFoto> fotos{t.Foto()};
        for (int i = 0; i < 8; ++i) {
            acoes()[i % 2 ? u"inserirAqui"_s : u"digitacao"_s](t, h);
            h.Concluir();
            fotos.push_back(t.Foto());
            if (i == 4)
                h.MarcarSalvo();
        }
        QCOMPARE(h.Passos(), 5);
        QVERIFY(h.Alterado());
        for (int i = 7; i >= 3; --i) {
            h.Desfazer();
            QCOMPARE_FOTO(t.Foto(), fotos[size_t(i)]);
            QCOMPARE(h.Alterado(), i != 5 && i != 4);
        }
        QVERIFY(!h.PodeDesfazer());
        h.DefinirLimites(THistorico::MaximoPassos, 1);
        acoes()[u"digitacao"_s](t, h);
        h.Concluir();
        QCOMPARE(h.Passos(), 1);
        QVERIFY(h.Alterado());
    }

    // A 200-destination, four-sign project: 300 steps that renumber the whole
    // table or fill the largest sign keep at least 200 steps in under 64 MB,
    // counted by the history and measured on the heap.
    void limiteDeMemoria()
    {
        TTrabalho t;
        THistorico h(t);
        ligar(t, h);
        t.Destinos(200);
        h.Reiniciar(false);
        const size_t heapAntes = mallinfo2().uordblks;
        for (int i = 0; i < 300; ++i) {
            switch (i % 3) {
            case 0:
                t.Selecionar(1 + i % 150);
                h.Comecar(TTipoPasso::ExcluirDestino);
                t.dados.ExcluirRotuloAtual();
                break;
            case 1:
                t.Selecionar(1 + i % 150);
                h.Comecar(TTipoPasso::InserirDestinoAqui);
                t.dados.InserirDestino(t.Painel(1), 1 + i % 150);
                break;
            default:
                t.editor.DefinirPainelAtivo(1);
                t.Ativo().Limpar();
                t.Digitar(QByteArray::number(i).repeated(8));
            }
            h.Concluir();
        }
        const size_t heapDepois = mallinfo2().uordblks;
        QVERIFY2(h.Passos() >= 200, qPrintable(QString::number(h.Passos())));
        QVERIFY2(h.Bytes() <= THistorico::LimiteBytes, qPrintable(QString::number(h.Bytes())));
#if !defined(__SANITIZE_ADDRESS__)
        QVERIFY2(heapDepois - heapAntes <= size_t(THistorico::LimiteBytes),
                 qPrintable(u"%1 bytes on the heap"_s.arg(qint64(heapDepois - heapAntes))));
#endif
        qInfo("%d steps, %lld bytes counted, %lld bytes on the heap", h.Passos(), h.Bytes(),
              qint64(heapDepois) - qint64(heapAntes));
        h.Desfazer();
        h.Refazer();
    }
};

QTEST_MAIN(TesteHistorico)
#include "tst_historico.moc"
