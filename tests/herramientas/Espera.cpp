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
        if (GetTickCount64() >= limite) return false;
        // Polled as Esperar polls: a condition may hang on the screen, which
        // no message of this thread announces.
        Sleep(20);
    }
}

}  // namespace herramientas
