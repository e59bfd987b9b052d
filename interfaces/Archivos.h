#pragma once
// What reading a menu file needs from the system: opening a file for
// sequential reading, turning its 8-bit text into UTF-16, and comparing the
// names of its entries as the user's Windows does.  Everything that reads a
// menu file (the window and the checker) gets only this.

#include <cstddef>
#include <cstdint>
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
    // Goes back to `posicion` bytes from the start: deciding how a file is
    // encoded may take a look further ahead than the line being read.
    virtual Fallo Volver(uint64_t posicion) = 0;
};

// When two names of the menu count as the same name.
class ComparacionNombres {
public:
    virtual ~ComparacionNombres() = default;

    // The same name with letters in upper or lower case, in the user's locale.
    virtual bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) = 0;

    // A text that two names the comparison finds equal always share, so that
    // a whole menu's names can be grouped instead of compared pair by pair.
    // Names of different groups are never compared.  The default puts every
    // name in one group, which is always right and slow only for a reader
    // that needs every name's first entry at once.
    virtual std::u16string GrupoDeNombre(const std::u16string& /*nombre*/) { return {}; }
};

class Archivos : public ComparacionNombres {
public:
    virtual Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) = 0;
    // Menu file text is in the system's ANSI code page.
    virtual std::u16string DesdeAnsi(std::string_view bytes) = 0;
};

}  // namespace instalar
