#pragma once
// The item list: built from the menu file when the window loads, one item
// label per entry below the title and the version, and let go of when the
// window unloads.

#include "interfaces/Archivos.h"
#include "interfaces/MedidaTexto.h"
#include "menufile/LineaMenu.h"
#include "window/Disposicion.h"
#include "window/EstadoMenu.h"
#include "window/Seleccion.h"

namespace instalar {

class ListaOpciones {
public:
    ListaOpciones(EstadoMenu& estado, Disposicion& disposicion, Seleccion& seleccion, Archivos& archivos,
                  MedidaTexto& medida)
        : estado_(estado), disposicion_(disposicion), seleccion_(seleccion), archivos_(archivos), medida_(medida) {}

    // Fills the window from the menu file and selects the first item.  A
    // file that cannot be read, or lists nothing, says so where the
    // description goes.
    void CargarMenu();
    // Element 0 belongs to the design; the rest were made by CargarMenu.
    // The count goes with them: a screen reader may still ask after the
    // window is gone, and finds no item.
    void Vaciar();

private:
    class Relleno;

    void AnadirOpcion(Entrada&& entrada);

    EstadoMenu& estado_;
    Disposicion& disposicion_;
    Seleccion& seleccion_;
    Archivos& archivos_;
    MedidaTexto& medida_;
};

}  // namespace instalar
