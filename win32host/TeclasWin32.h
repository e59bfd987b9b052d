#pragma once
// Windows' key codes and modifier state, as the window's logic knows them.

#include <windows.h>

#include "window/Teclas.h"

namespace instalar::win32 {

Tecla TeclaDe(WPARAM codigoVirtual);
// The modifier keys held now, as Modificadores bits.
int EstadoModificadores();

}  // namespace instalar::win32
