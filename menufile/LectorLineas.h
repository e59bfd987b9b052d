#pragma once
// Reads a file line by line.  A line ends at CR or CR LF; a lone LF is an
// ordinary character.  Reading a line at the end of the file is an error,
// and so is a line longer than kLargoMaximoLinea (characters, or 16-bit
// units).
// The file is read in runs and never held whole in memory.
//
// Lines are made of bytes, or of 16-bit little-endian units once the reader
// is told so: then CR and LF are the units 0x000D and 0x000A, and an odd
// byte at the end of the file is ignored.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/Archivos.h"

namespace instalar {

// What the rest of a file turned out to be, looked at from a line on.
struct VistazoUtf8 {
    bool valido = false;       // every byte from the line on is well-formed UTF-8
    bool multibyte = false;    // a sequence of two or more bytes came before any fault
    int64_t lineasHastaFallo = 0;  // lines after the given one up to the first fault
};

// No menu line comes near this: positions within a line stop at 32767
// characters anyway.  Past it, a file without line ends would otherwise
// grow one string until memory runs out (a gigabyte ends a 32-bit program).
constexpr size_t kLargoMaximoLinea = size_t{128} * 1024 * 1024;

class LectorLineas {
public:
    explicit LectorLineas(std::unique_ptr<ArchivoLectura> archivo, size_t largoMaximo = kLargoMaximoLinea);

    // True when no line is left.  A read failure counts as "not at the end"
    // and is reported by the next LeerLinea.
    bool FinDeArchivo();
    // The next line's bytes, without its terminator.
    Resultado<std::string> LeerLinea();

    // The file's first bytes, up to `cuantos`, before any line is read.
    std::string_view Inicio(size_t cuantos);
    // Passes over bytes at the start (an encoding mark).
    void Saltar(size_t cuantos);
    // From now on lines are made of 16-bit little-endian units.
    void UsarUnidadesDe16Bits() { unidad_ = 2; }

    // Whether `linea` (just read) and all that follows it are well-formed
    // UTF-8.  Reads ahead as far as it must and comes back, so the next
    // line is read as if nothing had happened.
    VistazoUtf8 MirarUtf8(std::string_view linea);

private:
    // Makes sure at least `cuantos` unread bytes are buffered, unless the
    // file ends first; returns how many there are.
    size_t Disponibles(size_t cuantos);
    Resultado<std::string> LeerLineaDeBytes();
    Resultado<std::string> LeerLineaDeUnidades();
    Resultado<std::string> FinSinLinea();

    std::unique_ptr<ArchivoLectura> archivo_;
    std::vector<char> bufer_;
    size_t posicion_ = 0;
    size_t final_ = 0;
    uint64_t leidosDelArchivo_ = 0;  // where the file stands: the end of the buffer
    size_t unidad_ = 1;
    size_t largoMaximo_;
    bool agotado_ = false;
    Fallo errorPendiente_;
};

}  // namespace instalar
