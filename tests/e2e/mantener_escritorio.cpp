// Keeps Wine's desktop alive during an end-to-end run.
//
// Wine closes its desktop process about a second after the last process with
// a window ends; the next test then has to start it again, which costs time
// and lets the desktop process inherit the test runner's output pipe.  This
// program owns one hidden window and waits for messages until the Wine server
// of the run is stopped (or the window is sent WM_CLOSE).
//
// Its command line, if any, names a file it creates once its window exists,
// so that a script can wait until the desktop is up.

#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM wParam, LPARAM lParam) noexcept {
    if (mensaje == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(ventana, mensaje, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR aviso, int) {
    WNDCLASSW clase{};
    clase.lpfnWndProc = Procedimiento;
    clase.hInstance = instancia;
    clase.lpszClassName = L"InstalarMantenerEscritorio";
    if (!RegisterClassW(&clase)) return 1;

    // Never shown: it only has to exist.
    const HWND ventana = CreateWindowExW(0, clase.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1,
                                        nullptr, nullptr, instancia, nullptr);
    if (!ventana) return 1;

    if (aviso && *aviso) {
        std::wstring ruta = aviso;
        if (ruta.size() >= 2 && ruta.front() == L'"' && ruta.back() == L'"') ruta = ruta.substr(1, ruta.size() - 2);
        HANDLE archivo = CreateFileW(ruta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (archivo != INVALID_HANDLE_VALUE) CloseHandle(archivo);
    }

    MSG mensaje;
    while (GetMessageW(&mensaje, nullptr, 0, 0) > 0) {
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
    return 0;
}
