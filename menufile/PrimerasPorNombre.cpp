// Kept apart from the rule for one name, which is all that selecting an
// item needs.

#include "menufile/PrimeraConNombre.h"

namespace instalar {

size_t PrimerasPorNombre::Anotar(const std::u16string& nombre) {
    const size_t posicion = anotadas_++;
    std::vector<Primera>& grupo = grupos_[comparacion_->GrupoDeNombre(nombre)];
    for (const Primera& primera : grupo) {
        if (comparacion_->IgualesSinMayusculas(primera.nombre, nombre)) return primera.posicion;
    }
    grupo.push_back({nombre, posicion});
    return posicion;
}

std::optional<size_t> PrimerasPorNombre::Buscar(const std::u16string& nombre) const {
    const auto grupo = grupos_.find(comparacion_->GrupoDeNombre(nombre));
    if (grupo == grupos_.end()) return std::nullopt;
    for (const Primera& primera : grupo->second) {
        if (comparacion_->IgualesSinMayusculas(primera.nombre, nombre)) return primera.posicion;
    }
    return std::nullopt;
}

}  // namespace instalar
