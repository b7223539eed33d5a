#include "print/ui/URptListagemDestinosVeltronix.h"

#include <QApplication>

#include "data/UDtmDestino.h"
#include "print/UListagemDestinos.h"
#include "print/UMedidorTexto.h"
#include "print/ui/UFrmPreviewQuickReport.h"

bool ImprimirListagem(bool frontal, bool lateral, bool traseiro, bool auxiliar, const TDtm_Destino &tabelas,
                      const QString &tituloJanela, const QString &tituloNumero)
{
    const TDadosListagem dados =
        DadosDaListagem(tabelas, {frontal, lateral, traseiro, auxiliar}, tituloJanela, tituloNumero);
    if (dados.Linhas.isEmpty())
        return false;
    TFrm_PreviewQuickReport janela(GerarListagem(dados, TMedidorQt()), TituloListagem(), QApplication::activeWindow());
    janela.MostrarModal();
    return true;
}
