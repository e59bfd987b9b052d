#pragma once
// The fonts the labels use, made once per face, size and weight at the
// screen's DPI, shared by measuring and painting.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "interfaces/MedidaTexto.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

// The font of message boxes, which the push buttons take, at `dpi`: the
// system gives it for its own resolution.
FuenteGdi FuenteDeMensajes(int dpi);

class Fuentes {
public:
    explicit Fuentes(int dpi) : dpi_(dpi) {}
    Fuentes(const Fuentes&) = delete;
    Fuentes& operator=(const Fuentes&) = delete;
    // A font without a name is the message font (FuenteDeMensajes),
    // whatever its size: the buttons' text is measured in it.
    HFONT Obtener(const instalar::Fuente& fuente);
    // Every font is made anew, for this resolution: no font handed out
    // before may still be selected into a DC.
    void FijarDpi(int dpi);

private:
    using Clave = std::tuple<std::u16string, double, bool>;
    using Creadas = std::map<Clave, win32::FuenteGdi>;
    int dpi_;
    Creadas creadas_;
    // Labels come in long runs of one font (thousands of items), so the
    // last font asked for is checked first, without building a key.
    Creadas::const_iterator ultima_ = creadas_.end();
};

}  // namespace instalar::win32
