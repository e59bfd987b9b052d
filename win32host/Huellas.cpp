#include "win32host/Huellas.h"

#include "common/Sobrecarga.h"

namespace instalar::win32 {

namespace {

// FNV-1a: equal looks give equal values; a change goes unnoticed only if
// two 64-bit values collide.
constexpr uint64_t kInicio = 1469598103934665603ull;
uint64_t Mezclar(uint64_t h, uint64_t valor) { return (h ^ valor) * 1099511628211ull; }

uint64_t ValorDe(Color color) { return uint64_t{color.r} << 16 | uint64_t{color.g} << 8 | color.b; }

uint64_t AspectoDe(const Etiqueta& e) {
    uint64_t h = kInicio;
    for (char16_t c : e.texto) h = Mezclar(h, c);
    h = Mezclar(h, e.visible);
    h = Mezclar(h, e.fuente.negrita);
    h = Mezclar(h, static_cast<uint64_t>(e.fuente.puntos * 100));
    h = Mezclar(h, e.color ? (uint64_t{1} << 24 | ValorDe(*e.color)) : 0);
    return Mezclar(h, static_cast<uint64_t>(e.alineacion));
}

}  // namespace

std::vector<Huella> HuellasDe(const Controles& c, const Escala& escala) {
    std::vector<Huella> huellas;
    huellas.reserve(c.etqInstalar.size() + 8);
    auto etiqueta = [&](const Etiqueta& e) { huellas.push_back({escala.APixeles(e.caja), AspectoDe(e)}); };
    DeAbajoArriba(c, Sobrecarga{etiqueta, [&](const OpcionDeLista& o) { etiqueta(o.etiqueta); },
                                [&](const Imagen& i) { huellas.push_back({escala.APixeles(i.caja), i.visible ? 1u : 0u}); },
                                [&](const Barra& b) { huellas.push_back({escala.APixeles(b.caja), ValorDe(b.fondo)}); },
                                // The divider never changes.
                                [](const Linea&) {}});
    return huellas;
}

}  // namespace instalar::win32
