#pragma once
// What laying out the window's labels needs from the system: the size of a
// text in a font, and the size of a pixel.  Sizes are twips (1/1440 inch),
// text is UTF-16.

#include <string>

namespace instalar {

struct Fuente {
    std::u16string nombre;
    double puntos = 8.25;
    bool negrita = false;
};

struct Tamano {
    double ancho = 0;
    double alto = 0;
};

class MedidaTexto {
public:
    virtual ~MedidaTexto() = default;

    // Twips per screen pixel, horizontally and vertically.
    virtual double TwipsPorPixelX() = 0;
    virtual double TwipsPorPixelY() = 0;

    // Size of a label's text in twips.  With anchoAjuste > 0 the text wraps
    // at word boundaries within that width.  "&" marks an access key.
    virtual Tamano MedirTexto(const Fuente& fuente, const std::u16string& texto, double anchoAjuste) = 0;
};

}  // namespace instalar
