#pragma once
// What each key does.  The window sees keys before the focused button: Esc
// and Alt+F4 close, Enter installs, Ctrl+Up and Ctrl+Down move the
// selection without wrapping, an item's access key with Alt selects it, and
// Tab moves the focus round its stops.  While the item list holds the
// focus, Up, Down, Home, End and the access keys alone move in it too.

#include <optional>

#include "window/EstadoMenu.h"
#include "window/Foco.h"
#include "window/Seleccion.h"
#include "window/Teclas.h"

namespace instalar {

// What the window is to do after a key beyond moving the selection.
enum class Orden { Ninguna, Instalar, Cerrar };

struct RespuestaTecla {
    Orden orden = Orden::Ninguna;
    // The key was the window's: it must not reach the focused button or
    // the system as well.
    bool consumida = false;
    // Where the focus goes next (Tab).
    std::optional<ParadaFoco> enfocar;
};

class Teclado {
public:
    Teclado(const EstadoMenu& estado, Seleccion& seleccion) : estado_(estado), seleccion_(seleccion) {}

    // A key going down, with the modifiers held and the stop that has the
    // focus (none when no stop of the window has it).
    RespuestaTecla AlBajarTecla(Tecla tecla, int modificadores, std::optional<ParadaFoco> foco);
    // A character typed.
    RespuestaTecla AlEscribir(char16_t caracter);
    // A character typed with Alt: false when no item has it as its access
    // key, so that it goes on to the system (Alt+Space opens the window menu).
    bool AlEscribirConAlt(char16_t caracter) {
        return !SeleccionCongelada(estado_) && seleccion_.SeleccionarPorTecla(caracter);
    }

private:
    const EstadoMenu& estado_;
    Seleccion& seleccion_;
};

}  // namespace instalar
