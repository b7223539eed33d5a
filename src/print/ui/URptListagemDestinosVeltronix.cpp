#include "print/ui/URptListagemDestinosVeltronix.h"

#include <QApplication>

#include "data/UTabelaMemoria.h"
#include "print/UListagemDestinos.h"
#include "print/UMedidorTexto.h"
#include "print/ui/UFrmPreviewQuickReport.h"

bool ImprimirListagem(bool frontal, bool lateral, bool traseiro, bool auxiliar, TTabelaMemoria &rotulos,
                      const QString &tituloJanela, const QString &tituloNumero)
{
    if (rotulos.Vazia())
        return false;
    const TDadosListagem dados =
        DadosDaListagem(rotulos, {frontal, lateral, traseiro, auxiliar}, tituloJanela, tituloNumero);
    TFrm_PreviewQuickReport janela(GerarListagem(dados, TMedidorQt()), TituloListagem(), QApplication::activeWindow());
    janela.MostrarModal();
    return true;
}
