// TComandosProjeto: the open project's undo history and what it captures and
// puts back of the work: the editor, the list's kind and line, and what the
// panels held when their destination was last loaded or stored.
#include "app/ui/UComandosProjeto.h"

#include <QScopeGuard>
#include <QTimer>

#include "app/ui/USincronizacao.h"
#include "data/ui/UFmeDestinos.h"
#include "editor/ui/UFmePainel.h"
#include "editor/ui/UFmeRotativo.h"

using namespace Qt::StringLiterals;

THistorico *TComandosProjeto::Historico() const
{
    return projeto ? projeto->Historico.get() : nullptr;
}

// A new, empty history over the project as it is now; the project's editor reports its steps to it.
void TComandosProjeto::iniciarHistorico()
{
    if (!projeto)
        return;
    if (!projeto->Historico) {
        projeto->Historico = std::make_unique<THistorico>(static_cast<TAlvoHistorico &>(*this));
        connect(projeto->Historico.get(), &THistorico::Mudou, this, [this] { visao.AtualizarHistorico(); });
        TFme_Painel *e = projeto->Fme_Painel;
        e->AoComecarPasso = [this](TTipoPasso tipo) {
            if (THistorico *h = Historico())
                h->Comecar(tipo);
        };
        e->AoConcluirPasso = [this] {
            if (THistorico *h = Historico())
                h->Concluir();
        };
    }
    projeto->Historico->Reiniciar(projeto->Alterado);
}

void TComandosProjeto::Passo(TTipoPasso tipo, const std::function<void()> &acao)
{
    if (TFme_Painel *e = Editor())
        e->Passo(tipo, acao);
    else
        acao();
}

// The simulator stops first; afterwards the project is modified as far as the
// table differs from its file, and the recovery copy follows, also after a failure.
void TComandosProjeto::DesfazerOuRefazer(bool desfazer)
{
    THistorico *h = Historico();
    if (!h)
        return;
    ParaSimulador();
    const auto guardar = qScopeGuard([this, h] {
        projeto->Alterado = h->Alterado();
        QTimer::singleShot(0, this, [this] { GuardarRecuperacao(); });
    });
    if (desfazer)
        h->Desfazer();
    else
        h->Refazer();
}

TEstadoTrabalho TComandosProjeto::CapturarTrabalho(const TEstadoTrabalho *anterior)
{
    TEstadoTrabalho estado;
    if (TFme_Painel *e = Editor())
        estado.Editor = TEstadoEditor::Capturar(*e, *e->Fme_Rotativo, anterior ? &anterior->Editor : nullptr);
    estado.Extra = lista.ModoExtra;
    estado.Numero = sincronizacao.NumeroSelecionado();
    const TSincronizacao::TGravado gravado = sincronizacao.Gravado();
    estado.PaineisGravados = gravado.Estado;
    estado.NumeroDosPaineis = gravado.Numero;
    return estado;
}

void TComandosProjeto::RestaurarTrabalho(const TEstadoTrabalho &estado)
{
    TFme_Painel *e = Editor();
    if (!e)
        return;
    if (lista.ModoExtra != estado.Extra) {
        if (estado.Extra)
            lista.MostrarExtras();
        else
            lista.MostrarDestinos();
    }
    TTabelaMemoria &rotulos = lista.Dados().Cds_Rotulos;
    if (rotulos.Ativa())
        rotulos.Localizar(u"EXTRA;NRO_DESTINO"_s, {estado.Extra, estado.Numero}, TVazio::ComoZero);
    estado.Editor.Restaurar(*e, *e->Fme_Rotativo);
    sincronizacao.DefinirGravado({estado.PaineisGravados, estado.NumeroDosPaineis});
    FocarEditor();
}

TTabelaMemoria &TComandosProjeto::TabelaDestinos()
{
    return lista.Dados().Cds_DestinosExtras;
}

void TComandosProjeto::RestaurarDestinos(const std::vector<QVector<QVariant>> &linhas)
{
    lista.Dados().RestaurarLinhas(linhas);
}
