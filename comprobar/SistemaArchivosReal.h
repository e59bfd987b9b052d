#pragma once
// The checker's file system through the standard library, the same on
// Linux and Windows.

#include "comprobar/SistemaArchivos.h"

namespace instalar::comprobar {

class SistemaArchivosReal : public SistemaArchivos {
public:
    Resultado<std::unique_ptr<ArchivoLectura>> Abrir(const std::filesystem::path& ruta) override;
    TipoRuta Tipo(const std::filesystem::path& carpeta, const std::vector<std::u16string>& componentes) override;
    std::vector<std::u16string> Archivos(const std::filesystem::path& carpeta) override;
};

}  // namespace instalar::comprobar
