#pragma once
// A fingerprint of each painted control: where it stands on screen and what
// it looks like.  Comparing the fingerprints from before and after an event
// tells which parts of the window must be painted again, so a menu of
// thousands of items repaints only the few that changed.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win32host/Apariencia.h"
#include "win32host/Escala.h"
#include "window/Controles.h"

namespace instalar::win32 {

struct Huella {
    RECT caja;
    uint64_t aspecto;
    bool operator==(const Huella& otra) const {
        return ::EqualRect(&caja, &otra.caja) && aspecto == otra.aspecto;
    }
};

// One fingerprint per painted control, in the order the window paints them,
// then one of the colours over the whole window and one of the focus frame.
std::vector<Huella> HuellasDe(const Controles& controles, const Apariencia& apariencia, const Escala& escala);

}  // namespace instalar::win32
