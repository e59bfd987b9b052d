// Damaged, hostile and odd menu files: each one gives the message the user
// should read where the description goes (or a normal list), never a crash,
// a hang or a stray message box, and the window stays responsive.
//
// The description is painted, not a child window, so the tests paint the
// expected text themselves with the label's font and compare pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "Arnes.h"
#include "win32host/Manejadores.h"

using namespace arnes;

namespace {

// Where the description label stands when it reports an error: its design
// place, growing downwards.
constexpr double kIzquierdaDescripcion = 3780;
constexpr double kArribaDescripcion = 2460;
constexpr double kAnchoDescripcion = 2835;

// The description label's font (Verdana 8.25 pt) at this screen's resolution.
instalar::win32::FuenteGdi FuenteDescripcion() {
    const int alto = static_cast<int>(std::lround(8.25 * PuntosPorPulgada() / 72.0));
    return instalar::win32::FuenteGdi(CreateFontW(-alto, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                               DEFAULT_PITCH, L"Verdana"));
}

// The height in pixels `texto` takes when wrapped in the label's width.
int AltoEnvuelto(const std::wstring& texto) {
    int alto = 0;
    Captura medida(1, 1, [&](HDC dc, const RECT&) {
        const instalar::win32::FuenteGdi fuente = FuenteDescripcion();
        const instalar::win32::ObjetoEnDc seleccion(dc, fuente.get());
        RECT caja{0, 0, APixeles(kAnchoDescripcion), 0};
        DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &caja, DT_CALCRECT | DT_WORDBREAK);
        alto = caja.bottom;
    });
    return alto;
}

// Compares the window's description area with `texto` painted there by hand,
// pixel by pixel: the whole label width, from its top down to a margin below
// the text.  Returns what differs, or "" when it matches.
std::string DiferenciaDescripcion(const Captura& ventana, const std::wstring& texto, double arribaTwips) {
    const int izquierda = APixeles(kIzquierdaDescripcion);
    const int arriba = APixeles(arribaTwips);
    const int ancho = APixeles(kAnchoDescripcion);
    const int alto = AltoEnvuelto(texto) + APixeles(150);
    const Captura esperada(ancho, alto, [&](HDC dc, const RECT& todo) {
        FillRect(dc, &todo, GetSysColorBrush(COLOR_WINDOW));
        const instalar::win32::FuenteGdi fuente = FuenteDescripcion();
        const instalar::win32::ObjetoEnDc seleccion(dc, fuente.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        RECT caja = todo;
        DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &caja, DT_LEFT | DT_WORDBREAK);
    });
    const std::string diferencia = DiferenciaDePixeles(ventana, esperada, {izquierda, arriba});
    if (diferencia.empty()) return "";
    return "against \"" + Utf8(texto) + "\": " + diferencia;
}

// The description of a selected item is centred on the divider line.
double ArribaCentrada(const std::wstring& texto) {
    const double alto = AltoEnvuelto(texto) * TwipsPorPixel();
    return 2200 + (2300 - alto) / 2;
}

struct Esperado {
    // Text in the description area; empty: not compared (the window only
    // has to stay alive and responsive).
    std::wstring descripcion;
    bool centrada = false;  // an item's description rather than an error
    bool instalarHabilitado = false;
};

struct CasoHostil {
    const char* nombre;
    // Lays out the medium; returns the text after the program's name.
    std::function<std::wstring(const Medio&)> preparar;
    std::function<Esperado(const Medio&)> esperado;
    DWORD esperaVentana = 10000;
};

void PrintTo(const CasoHostil& caso, std::ostream* os) { *os << caso.nombre; }

std::string Cabecera() { return "Titulo\r\n1.0\r\n"; }

std::wstring ConMenu(const Medio& medio, const std::string& bytes) {
    medio.Escribir(L"instalar.inf", bytes);
    return L"";
}

Esperado Mensaje(const std::wstring& texto) { return Esperado{texto, false, false}; }

Esperado ListaVacia(const Medio& medio) {
    return Mensaje(L"Ha ocurrido un error !!!\r\n\r\nNo se ha podido encontrar en el archivo '" +
                   medio.RutaDe(L"instalar.inf") + L"', algun programa a instalar.");
}

std::string Opciones(int cuantas) {
    std::string texto = Cabecera();
    texto.reserve(texto.size() + static_cast<std::size_t>(cuantas) * 24);
    for (int i = 0; i < cuantas; ++i) texto += "Producto " + std::to_string(i) + ";p.exe;D\r\n";
    return texto;
}

const CasoHostil kCasos[] = {
    {"vacio", [](const Medio& m) { return ConMenu(m, ""); },
     [](const Medio&) { return Mensaje(L"La entrada pas\u00f3 del final del archivo"); }},
    {"una_sola_linea", [](const Medio& m) { return ConMenu(m, "Solo el titulo\r\n"); },
     [](const Medio&) { return Mensaje(L"La entrada pas\u00f3 del final del archivo"); }},
    // The whole file is the title (two short lines, clear of the description).
    {"fin_de_linea_LF", [](const Medio& m) { return ConMenu(m, "Titulo\n1.0\n"); },
     [](const Medio&) { return Mensaje(L"La entrada pas\u00f3 del final del archivo"); }},
    {"marca_de_orden_UTF8",
     [](const Medio& m) { return ConMenu(m, "\xEF\xBB\xBF" + Cabecera() + "Uno;uno.exe;Instala uno\r\n"); },
     [](const Medio&) { return Esperado{L"Instala uno", true, true}; }},
    {"UTF16_con_marca",
     [](const Medio& m) {
         std::string bytes = "\xFF\xFE";
         for (const wchar_t c : std::wstring(L"Titulo\r\n1.0\r\nUno;uno.exe;Descripci\u00f3n en UTF-16\r\n")) {
             bytes.push_back(static_cast<char>(c & 0xFF));
             bytes.push_back(static_cast<char>(c >> 8));
         }
         return ConMenu(m, bytes);
     },
     [](const Medio&) { return Esperado{L"Descripci\u00f3n en UTF-16", true, true}; }},
    // UTF-8 up to a byte that is not: the whole file is read as ANSI.
    {"UTF8_roto",
     [](const Medio& m) { return ConMenu(m, "Men\xC3\xBA\r\n1.0\r\nUno;uno.exe;Descripci\xF3n rota\r\n"); },
     [](const Medio&) { return Esperado{L"Descripci\u00f3n rota", true, true}; }},
    {"binario_con_NUL",
     [](const Medio& m) {
         std::string basura = Cabecera() + std::string("\0\x01\x02;\xff\xfe\0;x\0y\r\n", 13);
         for (int i = 0; i < 4096; ++i) basura.push_back(static_cast<char>((i * 7919) & 0xFF));
         return ConMenu(m, basura);
     },
     [](const Medio&) { return Esperado{L"", false, true}; }},
    {"linea_de_100MB_sin_punto_y_coma",
     [](const Medio& m) { return ConMenu(m, Cabecera() + std::string(100u * 1024 * 1024, 'x') + "\r\n"); },
     ListaVacia, 60000},
    // Past the longest line the reader takes (128 MiB) it stops: a file of a
    // gigabyte without a line end would otherwise fill the memory of the
    // 32-bit program.
    {"linea_de_130MB_sin_fin",
     [](const Medio& m) { return ConMenu(m, Cabecera() + std::string(130u * 1024 * 1024, 'x')); },
     [](const Medio&) { return Mensaje(L"Desbordamiento"); }, 60000},
    {"primer_punto_y_coma_tras_32767",
     [](const Medio& m) { return ConMenu(m, Cabecera() + std::string(32767, 'a') + ";x.exe\r\n"); },
     [](const Medio&) { return Mensaje(L"Desbordamiento"); }},
    {"segundo_punto_y_coma_a_mas_de_32767",
     [](const Medio& m) { return ConMenu(m, Cabecera() + "a;" + std::string(32767, 'b') + ";d\r\n"); },
     [](const Medio&) { return Mensaje(L"Desbordamiento"); }},
    {"32768_opciones", [](const Medio& m) { return ConMenu(m, Opciones(32768)); },
     // The items read so far stay, so there is something to install.
     [](const Medio&) { return Esperado{L"Desbordamiento", false, true}; }, 60000},
    {"nombre_de_10000_caracteres",
     [](const Medio& m) { return ConMenu(m, Cabecera() + std::string(10000, 'N') + ";n.exe;Nombre largo\r\n"); },
     // The name runs across the description, so only the window's state is checked.
     [](const Medio&) { return Esperado{L"", true, true}; }},
    {"ruta_de_una_carpeta",
     [](const Medio& m) {
         m.Escribir(L"menus\\vacio.txt", "");
         return m.RutaDe(L"menus");
     },
     [](const Medio&) { return Mensaje(L"Error de acceso a la ruta o el archivo"); }},
    {"ruta_entre_comillas",
     [](const Medio& m) {
         ConMenu(m, Cabecera() + "Uno;uno.exe;Instala uno\r\n");
         return L"\"" + m.RutaDe(L"instalar.inf") + L"\"";
     },
     [](const Medio&) { return Mensaje(L"Nombre o n\u00famero de archivo incorrecto"); }},
    {"ruta_con_espacios",
     [](const Medio& m) {
         m.Escribir(L"mis menus\\men\u00fa de prueba.inf", Cabecera() + "Uno;uno.exe;Desde otra carpeta\r\n");
         return m.RutaDe(L"mis menus\\men\u00fa de prueba.inf");
     },
     [](const Medio&) { return Esperado{L"Desde otra carpeta", true, true}; }},
    {"dispositivo_CON", [](const Medio&) { return std::wstring(L"CON"); },
     [](const Medio&) { return Esperado{L"", false, false}; }},
};

class MenuHostil : public PruebaConMedio, public ::testing::WithParamInterface<CasoHostil> {};

void ComprobarVentana(Menu& menu, const Esperado& esperado) {
    HWND instalar = Hijo(menu, kIdInstalar);
    EXPECT_EQ(IsWindowEnabled(instalar) != FALSE, esperado.instalarHabilitado);
    EXPECT_EQ(BuscarCuadroMensaje(menu.Id()).ventana, nullptr) << "no message box is expected";
    if (esperado.descripcion.empty()) return;
    const double arriba = esperado.centrada ? ArribaCentrada(esperado.descripcion) : kArribaDescripcion;
    std::string diferencia;
    Esperar(
        [&] {
            diferencia = DiferenciaDescripcion(Captura(menu.Rectangulo()), esperado.descripcion, arriba);
            return diferencia.empty();
        },
        3000);
    EXPECT_EQ(diferencia, "");
}

// Esc closes a live window: proof that it still answers.
void ComprobarQueResponde(Menu& menu) {
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_ESCAPE);
    EXPECT_TRUE(menu.EsperarSalida(10000)) << "the menu did not close on Esc";
}

TEST_P(MenuHostil, MuestraSuMensajeYSigueRespondiendo) {
    const CasoHostil& caso = GetParam();
    OpcionesMenu opciones;
    opciones.cola = caso.preparar(medio_);
    Menu& menu = Abrir(opciones, caso.esperaVentana);
    ComprobarVentana(menu, caso.esperado(medio_));
    ComprobarQueResponde(menu);
}

INSTANTIATE_TEST_SUITE_P(Archivos, MenuHostil, ::testing::ValuesIn(kCasos),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// Another program holds the menu file open for itself alone (until the end
// of the case, before the fixture compares the medium).
using MenuBloqueado = PruebaConMedio;

TEST_F(MenuBloqueado, AvisaQueNoPuedeLeerloYSigueRespondiendo) {
    medio_.Escribir(L"instalar.inf", Cabecera() + "Uno;uno.exe;Instala uno\r\n");
    NotarMedio();
    const instalar::win32::Archivo bloqueo(CreateFileW(medio_.RutaDe(L"instalar.inf").c_str(), GENERIC_READ | GENERIC_WRITE,
                                                       0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(bloqueo);
    Menu& menu = Abrir();
    ComprobarVentana(menu, Mensaje(L"Permiso denegado"));
    ComprobarQueResponde(menu);
}

}  // namespace
