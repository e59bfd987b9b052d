#pragma once
// Start-up: prepare the common controls, create the one menu window, load
// it and show it.  The process then lives as long as that window.

#include <memory>
#include <string>

#include "common/Error.h"

namespace instalar {

// The menu window as start-up sees it.
class VentanaMenu {
public:
    virtual ~VentanaMenu() = default;
    // Runs the load handler: the whole menu is built before it is shown.
    virtual void Cargar() = 0;
    // Shows it modeless; returns at once.
    virtual void Mostrar() = 0;
};

// What start-up needs from the system.
class Arranque {
public:
    virtual ~Arranque() = default;
    virtual void IniciarControlesComunes() = 0;
    virtual Resultado<std::unique_ptr<VentanaMenu>> CrearVentanaMenu() = 0;
    virtual void MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) = 0;
};

// The single menu window, alive from Main until the window terminates.
extern std::unique_ptr<VentanaMenu> ventanaMenu;

void Main(Arranque& sistema);

// Releases the window once it is gone: called by the host when the message
// loop that served the window has ended.
void LiberarVentanaMenu();

}  // namespace instalar
