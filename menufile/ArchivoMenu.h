#pragma once
// The menu file opened for reading, one line at a time, each line decoded
// from the ANSI code page.  It is closed when the object goes away, on
// every path.

#include <string>

#include "interfaces/Archivos.h"
#include "menufile/LectorLineas.h"

namespace instalar {

class ArchivoMenu {
public:
    static Resultado<ArchivoMenu> Abrir(Archivos& archivos, const std::u16string& ruta);

    // The next line, converted from the ANSI code page.
    Resultado<std::u16string> LeerLinea();
    bool FinDeArchivo() { return lector_.FinDeArchivo(); }

private:
    ArchivoMenu(Archivos& archivos, std::unique_ptr<ArchivoLectura> archivo);

    Archivos* archivos_;
    LectorLineas lector_;
};

}  // namespace instalar
