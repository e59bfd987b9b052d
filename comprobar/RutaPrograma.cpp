#include "comprobar/RutaPrograma.h"

#include "menufile/RutaLeida.h"

namespace instalar::comprobar {

namespace {

bool EsSeparador(char16_t c) { return c == u'\\' || c == u'/'; }

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
    // The menu decides on the same path: see RutaLeida.
    const std::u16string_view ruta = RutaLeida(comando);
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
