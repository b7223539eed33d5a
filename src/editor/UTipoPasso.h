#pragma once

#include <QString>

// The kinds of step the undo history records, each as the operator would name it.
enum class TTipoPasso : quint8 {
    Digitacao,        // a run of typed characters
    Exclusao,         // Backspace or Delete
    Colagem,          // Ctrl+V
    Relogio,          // the departure clock placeholder
    Alinhamento,
    Espacamento,
    Fonte,
    Desenho,          // LEDs drawn in one drag
    Pictograma,       // a pictogram drawn at the cursor
    Imagem,           // a picture imported at the cursor
    LimparTudo,       // F8
    RolagemLigada,
    RolagemDesligada, // with the rotating messages it discards
    Cores,            // colours or division
    Tamanho,          // a panel's rows or columns
    SalvarDestino,
    ExcluirDestino,
    InserirDestinoAqui,
    NovoDestinoNoFinal,
    ImportarLista,
    Alteracao,        // a change of the destination table made outside any named step
};

// "Digitação", "Limpar Tudo", ...: what the undo and redo buttons name.
QString NomeDoPasso(TTipoPasso tipo);
// A run goes on while steps of its kind follow each other (typing); every other step stands alone.
bool PassoContinuo(TTipoPasso tipo);
