// The program's entry point on Windows.

#include <windows.h>

#include "app/basMenu.h"
#include "platform/win32/TextoWin32.h"
#include "platform/win32/VentanaWin32.h"

namespace {

using instalar::win32::VentanaWin32;

// Libraries are looked up in System32 only, so that a DLL planted beside
// the program (on a download folder or a medium) is never loaded.
void RestringirBusquedaDeDlls() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return;
    auto fijar = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (fijar) fijar(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
}

// comctl32 is loaded by name only after the search has been restricted (the
// manifest sends it to the side-by-side version 6), so it is not imported.
void IniciarControlesComunesDeSistema() {
    HMODULE comctl = ::LoadLibraryW(L"comctl32.dll");
    if (!comctl) return;
    using InitCommonControlsFn = void(WINAPI*)();
    auto iniciar = reinterpret_cast<InitCommonControlsFn>(
        reinterpret_cast<void*>(::GetProcAddress(comctl, "InitCommonControls")));
    if (iniciar) iniciar();
}

class ArranqueWin32 : public instalar::Arranque {
public:
    explicit ArranqueWin32(HINSTANCE instancia) : instancia_(instancia) {}

    void IniciarControlesComunes() override { IniciarControlesComunesDeSistema(); }

    instalar::Resultado<std::unique_ptr<instalar::VentanaMenu>> CrearVentanaMenu() override {
        auto creada = VentanaWin32::Crear(instancia_);
        if (!creada) return creada.error();
        ventana_ = creada.valor().get();
        return std::unique_ptr<instalar::VentanaMenu>(std::move(creada.valor()));
    }

    void MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) override {
        ::MessageBoxW(nullptr, instalar::win32::W(texto), instalar::win32::W(titulo), MB_OK | MB_ICONEXCLAMATION);
    }

    VentanaWin32* Ventana() const { return ventana_; }

private:
    HINSTANCE instancia_;
    VentanaWin32* ventana_ = nullptr;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
    RestringirBusquedaDeDlls();
    ArranqueWin32 arranque(instancia);
    instalar::Main(arranque);
    if (!instalar::gfrmMenu) return 0;

    MSG mensaje{};
    while (::GetMessageW(&mensaje, nullptr, 0, 0) > 0) {
        if (arranque.Ventana()->PrevisualizarTecla(mensaje)) continue;
        ::TranslateMessage(&mensaje);
        ::DispatchMessageW(&mensaje);
    }
    instalar::LiberarVentanaMenu();
    return 0;
}
