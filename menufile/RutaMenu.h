#pragma once
// Where the menu file and the logo are found.

#include <string>

namespace instalar {

// The whole command line, unaltered, when there is one; otherwise
// "instalar.inf" in the program's folder (appended without checking).
std::u16string ResolverArchivoMenu(const std::u16string& lineaComandos,
                                   const std::u16string& carpetaPrograma);

// "quorbel.bmp" in the program's folder; a folder at a drive root already
// ends in a backslash and gets no second one.
std::u16string RutaLogo(const std::u16string& carpetaPrograma);

}  // namespace instalar
