#include "window/LugarTrasCambioDeDpi.h"

#include <algorithm>
#include <cstdint>

namespace instalar {

namespace {

// Wide enough for any corner plus any size: a forged corner may lie at the
// very end of the int range.
struct Caja64 {
    int64_t izquierda, arriba, derecha, abajo;
};

bool SeSolapan(const Caja64& a, const CajaPixeles& b) {
    return std::max<int64_t>(a.izquierda, b.izquierda) < std::min<int64_t>(a.derecha, b.derecha) &&
           std::max<int64_t>(a.arriba, b.arriba) < std::min<int64_t>(a.abajo, b.abajo);
}

int64_t Mitad(int64_t valor) { return valor >= 0 ? valor / 2 : -((-valor + 1) / 2); }

}  // namespace

EsquinaPixeles EsquinaTrasCambioDeDpi(const CajaPixeles& marco, int ancho, int alto,
                                      const std::optional<CajaPixeles>& sugerido,
                                      const std::vector<CajaPixeles>& monitores) {
    if (sugerido) {
        const Caja64 ocupada{sugerido->izquierda, sugerido->arriba, int64_t{sugerido->izquierda} + ancho,
                             int64_t{sugerido->arriba} + alto};
        for (const CajaPixeles& monitor : monitores)
            if (SeSolapan(ocupada, monitor)) return {sugerido->izquierda, sugerido->arriba};
    }
    const int64_t x = Mitad(int64_t{marco.izquierda} + marco.derecha - ancho);
    const int64_t y = Mitad(int64_t{marco.arriba} + marco.abajo - alto);
    return {static_cast<int>(x), static_cast<int>(y)};
}

}  // namespace instalar
