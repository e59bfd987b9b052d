// Reading a capture as a page: "ink" is any pixel of another colour than
// the background `fondo` (text, lines, pictures).  All rectangles are
// relative to the capture's corner and clipped to it.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "Pantalla.h"

namespace herramientas {

// Consecutive rows of a capture, top and bottom included.
struct Franja {
    int arriba = 0;
    int abajo = 0;
    double Centro() const { return (arriba + abajo) / 2.0; }
    int Alto() const { return abajo - arriba + 1; }
};

bool HayTinta(const Captura& captura, const RECT& zona, COLORREF fondo);
// The rows of the zone that hold ink, grouped into bands, top to bottom.
std::vector<Franja> FranjasDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo);
// The rightmost column of the zone that holds ink, or zona.left - 1.
int DerechaDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo);
bool ContieneColor(const Captura& captura, const RECT& zona, COLORREF color);
// The rows of the zone that hold clearly green pixels (green well above red
// and blue), as one band from the first to the last, if there are any.
std::optional<Franja> FranjaVerde(const Captura& captura, const RECT& zona);
// The pixels of a zone row by row, to compare two moments.
std::vector<COLORREF> PixelesDe(const Captura& captura, const RECT& zona);

}  // namespace herramientas
