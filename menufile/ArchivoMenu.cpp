#include "menufile/ArchivoMenu.h"

#include <utility>

namespace instalar {

ArchivoMenu::ArchivoMenu(AccesoArchivos& acceso, std::unique_ptr<ArchivoLectura> archivo)
    : acceso_(&acceso), lector_(std::move(archivo)) {}

Resultado<ArchivoMenu> ArchivoMenu::Abrir(AccesoArchivos& acceso, const std::u16string& ruta) {
    auto archivo = acceso.AbrirArchivo(ruta);
    if (!archivo) return archivo.error();
    return ArchivoMenu(acceso, std::move(archivo.valor()));
}

Resultado<std::u16string> ArchivoMenu::LeerLinea() {
    auto bytes = lector_.LeerLinea();
    if (!bytes) return bytes.error();
    return acceso_->DesdeAnsi(bytes.valor());
}

Resultado<std::optional<std::u16string>> BuscarDescripcion(Plataforma& plataforma,
                                                           const std::u16string& ruta,
                                                           const std::u16string& nombre) {
    using SinDescripcion = std::optional<std::u16string>;
    auto abierto = ArchivoMenu::Abrir(plataforma, ruta);
    if (!abierto) return abierto.error();
    ArchivoMenu& archivo = abierto.valor();
    for (int cabecera = 0; cabecera < 2; ++cabecera) {
        auto linea = archivo.LeerLinea();
        if (!linea) return linea.error();
    }
    // At least one line after the header is always read, so a header-only
    // file fails here just as a file that lost its entries would.
    do {
        auto linea = archivo.LeerLinea();
        if (!linea) return linea.error();
        auto clasificada = ClasificarLinea(linea.valor(), Lector::Descripcion);
        if (!clasificada) return clasificada.error();
        const auto& entrada = clasificada.valor();
        if (entrada && plataforma.IgualesSinMayusculas(entrada->nombre, nombre))
            return entrada->descripcion;
    } while (!archivo.FinDeArchivo());
    return SinDescripcion{};
}

}  // namespace instalar
