#include <gtest/gtest.h>

#include <string>

#include "comprobar/Windows1252.h"

namespace instalar::comprobar {
namespace {

TEST(Windows1252Test, DecodificaLosBytesComoWindows) {
    EXPECT_EQ(DesdeWindows1252("Aa\x7F"), u"Aa\x7F");
    EXPECT_EQ(DesdeWindows1252("\x80\x8A\x8C\x99\x9F"), u"€ŠŒ™Ÿ");
    EXPECT_EQ(DesdeWindows1252("\xA0\xBF\xD1\xF3\xFF"), u"\u00A0¿Ñóÿ");
    // The undefined bytes become the control characters of their number.
    EXPECT_EQ(DesdeWindows1252("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
}

TEST(Windows1252Test, CadaCaracterVuelveASuByte) {
    for (unsigned valor = 0; valor < 256; ++valor) {
        const std::string byte(1, static_cast<char>(valor));
        const std::u16string caracter = DesdeWindows1252(byte);
        ASSERT_EQ(caracter.size(), 1u);
        EXPECT_EQ(ByteWindows1252(caracter[0]), std::optional<unsigned char>(valor)) << valor;
        EXPECT_EQ(EsByteSinDefinir(caracter[0]),
                  valor == 0x81 || valor == 0x8D || valor == 0x8F || valor == 0x90 || valor == 0x9D)
            << valor;
    }
    EXPECT_EQ(ByteWindows1252(u'\u0100'), std::nullopt);
    EXPECT_EQ(ByteWindows1252(u'\u0080'), std::nullopt);  // 0x80 is the euro sign
}

TEST(Windows1252Test, PasaAMinusculasLasLetrasDeLaPaginaDeCodigos) {
    EXPECT_EQ(SinMayusculas(u"ABCxyz ÁÉÍÓÚÜÑÇ ŠŽŒŸ"), u"abcxyz áéíóúüñç šžœÿ");
    // Not letters, or no single lower case: unchanged.
    EXPECT_EQ(SinMayusculas(u"×÷ß€1;"), u"×÷ß€1;");
}

}  // namespace
}  // namespace instalar::comprobar
