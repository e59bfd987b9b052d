#pragma once
// The two push buttons fitted to their texts.  A menu file in another
// language may give them a text longer than the design's buttons hold: a
// button then grows towards the middle of the window, "Instalar" to the
// right and "Cerrar" to the left, up to a gap between them, and keeps its
// design size whenever its text fits.

#include "interfaces/MedidaTexto.h"
#include "window/Controles.h"

namespace instalar {

// The room a push button keeps on each side of its text, in pixels: its
// frame and the space a theme puts inside it.
constexpr double kMargenTextoBoton = 6;
// What stays between the two buttons at the most, in twips.
constexpr float kHuecoEntreBotones = 240;

// The width of a button whose text is `ancho` twips wide, in its design's
// place: the design's width when it fits, never past the window's middle
// less half the gap.
float AnchoDeBoton(double anchoTexto, double twipsPorPixel, float anchoDiseno);

// The widest a button may grow, in twips: "Instalar" (`instalar`) or "Cerrar".
float AnchoMaximoDeBoton(bool instalar);

// Sets both buttons' boxes for their texts, from the design's boxes, in the
// fonts of this screen.
void AjustarBotones(Controles& controles, MedidaTexto& medida);

}  // namespace instalar
