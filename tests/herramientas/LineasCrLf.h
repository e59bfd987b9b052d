// Menu file text as editors on Windows save it.  Needs no system: the unit
// tests and the end-to-end tests both write their menus with it.
#pragma once

#include <string>
#include <vector>

namespace herramientas {

// Each line followed by CR LF.
inline std::string LineasCrLf(const std::vector<std::string>& lineas) {
    std::string texto;
    for (const auto& linea : lineas) texto += linea + "\r\n";
    return texto;
}

}  // namespace herramientas
