#include "window/Anuncios.h"

namespace instalar {

EstadoAnunciado EstadoAnunciadoDe(const frmMenu& menu, const ArbolAccesible& arbol) {
    const auto instalando = menu.Instalando();
    return EstadoAnunciado{arbol.HijoSeleccionado(), menu.ListaConFoco(), menu.Vista().descripcion.texto,
                           menu.Vista().indicacion.texto,
                           instalando ? std::optional<long>(arbol.IdDeOpcion(*instalando)) : std::nullopt};
}

std::vector<Anuncio> AnunciosEntre(const EstadoAnunciado& antes, const EstadoAnunciado& ahora,
                                   const ArbolAccesible& arbol) {
    std::vector<Anuncio> anuncios;
    const bool seMovio = ahora.seleccionada != antes.seleccionada;
    if (seMovio && ahora.seleccionada) anuncios.push_back({Anuncio::Tipo::Seleccion, *ahora.seleccionada});
    if (ahora.listaConFoco && (seMovio || !antes.listaConFoco)) {
        // With nothing selected the window itself holds the focus.
        anuncios.push_back({Anuncio::Tipo::Foco, ahora.seleccionada.value_or(ArbolAccesible::kVentana)});
    }
    if (ahora.descripcion != antes.descripcion)
        anuncios.push_back({Anuncio::Tipo::CambioDeNombre, arbol.IdDe(Parte::Descripcion)});
    if (ahora.instalando != antes.instalando) {
        // The item that started installing, or the one that has just ended.
        const long opcion = ahora.instalando ? *ahora.instalando : *antes.instalando;
        anuncios.push_back({Anuncio::Tipo::CambioDeNombre, opcion});
        anuncios.push_back({Anuncio::Tipo::CambioDeEstado, opcion});
    }
    if (ahora.indicacion != antes.indicacion)
        anuncios.push_back({Anuncio::Tipo::CambioDeNombre, arbol.IdDe(Parte::Indicacion)});
    return anuncios;
}

}  // namespace instalar
