#pragma once
// A path as Windows reads it when it opens the file.  Whatever decides on
// a command's file (program or document, where it lies) decides on this,
// so that the menu, the checker and Windows all mean the same file.

#include <string_view>

namespace instalar {

// `ruta` without the spaces and dots Windows drops from its end: "setup.exe "
// and "setup.exe." open "setup.exe".  A path that ends with a separator
// keeps them, as Windows does.
std::u16string_view RutaLeida(std::u16string_view ruta);

}  // namespace instalar
