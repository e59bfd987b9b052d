// Parts of the Windows host run for real, where the end-to-end tests cannot
// reach them or cannot tell them apart: the two ways of starting a setup
// program (straight, and through the shell, the way a program that asks to
// be elevated is started; the menu takes the shell's way only when Windows
// refuses the straight start for want of rights), the errors of both ways
// for a document, the system's texts for the errors the menu can meet, the
// measuring of labels, the text functions the menu file is read with, and
// the painting in a high-contrast theme and after a system colour changes
// (Wine does not let a test switch the theme on, nor another process see a
// changed colour).

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "Arnes.h"
#include "common/Texto.h"
#include "comprobar/Windows1252.h"
#include "herramientas/Accesibilidad.h"
#include "herramientas/TipoDeArchivo.h"
#include "launch/Lanzador.h"
#include "win32host/AccesibilidadWin32.h"
#include "win32host/ArchivosWin32.h"
#include "win32host/BibliotecasSistema.h"
#include "win32host/ColoresWin32.h"
#include "win32host/ErroresWin32.h"
#include "win32host/Escala.h"
#include "win32host/Fuentes.h"
#include "win32host/Manejadores.h"
#include "win32host/MedidaTextoWin32.h"
#include "win32host/Pintor.h"
#include "win32host/EsperaInstalacion.h"
#include "win32host/ProcesosWin32.h"
#include "win32host/TextoWin32.h"
#include "win32host/VentanaWin32.h"
#include "window/Colores.h"
#include "window/Controles.h"

namespace {

using instalar::Fallo;
using instalar::PeticionProceso;
using instalar::Resultado;
using instalar::win32::ProcesosWin32;
using instalar::win32::U;
using namespace arnes;

// What a start failed with, if it did.
Fallo FalloDe(const Resultado<instalar::ProcesoAEsperar>& inicio) {
    if (inicio) return std::nullopt;
    return inicio.error();
}

bool MismaRuta(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Waits until every program this test process has started has ended: then
// the log holds all that they wrote, and a second or a wrong start shows
// there.  Returns "" or what still runs when the time is up.
std::string EsperarFinDeLoArrancado(DWORD milisegundos = 5000) {
    std::vector<ProcesoEnMarcha> hijos;
    if (Esperar([&] { return (hijos = ProcesosHijos(GetCurrentProcess())).empty(); }, milisegundos)) return "";
    return "still running: " + Describir(hijos);
}

// ------------------------------------------------------------- starting

struct Via {
    const char* nombre;
    Resultado<instalar::ProcesoAEsperar> (ProcesosWin32::*iniciar)(const PeticionProceso&);
};

void PrintTo(const Via& via, std::ostream* salida) { *salida << via.nombre; }

class Arranques : public ::testing::TestWithParam<Via> {
protected:
    Fallo Iniciar(const PeticionProceso& peticion) { return FalloDe((procesos_.*GetParam().iniciar)(peticion)); }
    Fallo Iniciar(const std::wstring& ruta) { return Iniciar(instalar::PeticionPara(U(ruta))); }

    // The one program that ran, once everything started has ended.
    void EsperarSoloA(const std::wstring& programa, const std::wstring& carpeta) {
        ASSERT_TRUE(registro_.EsperarEjecuciones(1)) << "the program did not start";
        ASSERT_EQ(EsperarFinDeLoArrancado(), "");
        const auto ejecuciones = registro_.Ejecuciones();
        ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
        EXPECT_TRUE(MismaRuta(ejecuciones[0].programa, programa)) << Utf8(ejecuciones[0].programa);
        EXPECT_TRUE(MismaRuta(ejecuciones[0].carpeta, carpeta)) << Utf8(ejecuciones[0].carpeta);
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
    EsperarSoloA(programa, medio_.RutaDe(L"Mis Programas"));
}

TEST_P(Arranques, AMissingProgramIsAnErrorWithTheSystemCode) {
    // The medium's folder exists; the program in it does not.
    const Fallo fallo = Iniciar(medio_.RutaDe(L"setup.exe"));

    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->codigoSistema, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(fallo->descripcion.empty());
    EXPECT_EQ(EsperarFinDeLoArrancado(), "");
    EXPECT_TRUE(registro_.Ejecuciones().empty()) << Describir(registro_.Ejecuciones());
}

// The menu names its program twice: as the application and, quoted, at the
// head of the command line.  A command line alone may start another file
// than the one the menu checked (Windows appends ".exe" to a name without
// an extension, so "setup" would start "setup.exe"); the application name
// holds the start to the checked file.  Here the two name different files,
// and the application has to win.
TEST_P(Arranques, LaAplicacionDecideQueProgramaArrancaNoLaLineaDeOrdenes) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"elegido\\setup.exe");
    medio_.CopiarPrograma(L"setup_falso.exe", L"otro\\setup.exe");
    const std::wstring elegido = medio_.RutaDe(L"elegido\\setup.exe");
    PeticionProceso peticion = instalar::PeticionPara(U(elegido));
    peticion.lineaComandos = u"\"" + U(medio_.RutaDe(L"otro\\setup.exe")) + u"\"";

    const Fallo fallo = Iniciar(peticion);

    ASSERT_FALSE(fallo.has_value()) << "error " << fallo->codigoSistema;
    EsperarSoloA(elegido, medio_.RutaDe(L"elegido"));
}

INSTANTIATE_TEST_SUITE_P(Plataforma, Arranques,
                         ::testing::Values(Via{"CreateProcess", &ProcesosWin32::IniciarProceso},
                                           Via{"ShellExecuteEx", &ProcesosWin32::EjecutarConShell}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// A document: process creation refuses it as no program, the shell opens
// it with the program registered for its type (the stand-in setup program,
// for ".prueba") in the document's folder.
class Documentos : public ::testing::Test {
protected:
    Fallo Iniciar(const std::wstring& ruta) {
        return FalloDe(procesos_.IniciarProceso(instalar::PeticionPara(instalar::win32::U(ruta))));
    }
    Fallo AbrirConShell(const std::wstring& ruta) {
        return FalloDe(procesos_.EjecutarConShell(instalar::PeticionPara(instalar::win32::U(ruta))));
    }

    const std::wstring manejador_ = Unir(CarpetaDelPrograma(), L"setup_falso.exe");
    const TipoDeArchivo tipo_{L".prueba", L"\"" + manejador_ + L"\" \"%1\""};
    Medio medio_;
    Registro registro_;
    ProcesosWin32 procesos_;
};

// What each way answers for a document it cannot start; nothing starts.
struct Rechazo {
    const char* nombre;
    const wchar_t* documento;
    bool porElShell;
    instalar::CodigoError propio;
    DWORD codigo;
    const wchar_t* nombreEnElTexto;  // what takes the place of %1
};

void PrintTo(const Rechazo& caso, std::ostream* salida) { *salida << caso.nombre; }

class DocumentosRechazados : public Documentos, public ::testing::WithParamInterface<Rechazo> {};

TEST_P(DocumentosRechazados, FailWithTheSystemsTextAndStartNothing) {
    const Rechazo& caso = GetParam();
    medio_.Escribir(caso.documento, "no es un programa");
    const std::wstring ruta = medio_.RutaDe(caso.documento);

    const Fallo fallo = caso.porElShell ? AbrirConShell(ruta) : Iniciar(ruta);

    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->codigo, caso.propio);
    EXPECT_EQ(fallo->codigoSistema, static_cast<uint32_t>(caso.codigo));
    EXPECT_EQ(instalar::AUtf8(fallo->descripcion), Utf8(ConNombre(TextoDelSistema(caso.codigo), caso.nombreEnElTexto)));
    ASSERT_EQ(EsperarFinDeLoArrancado(), "");
    EXPECT_TRUE(registro_.Ejecuciones().empty());
}

// Process creation refuses a document as no program.  Wine tells a missing
// association by the result of ShellExecuteEx only; either way it is
// ERROR_NO_ASSOCIATION, with the system's text.
INSTANTIATE_TEST_SUITE_P(
    Plataforma, DocumentosRechazados,
    ::testing::Values(Rechazo{"ProcessCreationRefusesItAsNoProgram", L"Manual de uso\\guia.prueba", false,
                              instalar::CodigoError::NoEsUnPrograma, ERROR_BAD_EXE_FORMAT, L"guia.prueba"},
                      Rechazo{"TheShellHasNoProgramForAnUnknownType", L"datos.sinprograma", true,
                              instalar::CodigoError::Sistema, ERROR_NO_ASSOCIATION, L"datos.sinprograma"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(Documentos, TheShellOpensItWithItsProgramInItsFolder) {
    medio_.Escribir(L"Manual de uso\\guia.prueba", "no es un programa");
    const std::wstring documento = medio_.RutaDe(L"Manual de uso\\guia.prueba");

    const Fallo fallo = AbrirConShell(documento);

    ASSERT_FALSE(fallo.has_value()) << "error " << fallo->codigoSistema << ": " << instalar::AUtf8(fallo->descripcion);
    ASSERT_TRUE(registro_.EsperarEjecuciones(1)) << "the document's program did not start";
    ASSERT_EQ(EsperarFinDeLoArrancado(), "");  // a second start would show by now
    const auto ejecuciones = registro_.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(manejador_));
    EXPECT_EQ(Utf8(ejecuciones[0].lineaDeOrdenes), Utf8(L"\"" + manejador_ + L"\" \"" + documento + L"\""));
    EXPECT_EQ(Utf8(ejecuciones[0].carpeta), Utf8(medio_.RutaDe(L"Manual de uso")));
}


// The shell gets an item's arguments as the parameters of a document: the
// program registered for its type receives them where its command line
// says "%*".
TEST_F(Documentos, TheShellPassesTheArgumentsToTheDocumentsProgram) {
    const TipoDeArchivo conArgumentos{L".conargs", L"\"" + manejador_ + L"\" \"%1\" %*"};
    medio_.Escribir(L"guia.conargs", "no es un programa");
    const std::wstring documento = medio_.RutaDe(L"guia.conargs");

    const Fallo fallo =
        FalloDe(procesos_.EjecutarConShell(instalar::PeticionPara(U(documento), u"/p \"a b\"")));

    ASSERT_FALSE(fallo.has_value()) << "error " << fallo->codigoSistema << ": " << instalar::AUtf8(fallo->descripcion);
    ASSERT_TRUE(registro_.EsperarEjecuciones(1)) << "the document's program did not start";
    ASSERT_EQ(EsperarFinDeLoArrancado(), "");
    const auto ejecuciones = registro_.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u);
    EXPECT_EQ(Utf8(ejecuciones[0].lineaDeOrdenes), Utf8(L"\"" + manejador_ + L"\" \"" + documento + L"\" /p \"a b\""));
}

// ------------------------------------------------------- waiting for a setup

// A setup started to be waited for, the way the menu that comes back starts
// it: the stand-in runs for the time and ends with the code it is told.
class Seguimiento : public ::testing::TestWithParam<Via> {
protected:
    instalar::ProcesoAEsperar Iniciar(const std::wstring& programa) {
        PeticionProceso peticion = instalar::PeticionPara(U(programa));
        peticion.seguir = true;
        auto inicio = (procesos_.*GetParam().iniciar)(peticion);
        if (!inicio) {
            ADD_FAILURE() << "error " << inicio.error().codigoSistema << ": " << instalar::AUtf8(inicio.error().descripcion);
            return nullptr;
        }
        EXPECT_NE(inicio.valor(), nullptr) << "no process to wait for";
        return std::move(inicio.valor());
    }

    Medio medio_;
    Registro registro_;
    ProcesosWin32 procesos_;
};

struct Desenlace {
    const char* nombre;
    const wchar_t* salida;
    uint32_t codigo;
};

TEST_P(Seguimiento, TerminaConElProgramaYDaSuCodigoDeSalida) {
    for (const Desenlace& caso : {Desenlace{"cero", L"0", 0}, Desenlace{"reiniciar", L"3010", 3010},
                                  Desenlace{"violacion_de_acceso", L"3221225477", 0xC0000005u}}) {
        SCOPED_TRACE(caso.nombre);
        const std::wstring programa = L"Salida " + std::wstring(caso.salida) + L"\\setup.exe";
        medio_.CopiarPrograma(L"setup_falso.exe", programa);
        const VariableDeEntorno espera(L"INSTALAR_PRUEBA_ESPERA", L"1500");
        const VariableDeEntorno salida(L"INSTALAR_PRUEBA_SALIDA", caso.salida);

        const auto proceso = Iniciar(medio_.RutaDe(programa));
        ASSERT_NE(proceso, nullptr);

        EXPECT_TRUE(proceso->SigueDescendientes());
        EXPECT_FALSE(proceso->Mirar().terminado) << "ended while the program still runs";
        ASSERT_TRUE(Esperar([&] { return proceso->Mirar().terminado; }, 10000)) << "never ended";
        const instalar::MiradaProceso mirada = proceso->Mirar();
        EXPECT_EQ(mirada.codigoSalida, caso.codigo);
        EXPECT_FALSE(mirada.otrosEnMarcha);
        EXPECT_FALSE(mirada.sobrevivido) << "nothing it started outlived it";
    }
}

// A bootstrapper starts the real setup and ends at once: the setup has not
// ended until the process it started has.
TEST_P(Seguimiento, UnArrancadorNoTerminaHastaQueTermineSuHijo) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"setup.exe");
    const VariableDeEntorno arrancador(L"INSTALAR_PRUEBA_ARRANCADOR", L"2000");
    const VariableDeEntorno salida(L"INSTALAR_PRUEBA_SALIDA", L"7");

    const auto proceso = Iniciar(medio_.RutaDe(L"setup.exe"));
    ASSERT_NE(proceso, nullptr);
    auto* seguido = dynamic_cast<instalar::win32::ProcesoSeguido*>(proceso.get());
    ASSERT_NE(seguido, nullptr);

    ASSERT_EQ(WaitForSingleObject(seguido->Proceso(), 10000), WAIT_OBJECT_0) << "the bootstrapper did not end";
    ASSERT_TRUE(registro_.EsperarEjecuciones(2)) << "the child did not start: " << Describir(registro_.Ejecuciones());
    const instalar::MiradaProceso mientras = proceso->Mirar();
    EXPECT_TRUE(mientras.terminado);
    EXPECT_TRUE(mientras.otrosEnMarcha) << "the child that still runs was not seen";
    EXPECT_EQ(instalar::AUtf8(mientras.nombreDeOtro), "setup.exe");
    ASSERT_TRUE(Esperar([&] { return !proceso->Mirar().otrosEnMarcha; }, 10000)) << "never ended";
    const instalar::MiradaProceso despues = proceso->Mirar();
    EXPECT_EQ(despues.codigoSalida, 7u);
    EXPECT_TRUE(despues.sobrevivido) << "the child outlived the bootstrapper";
    const auto ejecuciones = registro_.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 2u) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[1].lineaDeOrdenes), Utf8(L"\"" + medio_.RutaDe(L"setup.exe") + L"\" hijo"));
}

// The menu closed while the setup runs: it stops following the setup,
// which goes on to its own end.
TEST_P(Seguimiento, DejarDeSeguirloNoTerminaElPrograma) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"setup.exe");
    const VariableDeEntorno espera(L"INSTALAR_PRUEBA_ESPERA", L"1500");
    const VariableDeEntorno salida(L"INSTALAR_PRUEBA_SALIDA", L"5");
    auto proceso = Iniciar(medio_.RutaDe(L"setup.exe"));
    ASSERT_NE(proceso, nullptr);
    HANDLE copia = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), dynamic_cast<instalar::win32::ProcesoSeguido&>(*proceso).Proceso(),
                                GetCurrentProcess(), &copia, 0, FALSE, DUPLICATE_SAME_ACCESS));
    const instalar::win32::ManejadorProceso programa(copia);

    proceso.reset();

    ASSERT_EQ(WaitForSingleObject(programa.get(), 10000), WAIT_OBJECT_0) << "never ended";
    DWORD codigo = 0;
    ASSERT_TRUE(GetExitCodeProcess(programa.get(), &codigo));
    EXPECT_EQ(codigo, 5u) << "it did not run to its own end";
}

// Where the setup cannot be put in a job (started elevated, or on Windows 7
// from a menu already in one; Wine 8, as Windows 8 and later, nests jobs),
// the processes it starts are found in the system's list: the followed
// process is given no group here, as the menu gives none then.
TEST(SeguimientoSinGrupo, ElHijoDeUnArrancadorSeVeEnLaListaDeProcesos) {
    Medio medio;
    Registro registro;
    medio.CopiarPrograma(L"setup_falso.exe", L"setup.exe");
    medio.CopiarPrograma(L"setup_falso.exe", L"visor.exe");
    const VariableDeEntorno arrancador(L"INSTALAR_PRUEBA_ARRANCADOR", L"1500");
    const VariableDeEntorno hijo(L"INSTALAR_PRUEBA_HIJO", L"visor.exe");
    const std::wstring programa = medio.RutaDe(L"setup.exe");
    std::wstring linea = L"\"" + programa + L"\"";
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                               nullptr, &inicio, &info));
    const instalar::win32::ManejadorHilo hilo(info.hThread);
    instalar::win32::ProcesoSeguido seguido(instalar::win32::ManejadorProceso(info.hProcess), std::nullopt);
    ASSERT_TRUE(seguido.SigueDescendientes()) << "the list of processes could not be read";
    ResumeThread(hilo.get());

    ASSERT_EQ(WaitForSingleObject(seguido.Proceso(), 10000), WAIT_OBJECT_0) << "the bootstrapper did not end";
    ASSERT_TRUE(registro.EsperarEjecuciones(2)) << Describir(registro.Ejecuciones());
    const instalar::MiradaProceso mientras = seguido.Mirar();
    EXPECT_TRUE(mientras.terminado);
    EXPECT_TRUE(mientras.otrosEnMarcha) << "the child was not found";
    EXPECT_EQ(instalar::AUtf8(mientras.nombreDeOtro), "visor.exe");
    ASSERT_TRUE(Esperar([&] { return !seguido.Mirar().otrosEnMarcha; }, 10000)) << "the child never ended";
    EXPECT_TRUE(seguido.Mirar().sobrevivido);
}

INSTANTIATE_TEST_SUITE_P(Plataforma, Seguimiento,
                         ::testing::Values(Via{"CreateProcess", &ProcesosWin32::IniciarProceso},
                                           Via{"ShellExecuteEx", &ProcesosWin32::EjecutarConShell}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// The menu that closes after the start keeps nothing of the setup.
TEST(SinSeguimiento, NoDevuelveNingunProceso) {
    Medio medio;
    Registro registro;
    medio.CopiarPrograma(L"setup_falso.exe", L"setup.exe");
    ProcesosWin32 procesos;

    auto inicio = procesos.IniciarProceso(instalar::PeticionPara(U(medio.RutaDe(L"setup.exe"))));

    ASSERT_TRUE(inicio.ok());
    EXPECT_EQ(inicio.valor(), nullptr);
    ASSERT_TRUE(registro.EsperarEjecuciones(1));
    EXPECT_EQ(EsperarFinDeLoArrancado(), "");
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

// ------------------------------------------------------------ elevation

// The real host under the core's start, with each of its answers noted.
class ProcesosObservados : public ProcesosWin32 {
public:
    Resultado<instalar::ProcesoAEsperar> IniciarProceso(const PeticionProceso& peticion) override {
        auto inicio = ProcesosWin32::IniciarProceso(peticion);
        directos.push_back(FalloDe(inicio));
        return inicio;
    }
    Resultado<instalar::ProcesoAEsperar> EjecutarConShell(const PeticionProceso& peticion) override {
        auto inicio = ProcesosWin32::EjecutarConShell(peticion);
        porElShell.push_back(FalloDe(inicio));
        return inicio;
    }

    std::vector<Fallo> directos;
    std::vector<Fallo> porElShell;
};

// A setup program whose manifest asks for administrator rights, started as
// the menu starts it.  Windows refuses to start it straight from a process
// that is not elevated (error 740); the menu then starts it through the
// shell, which asks the user for consent.  Under Wine, or from an elevated
// process, nothing refuses: the program starts straight, which is checked,
// and the case is skipped, saying why.
TEST(Elevacion, UnProgramaQuePideSerAdministradorArrancaAunqueWindowsRechaceElArranqueDirecto) {
    Medio medio;
    Registro registro;
    medio.CopiarPrograma(L"setup_admin.exe", L"admin\\setup.exe");
    const std::wstring programa = medio.RutaDe(L"admin\\setup.exe");
    ProcesosObservados procesos;

    const auto inicio = instalar::IniciarInstalador(procesos, U(programa));

    ASSERT_TRUE(inicio.ok()) << "error " << inicio.error().codigoSistema << ": "
                             << instalar::AUtf8(inicio.error().descripcion);
    if (inicio.valor() == instalar::Arrancado::RechazadoPorUsuario)
        GTEST_SKIP() << "the consent prompt was declined: accept it for this case to check the start";
    ASSERT_TRUE(registro.EsperarEjecuciones(1)) << "the program did not start";
    ASSERT_EQ(EsperarFinDeLoArrancado(), "");
    const auto ejecuciones = registro.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_TRUE(MismaRuta(ejecuciones[0].programa, programa)) << Utf8(ejecuciones[0].programa);
    EXPECT_TRUE(MismaRuta(ejecuciones[0].carpeta, medio.RutaDe(L"admin"))) << Utf8(ejecuciones[0].carpeta);

    ASSERT_EQ(procesos.directos.size(), 1u);
    if (!procesos.directos[0]) {
        EXPECT_TRUE(procesos.porElShell.empty());
        GTEST_SKIP() << NombreDelSistema()
                     << (BajoWine() ? " starts a program that asks for administrator rights without refusing"
                                    : ": this test runs elevated, so nothing refused")
                     << " the straight start (error 740); only a process that is not elevated, on Windows, "
                        "shows the start through the shell";
    }
    EXPECT_EQ(procesos.directos[0]->codigo, instalar::CodigoError::RequiereElevacion);
    EXPECT_EQ(procesos.directos[0]->codigoSistema, 740u);
    ASSERT_EQ(procesos.porElShell.size(), 1u);
    EXPECT_FALSE(procesos.porElShell[0].has_value()) << "error " << procesos.porElShell[0]->codigoSistema;
}

// ------------------------------------------------------------- the hint line

// The columns a text's ink covers in the rows [arriba, abajo): where the
// two pictures differ.
struct ColumnasDeTinta {
    int izquierda = INT_MAX;
    int derecha = -1;  // the last column with ink
};
ColumnasDeTinta TintaEntre(const Captura& con, const Captura& sin, int arriba, int abajo) {
    ColumnasDeTinta tinta;
    for (int y = arriba; y < abajo; ++y)
        for (int x = 0; x < con.Ancho(); ++x)
            if (con.En(x, y) != sin.En(x, y)) {
                tinta.izquierda = std::min(tinta.izquierda, x);
                tinta.derecha = std::max(tinta.derecha, x);
            }
    return tinta;
}

// The hint line, painted as the window paints it, shows its whole text or
// ends in an ellipsis inside the window: its ink reaches exactly as far as
// the same text drawn with no box at all, and never past the window's
// right margin.  Seen at 96 dpi before: «Agenda»: Instalado lost the right
// part of its last letter, the glyphs running past the measured width.
class LineaDeIndicacion : public ::testing::TestWithParam<int> {};

TEST_P(LineaDeIndicacion, SeVeEnteraOTerminaEnPuntosSuspensivosDentroDeLaVentana) {
    const int dpi = GetParam();
    const instalar::win32::Escala escala(dpi);
    instalar::win32::Fuentes deMedida(dpi);
    instalar::win32::MedidaTextoWin32 medida(escala, deMedida);
    instalar::win32::Fuentes dePintura(dpi);
    const RECT ventana = escala.APixeles({0, 0, instalar::kAnchoVentana, instalar::kAltoVentana});
    const auto pintar = [&](const instalar::Controles& c) {
        herramientas::Lienzo lienzo(ventana.right, ventana.bottom);
        const instalar::win32::Apariencia apariencia{instalar::ColoresDePintura(c, false),
                                                     instalar::win32::Paleta::DelSistema(), std::nullopt};
        instalar::win32::PintarContenido(lienzo.Dc(), SIZE{ventana.right, ventana.bottom}, c, apariencia, {}, escala,
                                         dePintura);
        return lienzo.Pixeles();
    };
    const std::string largo = "«" + std::string(80, 'N') + "»: Instalado";
    for (const std::string& texto : {std::string("«Agenda»: Instalado"), std::string("«Cancelado»: Cancelado"),
                                     std::string("Selecciona la opción que desees instalar."), largo}) {
        instalar::Controles c = instalar::ControlesDeDiseno();
        const std::u16string linea = instalar::DesdeUtf8(texto);
        instalar::FijarTexto(c.indicacion, linea, medida);
        const RECT caja = escala.APixeles(c.indicacion.caja);
        const Captura con = pintar(c);
        c.indicacion.visible = false;
        const Captura sin = pintar(c);
        const ColumnasDeTinta pintada = TintaEntre(con, sin, caja.top, caja.bottom);

        // The same text drawn where the line starts, with nothing to stop it.
        const auto libre = [&](bool conTexto) {
            return Captura(ventana.right + 2000, caja.bottom - caja.top, [&](HDC dc, const RECT& todo) {
                FillRect(dc, &todo, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                if (!conTexto) return;
                instalar::win32::ObjetoEnDc fuente(dc, dePintura.Obtener(c.indicacion.fuente));
                SetBkMode(dc, TRANSPARENT);
                ExtTextOutW(dc, caja.left, 0, 0, nullptr, instalar::win32::W(linea), static_cast<UINT>(linea.size()),
                            nullptr);
            });
        };
        const ColumnasDeTinta entera = TintaEntre(libre(true), libre(false), 0, caja.bottom - caja.top);

        const int limite = escala.Pixeles(double(c.indicacion.caja.izquierda) + c.indicacion.anchoMaximo);
        const std::string que = std::to_string(dpi) + " dpi, " + texto;
        ASSERT_GE(pintada.derecha, 0) << que << ": nothing painted";
        EXPECT_LE(limite, ventana.right - escala.Pixeles(c.indicacion.caja.izquierda)) << que;
        EXPECT_LT(pintada.derecha, limite) << que << ": ink past the window's right margin";
        if (texto == largo) {
            EXPECT_GE(entera.derecha, limite) << que << ": the long text fits; make it longer";
        } else {
            EXPECT_EQ(pintada.izquierda, entera.izquierda) << que;
            EXPECT_EQ(pintada.derecha, entera.derecha) << que << ": the line lost ink at its right end";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plataforma, LineaDeIndicacion, ::testing::Values(96, 120, 144, 192),
                         [](const auto& caso) { return std::to_string(caso.param) + "_dpi"; });

// ------------------------------------------------------------- measuring

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
    const instalar::win32::DCCreado referencia(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    ASSERT_TRUE(referencia);

    const instalar::Controles diseno = instalar::ControlesDeDiseno();
    for (instalar::Fuente fuente : {diseno.indicacion.fuente, diseno.descripcion.fuente, diseno.opciones[0].fuente,
                                    diseno.version.fuente, diseno.titulo.fuente}) {
        for (const bool negrita : {false, true}) {
            fuente.negrita = negrita;
            RECT caja{};
            {
                const instalar::win32::ObjetoEnDc seleccion(referencia.get(), fuentesReferencia.Obtener(fuente));
                DrawTextW(referencia.get(), texto.c_str(), static_cast<int>(texto.size()), &caja,
                          DT_CALCRECT | DT_LEFT | DT_NOCLIP);
            }

            const instalar::Tamano tamano = medida.MedirTexto(fuente, U(texto), 0);
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

// A high-contrast theme: the window is painted in the user's system colours
// and nothing else.  (Wine refuses SPI_SETHIGHCONTRAST, so the painter is
// handed here the colours the window chooses when the theme is on.)  The
// same picture in the design's colours shows that the difference comes
// from that choice.
class AltoContraste : public ::testing::Test {
protected:
    AltoContraste() : escala_(instalar::win32::DpiDePantalla()), fuentes_(instalar::win32::DpiDePantalla()) {
        controles_.titulo.texto = u"Oficina";
        controles_.version.texto = u"Versión 1.0";
        controles_.version.caja = {5500, 1695, 1070, 195};
        controles_.opciones[0].texto = u"Producto";
        // Where the bar stands once the window has its size.
        controles_.barra.caja = {15, 4995, 6750, 495};
        // A logo of one colour that nothing else has.
        const std::string bmp = Bmp24(40, 30, [](int, int) { return RGB(200, 30, 40); });
        logo_.Restablecer(static_cast<HBITMAP>(
            CreateDIBitmap(Dc(), reinterpret_cast<const BITMAPINFOHEADER*>(bmp.data() + 14), CBM_INIT,
                           bmp.data() + 54, reinterpret_cast<const BITMAPINFO*>(bmp.data() + 14), DIB_RGB_COLORS)));
    }

    static HDC Dc() {
        static const instalar::win32::DCVentana pantalla(nullptr);
        return pantalla.get();
    }

    Captura Pintar(bool altoContraste) {
        const RECT ventana = escala_.APixeles({0, 0, instalar::kAnchoVentana, instalar::kAltoVentana});
        herramientas::Lienzo lienzo(ventana.right, ventana.bottom);
        const instalar::win32::Apariencia apariencia{instalar::ColoresDePintura(controles_, altoContraste),
                                                     instalar::win32::Paleta::DelSistema(), std::nullopt};
        instalar::win32::RecursosPintura recursos;
        recursos.logo = logo_.get();
        instalar::win32::PintarContenido(lienzo.Dc(), SIZE{ventana.right, ventana.bottom}, controles_, apariencia,
                                         recursos, escala_, fuentes_);
        return lienzo.Pixeles();
    }

    RECT Zona(const instalar::Rectangulo& twips) const { return escala_.APixeles(twips); }
    POINT EnBarra() const { return {escala_.Pixeles(3000), escala_.Pixeles(5200)}; }
    POINT EnDivisoria() const { return {escala_.Pixeles(3550), escala_.Pixeles(3000)}; }

    instalar::Controles controles_ = instalar::ControlesDeDiseno();
    instalar::win32::Escala escala_;
    instalar::win32::Fuentes fuentes_;
    instalar::win32::MapaBits logo_;
};

TEST_F(AltoContraste, PaintsWithTheSystemColoursOnly) {
    const Captura propios = Pintar(false);
    const Captura alto = Pintar(true);
    const int derecha = alto.Ancho() - 1;
    const POINT barra = EnBarra();
    const POINT divisoria = EnDivisoria();

    EXPECT_EQ(TextoColor(propios.En(5, 5)), TextoColor(RGB(200, 30, 40))) << "the logo";
    EXPECT_EQ(TextoColor(propios.En(barra.x, barra.y)), TextoColor(diseno::Colorref(diseno::kBarra)));
    EXPECT_EQ(TextoColor(propios.En(0, 60)), TextoColor(diseno::Colorref(diseno::kBordeClaro)));
    EXPECT_EQ(TextoColor(propios.En(derecha, 60)), TextoColor(diseno::Colorref(diseno::kBordeOscuro)));
    EXPECT_EQ(TextoColor(propios.En(divisoria.x, divisoria.y)), TextoColor(diseno::Colorref(diseno::kDivisoria)));
    EXPECT_TRUE(ContieneColor(propios, Zona(controles_.titulo.caja), diseno::Colorref(diseno::kTextoTitulo)));
    EXPECT_TRUE(ContieneColor(propios, Zona(controles_.version.caja), diseno::Colorref(diseno::kTextoVersion)));

    EXPECT_EQ(TextoColor(alto.En(5, 5)), TextoColor(GetSysColor(COLOR_WINDOW))) << "a logo in high contrast";
    EXPECT_EQ(TextoColor(alto.En(barra.x, barra.y)), TextoColor(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(TextoColor(alto.En(0, 60)), TextoColor(GetSysColor(COLOR_WINDOWFRAME)));
    EXPECT_EQ(TextoColor(alto.En(derecha, 60)), TextoColor(GetSysColor(COLOR_WINDOWFRAME)));
    EXPECT_EQ(TextoColor(alto.En(divisoria.x, divisoria.y)), TextoColor(GetSysColor(COLOR_GRAYTEXT)));
    for (const instalar::Etiqueta* e : {&controles_.titulo, &controles_.version, &controles_.opciones[0]}) {
        const std::string que = Utf8(instalar::win32::W(e->texto));
        EXPECT_TRUE(ContieneColor(alto, Zona(e->caja), GetSysColor(COLOR_WINDOWTEXT))) << que;
    }
    EXPECT_FALSE(ContieneColor(alto, Zona(controles_.titulo.caja), diseno::Colorref(diseno::kTextoTitulo)));
    EXPECT_FALSE(ContieneColor(alto, Zona(controles_.version.caja), diseno::Colorref(diseno::kTextoVersion)));
}

// The system's colour as it was, put back when the test ends.
class ColorDelSistemaCambiado {
public:
    ColorDelSistemaCambiado(int indice, COLORREF nuevo) : indice_(indice), antes_(GetSysColor(indice)) {
        if (!SetSysColors(1, &indice_, &nuevo)) Fallar("SetSysColors");
    }
    ~ColorDelSistemaCambiado() { SetSysColors(1, &indice_, &antes_); }
    ColorDelSistemaCambiado(const ColorDelSistemaCambiado&) = delete;
    ColorDelSistemaCambiado& operator=(const ColorDelSistemaCambiado&) = delete;

private:
    int indice_;
    COLORREF antes_;
};

// The menu's own window in this test program, where a test can choose its
// resolution and its medium, and change the system's colours under it;
// driven through the same key preview as the program's message loop.
class VentanaDePrueba {
public:
    explicit VentanaDePrueba(const instalar::win32::OpcionesVentana& opciones = {}) {
        auto creada = instalar::win32::VentanaWin32::Crear(GetModuleHandleW(nullptr), opciones);
        if (!creada) throw std::runtime_error("the window could not be made");
        ventana_ = std::move(creada.valor());
        ventana_->Cargar();
        ventana_->Mostrar();
        hwnd_ = BuscarVentanaPrincipal(GetCurrentProcessId(), diseno::kTituloW);
        if (!hwnd_) throw std::runtime_error("the window is not on screen");
    }
    // At `dpi`, with the menu file of `medio`.
    VentanaDePrueba(const Medio& medio, int dpi) : VentanaDePrueba(Opciones(medio, dpi)) {}
    ~VentanaDePrueba() {
        ventana_.reset();
        Atender([] { return false; }, 0);  // its last messages, its WM_QUIT among them
    }
    VentanaDePrueba(const VentanaDePrueba&) = delete;
    VentanaDePrueba& operator=(const VentanaDePrueba&) = delete;

    HWND Hwnd() const { return hwnd_; }

    // Handles this thread's messages, keys through the window's preview as
    // the program's loop does, until `condicion` holds or the time is up.
    bool Atender(const std::function<bool()>& condicion, DWORD milisegundos) {
        return herramientas::Atender(condicion, milisegundos,
                                     [this](const MSG& mensaje) { return ventana_ && ventana_->PrevisualizarTecla(mensaje); });
    }

    // The second item selected, then the focus taken to the item list.
    void ElegirLaSegundaYEnfocarLaLista() {
        if (!TraerAlFrente(hwnd_)) throw std::runtime_error("the window did not come to the front");
        for (const auto& tecla : {std::pair<WORD, bool>{VK_DOWN, true}, {VK_TAB, false}, {VK_TAB, false}}) {
            if (tecla.second) PulsarTecla(tecla.first, {VK_CONTROL});
            else PulsarTecla(tecla.first);
            Atender([] { return false; }, 150);
        }
        if (GetFocus() != hwnd_) throw std::runtime_error("the item list did not take the focus");
    }

    // The inner area as it is on screen, once it no longer changes.
    Captura Interior() {
        auto ahora = [&] {
            RECT cliente{};
            GetClientRect(hwnd_, &cliente);
            MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&cliente), 2);
            return Captura(cliente);
        };
        Captura ultima = ahora();
        Atender(
            [&] {
                Captura otra = ahora();
                const bool igual = otra == ultima;
                ultima = std::move(otra);
                return igual;
            },
            3000);
        return ultima;
    }

private:
    static instalar::win32::OpcionesVentana Opciones(const Medio& medio, int dpi) {
        instalar::win32::OpcionesVentana opciones;
        opciones.dpi = dpi;
        opciones.lineaComandos = U(medio.RutaDe(L"instalar.inf"));
        return opciones;
    }

    std::unique_ptr<instalar::win32::VentanaWin32> ventana_;
    HWND hwnd_ = nullptr;
};

// A theme switched while the menu is open shows at once.  Wine keeps each
// process's system colours to itself, so the change is made here, in the
// process of the window: the menu's own window, in this test program.
TEST_F(AltoContraste, AChangedSystemColourShowsAtOnce) {
    VentanaDePrueba ventana;
    POINT fondo{escala_.Pixeles(3000), escala_.Pixeles(900)};
    ClientToScreen(ventana.Hwnd(), &fondo);
    const COLORREF antes = GetSysColor(COLOR_WINDOW);
    EXPECT_TRUE(ventana.Atender([&] { return PixelDePantalla(fondo) == antes; }, 3000));

    const COLORREF nuevo = RGB(250, 240, 200);
    {
        ColorDelSistemaCambiado cambio(COLOR_WINDOW, nuevo);
        COLORREF visto = CLR_INVALID;
        EXPECT_TRUE(ventana.Atender([&] { return (visto = PixelDePantalla(fondo)) == nuevo; }, 3000))
            << "the background is still " << TextoColor(visto);
    }
    EXPECT_TRUE(ventana.Atender([&] { return PixelDePantalla(fondo) == antes; }, 3000)) << "and back";
}

// ------------------------------------------- screen reader while disabled

// A screen reader's request is posted to the window, and the loop of a
// message box of the window's own dispatches it while the box is up and
// the window disabled.  Sent here straight to the window procedure of a
// disabled window, none of them may act: no item is chosen, "Instalar"
// does not run (here it would look for the item's file beside this test
// program, find none and say so in a second box), the window does not
// close.
class PeticionesConLaVentanaDeshabilitada : public ::testing::Test {
protected:
    void SetUp() override {
        medio_.Escribir(L"instalar.inf",
                        LineasCrLf({"Oficina", "1.0", "Uno;no-esta\\uno.exe;a", "Dos;no-esta\\dos.exe;b"}));
    }

    // Sends the request to the disabled window, handles what follows, and
    // enables the window again if it is still there.  A message box that
    // the request brings up (which would hold the test in its loop) is
    // closed, and its text kept in cuadro_.
    void PedirDeshabilitada(VentanaDePrueba& ventana, WPARAM w, LPARAM l) {
        EnableWindow(ventana.Hwnd(), FALSE);
        std::atomic<bool> hecho{false};
        std::thread vigilante([&] {
            Esperar(
                [&] {
                    if (hecho) return true;
                    const CuadroMensaje cuadro = BuscarCuadroMensaje(GetCurrentProcessId());
                    if (!cuadro.ventana) return false;
                    cuadro_ = cuadro.texto;
                    Aceptar(cuadro);
                    return true;
                },
                10000);
        });
        SendMessageW(ventana.Hwnd(), instalar::win32::kMensajePeticion, w, l);
        hecho = true;
        vigilante.join();
        ventana.Atender([] { return false; }, 300);
        if (IsWindow(ventana.Hwnd())) EnableWindow(ventana.Hwnd(), TRUE);
        EXPECT_EQ(Utf8(cuadro_), "") << "the request brought up a message box";
    }

    std::wstring NombreSeleccionado(HWND ventana) {
        ComIniciado com;
        const auto elegido = Seleccionado(ObjetoDeVentana(ventana));
        return elegido ? Nombre(*elegido) : L"(none)";
    }

    Medio medio_;
    std::wstring cuadro_;
};

constexpr LPARAM kPresionar = 1;  // the request's l: press the button named in w

TEST_F(PeticionesConLaVentanaDeshabilitada, NoEligenOpcion) {
    VentanaDePrueba ventana(medio_, 96);
    ASSERT_EQ(Utf8(NombreSeleccionado(ventana.Hwnd())), "Uno");
    PedirDeshabilitada(ventana, 1, 0);
    EXPECT_EQ(Utf8(NombreSeleccionado(ventana.Hwnd())), "Uno") << "a request chose an item in a disabled window";
}

TEST_F(PeticionesConLaVentanaDeshabilitada, NoInstalan) {
    VentanaDePrueba ventana(medio_, 96);
    PedirDeshabilitada(ventana, static_cast<WPARAM>(instalar::ParadaFoco::Instalar), kPresionar);
    EXPECT_TRUE(IsWindow(ventana.Hwnd())) << "a request pressed \"Instalar\"";
}

TEST_F(PeticionesConLaVentanaDeshabilitada, NoCierran) {
    VentanaDePrueba ventana(medio_, 96);
    PedirDeshabilitada(ventana, static_cast<WPARAM>(instalar::ParadaFoco::Cerrar), kPresionar);
    EXPECT_TRUE(IsWindow(ventana.Hwnd())) << "a request pressed \"Cerrar\"";
}

// ------------------------------------------------------------------ text

// The host decodes a menu file in the ANSI code page and compares names as
// Windows compares text without regard to case.  The checker, and the
// core's unit tests through their fake platform, take both as
// Windows-1252 with its letters' case: on a Western European Windows the
// host has to give the same answers, above all outside ASCII.
class TextoDelAnfitrion : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetACP() == 1252) return;
        if (BajoWine()) FAIL() << "the Wine prefix's ANSI code page is " << GetACP() << ", not 1252";
        GTEST_SKIP() << "this Windows' ANSI code page is " << GetACP()
                     << ", not 1252, the code page of these tests' menu files";
    }

    instalar::win32::ArchivosWin32 archivos_;
};

std::u16string Decodificado(unsigned char byte) {
    return instalar::comprobar::DesdeWindows1252(std::string(1, static_cast<char>(byte)));
}

std::string Hex(const std::u16string& texto) {
    std::string hex;
    for (const char16_t c : texto) {
        char unidad[8];
        std::snprintf(unidad, sizeof unidad, "U+%04X", static_cast<unsigned>(c));
        hex += (hex.empty() ? "" : " ") + std::string(unidad);
    }
    return hex.empty() ? "nothing" : hex;
}

TEST_F(TextoDelAnfitrion, DecodificaCadaByteComoWindows1252) {
    std::string todos;
    std::string diferencias;
    for (int b = 1; b <= 0xFF; ++b) {
        const std::string byte(1, static_cast<char>(b));
        todos += byte;
        const std::u16string anfitrion = archivos_.DesdeAnsi(byte);
        const std::u16string esperado = instalar::comprobar::DesdeWindows1252(byte);
        if (anfitrion != esperado) {
            char cual[64];
            std::snprintf(cual, sizeof cual, "\n  byte 0x%02X: ", static_cast<unsigned>(b));
            diferencias += cual + Hex(anfitrion) + " instead of " + Hex(esperado);
        }
    }
    EXPECT_EQ(diferencias, "");
    EXPECT_EQ(Hex(archivos_.DesdeAnsi(todos)), Hex(instalar::comprobar::DesdeWindows1252(todos)));
}

// Every letter of Windows-1252 (ASCII's, those among 0x80-0x9F, Latin-1's)
// and every byte of the block 0x80-0x9F.
std::vector<unsigned char> LetrasYBloque80() {
    std::vector<unsigned char> bytes;
    for (int b = 1; b <= 0xFF; ++b) {
        const bool letra = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == 0xAA || b == 0xB5 ||
                           b == 0xBA || (b >= 0xC0 && b != 0xD7 && b != 0xF7);
        if (letra || (b >= 0x80 && b <= 0x9F)) bytes.push_back(static_cast<unsigned char>(b));
    }
    return bytes;
}

TEST_F(TextoDelAnfitrion, ComparaCadaLetraSinMayusculasComoElComprobador) {
    const std::vector<unsigned char> bytes = LetrasYBloque80();
    std::string diferencias;
    int parejas = 0;
    for (const unsigned char x : bytes) {
        for (const unsigned char y : bytes) {
            const std::u16string a = Decodificado(x);
            const std::u16string b = Decodificado(y);
            const bool esperado = instalar::comprobar::SinMayusculas(a) == instalar::comprobar::SinMayusculas(b);
            const bool anfitrion = archivos_.IgualesSinMayusculas(a, b);
            if (esperado && x != y) ++parejas;
            if (anfitrion == esperado) continue;
            char cual[96];
            std::snprintf(cual, sizeof cual, "\n  0x%02X and 0x%02X: the host finds them %s", static_cast<unsigned>(x),
                          static_cast<unsigned>(y), anfitrion ? "the same" : "different");
            diferencias += cual;
        }
    }
    EXPECT_EQ(diferencias, "");
    // 26 letters of ASCII, 4 of the block 0x80-0x9F (Š, Œ, Ž, Ÿ), 30 of
    // Latin-1, each pair seen both ways.
    EXPECT_EQ(parejas, 2 * (26 + 4 + 30));
}

// The host groups a menu's names by their sort keys, so that a screen
// reader's descriptions are found without comparing every name with every
// other: two names the host finds equal must share a group, and, for the
// grouping to spare anything, two it finds different must not.
TEST_F(TextoDelAnfitrion, CadaLetraTieneElGrupoDeSusIguales) {
    const std::vector<unsigned char> bytes = LetrasYBloque80();
    std::string diferencias;
    for (const unsigned char x : bytes) {
        for (const unsigned char y : bytes) {
            const std::u16string a = Decodificado(x);
            const std::u16string b = Decodificado(y);
            const bool iguales = archivos_.IgualesSinMayusculas(a, b);
            const bool mismoGrupo = archivos_.GrupoDeNombre(a) == archivos_.GrupoDeNombre(b);
            if (iguales == mismoGrupo) continue;
            char cual[96];
            std::snprintf(cual, sizeof cual, "\n  0x%02X and 0x%02X: %s, %s", static_cast<unsigned>(x),
                          static_cast<unsigned>(y), iguales ? "the same" : "different",
                          mismoGrupo ? "one group" : "two groups");
            diferencias += cual;
        }
    }
    EXPECT_EQ(diferencias, "");
    EXPECT_FALSE(archivos_.GrupoDeNombre(u"Contabilidad").empty());
}

struct Nombres {
    const char* nombre;
    std::string a;  // Windows-1252 bytes, as in a menu file
    std::string b;
    bool mismoNombre;
};

void PrintTo(const Nombres& caso, std::ostream* salida) { *salida << caso.nombre; }

class NombresDelMenu : public TextoDelAnfitrion, public ::testing::WithParamInterface<Nombres> {};

TEST_P(NombresDelMenu, SonElMismoNombreSoloSiSoloCambianLasMayusculas) {
    const Nombres& caso = GetParam();
    const std::u16string a = archivos_.DesdeAnsi(caso.a);
    const std::u16string b = archivos_.DesdeAnsi(caso.b);
    EXPECT_EQ(archivos_.IgualesSinMayusculas(a, b), caso.mismoNombre) << Hex(a) << " / " << Hex(b);
    EXPECT_EQ(archivos_.IgualesSinMayusculas(b, a), caso.mismoNombre) << Hex(b) << " / " << Hex(a);
    EXPECT_EQ(archivos_.GrupoDeNombre(a) == archivos_.GrupoDeNombre(b), caso.mismoNombre) << "their groups";
    const auto comprobador = instalar::comprobar::SinMayusculas;
    EXPECT_EQ(comprobador(instalar::comprobar::DesdeWindows1252(caso.a)) ==
                  comprobador(instalar::comprobar::DesdeWindows1252(caso.b)),
              caso.mismoNombre)
        << "the checker";
}

INSTANTIATE_TEST_SUITE_P(
    Plataforma, NombresDelMenu,
    ::testing::Values(
        Nombres{"acentos_y_enie", "\xD3SCAR N\xDA\xD1" "EZ", "\xF3scar n\xFA\xF1" "ez", true},
        Nombres{"letras_del_bloque_80", "\x8A" "KODA \x8C" "UVRE \x8E" "IVOT \x9F" "VES",
                "\x9A" "koda \x9C" "uvre \x9E" "ivot \xFF" "ves", true},
        Nombres{"ligaduras_y_letras_nordicas", "\xC6GIR \xD0ORN \xDE" "OR \xC5SA \xD8YA",
                "\xE6gir \xF0orn \xFEor \xE5sa \xF8ya", true},
        Nombres{"euro_y_comillas", "\x80 \x84" "DOS\x93", "\x80 \x84" "dos\x93", true},
        Nombres{"un_acento_no_es_una_mayuscula", "\xD3scar", "Oscar", false},
        Nombres{"un_caron_no_es_una_mayuscula", "\x8A" "koda", "Skoda", false},
        Nombres{"por_y_entre", "a\xD7" "b", "a\xF7" "b", false},
        Nombres{"bytes_sin_definir", "a\x81", "a\x8D", false},
        Nombres{"comillas_distintas", "\x93" "Dos\x94", "\x84" "Dos\x94", false}),
    [](const auto& caso) { return std::string(caso.param.nombre); });


// ------------------------------------------------------------------ DPI

struct CambioDeDpi {
    int desde;
    int hasta;
};

void PrintTo(const CambioDeDpi& caso, std::ostream* salida) { *salida << caso.desde << "->" << caso.hasta; }

class CambiosDeDpi : public ::testing::TestWithParam<CambioDeDpi> {
protected:
    void SetUp() override {
        AparcarRaton();
        medio_.Escribir(L"instalar.inf", LineasCrLf({"Oficina 2024", "4.1", "Contabilidad;conta.exe;Instala la contabilidad",
                                                     "N\xF3minas;nominas.exe;Instala las n\xF3minas, con pagas extra y finiquitos",
                                                     "&Almac\xE9n;almacen.exe;Instala el almac\xE9n",
                                                     "Facturaci\xF3n;facturas.exe"}));
    }
    Medio medio_;
};

// A window that moves to a monitor of another resolution looks exactly like
// one that started there, with the same item selected and the list holding
// the focus: Windows sends WM_DPICHANGED with the rectangle it suggests
// (which Wine never does by itself, so the test does).
TEST_P(CambiosDeDpi, LaVentanaQuedaComoSiHubieraEmpezadoEnElNuevoMonitor) {
    const CambioDeDpi& caso = GetParam();
    Captura movida(1, 1, [](HDC, const RECT&) {});
    {
        VentanaDePrueba ventana(medio_, caso.desde);
        ventana.ElegirLaSegundaYEnfocarLaLista();
        const Captura antes = ventana.Interior();
        // Where Windows would put it: whole on the screen, here its middle.
        const instalar::win32::Escala nueva(caso.hasta);
        const int ancho = nueva.Pixeles(instalar::kAnchoVentana);
        const int alto = nueva.Pixeles(instalar::kAltoVentana);
        const int izquierda = (GetSystemMetrics(SM_CXSCREEN) - ancho) / 2;
        const int arriba = (GetSystemMetrics(SM_CYSCREEN) - alto) / 2;
        RECT sugerido{izquierda, arriba, izquierda + ancho, arriba + alto};
        SendMessageW(ventana.Hwnd(), WM_DPICHANGED, MAKEWPARAM(caso.hasta, caso.hasta),
                     reinterpret_cast<LPARAM>(&sugerido));
        movida = ventana.Interior();
        ASSERT_NE(movida, antes) << "nothing changed";
        EXPECT_EQ(GetFocus(), ventana.Hwnd()) << "the item list lost the focus";
    }
    VentanaDePrueba empezada(medio_, caso.hasta);
    empezada.ElegirLaSegundaYEnfocarLaLista();
    const Captura esperada = empezada.Interior();

    ASSERT_EQ(movida.Ancho(), esperada.Ancho());
    ASSERT_EQ(movida.Alto(), esperada.Alto());
    EXPECT_EQ(DiferenciaDePixeles(movida, esperada), "") << "against a window started at " << caso.hasta << " dpi";
}

INSTANTIATE_TEST_SUITE_P(Plataforma, CambiosDeDpi,
                         ::testing::Values(CambioDeDpi{96, 144}, CambioDeDpi{144, 96}, CambioDeDpi{96, 192},
                                           CambioDeDpi{96, 120}),
                         [](const auto& caso) {
                             return "de" + std::to_string(caso.param.desde) + "a" + std::to_string(caso.param.hasta);
                         });

// A WM_DPICHANGED that no screen could send (another program can post
// anything): the resolution is bounded to what the layout admits, and a
// place off every monitor is not followed, so the window stays where it was
// and as large as it would be at the bound.
struct DpiForjado {
    int pedido;
    int admitido;
};

class DpisForjados : public ::testing::TestWithParam<DpiForjado> {
protected:
    void SetUp() override { medio_.Escribir(L"instalar.inf", LineasCrLf({"Oficina", "1.0", "Uno;uno.exe;a"})); }
    Medio medio_;
};

RECT Marco(HWND ventana) {
    RECT marco{};
    GetWindowRect(ventana, &marco);
    return marco;
}

TEST_P(DpisForjados, QuedanEnLosLimitesYNoSacanLaVentanaDeLaPantalla) {
    VentanaDePrueba ventana(medio_, 96);
    const RECT antes = Marco(ventana.Hwnd());
    RECT fuera{-300000, -300000, -299000, -299000};
    SendMessageW(ventana.Hwnd(), WM_DPICHANGED, MAKEWPARAM(GetParam().pedido, GetParam().pedido),
                 reinterpret_cast<LPARAM>(&fuera));
    const RECT despues = Marco(ventana.Hwnd());
    const instalar::win32::Escala limite(GetParam().admitido);
    EXPECT_EQ(despues.right - despues.left, limite.Pixeles(instalar::kAnchoVentana));
    EXPECT_EQ(despues.bottom - despues.top, limite.Pixeles(instalar::kAltoVentana));
    EXPECT_NEAR((despues.left + despues.right) / 2, (antes.left + antes.right) / 2, 1);
    EXPECT_NEAR((despues.top + despues.bottom) / 2, (antes.top + antes.bottom) / 2, 1);
}

INSTANTIATE_TEST_SUITE_P(Plataforma, DpisForjados,
                         ::testing::Values(DpiForjado{1, 48}, DpiForjado{30000, 960}),
                         [](const auto& caso) { return "pide" + std::to_string(caso.param.pedido); });

// A rectangle that reaches a monitor by its far corner, while the window,
// at its own size from the rectangle's near corner, would lie far off every
// screen: the window keeps its centre, and stays on the screen.
TEST_F(DpisForjados, UnRectanguloQueSoloTocaLaPantallaPorSuEsquinaNoSeSigue) {
    VentanaDePrueba ventana(medio_, 96);
    const RECT antes = Marco(ventana.Hwnd());
    RECT tocaLaPantalla{-100000, -100000, 10, 10};
    ASSERT_NE(MonitorFromRect(&tocaLaPantalla, MONITOR_DEFAULTTONULL), nullptr) << "the rectangle should touch a monitor";
    SendMessageW(ventana.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&tocaLaPantalla));
    RECT despues = Marco(ventana.Hwnd());
    const instalar::win32::Escala nueva(144);
    EXPECT_EQ(despues.right - despues.left, nueva.Pixeles(instalar::kAnchoVentana));
    EXPECT_NEAR((despues.left + despues.right) / 2, (antes.left + antes.right) / 2, 1);
    EXPECT_NEAR((despues.top + despues.bottom) / 2, (antes.top + antes.bottom) / 2, 1);
    EXPECT_NE(MonitorFromRect(&despues, MONITOR_DEFAULTTONULL), nullptr) << "the window went off the screen";
}

// A WM_DESTROY that another program sends while the window lives unloads
// the model and cuts the screen reader's object off; a screen reader asking
// for the object afterwards (or for the first time between the window's
// real WM_DESTROY and its end) must not get one built on labels that are
// gone.
TEST_F(DpisForjados, TrasUnWmDestroyNoSeConstruyeElObjetoAccesible) {
    VentanaDePrueba ventana(medio_, 96);
    SendMessageW(ventana.Hwnd(), WM_DESTROY, 0, 0);
    EXPECT_EQ(SendMessageW(ventana.Hwnd(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)), 0)
        << "an accessible object was made after the window unloaded";
}

}  // namespace

// --- Libraries on a Windows 7 without update KB2533623 -------------------
//
// There LoadLibraryExW does not understand "System32 only" and fails with
// ERROR_INVALID_PARAMETER.  A stand-in loader answers so, and records what
// the host asks for next: a full path into System32, never a bare name that
// would find a DLL planted beside the program (except comctl32, whose bare
// name the manifest redirects to its side-by-side version).  The full path
// goes with LOAD_WITH_ALTERED_SEARCH_PATH: without it, the DLLs that the
// System32 DLL imports would still be looked for beside the program first.
// Only a Windows 7 without the update can show that load; the test holds
// the request to it.

namespace {
namespace bibliotecas {

constexpr DWORD kSoloSystem32 = 0x00000800;
std::vector<std::pair<std::wstring, DWORD>> pedidas;

instalar::win32::CargaDeBiblioteca ComoWindows7SinActualizar(const wchar_t* ruta, DWORD banderas) {
    pedidas.emplace_back(ruta, banderas);
    if (banderas & kSoloSystem32) return {nullptr, ERROR_INVALID_PARAMETER};
    const HMODULE modulo = LoadLibraryExW(ruta, nullptr, banderas);
    return {modulo, modulo ? ERROR_SUCCESS : GetLastError()};
}

instalar::win32::CargaDeBiblioteca SinLaBiblioteca(const wchar_t* ruta, DWORD banderas) {
    pedidas.emplace_back(ruta, banderas);
    return {nullptr, ERROR_MOD_NOT_FOUND};
}

std::wstring EnSystem32(const wchar_t* nombre) {
    wchar_t carpeta[MAX_PATH];
    const UINT largo = GetSystemDirectoryW(carpeta, MAX_PATH);
    return std::wstring(carpeta, largo) + L"\\" + nombre;
}

}  // namespace bibliotecas

struct CargaSinBandera {
    const wchar_t* nombre;
    std::wstring segundaPeticion;  // what the host asks for without the flag
    DWORD segundasBanderas;        // and how
};

class BibliotecasSinBandera : public ::testing::TestWithParam<CargaSinBandera> {};

TEST_P(BibliotecasSinBandera, SeCarganPorSuRutaEnSystem32) {
    bibliotecas::pedidas.clear();
    const auto biblioteca =
        instalar::win32::CargarBibliotecaDeSistema(GetParam().nombre, bibliotecas::ComoWindows7SinActualizar);
    ASSERT_EQ(bibliotecas::pedidas.size(), 2u);
    EXPECT_EQ(bibliotecas::pedidas[0].second, bibliotecas::kSoloSystem32);
    EXPECT_TRUE(MismaRuta(bibliotecas::pedidas[1].first, GetParam().segundaPeticion))
        << Utf8(bibliotecas::pedidas[1].first);
    EXPECT_EQ(bibliotecas::pedidas[1].second, GetParam().segundasBanderas);
    EXPECT_TRUE(biblioteca) << "the library exists in System32 and should have loaded";
}

INSTANTIATE_TEST_SUITE_P(Plataforma, BibliotecasSinBandera,
                         ::testing::Values(CargaSinBandera{L"oleacc.dll", bibliotecas::EnSystem32(L"oleacc.dll"),
                                                           LOAD_WITH_ALTERED_SEARCH_PATH},
                                           CargaSinBandera{L"shell32.dll", bibliotecas::EnSystem32(L"shell32.dll"),
                                                           LOAD_WITH_ALTERED_SEARCH_PATH},
                                           CargaSinBandera{L"comctl32.dll", L"comctl32.dll", 0}));

TEST(Bibliotecas, UnaQueNoEstaEnSystem32NoSeBuscaEnOtraParte) {
    bibliotecas::pedidas.clear();
    const auto biblioteca = instalar::win32::CargarBibliotecaDeSistema(L"shcore.dll", bibliotecas::SinLaBiblioteca);
    EXPECT_FALSE(biblioteca);
    ASSERT_EQ(bibliotecas::pedidas.size(), 1u);
    EXPECT_EQ(bibliotecas::pedidas[0].second, bibliotecas::kSoloSystem32);
}

}  // namespace
