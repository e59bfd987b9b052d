#include "Tinta.h"

#include <algorithm>

namespace herramientas {

namespace {

// Calls visitar(x, y) for each pixel of the zone, clipped to the capture.
template <typename F>
void RecorrerZona(const Captura& captura, const RECT& zona, F visitar) {
    const int arriba = std::max<int>(zona.top, 0);
    const int abajo = std::min<int>(zona.bottom, captura.Alto());
    const int izquierda = std::max<int>(zona.left, 0);
    const int derecha = std::min<int>(zona.right, captura.Ancho());
    for (int y = arriba; y < abajo; ++y)
        for (int x = izquierda; x < derecha; ++x) visitar(x, y);
}

bool EsVerde(COLORREF c) {
    const int r = GetRValue(c);
    const int g = GetGValue(c);
    const int b = GetBValue(c);
    return g > r + 40 && g > b + 40;
}

// The rows of the zone for which `marcada(x, y)` holds at some pixel.
template <typename F>
std::vector<int> FilasCon(const Captura& captura, const RECT& zona, F marcada) {
    std::vector<int> filas;
    RecorrerZona(captura, zona, [&](int x, int y) {
        if ((filas.empty() || filas.back() != y) && marcada(x, y)) filas.push_back(y);
    });
    return filas;
}

}  // namespace

bool HayTinta(const Captura& captura, const RECT& zona, COLORREF fondo) {
    bool hay = false;
    RecorrerZona(captura, zona, [&](int x, int y) { hay = hay || captura.En(x, y) != fondo; });
    return hay;
}

std::vector<Franja> FranjasDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo) {
    std::vector<Franja> franjas;
    for (int y : FilasCon(captura, zona, [&](int x, int fila) { return captura.En(x, fila) != fondo; })) {
        if (!franjas.empty() && franjas.back().abajo == y - 1)
            franjas.back().abajo = y;
        else
            franjas.push_back({y, y});
    }
    return franjas;
}

int DerechaDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo) {
    int derecha = zona.left - 1;
    RecorrerZona(captura, zona, [&](int x, int y) {
        if (x > derecha && captura.En(x, y) != fondo) derecha = x;
    });
    return derecha;
}

bool ContieneColor(const Captura& captura, const RECT& zona, COLORREF color) {
    bool hay = false;
    RecorrerZona(captura, zona, [&](int x, int y) { hay = hay || captura.En(x, y) == color; });
    return hay;
}

std::optional<Franja> FranjaVerde(const Captura& captura, const RECT& zona) {
    const std::vector<int> filas = FilasCon(captura, zona, [&](int x, int y) { return EsVerde(captura.En(x, y)); });
    if (filas.empty()) return std::nullopt;
    return Franja{filas.front(), filas.back()};
}

std::vector<COLORREF> PixelesDe(const Captura& captura, const RECT& zona) {
    std::vector<COLORREF> pixeles;
    RecorrerZona(captura, zona, [&](int x, int y) { pixeles.push_back(captura.En(x, y)); });
    return pixeles;
}

}  // namespace herramientas
