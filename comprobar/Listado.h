#pragma once
// The items of a checked menu as instalar.exe will show them (--listar).

#include <string>

#include "comprobar/Comprobador.h"

namespace instalar::comprobar {

// Title and version, then each item in order: its name, its command and
// the description that selecting it shows.  UTF-8, one field a line.
std::string FormatearListado(const Informe& informe);

}  // namespace instalar::comprobar
