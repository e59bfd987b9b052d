#pragma once
// Paints the menu window's model: background, logo, border and the
// windowless controls, bottom to top.

#include <windows.h>

#include <string>

#include "platform/win32/Fuentes.h"
#include "window/Controles.h"

namespace instalar::win32 {

struct RecursosPintura {
    HBITMAP logo = nullptr;   // optional
    HICON flecha = nullptr;
    HICON icono = nullptr;
    double twipsPorPixelX = 15;
    double twipsPorPixelY = 15;
};

// Twips to pixels, the one conversion painting and the mouse share.
RECT APixeles(const Rectangulo& caja, double twipsPorPixelX, double twipsPorPixelY);
int Pixeles(double twips, double twipsPorPixel);

// A text DrawText lays out as a single line with nothing to interpret (no
// line breaks, access keys or tabs): it is drawn and measured directly.
bool TextoDeUnaLinea(const std::u16string& texto);

void PintarContenido(HDC dc, SIZE tamano, const Controles& controles, const RecursosPintura& recursos,
                     Fuentes& fuentes);

}  // namespace instalar::win32
