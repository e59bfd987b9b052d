#pragma once
// Does an entry's command name a setup program that instalar.exe can start?
// It joins its own folder, a backslash and the command, checks that a file
// (not a folder) is there and starts it without arguments.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "comprobar/SistemaArchivos.h"

namespace instalar::comprobar {

// The message of the error that keeps the program from starting, or
// nothing when it would start.  `carpeta` is instalar.exe's folder.
std::optional<std::string> ComprobarPrograma(std::u16string_view comando, const std::filesystem::path& carpeta,
                                             SistemaArchivos& sistema);

}  // namespace instalar::comprobar
