#include "window/TeclasAcceso.h"

namespace instalar {

std::u16string TextoMostrado(std::u16string_view texto) {
    std::u16string visible;
    visible.reserve(texto.size());
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'&') {
            ++i;  // the mark goes; what it marks stays, a second "&" included
            if (i == texto.size()) break;
        }
        visible.push_back(texto[i]);
    }
    return visible;
}

std::optional<char16_t> TeclaDeAcceso(std::u16string_view texto) {
    for (size_t i = 0; i + 1 < texto.size(); ++i) {
        if (texto[i] != u'&') continue;
        if (texto[i + 1] != u'&') return texto[i + 1];
        ++i;  // "&&" marks nothing
    }
    return std::nullopt;
}

std::optional<int16_t> OpcionConTecla(const std::vector<Etiqueta>& opciones, int16_t n, int16_t actual,
                                      char16_t tecla, ComparacionNombres& comparacion) {
    const std::u16string buscada(1, tecla);
    const int desde = (actual >= 0 && actual < n) ? actual : -1;
    for (int paso = 1; paso <= n; ++paso) {
        const int indice = (desde + paso) % n;
        const auto propia = TeclaDeAcceso(opciones[static_cast<size_t>(indice)].texto);
        if (propia && comparacion.IgualesSinMayusculas(std::u16string(1, *propia), buscada))
            return static_cast<int16_t>(indice);
    }
    return std::nullopt;
}

}  // namespace instalar
