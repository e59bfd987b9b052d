#pragma once
// Where a label's text is drawn, in pixels, as painting draws it and as a
// repaint must cover it: one place, so that the two always agree.

#include <windows.h>

#include "win32host/Escala.h"
#include "window/Controles.h"

namespace instalar::win32 {

// A label with a width limit (the hint line) is drawn from its box's left
// edge to that limit, left-aligned, ending in an ellipsis where it is
// longer: the glyphs of a line may run past the width GetTextExtentPoint32
// measured (Wine places them by advances of its own, a few pixels more at
// some sizes), and its box would cut the last letter.  Any other label is
// drawn in its box.
bool SeDibujaHastaSuLimite(const Etiqueta& etiqueta);
RECT AlcanceDeTexto(const Etiqueta& etiqueta, const Escala& escala);

}  // namespace instalar::win32
