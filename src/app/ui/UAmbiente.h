#pragma once

class QApplication;

// The program's look and language on a Debian desktop: Tahoma, which the
// windows name, from Wine's metric-compatible copy (outside fontconfig's
// folders, so loaded here); Qt's own texts (file dialogs, standard buttons,
// the print dialog) in Portuguese; dates as Brazil writes them.
void PrepararAmbiente(QApplication &aplicacao);
