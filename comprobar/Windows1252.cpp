#include "comprobar/Windows1252.h"

#include <array>

namespace instalar::comprobar {

namespace {

// Bytes 0x80 to 0x9F; the others are the Unicode character of the same number.
constexpr std::array<char16_t, 32> kBloque80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

char16_t Minuscula(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    // À to Þ, except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    switch (c) {
    case 0x0160: return 0x0161;  // Š
    case 0x0152: return 0x0153;  // Œ
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return c;
    }
}

}  // namespace

std::u16string DesdeWindows1252(std::string_view bytes) {
    std::u16string texto;
    texto.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto valor = static_cast<unsigned char>(byte);
        texto.push_back(valor >= 0x80 && valor < 0xA0 ? kBloque80[valor - 0x80] : char16_t{valor});
    }
    return texto;
}

std::optional<unsigned char> ByteWindows1252(char16_t caracter) {
    for (size_t i = 0; i < kBloque80.size(); ++i) {
        if (kBloque80[i] == caracter) return static_cast<unsigned char>(0x80 + i);
    }
    if (caracter < 0x80 || (caracter >= 0xA0 && caracter <= 0xFF)) return static_cast<unsigned char>(caracter);
    return std::nullopt;
}

bool EsByteSinDefinir(char16_t caracter) {
    return caracter == 0x81 || caracter == 0x8D || caracter == 0x8F || caracter == 0x90 || caracter == 0x9D;
}

std::u16string SinMayusculas(std::u16string_view texto) {
    std::u16string minusculas(texto);
    for (char16_t& c : minusculas) c = Minuscula(c);
    return minusculas;
}

}  // namespace instalar::comprobar
