// Keys seen by the window before the focused button: Esc closes, Enter
// installs, Ctrl+Up and Ctrl+Down move the selection without wrapping.

#include "window/frmMenu.h"

namespace instalar {

void frmMenu::Form_KeyPress(int caracter) {
    if (caracter == kCaracterEscape) Descargar();
    else if (caracter == kCaracterIntro) btnInstalar_Click();
}

void frmMenu::Form_KeyDown(int codigoTecla, int mayusculas) {
    if ((mayusculas & kCtrl) == 0) return;
    if (codigoTecla != kTeclaArriba && codigoTecla != kTeclaAbajo) return;
    const int16_t actual = OpcionSeleccionada();
    if (codigoTecla == kTeclaArriba && actual >= 1) SeleccionarOpcion(static_cast<int16_t>(actual - 1));
    if (codigoTecla == kTeclaAbajo && actual < nOpciones - 1) SeleccionarOpcion(static_cast<int16_t>(actual + 1));
}

}  // namespace instalar
