#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "common/Sobrecarga.h"
#include "common/Texto.h"
#include "window/Resolucion.h"
#include "window/frmMenu.h"

namespace instalar::prueba {
namespace {

const std::u16string kRuta = u"C:\\medio\\instalar.inf";

// Everything the window shows, as text: two windows that look alike give
// the same text.
std::string Descripcion(const frmMenu& ventana) {
    std::ostringstream texto;
    auto caja = [&](const Rectangulo& r) {
        texto << r.izquierda << ',' << r.arriba << ',' << r.ancho << ',' << r.alto << ' ';
    };
    auto etiqueta = [&](const Etiqueta& e) {
        texto << "etiqueta " << AUtf8(e.texto) << (e.fuente.negrita ? " negrita " : " ") << e.visible << ' ';
        caja(e.caja);
        texto << '\n';
    };
    const Controles& c = ventana.Vista();
    DeAbajoArriba(c, Sobrecarga{etiqueta, [&](const OpcionDeLista& o) { etiqueta(o.etiqueta); },
                                [&](const Imagen& i) {
                                    texto << "imagen " << i.visible << ' ';
                                    caja(i.caja);
                                    texto << '\n';
                                },
                                [&](const Barra& b) {
                                    texto << "barra ";
                                    caja(b.caja);
                                    texto << '\n';
                                },
                                [&](const Linea& l) { texto << "linea " << l.y1 << ',' << l.y2 << '\n'; }});
    return texto.str();
}

struct CasoEscala {
    const char* nombre;
    double desde;  // twips per pixel: 15 is 96 dpi, 10 is 144, 12 is 120, 7.5 is 192
    double hasta;
    std::vector<std::string> menu;
    int elegida;  // -1: none clicked after loading
};

void PrintTo(const CasoEscala& caso, std::ostream* os) { *os << caso.nombre; }

class CambioDeEscalaTest : public ::testing::TestWithParam<CasoEscala> {
protected:
    // A window loaded at `twipsPorPixel` on `p`, with the item clicked.
    std::unique_ptr<frmMenu> Abrir(PlataformaFalsa& p, double twipsPorPixel) {
        p.twipsPorPixel = twipsPorPixel;
        p.medirEnPixelesEnteros = true;
        p.archivos[kRuta] = LineasCrLf(GetParam().menu);
        auto ventana = std::make_unique<frmMenu>(p.Sistema());
        ventana->Cargar();
        ventana->AjustarATamano(kAnchoVentana, kAltoVentana);
        if (GetParam().elegida >= 0) ventana->ClicEnOpcion(static_cast<int16_t>(GetParam().elegida));
        return ventana;
    }
};

// A window that moved to another screen looks exactly like one that
// started there with the same item selected.
TEST_P(CambioDeEscalaTest, QuedaComoSiHubieraEmpezadoAsi) {
    const CasoEscala& caso = GetParam();
    PlataformaFalsa antes, despues;
    auto movida = Abrir(antes, caso.desde);
    auto nueva = Abrir(despues, caso.hasta);
    ASSERT_NE(Descripcion(*movida), Descripcion(*nueva)) << "the case shows no difference between the two screens";
    const int aperturas = antes.aperturas;

    antes.twipsPorPixel = caso.hasta;
    movida->CambiarEscala();
    movida->AjustarATamano(kAnchoVentana, kAltoVentana);

    EXPECT_EQ(Descripcion(*movida), Descripcion(*nueva));
    EXPECT_EQ(antes.aperturas, aperturas) << "the menu file is not read again";
    EXPECT_TRUE(antes.mensajes.empty());
}

const std::vector<std::string> kCuatro = {"Titulo largo del producto", "2.0", "Alfa;a.exe;Instala alfa",
                                          "Beta;b.exe;Instala beta, con una descripcion bastante larga para ocupar "
                                          "varias lineas en la columna de la derecha",
                                          "Gamma;g.exe", "Delta;d.exe;Instala delta"};

INSTANTIATE_TEST_SUITE_P(
    Pantallas, CambioDeEscalaTest,
    ::testing::Values(CasoEscala{"De96A144", 15, 10, kCuatro, 1}, CasoEscala{"De144A96", 10, 15, kCuatro, 1},
                      CasoEscala{"De96A192", 15, 7.5, kCuatro, 1}, CasoEscala{"De96A120", 15, 12, kCuatro, 1},
                      // An item without a description keeps showing the one before.
                      CasoEscala{"SinDescripcionPropia", 15, 10, kCuatro, 2},
                      CasoEscala{"PrimeraAlCargar", 10, 15, kCuatro, -1},
                      // Nothing to spread: the message where the description goes.
                      CasoEscala{"SinOpciones", 15, 10, {"T", "V"}, -1},
                      // Reading stopped: the items stay where the first was designed.
                      CasoEscala{"LecturaInterrumpida", 15, 10, {"T", "V", "A;a.exe;x", std::string(32767, 'z') + ";b"}, -1}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// What a screen can report is laid out as it is; beyond it, at the bound.
TEST(DpiAdmitido, SoloLosExtremosSeAcotan) {
    const struct {
        int dpi;
        int admitido;
    } casos[] = {{1, 48}, {47, 48}, {48, 48}, {96, 96}, {144, 144}, {480, 480}, {960, 960}, {961, 960}, {65535, 960}};
    for (const auto& caso : casos) EXPECT_EQ(DpiAdmitido(caso.dpi), caso.admitido) << caso.dpi;
}

}  // namespace
}  // namespace instalar::prueba
