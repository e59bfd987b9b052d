#include <gtest/gtest.h>

#include <string>

#include "comprobar/ComprobarTexto.h"
#include "comprobar/TextoVisible.h"
#include "comprobar/Windows1252.h"

namespace instalar::comprobar {
namespace {

struct CasoAmpersand {
    std::u16string texto;
    bool avisa;
};

class TieneAmpersandTest : public ::testing::TestWithParam<CasoAmpersand> {};

TEST_P(TieneAmpersandTest, SoloElQueMarcaUnaTecla) {
    EXPECT_EQ(TieneAmpersand(GetParam().texto), GetParam().avisa) << Visible(GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(Textos, TieneAmpersandTest,
                         ::testing::Values(CasoAmpersand{u"Sin nada", false}, CasoAmpersand{u"A && B", false},
                                           CasoAmpersand{u"&&&&", false}, CasoAmpersand{u"&Instalar", true},
                                           CasoAmpersand{u"A & B", true}, CasoAmpersand{u"&&&x", true},
                                           CasoAmpersand{u"final&", true}));

// Lines as instalar.exe reads them: bytes decoded as Windows-1252.
std::u16string Linea(const std::string& bytes) { return DesdeWindows1252(bytes); }

// Only a line whose bytes are not UTF-8 is where a file that looks like
// UTF-8 breaks.
TEST(Utf8RotoTest, SoloLasLineasQueNoSonUtf8) {
    EXPECT_FALSE(Utf8Roto(Linea("Men\xC3\xBA")));              // ú
    EXPECT_FALSE(Utf8Roto(Linea("Solo ASCII")));
    EXPECT_TRUE(Utf8Roto(Linea("Men\xFA y m\xF3" "dulo")));    // Windows-1252 text
    EXPECT_TRUE(Utf8Roto(Linea("\xC3 solo")));                  // lead byte without its continuation
    EXPECT_TRUE(Utf8Roto(Linea("\xC3")));                       // cut at the end of the line
}

TEST(SaltoSinRetornoTest, TodoElArchivoSoloEnLaPrimeraLineaYAlFinal) {
    EXPECT_FALSE(SaltoSinRetorno(u"sin salto", 1, true));
    EXPECT_NE(SaltoSinRetorno(u"T\nV", 1, true)->find("entero como una sola línea"), std::string::npos);
    EXPECT_NE(SaltoSinRetorno(u"T\nV", 1, false)->find("hasta el siguiente CR"), std::string::npos);
    EXPECT_NE(SaltoSinRetorno(u"a;b\n", 5, true)->find("hasta el siguiente CR"), std::string::npos);
}

TEST(TextoVisibleTest, MuestraLosCaracteresDeControl) {
    EXPECT_EQ(Visible(u"a\tb\nc\u0081d\u007F"), "a<TAB>b<LF>c<81>d<7F>");
    EXPECT_EQ(Citado(u"Menú"), "«Menú»");
}

}  // namespace
}  // namespace instalar::comprobar
