#pragma once
// What reading a menu file needs from the system: opening a file for
// sequential reading and turning its 8-bit text into UTF-16.  The menu
// program gets it as part of its whole platform; the menu checker gives
// only this.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "common/Error.h"

namespace instalar {

// A file opened for sequential reading; closed when destroyed.
class ArchivoLectura {
public:
    virtual ~ArchivoLectura() = default;
    // Reads up to `capacidad` bytes into `destino`; 0 means the end.
    virtual Resultado<size_t> Leer(char* destino, size_t capacidad) = 0;
};

class AccesoArchivos {
public:
    virtual ~AccesoArchivos() = default;

    virtual Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) = 0;
    // Menu file text is in the system's ANSI code page.
    virtual std::u16string DesdeAnsi(std::string_view bytes) = 0;
};

}  // namespace instalar
