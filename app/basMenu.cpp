#include "app/basMenu.h"

namespace instalar {

std::unique_ptr<VentanaMenu> gfrmMenu;

void Main(Arranque& sistema) {
    sistema.IniciarControlesComunes();
    auto creada = sistema.CrearVentanaMenu();
    if (!creada) {
        sistema.MostrarMensaje(creada.error().descripcion, u"basMenu.Main()");
        return;
    }
    gfrmMenu = std::move(creada.valor());
    // The window reports its own errors while loading; start-up goes on.
    gfrmMenu->Cargar();
    gfrmMenu->Mostrar();
}

void LiberarVentanaMenu() { gfrmMenu.reset(); }

}  // namespace instalar
