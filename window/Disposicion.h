#pragma once
// Where things stand in the window: the bar along the bottom, the items
// spread down the divider, the arrow in front of the selected item, the
// description centred on the divider, and all of it measured again when
// the window moves to a screen of another resolution.

#include "interfaces/MedidaTexto.h"
#include "window/EstadoMenu.h"

namespace instalar {

// Where an item's mark stands: a square half the item's height, six pixels
// right of its name, centred on its height.
Rectangulo CajaDeMarca(const Rectangulo& opcion, double twipsPorPixelX);
// The width of the pen a mark is drawn with, for a box `ancho` pixels
// wide: its strokes grow with the resolution.
constexpr int GrosorDeMarca(int ancho) { return ancho / 6 > 2 ? ancho / 6 : 2; }
// How many pixels past its box the mark's strokes may reach: half the pen
// round each end of a stroke, and one for how the system rounds it.  A
// repaint of the mark covers them all, at any resolution.
constexpr int HolguraDeMarca(int ancho) { return (GrosorDeMarca(ancho) + 1) / 2 + 1; }

class Disposicion {
public:
    Disposicion(EstadoMenu& estado, MedidaTexto& medida) : estado_(estado), medida_(medida) {}

    // The bar spans the window's inner width at its bottom edge.
    void AjustarBarra(double anchoInterior, double altoInterior);
    // Spreads the items down the length of the divider so that the free
    // space is shared equally among the gaps above, between and below them.
    void DistribuirOpciones();
    // Five pixels left of `opcion`, centred on its height.
    void ColocarFlechaAnte(const Rectangulo& opcion);
    void CentrarDescripcion();
    // The fonts were made anew for another resolution: every label is
    // measured again and the items spread again, in the order loading did
    // it, none of them bold.  The selection then highlights itself again.
    void MedirDeNuevo();

private:
    EstadoMenu& estado_;
    MedidaTexto& medida_;
};

}  // namespace instalar
