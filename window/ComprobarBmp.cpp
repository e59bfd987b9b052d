#include "window/ComprobarBmp.h"

#include <cstdint>

namespace instalar {

namespace {

constexpr uint64_t kCabeceraArchivo = 14;
constexpr uint32_t kCabeceraNucleo = 12;  // the old OS/2 header
constexpr uint32_t kCabeceraInfo = 40;
constexpr uint64_t kPixelesMaximos = 64ull * 1024 * 1024;

enum Compresion : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kCampos = 3 };

uint32_t Leer(std::string_view b, size_t posicion, int bytes) {
    uint32_t valor = 0;
    for (int i = bytes - 1; i >= 0; --i) valor = (valor << 8) | static_cast<unsigned char>(b[posicion + i]);
    return valor;
}

struct Cabecera {
    int64_t ancho = 0;
    int64_t alto = 0;
    uint32_t planos = 0;
    uint32_t bits = 0;
    uint32_t compresion = kRgb;
    uint32_t tamanoImagen = 0;
};

bool LeerCabecera(std::string_view b, Cabecera& c) {
    const uint32_t tamano = Leer(b, 14, 4);
    if (tamano != kCabeceraNucleo && tamano < kCabeceraInfo) return false;
    if (kCabeceraArchivo + tamano > b.size()) return false;
    if (tamano == kCabeceraNucleo) {
        c.ancho = Leer(b, 18, 2);
        c.alto = Leer(b, 20, 2);
        c.planos = Leer(b, 22, 2);
        c.bits = Leer(b, 24, 2);
        return true;
    }
    c.ancho = static_cast<int32_t>(Leer(b, 18, 4));
    c.alto = static_cast<int32_t>(Leer(b, 22, 4));
    c.planos = Leer(b, 26, 2);
    c.bits = Leer(b, 28, 2);
    c.compresion = Leer(b, 30, 4);
    c.tamanoImagen = Leer(b, 34, 4);
    return true;
}

bool BitsValidos(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Bytes of pixel data the headers promise.
uint64_t DatosNecesarios(const Cabecera& c) {
    const uint64_t alto = static_cast<uint64_t>(c.alto < 0 ? -c.alto : c.alto);
    if (c.compresion == kRle8 || c.compresion == kRle4) return c.tamanoImagen;
    const uint64_t fila = ((static_cast<uint64_t>(c.ancho) * c.bits + 31) / 32) * 4;
    return fila * alto;
}

}  // namespace

bool EsBmpCompleto(std::string_view b) {
    if (b.size() < kCabeceraArchivo + kCabeceraNucleo || b[0] != 'B' || b[1] != 'M') return false;
    Cabecera c;
    if (!LeerCabecera(b, c)) return false;
    const uint64_t alto = static_cast<uint64_t>(c.alto < 0 ? -c.alto : c.alto);
    if (c.ancho <= 0 || alto == 0 || c.planos != 1 || !BitsValidos(c.bits)) return false;
    if (static_cast<uint64_t>(c.ancho) * alto > kPixelesMaximos) return false;
    const bool rle = (c.compresion == kRle8 && c.bits == 8) || (c.compresion == kRle4 && c.bits == 4);
    if (c.compresion != kRgb && c.compresion != kCampos && !rle) return false;
    if (rle && c.tamanoImagen == 0) return false;
    const uint64_t inicioPixeles = Leer(b, 10, 4);
    return inicioPixeles >= kCabeceraArchivo + kCabeceraNucleo && inicioPixeles + DatosNecesarios(c) <= b.size();
}

}  // namespace instalar
