// Kept apart from the rule for one name: only the checker notes a whole
// menu's names at once, and the program does not carry what it never calls.

#include "menufile/PrimeraConNombre.h"

namespace instalar {

size_t PrimerasPorNombre::Anotar(const std::u16string& nombre) {
    const size_t posicion = anotadas_++;
    std::vector<Primera>& grupo = grupos_[comparacion_.GrupoDeNombre(nombre)];
    for (const Primera& primera : grupo) {
        if (comparacion_.IgualesSinMayusculas(primera.nombre, nombre)) return primera.posicion;
    }
    grupo.push_back({nombre, posicion});
    return posicion;
}

}  // namespace instalar
