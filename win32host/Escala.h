#pragma once
// The one conversion between the model's twips and the screen's pixels,
// shared by painting, the mouse, the buttons and the measuring of text.

#include <windows.h>

#include "interfaces/Anfitrion.h"
#include "window/Geometria.h"

namespace instalar::win32 {

class Escala {
public:
    explicit Escala(int dpi) : twipsPorPixel_(1440.0 / dpi) {}

    // Square pixels: one figure serves both directions.
    double TwipsPorPixelX() const { return twipsPorPixel_; }
    double TwipsPorPixelY() const { return twipsPorPixel_; }

    int Pixeles(double twips) const;
    RECT APixeles(const Rectangulo& caja) const;
    Punto ATwips(int x, int y) const { return {x * twipsPorPixel_, y * twipsPorPixel_}; }

private:
    double twipsPorPixel_;
};

// The screen's dots per inch (the program is DPI-aware at system level).
int DpiDePantalla();

}  // namespace instalar::win32
