#include "print/UBandasListagem.h"
#include "print/UListagemDestinos.h"
#include "print/UMedidorTexto.h"

using namespace Qt::StringLiterals;

// Laying the bands on pages: the page header and the column header at the top
// of every page, the detail lines below them while they fit above the page
// footer, which stands at the bottom of every page.
namespace {
const QColor prata(192, 192, 192);
constexpr double folga = 1e-6; // mm; sums of tenths are not exact in binary

class TPaginador {
public:
    TPaginador(const TDadosListagem &dados, const TMedidorTexto &medidor, int total)
        : medidor(medidor), total(total), cabecalho(TBandasListagem::CabecalhoPagina(dados, medidor)),
          colunas(TBandasListagem::CabecalhoColunas(dados, medidor))
    {
        abrir();
    }

    // Lays a detail band. One taller than a page's whole room starts a page
    // of its own and goes on over the next pages, never cut off.
    void Detalhe(const TBandaPagina &detalhe)
    {
        QList<int> inicio(detalhe.Textos.size(), 0);
        for (;;) {
            const double livre = limite() - y;
            const double altura = TBandasListagem::AlturaDetalheRestante(detalhe, inicio);
            if (altura <= livre + folga) {
                colocar(TBandasListagem::PedacoDetalhe(detalhe, inicio, altura));
                comDetalhes = true;
                return;
            }
            if (!comDetalhes)
                colocar(TBandasListagem::PedacoDetalhe(detalhe, inicio, livre));
            fechar();
            abrir();
        }
    }

    QList<TPaginaRelatorio> Encerrar()
    {
        fechar();
        return std::move(paginas);
    }

private:
    static double limite() { return TPapel::Altura - TPapel::Margem - TBandasListagem::AlturaRodape; }

    void abrir()
    {
        paginas.append(TPaginaRelatorio{});
        y = TPapel::Margem;
        colocar(cabecalho);
        colocar(colunas);
        comDetalhes = false;
    }

    void fechar()
    {
        y = limite();
        colocar(TBandasListagem::Rodape(int(paginas.size()), total, medidor));
    }

    void colocar(TBandaPagina banda)
    {
        banda.Origem = QPointF(TPapel::Margem, y);
        y += banda.Altura;
        paginas.last().Bandas.append(std::move(banda));
    }

    const TMedidorTexto &medidor;
    const int total;
    const TBandaPagina cabecalho;
    const TBandaPagina colunas;
    QList<TPaginaRelatorio> paginas;
    double y = 0;
    bool comDetalhes = false;
};

// One generation; the footers show `total` as the page count.
QList<TPaginaRelatorio> gerar(const TDadosListagem &dados, const QList<TBandaPagina> &detalhes,
                              const TMedidorTexto &medidor, int total)
{
    TPaginador paginador(dados, medidor, total);
    for (const TBandaPagina &d : detalhes)
        paginador.Detalhe(d);
    return paginador.Encerrar();
}
}

QList<TPaginaRelatorio> GerarListagem(const TDadosListagem &dados, const TMedidorTexto &medidor)
{
    // The cells are measured once for both generations.
    const QList<TColunaListagem> colunas = ColunasDaListagem(dados.Presentes);
    QList<TBandaPagina> detalhes;
    detalhes.reserve(dados.Linhas.size());
    for (qsizetype i = 0; i < dados.Linhas.size(); ++i) {
        TBandaPagina d = TBandasListagem::Detalhe(dados.Linhas[i], colunas, medidor);
        // Line 1 is silver, line 2 white, and so on over every page.
        d.Cor = i % 2 == 0 ? prata : QColor(Qt::white);
        detalhes.append(std::move(d));
    }
    const int total = int(gerar(dados, detalhes, medidor, 0).size());
    return gerar(dados, detalhes, medidor, total);
}
