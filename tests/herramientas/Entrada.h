// The mouse and the keyboard as a user works them: through SendInput, so
// that a program sees the same messages as from a real device.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace herramientas {

// Moves the pointer and waits until it is there; fails if it does not get there.
void MoverRaton(POINT pantalla);
// Waits, with the pointer resting at `pantalla`, until the window under it
// has been told of every earlier move: then a button pressed there starts
// from there (see Entrada.cpp).
void AsentarRaton(POINT pantalla);
// Moves the pointer to the middle of the screen's left edge, away from any
// window under test: a window that appears under the pointer gets a pointer
// event for the old position, which may come late, after a test moved the
// mouse.
void AparcarRaton();
void PulsarRaton(POINT pantalla, bool derecho = false);
void SoltarRaton(POINT pantalla, bool derecho = false);
void Clic(POINT pantalla);
// Press at `desde` once the pointer has settled there, move to `hasta`,
// release.
void Arrastrar(POINT desde, POINT hasta);

// Makes the window the foreground window; false if that did not happen.
bool TraerAlFrente(HWND ventana, DWORD milisegundos = 3000);
// Presses and releases a key, holding the modifiers (VK_CONTROL, VK_SHIFT,
// VK_MENU) around it, all in one SendInput so that no other input comes
// between them.  The foreground window receives it.
void PulsarTecla(WORD tecla, std::initializer_list<WORD> modificadores = {});

}  // namespace herramientas
