// The Windows platform's two ways of starting a setup program, run for real:
// straight, and through the shell, the way a program that asks to be
// elevated is started.  The menu takes the shell's way only when Windows
// refuses the straight start for want of rights, which never happens to the
// end-to-end tests, so it is tested here on the platform itself.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Arnes.h"
#include "launch/Lanzador.h"
#include "platform/win32/Fuentes.h"
#include "platform/win32/PlataformaWin32.h"
#include "platform/win32/TextoWin32.h"

namespace {

using instalar::Fallo;
using instalar::PeticionProceso;
using instalar::win32::PlataformaWin32;
using namespace arnes;

struct Via {
    const char* nombre;
    Fallo (PlataformaWin32::*iniciar)(const PeticionProceso&);
};

void PrintTo(const Via& via, std::ostream* salida) { *salida << via.nombre; }

class Arranques : public ::testing::TestWithParam<Via> {
protected:
    Fallo Iniciar(const std::wstring& ruta) {
        return (plataforma_.*GetParam().iniciar)(instalar::PeticionPara(instalar::win32::U(ruta)));
    }

    Medio medio_;
    Registro registro_;  // before any start: the program inherits the log's name
    instalar::win32::Fuentes fuentes_{96};
    PlataformaWin32 plataforma_{fuentes_};
};

// A folder with spaces, beside a decoy that a careless command line would
// start instead ("C:\...\Mis.exe" for "C:\...\Mis Programas\setup.exe").
TEST_P(Arranques, StartsExactlyTheNamedProgramInItsOwnFolder) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"Mis Programas\\setup.exe");
    medio_.CopiarPrograma(L"setup_falso.exe", L"Mis.exe");
    const std::wstring programa = medio_.RutaDe(L"Mis Programas\\setup.exe");

    const Fallo fallo = Iniciar(programa);

    ASSERT_FALSE(fallo.has_value()) << "error " << fallo->codigoSistema;
    ASSERT_TRUE(registro_.EsperarEjecuciones(1)) << "the program did not start";
    Sleep(300);  // a second, wrong start would show by now
    const auto ejecuciones = registro_.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u);
    EXPECT_EQ(CompareStringOrdinal(ejecuciones[0].programa.c_str(), -1, programa.c_str(), -1, TRUE), CSTR_EQUAL)
        << Utf8(ejecuciones[0].programa);
    EXPECT_EQ(CompareStringOrdinal(ejecuciones[0].carpeta.c_str(), -1, medio_.RutaDe(L"Mis Programas").c_str(), -1,
                                   TRUE),
              CSTR_EQUAL)
        << Utf8(ejecuciones[0].carpeta);
}

TEST_P(Arranques, AMissingProgramIsAnErrorWithTheSystemCode) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"otro.exe");  // the folder exists, the program not
    const Fallo fallo = Iniciar(medio_.RutaDe(L"setup.exe"));

    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->codigoSistema, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(fallo->descripcion.empty());
    Sleep(300);
    EXPECT_TRUE(registro_.Ejecuciones().empty());
}

INSTANTIATE_TEST_SUITE_P(Plataforma, Arranques,
                         ::testing::Values(Via{"CreateProcess", &PlataformaWin32::IniciarProceso},
                                           Via{"ShellExecuteEx", &PlataformaWin32::EjecutarConShell}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
