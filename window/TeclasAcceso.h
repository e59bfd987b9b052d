#pragma once
// Access keys: an "&" in a label's text marks the next character, which the
// label shows underlined and without the "&"; "&&" shows one "&".  The
// item list answers to its items' access keys as Windows answers to a
// dialog's: each press selects the next item with that key.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/Archivos.h"
#include "window/Controles.h"

namespace instalar {

// The text as the label shows it: "&x" shows x, "&&" shows "&", and an "&"
// at the very end shows nothing.
std::u16string TextoMostrado(std::u16string_view texto);

// The character after the first single "&", if there is one.
std::optional<char16_t> TeclaDeAcceso(std::u16string_view texto);

// The item that pressing `tecla` selects among the first `n` item labels:
// the first one after `actual` (wrapping round; `actual` may be past the
// end when none is selected) whose access key is that character, letter
// case aside as `comparacion` sees it.  None when no item has the key.
std::optional<int16_t> OpcionConTecla(const std::vector<Etiqueta>& opciones, int16_t n, int16_t actual,
                                      char16_t tecla, ComparacionNombres& comparacion);

}  // namespace instalar
