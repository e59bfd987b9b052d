#include "window/Anuncios.h"

namespace instalar {

EstadoAnunciado EstadoAnunciadoDe(const frmMenu& menu, const ArbolAccesible& arbol) {
    return EstadoAnunciado{arbol.HijoSeleccionado(), menu.ListaConFoco(), menu.Vista().descripcion.texto};
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
    return anuncios;
}

}  // namespace instalar
