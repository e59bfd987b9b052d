#include "Espera.h"

#include <algorithm>

namespace herramientas {

bool Esperar(const std::function<bool()>& condicion, DWORD milisegundos) {
    const ULONGLONG limite = GetTickCount64() + milisegundos;
    for (;;) {
        if (condicion()) return true;
        if (GetTickCount64() >= limite) return false;
        Sleep(20);
    }
}

namespace {

void AtenderMensajes(const std::function<bool(const MSG&)>& previsualizar) {
    MSG mensaje;
    while (PeekMessageW(&mensaje, nullptr, 0, 0, PM_REMOVE)) {
        if (mensaje.message == WM_QUIT) continue;
        if (previsualizar && previsualizar(mensaje)) continue;
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
}

}  // namespace

bool Atender(const std::function<bool()>& condicion, DWORD milisegundos,
             const std::function<bool(const MSG&)>& previsualizar) {
    const ULONGLONG limite = GetTickCount64() + milisegundos;
    for (;;) {
        AtenderMensajes(previsualizar);
        if (condicion()) return true;
        const ULONGLONG ahora = GetTickCount64();
        if (ahora >= limite) return false;
        // Back as soon as a message comes, and after 20 ms at the latest for
        // a condition that no message of this thread announces (the screen).
        const DWORD espera = static_cast<DWORD>(std::min<ULONGLONG>(limite - ahora, 20));
        MsgWaitForMultipleObjects(0, nullptr, FALSE, espera, QS_ALLINPUT);
    }
}

}  // namespace herramientas
