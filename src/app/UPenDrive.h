#pragma once

#include <QList>
#include <QString>
#include <optional>

// The pen drives the operator plugs in: the removable drives mounted now, and
// where the "Salvar no PenDrive..." dialog starts.

struct TUnidadeRemovivel {
    QString Pasta;       // where it is mounted: "/media/ana/PENDRIVE"
    QString Dispositivo; // "/dev/sdb1"
    // What the operator calls it: the last part of its folder ("PENDRIVE"), the
    // drive's label where the desktop mounted it.
    QString Nome() const;
    bool operator==(const TUnidadeRemovivel &) const = default;
};

namespace TPenDrive {

// The drives mounted under /media, /run/media or /mnt whose disk is removable
// (its /sys/block/DISK/removable reads 1, or it hangs on a USB bus), in the
// mount table's order. raiz is where /proc and /sys are found (tests give a
// folder of their own); the mount points are read below it too.
QList<TUnidadeRemovivel> UnidadesMontadas(const QString &raiz = QStringLiteral("/"));

// The drive a file lies on, among these; none when it is on no removable drive.
std::optional<TUnidadeRemovivel> UnidadeDoArquivo(const QString &arquivo, const QList<TUnidadeRemovivel> &unidades);

// Where the last pen drive file went, as the settings keep it.
struct TUltimoDestino {
    QString Unidade;        // the drive's name; empty when it went to no removable drive
    QString PastaNaUnidade; // its folder within that drive, "" for the drive's top
    QString Pasta;          // its folder
};
TUltimoDestino Destino(const QString &arquivo, const QList<TUnidadeRemovivel> &unidades);
// Kept in the user's settings of the program (TConfiguracoes), from one run to the next.
TUltimoDestino LerUltimoDestino();
void GuardarUltimoDestino(const TUltimoDestino &destino);

// Where the dialog starts: the folder used last, on the drive used last, when
// that drive is mounted again (under the same name, wherever it is mounted
// now); else the first removable drive mounted; else the folder used last,
// when it still exists; else nothing (the dialog decides).
QString PastaInicial(const QList<TUnidadeRemovivel> &unidades, const TUltimoDestino &ultimo);

}
