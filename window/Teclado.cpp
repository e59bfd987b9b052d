// Keys seen by the window before the focused button: Esc closes, Enter
// installs, Ctrl+Up and Ctrl+Down move the selection without wrapping, and
// an item's access key with Alt selects it.  While the item list holds the
// focus, Up, Down, Home, End and the access keys alone move in it too.

#include "window/TeclasAcceso.h"
#include "window/frmMenu.h"

namespace instalar {

void frmMenu::Form_KeyPress(char16_t caracter) {
    if (caracter == kCaracterEscape) Descargar();
    else if (caracter == kCaracterIntro) btnInstalar_Click();
    else if (bListaConFoco) SeleccionarPorTecla(caracter);
}

bool frmMenu::Form_TeclaAcceso(char16_t caracter) { return SeleccionarPorTecla(caracter); }

void frmMenu::Form_KeyDown(Tecla tecla, int mayusculas) {
    const bool conCtrl = (mayusculas & kCtrl) != 0;
    // Alt with a key belongs to the system (Alt+Up and the like), as in any list.
    const bool enLista = bListaConFoco && (mayusculas & kAlt) == 0;
    switch (tecla) {
    case Tecla::Arriba:
        if (conCtrl || enLista) SeleccionarAnterior();
        break;
    case Tecla::Abajo:
        if (conCtrl || enLista) SeleccionarSiguiente();
        break;
    case Tecla::Inicio:
        if (enLista) SeleccionarPrimera();
        break;
    case Tecla::Fin:
        if (enLista) SeleccionarUltima();
        break;
    default: break;
    }
}

void frmMenu::SeleccionarAnterior() {
    // With nothing selected, "previous" is the last item.
    const int16_t actual = OpcionSeleccionada();
    if (actual >= 1) SeleccionarOpcion(static_cast<int16_t>(actual - 1));
}

void frmMenu::SeleccionarSiguiente() {
    const int16_t actual = OpcionSeleccionada();
    if (actual < nOpciones - 1) SeleccionarOpcion(static_cast<int16_t>(actual + 1));
}

void frmMenu::SeleccionarPrimera() {
    if (nOpciones > 0 && OpcionSeleccionada() != 0) SeleccionarOpcion(0);
}

void frmMenu::SeleccionarUltima() {
    const int16_t ultima = static_cast<int16_t>(nOpciones - 1);
    if (nOpciones > 0 && OpcionSeleccionada() != ultima) SeleccionarOpcion(ultima);
}

bool frmMenu::SeleccionarPorTecla(char16_t caracter) {
    const int16_t actual = OpcionSeleccionada();
    const auto elegida = OpcionConTecla(controles.etqInstalar, nOpciones, actual, caracter, archivos);
    if (!elegida) return false;
    if (*elegida != actual) SeleccionarOpcion(*elegida);
    return true;
}

}  // namespace instalar
