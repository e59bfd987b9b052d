#include "menufile/DescripcionesMenu.h"

#include "menufile/ArchivoMenu.h"
#include "menufile/LineaMenu.h"

namespace instalar {

DescripcionesMenu DescripcionesMenu::Leer(Archivos& archivos, const std::u16string& ruta) {
    DescripcionesMenu descripciones;
    auto abierto = ArchivoMenu::Abrir(archivos, ruta);
    if (!abierto) return descripciones;
    ArchivoMenu& archivo = abierto.valor();
    for (int cabecera = 0; cabecera < 2; ++cabecera) {
        if (archivo.FinDeArchivo() || !archivo.LeerLinea()) return descripciones;
    }
    while (!archivo.FinDeArchivo()) {
        auto linea = archivo.LeerLinea();
        if (!linea) break;
        auto clasificada = ClasificarLinea(linea.valor(), Lector::Descripcion);
        if (!clasificada) break;
        if (const auto& entrada = clasificada.valor()) descripciones.Anotar(archivos, entrada->nombre, entrada->descripcion);
    }
    return descripciones;
}

void DescripcionesMenu::Anotar(Archivos& archivos, const std::u16string& nombre,
                               const std::optional<std::u16string>& descripcion) {
    std::vector<Primera>& grupo = grupos_[archivos.GrupoDeNombre(nombre)];
    for (const Primera& primera : grupo) {
        if (archivos.IgualesSinMayusculas(primera.nombre, nombre)) return;
    }
    grupo.push_back({nombre, descripcion});
}

std::optional<std::u16string> DescripcionesMenu::De(Archivos& archivos, const std::u16string& nombre) const {
    const auto grupo = grupos_.find(archivos.GrupoDeNombre(nombre));
    if (grupo == grupos_.end()) return std::nullopt;
    for (const Primera& primera : grupo->second) {
        if (archivos.IgualesSinMayusculas(primera.nombre, nombre)) return primera.descripcion;
    }
    return std::nullopt;
}

}  // namespace instalar
