#pragma once
// How one line after the two header lines is understood.
//
//   Contabilidad;conta\setup.exe;Instala el módulo de contabilidad
//   name        ;command        ;description (may hold more ";")
//
// The line is trimmed of spaces (code 32 only).  Empty lines, lines that
// start with ";" and lines without ";" are ignored.  Fields themselves are
// not trimmed.

#include <optional>
#include <string>
#include <string_view>

#include "common/Error.h"

namespace instalar {

struct Entrada {
    std::u16string nombre;
    std::u16string comando;
    std::optional<std::u16string> descripcion;  // absent with only one ";"
};

// The two readers check different position limits: positions are kept as
// signed 16-bit numbers, and only the list reader measures a command that
// runs to the end of the line.
enum class Lector { Lista, Descripcion };

// An entry, nothing for an ignored line, or the overflow error of a line
// whose ";" stands too far in.
Resultado<std::optional<Entrada>> ClasificarLinea(std::u16string_view linea, Lector lector);

}  // namespace instalar
