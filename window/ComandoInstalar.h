#pragma once
// The install command: "Instalar" and Enter start the selected item's
// setup program, or open its package or document.

#include <string>

#include "interfaces/Anfitrion.h"
#include "interfaces/Procesos.h"
#include "window/EstadoMenu.h"

namespace instalar {

class ComandoInstalar {
public:
    ComandoInstalar(const EstadoMenu& estado, Anfitrion& anfitrion, Procesos& procesos)
        : estado_(estado), anfitrion_(anfitrion), procesos_(procesos) {}

    // True when the item's file started and the menu is to close.  With
    // nothing selected nothing happens; a failure is reported and the menu
    // stays, its selection unchanged.
    bool Instalar();

private:
    bool LanzarInstalador(const std::u16string& comando);

    const EstadoMenu& estado_;
    Anfitrion& anfitrion_;
    Procesos& procesos_;
};

}  // namespace instalar
