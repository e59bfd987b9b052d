#include "win32host/Huellas.h"

#include "common/Sobrecarga.h"
#include "win32host/AlcanceDeTexto.h"
#include "win32host/TrazoDeMarca.h"

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
    h = Mezclar(h, static_cast<uint64_t>(MarcaDe(e)));
    return Mezclar(h, static_cast<uint64_t>(e.alineacion));
}

// A label's place, with its mark's when it has one.
RECT CajaPintada(const Etiqueta& e, const Escala& escala) {
    RECT caja = AlcanceDeTexto(e, escala);
    if (MarcaDe(e) == MarcaOpcion::Ninguna) return caja;
    const RECT alcance = TrazoDeMarca(e, escala).alcance;
    ::UnionRect(&caja, &caja, &alcance);
    return caja;
}

// Everything the colours of the picture come from: a change of any of them
// (a theme switched on, a system colour changed) repaints it all.
uint64_t AspectoDe(const Apariencia& a) {
    const Colores& c = a.colores;
    uint64_t h = kInicio;
    for (const ColorPintura* color : {&c.fondo, &c.bordeClaro, &c.bordeOscuro, &c.divisoria, &c.barra})
        h = Mezclar(h, a.paleta(*color));
    h = Mezclar(h, a.paleta(ColorSistema::TextoVentana));
    h = Mezclar(h, c.logo);
    return Mezclar(h, c.coloresPropios);
}

}  // namespace

std::vector<Huella> HuellasDe(const Controles& c, const Apariencia& apariencia, const Escala& escala) {
    std::vector<Huella> huellas;
    huellas.reserve(c.opciones.size() + 10);
    auto etiqueta = [&](const Etiqueta& e) { huellas.push_back({CajaPintada(e, escala), AspectoDe(e)}); };
    DeAbajoArriba(c, Sobrecarga{etiqueta, [&](const OpcionDeLista& o) { etiqueta(o.etiqueta); },
                                [&](const Imagen& i) { huellas.push_back({escala.APixeles(i.caja), i.visible ? 1u : 0u}); },
                                [&](const Barra& b) { huellas.push_back({escala.APixeles(b.caja), ValorDe(b.fondo)}); },
                                // The divider never moves; its colour is the window's.
                                [](const Linea&) {}});
    const RECT ventana = escala.APixeles(Rectangulo{0, 0, kAnchoVentana, kAltoVentana});
    huellas.push_back({ventana, AspectoDe(apariencia)});
    const auto& marco = apariencia.marcoFoco;
    huellas.push_back({marco ? escala.APixeles(*marco) : RECT{}, marco ? 1u : 0u});
    return huellas;
}

}  // namespace instalar::win32
