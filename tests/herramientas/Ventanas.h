// The windows of other processes: finding them, reading them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace herramientas {

// All top-level windows, owned ones (message boxes) included.
std::vector<HWND> VentanasDeNivelSuperior();
// Top-level windows of a process that are visible.
std::vector<HWND> VentanasVisiblesDe(DWORD proceso);
// Child windows, grandchildren included.
std::vector<HWND> Hijas(HWND padre);

DWORD ProcesoDe(HWND ventana);
std::wstring ClaseDe(HWND ventana);
// Class names compare without regard to case.
bool EsClase(HWND ventana, const wchar_t* clase);

// The text of a window or control of any process (WM_GETTEXT, which works
// across processes, also for controls); "" when it does not answer.
std::wstring TextoDe(HWND ventana);
// The caption of a top-level window, read without sending it a message: a
// program busy starting up does not hold up the search for its window.
std::wstring TituloDe(HWND ventana);

// Visible top-level window of process `proceso` with that class and caption
// (nullptr for any class or caption), or nullptr.
HWND BuscarVentana(DWORD proceso, const wchar_t* clase, const wchar_t* titulo);
// Visible top-level window of the process with that caption that is not a
// dialog box (#32770): a program's own window, whose message boxes may bear
// the same caption.
HWND BuscarVentanaPrincipal(DWORD proceso, const wchar_t* titulo);

// "class 'caption' (hidden); ..." for each top-level window of a process,
// "none" when it has none, for failure messages.
std::string DescribirVentanas(DWORD proceso);

// Child windows of class BUTTON.
struct Boton {
    HWND ventana;
    int id;
    std::wstring texto;
    RECT rect;  // in the parent's client coordinates
    bool habilitado;
};
std::vector<Boton> Botones(HWND padre);

// The middle of a window on screen.
POINT CentroDe(HWND ventana);

// The window that has the keyboard focus in the thread of `ventana` (which
// may belong to another process), or nullptr.
HWND FocoDe(HWND ventana);

}  // namespace herramientas
