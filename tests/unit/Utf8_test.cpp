#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "common/Utf8.h"

namespace instalar {
namespace {

struct CasoUtf8 {
    const char* nombre;
    std::string bytes;
    bool completo;   // well-formed to the end
    bool multibyte;  // a sequence of two or more bytes came before any fault
    std::u16string texto;
};

void PrintTo(const CasoUtf8& caso, std::ostream* os) { *os << caso.nombre; }

class Utf8Test : public ::testing::TestWithParam<CasoUtf8> {};

// Whole and a byte at a time, as a file arrives in pieces of any size.
TEST_P(Utf8Test, ValidaEnTrozosYDecodificaComoElEstandar) {
    const CasoUtf8& caso = GetParam();
    ValidadorUtf8 entero;
    entero.Anadir(caso.bytes);
    ValidadorUtf8 aTrozos;
    for (const char c : caso.bytes) aTrozos.Anadir(std::string(1, c));

    for (const ValidadorUtf8* v : {&entero, &aTrozos}) {
        EXPECT_EQ(v->Completo(), caso.completo);
        EXPECT_EQ(v->VioMultibyte(), caso.multibyte);
    }
    EXPECT_EQ(DecodificarUtf8(caso.bytes), caso.texto);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Test,
    ::testing::Values(
        CasoUtf8{"Ascii", "Hola", true, false, u"Hola"},
        CasoUtf8{"Vacio", "", true, false, u""},
        CasoUtf8{"DosBytes", "Men\xC3\xBA", true, true, u"Menú"},
        CasoUtf8{"TresBytes", "\xE2\x82\xAC 5", true, true, u"€ 5"},
        CasoUtf8{"CuatroBytes", "\xF0\x9F\x98\x80", true, true, u"\U0001F600"},
        CasoUtf8{"Windows1252", "Men\xFA y m\xF3" "dulo", false, false, u"Men\uFFFD y m\uFFFDdulo"},
        CasoUtf8{"SinContinuacion", "\xC3 solo", false, false, u"\uFFFD solo"},
        CasoUtf8{"CortadoAlFinal", "ab\xE2\x82", false, false, u"ab\uFFFD"},
        CasoUtf8{"FormaLarga", "\xC0\xAF", false, false, u"\uFFFD\uFFFD"},
        CasoUtf8{"Sustituto", "\xED\xA0\x80", false, false, u"\uFFFD\uFFFD\uFFFD"},
        CasoUtf8{"MasAllaDe10FFFF", "\xF4\x90\x80\x80", false, false, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        CasoUtf8{"BuenoYLuegoRoto", "\xC3\xB3k\xF3k", false, true, u"ók\uFFFDk"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar
