#pragma once

#include <QString>

// The file dialogs of project files (".ar1"). They start in the folder of the
// project opened or saved last.

// "Abrir Archivo...": the chosen name with ".ar1" appended when it has no
// extension, empty when cancelled. True (cancelled) when the dialog was
// cancelled, the name is blank or no such file exists.
bool DialogoAbrirProjeto(QString &nome);

// "Salvar Archivo..." (or "Salvar Archivo Como..." for save as): the chosen
// name with ".ar1" appended when it has no extension, empty when cancelled.
// True (cancelled) when the dialog was cancelled or the name is blank.
bool DialogoSalvarProjeto(QString &nome, bool salvarComo);

// The folder of the project opened or saved last, while it exists; empty otherwise.
QString PastaDosProjetos();
void LembrarPastaDosProjetos(const QString &arquivo);

extern const QString FiltroProjetos; // "Tipo de Archivo (*.ar1)|*.ar1|Todos os Archivos (*.*)|*.*"
