#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>

#include "MenuDePrueba.h"
#include "window/Colores.h"

namespace instalar::prueba {
namespace {

using S = ColorSistema;

class ColoresTest : public MenuDePrueba {
protected:
    void SetUp() override {
        Escribir({"Oficina", "2.0", "Uno;u.exe;du", "Dos;d.exe;dd"});
        Cargar();
    }
};

TEST_F(ColoresTest, SinAltoContrasteLosDelDiseno) {
    const Colores colores = ColoresDePintura(V(), false);
    EXPECT_EQ(colores.fondo, ColorPintura(S::Ventana));
    EXPECT_EQ(colores.bordeClaro, ColorPintura(ColorDe(diseno::kBordeClaro)));
    EXPECT_EQ(colores.bordeOscuro, ColorPintura(ColorDe(diseno::kBordeOscuro)));
    EXPECT_EQ(colores.divisoria, ColorPintura(ColorDe(diseno::kDivisoria)));
    EXPECT_EQ(colores.barra, ColorPintura(ColorDe(diseno::kBarra)));
    EXPECT_TRUE(colores.logo);
    EXPECT_EQ(colores.TextoDe(V().etqTipo), ColorPintura(ColorDe(diseno::kTextoTitulo)));
    EXPECT_EQ(colores.TextoDe(V().etqVer), ColorPintura(ColorDe(diseno::kTextoVersion)));
    for (const Etiqueta* e : {&V().etqInfo, &V().Label1, &V().etqInstalar[0], &V().etqInstalar[1]})
        EXPECT_EQ(colores.TextoDe(*e), ColorPintura(S::TextoVentana));
}

// Whatever the design says, a high-contrast theme gets the user's colours
// and nothing else: no fixed colour, no picture.
TEST_F(ColoresTest, ConAltoContrasteSoloLosDelSistema) {
    const Colores colores = ColoresDePintura(V(), true);
    EXPECT_EQ(colores.fondo, ColorPintura(S::Ventana));
    EXPECT_EQ(colores.bordeClaro, ColorPintura(S::MarcoVentana));
    EXPECT_EQ(colores.bordeOscuro, ColorPintura(S::MarcoVentana));
    EXPECT_EQ(colores.divisoria, ColorPintura(S::TextoGris));
    EXPECT_EQ(colores.barra, ColorPintura(S::CaraBoton));
    EXPECT_FALSE(colores.logo);
    for (const Etiqueta* e : {&V().etqTipo, &V().etqVer, &V().etqInfo, &V().Label1, &V().etqInstalar[0],
                              &V().etqInstalar[1]})
        EXPECT_EQ(colores.TextoDe(*e), ColorPintura(S::TextoVentana));
}

TEST_F(ColoresTest, SinAltoContrasteSiguenAlModelo) {
    Controles otros = V();
    otros.Line1.color = Color{1, 2, 3};
    otros.shpBar.fondo = Color{4, 5, 6};
    otros.etqInfo.color = Color{7, 8, 9};
    const Colores colores = ColoresDePintura(otros, false);
    EXPECT_EQ(colores.divisoria, ColorPintura(Color{1, 2, 3}));
    EXPECT_EQ(colores.barra, ColorPintura(Color{4, 5, 6}));
    EXPECT_EQ(colores.TextoDe(otros.etqInfo), ColorPintura(Color{7, 8, 9}));
    EXPECT_EQ(ColoresDePintura(otros, true).TextoDe(otros.etqInfo), ColorPintura(S::TextoVentana));
}

}  // namespace
}  // namespace instalar::prueba
