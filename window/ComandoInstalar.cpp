#include "window/ComandoInstalar.h"

#include "launch/Lanzador.h"
#include "menufile/ComandoMenu.h"
#include "menufile/Requisitos.h"
#include "window/Instalacion.h"

namespace instalar {

TrasInstalar ComandoInstalar::Instalar() {
    const auto elegida = estado_.seleccionada;
    if (!elegida || *elegida >= estado_.totalOpciones) return {};
    const Etiqueta& opcion = estado_.controles.opciones[static_cast<size_t>(*elegida)];
    // An item the machine cannot take is never started, whoever asks.
    if (opcion.noDisponible) return {};
    if (opcion.instalado == true && !anfitrion_.PreguntarSiNo(PreguntaReinstalar(NombreVisible(opcion), estado_.textos),
                                                              estado_.controles.tituloVentana))
        return {};
    return LanzarInstalador(opcion.comando);
}

TrasInstalar ComandoInstalar::LanzarInstalador(const std::u16string& comando) {
    const ComandoPartido partido = PartirComando(comando);
    const std::u16string ruta = RutaInstalador(anfitrion_.CarpetaPrograma(), partido.archivo);
    auto informar = [&](const Error& error) {
        InformarError(anfitrion_, estado_, TextoDeError(error, estado_.textos) + u"\r\n" + ruta);
        return TrasInstalar{};
    };
    if (partido.error) return informar(*partido.error);

    if (!estado_.volver) {
        auto inicio = IniciarInstalador(procesos_, ruta, partido.argumentos);
        if (!inicio) return informar(inicio.error());
        // Declining the administrator prompt leaves the menu open to choose again.
        return {inicio.valor() == Arrancado::Iniciado ? TrasInstalar::Paso::Cerrar : TrasInstalar::Paso::Quedarse, {}};
    }

    auto lanzamiento = IniciarYSeguir(procesos_, ruta, partido.argumentos);
    if (!lanzamiento) return informar(lanzamiento.error());
    // A document opened, or a start declined: nothing to wait for, and the
    // menu stays as it is.
    if (!lanzamiento.valor().proceso) return {};
    return {TrasInstalar::Paso::Esperar, std::move(lanzamiento.valor().proceso)};
}

}  // namespace instalar
