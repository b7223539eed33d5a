#pragma once

#include <QString>

// The program's version as the status bar and the selection dialog show it:
// each number n written as the decimal text of n + 100 from its third
// character on, at most two characters ("2.0" for 2.0; 12 gives "2", 905 "05").
QString TextoVersao(int maior, int menor);
// The version set once in the build (the project's version).
QString TextoVersao();
// The version as set in the build, for --version ("0.1").
QString VersaoDoPrograma();
