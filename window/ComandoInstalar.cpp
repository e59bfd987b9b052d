#include "window/ComandoInstalar.h"

#include "launch/Lanzador.h"

namespace instalar {

bool ComandoInstalar::Instalar() {
    const auto elegida = estado_.seleccionada;
    if (!elegida || *elegida >= estado_.totalOpciones) return false;
    return LanzarInstalador(estado_.controles.opciones[static_cast<size_t>(*elegida)].comando);
}

bool ComandoInstalar::LanzarInstalador(const std::u16string& comando) {
    const std::u16string ruta = RutaInstalador(anfitrion_.CarpetaPrograma(), comando);
    auto inicio = IniciarInstalador(procesos_, ruta);
    if (!inicio) {
        InformarError(anfitrion_, estado_, inicio.error().descripcion + u"\r\n" + ruta);
        return false;
    }
    // Declining the administrator prompt leaves the menu open to choose again.
    return inicio.valor() == Inicio::Iniciado;
}

}  // namespace instalar
