#pragma once
// The install command: "Instalar" and Enter start the selected item's setup
// program, or open its package or document.

#include <string>

#include "interfaces/Anfitrion.h"
#include "interfaces/Procesos.h"
#include "window/EstadoMenu.h"

namespace instalar {

// What the menu does once the install command has run.
struct TrasInstalar {
    enum class Paso {
        Quedarse,  // nothing started, or nothing to wait for: the menu stays as it is
        Cerrar,    // the setup started and the menu's work is done
        Esperar,   // the menu comes back after each setup: it waits for `proceso`
    } paso = Paso::Quedarse;
    ProcesoAEsperar proceso;
};

class ComandoInstalar {
public:
    ComandoInstalar(const EstadoMenu& estado, Anfitrion& anfitrion, Procesos& procesos)
        : estado_(estado), anfitrion_(anfitrion), procesos_(procesos) {}

    // Starts the selected item's file; with nothing selected nothing
    // happens.  A failure is reported and the menu stays, its selection
    // unchanged.
    TrasInstalar Instalar();

private:
    TrasInstalar LanzarInstalador(const std::u16string& comando);

    const EstadoMenu& estado_;
    Anfitrion& anfitrion_;
    Procesos& procesos_;
};

}  // namespace instalar
