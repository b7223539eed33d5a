#pragma once

#include "app/UPenDrive.h"

// Takes a pen drive out safely through the desktop's disk service (UDisks2 on
// the system D-Bus): its file system unmounted, then the drive powered off.
namespace TEjecaoPenDrive {

// True when the disk service answers on the system bus.
bool Disponivel();
// Throws TErro with the service's reason when the drive could not be taken out.
void Ejetar(const TUnidadeRemovivel &unidade);

}
