#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "app/UProjetoArquivo.h"
#include "app/projeto_fixture.h"
#include "output/saida_fixture.h"
#include "panel/UFontes.h"

// Projects damaged one way each, as a hand-edited or foreign ".ar1" can be,
// with the refusal of the pen drive file that names what to correct.
struct TProjetoDanificado {
    QString Nome;
    // Changes the rows of the sound project below.
    std::function<void(QList<TLinhaProjeto> &destinos, QList<TLinhaProjeto> &extras)> Danificar;
    QString Mensagem;
};

// A font file whose 8x6 font has a "7" of 256 columns, the rest as built in.
inline void CriarFontesComDigitoLargo(const QString &arquivo)
{
    Fixture::GravarArquivo(arquivo, "[Veltronix 8x6]\r\n55=" + QByteArray(8 * 256, '1') + "\r\n");
    TFontesLed::DefinirArquivoDeFontes(arquivo);
    TFontesLed::CriarFontesPadrao();
}

inline QString MensagemDeRecusa(const QString &origem, const QString &motivo)
{
    return u"ATENÇÃO:\r\n%1: %2\r\nO arquivo não foi gerado."_s.arg(origem, motivo);
}

inline QList<TProjetoDanificado> ProjetosDanificados()
{
    const auto campo = [](const QString &origem, const QString &nome, int valor, int maximo) {
        return MensagemDeRecusa(origem, u"o campo \"%1\" vale %2 e aceita somente valores de 1 a %3."_s.arg(nome)
                                            .arg(valor)
                                            .arg(maximo));
    };
    return {
        {u"linhas negativas"_s, [](auto &d, auto &) { d[2].Linhas = -1; },
         campo(u"Destino 1 do painel 2 (Lateral)"_s, u"linhas"_s, -1, 16)},
        {u"colunas que não cabem no byte"_s, [](auto &d, auto &) { d[1].Colunas = 300; },
         campo(u"Destino 2 do painel 1 (Frontal)"_s, u"colunas"_s, 300, 255)},
        {u"nenhuma linha com tamanho"_s, [](auto &d, auto &) { d[2].Colunas = 0; },
         MensagemDeRecusa(u"Painel 2 (Lateral)"_s, u"nenhum destino ou extra gravado diz o tamanho do letreiro (de 1 "
                                                   u"a 16 linhas e de 1 a 255 colunas)."_s)},
        {u"rótulo sem código"_s, [](auto &d, auto &) { d[0].Rotulo[0] = u"Āgua Branca"_s; },
         MensagemDeRecusa(u"Destino 1 do painel 1 (Frontal)"_s,
                          u"o rótulo \"Āgua Branca\" tem o caractere \"Ā\" (U+0100), que não tem código no arquivo."_s)},
        {u"dígito do relógio largo demais"_s, [](auto &, auto &x) { x[0].FonteRelogio = 6; },
         MensagemDeRecusa(u"Extra 1 do painel 1 (Frontal)"_s, u"o caractere \"7\" da fonte do relógio 8x6 tem mais de "
                                                              u"255 colunas no arquivo de fontes."_s)},
        {u"destino sem número"_s, [](auto &d, auto &) { d[1].Numero = 0; },
         MensagemDeRecusa(u"Painel 1 (Frontal)"_s,
                          u"há um destino sem número (NRO_DESTINO vazio ou 0); os números vão de 1 a 65535."_s)},
    };
}

// The sound project (front destinations 1 and 2, side destination 1, a front
// extra with a clock area), damaged, in the tables; the destinations shown.
inline void GravarProjetoDanificado(TDtm_Destino &d, const TProjetoDanificado &projeto)
{
    QList<TLinhaProjeto> destinos{Linha(1, 1, Fixture::Conteudo(8, 80, {QPoint(1, 1)}), u"Centro"_s),
                                  Linha(1, 2, Fixture::Conteudo(8, 80, {QPoint(2, 2)}), u"Bairro"_s),
                                  Linha(2, 1, Fixture::Conteudo(8, 80, {QPoint(3, 3)}), u"Via Norte"_s)};
    TLinhaProjeto recolhe = Linha(1, 1, Fixture::Conteudo(8, 80), u"Recolhe"_s);
    recolhe.Relogio = {1, 40, 1, 8};
    QList<TLinhaProjeto> extras{recolhe};
    projeto.Danificar(destinos, extras);
    d.AbrirTabelas({});
    for (const TLinhaProjeto &l : std::as_const(destinos))
        GravarLinha(d, l);
    d.DefinirFiltroExtra(true);
    for (const TLinhaProjeto &l : std::as_const(extras))
        GravarLinha(d, l);
    MostrarTipo(d, false);
}
