// The Windows platform's two ways of starting a setup program, run for real:
// straight, and through the shell, the way a program that asks to be
// elevated is started.  The menu takes the shell's way for a program only
// when Windows refuses the straight start for want of rights, which never
// happens to the end-to-end tests, so it is tested here on the platform
// itself; so are the errors of both ways for a document, the system's
// texts for the errors the menu can meet, and the painting in a
// high-contrast theme, which Wine does not let a test switch on.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "Arnes.h"
#include "common/Texto.h"
#include "herramientas/TipoDeArchivo.h"
#include "launch/Lanzador.h"
#include "win32host/ColoresWin32.h"
#include "win32host/ErroresWin32.h"
#include "win32host/Escala.h"
#include "win32host/Fuentes.h"
#include "win32host/Manejadores.h"
#include "win32host/MedidaTextoWin32.h"
#include "win32host/Pintor.h"
#include "win32host/ProcesosWin32.h"
#include "win32host/TextoWin32.h"
#include "win32host/VentanaWin32.h"
#include "window/Colores.h"
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

// A high-contrast theme: the window is painted in the user's system colours
// and nothing else.  (Wine refuses SPI_SETHIGHCONTRAST, so the painter is
// handed here the colours the window chooses when the theme is on.)  The
// same picture in the design's colours shows that the difference comes
// from that choice.
class AltoContraste : public ::testing::Test {
protected:
    AltoContraste() : escala_(instalar::win32::DpiDePantalla()), fuentes_(instalar::win32::DpiDePantalla()) {
        controles_.etqTipo.texto = u"Oficina";
        controles_.etqVer.texto = u"Versión 1.0";
        controles_.etqVer.caja = {5500, 1695, 1070, 195};
        controles_.etqInstalar[0].texto = u"Producto";
        // Where the bar stands once the window has its size.
        controles_.shpBar.caja = {15, 4995, 6750, 495};
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
    const Captura diseno = Pintar(false);
    const Captura alto = Pintar(true);
    const int derecha = alto.Ancho() - 1;
    const POINT barra = EnBarra();
    const POINT divisoria = EnDivisoria();

    EXPECT_EQ(TextoColor(diseno.En(5, 5)), TextoColor(RGB(200, 30, 40))) << "the logo";
    EXPECT_EQ(TextoColor(diseno.En(barra.x, barra.y)), TextoColor(RGB(88, 106, 183)));
    EXPECT_EQ(TextoColor(diseno.En(0, 60)), TextoColor(RGB(110, 128, 205)));
    EXPECT_EQ(TextoColor(diseno.En(derecha, 60)), TextoColor(RGB(70, 82, 165)));
    EXPECT_EQ(TextoColor(diseno.En(divisoria.x, divisoria.y)), TextoColor(RGB(192, 192, 255)));
    EXPECT_TRUE(ContieneColor(diseno, Zona(controles_.etqTipo.caja), RGB(64, 0, 0)));
    EXPECT_TRUE(ContieneColor(diseno, Zona(controles_.etqVer.caja), RGB(64, 64, 64)));

    EXPECT_EQ(TextoColor(alto.En(5, 5)), TextoColor(GetSysColor(COLOR_WINDOW))) << "a logo in high contrast";
    EXPECT_EQ(TextoColor(alto.En(barra.x, barra.y)), TextoColor(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(TextoColor(alto.En(0, 60)), TextoColor(GetSysColor(COLOR_WINDOWFRAME)));
    EXPECT_EQ(TextoColor(alto.En(derecha, 60)), TextoColor(GetSysColor(COLOR_WINDOWFRAME)));
    EXPECT_EQ(TextoColor(alto.En(divisoria.x, divisoria.y)), TextoColor(GetSysColor(COLOR_GRAYTEXT)));
    for (const instalar::Etiqueta* e : {&controles_.etqTipo, &controles_.etqVer, &controles_.etqInstalar[0]}) {
        const std::string que = Utf8(instalar::win32::W(e->texto));
        EXPECT_TRUE(ContieneColor(alto, Zona(e->caja), GetSysColor(COLOR_WINDOWTEXT))) << que;
    }
    EXPECT_FALSE(ContieneColor(alto, Zona(controles_.etqTipo.caja), RGB(64, 0, 0)));
    EXPECT_FALSE(ContieneColor(alto, Zona(controles_.etqVer.caja), RGB(64, 64, 64)));
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

// Handles this thread's messages until `condicion` holds or the time is up.
bool AtenderHasta(const std::function<bool()>& condicion, DWORD milisegundos) {
    const ULONGLONG limite = GetTickCount64() + milisegundos;
    for (;;) {
        MSG mensaje;
        while (PeekMessageW(&mensaje, nullptr, 0, 0, PM_REMOVE)) {
            if (mensaje.message != WM_QUIT) DispatchMessageW(&mensaje);
        }
        if (condicion()) return true;
        if (GetTickCount64() >= limite) return false;
        Sleep(20);
    }
}

// A theme switched while the menu is open shows at once.  Wine keeps each
// process's system colours to itself, so the change is made here, in the
// process of the window: the menu's own window, in this test program.
TEST_F(AltoContraste, AChangedSystemColourShowsAtOnce) {
    auto creada = instalar::win32::VentanaWin32::Crear(GetModuleHandleW(nullptr));
    ASSERT_TRUE(creada.ok());
    std::unique_ptr<instalar::win32::VentanaWin32> ventana = std::move(creada.valor());
    ventana->Cargar();
    ventana->Mostrar();
    const HWND hwnd = BuscarVentanaPrincipal(GetCurrentProcessId(), L"Men\u00fa de instalaci\u00f3n");
    ASSERT_NE(hwnd, nullptr);
    POINT fondo{escala_.Pixeles(3000), escala_.Pixeles(900)};
    ClientToScreen(hwnd, &fondo);
    const COLORREF antes = GetSysColor(COLOR_WINDOW);
    EXPECT_TRUE(AtenderHasta([&] { return PixelDePantalla(fondo) == antes; }, 3000));

    const COLORREF nuevo = RGB(250, 240, 200);
    {
        ColorDelSistemaCambiado cambio(COLOR_WINDOW, nuevo);
        COLORREF visto = CLR_INVALID;
        EXPECT_TRUE(AtenderHasta([&] { return (visto = PixelDePantalla(fondo)) == nuevo; }, 3000))
            << "the background is still " << TextoColor(visto);
    }
    EXPECT_TRUE(AtenderHasta([&] { return PixelDePantalla(fondo) == antes; }, 3000)) << "and back";
    ventana.reset();
    AtenderHasta([] { return false; }, 0);  // the window's last messages, its WM_QUIT among them
}

}  // namespace
