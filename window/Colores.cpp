#include "window/Colores.h"

namespace instalar {

namespace {

constexpr Color kBordeClaro{110, 128, 205};
constexpr Color kBordeOscuro{70, 82, 165};

}  // namespace

ColorPintura Colores::TextoDe(const Etiqueta& etiqueta) const {
    if (etiqueta.noDisponible) return ColorSistema::TextoGris;
    if (coloresPropios && etiqueta.color) return *etiqueta.color;
    return ColorSistema::TextoVentana;
}

Colores ColoresDePintura(const Controles& c, bool altoContraste) {
    Colores colores;
    colores.fondo = ColorSistema::Ventana;
    if (altoContraste) {
        colores.bordeClaro = ColorSistema::MarcoVentana;
        colores.bordeOscuro = ColorSistema::MarcoVentana;
        colores.divisoria = ColorSistema::TextoGris;
        colores.barra = ColorSistema::CaraBoton;
        // A picture has colours of its own, under the text too.
        colores.logo = false;
        colores.coloresPropios = false;
        return colores;
    }
    colores.bordeClaro = kBordeClaro;
    colores.bordeOscuro = kBordeOscuro;
    colores.divisoria = c.divisoria.color;
    colores.barra = c.barra.fondo;
    return colores;
}

}  // namespace instalar
