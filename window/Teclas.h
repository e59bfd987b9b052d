#pragma once
// Keys as the window's logic knows them.  The host translates its own key
// codes into these, so no system's numbering reaches the logic.

namespace instalar {

enum class Tecla { Otra, Arriba, Abajo, Izquierda, Derecha, Inicio, Fin, Tabulador, F4 };

// Modifier keys held during a key event, as bits.
enum Modificadores : int { kShift = 1, kCtrl = 2, kAlt = 4 };

// Characters the window acts on.
constexpr char16_t kCaracterIntro = u'\r';
constexpr char16_t kCaracterEscape = u'\x1b';

}  // namespace instalar
