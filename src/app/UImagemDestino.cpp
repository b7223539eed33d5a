#include "app/UImagemDestino.h"

#include <QBuffer>
#include <QScopeGuard>
#include <algorithm>

#include "app/UDestinoPaineis.h"
#include "app/UProjetoArquivo.h"
#include "data/UDtmDestino.h"
#include "editor/UCfgRotativo.h"
#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

namespace {
// Pixels, from the LED pitch p: the page's margin and the gap between signs,
// the height of the caption's letters, the gap under a caption, and the dark
// face around the LEDs.
int margem(int p) { return std::max(8, 2 * p); }
int letras(int p) { return std::max(11, p * 3 / 2 + 4); }
int vaoLegenda(int p) { return std::max(3, p / 2); }
int borda(int p) { return std::max(2, p / 2); }

// The sign's face scrolls as the simulator scrolls it (always to the left); a
// clock is not a scroll.
bool rolagem(TRolagem sentido)
{
    return sentido != TRolagem::tsNenhum && sentido != TRolagem::tsHorario;
}
}

QString TImagemDestino::MensagemNaoExiste(bool extra, int numero)
{
    return (extra ? u"ATENÇÃO:\r\nO extra %1 não existe neste projeto."_s
                  : u"ATENÇÃO:\r\nO destino %1 não existe neste projeto."_s)
        .arg(numero);
}

TImagemDestino::TImagemDestino(TDtm_Destino &dados, int numero, const TOpcoesImagem &opcoes)
    : extra(dados.FiltroExtra()), numero(numero), opcoes(opcoes), desenho(opcoes.Escala)
{
    dados.GuardarPosicao();
    const auto restaurar = qScopeGuard([&dados] { dados.RestaurarPosicao(); });
    sinais = SinaisDoProjeto(dados);
    verificarNumero(dados);
    carregar(dados);
    montar();
}

TImagemDestino::~TImagemDestino() = default;

void TImagemDestino::verificarNumero(TDtm_Destino &dados) const
{
    TTabelaMemoria &t = dados.Cds_DestinosExtras;
    bool existe = false;
    for (const TSinalEquipado &s : sinais)
        if (t.Localizar(u"EXTRA;PAINEL;NRO_DESTINO"_s, {extra, s.Painel, numero}, TVazio::ComoZero)) {
            if (!t.ComoBooleano(u"NOVO"_s))
                return;
            existe = true;
        }
    if (!existe)
        throw TErro(MensagemNaoExiste(extra, numero));
    throw TErro((extra ? u"ATENÇÃO:\r\nO extra %1 ainda não foi gravado: não há o que desenhar."_s
                       : u"ATENÇÃO:\r\nO destino %1 ainda não foi gravado: não há o que desenhar."_s)
                    .arg(numero));
}

void TImagemDestino::carregar(TDtm_Destino &dados)
{
    TDestinoPaineis::TPaineis lista{};
    for (const TSinalEquipado &s : sinais) {
        auto painel = std::make_unique<TPainelLed>();
        painel->Tag = s.Painel;
        painel->DefinirNroLinhas(s.Linhas);
        painel->DefinirNroColunas(s.Colunas);
        editor.DefinirPainel(s.Painel, painel.get());
        lista[size_t(s.Painel - 1)] = painel.get();
        paineis[size_t(s.Painel - 1)] = std::move(painel);
    }
    // As the editor before it loads a destination: slots bound and reset. The
    // play stores nothing, and a sign without a message in a slot goes on
    // showing the one it has, as on the bus.
    editor.LigarRotativos();
    editor.ManterSemMensagem = true;
    rotativos.ReiniciarRotativos();
    TDestinoPaineis::Carregar(dados.Cds_DestinosExtras, extra, numero, lista, rotativos);
    // The sign scrolls as the pen drive file will have it, whatever its row's ROLAGEM says.
    for (TPainelLed *painel : lista)
        if (painel)
            painel->DefinirRolagem(rolagem(rotativos.Configuracao(qint16(painel->Tag), 1).Rolagem)
                                       ? TRolagem::tsEsquerda
                                       : TRolagem::tsNenhum);
    // Every colour a message can show, before the first frame: an animation's
    // frames then share one colour table. A colour equal to the background
    // shows yellow, as the panel shows it.
    for (const auto &c : rotativos.Rotativos()) {
        desenho.RegistrarCor(c->CorLedNaDivisao);
        desenho.RegistrarCor(c->CorLed == Cores::Preto ? Cores::Amarelo : c->CorLed);
    }
}

void TImagemDestino::montar()
{
    const int p = desenho.Passo();
    int largura = 0;
    int y = margem(p);
    for (const TSinalEquipado &s : sinais) {
        const QSize legenda = TDesenhoLeds::TamanhoDaLegenda(NomeDoSinal(s.Painel), letras(p));
        y += legenda.height() + vaoLegenda(p);
        origens[size_t(s.Painel - 1)] = QPoint(margem(p) + borda(p), y + borda(p));
        largura = std::max({largura, legenda.width(), s.Colunas * p + 2 * borda(p)});
        y += s.Linhas * p + 2 * borda(p) + margem(p);
    }
    tela = desenho.NovaImagem(largura + 2 * margem(p), y);
    for (const TSinalEquipado &s : sinais) {
        const QPoint o = origens[size_t(s.Painel - 1)];
        const QSize legenda = TDesenhoLeds::TamanhoDaLegenda(NomeDoSinal(s.Painel), letras(p));
        desenho.EscreverLegenda(tela, QPoint(margem(p), o.y() - borda(p) - vaoLegenda(p) - legenda.height()),
                                NomeDoSinal(s.Painel), letras(p));
        desenho.PreencherFace(tela, QRect(o - QPoint(borda(p), borda(p)),
                                          QSize(s.Colunas * p + 2 * borda(p), s.Linhas * p + 2 * borda(p))));
    }
}

TPainelLed *TImagemDestino::Painel(int posicao) const
{
    return posicao >= 1 && posicao <= TEditorPaineis::QtdPosicoes ? paineis[size_t(posicao - 1)].get() : nullptr;
}

bool TImagemDestino::Rola(int posicao) const
{
    const TPainelLed *painel = Painel(posicao);
    return painel && painel->Rolagem() != TRolagem::tsNenhum;
}

const QImage &TImagemDestino::Desenhar()
{
    for (const TSinalEquipado &s : sinais)
        desenho.DesenharPainel(tela, origens[size_t(s.Painel - 1)], *Painel(s.Painel), opcoes.Horario);
    return tela;
}

QPoint TImagemDestino::CentroDoLed(int posicao, int linha, int coluna) const
{
    const int p = desenho.Passo();
    return origens[size_t(posicao - 1)] + QPoint((coluna - 1) * p + p / 2, (linha - 1) * p + p / 2);
}

void TImagemDestino::GravarPng(const QString &arquivo)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!Desenhar().save(&buffer, "PNG"))
        throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, u"a imagem PNG não pôde ser montada"_s));
    TArquivoDisco::GravarAtomico(arquivo, png);
}
