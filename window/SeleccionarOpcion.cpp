// Selecting an item: its description, the bold state and the arrow marker.

#include "menufile/ArchivoMenu.h"
#include "window/frmMenu.h"

namespace instalar {

void frmMenu::SeleccionarOpcion(int16_t indice) {
    if (indice < 0 || static_cast<size_t>(indice) >= c_.etqInstalar.size()) return;
    Etiqueta& elegida = c_.etqInstalar[static_cast<size_t>(indice)];

    // The description is read afresh every time, so an edited file shows
    // its new text.  A failed read leaves the previous selection as it was.
    auto descripcion = BuscarDescripcion(plataforma_, sArchivo, elegida.texto);
    if (!descripcion) return InformarError(descripcion.error().descripcion);
    if (descripcion.valor()) FijarTexto(c_.etqInfo, *descripcion.valor(), plataforma_);

    for (int16_t i = 0; i < nOpciones; ++i) {
        Etiqueta& opcion = c_.etqInstalar[static_cast<size_t>(i)];
        if (opcion.fuente.negrita) FijarNegrita(opcion, false, plataforma_);
    }

    // The marker stands five pixels left of the text, centred on its height.
    Rectangulo& flecha = c_.Image1.caja;
    const Rectangulo& caja = elegida.caja;
    flecha.izquierda =
        static_cast<float>(double(caja.izquierda) - flecha.ancho - 5 * plataforma_.TwipsPorPixelX());
    flecha.arriba = static_cast<float>(caja.arriba + (double(caja.alto) - flecha.alto) / 2);
    c_.Image1.visible = true;

    FijarNegrita(elegida, true, plataforma_);
    CentrarDescripcion();
}

void frmMenu::CentrarDescripcion() {
    const double y1 = c_.Line1.y1;
    const double y2 = c_.Line1.y2;
    c_.etqInfo.caja.arriba = static_cast<float>(y1 + ((y2 - y1) - c_.etqInfo.caja.alto) / 2);
}

int16_t frmMenu::OpcionSeleccionada() const {
    for (int16_t i = 0; i < nOpciones; ++i) {
        if (c_.etqInstalar[static_cast<size_t>(i)].fuente.negrita) return i;
    }
    return nOpciones;
}

}  // namespace instalar
