// Items that are not programs: a document opens through the shell with the
// program registered for its type, and a file the shell has no program for
// is reported with the system's text and its path.  A batch file is a
// program that process creation starts itself.
//
// The test registers the type ".prueba" with the stand-in setup program,
// which logs the command line and folder it gets, as the document's
// program; it stays outside the medium, which must be left exactly as it
// was found.
//
// What Wine 8 answers here: process creation refuses a document with
// ERROR_BAD_EXE_FORMAT (193); ShellExecuteEx on a type without a program
// fails with the last error 193 too, and SE_ERR_NOASSOC (31) in hInstApp,
// which the menu reads as ERROR_NO_ASSOCIATION (1155) as Windows reports
// it; on a file named .exe that is not a program it fails with 193 and
// ERROR_BAD_FORMAT (11) in hInstApp.  A batch file starts through
// process creation, in its own folder.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Arnes.h"
#include "herramientas/TipoDeArchivo.h"

using namespace arnes;

namespace {

// A medium whose menu offers one item, the file `comando`; the item is
// selected from the start and "Instalar" is clicked.
class ItemDelMenu : public PruebaConRegistro {
protected:
    void InstalarItem(const std::string& comando) {
        Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0", "Manual;" + comando + ";Abre el manual"}));
        const Lista lista = EsperarLista(menu, [](const Lista& l) { return l.Marcada() == std::size_t{0}; });
        ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();
        ClicEnInstalar(menu);
    }

    const std::wstring programaDelTipo_ = Unir(CarpetaDelPrograma(), L"setup_falso.exe");
    const TipoDeArchivo tipo_{L".prueba", L"\"" + programaDelTipo_ + L"\" \"%1\""};
};

TEST_F(ItemDelMenu, UnDocumentoSeAbreConSuProgramaEnSuCarpetaYElMenuTermina) {
    medio_.Escribir(L"Manual de uso\\guia rapida.prueba", "Un documento, no un programa.\r\n");
    InstalarItem("Manual de uso\\guia rapida.prueba");
    if (HasFatalFailure()) return;

    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    const std::wstring documento = medio_.RutaDe(L"Manual de uso\\guia rapida.prueba");
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(programaDelTipo_));
    EXPECT_EQ(Utf8(ejecuciones[0].lineaDeOrdenes), Utf8(L"\"" + programaDelTipo_ + L"\" \"" + documento + L"\""));
    EXPECT_EQ(Utf8(ejecuciones[0].carpeta), Utf8(medio_.RutaDe(L"Manual de uso")));
}

TEST_F(ItemDelMenu, UnArchivoPorLotesLoArrancaComoUnProgramaEnSuCarpeta) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"lotes\\setup.exe");
    medio_.Escribir(L"lotes\\instala todo.bat", "@\"%~dp0setup.exe\" desde-lotes\r\n");
    InstalarItem("lotes\\instala todo.bat");
    if (HasFatalFailure()) return;

    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(medio_.RutaDe(L"lotes\\setup.exe")));
    EXPECT_NE(ejecuciones[0].lineaDeOrdenes.find(L"desde-lotes"), std::wstring::npos) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[0].carpeta), Utf8(medio_.RutaDe(L"lotes")));
}

// Windows drops the spaces and dots at the end of a path, and so does the
// menu when it tells a program from a document: "conta\setup.exe " is the
// program setup.exe, which a menu that comes back waits for.  Taken for a
// document, it would go to the shell, and the menu would not wait.
TEST_F(ItemDelMenu, UnProgramaConEspacioFinalSeEsperaComoCualquierPrograma) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"conta\\setup.exe");
    const VariableDeEntorno espera(L"INSTALAR_PRUEBA_ESPERA", L"2000");
    Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0", ";@volver", "Contabilidad;\"conta\\setup.exe \" /S;Instala"}));
    const Lista lista = EsperarLista(menu, [](const Lista& l) { return l.Marcada() == std::size_t{0}; });
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();
    ClicEnInstalar(menu);

    ASSERT_TRUE(registro_.EsperarEjecuciones(1)) << "the setup did not start";
    EXPECT_FALSE(IsWindowEnabled(Hijo(menu, kIdInstalar))) << "the menu does not wait for the setup";
    EXPECT_TRUE(Esperar([&] { return IsWindowEnabled(Hijo(menu, kIdInstalar)) != FALSE; }, 6000))
        << "the menu still waits";
    const std::vector<Ejecucion> ejecuciones = registro_.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(medio_.RutaDe(L"conta\\setup.exe")));
    EXPECT_NE(ejecuciones[0].lineaDeOrdenes.find(L" /S"), std::wstring::npos) << Describir(ejecuciones);
}

// Windows would read the command only up to its NUL: setup.exe, which
// exists, while the rest names a document.  The menu refuses the command
// with the message of a bad file name and starts nothing.
TEST_F(ItemDelMenu, UnComandoConNulNoArrancaNada) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"conta\\setup.exe");
    InstalarItem(std::string("conta\\setup.exe\0.pdf", 20));
    if (HasFatalFailure()) return;

    const CuadroMensaje cuadro = EsperarCuadroMensaje(menu_->Id());
    EXPECT_EQ(cuadro.titulo, diseno::kTituloW);
    // The box shows its text up to the NUL, as Windows reads it.
    EXPECT_EQ(Utf8(cuadro.texto),
              Utf8(L"Nombre o n\u00famero de archivo incorrecto\r\n" + medio_.RutaDe(L"conta\\setup.exe")));
    Aceptar(cuadro);
    ASSERT_TRUE(Esperar([&] { return BuscarCuadroMensaje(menu_->Id()).ventana == nullptr; }, 3000));

    EXPECT_EQ(menu_->EsperarFinDeSusProgramas(), "");
    const std::vector<Ejecucion> ejecuciones = registro_.Ejecuciones();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
    EXPECT_FALSE(menu_->Terminado()) << "the menu closed after the error";
}

// A file that nothing opens: the message box of the install command with
// the system's text, the file's name in place of its insert, and the path;
// the menu stays open and nothing has started.
struct SinPrograma {
    const char* nombre;
    const wchar_t* archivo;
    DWORD error;  // whose text the message shows
};

void PrintTo(const SinPrograma& caso, std::ostream* salida) { *salida << caso.nombre; }

class ArchivoSinPrograma : public ItemDelMenu, public ::testing::WithParamInterface<SinPrograma> {};

TEST_P(ArchivoSinPrograma, AvisaConElTextoDelSistemaYLaRutaYElMenuSigue) {
    const SinPrograma& caso = GetParam();
    medio_.Escribir(std::wstring(L"datos\\") + caso.archivo, "Ni un programa ni un tipo conocido.\r\n");
    InstalarItem("datos\\" + Utf8(caso.archivo));
    if (HasFatalFailure()) return;

    const CuadroMensaje cuadro = EsperarCuadroMensaje(menu_->Id());
    EXPECT_EQ(cuadro.titulo, diseno::kTituloW);
    EXPECT_TRUE(cuadro.soloAceptar) << "not an OK-only box";
    EXPECT_EQ(cuadro.propietario, menu_->Ventana()) << "the box is not owned by the menu";
    const std::wstring texto = ConNombre(TextoDelSistema(caso.error), caso.archivo);
    ASSERT_FALSE(texto.empty()) << "the system has no text for " << caso.error;
    EXPECT_EQ(Utf8(cuadro.texto), Utf8(texto + L"\r\n" + medio_.RutaDe(std::wstring(L"datos\\") + caso.archivo)));
    EXPECT_EQ(cuadro.texto.find(L'%'), std::wstring::npos) << Utf8(cuadro.texto);
    Aceptar(cuadro);
    ASSERT_TRUE(Esperar([&] { return BuscarCuadroMensaje(menu_->Id()).ventana == nullptr; }, 3000));

    EXPECT_EQ(menu_->EsperarFinDeSusProgramas(), "");
    const std::vector<Ejecucion> ejecuciones = registro_.Ejecuciones();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
    EXPECT_FALSE(menu_->Terminado()) << "the menu closed after the error";
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArchivoSinPrograma,
    ::testing::Values(SinPrograma{"tipo_sin_programa", L"tabla de precios.sinprograma", ERROR_NO_ASSOCIATION},
                      // Named as a program, but it is none: the shell
                      // cannot run it either.
                      SinPrograma{"programa_roto", L"roto.exe", ERROR_BAD_EXE_FORMAT}),
    [](const ::testing::TestParamInfo<SinPrograma>& caso) { return std::string(caso.param.nombre); });

}  // namespace
