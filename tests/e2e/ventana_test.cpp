// The menu window as the user sees it: size, place, frame, painted border and
// bar, buttons, logo and dragging.  Geometry is given in twips, as
// the window is designed, and converted with the screen's resolution, so the
// tests also hold at other DPI settings.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Arnes.h"

using namespace arnes;

namespace {

const COLORREF kBordeClaro = diseno::Colorref(diseno::kBordeClaro);
const COLORREF kBordeOscuro = diseno::Colorref(diseno::kBordeOscuro);
const COLORREF kBarra = diseno::Colorref(diseno::kBarra);

// Design geometry, in twips.
const double kAnchoVentana = diseno::kAnchoVentana;
const double kAltoVentana = diseno::kAltoVentana;
const double kAltoBarra = 495;

// Spots in the window, in twips: the title and version labels at the top
// right, and the only item of kMenuSencillo, which sits halfway between the
// ends of the divider (2200 and 4500).
const POINT kEtiquetaVersion{6300, 1800};
const POINT kEtiquetaTitulo{6450, 1500};
const POINT kEtiquetaOpcion{1200, 3350};

const std::string kMenuSencillo =
    LineasCrLf({"Producto de prueba", "1.0", "Producto A;setup.exe;Instala el producto A"});

// The pixels a twip position can fall on: exactly one when it is a whole
// number of pixels, otherwise either neighbour.
struct Rango {
    int min;
    int max;
    bool Contiene(int v) const { return min <= v && v <= max; }
};

Rango Pixeles(double twips) {
    const double p = twips / TwipsPorPixel();
    const double cercano = std::round(p);
    if (std::abs(p - cercano) < 1e-6) return {static_cast<int>(cercano), static_cast<int>(cercano)};
    return {static_cast<int>(std::floor(p)), static_cast<int>(std::ceil(p))};
}

std::string Texto(const Rango& r) {
    return r.min == r.max ? std::to_string(r.min) : std::to_string(r.min) + ".." + std::to_string(r.max);
}

int Ancho(const RECT& r) { return r.right - r.left; }
int Alto(const RECT& r) { return r.bottom - r.top; }

// A rectangle of the window (client pixels) that must show one colour,
// except where other rectangles lie.
struct Zona {
    std::string nombre;
    RECT rect;
    COLORREF color;
    std::vector<RECT> excepto;
};

// Pixels of the zone with another colour: how many and the first one.
std::string FallosEn(const Captura& captura, const Zona& zona) {
    int fallos = 0;
    std::string primero;
    for (int y = zona.rect.top; y < zona.rect.bottom; ++y)
        for (int x = zona.rect.left; x < zona.rect.right; ++x) {
            bool excluido = false;
            for (const RECT& r : zona.excepto) excluido = excluido || PtInRect(&r, POINT{x, y});
            const COLORREF c = captura.En(x, y);
            if (excluido || c == zona.color) continue;
            if (fallos++ == 0)
                primero = "(" + std::to_string(x) + "," + std::to_string(y) + ") is " + TextoColor(c);
        }
    if (fallos == 0) return {};
    return zona.nombre + ": " + std::to_string(fallos) + " pixels are not " + TextoColor(zona.color) +
           ", first " + primero;
}

std::string FallosEn(const Captura& captura, const std::vector<Zona>& zonas) {
    std::string texto;
    for (const Zona& zona : zonas) {
        const std::string fallos = FallosEn(captura, zona);
        if (!fallos.empty()) texto += fallos + "\n";
    }
    return texto;
}

// The window may reach the screen a moment after it becomes visible: look
// until the zones show what they should or the time is up, and return what
// is still wrong.
std::string FallosEnPantalla(const Menu& menu, const std::vector<Zona>& zonas) {
    std::string fallos;
    Esperar([&] { return (fallos = FallosEn(Captura(menu.Rectangulo()), zonas)).empty(); }, 3000);
    return fallos;
}

class VentanaMenu : public PruebaConMedio {
protected:
    void SetUp() override {
        PruebaConMedio::SetUp();
        medio_.Escribir(L"instalar.inf", kMenuSencillo);
    }
};

// ------------------------------------------------------------ geometry

TEST_F(VentanaMenu, TieneElTamanioDeDisenioSinMarcoYCentradaEnLaPantalla) {
    Menu& menu = Abrir();
    const RECT ventana = menu.Rectangulo();

    EXPECT_TRUE(Pixeles(kAnchoVentana).Contiene(Ancho(ventana)))
        << "width " << Ancho(ventana) << ", expected " << Texto(Pixeles(kAnchoVentana));
    EXPECT_TRUE(Pixeles(kAltoVentana).Contiene(Alto(ventana)))
        << "height " << Alto(ventana) << ", expected " << Texto(Pixeles(kAltoVentana));

    const auto estilo = static_cast<DWORD>(GetWindowLongPtrW(menu.Ventana(), GWL_STYLE));
    EXPECT_NE(estilo & WS_POPUP, 0u);
    EXPECT_EQ(estilo & (WS_CAPTION | WS_THICKFRAME), 0u);

    RECT cliente{};
    ASSERT_TRUE(GetClientRect(menu.Ventana(), &cliente));
    const POINT origen = menu.APantalla({0, 0});
    EXPECT_EQ(origen.x, ventana.left);
    EXPECT_EQ(origen.y, ventana.top);
    EXPECT_EQ(Ancho(cliente), Ancho(ventana));
    EXPECT_EQ(Alto(cliente), Alto(ventana));

    const int anchoPantalla = GetSystemMetrics(SM_CXSCREEN);
    const int altoPantalla = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(ventana.left, (anchoPantalla - Ancho(ventana)) / 2.0, 0.5);
    EXPECT_NEAR(ventana.top, (altoPantalla - Alto(ventana)) / 2.0, 0.5);
}

TEST_F(VentanaMenu, LosBotonesSonVentanasHijasEnSuSitioDeDisenio) {
    struct Esperado {
        int id;
        const wchar_t* texto;
        RECT twips;  // left, top, right, bottom
    };
    const Esperado esperados[] = {
        {kIdInstalar, L"Instalar", {200, 5085, 200 + 1350, 5085 + 350}},
        {kIdCerrar, L"Cerrar", {5280, 5085, 5280 + 1350, 5085 + 350}},
    };
    Menu& menu = Abrir();
    const std::vector<Boton> botones = Botones(menu.Ventana());
    ASSERT_EQ(botones.size(), 2u);

    for (const Esperado& e : esperados) {
        SCOPED_TRACE(Utf8(e.texto));
        const HWND hijo = Hijo(menu, e.id);
        ASSERT_NE(hijo, nullptr) << "no child window with id " << e.id;
        const auto boton = std::find_if(botones.begin(), botones.end(), [&](const Boton& b) { return b.ventana == hijo; });
        ASSERT_NE(boton, botones.end()) << "child " << e.id << " is not a BUTTON";
        EXPECT_EQ(boton->texto, e.texto);
        EXPECT_TRUE(IsWindowVisible(hijo));
        const double tpp = TwipsPorPixel();
        EXPECT_NEAR(boton->rect.left, e.twips.left / tpp, 1.0);
        EXPECT_NEAR(boton->rect.top, e.twips.top / tpp, 1.0);
        EXPECT_NEAR(Ancho(boton->rect), (e.twips.right - e.twips.left) / tpp, 1.0);
        EXPECT_NEAR(Alto(boton->rect), (e.twips.bottom - e.twips.top) / tpp, 1.0);
    }
}

// ------------------------------------------------------- border and bar

TEST_F(VentanaMenu, PintaElBordeEnRelieveYLaBarraInferior) {
    Menu& menu = Abrir();
    const RECT ventana = menu.Rectangulo();
    const int w = Ancho(ventana);
    const int h = Alto(ventana);
    const Rango barra = Pixeles(kAltoVentana - kAltoBarra);
    ASSERT_GT(barra.min, 10);

    std::vector<RECT> botones;
    for (const Boton& b : Botones(menu.Ventana())) botones.push_back(b.rect);

    const std::vector<Zona> zonas = {
        {"left column", {0, 0, 1, h}, kBordeClaro, {}},
        {"top row", {0, 0, w - 1, 1}, kBordeClaro, {}},
        {"top-right corner", {w - 1, 0, w, 1}, kBordeOscuro, {}},
        {"right column above the bar", {w - 1, 1, w, barra.min}, kBordeOscuro, {}},
        {"bar, from the second column to the right edge", {1, barra.max, w, h}, kBarra, botones},
        {"background just above the bar", {w / 2, barra.min - 1, w - 1, barra.min}, GetSysColor(COLOR_WINDOW), {}},
    };
    const std::string fallos = FallosEnPantalla(menu, zonas);
    EXPECT_TRUE(fallos.empty()) << fallos << "window " << w << "x" << h << ", bar top " << Texto(barra);
}

// ----------------------------------------------------------------- logo

// A 40 x 30 logo with a different colour in each quadrant, so that a logo
// drawn upside down, mirrored or elsewhere shows the wrong colours.
const COLORREF kCuadrantes[2][2] = {{RGB(200, 30, 40), RGB(20, 160, 60)}, {RGB(30, 60, 200), RGB(240, 200, 20)}};

COLORREF ColorDelLogo(int x, int y) { return kCuadrantes[y < 15 ? 0 : 1][x < 20 ? 0 : 1]; }

// Client pixels well inside each quadrant (and still inside if the logo were
// scaled to the screen's resolution), and one outside the logo.
std::vector<Zona> ZonasDelLogo() {
    return {
        {"logo, top left", {5, 5, 6, 6}, kCuadrantes[0][0], {}},
        {"logo, top right", {35, 5, 36, 6}, kCuadrantes[0][1], {}},
        {"logo, bottom left", {5, 25, 6, 26}, kCuadrantes[1][0], {}},
        {"logo, bottom right", {35, 25, 36, 26}, kCuadrantes[1][1], {}},
        {"right of the logo", {70, 50, 71, 51}, GetSysColor(COLOR_WINDOW), {}},
    };
}

std::vector<Zona> ZonasSinLogo() {
    return {{"where the logo would be", {5, 5, 36, 26}, GetSysColor(COLOR_WINDOW), {}}};
}

TEST_F(VentanaMenu, DibujaElLogoEnLaEsquinaSuperiorIzquierda) {
    medio_.Escribir(L"quorbel.bmp", Bmp24(40, 30, ColorDelLogo));
    Menu& menu = Abrir();
    const std::string fallos = FallosEnPantalla(menu, ZonasDelLogo());
    EXPECT_TRUE(fallos.empty()) << fallos;
}

std::string BytesAlAzar(std::size_t cuantos) {
    std::mt19937 generador(20240611);
    std::string bytes(cuantos, '\0');
    for (char& b : bytes) b = static_cast<char>(generador() & 0xFF);
    bytes[0] = 'x';  // not even the "BM" of a bitmap
    return bytes;
}

struct LogoNoValido {
    const char* nombre;
    std::optional<std::string> bytes;  // no file at all when empty
};

void PrintTo(const LogoNoValido& caso, std::ostream* salida) { *salida << caso.nombre; }

class LogoIgnorado : public VentanaMenu, public ::testing::WithParamInterface<LogoNoValido> {};

TEST_P(LogoIgnorado, AbreLaVentanaSinMensajeYConElFondoDelSistema) {
    if (GetParam().bytes) medio_.Escribir(L"quorbel.bmp", *GetParam().bytes);
    Menu& menu = Abrir();

    const std::string fallos = FallosEnPantalla(menu, ZonasSinLogo());
    EXPECT_TRUE(fallos.empty()) << fallos;
    // The window only shows once loading is over, so any message about the
    // logo would be up by now.
    const CuadroMensaje cuadro = BuscarCuadroMensaje(menu.Id());
    EXPECT_EQ(cuadro.ventana, nullptr) << "message box: " << Utf8(cuadro.texto);
    EXPECT_FALSE(menu.Terminado());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LogoIgnorado,
    ::testing::Values(LogoNoValido{"missing", std::nullopt},
                      LogoNoValido{"random_bytes", BytesAlAzar(3000)},
                      LogoNoValido{"empty", std::string()},
                      LogoNoValido{"cut_in_the_header", Bmp24(40, 30, ColorDelLogo).substr(0, 30)}),
    [](const ::testing::TestParamInfo<LogoNoValido>& caso) { return std::string(caso.param.nombre); });

// -------------------------------------------------------------- dragging

POINT Mas(POINT p, POINT d) { return {p.x + d.x, p.y + d.y}; }

// Waits for the window to reach `esperado` and returns where it is.
RECT EsperarRectangulo(const Menu& menu, const RECT& esperado) {
    RECT actual{};
    Esperar([&] { return EqualRect(&(actual = menu.Rectangulo()), &esperado) != FALSE; }, 3000);
    return actual;
}

RECT Desplazado(RECT r, POINT d) {
    OffsetRect(&r, d.x, d.y);
    return r;
}

struct Desplazamiento {
    POINT d;
};

void PrintTo(const Desplazamiento& d, std::ostream* salida) { *salida << "(" << d.d.x << "," << d.d.y << ")"; }

class Arrastre : public VentanaMenu, public ::testing::WithParamInterface<Desplazamiento> {};

TEST_P(Arrastre, MueveLaVentanaLoMismoQueElRaton) {
    const POINT d = GetParam().d;
    Menu& menu = Abrir();
    const RECT antes = menu.Rectangulo();
    const POINT desde = menu.APantalla(APixeles(kFondoLibre));

    Arrastrar(desde, Mas(desde, d));

    const RECT despues = EsperarRectangulo(menu, Desplazado(antes, d));
    EXPECT_EQ(despues.left - antes.left, d.x);
    EXPECT_EQ(despues.top - antes.top, d.y);
    EXPECT_EQ(Ancho(despues), Ancho(antes));
    EXPECT_EQ(Alto(despues), Alto(antes));
}

INSTANTIATE_TEST_SUITE_P(Desplazamientos, Arrastre,
                         ::testing::Values(Desplazamiento{{37, 23}}, Desplazamiento{{-25, 11}}),
                         [](const ::testing::TestParamInfo<Desplazamiento>& caso) {
                             const auto n = [](LONG v) { return (v < 0 ? "menos" : "") + std::to_string(std::abs(v)); };
                             return n(caso.param.d.x) + "_" + n(caso.param.d.y);
                         });

struct Etiqueta {
    const char* nombre;
    POINT twips;
};

void PrintTo(const Etiqueta& e, std::ostream* salida) { *salida << e.nombre; }

class ArrastreDesdeEtiqueta : public VentanaMenu, public ::testing::WithParamInterface<Etiqueta> {};

TEST_P(ArrastreDesdeEtiqueta, NoMueveLaVentana) {
    Menu& menu = Abrir();
    const RECT antes = menu.Rectangulo();
    const POINT etiqueta = menu.APantalla(APixeles(GetParam().twips));
    Arrastrar(etiqueta, Mas(etiqueta, {37, 23}));

    // A later drag on the background shows the first one has been handled:
    // the window ends up moved by the second drag alone.
    const POINT paso{10, 10};
    const POINT fondo = menu.APantalla(APixeles(kFondoLibre));
    Arrastrar(fondo, Mas(fondo, paso));

    const RECT despues = EsperarRectangulo(menu, Desplazado(antes, paso));
    EXPECT_EQ(despues.left - antes.left, paso.x);
    EXPECT_EQ(despues.top - antes.top, paso.y);
}

INSTANTIATE_TEST_SUITE_P(Etiquetas, ArrastreDesdeEtiqueta,
                         ::testing::Values(Etiqueta{"version", kEtiquetaVersion},
                                           Etiqueta{"title", kEtiquetaTitulo},
                                           Etiqueta{"item", kEtiquetaOpcion}),
                         [](const ::testing::TestParamInfo<Etiqueta>& caso) { return std::string(caso.param.nombre); });

}  // namespace
