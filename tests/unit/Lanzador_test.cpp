#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MenuDePrueba.h"
#include "common/Texto.h"
#include "launch/FalloDelShell.h"
#include "launch/Lanzador.h"

namespace instalar::prueba {
namespace {

struct CasoUnion {
    const char* nombre;
    std::u16string carpeta;
    std::u16string comando;
    std::u16string ruta;
};

void PrintTo(const CasoUnion& caso, std::ostream* os) { *os << caso.nombre; }

class RutaInstaladorTest : public ::testing::TestWithParam<CasoUnion> {};

TEST_P(RutaInstaladorTest, CarpetaBarraYComando) {
    EXPECT_EQ(RutaInstalador(GetParam().carpeta, GetParam().comando), GetParam().ruta);
}

INSTANTIATE_TEST_SUITE_P(
    Rutas, RutaInstaladorTest,
    ::testing::Values(CasoUnion{"Carpeta", u"C:\\medio", u"conta\\setup.exe", u"C:\\medio\\conta\\setup.exe"},
                      CasoUnion{"RaizDeUnidad", u"E:\\", u"setup.exe", u"E:\\\\setup.exe"},
                      CasoUnion{"ComandoVacio", u"C:\\medio", u"", u"C:\\medio\\"},
                      CasoUnion{"ConArgumentos", u"C:\\medio", u"setup.exe /S", u"C:\\medio\\setup.exe /S"},
                      CasoUnion{"ConEspacios", u"C:\\Mis programas", u"Conta 2000\\setup.exe",
                                u"C:\\Mis programas\\Conta 2000\\setup.exe"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

void EsperarPeticion(const PeticionProceso& peticion, const std::u16string& ruta, const std::u16string& carpeta) {
    EXPECT_EQ(peticion.aplicacion, ruta);
    EXPECT_EQ(peticion.lineaComandos, u"\"" + ruta + u"\"");
    EXPECT_EQ(peticion.carpetaTrabajo, carpeta);
    EXPECT_EQ(peticion.mostrar, 1);
}

struct CasoCarpeta {
    const char* nombre;
    std::u16string ruta;
    std::u16string carpetaTrabajo;
};

void PrintTo(const CasoCarpeta& caso, std::ostream* os) { *os << caso.nombre; }

class PeticionParaTest : public ::testing::TestWithParam<CasoCarpeta> {};

TEST_P(PeticionParaTest, ElArchivoEntreComillasYSuCarpeta) {
    EsperarPeticion(PeticionPara(GetParam().ruta), GetParam().ruta, GetParam().carpetaTrabajo);
}

INSTANTIATE_TEST_SUITE_P(
    Rutas, PeticionParaTest,
    ::testing::Values(CasoCarpeta{"Subcarpeta", u"C:\\medio\\conta\\setup.exe", u"C:\\medio\\conta"},
                      // "E:" alone would be the drive's current folder.
                      CasoCarpeta{"RaizDeUnidad", u"E:\\setup.exe", u"E:\\"},
                      CasoCarpeta{"RaizDeUnidadDoble", u"E:\\\\setup.exe", u"E:\\"},
                      CasoCarpeta{"ConEspacios", u"C:\\Mis programas\\Conta 2000\\setup.exe",
                                  u"C:\\Mis programas\\Conta 2000"},
                      CasoCarpeta{"CarpetaSinArchivo", u"C:\\medio\\", u"C:\\medio"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// The arguments follow the quoted path after one space, exactly as given;
// the shell gets them alone.  Without arguments the command line is the
// quoted path and nothing more, as it always was.
TEST(PeticionParaTest, LosArgumentosSiguenALaRutaTalCual) {
    const struct {
        const char16_t* argumentos;
        const char16_t* lineaComandos;
    } casos[] = {
        {u"", u"\"C:\\Mis programas\\setup.exe\""},
        {u"/S", u"\"C:\\Mis programas\\setup.exe\" /S"},
        {u"/D=\"C:\\Archivos de programa\"  %TEMP% ", u"\"C:\\Mis programas\\setup.exe\" /D=\"C:\\Archivos de programa\"  %TEMP% "},
    };
    for (const auto& caso : casos) {
        const PeticionProceso peticion = PeticionPara(u"C:\\Mis programas\\setup.exe", caso.argumentos);
        EXPECT_EQ(peticion.aplicacion, u"C:\\Mis programas\\setup.exe");
        EXPECT_EQ(peticion.lineaComandos, caso.lineaComandos);
        EXPECT_EQ(peticion.argumentos, caso.argumentos);
        EXPECT_EQ(peticion.carpetaTrabajo, u"C:\\Mis programas");
        EXPECT_FALSE(peticion.seguir);
    }
}

// ---------------------------------------------------------------------------
// The install command on a loaded menu

struct CasoPeticion {
    const char* nombre;
    std::u16string carpetaPrograma;
    std::string comando;
    std::u16string ruta;
    std::u16string carpetaTrabajo;
};

void PrintTo(const CasoPeticion& caso, std::ostream* os) { *os << caso.nombre; }

class PeticionTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoPeticion> {};

TEST_P(PeticionTest, IniciaElArchivoComprobadoEnSuCarpeta) {
    const CasoPeticion& caso = GetParam();
    p.carpeta = caso.carpetaPrograma;
    p.archivos[caso.carpetaPrograma + u"\\instalar.inf"] =
        LineasCrLf({"T", "V", "Otro;otro.exe;x", "Elegido;" + caso.comando + ";y"});
    p.archivos[caso.ruta] = "MZ";
    Cargar();
    ventana->ClicEnOpcion(1);
    ventana->Instalar();

    ASSERT_EQ(p.procesos.size(), 1u);
    EsperarPeticion(p.procesos[0], caso.ruta, caso.carpetaTrabajo);
    EXPECT_TRUE(p.ejecucionesShell.empty());
    EXPECT_TRUE(p.mensajes.empty());
    EXPECT_TRUE(ventana->Descargada());
}

INSTANTIATE_TEST_SUITE_P(
    Rutas, PeticionTest,
    ::testing::Values(
        CasoPeticion{"Subcarpeta", u"C:\\medio", "conta\\setup.exe", u"C:\\medio\\conta\\setup.exe",
                     u"C:\\medio\\conta"},
        CasoPeticion{"JuntoAlMenu", u"C:\\medio", "setup.exe", u"C:\\medio\\setup.exe", u"C:\\medio"},
        CasoPeticion{"RaizDeUnidad", u"E:\\", "setup.exe", u"E:\\\\setup.exe", u"E:\\"},
        CasoPeticion{"ConEspacios", u"C:\\Mis programas\\medio", "Conta 2000\\setup.exe",
                     u"C:\\Mis programas\\medio\\Conta 2000\\setup.exe", u"C:\\Mis programas\\medio\\Conta 2000"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// A failure as the host reports it: the system's text and number, and the
// program's own code for the failures the launch reacts to.
Error ErrorDeSistema(const char16_t* descripcion, uint32_t codigo, CodigoError propio = CodigoError::Sistema) {
    return Error{propio, descripcion, codigo};
}

struct CasoArranque {
    const char* nombre;
    std::string comando;
    std::u16string ruta;
    bool existe;
    std::vector<Fallo> resultadosProceso;
    std::vector<Fallo> resultadosShell;
    size_t procesos;
    size_t shell;
    std::optional<std::u16string> mensaje;
    bool descargada;
};

void PrintTo(const CasoArranque& caso, std::ostream* os) { *os << caso.nombre; }

class ArranqueTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoArranque> {};

TEST_P(ArranqueTest, IniciaOAvisaConLaRuta) {
    const CasoArranque& caso = GetParam();
    Escribir({"T", "V", "Otro;otro.exe;x", "Elegido;" + caso.comando + ";y"});
    if (caso.existe) p.archivos[caso.ruta] = "MZ";
    p.resultadosProceso = caso.resultadosProceso;
    p.resultadosShell = caso.resultadosShell;
    Cargar();
    ventana->ClicEnOpcion(1);
    const std::u16string descripcion = V().descripcion.texto;

    ventana->Instalar();

    ASSERT_EQ(p.procesos.size(), caso.procesos);
    ASSERT_EQ(p.ejecucionesShell.size(), caso.shell);
    for (const auto& peticion : p.procesos) EsperarPeticion(peticion, caso.ruta, u"C:\\medio");
    // The shell gets the very same request.
    for (const auto& peticion : p.ejecucionesShell) EsperarPeticion(peticion, caso.ruta, u"C:\\medio");
    if (caso.mensaje) {
        ASSERT_EQ(p.mensajes.size(), 1u);
        EXPECT_EQ(p.mensajes[0].texto, *caso.mensaje);
        EXPECT_EQ(p.mensajes[0].titulo, kTituloVentana);
    } else {
        EXPECT_TRUE(p.mensajes.empty());
    }
    EXPECT_EQ(ventana->Descargada(), caso.descargada);
    if (!caso.descargada) {
        EXPECT_EQ(Negritas(), Indices{1});
        EXPECT_EQ(V().descripcion.texto, descripcion);
    }
}

const std::u16string kSetup = u"C:\\medio\\setup.exe";
const std::u16string kManual = u"C:\\medio\\manual.txt";
const std::u16string kPaquete = u"C:\\medio\\paquete.msi";
const std::u16string kRoto = u"C:\\medio\\roto.exe";
const Error kIncompatible = ErrorDeSistema(u"Esta versión de setup.exe no es compatible con Windows", 216);
const Error kNoEsUnPrograma =
    ErrorDeSistema(u"Formato EXE erróneo en manual.txt.", 193, CodigoError::NoEsUnPrograma);
const Error kRotoNoEsUnPrograma =
    ErrorDeSistema(u"Formato EXE erróneo en roto.exe.", 193, CodigoError::NoEsUnPrograma);
const Error kSinAsociacion = ErrorDeSistema(u"No hay ninguna aplicación asociada.", 1155);
const Error kRequiereElevacion = ErrorDeSistema(u"La operación solicitada requiere elevación", 740, CodigoError::RequiereElevacion);
const Error kCancelado = ErrorDeSistema(u"El usuario canceló la operación", 1223, CodigoError::CanceladoPorUsuario);
const Error kAccesoDenegado = ErrorDeSistema(u"Acceso denegado", 5);

INSTANTIATE_TEST_SUITE_P(
    Resultados, ArranqueTest,
    ::testing::Values(
        CasoArranque{"Inicia", "setup.exe", kSetup, true, {}, {}, 1, 0, std::nullopt, true},
        CasoArranque{"NoExiste", "falta.exe", u"C:\\medio\\falta.exe", false, {}, {}, 0, 0,
                     u"No se encontró el archivo\r\nC:\\medio\\falta.exe", false},
        // The arguments become part of the name that is looked for.
        CasoArranque{"ConArgumentos", "setup.exe /S", u"C:\\medio\\setup.exe /S", false, {}, {}, 0, 0,
                     u"No se encontró el archivo\r\nC:\\medio\\setup.exe /S", false},
        CasoArranque{"ComandoVacio", "", u"C:\\medio\\", false, {}, {}, 0, 0,
                     u"No se encontró el archivo\r\nC:\\medio\\", false},
        // A program that Windows refuses to run is not offered to the shell.
        CasoArranque{"NoSePuedeIniciar", "setup.exe", kSetup, true, {kIncompatible}, {}, 1, 0,
                     u"Esta versión de setup.exe no es compatible con Windows\r\n" + kSetup, false},
        // Packages and documents: process creation refuses them, the shell
        // opens them with the program registered for their type.
        // Packages and documents go straight to the shell, which opens them
        // with the program registered for their type: process creation is
        // not even tried, so whatever it would say of them cannot stop them
        // (from a folder that may be read but not executed it says "access
        // denied").
        CasoArranque{"Documento", "manual.txt", kManual, true, {kNoEsUnPrograma}, {}, 0, 1, std::nullopt, true},
        CasoArranque{"Paquete", "paquete.msi", kPaquete, true, {kNoEsUnPrograma}, {}, 0, 1, std::nullopt, true},
        CasoArranque{"DocumentoSinPermisoDeEjecucion", "manual.txt", kManual, true, {kAccesoDenegado}, {}, 0, 1,
                     std::nullopt, true},
        CasoArranque{"DocumentoSinAsociacion", "manual.txt", kManual, true, {}, {kSinAsociacion}, 0, 1,
                     u"No hay ninguna aplicación asociada.\r\n" + kManual, false},
        CasoArranque{"DocumentoQueLaShellNoAbre", "manual.txt", kManual, true, {}, {kAccesoDenegado}, 0, 1,
                     u"Acceso denegado\r\n" + kManual, false},
        // The program registered for packages may ask for consent too.
        CasoArranque{"PaqueteRechazado", "paquete.msi", kPaquete, true, {}, {kCancelado}, 0, 1, std::nullopt,
                     false},
        // A broken program fails the same way in the shell: one try there,
        // then the shell's own error.
        CasoArranque{"ProgramaRoto", "roto.exe", kRoto, true, {kRotoNoEsUnPrograma}, {kRotoNoEsUnPrograma}, 1, 1,
                     u"Formato EXE erróneo en roto.exe.\r\n" + kRoto, false},
        CasoArranque{"ElevacionAceptada", "setup.exe", kSetup, true, {kRequiereElevacion}, {}, 1, 1, std::nullopt,
                     true},
        // Declining the consent prompt is the user's choice, not an error.
        CasoArranque{"ElevacionRechazada", "setup.exe", kSetup, true, {kRequiereElevacion}, {kCancelado}, 1, 1,
                     std::nullopt, false},
        CasoArranque{"ElevacionFallida", "setup.exe", kSetup, true, {kRequiereElevacion}, {kAccesoDenegado}, 1, 1,
                     u"Acceso denegado\r\n" + kSetup, false}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Which files start as programs and which go to the shell.
TEST(EsProgramaTest, PorLaExtensionSinDistinguirMayusculas) {
    const struct {
        const char16_t* ruta;
        bool programa;
    } casos[] = {
        {u"C:\\medio\\setup.exe", true},        {u"C:\\medio\\SETUP.EXE", true},
        {u"C:\\medio\\viejo.com", true},        {u"C:\\medio\\instala.bat", true},
        {u"C:\\medio\\instala.Cmd", true},      {u"C:\\medio\\instalador", true},
        {u"C:\\medio.d\\instalador", true},     {u"C:\\medio\\manual.pdf", false},
        {u"C:\\medio\\paquete.msi", false},     {u"C:\\medio\\acceso.lnk", false},
        {u"C:\\medio\\setup.exe.txt", false},   {u"C:\\medio\\pagina.html", false},
    };
    for (const auto& caso : casos) EXPECT_EQ(EsPrograma(caso.ruta), caso.programa) << AUtf8(caso.ruta);
}

// Windows drops the spaces and dots at the end of a path before it opens
// the file, so the decision is made on what it will open: "setup.exe " is
// the program setup.exe, started and waited for, never a document.
TEST(EsProgramaTest, DecideSobreLaRutaQueLeeWindows) {
    const struct {
        const char16_t* ruta;
        bool programa;
        bool paquete;
        bool lote;
    } casos[] = {
        {u"C:\\medio\\conta\\setup.exe ", true, false, false},
        {u"C:\\medio\\conta\\setup.exe.", true, false, false},
        {u"C:\\medio\\conta\\setup.exe . .", true, false, false},
        {u"C:\\medio\\nominas.msi  ", false, true, false},
        {u"C:\\medio\\util\\instala.bat. ", true, false, true},
        {u"C:\\medio\\util\\instala.CMD", true, false, true},
        {u"C:\\medio\\manual.pdf ", false, false, false},
        {u"C:\\medio\\manual.pdf.exe.", true, false, false},
        {u"C:\\medio\\setup. ", true, false, false},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(EsPrograma(caso.ruta), caso.programa) << AUtf8(caso.ruta);
        EXPECT_EQ(EsPaquete(caso.ruta), caso.paquete) << AUtf8(caso.ruta);
        EXPECT_EQ(EsArchivoPorLotes(caso.ruta), caso.lote) << AUtf8(caso.ruta);
    }
}

// A program written with a space at its end starts as a program, and the
// menu that comes back waits for it.
TEST(SeguirTest, UnProgramaConEspacioFinalSeArrancaYSeEspera) {
    PlataformaFalsa p;
    const std::u16string escrita = u"C:\\medio\\conta\\setup.exe ";
    p.archivos[escrita] = "MZ";
    auto arranque = IniciarYSeguir(p, escrita, u"/S");
    ASSERT_TRUE(arranque.ok()) << AUtf8(arranque.error().descripcion);
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_TRUE(p.ejecucionesShell.empty());
    EXPECT_TRUE(p.procesos[0].seguir);
    EXPECT_NE(arranque.valor().proceso, nullptr);
}

// The shell's reason for a failure, as an error whose text can be shown:
// never 0, whose text would say the operation succeeded.
TEST(FalloDelShellTest, SiempreUnErrorConTextoDeError) {
    const struct {
        uint32_t ultimoError;
        intptr_t resultado;  // hInstApp
        uint32_t esperado;
    } casos[] = {
        {0, 29, 1156},    // SE_ERR_DDEFAIL alone
        {0, 28, 1460},    // SE_ERR_DDETIMEOUT alone
        {0, 27, 1155},    // SE_ERR_ASSOCINCOMPLETE alone
        {0, 32, 1157},    // SE_ERR_DLLNOTFOUND alone
        {0, 31, 1155},    // SE_ERR_NOASSOC alone
        {0, 2, 2},        // SE_ERR_FNF alone
        {0, 42, 1003},    // nothing says why
        {0, 0, 1003},
        {5, 5, 5},        // the last error, where there is one
        {1223, 5, 1223},
        {193, 31, 1155},  // Wine: its own try's error, and "no program" in hInstApp
    };
    for (const auto& caso : casos)
        EXPECT_EQ(CodigoDelFalloDelShell(caso.ultimoError, caso.resultado), caso.esperado)
            << caso.ultimoError << ", " << caso.resultado;
}

// Setup files used by the tests below.
class InstalarTest : public MenuDePrueba {
protected:
    void SetUp() override {
        p.archivos[u"C:\\medio\\a1.exe"] = "MZ";
        p.archivos[u"C:\\medio\\a2.exe"] = "MZ";
    }
};

TEST_F(InstalarTest, CadaNombreLanzaSuPropioComandoAunqueSoloCambienMayusculas) {
    Escribir({"T", "V", "Alfa;a1.exe;Primera", "ALFA;a2.exe;Segunda"});
    Cargar();
    ventana->ClicEnOpcion(1);
    ventana->Instalar();
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_EQ(p.procesos[0].aplicacion, u"C:\\medio\\a2.exe");
}

TEST_F(InstalarTest, TrasUnFalloSePuedeElegirOtra) {
    Escribir({"T", "V", "Alfa;a1.exe;Primera", "Falta;falta.exe;Segunda"});
    Cargar();
    ventana->ClicEnOpcion(1);
    ventana->Instalar();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_TRUE(p.procesos.empty());
    EXPECT_FALSE(ventana->Descargada());

    ventana->ClicEnOpcion(0);
    ventana->Instalar();
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_EQ(p.procesos[0].aplicacion, u"C:\\medio\\a1.exe");
    EXPECT_TRUE(ventana->Descargada());
}

// ---------------------------------------------------------------------------
// Commands with arguments: "<file>" <arguments>

struct CasoArgumentos {
    const char* nombre;
    std::string comando;
    std::u16string ruta;  // the file that is checked and started
    std::u16string argumentos;
    std::vector<Fallo> resultadosProceso;
    size_t procesos;
    size_t shell;
};

void PrintTo(const CasoArgumentos& caso, std::ostream* os) { *os << caso.nombre; }

class ArgumentosTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoArgumentos> {};

// Whichever way the file starts, it is the checked file, and it gets the
// arguments exactly as written in the menu.
TEST_P(ArgumentosTest, ElArchivoComprobadoRecibeLosArgumentosTalCual) {
    const CasoArgumentos& caso = GetParam();
    p.carpeta = u"C:\\mi medio";
    p.archivos[u"C:\\mi medio\\instalar.inf"] = LineasCrLf({"T", "V", "Otro;otro.exe;x", "Elegido;" + caso.comando + ";y"});
    p.archivos[caso.ruta] = "MZ";
    p.resultadosProceso = caso.resultadosProceso;
    Cargar();
    ventana->ClicEnOpcion(1);

    ventana->Instalar();

    EXPECT_TRUE(p.mensajes.empty());
    EXPECT_TRUE(ventana->Descargada());
    ASSERT_EQ(p.procesos.size(), caso.procesos);
    ASSERT_EQ(p.ejecucionesShell.size(), caso.shell);
    std::vector<PeticionProceso> peticiones = p.procesos;
    peticiones.insert(peticiones.end(), p.ejecucionesShell.begin(), p.ejecucionesShell.end());
    for (const PeticionProceso& peticion : peticiones) {
        EXPECT_EQ(peticion.aplicacion, caso.ruta);
        EXPECT_EQ(peticion.lineaComandos, u"\"" + caso.ruta + u"\" " + caso.argumentos);
        EXPECT_EQ(peticion.argumentos, caso.argumentos);
        EXPECT_FALSE(peticion.seguir);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Comandos, ArgumentosTest,
    ::testing::Values(
        CasoArgumentos{"Programa", "\"conta\\setup.exe\" /S /lang=es", u"C:\\mi medio\\conta\\setup.exe",
                       u"/S /lang=es", {}, 1, 0},
        CasoArgumentos{"CarpetaConEspacios", "\"Conta 2000\\setup.exe\"  /D=\"C:\\Archivos de programa\" %TEMP%",
                       u"C:\\mi medio\\Conta 2000\\setup.exe", u"/D=\"C:\\Archivos de programa\" %TEMP%", {}, 1, 0},
        CasoArgumentos{"ProcesoPorLotes", "\"util\\instala.bat\" silencioso", u"C:\\mi medio\\util\\instala.bat",
                       u"silencioso", {}, 1, 0},
        // The shell gets them as the parameters of a package or document.
        CasoArgumentos{"Paquete", "\"nominas\\nominas.msi\" /qb", u"C:\\mi medio\\nominas\\nominas.msi", u"/qb", {},
                       0, 1},
        CasoArgumentos{"Documento", "\"manual.txt\" /p", u"C:\\mi medio\\manual.txt", u"/p", {}, 0, 1},
        // And so does the start through the shell that asks for consent.
        CasoArgumentos{"Elevacion", "\"setup.exe\" /S", u"C:\\mi medio\\setup.exe", u"/S",
                       {kRequiereElevacion}, 1, 1}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

struct CasoMalFormado {
    const char* nombre;
    std::string comando;
    std::u16string mensaje;
};

void PrintTo(const CasoMalFormado& caso, std::ostream* os) { *os << caso.nombre; }

class ComandoMalFormadoTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoMalFormado> {};

// A quoted command that names no file says why, with the path, and starts
// nothing, even where a file of that name exists; the menu stays to choose
// again.
TEST_P(ComandoMalFormadoTest, AvisaConLaRutaYNoIniciaNada) {
    const CasoMalFormado& caso = GetParam();
    Escribir({"T", "V", "Otro;otro.exe;x", "Elegido;" + caso.comando + ";y"});
    p.archivos[u"C:\\medio\\conta\\setup.exe /S"] = "MZ";
    p.archivos[u"C:\\medio\\\" /S"] = "MZ";
    Cargar();
    ventana->ClicEnOpcion(1);

    ventana->Instalar();

    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, caso.mensaje);
    EXPECT_EQ(p.mensajes[0].titulo, kTituloVentana);
    EXPECT_TRUE(p.procesos.empty());
    EXPECT_TRUE(p.ejecucionesShell.empty());
    EXPECT_FALSE(ventana->Descargada());
    EXPECT_EQ(Negritas(), Indices{1});
}

INSTANTIATE_TEST_SUITE_P(
    Comandos, ComandoMalFormadoTest,
    ::testing::Values(CasoMalFormado{"SinComillaDeCierre", "\"conta\\setup.exe /S",
                                     u"Falta la comilla que cierra la ruta del programa\r\nC:\\medio\\conta\\setup.exe /S"},
                      CasoMalFormado{"RutaVacia", "\"\" /S",
                                     u"No hay ninguna ruta de programa entre las comillas\r\nC:\\medio\\"},
                      // What Windows reads (up to the NUL) exists, but is not what the command names.
                      CasoMalFormado{"ConUnNul", std::string("conta\\setup.exe /S\0.pdf", 23),
                                     u"Nombre o número de archivo incorrecto\r\nC:\\medio\\conta\\setup.exe /S" +
                                         std::u16string(1, u'\0') + u".pdf"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// The existence check looks at the path alone: a file named like the whole
// command does not make a missing program start.
TEST_F(InstalarTest, LaComprobacionDeExistenciaMiraSoloLaRuta) {
    p.archivos[u"C:\\medio\\falta.exe\" /S"] = "MZ";
    Escribir({"T", "V", "Falta;\"falta.exe\" /S;x"});
    Cargar();
    ventana->Instalar();
    EXPECT_TRUE(p.procesos.empty());
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, u"No se encontró el archivo\r\nC:\\medio\\falta.exe");
}

// ---------------------------------------------------------------------------
// Starting a setup to wait for it

struct CasoSeguir {
    const char* nombre;
    std::u16string ruta;
    std::vector<Fallo> resultadosProceso;
    std::vector<Fallo> resultadosShell;
    size_t procesos;
    size_t shell;
    bool seguir;  // the start asks to follow the process
    Arrancado inicio;
};

void PrintTo(const CasoSeguir& caso, std::ostream* os) { *os << caso.nombre; }

class SeguirTest : public ::testing::TestWithParam<CasoSeguir> {};

TEST_P(SeguirTest, DevuelveLoQueHayQueEsperar) {
    const CasoSeguir& caso = GetParam();
    PlataformaFalsa p;
    p.archivos[caso.ruta] = "MZ";
    p.resultadosProceso = caso.resultadosProceso;
    p.resultadosShell = caso.resultadosShell;

    auto arranque = IniciarYSeguir(p, caso.ruta, u"/S");

    ASSERT_TRUE(arranque.ok()) << AUtf8(arranque.error().descripcion);
    EXPECT_EQ(arranque.valor().inicio, caso.inicio);
    ASSERT_EQ(p.procesos.size(), caso.procesos);
    ASSERT_EQ(p.ejecucionesShell.size(), caso.shell);
    for (const auto* peticiones : {&p.procesos, &p.ejecucionesShell})
        for (const PeticionProceso& peticion : *peticiones) {
            EXPECT_EQ(peticion.seguir, caso.seguir);
            EXPECT_EQ(peticion.argumentos, u"/S");
        }
    // Declined, nothing started: nothing to wait for.
    const bool conProceso = caso.seguir && caso.inicio == Arrancado::Iniciado;
    ASSERT_EQ(arranque.valor().proceso != nullptr, conProceso);
    if (!conProceso) return;
    // What comes back is the started process, as the platform reports it.
    ASSERT_EQ(p.seguidos.size(), 1u);
    EXPECT_FALSE(arranque.valor().proceso->Mirar().terminado);
    p.seguidos[0]->terminado = true;
    p.seguidos[0]->codigoSalida = 3010;
    EXPECT_TRUE(arranque.valor().proceso->Mirar().terminado);
    EXPECT_EQ(arranque.valor().proceso->Mirar().codigoSalida, 3010u);
}

INSTANTIATE_TEST_SUITE_P(
    Arranques, SeguirTest,
    ::testing::Values(
        CasoSeguir{"Programa", kSetup, {}, {}, 1, 0, true, Arrancado::Iniciado},
        CasoSeguir{"Paquete", kPaquete, {}, {}, 0, 1, true, Arrancado::Iniciado},
        CasoSeguir{"ElevacionAceptada", kSetup, {kRequiereElevacion}, {}, 1, 1, true, Arrancado::Iniciado},
        // A document is not waited for: the menu simply stays.
        CasoSeguir{"Documento", kManual, {}, {}, 0, 1, false, Arrancado::Iniciado},
        CasoSeguir{"ElevacionRechazada", kSetup, {kRequiereElevacion}, {kCancelado}, 1, 1, true,
                   Arrancado::RechazadoPorUsuario}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(SeguirTest, UnProgramaQueNoExisteEsUnErrorSinArranque) {
    PlataformaFalsa p;
    auto arranque = IniciarYSeguir(p, u"C:\\medio\\falta.exe", u"/S");
    ASSERT_FALSE(arranque.ok());
    EXPECT_EQ(arranque.error().codigo, CodigoError::ArchivoNoEncontrado);
    EXPECT_TRUE(p.procesos.empty());
    EXPECT_TRUE(p.ejecucionesShell.empty());
}

// The menu that closes after the start follows nothing.
TEST(SeguirTest, SinEsperaNoSeSigueNada) {
    PlataformaFalsa p;
    p.archivos[kSetup] = "MZ";
    ASSERT_TRUE(IniciarInstalador(p, kSetup, u"/S").ok());
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_FALSE(p.procesos[0].seguir);
    EXPECT_TRUE(p.seguidos.empty());
}

TEST(EsPaqueteTest, SoloLosDeWindowsInstaller) {
    const struct {
        const char16_t* ruta;
        bool paquete;
    } casos[] = {
        {u"C:\\medio\\nominas.msi", true},  {u"C:\\medio\\PARCHE.MSP", true},
        {u"C:\\medio\\setup.exe", false},   {u"C:\\medio\\manual.pdf", false},
        {u"C:\\medio.msi\\setup", false},   {u"C:\\medio\\msi", false},
    };
    for (const auto& caso : casos) EXPECT_EQ(EsPaquete(caso.ruta), caso.paquete) << AUtf8(caso.ruta);
}

}  // namespace
}  // namespace instalar::prueba
