#pragma once
// Reads a file line by line.  A line ends at CR or CR LF; a lone LF is an
// ordinary character.  Reading a line at the end of the file is an error.

#include <memory>
#include <string>
#include <vector>

#include "interfaces/Archivos.h"

namespace instalar {

class LectorLineas {
public:
    explicit LectorLineas(std::unique_ptr<ArchivoLectura> archivo);

    // True when no byte is left.  A read failure counts as "not at the end"
    // and is reported by the next LeerLinea.
    bool FinDeArchivo();
    // The next line's bytes, without its terminator.
    Resultado<std::string> LeerLinea();

private:
    // Makes sure at least one unread byte is buffered, unless at the end.
    bool HayByte();

    std::unique_ptr<ArchivoLectura> archivo_;
    std::vector<char> bufer_;
    size_t posicion_ = 0;
    size_t final_ = 0;
    bool agotado_ = false;
    Fallo errorPendiente_;
};

}  // namespace instalar
