#include "app/ui/UProjeto.h"

#include <QPushButton>

#include "app/UHistorico.h"
#include "editor/ui/UFmePainel.h"

TProjeto::TProjeto(QWidget *pai, bool frontal, bool lateral, bool traseiro, bool auxiliar)
    : Fme_Painel(new TFme_Painel(pai, frontal, lateral, traseiro, auxiliar))
{
    Fme_Painel->AoAlterarSimulador = [this](TFme_Painel *editor) {
        if (AoAlterarSimulador)
            AoAlterarSimulador(editor->Btn_IniciaSimulador->isChecked());
    };
}

TProjeto::~TProjeto()
{
    Historico.reset();
    delete Fme_Painel;
}
