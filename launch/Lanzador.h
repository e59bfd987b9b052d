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

// Application name, quoted command line and working folder for `ruta`, so
// that exactly the checked file starts, even when its path has spaces.
PeticionProceso PeticionPara(const std::u16string& ruta);

// Whether `ruta` names a program that starts as itself: an .exe, .com, .bat
// or .cmd file, or a file without an extension.  Anything else is a package
// or a document, which only the shell opens.
bool EsPrograma(const std::u16string& ruta);

enum class Inicio { Iniciado, RechazadoPorUsuario };

// Checks that `ruta` names an existing file, then starts it without waiting.
// A program that needs administrator rights is started through the shell,
// which asks the user; declining is not an error.  A file that is not a
// program goes straight to the shell, which opens it in the program
// registered for its type.
Resultado<Inicio> IniciarInstalador(Procesos& procesos, const std::u16string& ruta);

}  // namespace instalar
