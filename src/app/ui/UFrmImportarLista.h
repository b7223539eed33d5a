#pragma once

#include <QDialog>

#include "app/UImportacaoLista.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// What an import of a list of destinations will do, shown before anything
// changes: the rows to create or replace and the rows refused with their
// reasons. "Importar" is possible only when no row is refused; numbers the
// project has are replaced only when the operator ticks the box.
class TFrm_ImportarLista : public QDialog {
    Q_OBJECT
public:
    TFrm_ImportarLista(TImportacaoLista &importacao, TListaDestinos lista, QWidget *dono = nullptr);

    QLabel *Lbl_Resumo;
    QTableWidget *Tbl_Linhas;
    QCheckBox *Chk_Substituir;
    QPushButton *Btn_Importar;
    QPushButton *Btn_Cancelar;

private:
    void mostrar();

    TImportacaoLista &importacao;
    TListaDestinos lista;
};
