#include "win32host/TeclasWin32.h"

namespace instalar::win32 {

Tecla TeclaDe(WPARAM codigoVirtual) {
    switch (codigoVirtual) {
    case VK_UP: return Tecla::Arriba;
    case VK_DOWN: return Tecla::Abajo;
    case VK_LEFT: return Tecla::Izquierda;
    case VK_RIGHT: return Tecla::Derecha;
    case VK_HOME: return Tecla::Inicio;
    case VK_END: return Tecla::Fin;
    case VK_TAB: return Tecla::Tabulador;
    case VK_F4: return Tecla::F4;
    default: return Tecla::Otra;
    }
}

int EstadoModificadores() {
    int estado = 0;
    if (::GetKeyState(VK_SHIFT) < 0) estado |= kShift;
    if (::GetKeyState(VK_CONTROL) < 0) estado |= kCtrl;
    if (::GetKeyState(VK_MENU) < 0) estado |= kAlt;
    return estado;
}

}  // namespace instalar::win32
