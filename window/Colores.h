#pragma once
// The colours the window paints in.  Its design has colours of its own (the
// blue bar and border, the dark red title, the grey version); a user who
// has turned on a high-contrast theme has chosen colours that they can
// read, so the window then paints with the system's colours only.

#include <variant>

#include "window/Controles.h"

namespace instalar {

// The user's system colours the window uses.
enum class ColorSistema { Ventana, TextoVentana, CaraBoton, MarcoVentana, TextoGris };
constexpr int kColoresDelSistema = 5;

// A colour of the design, or one of the system's, looked up when painting.
using ColorPintura = std::variant<Color, ColorSistema>;

struct Colores {
    ColorPintura fondo;        // the window's surface
    ColorPintura bordeClaro;   // the raised border, left and top
    ColorPintura bordeOscuro;  // and right and bottom
    ColorPintura divisoria;    // the line between the list and the description
    ColorPintura barra;        // the bar behind the buttons
    bool logo = true;          // the background picture, if there is one
    bool coloresPropios = true;  // labels with a colour of their own keep it

    // A label's text colour: its own, or the system's text colour.
    ColorPintura TextoDe(const Etiqueta& etiqueta) const;
};

Colores ColoresDePintura(const Controles& controles, bool altoContraste);

}  // namespace instalar
