#pragma once
// How the items are spread down the divider line.  The window lays its
// items out with it, and the menu checker asks it whether they still fit.

#include "window/Controles.h"

namespace instalar {

// The free space above, between and below `n` items of height `altoOpcion`
// when the length of `divisoria` is shared equally among the n + 1 gaps.
// Negative when the items do not fit and overlap.
float HuecoEntreOpciones(const Linea& divisoria, double altoOpcion, double n);

// Top of item `i` (from 0) of height `alto`, below `i` items of that height.
float ArribaDeOpcion(const Linea& divisoria, float hueco, double alto, int i);

}  // namespace instalar
