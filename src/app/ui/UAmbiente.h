#pragma once

#include <QByteArray>

class QApplication;

// Qt's own dialogs write dates in the system's language (the file dialog's
// "Data de modificação"), read from the environment when the application
// starts. Where the environment gives no Portuguese for dates, the locale to
// put in LC_TIME (pt_BR.UTF-8); empty when it does, or when LC_ALL decides.
QByteArray LocalidadeDasDatas(const QByteArray &lcAll, const QByteArray &lcTime, const QByteArray &lang);
// Sets LC_TIME as above, before the application is made.
void PrepararDatas();

// The program's look and language on a Debian desktop: Tahoma, which the
// windows name, from Wine's metric-compatible copy (outside fontconfig's
// folders, so loaded here); Qt's own texts (file dialogs, standard buttons,
// the print dialog) in Portuguese; dates as Brazil writes them.
void PrepararAmbiente(QApplication &aplicacao);
