#include "editor/UEstadoEditor.h"

#include "editor/UCfgRotativo.h"
#include "editor/UEditorPaineis.h"
#include "editor/URotativos.h"
#include "panel/UPainelLed.h"

namespace {

// The earlier text when it holds the same bytes, so that both captures share one storage.
QByteArray compartilhado(const QByteArray &texto, const QByteArray *anterior)
{
    return anterior && *anterior == texto ? *anterior : texto;
}

const TEstadoEditor::TPainel *painelDe(const TEstadoEditor *estado, int posicao)
{
    if (estado)
        for (const TEstadoEditor::TPainel &p : estado->Paineis)
            if (p.Posicao == posicao)
                return &p;
    return nullptr;
}

bool mesmoTexto(const QByteArray &a, const QByteArray &b)
{
    return a.isEmpty() || a.constData() == b.constData();
}

} // namespace

TEstadoEditor TEstadoEditor::Capturar(TEditorPaineis &editor, const TRotativos &rotativos,
                                      const TEstadoEditor *anterior)
{
    TEstadoEditor estado;
    for (int posicao = 1; posicao <= TEditorPaineis::QtdPosicoes; ++posicao) {
        TPainelLed *painel = editor.Painel(posicao);
        if (!painel)
            continue;
        const TPainel *antes = painelDe(anterior, posicao);
        estado.Paineis.push_back(
            {posicao, painel->NroLinhas(), painel->NroColunas(), painel->FonteUtilizada(), painel->Rolagem(),
             painel->Alinhamento(), painel->DivisaoNaColuna(), painel->CorLed(), painel->CorLedNaDivisao(),
             painel->CorFundo(),
             compartilhado(painel->GerarConteudo(painel->NroLinhas(), painel->NroColunas()),
                           antes ? &antes->Conteudo : nullptr),
             painel->ColunaCursor(), painel->LinhaCursor(), painel->PrimeiraColuna()});
    }
    for (const auto &r : rotativos.Rotativos()) {
        std::optional<QByteArray> conteudo;
        if (r->Conteudo)
            conteudo = r->Conteudo->data();
        estado.Rotativos.push_back({r->Painel, r->NroRotativo, r->Vazio, r->TempoExposicao, r->Rolagem, r->Rotulo,
                                    r->DivisaoNaColuna, r->NroLinhas, r->CorLed, r->CorLedNaDivisao,
                                    std::move(conteudo)});
    }
    estado.RotativoAtual = rotativos.RotativoAtual;
    estado.PainelAtivo = editor.NumeroPainelAtivo;
    return estado;
}

void TEstadoEditor::Restaurar(TEditorPaineis &editor, TRotativos &rotativos) const
{
    for (const TPainel &p : Paineis) {
        TPainelLed *painel = editor.Painel(p.Posicao);
        if (!painel)
            continue;
        painel->DefinirNroLinhas(p.Linhas);
        painel->DefinirNroColunas(p.Colunas);
        painel->Limpar();
        painel->DefinirRolagem(p.Rolagem);
        painel->DefinirAlinhamento(p.Alinhamento); // nothing to align on the cleared panel
        painel->DefinirDivisaoNaColuna(p.Divisao);
        painel->DefinirCores(p.CorDivisao, p.CorLed, p.CorFundo);
        painel->CarregarConteudo(p.Conteudo);
        painel->DefinirFonteUtilizada(p.Fonte);
        painel->PosicionarCursor(p.ColunaCursor, p.LinhaCursor);
        painel->DefinirColunaCursor(p.ColunaCursor); // as it was, also where a move would normalise it
        painel->DefinirPrimeiraColuna(p.PrimeiraColuna);
    }
    rotativos.LimparConfiguracoes();
    for (const TRotativo &r : Rotativos) {
        TCfgRotativo &c = rotativos.AcrescentarConfiguracao(qint16(r.Posicao), quint16(r.Numero));
        c.Vazio = r.Vazio;
        c.TempoExposicao = qint16(r.Tempo);
        c.Rolagem = r.Rolagem;
        c.Rotulo = r.Rotulo;
        c.DivisaoNaColuna = qint16(r.Divisao);
        c.NroLinhas = qint16(r.Linhas);
        c.CorLed = r.CorLed;
        c.CorLedNaDivisao = r.CorDivisao;
        if (r.Conteudo)
            c.DefinirTextoConteudo(*r.Conteudo);
        else
            c.Conteudo.reset();
    }
    editor.NumeroPainelAtivo = PainelAtivo;
    rotativos.UltimoPainel = QString::number(PainelAtivo);
    rotativos.ExibirSemCriar(qint16(PainelAtivo), RotativoAtual);
}

qint64 TEstadoEditor::BytesProprios(const TEstadoEditor *anterior) const
{
    qint64 bytes = qint64(sizeof(TEstadoEditor)) + qint64(Paineis.size() * sizeof(TPainel))
                 + qint64(Rotativos.size() * sizeof(TRotativo));
    for (const TPainel &p : Paineis) {
        const TPainel *antes = painelDe(anterior, p.Posicao);
        if (!antes || !mesmoTexto(p.Conteudo, antes->Conteudo))
            bytes += p.Conteudo.size();
    }
    for (const TRotativo &r : Rotativos) {
        bytes += r.Rotulo.size() * qint64(sizeof(QChar));
        if (!r.Conteudo)
            continue;
        bool compartilhado = false;
        if (anterior)
            for (const TRotativo &a : anterior->Rotativos)
                if (a.Conteudo && mesmoTexto(*r.Conteudo, *a.Conteudo)) {
                    compartilhado = true;
                    break;
                }
        if (!compartilhado)
            bytes += r.Conteudo->size();
    }
    return bytes;
}
