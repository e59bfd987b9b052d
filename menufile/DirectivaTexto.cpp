#include "menufile/DirectivaTexto.h"

#include "common/Texto.h"

namespace instalar {

std::optional<TextoDeDirectiva> TextoDe(std::u16string_view directiva) {
    if (directiva.substr(0, kDirectivaTexto.size()) != kDirectivaTexto) return std::nullopt;
    const std::u16string_view resto = directiva.substr(kDirectivaTexto.size());
    // ";@textos" is another directive; ";@texto" alone sets nothing.
    if (!resto.empty() && resto.front() != u' ') return std::nullopt;
    TextoDeDirectiva leido;
    const size_t igual = resto.find(u'=');
    if (igual == std::u16string_view::npos) {
        leido.clave = RecortarEspacios(resto);
        return leido;
    }
    leido.conIgual = true;
    leido.clave = RecortarEspacios(resto.substr(0, igual));
    leido.texto = resto.substr(igual + 1);
    while (!leido.texto.empty() && leido.texto.front() == u' ') leido.texto.remove_prefix(1);
    return leido;
}

bool FijarTextoDe(std::u16string_view directiva, Textos& textos) {
    const auto leido = TextoDe(directiva);
    if (!leido || !leido->conIgual) return false;
    const auto clave = ClaveDeNombre(leido->clave);
    if (!clave) return false;
    textos.Fijar(*clave, std::u16string(leido->texto));
    return true;
}

}  // namespace instalar
