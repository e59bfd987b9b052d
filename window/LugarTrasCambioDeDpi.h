#pragma once
// Where the window goes when it moves to a screen of another resolution
// and takes its size there.  Windows suggests a rectangle with the message;
// another program can send any rectangle at all.

#include <optional>
#include <vector>

namespace instalar {

// A rectangle in screen pixels: left and top inside, right and bottom past it.
struct CajaPixeles {
    int izquierda = 0, arriba = 0, derecha = 0, abajo = 0;
};

struct EsquinaPixeles {
    int x = 0, y = 0;
    bool operator==(const EsquinaPixeles& otra) const { return x == otra.x && y == otra.y; }
};

// The new top-left corner of a window that stood at `marco` and now measures
// `ancho` × `alto`: the suggested corner when the rectangle the window will
// then occupy (that corner and the new size, not the suggested rectangle
// itself) overlaps one of `monitores`; otherwise the corner that keeps the
// window's centre where it was, so that a forged rectangle never takes the
// window out of sight.
EsquinaPixeles EsquinaTrasCambioDeDpi(const CajaPixeles& marco, int ancho, int alto,
                                      const std::optional<CajaPixeles>& sugerido,
                                      const std::vector<CajaPixeles>& monitores);

}  // namespace instalar
