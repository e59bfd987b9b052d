#include "win32host/Escala.h"

#include <cmath>

#include "win32host/BibliotecasSistema.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

int Escala::Pixeles(double twips) const { return static_cast<int>(std::lround(twips / twipsPorPixel_)); }

RECT Escala::APixeles(const Rectangulo& caja) const {
    return RECT{Pixeles(caja.izquierda), Pixeles(caja.arriba), Pixeles(double(caja.izquierda) + caja.ancho),
                Pixeles(double(caja.arriba) + caja.alto)};
}

int DpiDePantalla() {
    DCVentana pantalla(nullptr);
    const int dpi = ::GetDeviceCaps(pantalla.get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

// Looked up at run time: Windows 7 has neither, and the program must start
// there.  Windows 10 tells a window's DPI itself; Windows 8.1 only through
// shcore.dll, which is loaded for that alone (and not asked for on Windows 7,
// which has none).
int DpiDeVentana(HWND ventana) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    const auto porVentana = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(user32 ? ::GetProcAddress(user32, "GetDpiForWindow") : nullptr));
    if (porVentana) {
        const UINT dpi = porVentana(ventana);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    if (!HayShcore()) return DpiDePantalla();
    const Biblioteca shcore = CargarBibliotecaDeSistema(L"shcore.dll");
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kDpiEfectivo = 0;  // MDT_EFFECTIVE_DPI
    if (const auto porMonitor = FuncionDe<GetDpiForMonitorFn>(shcore, "GetDpiForMonitor")) {
        UINT x = 0, y = 0;
        const HMONITOR monitor = ::MonitorFromWindow(ventana, MONITOR_DEFAULTTOPRIMARY);
        if (SUCCEEDED(porMonitor(monitor, kDpiEfectivo, &x, &y)) && x > 0) return static_cast<int>(x);
    }
    return DpiDePantalla();
}

}  // namespace instalar::win32
