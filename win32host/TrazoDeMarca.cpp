#include "win32host/TrazoDeMarca.h"

#include "window/Disposicion.h"

namespace instalar::win32 {

TrazoMarca TrazoDeMarca(const Etiqueta& opcion, const Escala& escala) {
    const RECT caja = escala.APixeles(CajaDeMarca(opcion.caja, escala.TwipsPorPixelX()));
    const int ancho = caja.right - caja.left;
    const int holgura = HolguraDeMarca(ancho);
    return {caja, GrosorDeMarca(ancho),
            RECT{caja.left - holgura, caja.top - holgura, caja.right + holgura, caja.bottom + holgura}};
}

}  // namespace instalar::win32
