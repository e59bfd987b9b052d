#pragma once
// An item's outcome mark in pixels, as painting draws it and as a repaint
// must cover it: one place, so that the two always agree.

#include <windows.h>

#include "win32host/Escala.h"
#include "window/Controles.h"

namespace instalar::win32 {

struct TrazoMarca {
    RECT caja;   // the strokes run between its edges
    int grosor;  // the pen's width
    RECT alcance;  // every pixel the strokes may touch
};

TrazoMarca TrazoDeMarca(const Etiqueta& opcion, const Escala& escala);

}  // namespace instalar::win32
