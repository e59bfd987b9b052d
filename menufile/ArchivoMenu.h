#pragma once
// The menu file opened for reading: the two header lines, then entry
// lines.  It is closed when the object goes away, on every path.

#include <optional>
#include <string>

#include "menufile/LectorLineas.h"
#include "menufile/LineaMenu.h"
#include "platform/AccesoArchivos.h"
#include "platform/Plataforma.h"

namespace instalar {

class ArchivoMenu {
public:
    static Resultado<ArchivoMenu> Abrir(AccesoArchivos& acceso, const std::u16string& ruta);

    // The next line, converted from the ANSI code page.
    Resultado<std::u16string> LeerLinea();
    bool FinDeArchivo() { return lector_.FinDeArchivo(); }

private:
    ArchivoMenu(AccesoArchivos& acceso, std::unique_ptr<ArchivoLectura> archivo);

    AccesoArchivos* acceso_;
    LectorLineas lector_;
};

// The description stored under `nombre` (compared without regard to case),
// read afresh from the file: the first matching entry wins; nothing when it
// has no description or no entry matches.
Resultado<std::optional<std::u16string>> BuscarDescripcion(Plataforma& plataforma,
                                                           const std::u16string& ruta,
                                                           const std::u16string& nombre);

}  // namespace instalar
