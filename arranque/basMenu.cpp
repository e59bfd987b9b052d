#include "arranque/basMenu.h"

namespace instalar {

std::unique_ptr<VentanaMenu> ventanaMenu;

void Main(Arranque& sistema) {
    sistema.IniciarControlesComunes();
    auto creada = sistema.CrearVentanaMenu();
    if (!creada) {
        sistema.MostrarMensaje(creada.error().descripcion, u"basMenu.Main()");
        return;
    }
    ventanaMenu = std::move(creada.valor());
    // The window reports its own errors while loading; start-up goes on.
    ventanaMenu->Cargar();
    ventanaMenu->Mostrar();
}

void LiberarVentanaMenu() { ventanaMenu.reset(); }

}  // namespace instalar
