#include "menufile/ArchivoMenu.h"

#include <utility>

namespace instalar {

ArchivoMenu::ArchivoMenu(Archivos& archivos, std::unique_ptr<ArchivoLectura> archivo)
    : archivos_(&archivos), lector_(std::move(archivo)) {}

Resultado<ArchivoMenu> ArchivoMenu::Abrir(Archivos& archivos, const std::u16string& ruta) {
    auto archivo = archivos.AbrirArchivo(ruta);
    if (!archivo) return archivo.error();
    return ArchivoMenu(archivos, std::move(archivo.valor()));
}

Resultado<std::u16string> ArchivoMenu::LeerLinea() {
    auto bytes = lector_.LeerLinea();
    if (!bytes) return bytes.error();
    return archivos_->DesdeAnsi(bytes.valor());
}

}  // namespace instalar
