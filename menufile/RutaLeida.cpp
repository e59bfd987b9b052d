#include "menufile/RutaLeida.h"

namespace instalar {

std::u16string_view RutaLeida(std::u16string_view ruta) {
    const size_t separador = ruta.find_last_of(u"\\/");
    const std::u16string_view ultimo = separador == std::u16string_view::npos ? ruta : ruta.substr(separador + 1);
    // "." and ".." name folders, and "alfa\" ends in a separator: nothing of
    // theirs is dropped.
    if (ultimo.empty() || ultimo == u"." || ultimo == u"..") return ruta;
    while (!ruta.empty() && (ruta.back() == u' ' || ruta.back() == u'.')) ruta.remove_suffix(1);
    return ruta;
}

}  // namespace instalar
