#pragma once
// The keyboard focus: the places it stops at, the order Tab takes them in,
// and the frame that shows it on the item list.

#include <optional>

#include "window/EstadoMenu.h"

namespace instalar {

// "Instalar", "Cerrar", and the item list (the window itself holding the
// focus), in Tab order.
enum class ParadaFoco { Instalar, Cerrar, Lista };

// Where Tab (Shift+Tab with `atras`) takes the focus from `actual`, round
// the three stops, passing over a disabled "Instalar" and an empty list.
// From nowhere (`actual` empty) it goes to the first stop that takes it.
ParadaFoco SiguienteParada(std::optional<ParadaFoco> actual, bool atras, bool instalarHabilitado, bool hayOpciones);

// Where the focus is when the window first shows: "Instalar", or "Cerrar"
// when "Instalar" is disabled.
ParadaFoco ParadaInicial(bool instalarHabilitado);

// The dotted frame around the selected item while the list has the focus,
// a little larger than its name; none otherwise.
std::optional<Rectangulo> MarcoDeFoco(const EstadoMenu& estado, double twipsPorPixelX, double twipsPorPixelY);

}  // namespace instalar
