#pragma once
// The selection: which item is selected, moving it, and what selecting an
// item shows (its description, the bold state and the arrow in front of
// it).  The selected index is kept in the shared state; everything shown
// for it follows from it here.

#include <cstdint>
#include <optional>
#include <string>

#include "interfaces/Anfitrion.h"
#include "interfaces/Archivos.h"
#include "interfaces/MedidaTexto.h"
#include "menufile/DescripcionesMenu.h"
#include "window/Disposicion.h"
#include "window/EstadoMenu.h"

namespace instalar {

class Seleccion {
public:
    Seleccion(EstadoMenu& estado, Disposicion& disposicion, Archivos& archivos, MedidaTexto& medida,
              Anfitrion& anfitrion)
        : estado_(estado), disposicion_(disposicion), archivos_(archivos), medida_(medida), anfitrion_(anfitrion) {}

    // Reads the item's description from the menu file afresh, shows it and
    // marks the item.  A failed read is reported and changes nothing.
    void SeleccionarOpcion(int16_t indice);

    // Without wrapping; with nothing selected, "previous" is the last item.
    void SeleccionarAnterior();
    void SeleccionarSiguiente();
    void SeleccionarPrimera();
    void SeleccionarUltima();
    // Selects the next item with this access key; false when none has it.
    bool SeleccionarPorTecla(char16_t caracter);

    // After everything was measured anew: the selected item is marked again
    // as selecting it did, without reading the file.
    void ResaltarDeNuevo();

    // The description that selecting item `indice` would show: none when
    // its entry has none or the file cannot be read.  All items'
    // descriptions come from one reading, kept until the file's size or
    // write time changes: a screen reader asks for each of them, often.
    std::optional<std::u16string> DescripcionDeOpcion(int16_t indice) const;

private:
    // Highlights the item: the arrow measured against it before it turns bold,
    // then bold, then the description centred on the divider.
    void Resaltar(int16_t indice);
    bool EsOpcion(int16_t indice) const { return indice >= 0 && indice < estado_.totalOpciones; }
    Etiqueta& Opcion(int16_t indice) { return estado_.controles.opciones[static_cast<size_t>(indice)]; }

    EstadoMenu& estado_;
    Disposicion& disposicion_;
    Archivos& archivos_;
    MedidaTexto& medida_;
    Anfitrion& anfitrion_;

    struct DescripcionesLeidas {
        HuellaArchivo huella;
        DescripcionesMenu descripciones;
    };
    mutable std::optional<DescripcionesLeidas> descripcionesLeidas_;
};

}  // namespace instalar
