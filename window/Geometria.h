#pragma once
// Plain geometry of the window's design: colours, rectangles and lines in
// twips (1/1440 inch) from the top-left corner of the window's inner area.
// Values are single precision, as every stored geometry value of the window.

#include <cstdint>

namespace instalar {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Rectangulo {
    float izquierda = 0, arriba = 0, ancho = 0, alto = 0;
    bool Contiene(double x, double y) const {
        return x >= izquierda && x < izquierda + ancho && y >= arriba && y < arriba + alto;
    }
};

struct Linea {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color;
};

}  // namespace instalar
