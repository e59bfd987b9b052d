// The checker and the lines that make items depend on the machine: the
// --maquina table, its errors and warnings, --listar.

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "comprobar/ComprobarRequisitos.h"
#include "comprobar/Consola.h"
#include "comprobar/SistemaArchivosReal.h"
#include "herramientas/CarpetaTemporal.h"

namespace instalar::comprobar {
namespace {

using herramientas::CarpetaTemporal;
using prueba::LineasCrLf;

// The menu: one product per architecture under one name, one that
// needs Windows 10 and is probed, one probed by its file, one for ARM.
const std::vector<std::string> kMenu{
    "Gestión",
    "1.0",
    ";@si x64",
    "Contabilidad;\"conta\\x64\\setup.exe\" /S;Contabilidad para Windows de 64 bits",
    ";@si x86",
    "Contabilidad;\"conta\\x86\\setup.exe\" /S;Contabilidad para Windows de 32 bits",
    ";@requiere windows 10",
    ";@instalado msi {6F1B2C3D-1111-2222-3333-444455556666}",
    "Nóminas;nominas\\nominas.msi;Necesita Windows 10 o posterior",
    ";@si arm64",
    "Visor ARM;visor\\arm64.exe;El visor para ARM",
    ";@requiere no windows 11",
    "Antiguo;visor\\antiguo.exe;Solo hasta Windows 10",
};

class ComprobarRequisitosTest : public ::testing::Test {
protected:
    ComprobarRequisitosTest() {
        for (const char* archivo : {"conta/x64/setup.exe", "conta/x86/setup.exe", "nominas/nominas.msi",
                                    "visor/arm64.exe", "visor/antiguo.exe"})
            carpeta.Escribir(std::string("medio/") + archivo, "MZ");
    }
    int Ejecutar(const std::vector<std::string>& lineas, const std::vector<std::string>& argumentos) {
        carpeta.Escribir("medio/instalar.inf", LineasCrLf(lineas));
        salida.str("");
        errores.str("");
        std::vector<std::string> todos = argumentos;
        todos.push_back((carpeta.Ruta() / "medio/instalar.inf").u8string());
        return comprobar::Ejecutar(todos, salida, errores, sistema);
    }

    CarpetaTemporal carpeta{"comprobar-maquina-"};
    SistemaArchivosReal sistema;
    std::ostringstream salida;
    std::ostringstream errores;
};

struct CasoMaquina {
    const char* nombre;
    const char* maquina;
    std::string esperado;
};

void PrintTo(const CasoMaquina& caso, std::ostream* os) { *os << caso.nombre; }

class MaquinaTest : public ComprobarRequisitosTest, public ::testing::WithParamInterface<CasoMaquina> {};

const std::string kPruebas =
    "Las pruebas de «;@instalado» (opciones de las líneas 9) no se pueden responder para otra máquina: aquí no se "
    "dan por instaladas\n";

TEST_P(MaquinaTest, ListaLoQueMuestraEsaMaquina) {
    EXPECT_EQ(Ejecutar(kMenu, {"--maquina", GetParam().maquina}), 0) << errores.str();
    EXPECT_EQ(salida.str(), std::string("En la máquina ") + GetParam().maquina + ":\n" + GetParam().esperado);
    EXPECT_NE(errores.str().find("5 opciones, 0 errores y 0 avisos."), std::string::npos) << errores.str();
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, MaquinaTest,
    ::testing::Values(
        CasoMaquina{"Windows7X86", "x86,6.1",
                    "Se muestran:\n  Contabilidad (línea 6)\n  Antiguo (línea 13)\n"
                    "En gris (no se pueden instalar):\n  Nóminas (línea 9): Requiere Windows 10 o posterior\n"
                    "Ocultas:\n  Contabilidad (línea 4)\n  Visor ARM (línea 11)\n" + kPruebas},
        CasoMaquina{"Windows11X64", "x64,10.0.22631",
                    "Se muestran:\n  Contabilidad (línea 4)\n  Nóminas (línea 9)\n"
                    "En gris (no se pueden instalar):\n  Antiguo (línea 13): Requiere una versión de Windows anterior "
                    "a Windows 11\n"
                    "Ocultas:\n  Contabilidad (línea 6)\n  Visor ARM (línea 11)\n" + kPruebas},
        CasoMaquina{"Windows10X64", "x64,10.0.19045",
                    "Se muestran:\n  Contabilidad (línea 4)\n  Nóminas (línea 9)\n  Antiguo (línea 13)\n"
                    "En gris (no se pueden instalar): ninguna\n"
                    "Ocultas:\n  Contabilidad (línea 6)\n  Visor ARM (línea 11)\n" + kPruebas},
        CasoMaquina{"Arm64", "arm64,10.0.26100",
                    "Se muestran:\n  Nóminas (línea 9)\n  Visor ARM (línea 11)\n"
                    "En gris (no se pueden instalar):\n  Antiguo (línea 13): Requiere una versión de Windows anterior "
                    "a Windows 11\n"
                    "Ocultas:\n  Contabilidad (línea 4)\n  Contabilidad (línea 6)\n" + kPruebas}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(ComprobarRequisitosTest, UnaMaquinaMalEscritaEsUnaLineaDeOrdenesIncorrecta) {
    for (const char* maquina : {"x64", "x64,", "amd64,10.0", "x64,10.a", ",6.1"})
        EXPECT_EQ(Ejecutar(kMenu, {"--maquina", maquina}), kEstadoUsoIncorrecto) << maquina;
    EXPECT_EQ(Ejecutar(kMenu, {"--maquina"}), kEstadoUsoIncorrecto);
}

TEST_F(ComprobarRequisitosTest, ListarMuestraLasCondicionesYPruebasDeCadaOpcion) {
    EXPECT_EQ(Ejecutar(kMenu, {"--listar"}), 0) << errores.str();
    const std::string listado = salida.str();
    EXPECT_NE(listado.find("   descripción: Contabilidad para Windows de 32 bits\n   ;@si x86 (línea 5)\n"),
              std::string::npos)
        << listado;
    EXPECT_NE(listado.find("   ;@requiere windows 10 (línea 7)\n   ;@instalado msi "
                           "{6F1B2C3D-1111-2222-3333-444455556666} (línea 8)\n"),
              std::string::npos)
        << listado;
}

// Errors and warnings, each at its line.
TEST_F(ComprobarRequisitosTest, AvisaDeLoQueNoSeConoceNoSeSigueOSeContradice) {
    const std::vector<std::string> menu{
        "T", "V",
        ";@si amd128",                       // 3: unknown condition
        ";@instalado winget Visor",          // 4: unknown probe
        ";@instalado msi {123}",             // 5: malformed product code
        "Uno;visor\\antiguo.exe;Uno",        // 6
        ";@si x64",                          // 7
        ";@requiere no 64bits",              // 8
        "Dos;visor\\antiguo.exe;Dos",        // 9: contradiction
        ";@si x86",                          // 10
        ";@si windows 11",                   // 11
        "Tres;visor\\antiguo.exe;Tres",      // 12: not contradictory: the two may hold together
        "Cuatro;visor\\antiguo.exe;Cuatro",  // 13
        "Cuatro;visor\\arm64.exe;Otra",      // 14: same name, nothing keeps them apart
        ";@si x64",                          // 15
        "Cinco;visor\\antiguo.exe;Cinco",    // 16
        ";@si no x64",                       // 17
        "Cinco;visor\\arm64.exe;Otra",       // 18: kept apart: no warning
        ";@requiere windows 10",             // 19: no entry follows
    };
    EXPECT_EQ(Ejecutar(menu, {}), 1);
    const std::string e = errores.str();
    const auto en = [&](int linea, const std::string& fragmento) {
        const std::string prefijo = ":" + std::to_string(linea) + ": ";
        for (size_t i = e.find(prefijo); i != std::string::npos; i = e.find(prefijo, i + 1)) {
            const std::string linea_ = e.substr(i, e.find('\n', i) - i);
            if (linea_.find(fragmento) != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_TRUE(en(3, "error: condición desconocida en «;@si amd128»")) << e;
    EXPECT_TRUE(en(4, "error: prueba desconocida en «;@instalado winget Visor»")) << e;
    EXPECT_TRUE(en(5, "error: el código de producto «{123}»")) << e;
    EXPECT_TRUE(en(9, "aviso: «;@si x64» y «;@requiere no 64bits» se contradicen")) << e;
    EXPECT_FALSE(en(12, "se contradicen")) << "x86 with Windows 11 is one machine: " << e;
    EXPECT_TRUE(en(14, "aviso: el nombre «Cuatro» ya está en la línea 13")) << e;
    EXPECT_FALSE(en(18, "ya está en la línea")) << e;
    EXPECT_TRUE(en(19, "aviso: ninguna opción sigue a «;@requiere windows 10»")) << e;
    EXPECT_NE(e.find("3 errores y 3 avisos."), std::string::npos) << e;
}

TEST_F(ComprobarRequisitosTest, SiQueNingunaMaquinaCumpleALaVez) {
    EXPECT_EQ(Ejecutar({"T", "V", ";@si x86", ";@si arm64", "Uno;visor\\antiguo.exe;Uno"}, {}), 0);
    EXPECT_NE(errores.str().find(":5: aviso: «;@si x86», «;@si arm64» se contradicen: ninguna máquina"),
              std::string::npos)
        << errores.str();
}

}  // namespace
}  // namespace instalar::comprobar
