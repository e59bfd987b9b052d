#pragma once
// What the window's picture depends on besides its controls: the colours it
// is painted in, and the focus frame around the selected item.

#include <optional>

#include "win32host/ColoresWin32.h"
#include "window/Colores.h"
#include "window/Geometria.h"

namespace instalar::win32 {

struct Apariencia {
    Colores colores;
    Paleta paleta;
    std::optional<Rectangulo> marcoFoco;  // drawn when there is one
};

}  // namespace instalar::win32
