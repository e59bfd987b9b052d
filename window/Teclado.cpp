// Keys seen by the window before the focused button: Esc closes, Enter
// installs, Ctrl+Up and Ctrl+Down move the selection without wrapping.

#include "window/frmMenu.h"

namespace instalar {

void frmMenu::Form_KeyPress(char16_t caracter) {
    if (caracter == kCaracterEscape) Descargar();
    else if (caracter == kCaracterIntro) btnInstalar_Click();
}

void frmMenu::Form_KeyDown(Tecla tecla, int mayusculas) {
    if ((mayusculas & kCtrl) == 0) return;
    const int16_t actual = OpcionSeleccionada();
    if (tecla == Tecla::Arriba && actual >= 1) SeleccionarOpcion(static_cast<int16_t>(actual - 1));
    if (tecla == Tecla::Abajo && actual < nOpciones - 1) SeleccionarOpcion(static_cast<int16_t>(actual + 1));
}

}  // namespace instalar
