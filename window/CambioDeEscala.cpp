// The window moved to a screen of another resolution: the fonts are made
// anew for it, so every label is measured again and everything placed in
// pixels is placed again, in the order loading and selecting did it, so
// that the window looks exactly like one started on that screen with the
// same item selected.

#include "window/frmMenu.h"

namespace instalar {

void frmMenu::Form_CambioDeEscala() {
    FijarTexto(controles.Label1, controles.Label1.texto, medida);
    FijarTexto(controles.etqTipo, controles.etqTipo.texto, medida);
    FijarTexto(controles.etqVer, controles.etqVer.texto, medida);

    // The items were spread while none was bold; the selected one turned
    // bold only after its marker was placed.
    const int16_t elegida = OpcionSeleccionada();
    for (Etiqueta& opcion : controles.etqInstalar) FijarNegrita(opcion, false, medida);
    if (bDistribuidas) DistribuirOpciones();

    FijarTexto(controles.etqInfo, controles.etqInfo.texto, medida);
    if (elegida < nOpciones) MarcarOpcion(controles.etqInstalar[static_cast<size_t>(elegida)]);
}

}  // namespace instalar
