#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "common/Texto.h"
#include "comprobar/Comprobador.h"
#include "comprobar/Listado.h"
#include "comprobar/SistemaArchivosReal.h"
#include "herramientas/CarpetaTemporal.h"

namespace instalar::comprobar {
namespace {

using herramientas::CarpetaTemporal;
using prueba::LineasCrLf;

// A finding expected at a line, told apart from others by a piece of its message.
struct Esperado {
    int linea;
    Gravedad gravedad;
    const char* fragmento;
};

// A menu folder "medio": instalar.inf with these bytes (none: no such file),
// and setup programs and folders relative to it.
struct CasoMenu {
    const char* nombre;
    std::optional<std::string> menu;
    std::vector<std::string> archivos;
    std::vector<std::string> carpetas;
    std::vector<Esperado> hallazgos;
};

void PrintTo(const CasoMenu& caso, std::ostream* os) { *os << caso.nombre; }

std::string Escritos(const std::vector<Hallazgo>& hallazgos) {
    std::string texto;
    for (const Hallazgo& h : hallazgos) texto += Formatear("instalar.inf", h) + "\n";
    return texto;
}

// Lays the case out in a temporary folder and checks it with the real file system.
Informe ComprobarCaso(const CasoMenu& caso, const CarpetaTemporal& carpeta) {
    if (caso.menu) carpeta.Escribir("medio/instalar.inf", *caso.menu);
    for (const auto& archivo : caso.archivos) carpeta.Escribir("medio/" + archivo, "MZ");
    for (const auto& sub : caso.carpetas) carpeta.CrearCarpeta("medio/" + sub);
    carpeta.CrearCarpeta("medio");
    SistemaArchivosReal sistema;
    const auto medio = carpeta.Ruta() / "medio";
    return ComprobarMenu(medio / "instalar.inf", medio, sistema);
}

class ComprobadorTest : public ::testing::TestWithParam<CasoMenu> {};

TEST_P(ComprobadorTest, EncuentraCadaProblemaEnSuLinea) {
    const CasoMenu& caso = GetParam();
    CarpetaTemporal carpeta{"comprobar-"};
    const Informe informe = ComprobarCaso(caso, carpeta);

    const std::string escritos = Escritos(informe.hallazgos);
    ASSERT_EQ(informe.hallazgos.size(), caso.hallazgos.size()) << escritos;
    for (size_t i = 0; i < caso.hallazgos.size(); ++i) {
        const Hallazgo& hallado = informe.hallazgos[i];
        const Esperado& esperado = caso.hallazgos[i];
        EXPECT_EQ(hallado.linea, esperado.linea) << escritos;
        EXPECT_EQ(hallado.gravedad, esperado.gravedad) << escritos;
        EXPECT_NE(hallado.mensaje.find(esperado.fragmento), std::string::npos)
            << "se esperaba «" << esperado.fragmento << "» en\n" << escritos;
    }
}

using Lineas = std::vector<std::string>;
const Gravedad E = Gravedad::Error;
const Gravedad A = Gravedad::Aviso;
const Gravedad N = Gravedad::Nota;

// Little-endian UTF-16 bytes, mark first, of lines given in UTF-8.
std::string EnUtf16(const Lineas& lineas) {
    std::string bytes = "\xFF\xFE";
    for (const auto& linea : lineas) {
        for (const char16_t c : DesdeUtf8(linea + "\r\n")) {
            bytes.push_back(static_cast<char>(c & 0xFF));
            bytes.push_back(static_cast<char>(c >> 8));
        }
    }
    return bytes;
}

std::string Menu(Lineas opciones) {
    opciones.insert(opciones.begin(), {"Men\xFA", "1.0"});
    return LineasCrLf(opciones);
}

// `n` entries named o1, o2... that all start p.exe.
std::string MenuDe(int n) {
    Lineas opciones;
    for (int i = 1; i <= n; ++i) opciones.push_back("o" + std::to_string(i) + ";p.exe;d");
    return Menu(opciones);
}

const std::vector<std::string> kAlfa = {"alfa/setup.exe"};
const std::string kOpcionAlfa = "Alfa;alfa\\setup.exe;Instala Alfa";

std::vector<CasoMenu> CasosSinHallazgos() {
    return {
        {"Limpio", Menu({"; Programas del medio", kOpcionAlfa, "Beta;beta\\setup.exe;Instala Beta"}),
         {"alfa/setup.exe", "beta/setup.exe"}, {}, {}},
        // Blank lines, lines of spaces or tabs, and comments are ignored on purpose.
        {"BlancosYComentarios", Menu({"", "   ", "\t", ";Alfa sin separador", kOpcionAlfa}), kAlfa, {}, {}},
        // Windows file names do not tell letter case apart.
        {"MayusculasEnLaRuta", Menu({"Alfa;ALFA\\Setup.EXE;d"}), kAlfa, {}, {}},
        // Windows drops spaces and dots at the end of a path.
        {"EspacioFinalEnElPrograma", Menu({"Alfa;alfa\\setup.exe ;d"}), kAlfa, {}, {}},
        {"SeparadoresYPuntos", Menu({"Alfa;.\\alfa\\\\x\\..\\setup.exe;d", "Beta;alfa/setup.exe.;d"}), kAlfa, {}, {}},
        // Windows reads the program "setup.exe " as setup.exe: a program, whose arguments are no warning.
        {"EspacioFinalEnUnProgramaConArgumentos", Menu({"Alfa;\"alfa\\setup.exe \" /S;d", "Beta;\"alfa\\setup.exe.\" /S;d"}),
         kAlfa, {}, {}},
        {"ProgramaConEspacios", Menu({"Alfa;mis programas\\setup alfa.exe;d"}), {"mis programas/setup alfa.exe"},
         {}, {}},
        {"DobleAmpersand", Menu({"P\xE9rez && Hijos;alfa\\setup.exe;Uno && dos"}), kAlfa, {}, {}},
        // Ending with ";" deliberately clears the description area.
        {"DescripcionVacia", Menu({"Alfa;alfa\\setup.exe;"}), kAlfa, {}, {}},
        {"OchoOpcionesCaben", MenuDe(8), {"p.exe"}, {}, {}},
        // The shell opens packages and documents with their programs.
        // Arguments after a path in quotes, for a program, a script or a package.
        {"ProgramaEntreComillas", Menu({"Alfa;\"alfa\\setup.exe\";d"}), kAlfa, {}, {}},
        {"Volver", Menu({";@volver", kOpcionAlfa}), kAlfa, {}, {}},
        {"PaquetesYDocumentos", Menu({"Paquete;alfa\\alfa.msi;d", "Manual;docs\\manual.pdf;d", "Atajo;atajo.lnk;d"}),
         {"alfa/alfa.msi", "docs/manual.pdf", "atajo.lnk"}, {}, {}},
    };
}

std::vector<CasoMenu> CasosDeError() {
    return {
        {"SinArchivo", std::nullopt, {}, {}, {{0, E, "no se puede leer el archivo de menú: No se encontró"}}},
        {"ElMenuEsUnaCarpeta", std::nullopt, {}, {"instalar.inf"}, {{0, E, "no se puede leer el archivo de menú"}}},
        {"ArchivoVacio", "", {}, {}, {{1, E, "falta la línea 1, el título"}}},
        {"SoloTitulo", "T\r\n", {}, {}, {{2, E, "falta la línea 2, la versión"}}},
        {"SoloCabecera", Menu({}), {}, {}, {{0, E, "ninguna línea es una opción"}}},
        {"SoloComentarios", Menu({";Alfa;alfa\\setup.exe;d", ""}), kAlfa, {}, {{0, E, "ninguna línea es una opción"}}},
        {"ProgramaInexistente", Menu({kOpcionAlfa, "Beta;beta\\setup.exe;d"}), kAlfa, {},
         {{4, E, "no existe el programa de instalación «beta\\setup.exe»"}}},
        {"ProgramaConArgumentos", Menu({"Alfa;alfa\\setup.exe /S /v;d"}), kAlfa, {},
         {{3, E, "«alfa\\setup.exe» lleva argumentos («/S /v»)"}}},
        {"ArgumentosDeUnProgramaQueFalta", Menu({"Alfa;falta.exe -q;d"}), {}, {}, {{3, E, "lleva argumentos («-q»)"}}},
        // The suggestion is the same command with the path in quotes.
        {"ArgumentosSinComillas", Menu({"Alfa;alfa\\setup.exe /S /v;d"}), kAlfa, {},
         {{3, E, "pon la ruta entre comillas y los argumentos después: «\"alfa\\setup.exe\" /S /v»"}}},
        // The path inside the quotes is checked like any other.
        {"ProgramaEntreComillasQueFalta", Menu({"Alfa;\"falta.exe\" /S;d"}), kAlfa, {},
         {{3, E, "no existe el programa de instalación «falta.exe»"}}},
        {"CarpetaEntreComillas", Menu({"Alfa;\"alfa\" /S;d"}), kAlfa, {}, {{3, E, "«alfa» es una carpeta"}}},
        {"ComillaSinCerrar", Menu({"Alfa;\"alfa\\setup.exe /S;d"}), kAlfa, {},
         {{3, E, "falta la comilla que cierra la ruta del programa en «\"alfa\\setup.exe /S»"}}},
        {"ComillasSinRuta", Menu({"Alfa;\"\" /S;d"}), kAlfa, {}, {{3, E, "no hay ninguna ruta entre las comillas"}}},
        // Windows would read "alfa\setup.exe", which exists; the menu refuses the command.
        {"NulEnElPrograma", Menu({std::string("Alfa;alfa\\setup.exe\0.pdf;d", 26)}), kAlfa, {},
         {{3, E, "«alfa\\setup.exe<00>.pdf» lleva un carácter NUL"}}},
        {"ProgramaQueEsUnaCarpeta", Menu({"Alfa;alfa;d"}), kAlfa, {}, {{3, E, "«alfa» es una carpeta"}}},
        {"SinPrograma", Menu({"Alfa;;d"}), {}, {}, {{3, E, "no indica ningún programa"}}},
        // instalar.exe stops reading at the overflow: the missing program after it is never reached.
        {"PuntoYComaMasAllaDelLimite", Menu({kOpcionAlfa, std::string(32767, 'x') + ";a;b", "Beta;falta.exe;d"}),
         kAlfa, {}, {{4, E, "32.767"}}},
        {"ProgramaMasAllaDelLimite", Menu({"x;" + std::string(32767, 'c')}), {}, {}, {{3, E, "32.767"}}},
        {"MasDe32767Opciones", MenuDe(32768), {"p.exe"}, {}, {{11, A, "9 opciones"}, {32770, E, "más de 32.767 opciones"}}},
    };
}

std::vector<CasoMenu> CasosDeAviso() {
    return {
        {"SoloLF", "T\nV\n" + kOpcionAlfa + "\n", kAlfa, {},
         {{1, A, "lo lee entero como una sola línea"}, {2, E, "falta la línea 2"}}},
        {"UnLFSuelto", Menu({kOpcionAlfa + "\nBeta;beta\\setup.exe;d"}), kAlfa, {}, {{3, A, "LF sin CR"}}},
        // How the file is read is a note, once, where it becomes known.
        {"MarcaUtf8", "\xEF\xBB\xBF" + LineasCrLf({"Men\xC3\xBA", "1.0", kOpcionAlfa}), kAlfa, {},
         {{1, N, "leído como UTF-8: el archivo empieza por la marca"}}},
        {"MarcaUtf16", EnUtf16({"Menú", "1.0", "Módulo;alfa\\setup.exe;Instala"}), kAlfa, {},
         {{1, N, "leído como UTF-16"}}},
        {"TextoUtf8", LineasCrLf({"T", "1.0", "M\xC3\xB3" "dulo;alfa\\setup.exe;Instala el m\xC3\xB3" "dulo", "Men\xC3\xBA;alfa\\setup.exe;d"}),
         kAlfa, {}, {{3, N, "leído como UTF-8: todo el archivo es UTF-8 válido"}}},
        // Only what would still surprise is a warning.
        {"MarcaUtf16BigEndian", "\xFE\xFF" + Menu({kOpcionAlfa}), kAlfa, {}, {{1, A, "UTF-16 big-endian (FE FF)"}}},
        {"Utf8RotoEnUnaLinea",
         LineasCrLf({"Men\xC3\xBA", "1.0", kOpcionAlfa, "Beta;alfa\\setup.exe;m\xF3" "dulo", "Gamma;alfa\\setup.exe;ok\xC3\xB3"}),
         kAlfa, {}, {{4, A, "parece UTF-8, pero esta línea no es UTF-8 válido"}}},
        {"BytesSinDefinir", Menu({"A\x81;alfa\\setup.exe;uno\x9D"}), kAlfa, {},
         {{3, A, "los bytes 0x81 (columna 2), 0x9D (columna 22)"}}},
        {"NombresQueSoloCambianEnMayusculas", Menu({"M\xF3" "dulo;alfa\\setup.exe;uno", "M\xD3" "DULO;alfa\\setup.exe;dos"}),
         kAlfa, {}, {{4, A, "solo se diferencia en mayúsculas de «Módulo» (línea 3)"}}},
        {"NombreRepetido", Menu({kOpcionAlfa, "Beta;alfa\\setup.exe;d", kOpcionAlfa}), kAlfa, {},
         {{5, A, "ya está en la línea 3"}}},
        {"SinDescripcion", Menu({"Alfa;alfa\\setup.exe"}), kAlfa, {}, {{3, A, "no tiene descripción"}}},
        {"AmpersandEnElNombre", Menu({"P\xE9rez & Hijos;alfa\\setup.exe;d"}), kAlfa, {}, {{3, A, "en el nombre «Pérez & Hijos»"}}},
        {"AmpersandEnLaDescripcion", Menu({"Alfa;alfa\\setup.exe;Uno &dos"}), kAlfa, {}, {{3, A, "en la descripción"}}},
        {"NueveOpcionesNoCaben", MenuDe(9), {"p.exe"}, {}, {{11, A, "9 × 270 = 2430 twips, más que sus 2300"}}},
        {"LineaSinPuntoYComa", Menu({"Alfa alfa\\setup.exe", kOpcionAlfa}), kAlfa, {}, {{3, A, "no tiene «;» y se ignora"}}},
        {"LineaConTabulador", Menu({"\t;alfa\\setup.exe;d"}), kAlfa, {}, {{3, A, "empieza por un tabulador"}}},
        // The extension is the file's, not its folder's; a dot at the end
        // is dropped by Windows.
        {"ArgumentosDeUnDocumento", Menu({"Manual;\"docs\\manual.pdf\" /p;d", "Atajo;\"atajo.lnk\";d"}),
         {"docs/manual.pdf", "atajo.lnk"}, {},
         {{3, A, "«docs\\manual.pdf» no es un programa ni un paquete de Windows Installer y lleva argumentos («/p»)"}}},
        {"SinExtensionEntreComillas", Menu({"Alfa;\"alfa\\setup\" /S;d"}), {"alfa/setup"}, {},
         {{3, A, "«alfa\\setup» no tiene extensión"}}},
        {"DirectivaDesconocida", Menu({";@Volver", ";@esperar 5", "; @volver no es directiva", kOpcionAlfa}), kAlfa,
         {}, {{3, A, "directiva desconocida «;@Volver»"}, {4, A, "directiva desconocida «;@esperar 5»"}}},
        {"VolverDosVeces", Menu({";@volver", kOpcionAlfa, "  ;@volver"}), kAlfa, {},
         {{5, A, "«;@volver» ya está en la línea 3"}}},
        {"ArchivoSinExtension", Menu({"Alfa;alfa\\setup;d", "Beta;v2.0\\setup.;d"}), {"alfa/setup", "v2.0/setup"}, {},
         {{3, A, "«alfa\\setup» no tiene extensión"}, {4, A, "«v2.0\\setup.» no tiene extensión"}}},
        // A batch file's own arguments need no warning; that cmd starts it
        // away from its folder on a network share is a note, once.
        {"ArgumentosEntreComillas",
         Menu({"Alfa;\"alfa\\setup.exe\" /S /D=\"C:\\Archivos de programa\" %TEMP%;d",
               "Beta;\"mis programas\\setup beta.exe\" /lang=es;d", "Lotes;\"util\\instala.bat\" silencioso;d",
               "Paquete;\"alfa\\alfa.msi\" /qb;d", "Otro lote;util\\instala.bat;d"}),
         {"alfa/setup.exe", "mis programas/setup beta.exe", "util/instala.bat", "alfa/alfa.msi"}, {},
         {{5, N, "«util\\instala.bat» es un archivo por lotes: si el menú se abre desde una carpeta de red"}}},
        // cmd reads a batch file's command line again: outside quotes its
        // operators act, and "%NAME%" is replaced even inside quotes.
        {"ArgumentosDeUnLote",
         Menu({"Tom;\"util\\instala.bat\" /titulo=Tom & Jerry;d",
               "Todos;\"util\\instala.cmd\" a|b <c >d ^e \"f & g\";d",
               "Comillas;\"util\\instala.bat\" \"/titulo=Tom & Jerry\" \"/d=%TEMP%\" 50%;d",
               "Porcentaje;\"util\\instala.bat\" /d=C:\\x 100% y 50%;d",
               "Limpio;\"util\\instala.bat\" \"/titulo=Tom & Jerry\" 50%;d",
               "Programa;\"util\\instala.exe\" /titulo=Tom & Jerry %TEMP%;d"}),
         {"util/instala.bat", "util/instala.cmd", "util/instala.exe"}, {},
         {{3, A, "«util\\instala.bat» es un archivo por lotes y sus argumentos llevan «&» fuera de comillas: Windows "
                 "lo arranca con cmd"},
          {3, N, "%~dp0"},
          {4, A, "llevan «|», «<», «>», «^» fuera de comillas:"},
          {5, A, "llevan «%TEMP%»:"},
          {6, A, "llevan «% y 50%»:"}}},
        // What leaves the menu's folder, and what only looks as if it did.
        {"ProgramaFueraDeLaCarpeta", Menu({"Alfa;..\\otro\\setup.exe;d", "Beta;\"alfa\\..\\..\\otro\\setup.exe\" /S;d"}),
         {"../otro/setup.exe"}, {},
         {{3, A, "«..\\otro\\setup.exe» está fuera de la carpeta del menú"},
          {4, A, "«alfa\\..\\..\\otro\\setup.exe» está fuera de la carpeta del menú"}}},
        {"LetraDeUnidad", Menu({"Alfa;C:\\alfa\\setup.exe;d", "Beta;\"d:setup.exe\" /S;d"}), kAlfa, {},
         {{3, A, "«C:\\alfa\\setup.exe» lleva una letra de unidad"},
          {3, E, "no existe el programa de instalación «C:\\alfa\\setup.exe»"},
          {4, A, "no lo busca en la unidad «d:»"},
          {4, E, "no existe el programa de instalación «d:setup.exe»"}}},
        {"CarpetaDeRed", Menu({"Alfa;\\\\servidor\\alfa\\setup.exe;d", "Beta;//servidor/alfa/setup.exe;d"}),
         {"servidor/alfa/setup.exe"}, {},
         {{3, A, "«\\\\servidor\\alfa\\setup.exe» empieza como una carpeta de red"},
          {4, A, "«//servidor/alfa/setup.exe» empieza como una carpeta de red"}}},
    };
}

INSTANTIATE_TEST_SUITE_P(SinHallazgos, ComprobadorTest, ::testing::ValuesIn(CasosSinHallazgos()),
                         [](const auto& caso) { return std::string(caso.param.nombre); });
INSTANTIATE_TEST_SUITE_P(Errores, ComprobadorTest, ::testing::ValuesIn(CasosDeError()),
                         [](const auto& caso) { return std::string(caso.param.nombre); });
INSTANTIATE_TEST_SUITE_P(Avisos, ComprobadorTest, ::testing::ValuesIn(CasosDeAviso()),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// ---------------------------------------------------------------------------
// The items as the menu lists them

TEST(ComprobadorListadoTest, LasOpcionesMuestranLaDescripcionDelPrimerNombreIgual) {
    CarpetaTemporal carpeta{"comprobar-"};
    const Informe informe = ComprobarCaso(
        {"Listado", Menu({"Alfa;alfa\\setup.exe;uno", "Beta;beta.exe", ";comentario", "ALFA;otro.exe;dos"}),
         {"alfa/setup.exe", "beta.exe", "otro.exe"}, {}, {}},
        carpeta);

    EXPECT_EQ(informe.titulo, std::optional<std::u16string>(u"Menú"));
    EXPECT_EQ(informe.version, std::optional<std::u16string>(u"1.0"));
    ASSERT_EQ(informe.opciones.size(), 3u);
    const OpcionLeida& alfa = informe.opciones[0];
    EXPECT_EQ(alfa.linea, 3);
    EXPECT_EQ(alfa.entrada.comando, u"alfa\\setup.exe");
    EXPECT_EQ(alfa.descripcionMostrada, std::optional<std::u16string>(u"uno"));
    EXPECT_EQ(informe.opciones[1].descripcionMostrada, std::nullopt);
    const OpcionLeida& otra = informe.opciones[2];
    EXPECT_EQ(otra.linea, 6);
    EXPECT_EQ(otra.entrada.nombre, u"ALFA");
    EXPECT_EQ(otra.entrada.descripcion, std::optional<std::u16string>(u"dos"));
    EXPECT_EQ(otra.lineaDescripcion, 3);
    EXPECT_EQ(otra.descripcionMostrada, std::optional<std::u16string>(u"uno"));
}

TEST(ComprobadorListadoTest, LosArgumentosAparteYSiElMenuVuelve) {
    CarpetaTemporal carpeta{"comprobar-"};
    const Informe informe = ComprobarCaso(
        {"Listado",
         Menu({";@volver", "Alfa;\"alfa\\setup.exe\"  /S /D=\"C:\\x y\";uno", "Beta;\"beta.exe\";dos",
               "Gamma;beta.exe /S;tres", "Delta;\"beta.exe /S;cuatro"}),
         {"alfa/setup.exe", "beta.exe"}, {}, {}},
        carpeta);

    EXPECT_TRUE(informe.volver);
    EXPECT_EQ(FormatearListado(informe),
              "Título: Menú\n"
              "Versión 1.0\n"
              "El menú espera a que termine cada instalación y vuelve (;@volver)\n"
              "1. Alfa (línea 4)\n"
              "   programa: alfa\\setup.exe\n"
              "   argumentos: /S /D=\"C:\\x y\"\n"
              "   descripción: uno\n"
              "2. Beta (línea 5)\n"
              "   programa: beta.exe\n"
              "   descripción: dos\n"
              // Without quotes, all of it is the file name, as instalar reads it.
              "3. Gamma (línea 6)\n"
              "   programa: beta.exe /S\n"
              "   descripción: tres\n"
              "4. Delta (línea 7)\n"
              "   programa: \"beta.exe /S\n"
              "   descripción: cuatro\n");
}

TEST(ComprobadorListadoTest, SinVolverNoLoDice) {
    CarpetaTemporal carpeta{"comprobar-"};
    const Informe informe = ComprobarCaso({"Listado", Menu({";@Volver", kOpcionAlfa}), kAlfa, {}, {}}, carpeta);
    EXPECT_FALSE(informe.volver);
    EXPECT_EQ(FormatearListado(informe).find("volver"), std::string::npos) << FormatearListado(informe);
}

// ---------------------------------------------------------------------------
// Exit status and the compiler form

struct CasoEstado {
    const char* nombre;
    std::vector<Gravedad> gravedades;
    int estado;
};

void PrintTo(const CasoEstado& caso, std::ostream* os) { *os << caso.nombre; }

class EstadoDeSalidaTest : public ::testing::TestWithParam<CasoEstado> {};

TEST_P(EstadoDeSalidaTest, UnoSoloConErrores) {
    std::vector<Hallazgo> hallazgos;
    for (Gravedad g : GetParam().gravedades) hallazgos.push_back({3, g, "m"});
    EXPECT_EQ(EstadoDeSalida(hallazgos), GetParam().estado);
}

INSTANTIATE_TEST_SUITE_P(Hallazgos, EstadoDeSalidaTest,
                         ::testing::Values(CasoEstado{"Ninguno", {}, 0}, CasoEstado{"SoloAvisos", {A, A}, 0},
                                           CasoEstado{"UnError", {E}, 1}, CasoEstado{"ErrorTrasAvisos", {A, A, E}, 1}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(FormatearTest, EscribeComoUnCompilador) {
    EXPECT_EQ(Formatear("medio/instalar.inf", {6, E, "no existe"}), "medio/instalar.inf:6: error: no existe");
    EXPECT_EQ(Formatear("instalar.inf", {12, A, "«&» en el nombre"}), "instalar.inf:12: aviso: «&» en el nombre");
    // A finding about the whole file has no line.
    EXPECT_EQ(Formatear("instalar.inf", {0, E, "ninguna línea"}), "instalar.inf: error: ninguna línea");
}

}  // namespace
}  // namespace instalar::comprobar
