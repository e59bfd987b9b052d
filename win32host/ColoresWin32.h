#pragma once
// The colours of the window's model on Windows: the user's system colours
// and whether a high-contrast theme is on.

#include <windows.h>

#include <array>

#include "window/Colores.h"

namespace instalar::win32 {

// Whether the user has a high-contrast theme on.
bool AltoContrasteActivo();

// The system colours as they are when taken, to paint a whole picture in
// the same colours however many labels it has.
class Paleta {
public:
    static Paleta DelSistema();

    COLORREF operator()(const ColorPintura& color) const;

private:
    std::array<COLORREF, kColoresDelSistema> sistema_{};
};

// The GetSysColor index of a system colour.
int IndiceDe(ColorSistema color);

}  // namespace instalar::win32
