#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "MenuDePrueba.h"
#include "window/Foco.h"

namespace instalar::prueba {
namespace {

using P = ParadaFoco;

struct CasoParada {
    const char* nombre;
    std::optional<ParadaFoco> actual;
    bool atras;
    bool instalarHabilitado;
    bool hayOpciones;
    ParadaFoco siguiente;
};

void PrintTo(const CasoParada& caso, std::ostream* os) { *os << caso.nombre; }

class ParadasTest : public ::testing::TestWithParam<CasoParada> {};

TEST_P(ParadasTest, TabRecorreLasTresParadasSaltandoLasQueNoEstan) {
    const CasoParada& c = GetParam();
    EXPECT_EQ(SiguienteParada(c.actual, c.atras, c.instalarHabilitado, c.hayOpciones), c.siguiente);
}

INSTANTIATE_TEST_SUITE_P(
    Orden, ParadasTest,
    ::testing::Values(CasoParada{"DeInstalarACerrar", P::Instalar, false, true, true, P::Cerrar},
                      CasoParada{"DeCerrarALaLista", P::Cerrar, false, true, true, P::Lista},
                      CasoParada{"DeLaListaAInstalar", P::Lista, false, true, true, P::Instalar},
                      CasoParada{"AtrasDeInstalarALaLista", P::Instalar, true, true, true, P::Lista},
                      CasoParada{"AtrasDeLaListaACerrar", P::Lista, true, true, true, P::Cerrar},
                      CasoParada{"AtrasDeCerrarAInstalar", P::Cerrar, true, true, true, P::Instalar},
                      CasoParada{"ListaVaciaDeCerrarAInstalar", P::Cerrar, false, true, false, P::Instalar},
                      CasoParada{"ListaVaciaAtrasDeInstalarACerrar", P::Instalar, true, true, false, P::Cerrar},
                      CasoParada{"InstalarDeshabilitadoDeLaListaACerrar", P::Lista, false, false, true, P::Cerrar},
                      CasoParada{"InstalarDeshabilitadoAtrasDeCerrarALaLista", P::Cerrar, true, false, true,
                                 P::Lista},
                      CasoParada{"SoloCerrarSeQueda", P::Cerrar, false, false, false, P::Cerrar},
                      CasoParada{"SoloCerrarAtrasSeQueda", P::Cerrar, true, false, false, P::Cerrar},
                      CasoParada{"DesdeNingunaAInstalar", std::nullopt, false, true, true, P::Instalar},
                      CasoParada{"DesdeNingunaAtrasAInstalar", std::nullopt, true, true, true, P::Instalar},
                      CasoParada{"DesdeNingunaSinInstalarACerrar", std::nullopt, false, false, true, P::Cerrar}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// ---------------------------------------------------------------------------
// The item list as a stop, in the window

class FocoEnVentanaTest : public MenuDePrueba {
protected:
    void TresOpciones() { Escribir({"T", "V", "Uno;u.exe;du", "Dos;d.exe;dd", "Tres;t.exe;dt"}); }

    // Where Tab (Shift+Tab with `atras`) takes the focus from `desde`: the
    // window keeps the key for itself.
    P Tab(P desde, bool atras = false) {
        const RespuestaTecla respuesta = ventana->AlBajarTecla(Tecla::Tabulador, atras ? kShift : 0, desde);
        EXPECT_TRUE(respuesta.consumida);
        EXPECT_EQ(respuesta.orden, Orden::Ninguna);
        return respuesta.enfocar.value_or(desde);
    }
};

TEST_F(FocoEnVentanaTest, ConOpcionesEmpiezaEnInstalarYLaListaEsLaTerceraParada) {
    TresOpciones();
    Cargar();
    EXPECT_EQ(ventana->ParadaDeInicio(), P::Instalar);
    P parada = ventana->ParadaDeInicio();
    const P esperadas[] = {P::Cerrar, P::Lista, P::Instalar};
    for (P esperada : esperadas) {
        parada = Tab(parada);
        EXPECT_EQ(parada, esperada);
    }
    EXPECT_FALSE(ventana->ListaConFoco());
}

TEST_F(FocoEnVentanaTest, SinOpcionesEmpiezaYSeQuedaEnCerrar) {
    Escribir({"T", "V"});
    Cargar();
    EXPECT_EQ(ventana->ParadaDeInicio(), P::Cerrar);
    EXPECT_EQ(Tab(P::Cerrar), P::Cerrar);
    EXPECT_EQ(Tab(P::Cerrar, true), P::Cerrar);
}

// A menu cut short by an error keeps the items read so far, unselected,
// and "Instalar" enabled: the list is still a stop.
TEST_F(FocoEnVentanaTest, OpcionesSinSeleccionSiguenSiendoParada) {
    Escribir({"T", "V", "Uno;u.exe;a", std::string(32767, 'x') + ";cmd;larga"});
    Cargar();
    ASSERT_EQ(ventana->TotalOpciones(), 1);
    ASSERT_TRUE(Negritas().empty());
    EXPECT_EQ(Tab(P::Cerrar), P::Lista);
}

struct CasoMarco {
    const char* nombre;
    double twipsPorPixel;
    float izquierdaOpcion;
};

void PrintTo(const CasoMarco& caso, std::ostream* os) { *os << caso.nombre; }

class MarcoDeFocoTest : public FocoEnVentanaTest, public ::testing::WithParamInterface<CasoMarco> {};

TEST_P(MarcoDeFocoTest, RodeaLaOpcionSeleccionadaMientrasLaListaTieneElFoco) {
    const CasoMarco& caso = GetParam();
    p.twipsPorPixel = caso.twipsPorPixel;
    TresOpciones();
    Cargar();
    EXPECT_FALSE(ventana->MarcoDeFoco().has_value()) << "the list has not the focus yet";

    ventana->ListaGanaFoco();
    const float px = static_cast<float>(caso.twipsPorPixel);
    // "Uno" in bold: 3 characters of 132 twips; 270 high, at the first place.
    auto marco = ventana->MarcoDeFoco();
    ASSERT_TRUE(marco.has_value());
    EXPECT_FLOAT_EQ(marco->izquierda, caso.izquierdaOpcion - 2 * px);
    EXPECT_FLOAT_EQ(marco->arriba, 2572.5f - px);
    EXPECT_FLOAT_EQ(marco->ancho, 3 * 132 + 4 * px);
    EXPECT_FLOAT_EQ(marco->alto, 270 + 2 * px);

    ventana->AlBajarTecla(Tecla::Abajo, 0);
    marco = ventana->MarcoDeFoco();
    ASSERT_TRUE(marco.has_value());
    EXPECT_FLOAT_EQ(marco->arriba, 3215 - px) << "the frame did not follow the selection";
    EXPECT_FLOAT_EQ(marco->izquierda, caso.izquierdaOpcion - 2 * px);

    ventana->ListaPierdeFoco();
    EXPECT_FALSE(ventana->MarcoDeFoco().has_value());
}

INSTANTIATE_TEST_SUITE_P(Resoluciones, MarcoDeFocoTest,
                         ::testing::Values(CasoMarco{"A96ppp", 15, 750}, CasoMarco{"A144ppp", 10, 500}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(FocoEnVentanaTest, SinSeleccionNoHayMarco) {
    TresOpciones();
    p.erroresPorApertura[2] = ErrorDe(CodigoError::PermisoDenegado, 5);  // the first description
    Cargar();
    ASSERT_TRUE(Negritas().empty());
    ventana->ListaGanaFoco();
    EXPECT_TRUE(ventana->ListaConFoco());
    EXPECT_FALSE(ventana->MarcoDeFoco().has_value());
}

}  // namespace
}  // namespace instalar::prueba
