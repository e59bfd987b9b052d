#include "win32host/Escala.h"

#include <cmath>

#include "win32host/Manejadores.h"

namespace instalar::win32 {

int Escala::Pixeles(double twips) const { return static_cast<int>(std::lround(twips / twipsPorPixel_)); }

RECT Escala::APixeles(const Rectangulo& caja) const {
    return RECT{Pixeles(caja.izquierda), Pixeles(caja.arriba), Pixeles(double(caja.izquierda) + caja.ancho),
                Pixeles(double(caja.arriba) + caja.alto)};
}

int DpiDePantalla() {
    DCVentana pantalla(nullptr);
    const int dpi = ::GetDeviceCaps(pantalla.get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

}  // namespace instalar::win32
