#pragma once
// A setup the menu waits for, in a menu that comes back after each setup:
// while it runs, the hint line names it and the menu takes no input but
// closing; when it ends, the hint line tells how, and the item keeps a
// mark of it for as long as the menu is open.  Once the started process
// has ended while programs it opened run on, the hint line names one, and
// the user may stop waiting for them.  Its exit code decides the outcome
// only when nothing it started outlived it.

#include <cstdint>

#include "interfaces/MedidaTexto.h"
#include "interfaces/Procesos.h"
#include "window/EstadoMenu.h"

namespace instalar {

class Instalacion {
public:
    Instalacion(EstadoMenu& estado, MedidaTexto& medida) : estado_(estado), medida_(medida) {}

    // The setup of item `opcion` has started.
    void Empezar(int16_t opcion, ProcesoAEsperar proceso);
    bool EnCurso() const { return estado_.instalando.has_value(); }
    // Looks, without waiting, at the setup: the hint line follows it, and
    // once it has ended, shows how.  True when it has just ended.
    bool Mirar();
    // Enter and "Instalar" once only programs the setup opened keep the
    // menu waiting: it stops waiting (they run on), and the outcome is the
    // uncertain one.  False while the started process itself runs.
    bool DejarDeEsperar();
    // The menu is going: the setup goes on without it.
    void Abandonar() { estado_.instalando.reset(); }

private:
    void Terminar(Desenlace desenlace);
    Etiqueta& Opcion(int16_t indice) { return estado_.controles.opciones[static_cast<size_t>(indice)]; }

    EstadoMenu& estado_;
    MedidaTexto& medida_;
};

// The item's name as a reader sees it, for the hint line.
std::u16string NombreVisible(const Etiqueta& opcion);

}  // namespace instalar
