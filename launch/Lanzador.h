#pragma once
// Starting a menu item's file, which lies beside the menu: a setup program,
// or a package or document that the shell opens.

#include <string>

#include "interfaces/Procesos.h"

namespace instalar {

// The program's folder, a backslash, then the command as written in the
// menu file.  At a drive root this doubles the backslash, which Windows
// accepts.
std::u16string RutaInstalador(const std::u16string& carpetaPrograma, const std::u16string& comando);

// Application name, command line and working folder for `ruta`, so that
// exactly the checked file starts, even when its path has spaces: the
// command line is the path in quotes, then a space and the arguments as
// given, when there are any.  The shell gets the arguments alone.
PeticionProceso PeticionPara(const std::u16string& ruta, const std::u16string& argumentos = {});

// Whether `ruta` names a program that starts as itself: an .exe, .com, .bat
// or .cmd file, or a file without an extension.  Anything else is a package
// or a document, which only the shell opens.  These decide on the path as
// Windows reads it (RutaLeida), as the checker does.
bool EsPrograma(const std::u16string& ruta);

// Whether `ruta` names a batch file (.bat, .cmd): Windows runs it with cmd,
// which reads its command line again.
bool EsArchivoPorLotes(const std::u16string& ruta);

// Whether `ruta` names a Windows Installer package or patch (.msi, .msp):
// the shell opens it like a document, but what it starts is a setup whose
// end is worth waiting for.
bool EsPaquete(const std::u16string& ruta);

// What starting a setup came to: it runs, or the user declined to let it run elevated.
enum class Arrancado { Iniciado, RechazadoPorUsuario };

struct Lanzamiento {
    Arrancado inicio = Arrancado::Iniciado;
    // The setup to wait for; see IniciarYSeguir.
    ProcesoAEsperar proceso;
};

// Checks that `ruta` names an existing file, then starts it without waiting.
// A program that needs administrator rights is started through the shell,
// which asks the user; declining is not an error.  A file that is not a
// program goes straight to the shell, which opens it in the program
// registered for its type.  `argumentos` go to the program's command line
// or, through the shell, as the parameters.
Resultado<Arrancado> IniciarInstalador(Procesos& procesos, const std::u16string& ruta,
                                    const std::u16string& argumentos = {});

// Starts as IniciarInstalador does, and hands back the setup that started,
// for a menu that waits for it: a program followed with every process it
// starts, or the installer a package was opened in.  A document is not
// waited for: it comes back without a process, as does a start the user
// declined.
Resultado<Lanzamiento> IniciarYSeguir(Procesos& procesos, const std::u16string& ruta, const std::u16string& argumentos);

}  // namespace instalar
