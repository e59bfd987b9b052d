// Keeps Wine's desktop alive during an end-to-end run.
//
// Wine closes its desktop process about a second after the last process with
// a window ends; the next test then has to start it again, which costs time
// and lets the desktop process inherit the test runner's output pipe.  This
// program owns one hidden window and waits for messages until the Wine server
// of the run is stopped (or the window is sent WM_CLOSE).

#include <windows.h>

namespace {

LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM wParam, LPARAM lParam) noexcept {
    if (mensaje == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(ventana, mensaje, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
    WNDCLASSW clase{};
    clase.lpfnWndProc = Procedimiento;
    clase.hInstance = instancia;
    clase.lpszClassName = L"InstalarMantenerEscritorio";
    if (!RegisterClassW(&clase)) return 1;

    // Never shown: it only has to exist.
    const HWND ventana = CreateWindowExW(0, clase.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1,
                                        nullptr, nullptr, instancia, nullptr);
    if (!ventana) return 1;

    MSG mensaje;
    while (GetMessageW(&mensaje, nullptr, 0, 0) > 0) {
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
    return 0;
}
