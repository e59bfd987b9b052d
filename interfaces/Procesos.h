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

// How a started setup stands at one look, as the system tells it.
struct MiradaProceso {
    // The started process itself has ended, with this exit code.
    bool terminado = false;
    uint32_t codigoSalida = 0;
    // A process it started (or one started from those) still runs; the
    // file name of one of them ("visor.exe"), empty where the system does
    // not tell it.
    bool otrosEnMarcha = false;
    std::u16string nombreDeOtro;
    // A process it started ran on after its end, as far as the system's
    // times show; one still running counts too.
    bool sobrevivido = false;
};

// A started setup that the menu waits for.  Destroying it only stops
// following it: the setup goes on.
class ProcesoIniciado {
public:
    virtual ~ProcesoIniciado() = default;
    // Looks at the setup without waiting.
    virtual MiradaProceso Mirar() = 0;
    // Whether the processes it starts can be followed at all.  False: the
    // system lets the menu wait only for the process it started.
    virtual bool SigueDescendientes() const = 0;
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
