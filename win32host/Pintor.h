#pragma once
// Paints the menu window's model: background, logo, border and the
// windowless controls, bottom to top, and the focus frame over them.

#include <windows.h>

#include "win32host/Apariencia.h"
#include "win32host/Escala.h"
#include "win32host/Fuentes.h"
#include "window/Controles.h"

namespace instalar::win32 {

struct RecursosPintura {
    HBITMAP logo = nullptr;  // optional
    HICON flecha = nullptr;
    HICON icono = nullptr;
};

void PintarContenido(HDC dc, SIZE tamano, const Controles& controles, const Apariencia& apariencia,
                     const RecursosPintura& recursos, const Escala& escala, Fuentes& fuentes);

}  // namespace instalar::win32
