// Whether the tools run under Wine, for the few checks that only Windows
// can make (and that are skipped there with a message saying why).
#pragma once

#include <string>

namespace herramientas {

// True when ntdll is Wine's (it exports wine_get_version).
bool BajoWine();
// "Wine 8.0" under Wine, "Windows" otherwise: for messages.
std::string NombreDelSistema();

}  // namespace herramientas
