#pragma once
// The fonts the labels use, made once per face, size and weight at the
// screen's DPI, shared by measuring and painting.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/Plataforma.h"
#include "platform/win32/Manejadores.h"

namespace instalar::win32 {

class Fuentes {
public:
    explicit Fuentes(int dpi) : dpi_(dpi) {}
    HFONT Obtener(const instalar::Fuente& fuente);

private:
    using Clave = std::tuple<std::u16string, double, bool>;
    int dpi_;
    std::map<Clave, win32::Fuente> creadas_;
};

}  // namespace instalar::win32
