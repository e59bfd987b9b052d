#include "comprobar/TextoVisible.h"

#include "common/Texto.h"

namespace instalar::comprobar {

namespace {

std::string DosCifras(unsigned valor) {
    static const char kCifras[] = "0123456789ABCDEF";
    return {kCifras[(valor >> 4) & 0xF], kCifras[valor & 0xF]};
}

}  // namespace

std::string Hexadecimal(unsigned valor) { return "0x" + DosCifras(valor); }

std::string Visible(std::u16string_view texto) {
    std::string salida;
    size_t inicio = 0;
    for (size_t i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i];
        const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
        if (!control) continue;
        salida += AUtf8(texto.substr(inicio, i - inicio));
        if (c == u'\t') {
            salida += "<TAB>";
        } else if (c == u'\n') {
            salida += "<LF>";
        } else {
            salida += "<" + DosCifras(c) + ">";
        }
        inicio = i + 1;
    }
    return salida + AUtf8(texto.substr(inicio));
}

std::string Citado(std::u16string_view texto) { return "«" + Visible(texto) + "»"; }

}  // namespace instalar::comprobar
