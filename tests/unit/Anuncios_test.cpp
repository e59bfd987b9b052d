#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MenuDePrueba.h"
#include "window/Anuncios.h"

namespace instalar::prueba {

void PrintTo(const Anuncio& anuncio, std::ostream* os) {
    const char* tipos[] = {"Seleccion", "Foco", "CambioDeNombre"};
    *os << tipos[static_cast<int>(anuncio.tipo)] << "(" << anuncio.elemento << ")";
}

namespace {

using Anuncios = std::vector<Anuncio>;
using T = Anuncio::Tipo;

// Three items: ids 1 to 3, the description 4.
class AnunciosTest : public MenuDePrueba {
protected:
    void SetUp() override {
        Escribir({"T", "V", "A;a.exe;da", "B;b.exe", "C;c.exe;dc"});
        Cargar();
    }
    ArbolAccesible Arbol() const { return ArbolAccesible(*ventana, std::nullopt); }
    EstadoAnunciado Estado() const { return EstadoAnunciadoDe(*ventana, Arbol()); }
};

struct CasoAnuncios {
    const char* nombre;
    EstadoAnunciado antes;
    EstadoAnunciado ahora;
    Anuncios esperados;
};

void PrintTo(const CasoAnuncios& caso, std::ostream* os) { *os << caso.nombre; }

class TablaAnunciosTest : public AnunciosTest, public ::testing::WithParamInterface<CasoAnuncios> {};

TEST_P(TablaAnunciosTest, AnunciaLasDiferencias) {
    const CasoAnuncios& caso = GetParam();
    EXPECT_EQ(AnunciosEntre(caso.antes, caso.ahora, Arbol()), caso.esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Cambios, TablaAnunciosTest,
    ::testing::Values(
        CasoAnuncios{"PrimeraSeleccionAlCargar", {std::nullopt, false, u""}, {1L, false, u"da"},
                     {{T::Seleccion, 1}, {T::CambioDeNombre, 4}}},
        CasoAnuncios{"SeleccionConUnBotonEnfocado", {1L, false, u"da"}, {3L, false, u"dc"},
                     {{T::Seleccion, 3}, {T::CambioDeNombre, 4}}},
        CasoAnuncios{"SeleccionConLaListaEnfocada", {1L, true, u"da"}, {3L, true, u"dc"},
                     {{T::Seleccion, 3}, {T::Foco, 3}, {T::CambioDeNombre, 4}}},
        CasoAnuncios{"SinDescripcionQuedaLaAnterior", {1L, true, u"da"}, {2L, true, u"da"},
                     {{T::Seleccion, 2}, {T::Foco, 2}}},
        CasoAnuncios{"LaListaGanaElFoco", {2L, false, u"da"}, {2L, true, u"da"}, {{T::Foco, 2}}},
        CasoAnuncios{"LaListaPierdeElFoco", {2L, true, u"da"}, {2L, false, u"da"}, {}},
        CasoAnuncios{"LaMismaConOtraDescripcion", {1L, false, u"da"}, {1L, false, u"nueva"},
                     {{T::CambioDeNombre, 4}}},
        CasoAnuncios{"NadaCambia", {1L, true, u"da"}, {1L, true, u"da"}, {}},
        CasoAnuncios{"FocoSinSeleccionEsLaVentana", {std::nullopt, false, u"error"},
                     {std::nullopt, true, u"error"}, {{T::Foco, 0}}}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(AnunciosTest, ElEstadoSigueALaVentana) {
    EstadoAnunciado estado = Estado();
    EXPECT_EQ(estado.seleccionada, 1L);
    EXPECT_FALSE(estado.listaConFoco);
    EXPECT_EQ(estado.descripcion, u"da");

    ventana->ListaGanaFoco();
    ventana->AlBajarTecla(Tecla::Fin, 0);
    estado = Estado();
    EXPECT_EQ(estado.seleccionada, 3L);
    EXPECT_TRUE(estado.listaConFoco);
    EXPECT_EQ(estado.descripcion, u"dc");
}

TEST_F(AnunciosTest, CtrlAbajoAnunciaLaSeleccionYLaDescripcionNueva) {
    const EstadoAnunciado antes = Estado();
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);  // to B, which has no description: "da" stays
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    EXPECT_EQ(AnunciosEntre(antes, Estado(), Arbol()), (Anuncios{{T::Seleccion, 3}, {T::CambioDeNombre, 4}}));
}

}  // namespace
}  // namespace instalar::prueba
