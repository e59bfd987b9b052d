#include "window/Reparto.h"

namespace instalar {

// Each formula is worked out in double precision and stored once, in
// single precision, like every geometry value of the window.
float HuecoEntreOpciones(const Linea& divisoria, double altoOpcion, double n) {
    const double y1 = divisoria.y1;
    const double y2 = divisoria.y2;
    return static_cast<float>((y2 - y1 - n * altoOpcion) / (n + 1));
}

float ArribaDeOpcion(const Linea& divisoria, float hueco, double alto, int i) {
    return static_cast<float>(divisoria.y1 + (i + 1) * double(hueco) + i * alto);
}

}  // namespace instalar
