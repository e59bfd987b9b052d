// The Windows platform's two ways of starting a setup program, run for real:
// straight, and through the shell, the way a program that asks to be
// elevated is started.  The menu takes the shell's way for a program only
// when Windows refuses the straight start for want of rights, which never
// happens to the end-to-end tests, so it is tested here on the platform
// itself; so are the errors of both ways for a document, and the system's
// texts for the errors the menu can meet.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Arnes.h"
#include "common/Texto.h"
#include "herramientas/TipoDeArchivo.h"
#include "launch/Lanzador.h"
#include "win32host/ErroresWin32.h"
#include "win32host/Escala.h"
#include "win32host/Fuentes.h"
#include "win32host/Manejadores.h"
#include "win32host/MedidaTextoWin32.h"
#include "win32host/ProcesosWin32.h"
#include "win32host/TextoWin32.h"
#include "window/Controles.h"

namespace {

using instalar::Fallo;
using instalar::PeticionProceso;
using instalar::win32::ProcesosWin32;
using namespace arnes;

struct Via {
    const char* nombre;
    Fallo (ProcesosWin32::*iniciar)(const PeticionProceso&);
};

void PrintTo(const Via& via, std::ostream* salida) { *salida << via.nombre; }

class Arranques : public ::testing::TestWithParam<Via> {
protected:
    Fallo Iniciar(const std::wstring& ruta) {
        return (procesos_.*GetParam().iniciar)(instalar::PeticionPara(instalar::win32::U(ruta)));
    }

    Medio medio_;
    Registro registro_;  // before any start: the program inherits the log's name
    ProcesosWin32 procesos_;
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
    // The medium's folder exists; the program in it does not.
    const Fallo fallo = Iniciar(medio_.RutaDe(L"setup.exe"));

    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->codigoSistema, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(fallo->descripcion.empty());
    Sleep(300);
    EXPECT_TRUE(registro_.Ejecuciones().empty());
}

INSTANTIATE_TEST_SUITE_P(Plataforma, Arranques,
                         ::testing::Values(Via{"CreateProcess", &ProcesosWin32::IniciarProceso},
                                           Via{"ShellExecuteEx", &ProcesosWin32::EjecutarConShell}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// The system's text with each %1 replaced by `nombre`.
std::wstring ConNombre(std::wstring texto, const std::wstring& nombre) {
    for (size_t donde = texto.find(L"%1"); donde != std::wstring::npos; donde = texto.find(L"%1", donde))
        texto.replace(donde, 2, nombre);
    return texto;
}

// A document: process creation refuses it as no program, the shell opens
// it with the program registered for its type (the stand-in setup program,
// for ".prueba") in the document's folder.
class Documentos : public ::testing::Test {
protected:
    Fallo Iniciar(const std::wstring& ruta) {
        return procesos_.IniciarProceso(instalar::PeticionPara(instalar::win32::U(ruta)));
    }
    Fallo AbrirConShell(const std::wstring& ruta) {
        return procesos_.EjecutarConShell(instalar::PeticionPara(instalar::win32::U(ruta)));
    }

    const std::wstring manejador_ = Unir(CarpetaDelPrograma(), L"setup_falso.exe");
    const TipoDeArchivo tipo_{L".prueba", L"\"" + manejador_ + L"\" \"%1\""};
    Medio medio_;
    Registro registro_;
    ProcesosWin32 procesos_;
};

TEST_F(Documentos, ProcessCreationRefusesItAsNoProgram) {
    medio_.Escribir(L"Manual de uso\\guia.prueba", "no es un programa");

    const Fallo fallo = Iniciar(medio_.RutaDe(L"Manual de uso\\guia.prueba"));

    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->codigo, instalar::CodigoError::NoEsUnPrograma);
    EXPECT_EQ(fallo->codigoSistema, static_cast<uint32_t>(ERROR_BAD_EXE_FORMAT));
    EXPECT_EQ(instalar::AUtf8(fallo->descripcion), Utf8(ConNombre(TextoDelSistema(ERROR_BAD_EXE_FORMAT), L"guia.prueba")));
    Sleep(300);
    EXPECT_TRUE(registro_.Ejecuciones().empty());
}

TEST_F(Documentos, TheShellOpensItWithItsProgramInItsFolder) {
    medio_.Escribir(L"Manual de uso\\guia.prueba", "no es un programa");
    const std::wstring documento = medio_.RutaDe(L"Manual de uso\\guia.prueba");

    const Fallo fallo = AbrirConShell(documento);

    ASSERT_FALSE(fallo.has_value()) << "error " << fallo->codigoSistema << ": " << instalar::AUtf8(fallo->descripcion);
    ASSERT_TRUE(registro_.EsperarEjecuciones(1)) << "the document's program did not start";
    Sleep(300);  // a second start would show by now
    const auto ejecuciones = registro_.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(manejador_));
    EXPECT_EQ(Utf8(ejecuciones[0].lineaDeOrdenes), Utf8(L"\"" + manejador_ + L"\" \"" + documento + L"\""));
    EXPECT_EQ(Utf8(ejecuciones[0].carpeta), Utf8(medio_.RutaDe(L"Manual de uso")));
}

// Wine tells a missing association by the result of ShellExecuteEx only;
// either way it is ERROR_NO_ASSOCIATION, with the system's text.
TEST_F(Documentos, TheShellHasNoProgramForAnUnknownType) {
    medio_.Escribir(L"datos.sinprograma", "x");

    const Fallo fallo = AbrirConShell(medio_.RutaDe(L"datos.sinprograma"));

    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->codigo, instalar::CodigoError::Sistema);
    EXPECT_EQ(fallo->codigoSistema, static_cast<uint32_t>(ERROR_NO_ASSOCIATION));
    EXPECT_EQ(instalar::AUtf8(fallo->descripcion), Utf8(TextoDelSistema(ERROR_NO_ASSOCIATION)));
    Sleep(300);
    EXPECT_TRUE(registro_.Ejecuciones().empty());
}

// The system's texts for the errors starting an item can meet, as the menu
// shows them: never with a "%" insert, the file's name where the text has
// a place for it, on one line (the path follows on the next).
struct ErrorDelMenu {
    DWORD codigo;
    instalar::CodigoError propio;
    bool textoPropio;  // the program's own Spanish text, not the system's
};

void PrintTo(const ErrorDelMenu& error, std::ostream* salida) { *salida << error.codigo; }

class TextosDeError : public ::testing::TestWithParam<ErrorDelMenu> {};

TEST_P(TextosDeError, NameTheFileInsteadOfAnInsert) {
    const ErrorDelMenu& caso = GetParam();
    const instalar::Error error = instalar::win32::ErrorDeSistema(caso.codigo, u"C:\\medio\\docs\\manual.txt");

    EXPECT_EQ(error.codigo, caso.propio);
    EXPECT_EQ(error.codigoSistema, caso.codigo);
    const std::string texto = instalar::AUtf8(error.descripcion);
    EXPECT_EQ(texto.find('%'), std::string::npos) << texto;
    EXPECT_EQ(texto.find_first_of("\r\n"), std::string::npos) << texto;
    const std::wstring delSistema = TextoDelSistema(caso.codigo);
    if (caso.textoPropio)
        EXPECT_EQ(texto, instalar::AUtf8(instalar::DescripcionDe(caso.propio)));
    else if (delSistema.empty())
        EXPECT_EQ(texto, "Error del sistema " + std::to_string(caso.codigo));
    else
        EXPECT_EQ(texto, Utf8(ConNombre(delSistema, L"manual.txt"))) << "the system's text: " << Utf8(delSistema);
}

using instalar::CodigoError;
INSTANTIATE_TEST_SUITE_P(
    Plataforma, TextosDeError,
    ::testing::Values(ErrorDelMenu{ERROR_FILE_NOT_FOUND, CodigoError::ArchivoNoEncontrado, true},
                      ErrorDelMenu{ERROR_PATH_NOT_FOUND, CodigoError::RutaNoEncontrada, true},
                      ErrorDelMenu{ERROR_ACCESS_DENIED, CodigoError::AccesoRutaArchivo, true},
                      ErrorDelMenu{ERROR_SHARING_VIOLATION, CodigoError::PermisoDenegado, true},
                      ErrorDelMenu{ERROR_BAD_EXE_FORMAT, CodigoError::NoEsUnPrograma, false},
                      ErrorDelMenu{ERROR_EXE_MACHINE_TYPE_MISMATCH, CodigoError::Sistema, false},
                      ErrorDelMenu{ERROR_NO_ASSOCIATION, CodigoError::Sistema, false},
                      ErrorDelMenu{ERROR_CANCELLED, CodigoError::CanceladoPorUsuario, false},
                      ErrorDelMenu{740, CodigoError::RequiereElevacion, false}),
    [](const auto& caso) { return "error" + std::to_string(caso.param.codigo); });

// Labels of one line are measured without DrawText's layout pass; the
// result must be what DrawText gives, or the window's labels, arrow and
// mouse areas would shift.  Every font of the window, with texts in the
// menu file's code page.
class Medidas : public ::testing::TestWithParam<const char*> {};

TEST_P(Medidas, OneLineTextsMeasureAsDrawTextLaysThemOut) {
    const std::wstring texto = instalar::win32::W(instalar::DesdeUtf8(GetParam()));
    const instalar::win32::Escala escala(instalar::win32::DpiDePantalla());
    instalar::win32::Fuentes fuentes(instalar::win32::DpiDePantalla());
    instalar::win32::MedidaTextoWin32 medida(escala, fuentes);
    instalar::win32::Fuentes fuentesReferencia(instalar::win32::DpiDePantalla());
    const instalar::win32::DCMemoria referencia(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    ASSERT_TRUE(referencia);

    const instalar::Controles diseno = instalar::ControlesDeDiseno();
    for (instalar::Fuente fuente : {diseno.Label1.fuente, diseno.etqInfo.fuente, diseno.etqInstalar[0].fuente,
                                    diseno.etqVer.fuente, diseno.etqTipo.fuente}) {
        for (const bool negrita : {false, true}) {
            fuente.negrita = negrita;
            RECT caja{};
            {
                const instalar::win32::Seleccion seleccion(referencia.get(), fuentesReferencia.Obtener(fuente));
                DrawTextW(referencia.get(), texto.c_str(), static_cast<int>(texto.size()), &caja,
                          DT_CALCRECT | DT_LEFT | DT_NOCLIP);
            }

            const instalar::Tamano tamano = medida.MedirTexto(fuente, instalar::win32::U(texto), 0);
            const std::string caso = Utf8(instalar::win32::W(fuente.nombre)) + (negrita ? " bold" : "");
            EXPECT_DOUBLE_EQ(tamano.ancho, caja.right * medida.TwipsPorPixelX()) << caso;
            EXPECT_DOUBLE_EQ(tamano.alto, caja.bottom * medida.TwipsPorPixelY()) << caso;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plataforma, Medidas,
                         ::testing::Values("Programa 00001", "Instalación de ÑANDÚ, versión 2.0", "W",
                                           "iiiiiiiiiiiiiiiiiiii", "  espacios a los lados  ",
                                           "Un nombre bastante largo para un elemento del menú de instalación, "
                                           "que no cabe en la ventana de ninguna manera razonable"),
                         [](const auto& caso) { return "texto" + std::to_string(caso.index); });

}  // namespace
