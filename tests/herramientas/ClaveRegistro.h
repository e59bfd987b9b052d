// A registry key a test opens, closed with its owner.
#pragma once

#include <windows.h>

#include "win32host/Manejadores.h"

namespace herramientas {

inline void CerrarClave(HKEY clave) { RegCloseKey(clave); }
using ClaveRegistro = instalar::win32::Manejador<HKEY, CerrarClave>;

}  // namespace herramientas
