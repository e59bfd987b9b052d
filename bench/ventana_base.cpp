// The baseline of the start-up benchmark: the least a Win32 program does to
// show a window like the menu's.  It registers a class, creates one frameless
// popup window of the menu's size (451 x 366 pixels at 96 dpi, scaled like
// the menu to the screen's resolution), centred, with the menu's caption,
// shows it and runs a message loop.  No controls, no files, no resources.
//
// Built as ventana_botones with VENTANA_CON_BOTONES, it also does what the
// menu does for its two push buttons: the manifest of common controls 6,
// InitCommonControls from comctl32 loaded by name, and the two buttons.

#include <windows.h>

#include "herramientas/Diseno.h"

namespace {

LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) noexcept {
    if (mensaje == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(ventana, mensaje, w, l);
}

int DpiDePantalla() {
    HDC pantalla = GetDC(nullptr);
    const int dpi = GetDeviceCaps(pantalla, LOGPIXELSX);
    ReleaseDC(nullptr, pantalla);
    return dpi > 0 ? dpi : 96;
}

#ifdef VENTANA_CON_BOTONES
void IniciarControlesComunes() {
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    if (!comctl) return;
    using InitCommonControlsFn = void(WINAPI*)();
    auto iniciar =
        reinterpret_cast<InitCommonControlsFn>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControls")));
    if (iniciar) iniciar();
}

// The menu's buttons: 1350 x 350 twips at (200, 5085) and (5280, 5085), in
// the font of message boxes.  Returns that font, to be deleted at the end.
HFONT CrearBotones(HWND ventana, HINSTANCE instancia, int dpi) {
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof(metricas);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metricas), &metricas, 0);
    HFONT fuente = CreateFontIndirectW(&metricas.lfMessageFont);
    auto pixeles = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    const int x[] = {200, 5280};
    const wchar_t* const textos[] = {L"Instalar", L"Cerrar"};
    for (int i = 0; i < 2; ++i) {
        HWND boton = CreateWindowExW(0, L"BUTTON", textos[i], WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                     pixeles(x[i]), pixeles(5085), pixeles(1350), pixeles(350), ventana, nullptr,
                                     instancia, nullptr);
        SendMessageW(boton, WM_SETFONT, reinterpret_cast<WPARAM>(fuente), FALSE);
    }
    return fuente;
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
#ifdef VENTANA_CON_BOTONES
    IniciarControlesComunes();
#endif
    WNDCLASSEXW clase{};
    clase.cbSize = sizeof(clase);
    clase.lpfnWndProc = Procedimiento;
    clase.hInstance = instancia;
    clase.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    clase.lpszClassName = L"instalar.ventana_base";
    if (!RegisterClassExW(&clase)) return 1;

    const int dpi = DpiDePantalla();
    const int ancho = MulDiv(diseno::kAnchoVentana, dpi, 1440);
    const int alto = MulDiv(diseno::kAltoVentana, dpi, 1440);
    const int izquierda = (GetSystemMetrics(SM_CXSCREEN) - ancho) / 2;
    const int arriba = (GetSystemMetrics(SM_CYSCREEN) - alto) / 2;
    HWND ventana = CreateWindowExW(WS_EX_APPWINDOW, clase.lpszClassName, diseno::kTituloW, WS_POPUP,
                                   izquierda, arriba, ancho, alto, nullptr, nullptr, instancia, nullptr);
    if (!ventana) return 1;
#ifdef VENTANA_CON_BOTONES
    HFONT fuenteBotones = CrearBotones(ventana, instancia, dpi);
#endif
    ShowWindow(ventana, SW_SHOW);
    UpdateWindow(ventana);

    MSG mensaje{};
    while (GetMessageW(&mensaje, nullptr, 0, 0) > 0) {
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
#ifdef VENTANA_CON_BOTONES
    DeleteObject(fuenteBotones);
#endif
    return 0;
}
