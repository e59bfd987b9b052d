#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "comprobar/Consola.h"
#include "version.h"
#include "comprobar/SistemaArchivosReal.h"
#include "herramientas/CarpetaTemporal.h"

namespace instalar::comprobar {
namespace {

using herramientas::CarpetaTemporal;
using prueba::LineasCrLf;
using Argumentos = std::vector<std::string>;

struct CasoOpciones {
    const char* nombre;
    Argumentos argumentos;
    bool ayuda;
    bool listar;
    std::string menu;
    std::optional<std::string> carpeta;
    bool error;
};

void PrintTo(const CasoOpciones& caso, std::ostream* os) { *os << caso.nombre; }

class LeerOpcionesTest : public ::testing::TestWithParam<CasoOpciones> {};

TEST_P(LeerOpcionesTest, EntiendeLaLineaDeOrdenes) {
    const CasoOpciones& caso = GetParam();
    const Opciones opciones = LeerOpciones(caso.argumentos);
    EXPECT_EQ(!opciones.error.empty(), caso.error) << opciones.error;
    if (caso.error) return;
    EXPECT_EQ(opciones.ayuda, caso.ayuda);
    EXPECT_EQ(opciones.listar, caso.listar);
    EXPECT_EQ(opciones.menu, caso.menu);
    EXPECT_EQ(opciones.carpeta, caso.carpeta);
}

const std::optional<std::string> kSinCarpeta;

INSTANTIATE_TEST_SUITE_P(
    Argumentos, LeerOpcionesTest,
    ::testing::Values(
        CasoOpciones{"PorOmision", {}, false, false, "instalar.inf", kSinCarpeta, false},
        CasoOpciones{"Ayuda", {"--help"}, true, false, "instalar.inf", kSinCarpeta, false},
        CasoOpciones{"ListarUnArchivo", {"E:\\men\xC3\xBA.inf", "--listar"}, false, true, "E:\\men\xC3\xBA.inf",
                     kSinCarpeta, false},
        CasoOpciones{"Carpeta", {"--carpeta", "/media/cd", "menus/oficina.inf"}, false, false, "menus/oficina.inf",
                     std::string("/media/cd"), false},
        CasoOpciones{"GuionesSeparanArchivos", {"--", "-raro.inf"}, false, false, "-raro.inf", kSinCarpeta, false},
        CasoOpciones{"OpcionDesconocida", {"--todo"}, false, false, "", kSinCarpeta, true},
        CasoOpciones{"CarpetaSinValor", {"--carpeta"}, false, false, "", kSinCarpeta, true},
        CasoOpciones{"DosArchivos", {"a.inf", "b.inf"}, false, false, "", kSinCarpeta, true}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// ---------------------------------------------------------------------------
// A whole run: what goes where, and the exit status.

class EjecutarTest : public ::testing::Test {
protected:
    int Ejecutar(const Argumentos& argumentos) {
        salida.str("");
        errores.str("");
        return comprobar::Ejecutar(argumentos, salida, errores, sistema);
    }
    std::string Ruta(const std::string& relativa) const { return (carpeta.Ruta() / relativa).u8string(); }

    CarpetaTemporal carpeta{"comprobar-"};
    SistemaArchivosReal sistema;
    std::ostringstream salida;
    std::ostringstream errores;
};

TEST_F(EjecutarTest, SinErroresTerminaConCeroAunqueHayaAvisos) {
    carpeta.Escribir("medio/instalar.inf", LineasCrLf({"T", "V", "Alfa;alfa\\setup.exe"}));
    carpeta.Escribir("medio/alfa/setup.exe", "MZ");
    const std::string menu = Ruta("medio/instalar.inf");

    EXPECT_EQ(Ejecutar({menu}), 0);
    EXPECT_EQ(salida.str(), "");
    EXPECT_EQ(errores.str(), menu + ":3: aviso: la opción «Alfa» no tiene descripción (falta el segundo «;»): al "
                                    "elegirla sigue a la vista la de la opción elegida antes\n"
                                    "1 opción, 0 errores y 1 aviso.\n");
}

TEST_F(EjecutarTest, ConUnErrorTerminaConUnoYListaLasOpciones) {
    carpeta.Escribir("medio/instalar.inf", LineasCrLf({"Oficina", "2.0", "Alfa;alfa\\setup.exe;Instala Alfa",
                                                       "Beta;beta\\setup.exe;"}));
    carpeta.Escribir("medio/alfa/setup.exe", "MZ");
    const std::string menu = Ruta("medio/instalar.inf");

    EXPECT_EQ(Ejecutar({"--listar", menu}), 1);
    EXPECT_EQ(salida.str(),
              "Título: Oficina\nVersión 2.0\n"
              "1. Alfa (línea 3)\n   programa: alfa\\setup.exe\n   descripción: Instala Alfa\n"
              "2. Beta (línea 4)\n   programa: beta\\setup.exe\n   descripción: vacía\n");
    EXPECT_EQ(errores.str(), menu + ":4: error: no existe el programa de instalación «beta\\setup.exe» (la ruta es "
                                    "relativa a la carpeta de instalar.exe)\n2 opciones, 1 error y 0 avisos.\n");
}

TEST_F(EjecutarTest, LosProgramasSeBuscanEnLaCarpetaIndicada) {
    carpeta.Escribir("menus/oficina.inf", LineasCrLf({"T", "V", "Alfa;alfa\\setup.exe;d"}));
    carpeta.Escribir("cd/alfa/setup.exe", "MZ");

    EXPECT_EQ(Ejecutar({Ruta("menus/oficina.inf")}), 1);
    EXPECT_EQ(Ejecutar({"--carpeta", Ruta("cd"), Ruta("menus/oficina.inf")}), 0) << errores.str();
}

TEST_F(EjecutarTest, UnaLineaDeOrdenesIncorrectaTerminaConDos) {
    EXPECT_EQ(Ejecutar({"--todo"}), kEstadoUsoIncorrecto);
    EXPECT_NE(errores.str().find("opción desconocida: --todo"), std::string::npos);
}

TEST_F(EjecutarTest, LaVersionEsLaDelProyecto) {
    EXPECT_EQ(Ejecutar({"--version"}), 0);
    EXPECT_EQ(salida.str(), "comprobar " INSTALAR_VERSION_TEXTO "\n");
    EXPECT_TRUE(errores.str().empty());
    // Three numbers: it comes from the project's version, not a text of its own.
    int mayor = -1, menor = -1, parche = -1;
    EXPECT_EQ(std::sscanf(INSTALAR_VERSION_TEXTO, "%d.%d.%d", &mayor, &menor, &parche), 3);
}

TEST_F(EjecutarTest, LaAyudaExplicaCadaComprobacion) {
    EXPECT_EQ(Ejecutar({"--help"}), 0);
    const std::string ayuda = salida.str();
    for (const char* tema : {"no se puede leer", "cabecera", "ninguna línea es una opción", "no existe",
                             "argumentos", "carpeta", "32.767 opciones", "LF sin CR", "big-endian", "UTF-8", "Notas", "0x81",
                             "mayúsculas", "sin descripción", "\"&\"", "(2200 y 4500 twips)", "alto de diseño de 270",
                             "a partir de\n    9 se solapan", "sin \";\"", "tabulador", "Estado de salida", "NUL",
                             "archivo por lotes", "fuera de la carpeta del menú", "letra de unidad", "%~dp0"}) {
        EXPECT_NE(ayuda.find(tema), std::string::npos) << tema;
    }
}

}  // namespace
}  // namespace instalar::comprobar
