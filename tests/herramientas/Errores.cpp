#include "Errores.h"

namespace herramientas {

ErrorWin32::ErrorWin32(const std::string& que, DWORD codigo)
    : std::runtime_error(que + " (Win32 error " + std::to_string(codigo) + ")"), codigo_(codigo) {}

void Fallar(const std::string& que) {
    // Read before anything else can overwrite it.
    const DWORD codigo = GetLastError();
    throw ErrorWin32(que, codigo);
}

}  // namespace herramientas
