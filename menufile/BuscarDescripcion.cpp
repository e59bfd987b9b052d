#include "menufile/BuscarDescripcion.h"

#include "menufile/ArchivoMenu.h"
#include "menufile/LineaMenu.h"
#include "menufile/PrimeraConNombre.h"

namespace instalar {

Resultado<std::optional<std::u16string>> BuscarDescripcion(Archivos& archivos, const std::u16string& ruta,
                                                           const std::u16string& nombre) {
    using SinDescripcion = std::optional<std::u16string>;
    auto abierto = ArchivoMenu::Abrir(archivos, ruta);
    if (!abierto) return abierto.error();
    ArchivoMenu& archivo = abierto.valor();
    for (int cabecera = 0; cabecera < 2; ++cabecera) {
        auto linea = archivo.LeerLinea();
        if (!linea) return linea.error();
    }
    PrimeraConNombre primera(archivos, nombre);
    do {
        auto linea = archivo.LeerLinea();
        if (!linea) return linea.error();
        auto clasificada = ClasificarLinea(linea.valor(), Lector::Descripcion);
        if (!clasificada) return clasificada.error();
        const auto& entrada = clasificada.valor();
        if (entrada && primera.Es(entrada->nombre)) return entrada->descripcion;
    } while (!archivo.FinDeArchivo());
    return SinDescripcion{};
}

}  // namespace instalar
