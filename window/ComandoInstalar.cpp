// The install command: "Instalar" and Enter start the selected item's setup
// program, or open its package or document, and close the menu.

#include "launch/Lanzador.h"
#include "menufile/ComandoMenu.h"
#include "window/frmMenu.h"

namespace instalar {

void frmMenu::btnInstalar_Click() {
    const int16_t elegida = OpcionSeleccionada();
    if (elegida < nOpciones) LanzarInstalador(controles.etqInstalar[static_cast<size_t>(elegida)].comando);
}

void frmMenu::LanzarInstalador(const std::u16string& comando) {
    const ComandoPartido partido = PartirComando(comando);
    const std::u16string ruta = RutaInstalador(anfitrion.CarpetaPrograma(), partido.archivo);
    if (partido.error) return InformarError(partido.error->descripcion + u"\r\n" + ruta);
    auto inicio = IniciarInstalador(procesos, ruta, partido.argumentos);
    if (!inicio) return InformarError(inicio.error().descripcion + u"\r\n" + ruta);
    // Declining the administrator prompt leaves the menu open to choose again.
    if (inicio.valor() == Inicio::Iniciado) Descargar();
}

}  // namespace instalar
