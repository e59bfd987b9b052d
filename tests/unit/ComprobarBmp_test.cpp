#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "window/ComprobarBmp.h"

namespace instalar {
namespace {

void Poner(std::string& b, size_t posicion, uint32_t valor, int bytes) {
    for (int i = 0; i < bytes; ++i) b[posicion + i] = static_cast<char>((valor >> (8 * i)) & 0xFF);
}

// A BMP with a 40-byte header and uncompressed pixels: rows padded to four
// bytes, so 3 pixels of 24 bits take 12 bytes a row.
std::string Bmp(int32_t ancho, int32_t alto, uint16_t bits, uint32_t compresion = 0, uint32_t tamanoImagen = 0) {
    const uint32_t fila = ((static_cast<uint32_t>(ancho > 0 ? ancho : 0) * bits + 31) / 32) * 4;
    const uint32_t datos = compresion == 0 ? fila * static_cast<uint32_t>(alto < 0 ? -alto : alto) : tamanoImagen;
    std::string b(54 + datos, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Poner(b, 2, static_cast<uint32_t>(b.size()), 4);
    Poner(b, 10, 54, 4);
    Poner(b, 14, 40, 4);
    Poner(b, 18, static_cast<uint32_t>(ancho), 4);
    Poner(b, 22, static_cast<uint32_t>(alto), 4);
    Poner(b, 26, 1, 2);
    Poner(b, 28, bits, 2);
    Poner(b, 30, compresion, 4);
    Poner(b, 34, tamanoImagen, 4);
    return b;
}

std::string Cortado(std::string b, size_t quitar) { return b.substr(0, b.size() - quitar); }

std::string ConOffset(std::string b, uint32_t inicio) {
    Poner(b, 10, inicio, 4);
    return b;
}

std::string NucleoOs2() {
    // 12-byte header: 16-bit width and height; 2x2 at 24 bits = 2 rows of 8.
    std::string b(14 + 12 + 16, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Poner(b, 10, 26, 4);
    Poner(b, 14, 12, 4);
    Poner(b, 18, 2, 2);
    Poner(b, 20, 2, 2);
    Poner(b, 22, 1, 2);
    Poner(b, 24, 24, 2);
    return b;
}

struct CasoBmp {
    const char* nombre;
    std::string bytes;
    bool completo;
};

void PrintTo(const CasoBmp& caso, std::ostream* os) { *os << caso.nombre; }

class ComprobarBmpTest : public ::testing::TestWithParam<CasoBmp> {};

TEST_P(ComprobarBmpTest, SoloAceptaImagenesEnteras) {
    EXPECT_EQ(EsBmpCompleto(GetParam().bytes), GetParam().completo);
}

INSTANTIATE_TEST_SUITE_P(
    Archivos, ComprobarBmpTest,
    ::testing::Values(CasoBmp{"Color24", Bmp(3, 2, 24), true},
                      CasoBmp{"DeArribaAbajo", Bmp(3, -2, 24), true},
                      CasoBmp{"Mono1Bit", Bmp(17, 3, 1), true},
                      CasoBmp{"Color32", Bmp(451, 366, 32), true},
                      CasoBmp{"CabeceraOs2", NucleoOs2(), true},
                      CasoBmp{"Rle8", Bmp(4, 4, 8, 1, 10), true},
                      CasoBmp{"Vacio", "", false},
                      CasoBmp{"SoloTreintaBytes", Bmp(40, 30, 24).substr(0, 30), false},
                      CasoBmp{"FaltaUnByteDePixeles", Cortado(Bmp(3, 2, 24), 1), false},
                      CasoBmp{"SinFirma", "XY" + Bmp(3, 2, 24).substr(2), false},
                      CasoBmp{"PixelesFueraDelArchivo", ConOffset(Bmp(3, 2, 24), 4000), false},
                      CasoBmp{"AnchoCero", Bmp(0, 2, 24), false},
                      CasoBmp{"AltoCero", Bmp(3, 0, 24), false},
                      CasoBmp{"BitsImposibles", Bmp(3, 2, 7), false},
                      CasoBmp{"RleSinDatos", Bmp(4, 4, 8, 1, 0), false},
                      CasoBmp{"CompresionDesconocida", Bmp(4, 4, 24, 4, 10), false},
                      CasoBmp{"DimensionesEnormes", Cortado(Bmp(1, 1, 24), 0).replace(18, 8, std::string("\xff\xff\x00\x00\xff\xff\x00\x00", 8)), false}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar
