#pragma once
// The command line of comprobar: options, help, and what it prints.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "comprobar/SistemaArchivos.h"
#include "interfaces/MedidaTexto.h"

namespace instalar::comprobar {

struct Opciones {
    bool ayuda = false;
    bool version = false;
    bool listar = false;
    bool idiomas = false;  // lists the file each of the user's languages gets
    std::string menu = "instalar.inf";  // UTF-8, as given
    std::optional<std::string> carpeta;  // instalar.exe's folder, if not the menu's
    std::optional<std::string> maquina;  // --maquina x64,10.0.22631: what that machine shows
    std::string error;                   // not empty: the command line is wrong
};

// `argumentos` without the program's name, in UTF-8.
Opciones LeerOpciones(const std::vector<std::string>& argumentos);

// Exit status when the command line itself is wrong.
constexpr int kEstadoUsoIncorrecto = 2;

// Runs the checker: the listing and the help go to `salida`, the findings
// (in compiler form) and a summary to `errores`.  Returns the exit status:
// 0 without errors in the menu, 1 with some, 2 for a wrong command line.
// `idiomas` are the user's display languages, most wanted first; `medida`
// measures texts in the window's fonts, where they are (Windows).
int Ejecutar(const std::vector<std::string>& argumentos, std::ostream& salida, std::ostream& errores,
             SistemaArchivos& sistema, const std::vector<std::u16string>& idiomas = {},
             MedidaTexto* medida = nullptr);

}  // namespace instalar::comprobar
