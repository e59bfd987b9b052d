#include "win32host/AlcanceDeTexto.h"

namespace instalar::win32 {

bool SeDibujaHastaSuLimite(const Etiqueta& etiqueta) { return etiqueta.anchoMaximo > 0; }

RECT AlcanceDeTexto(const Etiqueta& etiqueta, const Escala& escala) {
    RECT caja = escala.APixeles(etiqueta.caja);
    if (SeDibujaHastaSuLimite(etiqueta))
        caja.right = escala.Pixeles(double(etiqueta.caja.izquierda) + etiqueta.anchoMaximo);
    return caja;
}

}  // namespace instalar::win32
