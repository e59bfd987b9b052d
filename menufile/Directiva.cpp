#include "menufile/Directiva.h"

#include "common/Texto.h"

namespace instalar {

std::optional<std::u16string_view> DirectivaDe(std::u16string_view linea) {
    const std::u16string_view recortada = RecortarEspacios(linea);
    if (recortada.substr(0, 2) != u";@") return std::nullopt;
    return recortada.substr(2);
}

}  // namespace instalar
