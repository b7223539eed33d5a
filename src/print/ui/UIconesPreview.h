#pragma once

#include <QIcon>

// The 32 x 32 pictures of the preview's tool bar, drawn here so that the
// window looks the same whatever icon theme the desktop has (or none).
enum class TIconePreview { Anterior, Proximo, MaisZoom, MenosZoom, Salvar, Imprimir };

QIcon IconePreview(TIconePreview icone);
