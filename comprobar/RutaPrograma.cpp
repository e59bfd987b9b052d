#include "comprobar/RutaPrograma.h"

namespace instalar::comprobar {

namespace {

bool EsSeparador(char16_t c) { return c == u'\\' || c == u'/'; }

// Windows drops spaces and dots at the end of a path, unless it ends with a
// separator: "setup.exe " opens "setup.exe".
std::u16string_view SinFinalIgnorado(std::u16string_view ruta) {
    if (!ruta.empty() && EsSeparador(ruta.back())) return ruta;
    while (!ruta.empty() && (ruta.back() == u' ' || ruta.back() == u'.')) ruta.remove_suffix(1);
    return ruta;
}

void Anadir(std::vector<std::u16string>& componentes, std::u16string_view nombre) {
    if (nombre.empty() || nombre == u".") return;
    if (nombre == u".." && !componentes.empty() && componentes.back() != u"..") {
        componentes.pop_back();
        return;
    }
    componentes.emplace_back(nombre);
}

}  // namespace

std::vector<std::u16string> ComponentesDePrograma(std::u16string_view comando) {
    const std::u16string_view ruta = SinFinalIgnorado(comando);
    std::vector<std::u16string> componentes;
    size_t inicio = 0;
    for (size_t i = 0; i <= ruta.size(); ++i) {
        if (i < ruta.size() && !EsSeparador(ruta[i])) continue;
        Anadir(componentes, ruta.substr(inicio, i - inicio));
        inicio = i + 1;
    }
    return componentes;
}

}  // namespace instalar::comprobar
