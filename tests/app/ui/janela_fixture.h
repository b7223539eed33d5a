#pragma once

#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>

#include "app/ui/UFrmPrincipalVeltronix.h"
#include "app/ui/UFrmTipoOnibusVeltronix.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "panel/ui/UFlexLed.h"
#include "panel/ui/URespostasDialogos.h"

using namespace Qt::StringLiterals;

// The program's window shown and active, with the helpers that drive it as the operator does.
struct TJanela {
    TFrm_PrincipalVeltronix janela;
    int terminou = 0;
    QList<QList<bool>> impressoes;
    // registrarImpressao: the print command records its call instead of showing the listing.
    explicit TJanela(bool registrarImpressao = true)
    {
        // The program's settings (the pen drive used last) go to a place of the tests'.
        QStandardPaths::setTestModeEnabled(true);
        janela.Timer1->stop();
        janela.Comandos.Terminar = [this] { ++terminou; };
        if (registrarImpressao)
            janela.Comandos.ImprimirListagem = [this](bool f, bool l, bool t, bool a) { impressoes.append({f, l, t, a}); };
        janela.resize(1366, 740);
        janela.show();
        janela.activateWindow();
        if (!QTest::qWaitForWindowActive(&janela))
            qFatal("the window did not become active");
    }
    TFme_Painel &Editor() { return *janela.Editor(); }
    TFlexLed &Painel(int p) { return *janela.Editor()->FlexLed(p); }
    TFme_Destinos &Lista() { return *janela.Fme_Destinos; }
    TTabelaMemoria &Destinos() { return janela.Fme_Destinos->Dados().Cds_DestinosExtras; }
    // Types on the panel of a position as the operator does: a click, then the keys.
    void Digitar(int p, const QString &texto)
    {
        QTest::mouseClick(&Painel(p), Qt::LeftButton, {}, QPoint(2, 2));
        Editor().FocarPainelAtivo();
        // keyClicks handles ASCII only; other characters go as text with no key.
        for (const QChar c : texto)
            if (c.unicode() < 128)
                QTest::keyClicks(Painel(p).CapturaDeTeclas(), QString(c));
            else
                QTest::sendKeyEvent(QTest::Click, Painel(p).CapturaDeTeclas(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
    }
    void Tecla(Qt::Key tecla, Qt::KeyboardModifiers mod = {})
    {
        QWidget *foco = QApplication::focusWidget();
        QTest::keyClick(foco ? foco : &janela, tecla, mod);
    }
    // F2 from the active panel.
    void SalvarDestino() { QTest::keyClick(Editor().FlexAtivo()->CapturaDeTeclas(), Qt::Key_F2); }
    // The linhas of the destination table of the kind shown: "PAINEL/NRO_DESTINO[N]".
    QStringList Linhas()
    {
        QStringList l;
        TTabelaMemoria &t = Destinos();
        for (int i = 0; i < t.QuantidadeDeLinhas(); ++i)
            l << u"%1/%2%3"_s.arg(t.ValorNaLinha(i, t.IndiceDaColuna(u"PAINEL"_s)).toInt())
                     .arg(t.ValorNaLinha(i, t.IndiceDaColuna(u"NRO_DESTINO"_s)).toInt())
                     .arg(t.ValorNaLinha(i, t.IndiceDaColuna(u"NOVO"_s)).toBool() ? u"N"_s : QString());
        return l;
    }
    void DuploClique(int linha)
    {
        QTableView *v = Lista().Dbg_DestinosExtras;
        const QPoint centro = v->visualRect(v->model()->index(linha, 0)).center();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, centro);
    }
};

// Answers the selection with the boxes' items (front, side, rear, auxiliary) and "OK".
inline void escolher(TRespostasDialogos &d, TItensSelecao itens)
{
    d.ResponderJanela([itens](QDialog &janela) {
        auto &s = static_cast<TFrm_TipoOnibusVeltronix &>(janela);
        s.DefinirItens(itens);
        s.show();
        QTest::mouseClick(s.Btn_OK, Qt::LeftButton);
        return s.result();
    });
}
// Answers the selection with "Abrir Archivo" and a file.
inline void abrir(TRespostasDialogos &d, const QString &arquivo, TItensSelecao itens = {})
{
    d.ResponderArquivo(arquivo);
    d.ResponderJanela([itens](QDialog &janela) {
        auto &s = static_cast<TFrm_TipoOnibusVeltronix &>(janela);
        s.DefinirItens(itens);
        s.show();
        QTest::mouseClick(s.Btn_AbrirArquivo, Qt::LeftButton);
        return s.result();
    });
}
// Answers the selection with "Abrir Archivo do PenDrive..." and a pen drive file.
inline void abrirPenDrive(TRespostasDialogos &d, const QString &arquivo)
{
    d.ResponderJanela([](QDialog &janela) {
        auto &s = static_cast<TFrm_TipoOnibusVeltronix &>(janela);
        s.show();
        QTest::mouseClick(s.Btn_AbrirPenDrive, Qt::LeftButton);
        return s.result();
    });
    d.ResponderArquivo(arquivo);
}
// Answers the choice of "Volver a Selecion" with "Fechar Arquivo".
inline void fecharArquivo(TRespostasDialogos &d)
{
    d.ResponderJanela([](QDialog &escolha) {
        escolha.show();
        QTest::mouseClick(escolha.findChild<QPushButton *>(u"Btn_FecharArquivo"_s), Qt::LeftButton);
        return escolha.result();
    });
}
inline void novoProjeto(TJanela &j, TItensSelecao itens)
{
    TRespostasDialogos d;
    escolher(d, itens);
    j.janela.Timer1Timer();
}
