#pragma once

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "app/UTransferencia.h"
#include "data/UDtmDestino.h"
#include "editor/UCfgRotativo.h"
#include "editor/UCoresLed.h"
#include "editor/UEditorPaineis.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UPainelLed.h"

using namespace Qt::StringLiterals;

// Valid projects made at random from the data model: one to four signs of any
// model size, each message composed on a model panel as the operator composes
// it (text in any font that fits, a second line, alignment, spacing, LEDs drawn
// by hand, the departure clock), one to eight rotating messages with their
// times (some slots left empty), scrolling in any direction, divisions and
// colours, destinations and extras with gaps in the numbering, signs that lack
// some numbers, sometimes hundreds of numbers. Each row is written as the
// program stores a sign: the slots as the panel wrote them, the message length
// and the clock from the stored messages, the scroll window from the panel.
class TGeradorProjetos {
public:
    struct TSinal {
        int Posicao = 1;
        int Linhas = 8;
        int Colunas = 80;
        TRolagem Sentido = TRolagem::tsNenhum; // of every scrolling message of this sign
    };
    struct TProjeto {
        quint32 Semente = 0;
        int TipoOnibus = 1;
        QList<TSinal> Sinais;
        QList<TSinalEquipado> Equipados() const
        {
            QList<TSinalEquipado> r;
            for (const TSinal &s : Sinais)
                r.append({s.Posicao, s.Linhas, s.Colunas});
            return r;
        }
    };

    explicit TGeradorProjetos(quint32 semente) : aleatorio(semente), semente(semente) {}

    // Fills the (open, empty) tables with a new project.
    TProjeto Gerar(TDtm_Destino &dados)
    {
        TProjeto projeto;
        projeto.Semente = semente;
        projeto.TipoOnibus = entre(1, 6);
        const auto &modelos = TEditorPaineis::Modelos();
        const int quantos = entre(1, 4);
        std::array<int, 4> posicoes{1, 2, 3, 4};
        std::shuffle(posicoes.begin(), posicoes.end(), aleatorio);
        std::sort(posicoes.begin(), posicoes.begin() + quantos);
        for (int i = 0; i < quantos; ++i) {
            const auto &m = modelos[size_t(entre(0, int(modelos.size()) - 1))];
            TSinal s{posicoes[size_t(i)], m.Linhas, m.Colunas};
            if (chance(25)) {
                constexpr TRolagem sentidos[] = {TRolagem::tsEsquerda, TRolagem::tsEsquerda, TRolagem::tsBaixo,
                                                 TRolagem::tsCima, TRolagem::tsDireita};
                s.Sentido = sentidos[entre(0, 4)];
            }
            projeto.Sinais.append(s);
        }
        const bool muitos = chance(3);
        for (bool extra : {false, true}) {
            dados.DefinirFiltroExtra(extra);
            const int ultimo = extra ? entre(0, muitos ? 20 : 6) : muitos ? entre(100, 300) : entre(1, 18);
            bool primeiro = true;
            for (int numero = 1; numero <= ultimo; ++numero) {
                if (chance(10) && numero < ultimo)
                    continue; // a gap in the numbering
                // Some signs lack a number, but every sign has the first destination:
                // a project file fits the signs its rows name.
                for (const TSinal &s : std::as_const(projeto.Sinais))
                    if ((primeiro && !extra) || s.Posicao == projeto.Sinais.first().Posicao || !chance(8))
                        gravarLinha(dados, projeto, s, extra, numero, muitos);
                primeiro = false;
            }
            if (chance(70) && ultimo > 0)
                gravarPendente(dados, projeto, extra, ultimo + 1);
        }
        dados.DefinirFiltroExtra(false);
        dados.ReconstruirRotulos(true);
        return projeto;
    }

    // The pen drive file of the tables as the transfer writes it for these signs.
    static QByteArray Art(TDtm_Destino &dados, const QList<TSinalEquipado> &sinais)
    {
        TTransferencia transferencia(dados, sinais);
        TGeracaoArquivo geracao;
        transferencia.Preencher(geracao);
        return geracao.GerarBytes();
    }

private:
    int entre(int menor, int maior) { return int(aleatorio.bounded(menor, maior + 1)); }
    bool chance(int porCento) { return int(aleatorio.bounded(100)) < porCento; }

    // The fonts a sign of that many rows can show.
    static std::vector<TTipoFonte> fontesQueCabem(int linhas)
    {
        std::vector<TTipoFonte> r;
        for (int f = 1; f <= 12; ++f)
            if (TFontesLed::AlturaDaFonte(TTipoFonte(f)) <= linhas)
                r.push_back(TTipoFonte(f));
        return r;
    }

    QString texto(int tamanho)
    {
        static const QString letras = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-/ÁÇÃÉÕabcdefghijkl");
        QString r;
        for (int i = 0; i < tamanho; ++i)
            r += letras.at(entre(0, int(letras.size()) - 1));
        return r;
    }

    // A message composed on a model panel of the sign, as the operator would.
    struct TMensagem {
        QByteArray Conteudo;
        QString Rotulo;
        int UltimaAcesa = 0;
        bool Relogio = false;
        TTipoFonte FonteRelogio = TTipoFonte::tfNenhum;
        std::array<int, 4> AreaRelogio{};
    };
    TMensagem compor(const TSinal &s, bool rolando, bool relogio, int divisao)
    {
        TPainelLed p;
        p.DefinirNroLinhas(s.Linhas);
        p.DefinirNroColunas(s.Colunas);
        p.DefinirDivisaoNaColuna(divisao);
        if (rolando)
            p.DefinirRolagem(s.Sentido);
        const std::vector<TTipoFonte> fontes = fontesQueCabem(s.Linhas);
        const TTipoFonte fonte = fontes[size_t(entre(0, int(fontes.size()) - 1))];
        p.DefinirFonteUtilizada(fonte);
        p.PosicionarCursor(1, 1);
        if (!chance(10)) {
            p.DigitarTexto(texto(rolando ? entre(4, 40) : entre(1, 14)));
            if (chance(20) && s.Linhas >= 2 * TFontesLed::AlturaDaFonte(fonte) + 1) {
                p.PressionarTecla(TeclasPainel::Enter, false);
                p.DigitarTexto(texto(entre(1, 8)));
            }
            if (!rolando && chance(30))
                p.DefinirAlinhamento(chance(50) ? TAlinhamento::taCenter : TAlinhamento::taRightJustify);
            if (!rolando && chance(15))
                p.AumentarEspacamento(1, p.UltimaColuna());
        }
        if (relogio) {
            p.DigitarTexto(QStringLiteral(" "));
            p.InserirRelogio();
        }
        if (chance(25)) {
            const int largura = rolando ? std::max(s.Colunas, p.UltimaColunaAcesa(true)) : s.Colunas;
            for (int i = entre(1, 12); i > 0; --i)
                p.Led(entre(1, s.Linhas), entre(1, largura), true)->DefinirAcesa(true);
        }
        TMensagem m;
        m.Conteudo = p.GerarConteudo(s.Linhas, s.Colunas);
        m.Rotulo = p.Rotulo();
        // The message length counts what is stored: not what spacing pushed past a panel that does not scroll.
        TConteudoPainel::AnalisarConteudo(
            m.Conteudo, [&m](const TEntradaLed &e) { m.UltimaAcesa = e.Acesa ? std::max(m.UltimaAcesa, int(e.Coluna)) : m.UltimaAcesa; },
            [](const TEntradaCaractere &) {});
        m.FonteRelogio = p.RelogioFonte();
        m.Relogio = p.RelogioColunaFinal() != 0;
        m.AreaRelogio = {p.RelogioColunaInicial(), p.RelogioColunaFinal(), p.RelogioLinhaInicial(),
                         p.RelogioLinhaFinal()};
        return m;
    }

    void gravarLinha(TDtm_Destino &dados, const TProjeto &projeto, const TSinal &s, bool extra, int numero,
                     bool muitos)
    {
        const bool rolando = s.Sentido != TRolagem::tsNenhum && chance(60);
        // A scrolling sign has one message; others up to eight, some slots left empty.
        const int ultimoSlot = rolando ? 1 : muitos ? entre(1, 2) : entre(1, 8);
        int divisao = 0;
        if (chance(20))
            divisao = chance(50) ? 28 : 32;
        if (divisao > s.Colunas)
            divisao = 0;
        const auto &cores = TCoresLed::Lista();
        const TCor corLed = cores[size_t(entre(0, int(cores.size()) - 1))].Valor;
        const TCor corDivisao = cores[size_t(entre(0, int(cores.size()) - 1))].Valor;
        const int slotRelogio = extra && !rolando && chance(50) ? entre(1, ultimoSlot) : 0;

        TTabelaMemoria &t = dados.Cds_DestinosExtras;
        t.Acrescentar();
        t.DefinirValor(QStringLiteral("TIPOONIBUS"), projeto.TipoOnibus);
        t.DefinirValor(QStringLiteral("NRO_DESTINO"), numero);
        t.DefinirValor(QStringLiteral("PAINEL"), s.Posicao);
        int tamanho = 0;
        std::optional<TMensagem> comRelogio;
        for (int i = 1; i <= 8; ++i) {
            const QString n = QString::number(i);
            const bool guardado = i <= ultimoSlot && (i == 1 || i == slotRelogio || !chance(15));
            std::optional<TMensagem> m;
            if (guardado)
                m = compor(s, rolando, i == slotRelogio, divisao);
            t.DefinirValor(u"NRO_ROTATIVO"_s + n, m ? QVariant(i) : QVariant());
            t.DefinirValor(u"TPO_ROTATIVO"_s + n, m ? QVariant(entre(0, 30)) : QVariant());
            t.DefinirValor(u"SENTIDO_ROTATIVO"_s + n,
                           m ? QVariant(CodigoDoSentido(rolando ? s.Sentido : TRolagem::tsNenhum)) : QVariant());
            t.DefinirValor(u"ROTULO"_s + n, m ? QVariant(m->Rotulo) : QVariant());
            t.DefinirValor(u"CONFIG_PAINEL"_s + n, m ? QVariant(m->Conteudo) : QVariant());
            if (!m)
                continue;
            tamanho = std::max(tamanho, m->UltimaAcesa);
            if (m->Relogio && !comRelogio)
                comRelogio = m;
        }
        t.DefinirValor(u"TAMANHO_MENSAGEM"_s, tamanho);
        t.DefinirValor(u"NRO_LINHAS"_s, s.Linhas);
        t.DefinirValor(u"NRO_COLUNAS"_s, s.Colunas);
        t.DefinirValor(u"COR_FUNDO"_s, 0);
        t.DefinirValor(u"COR_PADRAO"_s, qint32(corLed));
        t.DefinirValor(u"ROLAGEM"_s, rolando);
        if (s.Posicao == 1)
            t.DefinirValor(u"FONTE_HORARIO"_s, comRelogio ? TFontesLed::NumeroDaFonte(comRelogio->FonteRelogio) : 0);
        if (extra) {
            const std::array<int, 4> area = comRelogio ? comRelogio->AreaRelogio : std::array<int, 4>{};
            t.DefinirValor(u"POSXINICIAL"_s, area[0]);
            t.DefinirValor(u"POSXFINAL"_s, area[1]);
            t.DefinirValor(u"POSYINICIAL"_s, area[2]);
            t.DefinirValor(u"POSYFINAL"_s, area[3]);
        } else {
            t.DefinirValor(u"POSXINICIAL"_s, divisao != 0 ? divisao : 1);
            t.DefinirValor(u"POSXFINAL"_s, s.Colunas);
            t.DefinirValor(u"POSYINICIAL"_s, 1);
            t.DefinirValor(u"POSYFINAL"_s, s.Linhas);
        }
        t.DefinirValor(u"DIV_COLUNA"_s, divisao > 0 ? QVariant(divisao) : QVariant());
        t.DefinirValor(u"COR_DIVISAO"_s, divisao > 0 ? QVariant(qint32(corDivisao)) : QVariant());
        t.DefinirValor(u"DIV_LINHA"_s, false);
        t.DefinirValor(u"EXTRA"_s, extra);
        t.DefinirValor(u"NOVO"_s, false);
        dados.GravarPendente();
    }

    // The pending new row the program leaves after a store, on the first sign.
    void gravarPendente(TDtm_Destino &dados, const TProjeto &projeto, bool extra, int numero)
    {
        TTabelaMemoria &t = dados.Cds_DestinosExtras;
        t.Acrescentar();
        t.DefinirValor(u"TIPOONIBUS"_s, projeto.TipoOnibus);
        t.DefinirValor(u"NRO_DESTINO"_s, numero);
        t.DefinirValor(u"PAINEL"_s, projeto.Sinais.first().Posicao);
        t.DefinirValor(u"EXTRA"_s, extra);
        t.DefinirValor(u"NOVO"_s, true);
        dados.GravarPendente();
    }

    QRandomGenerator aleatorio;
    quint32 semente;
};
