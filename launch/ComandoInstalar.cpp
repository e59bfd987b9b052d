// The install command: "Instalar" and Enter start the selected item's setup
// program and close the menu.

#include "launch/Lanzador.h"
#include "window/frmMenu.h"

namespace instalar {

void frmMenu::btnInstalar_Click() {
    const int16_t elegida = OpcionSeleccionada();
    if (elegida < nOpciones) LanzarInstalador(c_.etqInstalar[static_cast<size_t>(elegida)].etiqueta);
}

void frmMenu::LanzarInstalador(const std::u16string& comando) {
    const std::u16string ruta = RutaInstalador(plataforma_.CarpetaPrograma(), comando);
    auto arranque = IniciarInstalador(plataforma_, ruta);
    if (!arranque) return InformarError(arranque.error().descripcion + u"\r\n" + ruta);
    // Declining the administrator prompt leaves the menu open to choose again.
    if (arranque.valor() == Arranque::Iniciado) Descargar();
}

}  // namespace instalar
