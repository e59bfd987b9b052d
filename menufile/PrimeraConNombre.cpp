#include "menufile/PrimeraConNombre.h"

namespace instalar {

bool PrimeraConNombre::Es(const std::u16string& nombreEntrada) {
    if (hallada_) return false;
    hallada_ = comparacion_.IgualesSinMayusculas(nombreEntrada, nombre_);
    return hallada_;
}

}  // namespace instalar
