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

// ------------------------------------------ what the setup leaves running

constexpr char16_t kIncierto[] = u"«Uno»: Terminó; no se puede saber si se instaló";

// The setup ended with 0 and left the program it installed open: the menu
// names it and waits, but takes Enter as "stop waiting"; the program's
// exit code then says nothing, and the menu takes input again.
TEST_F(InstalacionTest, UnProgramaQueQuedaAbiertoSeNombraYIntroDejaDeEsperar) {
    Menu(true);
    const ArbolAccesible arbol(*ventana, std::nullopt);
    EmpezarYEsperar();
    p.seguidos[0]->codigoSalida = 0;
    p.seguidos[0]->terminado = true;
    p.seguidos[0]->otroEnMarcha = u"visor.exe";
    const EstadoAnunciado antes = EstadoAnunciadoDe(*ventana, arbol);
    EXPECT_FALSE(ventana->MirarInstalacion());

    EXPECT_TRUE(ventana->EsperandoInstalacion());
    EXPECT_EQ(V().indicacion.texto, u"Esperando a que se cierre «visor.exe»… (Intro: dejar de esperar)");
    EXPECT_EQ(AnunciosEntre(antes, EstadoAnunciadoDe(*ventana, arbol), arbol),
              (Anuncios{{T::CambioDeNombre, arbol.IdDe(Parte::Indicacion)}}));
    EXPECT_TRUE(V().instalar.habilitado) << "\"Instalar\" stops the wait";
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Ninguna);
    ventana->ListaGanaFoco();
    ventana->AlBajarTecla(Tecla::Abajo, 0);
    EXPECT_EQ(ventana->Seleccionada(), std::optional<int16_t>(0)) << "the selection moved while the menu waits";

    const RespuestaTecla intro = ventana->AlEscribir(kCaracterIntro);
    EXPECT_EQ(intro.orden, Orden::Instalar);
    EXPECT_FALSE(ventana->EsperandoInstalacion());
    EXPECT_EQ(p.procesos.size(), 1u) << "Enter started the setup again";
    EXPECT_EQ(V().indicacion.texto, kIncierto);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Incierto);
    EXPECT_EQ(NombreAccesible(0), u"Uno: Terminó; no se puede saber si se instaló");
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_FALSE(ventana->MirarInstalacion()) << "the program left open is no longer followed";
    EXPECT_EQ(p.seguidos[0].use_count(), 1) << "the window still holds the setup";

    ventana->AlBajarTecla(Tecla::Abajo, 0);
    EXPECT_EQ(ventana->Seleccionada(), std::optional<int16_t>(1));
    ventana->Instalar();
    EXPECT_EQ(p.procesos.size(), 2u) << "the menu takes no input again";
}

// "Instalar" stops the wait as Enter does; the name of the program the
// hint line shows follows what the system reports.
TEST_F(InstalacionTest, InstalarDejaDeEsperarYElNombreSigueAlQueQueda) {
    Menu(true);
    EmpezarYEsperar();
    p.seguidos[0]->terminado = true;
    p.seguidos[0]->otroEnMarcha = u"";
    EXPECT_FALSE(ventana->MirarInstalacion());
    EXPECT_EQ(V().indicacion.texto, u"Esperando a que se cierre un programa que abrió… (Intro: dejar de esperar)");
    p.seguidos[0]->otroEnMarcha = u"ayuda.exe";
    EXPECT_FALSE(ventana->MirarInstalacion());
    EXPECT_EQ(V().indicacion.texto, u"Esperando a que se cierre «ayuda.exe»… (Intro: dejar de esperar)");
    ventana->Instalar();
    EXPECT_FALSE(ventana->EsperandoInstalacion());
    EXPECT_EQ(p.procesos.size(), 1u);
    EXPECT_EQ(V().indicacion.texto, kIncierto);
}

// A setup whose exit code says nothing about the install: whatever the
// code, the outcome is the uncertain one, never "Instalado" or
// "Cancelado".
struct CasoIncierto {
    const char* nombre;
    bool quedaUnoAbierto;      // the look sees a process it started running after it
    bool sobrevividoSegunSistema;  // only the system's times show one outlived it
    bool sigueDescendientes;
};

void PrintTo(const CasoIncierto& caso, std::ostream* os) { *os << caso.nombre; }

class DesenlaceInciertoTest : public InstalacionTest, public ::testing::WithParamInterface<CasoIncierto> {};

TEST_P(DesenlaceInciertoTest, NiInstaladoNiCancelado) {
    const CasoIncierto& caso = GetParam();
    for (const uint32_t codigo : {0u, 3010u, 1641u, 1602u, 1223u, 7u}) {
        SCOPED_TRACE(codigo);
        p.sigueDescendientes = caso.sigueDescendientes;
        Menu(true);
        EmpezarYEsperar();
        EstadoProceso& setup = *p.seguidos.back();
        if (!caso.sigueDescendientes)
            EXPECT_EQ(V().indicacion.texto,
                      u"Instalando «Uno»… (solo se puede esperar a este programa, no a los que abra)");
        setup.codigoSalida = codigo;
        setup.terminado = true;
        if (caso.quedaUnoAbierto) {
            setup.otroEnMarcha = u"setup.exe";
            EXPECT_FALSE(ventana->MirarInstalacion());
            setup.otroEnMarcha.reset();
        }
        setup.sobrevivido = caso.sobrevividoSegunSistema;
        ASSERT_TRUE(ventana->MirarInstalacion());
        EXPECT_EQ(V().indicacion.texto, kIncierto);
        EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Incierto);
        EXPECT_EQ(NombreAccesible(0), u"Uno: Terminó; no se puede saber si se instaló");
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, DesenlaceInciertoTest,
                         ::testing::Values(CasoIncierto{"ArrancadorQueVolvioEnSeguida", true, false, true},
                                           CasoIncierto{"HijoQueTerminoEntreDosMiradas", false, true, true},
                                           CasoIncierto{"ArbolQueNoSePuedeSeguir", false, false, false}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// The uncertain outcome is a kind of its own: neither the words nor the
// mark of a success, a cancellation or a failure.
TEST(DesenlaceInciertoTexto, NoSeParecceANingunOtro) {
    const Desenlace incierto = DesenlaceIncierto();
    EXPECT_EQ(incierto.clase, ClaseDesenlace::Incierto);
    EXPECT_EQ(incierto.texto.find(u"Instalado"), std::u16string::npos);
    EXPECT_EQ(incierto.texto.find(u"Cancelado"), std::u16string::npos);
    for (const uint32_t codigo : {0u, 3010u, 1641u, 1602u, 1223u, 7u, 0xFFFFFFFFu})
        EXPECT_NE(DesenlaceDe(codigo).texto, incierto.texto) << codigo;
}

// ------------------------------------------------------- the hint's width

// However long the item's name, the hint line stays inside the window,
// with the margin it has on the left on the right too; the host ends the
// text in an ellipsis there, and screen readers get the whole text.
TEST_F(InstalacionTest, LaIndicacionNoSaleDeLaVentanaYElLectorLaLeeEntera) {
    const std::string largo(120, 'N');
    p.archivos[u"C:\\medio\\a.exe"] = "MZ";
    Escribir({"T", "V", ";@volver", largo + ";a.exe;d"});
    Cargar();
    EmpezarYEsperar();
    const Etiqueta& indicacion = V().indicacion;
    const std::u16string entero = u"Instalando «" + std::u16string(largo.begin(), largo.end()) + u"»…";
    EXPECT_EQ(indicacion.texto, entero);
    EXPECT_LE(indicacion.caja.izquierda + indicacion.caja.ancho, kAnchoVentana - indicacion.caja.izquierda);
    EXPECT_GT(indicacion.caja.ancho, 0);
    const ArbolAccesible arbol(*ventana, std::nullopt);
    EXPECT_EQ(arbol.Elemento(arbol.IdDe(Parte::Indicacion))->nombre, entero);

    // A short text keeps its measured width.
    Terminar(0);
    Menu(true);
    EXPECT_EQ(V().indicacion.caja.ancho,
              static_cast<float>(p.MedirTexto(V().indicacion.fuente, V().indicacion.texto, 0).ancho));
}

// ------------------------------------------------------- starting twice

// Starting through the shell may dispatch the window's messages before
// the start returns: a second click on "Instalar", Enter, a click on
// another item, all arriving then, start nothing and move nothing.
TEST_F(InstalacionTest, NadaArrancaOtraInstalacionMientrasArrancaUna) {
    for (const bool volver : {true, false}) {
        SCOPED_TRACE(volver ? "with ;@volver" : "without ;@volver");
        Menu(volver);
        ventana->ListaGanaFoco();
        const size_t antes = p.procesos.size();
        bool dentro = false;
        p.durante = [&] {
            if (dentro) return;
            dentro = true;
            EXPECT_FALSE(V().instalar.habilitado) << "\"Instalar\" works while a setup starts";
            ventana->Instalar();
            ventana->AlEscribir(kCaracterIntro);
            ventana->ClicEnOpcion(1);
            ventana->AlBajarTecla(Tecla::Abajo, 0);
        };
        ventana->Instalar();
        EXPECT_EQ(p.procesos.size(), antes + 1) << "a second setup started while the first was starting";
        EXPECT_EQ(ventana->Seleccionada(), std::optional<int16_t>(0));
        if (volver) {
            EXPECT_EQ(ventana->Instalando(), std::optional<int16_t>(0));
            EXPECT_EQ(V().indicacion.texto, u"Instalando «Uno»…");
        }
    }
    // Once the start has returned, "Instalar" works again.
    p.durante = nullptr;
    Menu(true);
    const size_t antes = p.procesos.size();
    p.resultadosProceso = {ErrorDe(CodigoError::ArchivoNoEncontrado, 2)};
    ventana->Instalar();
    EXPECT_TRUE(V().instalar.habilitado);
    ventana->Instalar();
    EXPECT_EQ(p.procesos.size(), antes + 2);
}

}  // namespace
}  // namespace instalar::prueba
