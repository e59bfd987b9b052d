#pragma once
// What starting a menu item needs from the system: whether its file is
// there, starting it as a program, and opening it through the shell.

#include <cstdint>
#include <memory>
#include <string>

#include "common/Error.h"

namespace instalar {

// How a setup program is started: the checked file as the application,
// a command line whose first token is that file, quoted, then its
// arguments, and its folder as the working folder.
struct PeticionProceso {
    std::u16string aplicacion;
    std::u16string lineaComandos;
    // The arguments alone, as the shell takes them; empty for none.
    std::u16string argumentos;
    std::u16string carpetaTrabajo;
    int mostrar = 1;  // normal, activated window
    // Whether the menu will wait for what it starts: the started process is
    // then handed back, and a program is followed with every process it
    // starts.
    bool seguir = false;
};

// A started setup that the menu waits for.  Destroying it only stops
// following it: the setup goes on.
class ProcesoIniciado {
public:
    virtual ~ProcesoIniciado() = default;
    // Whether the setup has ended: the started process and, where the
    // system lets them be followed, every process started from it.  Never
    // blocks.
    virtual bool Terminado() = 0;
    // The started process's exit code, once it has ended.
    virtual uint32_t CodigoSalida() = 0;
};

// Empty when nothing is followed: the request did not ask for it, or the
// shell handed no process back (a document opened in a program that was
// already running).
using ProcesoAEsperar = std::unique_ptr<ProcesoIniciado>;

class Procesos {
public:
    virtual ~Procesos() = default;

    // The length of a file; an error when there is none (a folder included).
    virtual Resultado<int64_t> LongitudArchivo(const std::u16string& ruta) = 0;
    // Starts a program without waiting for it.  A program that needs more
    // rights than the menu has fails with CodigoError::RequiereElevacion;
    // a file that is not a program (a package, a document) fails with
    // CodigoError::NoEsUnPrograma.
    virtual Resultado<ProcesoAEsperar> IniciarProceso(const PeticionProceso& peticion) = 0;
    // Opens the file through the shell with its default verb and the
    // request's arguments as its parameters, in the request's working
    // folder and without the shell's own error dialogs: a program that
    // needs administrator rights gets the consent prompt (declining fails
    // with CodigoError::CanceladoPorUsuario), any other file opens in the
    // program registered for its type.
    virtual Resultado<ProcesoAEsperar> EjecutarConShell(const PeticionProceso& peticion) = 0;
};

}  // namespace instalar
