#include <QtTest>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <optional>

#include "panel/ui/UMensagem.h"
#include "panel/ui/URespostasMensagem.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TTipoMensagem)

namespace {

const QString titulo = u"Dorvik  System"_s;

// Shows a real box through `mostrar` and lets `atender` act on it from the
// event loop. A box still open after five seconds is closed and nullopt
// returned, so a broken case fails instead of hanging.
std::optional<int> comCaixa(const std::function<int()> &mostrar,
                            const std::function<void(QMessageBox &)> &atender)
{
    QTimer sonda;
    sonda.setInterval(10);
    QObject::connect(&sonda, &QTimer::timeout, [&] {
        auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!caixa || !caixa->isVisible())
            return;
        sonda.stop();
        atender(*caixa);
    });
    bool esgotado = false;
    QTimer seguranca;
    seguranca.setSingleShot(true);
    seguranca.setInterval(5000);
    QObject::connect(&seguranca, &QTimer::timeout, [&] {
        esgotado = true;
        if (auto *caixa = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            caixa->done(-1);
    });
    sonda.start();
    seguranca.start();
    const int resultado = mostrar();
    if (esgotado)
        return std::nullopt;
    return resultado;
}

QPushButton *botaoComTexto(QMessageBox &caixa, const QString &texto)
{
    for (QAbstractButton *b : caixa.buttons()) {
        if (b->text() == texto)
            return qobject_cast<QPushButton *>(b);
    }
    return nullptr;
}

QStringList textosDosBotoes(QMessageBox &caixa)
{
    QStringList textos;
    for (QAbstractButton *b : caixa.buttons())
        textos << b->text();
    textos.sort();
    return textos;
}

}

class TesteMensagem : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(titulo); }

    // The wrappers hand MostrarMensagem the kind, mask, default and flags the
    // callers rely on, and return the answer unchanged.
    void embrulhosPassamOPedido()
    {
        TRespostasMensagem respostas{TMensagem::mrNo, TMensagem::mrOk, TMensagem::mrCancel,
                                     TMensagem::mrOk, TMensagem::mrRetry};
        const auto confirmacao = TTipoMensagem::mtConfirmation;
        QCOMPARE(TMensagem::Pergunta(u"Sobrescrever?"_s, confirmacao, TMensagem::mrNo, TMensagem::mbYesNo),
                 TMensagem::mrNo);
        QCOMPARE(TMensagem::Mensagem(u"Salvo."_s, TTipoMensagem::mtInformation), TMensagem::mrOk);
        QCOMPARE(TMensagem::MensagemComBotoes(u"Salvar?"_s, TTipoMensagem::mtWarning, TMensagem::mbYesNoCancel),
                 TMensagem::mrCancel);
        TMensagem::Informacao(u"Pronto.\r\nFim"_s);
        QCOMPARE(TMensagem::MostrarMensagem(u"Falhou"_s, TTipoMensagem::mtError, false, TMensagem::mrRetry, 17,
                                            TMensagem::mbRetry | TMensagem::mbAbort),
                 TMensagem::mrRetry);

        const QList<TPedidoMensagem> &p = respostas.Pedidos();
        QCOMPARE(p.size(), 5);
        QVERIFY(respostas.Inesperados().isEmpty());
        QCOMPARE(respostas.Restantes(), 0);

        QCOMPARE(p[0].Texto, u"Sobrescrever?"_s);
        QCOMPARE(p[0].Tipo, confirmacao);
        QCOMPARE(p[0].Botoes, TBotoesMensagem(3));
        QCOMPARE(p[0].ResultadoPadrao, 7);
        QCOMPARE(p[0].Titulo, titulo + u" ( Confirmação )"_s);

        QCOMPARE(p[1].Tipo, TTipoMensagem::mtInformation);
        QCOMPARE(p[1].Botoes, TBotoesMensagem(4));
        QCOMPARE(p[1].ResultadoPadrao, 0);

        QCOMPARE(p[2].Tipo, TTipoMensagem::mtWarning);
        QCOMPARE(p[2].Botoes, TBotoesMensagem(11));
        QCOMPARE(p[2].ResultadoPadrao, 0);

        QCOMPARE(p[3].Texto, u"Pronto.\r\nFim"_s);
        QCOMPARE(p[3].Tipo, TTipoMensagem::mtInformation);
        QCOMPARE(p[3].Botoes, TBotoesMensagem(4));

        for (int i = 0; i < 4; ++i) {
            QVERIFY(p[i].Traduzir);
            QCOMPARE(p[i].ContextoAjuda, 0);
        }
        QVERIFY(!p[4].Traduzir);
        QCOMPARE(p[4].ContextoAjuda, 17);
        QCOMPARE(p[4].Titulo, titulo);
        QCOMPARE(p[4].Botoes, TBotoesMensagem(48));
    }

    void tituloPorTipo_data()
    {
        QTest::addColumn<TTipoMensagem>("tipo");
        QTest::addColumn<bool>("traduzir");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("aviso") << TTipoMensagem::mtWarning << true << titulo + u" ( Aviso )"_s;
        QTest::newRow("erro") << TTipoMensagem::mtError << true << titulo + u" ( Erro )"_s;
        QTest::newRow("informação") << TTipoMensagem::mtInformation << true << titulo + u" ( Informação )"_s;
        QTest::newRow("confirmação") << TTipoMensagem::mtConfirmation << true << titulo + u" ( Confirmação )"_s;
        QTest::newRow("personalizada") << TTipoMensagem::mtCustom << true << titulo;
        QTest::newRow("sem tradução") << TTipoMensagem::mtError << false << titulo;
    }
    void tituloPorTipo()
    {
        QFETCH(TTipoMensagem, tipo);
        QFETCH(bool, traduzir);
        QFETCH(QString, esperado);
        QCOMPARE(TMensagem::TituloAplicacao(), titulo);
        TRespostasMensagem respostas{TMensagem::mrOk};
        TMensagem::MostrarMensagem(u"x"_s, tipo, traduzir, 0, 0, TMensagem::mbOK);
        QCOMPARE(respostas.Pedidos().at(0).Titulo, esperado);
    }

    // A box with no answer queued is answered Cancel and recorded; the helper
    // hands the boxes back to the responder it replaced when it goes.
    void caixaSemRespostaERestauracao()
    {
        {
            TRespostasMensagem externo{TMensagem::mrYes};
            {
                TRespostasMensagem interno;
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"inesperada.*Salvar\\?"_s));
                QCOMPARE(TMensagem::Pergunta(u"Salvar?"_s, TTipoMensagem::mtConfirmation, 6, 11),
                         TMensagem::mrCancel);
                QCOMPARE(interno.Inesperados().size(), 1);
                QCOMPARE(interno.Pedidos().size(), 1);
            }
            QCOMPARE(TMensagem::Pergunta(u"De novo?"_s, TTipoMensagem::mtConfirmation, 6, 3), TMensagem::mrYes);
            QCOMPARE(externo.Pedidos().size(), 1);
            QVERIFY(externo.Inesperados().isEmpty());
        }
        QVERIFY(!TMensagem::DefinirRespondedor({}));
    }

    void confirmacaoReal()
    {
        const QString texto = u"ATENÇÃO:\r\nSalvar <b>alterações</b>?"_s;
        const auto resultado = comCaixa(
            [&] { return TMensagem::MostrarMensagem(texto, TTipoMensagem::mtConfirmation, true, 6, 42, 11); },
            [&](QMessageBox &caixa) {
                QPushButton *cancelar = botaoComTexto(caixa, u"&Cancelar"_s);
                QVERIFY(cancelar);
                auto clicarNoFim = qScopeGuard([cancelar] { cancelar->click(); });
                QCOMPARE(caixa.windowTitle(), titulo + u" ( Confirmação )"_s);
                QCOMPARE(textosDosBotoes(caixa), QStringList({u"&Cancelar"_s, u"&Não"_s, u"&Sim"_s}));
                QPushButton *sim = botaoComTexto(caixa, u"&Sim"_s);
                QCOMPARE(caixa.defaultButton(), sim);
                QCOMPARE(caixa.focusWidget(), sim);
                QCOMPARE(caixa.icon(), QMessageBox::Question);
                QCOMPARE(caixa.text(), texto);
                QCOMPARE(caixa.textFormat(), Qt::PlainText);
                QCOMPARE(caixa.property(TMensagem::PropriedadeContextoAjuda).toInt(), 42);
            });
        QCOMPARE(resultado, std::optional<int>(TMensagem::mrCancel));
    }

    // A box of captions of its own: its buttons in order, the first the
    // default; the answer is the index of the one clicked, -1 when closed.
    void escolherComLegendasProprias()
    {
        const auto resultado = comCaixa(
            [] { return TMensagem::Escolher(u"Pode remover o pen drive."_s, TTipoMensagem::mtInformation,
                                             {u"OK"_s, u"Ejetar"_s}); },
            [](QMessageBox &caixa) {
                QPushButton *ejetar = botaoComTexto(caixa, u"Ejetar"_s);
                QVERIFY(ejetar);
                auto clicarNoFim = qScopeGuard([ejetar] { ejetar->click(); });
                QCOMPARE(textosDosBotoes(caixa), (QStringList{u"Ejetar"_s, u"OK"_s}));
                QCOMPARE(caixa.defaultButton(), botaoComTexto(caixa, u"OK"_s));
                QCOMPARE(caixa.windowTitle(), titulo + u" ( Informação )"_s);
            });
        QCOMPARE(resultado, std::optional<int>(1));
        const auto fechada = comCaixa(
            [] { return TMensagem::Escolher(u"?"_s, TTipoMensagem::mtInformation, {u"OK"_s, u"Ejetar"_s}); },
            [](QMessageBox &caixa) { caixa.reject(); });
        QCOMPARE(fechada, std::optional<int>(-1));
        TRespostasMensagem r({1});
        QCOMPARE(TMensagem::Escolher(u"?"_s, TTipoMensagem::mtInformation, {u"OK"_s, u"Ejetar"_s}), 1);
        QCOMPARE(r.Pedidos().first().Opcoes, (QStringList{u"OK"_s, u"Ejetar"_s}));
    }

    void padraoNaoResponderComEnter()
    {
        const auto resultado = comCaixa(
            [] { return TMensagem::Pergunta(u"Gravar?"_s, TTipoMensagem::mtConfirmation, 7, 3); },
            [](QMessageBox &caixa) {
                QPushButton *nao = botaoComTexto(caixa, u"&Não"_s);
                QVERIFY(nao);
                QCOMPARE(caixa.focusWidget(), nao);
                QTest::keyClick(&caixa, Qt::Key_Return);
            });
        QCOMPARE(resultado, std::optional<int>(TMensagem::mrNo));
    }

    void okDaPlataforma()
    {
        QMessageBox referencia;
        const QString okDaPlataforma = referencia.addButton(QMessageBox::Ok)->text();
        const auto resultado = comCaixa(
            [] { return TMensagem::Mensagem(u"Salvo."_s, TTipoMensagem::mtInformation); },
            [&](QMessageBox &caixa) {
                QCOMPARE(caixa.buttons().size(), 1);
                QAbstractButton *ok = caixa.buttons().constFirst();
                auto clicarNoFim = qScopeGuard([ok] { ok->click(); });
                QCOMPARE(ok->text(), okDaPlataforma);
                QCOMPARE(caixa.windowTitle(), titulo + u" ( Informação )"_s);
                QCOMPARE(caixa.icon(), QMessageBox::Information);
            });
        QCOMPARE(resultado, std::optional<int>(TMensagem::mrOk));
    }

    void semTraducaoMantemAsLegendasDaPlataforma()
    {
        const auto resultado = comCaixa(
            [] { return TMensagem::MostrarMensagem(u"x"_s, TTipoMensagem::mtWarning, false, 6, 0, 3); },
            [](QMessageBox &caixa) {
                QAbstractButton *sim = caixa.button(QMessageBox::Yes);
                QVERIFY(sim);
                auto clicarNoFim = qScopeGuard([sim] { sim->click(); });
                QCOMPARE(caixa.windowTitle(), titulo);
                QVERIFY(!botaoComTexto(caixa, u"&Sim"_s));
                QVERIFY(!botaoComTexto(caixa, u"&Não"_s));
            });
        QCOMPARE(resultado, std::optional<int>(TMensagem::mrYes));
    }

    // Every button of the full set closes the box with its own code; the
    // translated ones are found by their Portuguese caption.
    void cadaBotaoDaSeuCodigo_data()
    {
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<int>("padrao");  // QMessageBox::StandardButton of a platform caption
        QTest::addColumn<int>("codigo");
        QTest::newRow("Sim") << u"&Sim"_s << 0 << 6;
        QTest::newRow("Não") << u"&Não"_s << 0 << 7;
        QTest::newRow("OK") << QString() << int(QMessageBox::Ok) << 1;
        QTest::newRow("Cancelar") << u"&Cancelar"_s << 0 << 2;
        QTest::newRow("Abortar") << u"&Abortar"_s << 0 << 3;
        QTest::newRow("Repetir") << u"&Repetir"_s << 0 << 4;
        QTest::newRow("Ignorar") << u"&Ignorar"_s << 0 << 5;
        QTest::newRow("Todos") << u"&Todos"_s << 0 << 8;
        QTest::newRow("Não para todos") << QString() << int(QMessageBox::NoToAll) << 9;
        QTest::newRow("Sim para todos") << QString() << int(QMessageBox::YesToAll) << 10;
        QTest::newRow("Ajuda") << u"A&juda"_s << 0 << 0;
    }
    void cadaBotaoDaSeuCodigo()
    {
        QFETCH(QString, legenda);
        QFETCH(int, padrao);
        QFETCH(int, codigo);
        const auto resultado = comCaixa(
            [] { return TMensagem::MensagemComBotoes(u"x"_s, TTipoMensagem::mtCustom, 2047); },
            [&](QMessageBox &caixa) {
                QCOMPARE(caixa.buttons().size(), 11);
                QCOMPARE(caixa.icon(), QMessageBox::NoIcon);
                QAbstractButton *botao = legenda.isEmpty()
                                             ? caixa.button(QMessageBox::StandardButton(padrao))
                                             : botaoComTexto(caixa, legenda);
                QVERIFY(botao);
                botao->click();
            });
        QCOMPARE(resultado, std::optional<int>(codigo));
    }
};

QTEST_MAIN(TesteMensagem)
#include "tst_mensagem.moc"
