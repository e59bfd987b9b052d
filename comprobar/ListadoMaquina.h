#pragma once
// What a checked menu shows on a machine described on the command line
// (--maquina x64,10.0.22631).

#include <string>

#include "comprobar/Comprobador.h"
#include "menufile/Requisitos.h"

namespace instalar::comprobar {

// The items that machine shows, greys (with the reason) and hides; the
// probes of ";@instalado" cannot be answered for it, and it says so.
std::string FormatearMaquina(const Informe& informe, const HechosMaquina& hechos);

}  // namespace instalar::comprobar
