// The program's entry point on Windows.

#include <windows.h>

#include "arranque/basMenu.h"
#include "win32host/BibliotecasSistema.h"
#include "win32host/EsperaInstalacion.h"
#include "win32host/TextoWin32.h"
#include "win32host/VentanaWin32.h"

namespace {

using instalar::win32::Biblioteca;
using instalar::win32::CargarBibliotecaDeSistema;
using instalar::win32::FuncionDe;
using instalar::win32::SiguienteMensaje;
using instalar::win32::VentanaWin32;

class ArranqueWin32 : public instalar::Arranque {
public:
    explicit ArranqueWin32(HINSTANCE instancia) : instancia_(instancia) {}

    // The manifest sends comctl32 to its side-by-side version 6, whose push
    // buttons take the look of the Windows they run on.  It stays loaded
    // until the window is gone.
    void IniciarControlesComunes() override {
        controlesComunes_ = CargarBibliotecaDeSistema(L"comctl32.dll");
        using InitCommonControlsFn = void(WINAPI*)();
        if (auto iniciar = FuncionDe<InitCommonControlsFn>(controlesComunes_, "InitCommonControls")) iniciar();
    }

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
    Biblioteca controlesComunes_;
    VentanaWin32* ventana_ = nullptr;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
    instalar::win32::RestringirBusquedaDeDlls();
    ArranqueWin32 arranque(instancia);
    instalar::Main(arranque);
    if (!instalar::ventanaMenu) return 0;

    MSG mensaje{};
    while (SiguienteMensaje(*arranque.Ventana(), mensaje)) {
        if (arranque.Ventana()->PrevisualizarTecla(mensaje)) continue;
        ::TranslateMessage(&mensaje);
        ::DispatchMessageW(&mensaje);
    }
    instalar::LiberarVentanaMenu();
    return 0;
}
