#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QToolButton>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include "app/UDestinoPaineis.h"
#include "app/URecuperacao.h"
#include "app/ui/UFrmAdicionarPainel.h"
#include "editor/ui/UFmeCoresLED.h"
#include "editor/ui/UFmeGraficos.h"
#include "editor/ui/UFmeRolagem.h"
#include "editor/ui/UFmeRotativo.h"
#include "panel/ui/UFmeFontes.h"
#include "panel/ui/UFrmDimensaoTexto.h"
#include "app/gerador_projetos.h"
#include "app/linhas_fixture.h"
#include "app/ui/janela_fixture.h"
#include "panel/UFontes.h"
#include "panel/ui/URespostasDialogos.h"
#include "panel/ui/URespostasMensagem.h"

// The operator's invariants, checked through the real main window over
// generated projects: what is stored comes back unchanged when it is loaded
// and stored again. DORVIK_PROJETOS sets how many projects (1 000 by default),
// DORVIK_SEMENTE the first seed; a failure names the seed that reproduces it.
namespace {

// The offscreen platform's notes about window hints it ignores would fill the log.
QtMessageHandler anterior = nullptr;
void filtrarAvisos(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (texto.startsWith(u"This plugin does not support"_s))
        return;
    anterior(tipo, contexto, texto);
}

int variavel(const char *nome, int padrao)
{
    bool ok = false;
    const int valor = qEnvironmentVariableIntValue(nome, &ok);
    return ok ? valor : padrao;
}

// The signs the window's editor holds, as the transfer takes them.
QList<TSinalEquipado> sinaisDaJanela(TJanela &j)
{
    QList<TSinalEquipado> r;
    for (int p = 1; p <= 4; ++p)
        if (TFlexLed *painel = j.Editor().FlexLed(p))
            r.append({p, painel->NroLinhas(), painel->NroColunas()});
    return r;
}

// The list's line of a number of the kind shown; -1 when it has none.
int linhaDoNumero(TJanela &j, int numero)
{
    TTabelaMemoria &rotulos = j.Lista().Dados().Cds_Rotulos;
    if (!rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {j.Lista().ModoExtra, numero}, TVazio::ComoZero))
        return -1;
    return rotulos.PosicaoCorrente();
}


// An operator at work on a generated project, as random steps through the
// window: clicks on the panels and the tools, slot changes, typing, F2,
// loading other numbers, switching the kind, "Não" to the pen drive, saving,
// closing and opening the project, and the answers to the questions on the way.
// Beside the window it keeps what the operator knows: the number the panels
// hold, the slot chosen and the slots typed into. After every step it checks
// that no stored number changed but the one the operator stored into, that
// no rotating message appeared that was not typed into, and that the
// keyboard is with the active panel.
class TOperador {
public:
    TOperador(TJanela &j, const QString &arquivo, quint32 semente)
        : j(j), arquivo(arquivo), aleatorio(semente), semente(semente)
    {
        ativo = primeiroSinal();
        anteriorMensagem = TMensagem::DefinirRespondedor([this](const TPedidoMensagem &p) { return responder(p); });
        anteriorArquivo = TDialogos::DefinirRespondedorArquivo([this](const TPedidoArquivo &) { return this->arquivo; });
        anteriorJanela = TDialogos::DefinirRespondedorJanela([this](QDialog &d) { return janela(d); });
    }
    ~TOperador()
    {
        TMensagem::DefinirRespondedor(std::move(anteriorMensagem));
        TDialogos::DefinirRespondedorArquivo(std::move(anteriorArquivo));
        TDialogos::DefinirRespondedorJanela(std::move(anteriorJanela));
    }

    // One step; an empty text when every check held, else what went wrong.
    QString Passo(int indice)
    {
        const TLinhas antes = linhasGuardadas(j.Destinos());
        const int escolha = entre(0, 99);
        QString feito;
        if (escolha < 12)
            feito = cliquePainel();
        else if (escolha < 24)
            feito = ferramenta();
        else if (escolha < 34)
            feito = rotativo();
        else if (escolha < 58)
            feito = digitar();
        else if (escolha < 70)
            feito = salvarDestino();
        else if (escolha < 82)
            feito = carregar();
        else if (escolha < 88)
            feito = trocarTipo();
        else if (escolha < 92)
            feito = recusarPenDrive();
        else if (escolha < 96)
            feito = salvarProjeto();
        else
            feito = fecharEAbrir();
        historico << u"%1. %2"_s.arg(indice).arg(feito);
        QString erro = std::exchange(falha, {});
        if (erro.isEmpty())
            erro = verificarTeclado();
        if (erro.isEmpty())
            erro = verificarLinhas(antes);
        if (!erro.isEmpty())
            erro = u"semente %1: %2\n  %3"_s.arg(semente).arg(erro, historico.join(u"\n  "_s));
        return erro;
    }

private:
    static constexpr int Novo = 0; // the panels hold a destination that has no number yet

    int entre(int menor, int maior) { return int(aleatorio.bounded(menor, maior + 1)); }
    TFme_Painel &editor() { return j.Editor(); }
    int primeiroSinal()
    {
        for (int p = 1; p <= 4; ++p)
            if (j.janela.Editor() && j.Editor().FlexLed(p))
                return p;
        return 1;
    }
    QList<int> sinais()
    {
        QList<int> r;
        for (int p = 1; p <= 4; ++p)
            if (j.Editor().FlexLed(p))
                r << p;
        return r;
    }
    void novoDestino()
    {
        numero = Novo;
        slot = 1;
        digitados.remove({extra, Novo});
    }

    // The answers: the edited destination is stored, dropped or the step
    // cancelled at random; the pen drive is refused; the project is saved or not.
    int responder(const TPedidoMensagem &p)
    {
        perguntas << p.Texto;
        if (p.Texto == u"Salvar o destino editado?"_s) {
            resposta = std::array{TMensagem::mrYes, TMensagem::mrNo, TMensagem::mrCancel}[size_t(entre(0, 2))];
            if (resposta == TMensagem::mrYes)
                armazenou = true;
            return resposta;
        }
        if (p.Texto.contains(u"Grabar o Archivo no PenDrive?"_s))
            return TMensagem::mrNo;
        if (p.Texto.contains(u"Deseja Salvar o Ar"_s))
            return entre(0, 1) ? TMensagem::mrYes : TMensagem::mrNo;
        if (p.Tipo == TTipoMensagem::mtError)
            erros << p.Texto;
        return TMensagem::mrOk;
    }
    int janela(QDialog &d)
    {
        if (auto *escolha = qobject_cast<TFrm_AdicionarPainel *>(&d)) {
            escolha->show();
            QTest::mouseClick(escolha->Btn_FecharArquivo, Qt::LeftButton);
            return escolha->result();
        }
        auto &selecao = static_cast<TFrm_TipoOnibusVeltronix &>(d);
        selecao.show();
        QTest::mouseClick(selecao.Btn_AbrirArquivo, Qt::LeftButton);
        return selecao.result();
    }

    // Runs a step that may ask "Salvar o destino editado?": false when the operator cancelled it.
    template <typename F> bool perguntando(F passo)
    {
        resposta = -1;
        armazenou = false;
        numeroAntes = numero;
        passo();
        if (armazenou)
            guardado(numeroAntes);
        return resposta != TMensagem::mrCancel;
    }
    // The panels were stored into the number they hold.
    void guardado(int n)
    {
        permitidos.insert({extra, n});
        digitadosAoGuardar = digitados.value({extra, n});
        digitados.remove({extra, n});
    }

    QString cliquePainel()
    {
        const QList<int> lista = sinais();
        ativo = lista[entre(0, int(lista.size()) - 1)];
        TFlexLed &p = j.Painel(ativo);
        // In graphics mode a click draws: the message shown is edited.
        if (p.Modo() == TModo::ModoGrafico)
            digitados[{extra, numero}].insert({ativo, p.Rolagem() == TRolagem::tsNenhum ? slot : 1});
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(entre(1, p.width() - 2), entre(1, p.height() - 2)));
        return u"clique no painel %1"_s.arg(ativo);
    }
    QString ferramenta()
    {
        TFme_Painel &e = editor();
        QAbstractButton *botoes[] = {e.Fme_Fontes->Btn_AlinhaEsquerda, e.Fme_Fontes->Btn_AlinhaCentro,
                                     e.Fme_Fontes->Btn_AlinhaDireita, e.Fme_Fontes->Btn_AumntaDistancia,
                                     e.Fme_Fontes->Sbt_DIVISAO_Cima, e.Fme_Fontes->Sbt_DIVISAO_Baixo,
                                     e.Fme_CoresLED->btnHabilitarDivColuna, e.Fme_CoresLED->btnDesabilitarDivColuna,
                                     e.Fme_Rolagem->Btn_Rolar, e.Fme_Rolagem->Btn_NaoRolar,
                                     e.Fme_Graficos->Btn_Habilitar, e.Fme_Graficos->Btn_Desabilitar};
        const int i = entre(0, int(std::size(botoes)));
        if (i == int(std::size(botoes))) {
            QComboBox *cor = e.Fme_CoresLED->Cbo_CorLED1;
            const int indice = entre(0, cor->count() - 1);
            // As the operator picks from the list: the keyboard does not move into the box.
            cor->setCurrentIndex(indice);
            return u"cor %1"_s.arg(indice);
        }
        QAbstractButton *b = botoes[i];
        if (!b->isEnabled())
            return u"%1 desabilitado"_s.arg(b->objectName());
        // Scrolling off discards every rotating message: the tool shows slot 1 again.
        if (b == e.Fme_Rolagem->Btn_NaoRolar)
            slot = 1;
        // Scrolling on makes what the panel shows its one message, slot 1.
        QSet<QPair<int, int>> &digitado = digitados[{extra, numero}];
        if (b == e.Fme_Rolagem->Btn_Rolar && digitado.contains({ativo, slot}))
            digitado.insert({ativo, 1});
        QTest::mouseClick(b, Qt::LeftButton);
        return b->objectName();
    }
    QString rotativo()
    {
        TFme_Rotativo &r = *editor().Fme_Rotativo;
        const int i = entre(0, 9);
        QAbstractButton *b = i < 8 ? static_cast<QAbstractButton *>(r.findChild<QRadioButton *>(u"Rbt_Rotativo%1"_s.arg(i + 1)))
                             : r.findChild<QToolButton *>(i == 8 ? u"Btn_ProximoRotativo"_s : u"Btn_RotativoAnterior"_s);
        if (!b->isEnabled())
            return u"%1 desabilitado"_s.arg(b->objectName());
        QTest::mouseClick(b, Qt::LeftButton);
        slot = i < 8 ? i + 1 : i == 8 ? std::min(slot + 1, 8) : std::max(slot - 1, 1);
        return b->objectName();
    }
    QString digitar()
    {
        static const QString letras = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 "_s;
        QString texto;
        for (int i = entre(1, 6); i > 0; --i)
            texto += letras.at(entre(0, int(letras.size()) - 1));
        QWidget *foco = QApplication::focusWidget();
        if (!foco)
            return u"digitar \"%1\" sem teclado"_s.arg(texto);
        QTest::keyClicks(foco, texto);
        // A scrolling sign has one message, whatever slot the tool shows.
        const int mensagem = j.Painel(ativo).Rolagem() == TRolagem::tsNenhum ? slot : 1;
        digitados[{extra, numero}].insert({ativo, mensagem});
        QString feito = u"digitar \"%1\" no painel %2, mensagem %3"_s.arg(texto).arg(ativo).arg(mensagem);
        // A line that does not fit opens the text-dimension window, which takes the
        // keyboard: the operator reads it and closes it with Esc.
        if (TFrm_DimensaoTexto *d = TFrm_DimensaoTexto::Aberto()) {
            if (!QTest::qWaitFor([d] { return QApplication::activeWindow() == d; }, 200))
                falha = u"a janela de dimensão abriu sem o teclado"_s;
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d, Qt::Key_Escape);
            if (TFrm_DimensaoTexto::Aberto())
                falha = u"Esc não fechou a janela de dimensão"_s;
            feito += u", Esc"_s;
        }
        return feito;
    }
    QString salvarDestino()
    {
        numeroAntes = numero;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &j.janela, Qt::Key_F2);
        guardado(numeroAntes);
        const QString feito = u"F2 (%1)"_s.arg(numeroAntes == Novo ? u"novo"_s : QString::number(numeroAntes));
        novoDestino();
        return feito;
    }
    QString carregar()
    {
        QTableView *v = j.Lista().Dbg_DestinosExtras;
        const int linhas = v->model()->rowCount();
        if (linhas == 0)
            return u"carregar: lista vazia"_s;
        const int linha = entre(0, linhas - 1);
        const int n = v->model()->index(linha, 0).data().toInt();
        if (perguntando([&] { j.DuploClique(linha); })) {
            // A number no sign has stored is a new destination for the operator.
            numero = TDestinoPaineis::NumeroGuardado(j.Destinos(), extra, n) ? n : Novo;
            slot = 1;
            digitados.remove({extra, numero});
        }
        return u"carregar %1"_s.arg(n);
    }
    QString trocarTipo()
    {
        QPushButton *b = extra ? j.Lista().Btn_TextoDestino : j.Lista().Btn_TextoExtra;
        if (perguntando([&] { QTest::mouseClick(b, Qt::LeftButton); })) {
            extra = !extra;
            novoDestino();
        }
        return extra ? u"Extra"_s : u"Destino"_s;
    }
    QString recusarPenDrive()
    {
        const bool tipo = j.Lista().ModoExtra;
        const int selecionado = j.janela.Sincronizacao.NumeroSelecionado();
        const TEstadoEditor paineis = TEstadoEditor::Capturar(editor(), *editor().Fme_Rotativo);
        QTest::mouseClick(j.janela.Btn_TransferirProjeto, Qt::LeftButton);
        if (j.Lista().ModoExtra != tipo || j.janela.Sincronizacao.NumeroSelecionado() != selecionado)
            falha = u"\"Não\" ao pen drive mudou a lista: %1 %2, agora %3 %4"_s.arg(tipo).arg(selecionado).arg(
                j.Lista().ModoExtra).arg(j.janela.Sincronizacao.NumeroSelecionado());
        else if (!(TEstadoEditor::Capturar(editor(), *editor().Fme_Rotativo) == paineis))
            falha = u"\"Não\" ao pen drive mudou os painéis"_s;
        return u"\"Não\" ao pen drive"_s;
    }
    QString salvarProjeto()
    {
        QTest::mouseClick(j.janela.Btn_SalvarProjeto, Qt::LeftButton);
        return u"Salvar no HD"_s;
    }
    QString fecharEAbrir()
    {
        recarregado = true;
        if (perguntando([&] { QTest::mouseClick(j.janela.btn_VolaraSelecao, Qt::LeftButton); })
            && !perguntas.isEmpty() && perguntas.last() != u"Salvar o destino editado?"_s
            && !j.janela.Projeto()) {
            falha = u"o projeto não voltou"_s;
        }
        if (j.janela.Projeto() && resposta != TMensagem::mrCancel) {
            extra = false;
            novoDestino();
            ativo = j.Editor().PainelAtivo() ? j.Editor().PainelAtivo()->Tag : primeiroSinal();
        }
        return u"fechar e abrir"_s;
    }

    QString verificarTeclado()
    {
        if (!j.janela.Projeto())
            return u"não há projeto aberto"_s;
        if (!erros.isEmpty())
            return u"erro: "_s + erros.takeFirst();
        // Activation goes through the window system: what it has pending comes first.
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &j.janela; }, 200))
            return u"a janela principal não tem o teclado"_s;
        TFlexLed *p = editor().FlexAtivo();
        if (p && p->Modo() == TModo::ModoTexto && QApplication::focusWidget() != p->CapturaDeTeclas())
            return u"o teclado está em %1, não no painel ativo %2"_s.arg(
                QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : u"nenhum lugar"_s).arg(p->Tag);
        ativo = p ? p->Tag : ativo;
        return {};
    }

    // Stored numbers change only where the operator stored: the number the
    // panels held (or a new one), with no message the operator did not type into.
    QString verificarLinhas(const TLinhas &antes)
    {
        const TLinhas depois = linhasGuardadas(j.Destinos());
        if (std::exchange(recarregado, false))
            return {}; // closed and opened: the rows are the file's, as saved or not
        QSet<QPair<bool, int>> mudados;
        for (auto it = antes.cbegin(); it != antes.cend(); ++it)
            if (!depois.contains(it.key()) || depois[it.key()] != it.value())
                mudados.insert({std::get<0>(it.key()), std::get<2>(it.key())});
        for (auto it = depois.cbegin(); it != depois.cend(); ++it)
            if (!antes.contains(it.key()))
                mudados.insert({std::get<0>(it.key()), std::get<2>(it.key())});
        for (const auto &[tipo, n] : mudados) {
            const bool novo = doNumero(antes, tipo, n).isEmpty();
            const bool esperado = permitidos.contains({tipo, n}) || (novo && permitidos.contains({tipo, Novo}));
            if (!esperado)
                return u"%1 %2 mudou sem ser gravado"_s.arg(tipo ? u"o extra"_s : u"o destino"_s).arg(n);
            const QSet<QPair<int, int>> &digitado = digitadosAoGuardar;
            for (auto it = depois.cbegin(); it != depois.cend(); ++it) {
                const auto [e, painel, numeroLinha] = it.key();
                if (e != tipo || numeroLinha != n)
                    continue;
                const QVector<QVariant> anterior = antes.value(it.key());
                for (int i = 1; i <= 8; ++i) {
                    const int c = j.Destinos().IndiceDaColuna(u"CONFIG_PAINEL%1"_s.arg(i));
                    const bool tinha = !anterior.isEmpty() && !anterior.value(c).isNull();
                    if (!it.value().value(c).isNull() && !tinha && !digitado.contains({painel, i}))
                        return u"%1 %2, sinal %3: apareceu a mensagem %4, que não foi digitada"_s.arg(
                            tipo ? u"extra"_s : u"destino"_s).arg(n).arg(painel).arg(i);
                }
            }
        }
        permitidos.clear();
        return {};
    }

    TJanela &j;
    QString arquivo;
    QRandomGenerator aleatorio;
    quint32 semente;
    TRespondedorMensagem anteriorMensagem;
    TDialogos::TRespondedorArquivo anteriorArquivo;
    TDialogos::TRespondedorJanela anteriorJanela;

    bool extra = false;
    int numero = Novo;        // the number the panels hold, as the operator knows it
    int numeroAntes = Novo;
    int slot = 1;             // the rotating message the operator chose
    int ativo = 1;            // the sign the operator clicked last
    int resposta = -1;        // to "Salvar o destino editado?" in the last step
    bool armazenou = false;
    bool recarregado = false;
    QMap<QPair<bool, int>, QSet<QPair<int, int>>> digitados; // by number: (sign, slot) typed into
    QSet<QPair<int, int>> digitadosAoGuardar;
    QSet<QPair<bool, int>> permitidos; // numbers stored into in this step
    QStringList perguntas;
    QStringList erros;
    QString falha; // of the step under way
    QStringList historico;
};

} // namespace

class TestePropriedades : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    int projetos = 1000;
    quint32 semente = 1;

    // Loads every number of both kinds (a sample of a long list) in the window
    // and stores it with F2, untouched: no column of its rows changes, no box
    // is asked, and the pen drive file is artAntes byte for byte at the end.
    void carregarEGravar(TJanela &j, const TLinhas &antes, const QByteArray &artAntes, quint32 s, int &numeros)
    {
        TRespostasMensagem caixas;
        const TTabelaMemoria &t = j.Destinos();
        for (bool extra : {false, true}) {
            if (extra)
                QTest::mouseClick(j.Lista().Btn_TextoExtra, Qt::LeftButton);
            QList<int> lista;
            for (auto it = antes.cbegin(); it != antes.cend(); ++it)
                if (std::get<0>(it.key()) == extra && !lista.contains(std::get<2>(it.key())))
                    lista.append(std::get<2>(it.key()));
            // A long list is sampled: its first, last and a few between.
            while (lista.size() > 8)
                lista.removeAt(1 + int(s % quint32(lista.size() - 2)));
            for (int numero : std::as_const(lista)) {
                const int linha = linhaDoNumero(j, numero);
                QVERIFY2(linha >= 0, qPrintable(u"semente %1: a lista não mostra %2"_s.arg(s).arg(numero)));
                j.DuploClique(linha);
                j.SalvarDestino();
                ++numeros;
                const QString d = diferenca(t, doNumero(antes, extra, numero),
                                            doNumero(linhasGuardadas(t), extra, numero));
                QVERIFY2(d.isEmpty(), qPrintable(u"semente %1: %2"_s.arg(s).arg(d)));
            }
        }
        QVERIFY2(caixas.Pedidos().isEmpty(), qPrintable(u"semente %1: caixa %2"_s.arg(s).arg(
                                                 caixas.Pedidos().value(0).Texto)));
        const QString d = diferenca(t, antes, linhasGuardadas(t));
        QVERIFY2(d.isEmpty(), qPrintable(u"semente %1: %2"_s.arg(s).arg(d)));
        QVERIFY2(TGeradorProjetos::Art(j.Lista().Dados(), sinaisDaJanela(j)) == artAntes,
                 qPrintable(u"semente %1: o arquivo do pen drive mudou"_s.arg(s)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        TRecuperacao::DefinirPasta(pasta.filePath(u"recuperacao"_s));
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
        anterior = qInstallMessageHandler(filtrarAvisos);
        projetos = variavel("DORVIK_PROJETOS", projetos);
        semente = quint32(variavel("DORVIK_SEMENTE", int(semente)));
    }
    void cleanupTestCase()
    {
        qInstallMessageHandler(anterior);
        TFontesLed::DefinirArquivoDeFontes({});
    }

    // Loading any destination or extra in the window and storing it with F2,
    // untouched, leaves every column of every row of its number as it was; at
    // the end the pen drive file is the same, byte for byte.
    void carregarEGravarNaoMuda()
    {
        QElapsedTimer relogio;
        relogio.start();
        int numeros = 0;
        for (int i = 0; i < projetos; ++i) {
            const quint32 s = semente + quint32(i);
            const QString arquivo = pasta.filePath(u"p%1.ar1"_s.arg(s));
            TGeradorProjetos::TProjeto projeto;
            TLinhas antes;
            QByteArray artAntes;
            {
                TDtm_Destino d;
                d.AbrirTabelas({});
                projeto = TGeradorProjetos(s).Gerar(d);
                QVERIFY(d.SalvarArquivo(arquivo));
                antes = linhasGuardadas(d.Cds_DestinosExtras);
                artAntes = TGeradorProjetos::Art(d, projeto.Equipados());
            }
            TJanela j;
            {
                TRespostasDialogos dialogos;
                abrir(dialogos, arquivo);
                j.janela.Timer1Timer();
            }
            QVERIFY2(j.janela.Projeto(), qPrintable(u"semente %1: o projeto não abriu"_s.arg(s)));
            carregarEGravar(j, antes, artAntes, s, numeros);
            if (QTest::currentTestFailed())
                return;
            QFile::remove(arquivo);
        }
        qInfo("%d projetos, %d números carregados e gravados em %.1f s", projetos, numeros,
              double(relogio.elapsed()) / 1000.0);
    }

    // A project rebuilt from its pen drive file (every fourth generated
    // project) and opened through the selection's "Abrir Archivo do
    // PenDrive...": each number loads and stores unchanged, and the pen drive
    // file stays the one it was rebuilt from.
    void reconstruidoCarregarEGravarNaoMuda()
    {
        QElapsedTimer relogio;
        relogio.start();
        int numeros = 0;
        int reconstruidos = 0;
        for (int i = 0; i < projetos; ++i) {
            const quint32 s = semente + quint32(i);
            if (s % 4 != 0)
                continue;
            const QString arquivo = pasta.filePath(u"p%1.art"_s.arg(s));
            QByteArray art;
            {
                TDtm_Destino d;
                d.AbrirTabelas({});
                const TGeradorProjetos::TProjeto projeto = TGeradorProjetos(s).Gerar(d);
                art = TGeradorProjetos::Art(d, projeto.Equipados());
            }
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(art) == art.size());
            f.close();
            TJanela j;
            {
                TRespostasMensagem aviso({TMensagem::mrOk});
                TRespostasDialogos dialogos;
                abrirPenDrive(dialogos, arquivo);
                j.janela.Timer1Timer();
                QVERIFY2(aviso.Pedidos().size() == 1
                             && !aviso.Pedidos().first().Texto.contains(u"não grava o mesmo arquivo"_s),
                         qPrintable(u"semente %1: %2"_s.arg(s).arg(aviso.Pedidos().value(0).Texto)));
            }
            QVERIFY2(j.janela.Projeto(), qPrintable(u"semente %1: o projeto não abriu"_s.arg(s)));
            carregarEGravar(j, linhasGuardadas(j.Destinos()), art, s, numeros);
            if (QTest::currentTestFailed())
                return;
            ++reconstruidos;
            QFile::remove(arquivo);
        }
        qInfo("%d projetos reconstruídos, %d números carregados e gravados em %.1f s", reconstruidos, numeros,
              double(relogio.elapsed()) / 1000.0);
    }

    // Random work of an operator on each project: only the number stored into
    // changes, no rotating message appears that was not typed into, and the
    // keyboard is with the active panel after every step.
    void trabalhoAleatorio()
    {
        QElapsedTimer relogio;
        relogio.start();
        int passos = 0;
        for (int i = 0; i < projetos; ++i) {
            const quint32 s = semente + quint32(i);
            const QString arquivo = pasta.filePath(u"t%1.ar1"_s.arg(s));
            {
                TDtm_Destino d;
                d.AbrirTabelas({});
                TGeradorProjetos(s).Gerar(d);
                QVERIFY(d.SalvarArquivo(arquivo));
            }
            TJanela j;
            {
                TRespostasDialogos dialogos;
                abrir(dialogos, arquivo);
                j.janela.Timer1Timer();
            }
            QVERIFY2(j.janela.Projeto(), qPrintable(u"semente %1: o projeto não abriu"_s.arg(s)));
            TOperador operador(j, arquivo, s);
            const int quantos = 10 + int(s % 25);
            for (int k = 1; k <= quantos; ++k, ++passos) {
                const QString erro = operador.Passo(k);
                QVERIFY2(erro.isEmpty(), qPrintable(erro));
            }
            QFile::remove(arquivo);
        }
        qInfo("%d projetos, %d passos do operador em %.1f s", projetos, passos, double(relogio.elapsed()) / 1000.0);
    }
};

QTEST_MAIN(TestePropriedades)
#include "tst_propriedades.moc"
