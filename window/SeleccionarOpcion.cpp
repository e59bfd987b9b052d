// Selecting an item: its description, the bold state and the arrow marker;
// which item is the selected one, and what selecting an item shows.

#include "menufile/BuscarDescripcion.h"
#include "window/frmMenu.h"

namespace instalar {

void frmMenu::SeleccionarOpcion(int16_t indice) {
    if (indice < 0 || indice >= nOpciones) return;
    Etiqueta& elegida = controles.etqInstalar[static_cast<size_t>(indice)];

    // The description is read afresh every time, so an edited file shows
    // its new text.  A failed read leaves the previous selection as it was.
    auto descripcion = BuscarDescripcion(archivos, sArchivo, elegida.texto);
    if (!descripcion) return InformarError(descripcion.error().descripcion);
    if (descripcion.valor()) FijarTexto(controles.etqInfo, *descripcion.valor(), medida);

    for (int16_t i = 0; i < nOpciones; ++i) {
        Etiqueta& opcion = controles.etqInstalar[static_cast<size_t>(i)];
        if (opcion.fuente.negrita) FijarNegrita(opcion, false, medida);
    }

    MarcarOpcion(elegida);
}

// The marker stands five pixels left of the item's text, as measured before
// it turns bold, centred on its height; then the item turns bold and the
// description is centred on the divider.
void frmMenu::MarcarOpcion(Etiqueta& elegida) {
    Rectangulo& flecha = controles.Image1.caja;
    const Rectangulo& caja = elegida.caja;
    flecha.izquierda =
        static_cast<float>(double(caja.izquierda) - flecha.ancho - 5 * medida.TwipsPorPixelX());
    flecha.arriba = static_cast<float>(caja.arriba + (double(caja.alto) - flecha.alto) / 2);
    controles.Image1.visible = true;

    FijarNegrita(elegida, true, medida);
    CentrarDescripcion();
}

void frmMenu::CentrarDescripcion() {
    const double y1 = controles.Line1.y1;
    const double y2 = controles.Line1.y2;
    controles.etqInfo.caja.arriba = static_cast<float>(y1 + ((y2 - y1) - controles.etqInfo.caja.alto) / 2);
}

std::optional<std::u16string> frmMenu::DescripcionDeOpcion(int16_t indice) const {
    if (indice < 0 || indice >= nOpciones) return std::nullopt;
    const std::u16string& nombre = controles.etqInstalar[static_cast<size_t>(indice)].texto;
    const auto huella = archivos.Huella(sArchivo);
    if (!huella) return DescripcionesMenu::Leer(archivos, sArchivo).De(archivos, nombre);
    if (!descripcionesLeidas || !(descripcionesLeidas->huella == *huella))
        descripcionesLeidas = DescripcionesLeidas{*huella, DescripcionesMenu::Leer(archivos, sArchivo)};
    return descripcionesLeidas->descripciones.De(archivos, nombre);
}

int16_t frmMenu::OpcionSeleccionada() const {
    for (int16_t i = 0; i < nOpciones; ++i) {
        if (controles.etqInstalar[static_cast<size_t>(i)].fuente.negrita) return i;
    }
    return nOpciones;
}

}  // namespace instalar
