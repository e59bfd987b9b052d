#pragma once
// What reading a menu file needs from the system: opening a file for
// sequential reading, turning its 8-bit text into UTF-16, and comparing the
// names of its entries as the user's Windows does.  Everything that reads a
// menu file (the window and the checker) gets only this.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
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

// What tells one version of a file from another without reading it.
struct HuellaArchivo {
    uint64_t tamano = 0;
    uint64_t escritura = 0;  // the last write's time, in the system's units
    bool operator==(const HuellaArchivo& otra) const { return tamano == otra.tamano && escritura == otra.escritura; }
};

class Archivos : public ComparacionNombres {
public:
    virtual Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) = 0;
    // The file's size and last write time; none when they cannot be had,
    // and then nothing read from the file is kept for later.
    virtual std::optional<HuellaArchivo> Huella(const std::u16string& /*ruta*/) { return std::nullopt; }
    // Menu file text is in the system's ANSI code page.
    virtual std::u16string DesdeAnsi(std::string_view bytes) = 0;
};

}  // namespace instalar
