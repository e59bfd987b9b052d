#pragma once
// The operating system's description of an error, made fit to show: its
// texts have inserts (as in "%1 no es una aplicación Win32 válida") that a
// user must never see.

#include <cstdint>
#include <string>
#include <string_view>

namespace instalar {

// `delSistema`, the system's own text for `codigo` (inserts such as "%1"
// left in place, its line end included; empty when the system has none),
// about the file `ruta` (empty when no file is concerned): without its line
// end, its inserts filled as RellenarInserciones does; "Error del sistema N"
// when the system has no text for it.
std::u16string DescripcionDelSistema(std::u16string_view delSistema, uint32_t codigo, std::u16string_view ruta);

// Replaces the inserts of a system text.  When %1 is its only insert, it
// stands for the file the operation was about (the program that does not
// start, the file that cannot be read) and becomes `nombreArchivo`.  Any
// other insert (a drive, a volume, a number) cannot be known here and is
// removed with the space and the empty brackets or quotes it leaves.  The
// escapes the system leaves in such texts ("%%", "%.", "%!", "% ") become
// their character, and "%0" ends the text.
std::u16string RellenarInserciones(std::u16string_view texto, std::u16string_view nombreArchivo);

// The last part of a path, after its last "\" or "/".
std::u16string_view NombreDeArchivo(std::u16string_view ruta);

}  // namespace instalar
