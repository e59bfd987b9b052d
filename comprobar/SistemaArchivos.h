#pragma once
// What the checker needs from the file system: reading the menu file and
// finding out what a setup program's path names.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/Error.h"
#include "interfaces/Archivos.h"

namespace instalar::comprobar {

enum class TipoRuta { NoExiste, Archivo, Carpeta };

class SistemaArchivos {
public:
    virtual ~SistemaArchivos() = default;

    virtual Resultado<std::unique_ptr<ArchivoLectura>> Abrir(const std::filesystem::path& ruta) = 0;
    // What the path made of `componentes` (file or folder names, ".." for
    // the parent) names inside `carpeta`.  Names compare without regard to
    // case, as they do on Windows.
    virtual TipoRuta Tipo(const std::filesystem::path& carpeta, const std::vector<std::u16string>& componentes) = 0;
    // The names of the files in `carpeta`; none when it cannot be read.
    virtual std::vector<std::u16string> Archivos(const std::filesystem::path& carpeta) = 0;
};

}  // namespace instalar::comprobar
