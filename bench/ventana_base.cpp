// The baseline of the start-up benchmark: the least a Win32 program does to
// show a window like the menu's.  It registers a class, creates one frameless
// popup window of the menu's size (451 x 366 pixels at 96 dpi, scaled like
// the menu to the screen's resolution), centred, with the menu's caption,
// shows it and runs a message loop.  No controls, no files, no resources.

#include <windows.h>

namespace {

LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) noexcept {
    if (mensaje == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(ventana, mensaje, w, l);
}

int Escalar(int pixeles96, int dpi) { return MulDiv(pixeles96, dpi, 96); }

int DpiDePantalla() {
    HDC pantalla = GetDC(nullptr);
    const int dpi = GetDeviceCaps(pantalla, LOGPIXELSX);
    ReleaseDC(nullptr, pantalla);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW clase{};
    clase.cbSize = sizeof(clase);
    clase.lpfnWndProc = Procedimiento;
    clase.hInstance = instancia;
    clase.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    clase.lpszClassName = L"instalar.ventana_base";
    if (!RegisterClassExW(&clase)) return 1;

    const int dpi = DpiDePantalla();
    const int ancho = Escalar(451, dpi);
    const int alto = Escalar(366, dpi);
    const int izquierda = (GetSystemMetrics(SM_CXSCREEN) - ancho) / 2;
    const int arriba = (GetSystemMetrics(SM_CYSCREEN) - alto) / 2;
    HWND ventana = CreateWindowExW(WS_EX_APPWINDOW, clase.lpszClassName, L"Menú de instalación", WS_POPUP,
                                   izquierda, arriba, ancho, alto, nullptr, nullptr, instancia, nullptr);
    if (!ventana) return 1;
    ShowWindow(ventana, SW_SHOW);
    UpdateWindow(ventana);

    MSG mensaje{};
    while (GetMessageW(&mensaje, nullptr, 0, 0) > 0) {
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
    return 0;
}
