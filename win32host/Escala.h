#pragma once
// The one conversion between the model's twips and the screen's pixels,
// shared by painting, the mouse, the buttons and the measuring of text.

#include <windows.h>

#include "interfaces/Anfitrion.h"
#include "window/Geometria.h"

namespace instalar::win32 {

class Escala {
public:
    explicit Escala(int dpi) { FijarDpi(dpi); }

    // The screen the window stands on now has this resolution.
    void FijarDpi(int dpi) {
        dpi_ = dpi;
        twipsPorPixel_ = 1440.0 / dpi;
    }
    int Dpi() const { return dpi_; }

    // Square pixels: one figure serves both directions.
    double TwipsPorPixelX() const { return twipsPorPixel_; }
    double TwipsPorPixelY() const { return twipsPorPixel_; }

    int Pixeles(double twips) const;
    RECT APixeles(const Rectangulo& caja) const;
    Punto ATwips(int x, int y) const { return {x * twipsPorPixel_, y * twipsPorPixel_}; }

private:
    int dpi_ = 96;
    double twipsPorPixel_ = 15;
};

// The system's dots per inch: what the screen had when the user logged on.
int DpiDePantalla();
// The dots per inch of the monitor `ventana` stands on, where Windows tells
// it (Windows 8.1 and later); the system's elsewhere.
int DpiDeVentana(HWND ventana);

}  // namespace instalar::win32
