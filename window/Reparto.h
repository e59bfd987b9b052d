#pragma once
// How the items are spread down the divider line, and the design figures
// that arithmetic starts from.  The window lays its items out with it, and
// the menu checker asks it whether they still fit, so it needs nothing but
// plain geometry.

#include "window/Geometria.h"

namespace instalar {

// The divider line between the item list and the description: the items
// are spread along its length.
constexpr Linea kDivisoriaDeDiseno{3550, 2200, 3550, 4500, {192, 192, 255}};
// The height of an item label in the design, before its text is set.
constexpr float kAltoOpcionDeDiseno = 270;

// The free space above, between and below `n` items of height `altoOpcion`
// when the length of `divisoria` is shared equally among the n + 1 gaps.
// Negative when the items do not fit and overlap.
float HuecoEntreOpciones(const Linea& divisoria, double altoOpcion, double n);

// Top of item `i` (from 0) of height `alto`, below `i` items of that height.
float ArribaDeOpcion(const Linea& divisoria, float hueco, double alto, int i);

}  // namespace instalar
