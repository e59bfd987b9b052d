#pragma once
// What starting a menu item needs from the system: whether its file is
// there, starting it as a program, and opening it through the shell.

#include <cstdint>
#include <string>

#include "common/Error.h"

namespace instalar {

// How a setup program is started: the checked file as the application,
// a command line whose first token is that file, quoted, and its folder as
// the working folder.
struct PeticionProceso {
    std::u16string aplicacion;
    std::u16string lineaComandos;
    std::u16string carpetaTrabajo;
    int mostrar = 1;  // normal, activated window
};

class Procesos {
public:
    virtual ~Procesos() = default;

    // The length of a file; an error when there is none (a folder included).
    virtual Resultado<int64_t> LongitudArchivo(const std::u16string& ruta) = 0;
    // Starts a program without waiting for it.  A program that needs more
    // rights than the menu has fails with CodigoError::RequiereElevacion;
    // a file that is not a program (a package, a document) fails with
    // CodigoError::NoEsUnPrograma.
    virtual Fallo IniciarProceso(const PeticionProceso& peticion) = 0;
    // Opens the file through the shell with its default verb, in the
    // request's working folder and without the shell's own error dialogs: a
    // program that needs administrator rights gets the consent prompt
    // (declining fails with CodigoError::CanceladoPorUsuario), any other
    // file opens in the program registered for its type.
    virtual Fallo EjecutarConShell(const PeticionProceso& peticion) = 0;
};

}  // namespace instalar
