// A menu that comes back after each setup (";@volver"): it waits for the
// setup without taking input but closing, then tells how it ended.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MenuDePrueba.h"
#include "window/Anuncios.h"
#include "window/ArbolAccesible.h"
#include "window/Disposicion.h"

namespace instalar::prueba {
namespace {

using T = Anuncio::Tipo;
using Anuncios = std::vector<Anuncio>;

class InstalacionTest : public MenuDePrueba {
protected:
    // Two programs and a document; `volver` adds the directive.
    void Menu(bool volver) {
        p.archivos[u"C:\\medio\\a.exe"] = "MZ";
        p.archivos[u"C:\\medio\\b.exe"] = "MZ";
        p.archivos[u"C:\\medio\\manual.txt"] = "texto";
        std::vector<std::string> lineas{"T", "V", "&Uno;a.exe;da", "Dos;\"b.exe\" /S;db", "Manual;manual.txt;dm"};
        if (volver) lineas.insert(lineas.begin() + 2, ";@volver");
        Escribir(lineas);
        Cargar();
    }

    // Starts the selected item's setup and checks the menu now waits for it.
    void EmpezarYEsperar() {
        ventana->Instalar();
        ASSERT_FALSE(ventana->Descargada());
        ASSERT_TRUE(ventana->EsperandoInstalacion());
        ASSERT_FALSE(p.seguidos.empty());
    }

    void Terminar(uint32_t codigo) {
        p.seguidos.back()->codigoSalida = codigo;
        p.seguidos.back()->terminado = true;
        ASSERT_TRUE(ventana->MirarInstalacion());
    }

    std::u16string NombreAccesible(int16_t opcion) const {
        const ArbolAccesible arbol(*ventana, std::nullopt);
        return arbol.Elemento(arbol.IdDeOpcion(opcion))->nombre;
    }
    unsigned EstadosAccesibles(int16_t opcion) const {
        const ArbolAccesible arbol(*ventana, std::nullopt);
        return arbol.Elemento(arbol.IdDeOpcion(opcion))->estados;
    }
};

TEST_F(InstalacionTest, SinLaDirectivaSeCierraTrasArrancarYNoSigueNada) {
    Menu(false);
    ventana->Instalar();
    EXPECT_TRUE(ventana->Descargada());
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_FALSE(p.procesos[0].seguir);
    EXPECT_TRUE(p.seguidos.empty());
    EXPECT_FALSE(ventana->EsperandoInstalacion());
}

TEST_F(InstalacionTest, MientrasEsperaLoDiceYSoloAceptaCerrar) {
    Menu(true);
    EmpezarYEsperar();
    EXPECT_EQ(V().indicacion.texto, u"Instalando «Uno»…");
    EXPECT_FALSE(V().instalar.habilitado);
    EXPECT_FALSE(ventana->MirarInstalacion()) << "the setup still runs";

    // Enter, "Instalar", the arrows, a click, an access key: nothing starts
    // a second setup or moves the selection off the one that runs.
    ventana->ListaGanaFoco();
    ventana->AlEscribir(kCaracterIntro);
    ventana->Instalar();
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    ventana->AlBajarTecla(Tecla::Fin, 0);
    ventana->ClicEnOpcion(1);
    EXPECT_FALSE(ventana->AlEscribirConAlt(u'u'));
    EXPECT_EQ(p.procesos.size(), 1u);
    EXPECT_EQ(ventana->Seleccionada(), std::optional<int16_t>(0));
    EXPECT_EQ(Negritas(), Indices{0});
    EXPECT_TRUE(ventana->EsperandoInstalacion());

    // Esc closes the menu and lets go of the setup, which goes on.
    const RespuestaTecla esc = ventana->AlEscribir(kCaracterEscape);
    EXPECT_EQ(esc.orden, Orden::Cerrar);
    EXPECT_TRUE(ventana->Descargada());
    ventana->Descargar();
    EXPECT_FALSE(ventana->EsperandoInstalacion());
    EXPECT_EQ(p.seguidos[0].use_count(), 1) << "the window still holds the setup";
}

struct CasoDesenlace {
    const char* nombre;
    uint32_t codigo;
    std::u16string indicacion;
    MarcaOpcion marca;
};

void PrintTo(const CasoDesenlace& caso, std::ostream* os) { *os << caso.nombre; }

class DesenlaceEnVentanaTest : public InstalacionTest, public ::testing::WithParamInterface<CasoDesenlace> {};

TEST_P(DesenlaceEnVentanaTest, LaIndicacionLaMarcaYElLectorDicenComoTermino) {
    const CasoDesenlace& caso = GetParam();
    Menu(true);
    ventana->ClicEnOpcion(1);
    EmpezarYEsperar();
    EXPECT_EQ(NombreAccesible(1), u"Dos: instalando");
    EXPECT_NE(EstadosAccesibles(1) & kOcupado, 0u);

    Terminar(caso.codigo);

    EXPECT_FALSE(ventana->EsperandoInstalacion());
    EXPECT_EQ(V().indicacion.texto, caso.indicacion);
    EXPECT_EQ(MarcaDe(V().opciones[1]), caso.marca);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Ninguna);
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_FALSE(ventana->Descargada());
    const std::u16string desenlace = caso.indicacion.substr(caso.indicacion.find(u": ") + 2);
    EXPECT_EQ(NombreAccesible(1), u"Dos: " + desenlace);
    EXPECT_EQ(EstadosAccesibles(1) & kOcupado, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Codigos, DesenlaceEnVentanaTest,
    ::testing::Values(
        CasoDesenlace{"Exito", 0, u"«Dos»: Instalado", MarcaOpcion::Instalado},
        CasoDesenlace{"Reiniciar", 3010, u"«Dos»: Instalado; hay que reiniciar el equipo", MarcaOpcion::Instalado},
        CasoDesenlace{"ReinicioIniciado", 1641, u"«Dos»: Instalado; el equipo se va a reiniciar",
                      MarcaOpcion::Instalado},
        CasoDesenlace{"Cancelado", 1602, u"«Dos»: Cancelado", MarcaOpcion::Cancelado},
        CasoDesenlace{"CanceladoPorElUsuario", 1223, u"«Dos»: Cancelado", MarcaOpcion::Cancelado},
        CasoDesenlace{"Otro", 7, u"«Dos»: Terminó con el código 7", MarcaOpcion::Fallido},
        CasoDesenlace{"DelSistema", 0xC0000005u, u"«Dos»: Terminó con el código 0xC0000005 (-1073741819)",
                      MarcaOpcion::Fallido}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// A repaint of an item's mark covers every pixel its strokes reach, pen
// included, at any size of its box: from about 400 %, the pen grows past
// what a fixed margin of two pixels holds.
TEST(MarcaTest, UnRepintadoCubreElTrazoEntero) {
    for (int ancho = 0; ancho <= 200; ++ancho) {
        const int grosor = GrosorDeMarca(ancho);
        EXPECT_GE(grosor, 2) << ancho;
        EXPECT_GE(grosor, ancho / 6) << ancho;
        // A stroke's round end reaches half the pen past its end point.
        EXPECT_GE(HolguraDeMarca(ancho), (grosor + 1) / 2 + 1) << ancho;
    }
    // An item's box at 400 % (96 twips-wide pixels shrink to 3.75 twips).
    const Rectangulo opcion{600, 600, 1500, 240};
    const Rectangulo caja = CajaDeMarca(opcion, 3.75);
    const int ancho = static_cast<int>(caja.ancho / 3.75);
    EXPECT_GE(HolguraDeMarca(ancho), 3) << "a box " << ancho << " pixels wide";
}

TEST_F(InstalacionTest, ElegirOtraVezInstalaOtraVezYLaMarcaSeQueda) {
    Menu(true);
    EmpezarYEsperar();
    Terminar(7);
    EmpezarYEsperar();
    EXPECT_EQ(p.procesos.size(), 2u);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Fallido) << "the mark stays while the setup runs again";
    Terminar(0);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Instalado);
    EXPECT_EQ(V().indicacion.texto, u"«Uno»: Instalado");
}

TEST_F(InstalacionTest, LosArgumentosLleganAlProgramaQueSeEspera) {
    Menu(true);
    ventana->ClicEnOpcion(1);
    EmpezarYEsperar();
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_TRUE(p.procesos[0].seguir);
    EXPECT_EQ(p.procesos[0].lineaComandos, u"\"C:\\medio\\b.exe\" /S");
}

// A document opened through the shell is not waited for: the menu stays
// open, as it was, and takes input.
TEST_F(InstalacionTest, UnDocumentoNoSeEsperaYElMenuSigueAbierto) {
    Menu(true);
    ventana->ClicEnOpcion(2);
    ventana->Instalar();
    EXPECT_EQ(p.ejecucionesShell.size(), 1u);
    EXPECT_FALSE(ventana->Descargada());
    EXPECT_FALSE(ventana->EsperandoInstalacion());
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_EQ(V().indicacion.texto, u"Selecciona la opción que desees instalar.");
    ventana->AlBajarTecla(Tecla::Arriba, kCtrl);
    EXPECT_EQ(ventana->Seleccionada(), std::optional<int16_t>(1));
}

TEST_F(InstalacionTest, LosLectoresOyenElComienzoYElFin) {
    Menu(true);
    const ArbolAccesible arbol(*ventana, std::nullopt);
    const long uno = arbol.IdDeOpcion(0);
    const long indicacion = arbol.IdDe(Parte::Indicacion);

    EstadoAnunciado antes = EstadoAnunciadoDe(*ventana, arbol);
    EmpezarYEsperar();
    EstadoAnunciado ahora = EstadoAnunciadoDe(*ventana, arbol);
    EXPECT_EQ(AnunciosEntre(antes, ahora, arbol),
              (Anuncios{{T::CambioDeNombre, uno}, {T::CambioDeEstado, uno}, {T::CambioDeNombre, indicacion}}));

    antes = ahora;
    Terminar(3010);
    ahora = EstadoAnunciadoDe(*ventana, arbol);
    EXPECT_EQ(AnunciosEntre(antes, ahora, arbol),
              (Anuncios{{T::CambioDeNombre, uno}, {T::CambioDeEstado, uno}, {T::CambioDeNombre, indicacion}}));
}

}  // namespace
}  // namespace instalar::prueba
