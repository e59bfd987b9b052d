#pragma once
// Turns a Windows error number into the program's own error value.

#include <windows.h>

#include "common/Error.h"

namespace instalar::win32 {

Error ErrorDeSistema(DWORD codigo);
inline Error UltimoError() { return ErrorDeSistema(::GetLastError()); }

}  // namespace instalar::win32
