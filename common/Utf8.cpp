#include "common/Utf8.h"

namespace instalar {

namespace {

// What a lead byte starts: how many continuation bytes follow and the range
// the first of them must lie in (the rest are always 80..BF).
struct Inicio {
    int continuaciones = -1;  // -1: the byte cannot start a sequence
    unsigned char minimo = 0x80;
    unsigned char maximo = 0xBF;
};

Inicio InicioDe(unsigned char b) {
    if (b < 0x80) return {0};
    if (b >= 0xC2 && b <= 0xDF) return {1};
    if (b == 0xE0) return {2, 0xA0, 0xBF};
    if (b == 0xED) return {2, 0x80, 0x9F};  // no surrogates
    if (b >= 0xE1 && b <= 0xEF) return {2};
    if (b == 0xF0) return {3, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {3};
    if (b == 0xF4) return {3, 0x80, 0x8F};  // nothing past U+10FFFF
    return {};
}

unsigned ValorDeInicio(unsigned char b, int continuaciones) {
    static const unsigned char mascaras[] = {0x7F, 0x1F, 0x0F, 0x07};
    return b & mascaras[continuaciones];
}

void AnadirPunto(std::u16string& salida, char32_t punto) {
    if (punto >= 0x10000) {
        punto -= 0x10000;
        salida.push_back(static_cast<char16_t>(0xD800 + (punto >> 10)));
        salida.push_back(static_cast<char16_t>(0xDC00 + (punto & 0x3FF)));
    } else {
        salida.push_back(static_cast<char16_t>(punto));
    }
}

}  // namespace

bool ValidadorUtf8::Anadir(std::string_view bytes) {
    for (const char c : bytes) {
        if (!valido_) return false;
        const auto b = static_cast<unsigned char>(c);
        if (pendientes_ > 0) {
            if (b < minimo_ || b > maximo_) {
                valido_ = false;
                return false;
            }
            --pendientes_;
            minimo_ = 0x80;
            maximo_ = 0xBF;
            if (pendientes_ == 0) multibyte_ = true;
        } else {
            const Inicio inicio = InicioDe(b);
            if (inicio.continuaciones < 0) {
                valido_ = false;
                return false;
            }
            pendientes_ = inicio.continuaciones;
            minimo_ = inicio.minimo;
            maximo_ = inicio.maximo;
        }
        ++aceptados_;
    }
    return valido_;
}

std::u16string DecodificarUtf8(std::string_view bytes) {
    std::u16string salida;
    salida.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const Inicio inicio = InicioDe(b);
        if (inicio.continuaciones < 0) {
            salida.push_back(u'\xFFFD');
            ++i;
            continue;
        }
        char32_t punto = ValorDeInicio(b, inicio.continuaciones);
        size_t k = 1;
        unsigned char minimo = inicio.minimo;
        unsigned char maximo = inicio.maximo;
        for (; k <= static_cast<size_t>(inicio.continuaciones); ++k) {
            if (i + k >= bytes.size()) break;
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (c < minimo || c > maximo) break;
            punto = (punto << 6) | (c & 0x3F);
            minimo = 0x80;
            maximo = 0xBF;
        }
        if (k <= static_cast<size_t>(inicio.continuaciones)) {
            // The well-formed start of a sequence cut short counts as one.
            salida.push_back(u'\xFFFD');
            i += k;
            continue;
        }
        AnadirPunto(salida, punto);
        i += k;
    }
    return salida;
}

}  // namespace instalar
