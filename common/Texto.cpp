#include "common/Texto.h"

#include "common/Utf8.h"

namespace instalar {

std::u16string_view RecortarEspacios(std::u16string_view texto) {
    size_t inicio = 0;
    size_t fin = texto.size();
    while (inicio < fin && texto[inicio] == u' ') ++inicio;
    while (fin > inicio && texto[fin - 1] == u' ') --fin;
    return texto.substr(inicio, fin - inicio);
}

std::u16string DesdeUtf8(std::string_view utf8) { return DecodificarUtf8(utf8); }

std::string AUtf8(std::u16string_view texto) {
    std::string salida;
    salida.reserve(texto.size());
    for (size_t i = 0; i < texto.size(); ++i) {
        char32_t punto = texto[i];
        if (punto >= 0xD800 && punto < 0xDC00 && i + 1 < texto.size() &&
            texto[i + 1] >= 0xDC00 && texto[i + 1] < 0xE000) {
            punto = 0x10000 + ((punto - 0xD800) << 10) + (texto[i + 1] - 0xDC00);
            ++i;
        }
        if (punto < 0x80) {
            salida.push_back(static_cast<char>(punto));
        } else if (punto < 0x800) {
            salida.push_back(static_cast<char>(0xC0 | (punto >> 6)));
            salida.push_back(static_cast<char>(0x80 | (punto & 0x3F)));
        } else if (punto < 0x10000) {
            salida.push_back(static_cast<char>(0xE0 | (punto >> 12)));
            salida.push_back(static_cast<char>(0x80 | ((punto >> 6) & 0x3F)));
            salida.push_back(static_cast<char>(0x80 | (punto & 0x3F)));
        } else {
            salida.push_back(static_cast<char>(0xF0 | (punto >> 18)));
            salida.push_back(static_cast<char>(0x80 | ((punto >> 12) & 0x3F)));
            salida.push_back(static_cast<char>(0x80 | ((punto >> 6) & 0x3F)));
            salida.push_back(static_cast<char>(0x80 | (punto & 0x3F)));
        }
    }
    return salida;
}

}  // namespace instalar
