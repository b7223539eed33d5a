#pragma once

#include "print/UListagemDestinos.h"
#include "print/UMedidorTexto.h"

using namespace Qt::StringLiterals;

namespace Fixture {

// Every character 2 mm wide, a line 0.4 mm per point high (8 pt: 3.2 mm,
// 10 pt: 4 mm): line breaks and band heights known without any font.
class TMedidorFixo final : public TMedidorTexto {
public:
    static constexpr double LarguraCaractere = 2.0;
    double AlturaLinha(const TFonteRelatorio &fonte) const override { return fonte.Pontos * 0.4; }

protected:
    QStringList QuebrarParagrafo(const QString &paragrafo, const TFonteRelatorio &, double largura) const override
    {
        const int porLinha = qMax(1, int(largura / LarguraCaractere));
        QStringList linhas;
        for (qsizetype i = 0; i < paragrafo.size(); i += porLinha)
            linhas << paragrafo.mid(i, porLinha);
        if (linhas.isEmpty())
            linhas << QString();
        return linhas;
    }
};

// A listing of `quantas` lines numbered from 1, every label "R<n>P<position>".
inline TDadosListagem Listagem(int quantas, std::array<bool, QtdPosicoes> presentes = {true, true, true, true})
{
    TDadosListagem dados;
    dados.Presentes = presentes;
    dados.Titulos = {u"Frontal"_s, u"Lateral"_s, u"Traseiro"_s, u"Frontal Aux."_s};
    dados.TituloJanela = u"Dorvik  System [ /dados/onibus.ar1 ]"_s;
    dados.TituloNumero = u"Nº Destino"_s;
    dados.DataHora = u"05/03/2024 14:07"_s;
    for (int n = 1; n <= quantas; ++n) {
        TDadosListagem::TLinha &l = dados.Linhas.emplace_back();
        l.Numero = QString::number(n);
        for (int p = 0; p < QtdPosicoes; ++p)
            l.Rotulos[p] = u"R%1P%2"_s.arg(n).arg(p + 1);
    }
    return dados;
}

// The detail bands of a page, in order.
inline QList<const TBandaPagina *> Detalhes(const TPaginaRelatorio &pagina)
{
    QList<const TBandaPagina *> detalhes;
    for (const TBandaPagina &b : pagina.Bandas)
        if (b.Nome == u"QRBand1"_s)
            detalhes << &b;
    return detalhes;
}

inline QString Rodape(const TPaginaRelatorio &pagina)
{
    return pagina.Bandas.last().Texto(u"Qrs_NroPagina"_s)->Linhas.join(u'\n');
}
}
