#pragma once
// The text of "comprobar --help".

#include <string>

namespace instalar::comprobar {

// Explains every check; the layout figures come from the window's design.
std::string TextoAyuda();

}  // namespace instalar::comprobar
