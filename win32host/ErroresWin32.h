#pragma once
// Turns a Windows error number into the program's own error value.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Error.h"

namespace instalar::win32 {

// The system's descriptions from its message table, in Spanish where
// Windows has them, with their inserts left in place.
std::u16string TextoDeError(uint32_t codigo);

// The error for `codigo`, which happened to the file `ruta` (empty when no
// file was concerned): the file's name goes where the system's text has
// a place for it.
Error ErrorDeSistema(DWORD codigo, std::u16string_view ruta = {});
inline Error UltimoError(std::u16string_view ruta = {}) { return ErrorDeSistema(::GetLastError(), ruta); }

}  // namespace instalar::win32
