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
    EXPECT_EQ(colores.TextoDe(V().titulo), ColorPintura(ColorDe(diseno::kTextoTitulo)));
    EXPECT_EQ(colores.TextoDe(V().version), ColorPintura(ColorDe(diseno::kTextoVersion)));
    for (const Etiqueta* e : {&V().descripcion, &V().indicacion, &V().opciones[0], &V().opciones[1]})
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
    for (const Etiqueta* e : {&V().titulo, &V().version, &V().descripcion, &V().indicacion, &V().opciones[0],
                              &V().opciones[1]})
        EXPECT_EQ(colores.TextoDe(*e), ColorPintura(S::TextoVentana));
}

TEST_F(ColoresTest, SinAltoContrasteSiguenAlModelo) {
    Controles otros = V();
    otros.divisoria.color = Color{1, 2, 3};
    otros.barra.fondo = Color{4, 5, 6};
    otros.descripcion.color = Color{7, 8, 9};
    const Colores colores = ColoresDePintura(otros, false);
    EXPECT_EQ(colores.divisoria, ColorPintura(Color{1, 2, 3}));
    EXPECT_EQ(colores.barra, ColorPintura(Color{4, 5, 6}));
    EXPECT_EQ(colores.TextoDe(otros.descripcion), ColorPintura(Color{7, 8, 9}));
    EXPECT_EQ(ColoresDePintura(otros, true).TextoDe(otros.descripcion), ColorPintura(S::TextoVentana));
}

}  // namespace
}  // namespace instalar::prueba
