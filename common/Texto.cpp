#include "common/Texto.h"

namespace instalar {

std::u16string_view RecortarEspacios(std::u16string_view texto) {
    size_t inicio = 0;
    size_t fin = texto.size();
    while (inicio < fin && texto[inicio] == u' ') ++inicio;
    while (fin > inicio && texto[fin - 1] == u' ') --fin;
    return texto.substr(inicio, fin - inicio);
}

std::u16string DesdeUtf8(std::string_view utf8) {
    std::u16string salida;
    salida.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        char32_t punto = 0xFFFD;
        size_t largo = 1;
        if (byte < 0x80) {
            punto = byte;
        } else if ((byte & 0xE0) == 0xC0) {
            largo = 2;
            punto = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            largo = 3;
            punto = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            largo = 4;
            punto = byte & 0x07;
        }
        if (largo > 1) {
            if (i + largo > utf8.size()) {
                punto = 0xFFFD;
                largo = 1;
            } else {
                for (size_t k = 1; k < largo; ++k)
                    punto = (punto << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            }
        }
        if (punto >= 0x10000) {
            punto -= 0x10000;
            salida.push_back(static_cast<char16_t>(0xD800 + (punto >> 10)));
            salida.push_back(static_cast<char16_t>(0xDC00 + (punto & 0x3FF)));
        } else {
            salida.push_back(static_cast<char16_t>(punto));
        }
        i += largo;
    }
    return salida;
}

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
