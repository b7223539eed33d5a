#include "app/UHistorico.h"

#include <QScopeGuard>
#include <QSignalBlocker>
#include <algorithm>

#include "data/UTabelaMemoria.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

// A step on the stack. Pushing runs redo(), which the first time finds the work done already.
class THistorico::TComando : public QUndoCommand {
public:
    TComando(THistorico &historico, std::shared_ptr<const TPasso> passo)
        : QUndoCommand(NomeDoPasso(passo->Tipo)), historico(historico), passo(std::move(passo))
    {
    }
    void undo() override { historico.aplicar(*passo, true); }
    void redo() override
    {
        if (std::exchange(primeiro, false))
            return;
        historico.aplicar(*passo, false);
    }
    const std::shared_ptr<const TPasso> &Passo() const { return passo; }

private:
    THistorico &historico;
    std::shared_ptr<const TPasso> passo;
    bool primeiro = true;
};

THistorico::THistorico(TAlvoHistorico &alvo, QObject *pai) : QObject(pai), alvo(alvo)
{
    pausa.setSingleShot(true);
    pausa.setInterval(PausaDigitacao);
    connect(&pausa, &QTimer::timeout, this, [this] { Concluir(); });
    fotoTabela = TFotoTabela::De(alvo.TabelaDestinos());
}

THistorico::~THistorico() = default;

std::shared_ptr<const THistorico::TCaptura> THistorico::capturar()
{
    auto captura = std::make_shared<TCaptura>();
    captura->Estado = alvo.CapturarTrabalho(ultimo ? &ultimo->Estado : nullptr);
    captura->Bytes = captura->Estado.Editor.BytesProprios(ultimo ? &ultimo->Estado.Editor : nullptr)
                   + captura->Estado.PaineisGravados.size();
    ultimo = captura;
    return captura;
}

void THistorico::Comecar(TTipoPasso tipo)
{
    if (aplicando)
        return;
    if (aberto && aberto->Tipo == tipo && PassoContinuo(tipo)) {
        pausa.start();
        return;
    }
    std::shared_ptr<const TCaptura> antes;
    if (aberto) {
        antes = fechar();
    } else {
        fechar(); // a change of the table made outside any step
        antes = capturar();
    }
    aberto = TAberto{tipo, std::move(antes)};
    if (PassoContinuo(tipo))
        pausa.start();
    emit Mudou();
}

void THistorico::Concluir()
{
    if (!aplicando)
        fechar();
}

std::shared_ptr<const THistorico::TCaptura> THistorico::fechar()
{
    pausa.stop();
    TFotoTabela foto = TFotoTabela::De(alvo.TabelaDestinos());
    // The same rows under new bookmarks (the file saved and read again) are not a change.
    TDeltaTabela delta = foto.Linhas == fotoTabela.Linhas ? TDeltaTabela() : TDeltaTabela::Entre(fotoTabela, foto);
    fotoTabela = std::move(foto);
    if (!aberto && delta.Vazio())
        return ultimo;
    auto depois = capturar();
    const TTipoPasso tipo = aberto ? aberto->Tipo : TTipoPasso::Alteracao;
    auto antes = aberto ? aberto->Antes : depois;
    aberto.reset();
    if (delta.Vazio() && antes->Estado == depois->Estado) {
        emit Mudou();
        return depois;
    }
    auto passo = std::make_shared<TPasso>(TPasso{tipo, antes, depois, std::move(delta), 0});
    const bool antesJaContado = pilha.index() > 0 && passo->Antes == this->passo(pilha.index() - 1).Depois;
    passo->Bytes = qint64(sizeof(TPasso)) + passo->Tabela.Bytes() + passo->Depois->Bytes
                 + (antesJaContado || antes == depois ? 0 : passo->Antes->Bytes);
    empilhar(std::move(passo));
    return depois;
}

void THistorico::empilhar(std::shared_ptr<const TPasso> passo)
{
    pilha.push(new TComando(*this, std::move(passo)));
    aparar();
    emit Mudou();
}

const THistorico::TPasso &THistorico::passo(int indice) const
{
    return *static_cast<const TComando *>(pilha.command(indice))->Passo();
}

// Qt's stack drops old commands only by a count fixed while it is empty, so
// the steps kept are pushed again onto an emptied stack; the clean state goes
// with them, or is lost with the steps dropped.
void THistorico::aparar()
{
    const int n = pilha.count();
    bytes = 0;
    for (int i = 0; i < n; ++i)
        bytes += passo(i).Bytes;
    int k = 0;
    while (n - k > 1 && (n - k > maximoPassos || bytes > limiteBytes))
        bytes -= passo(k++).Bytes;
    if (k == 0)
        return;
    std::vector<std::shared_ptr<const TPasso>> restantes;
    for (int i = k; i < n; ++i)
        restantes.push_back(static_cast<const TComando *>(pilha.command(i))->Passo());
    const int limpo = pilha.cleanIndex();
    const QSignalBlocker bloqueio(&pilha);
    pilha.clear();
    if (limpo < k)
        pilha.resetClean();
    for (size_t j = 0; j < restantes.size(); ++j) {
        pilha.push(new TComando(*this, restantes[j]));
        if (limpo == k + int(j) + 1)
            pilha.setClean();
    }
}

void THistorico::aplicar(const TPasso &p, bool desfazer)
{
    aplicando = true;
    const auto fim = qScopeGuard([this] { aplicando = false; });
    try {
        if (!p.Tabela.Vazio()) {
            const auto linhas = alvo.TabelaDestinos().TodasAsLinhas();
            alvo.RestaurarDestinos(desfazer ? p.Tabela.Desfazer(linhas) : p.Tabela.Refazer(linhas));
        }
        const auto &captura = desfazer ? p.Antes : p.Depois;
        alvo.RestaurarTrabalho(captura->Estado);
        ultimo = captura;
        fotoTabela = TFotoTabela::De(alvo.TabelaDestinos());
    } catch (const TErro &erro) {
        falha = erro.Mensagem;
    }
}

void THistorico::mover(bool desfazer)
{
    Concluir();
    if (desfazer ? !pilha.canUndo() : !pilha.canRedo())
        return;
    const QString nome = desfazer ? pilha.undoText() : pilha.redoText();
    if (desfazer)
        pilha.undo();
    else
        pilha.redo();
    if (falha) {
        const QString motivo = *std::exchange(falha, std::nullopt);
        Reiniciar(true);
        throw TErro(u"Não foi possível %1 \"%2\": %3\rO histórico de alterações foi esvaziado."_s.arg(
            desfazer ? u"desfazer"_s : u"refazer"_s, nome, motivo));
    }
    emit Mudou();
}

void THistorico::Desfazer()
{
    mover(true);
}

void THistorico::Refazer()
{
    mover(false);
}

bool THistorico::PodeDesfazer() const
{
    return aberto || pilha.canUndo();
}

bool THistorico::PodeRefazer() const
{
    return !aberto && pilha.canRedo();
}

QString THistorico::PassoADesfazer() const
{
    return aberto ? NomeDoPasso(aberto->Tipo) : pilha.undoText();
}

QString THistorico::PassoARefazer() const
{
    return PodeRefazer() ? pilha.redoText() : QString();
}

void THistorico::Reiniciar(bool alterado)
{
    pausa.stop();
    aberto.reset();
    {
        const QSignalBlocker bloqueio(&pilha);
        pilha.clear();
    }
    bytes = 0;
    alteradoNoSalvo = alterado;
    ultimo.reset();
    fotoTabela = TFotoTabela::De(alvo.TabelaDestinos());
    emit Mudou();
}

void THistorico::MarcarSalvo()
{
    aberto.reset();
    pausa.stop();
    pilha.setClean();
    alteradoNoSalvo = false;
    fotoTabela = TFotoTabela::De(alvo.TabelaDestinos());
    emit Mudou();
}

bool THistorico::Alterado() const
{
    const int limpo = pilha.cleanIndex();
    if (limpo < 0)
        return true;
    const int atual = pilha.index();
    for (int i = std::min(atual, limpo); i < std::max(atual, limpo); ++i)
        if (!passo(i).Tabela.Vazio())
            return true;
    return alteradoNoSalvo;
}

void THistorico::DefinirLimites(int passos, qint64 limite)
{
    maximoPassos = passos;
    limiteBytes = limite;
}
