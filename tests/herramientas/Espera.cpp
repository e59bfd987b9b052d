#include "Espera.h"

namespace herramientas {

bool Esperar(const std::function<bool()>& condicion, DWORD milisegundos) {
    const ULONGLONG limite = GetTickCount64() + milisegundos;
    for (;;) {
        if (condicion()) return true;
        if (GetTickCount64() >= limite) return false;
        Sleep(20);
    }
}

}  // namespace herramientas
