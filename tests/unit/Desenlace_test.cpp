#include <gtest/gtest.h>

#include <cstdint>

#include "common/Texto.h"
#include "launch/Desenlace.h"

namespace instalar {
namespace {

TEST(DesenlaceTest, ElCodigoDeSalidaEnPalabras) {
    const struct {
        uint32_t codigo;
        const char* texto;
    } casos[] = {
        {0, "Instalado"},
        {3010, "Instalado; hay que reiniciar el equipo"},
        {1641, "Instalado; el equipo se va a reiniciar"},
        {1602, "Cancelado"},
        {1223, "Cancelado"},
        {1, "Terminó con el código 1"},
        {7, "Terminó con el código 7"},
        {10, "Terminó con el código 10"},
        {1603, "Terminó con el código 1603"},
        {3011, "Terminó con el código 3011"},
        {0x7FFFFFFF, "Terminó con el código 2147483647"},
        // From 0x80000000 on, the hexadecimal form first, all eight digits,
        // then the signed number the program meant.
        {0x80000000, "Terminó con el código 0x80000000 (-2147483648)"},
        {0xC0000005, "Terminó con el código 0xC0000005 (-1073741819)"},
        {0x8007000E, "Terminó con el código 0x8007000E (-2147024882)"},
        {0xFFFFFFFE, "Terminó con el código 0xFFFFFFFE (-2)"},
        {0xFFFFFFFF, "Terminó con el código 0xFFFFFFFF (-1)"},
    };
    for (const auto& caso : casos) EXPECT_EQ(AUtf8(TextoDesenlace(caso.codigo)), caso.texto) << caso.codigo;
}

// The words and the kind come from one table: each code's kind is the
// one its words tell.
TEST(DesenlaceTest, LaClaseEsLaQueDicenLasPalabras) {
    const struct {
        uint32_t codigo;
        ClaseDesenlace clase;
    } casos[] = {
        {0, ClaseDesenlace::Instalado},    {3010, ClaseDesenlace::Instalado},  {1641, ClaseDesenlace::Instalado},
        {1602, ClaseDesenlace::Cancelado}, {1223, ClaseDesenlace::Cancelado},  {1, ClaseDesenlace::Fallido},
        {1603, ClaseDesenlace::Fallido},   {3011, ClaseDesenlace::Fallido},    {1642, ClaseDesenlace::Fallido},
        {1222, ClaseDesenlace::Fallido},   {0xC0000005, ClaseDesenlace::Fallido},
    };
    for (const auto& caso : casos) {
        const Desenlace desenlace = DesenlaceDe(caso.codigo);
        EXPECT_EQ(desenlace.clase, caso.clase) << caso.codigo;
        EXPECT_EQ(desenlace.texto, TextoDesenlace(caso.codigo)) << caso.codigo;
        const bool instalado = desenlace.texto.rfind(u"Instalado", 0) == 0;
        const bool cancelado = desenlace.texto == u"Cancelado";
        EXPECT_EQ(desenlace.clase == ClaseDesenlace::Instalado, instalado) << caso.codigo;
        EXPECT_EQ(desenlace.clase == ClaseDesenlace::Cancelado, cancelado) << caso.codigo;
    }
}

TEST(DesenlaceTest, LasIndicacionesNombranLaOpcion) {
    EXPECT_EQ(TextoInstalando(u"Nóminas"), u"Instalando \u00abNóminas\u00bb\u2026");
    EXPECT_EQ(TextoTerminado(u"Nóminas", 0), u"\u00abNóminas\u00bb: Instalado");
    EXPECT_EQ(TextoTerminado(u"Conta", 3010), u"\u00abConta\u00bb: Instalado; hay que reiniciar el equipo");
    EXPECT_EQ(TextoTerminado(u"Conta", 7), u"\u00abConta\u00bb: Terminó con el código 7");
    EXPECT_EQ(TextoTerminado(u"", 1602), u"\u00ab\u00bb: Cancelado");
}

TEST(DesenlaceTest, LosLectoresOyenElNombreConElEstado) {
    EXPECT_EQ(NombreInstalando(u"Nóminas"), u"Nóminas: instalando");
    EXPECT_EQ(NombreTerminado(u"Nóminas", 0), u"Nóminas: Instalado");
    EXPECT_EQ(NombreTerminado(u"Conta", 1223), u"Conta: Cancelado");
    EXPECT_EQ(NombreTerminado(u"Conta", 7), u"Conta: Terminó con el código 7");
}

}  // namespace
}  // namespace instalar
