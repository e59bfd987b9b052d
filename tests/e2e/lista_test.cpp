// The item list as the user sees it: title and version, the names spread
// down the left half, the selected one bold with the arrow in front and its
// description on the right, selecting with the mouse, and what the window
// shows when there is nothing to install.  Painted text cannot be read back,
// so the tests look for ink (pixels that are not background) in the parts of
// the window, and for the arrow's green.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "Arnes.h"

using namespace arnes;

namespace {

// Names with the same letters above and below the baseline, so that their
// bands of ink have the same height and their centres can be compared.
const std::string kTresOpciones = LineasCrLf({
    "Oficina 2024",
    "1.0",
    "Producto A;a\\setup.exe;Instala el producto A",
    "Producto B;b\\setup.exe;Instala el producto B",
    "Producto C;c\\setup.exe;Una descripcion bastante larga, que ocupa varias lineas en la parte derecha",
});

COLORREF Fondo() { return GetSysColor(COLOR_WINDOW); }

bool HayTintaEn(const Captura& ventana, const RECT& zonaTwips) {
    return HayTinta(ventana, ZonaEnPixeles(zonaTwips), Fondo());
}

std::vector<Franja> LineasDeLaDescripcion(const Captura& ventana) {
    return FranjasDeTinta(ventana, ZonaEnPixeles(kZonaDescripcion), Fondo());
}

// How far, in pixels, the ink of a text may lie from its label's box: the
// space above the tallest letters, below the lowest ones.
double HolguraDeTinta() { return 3.0 * PuntosPorPulgada() / 96; }

// "" if the description is centred, as a block, on the divider (2200 to
// 4500 twips), otherwise what is wrong.
std::string FalloDeCentrado(const std::vector<Franja>& lineas) {
    if (lineas.empty()) return "no description";
    const double centro = (lineas.front().arriba + lineas.back().abajo) / 2.0;
    if (std::abs(centro - EnPixeles(3350)) <= HolguraDeTinta()) return "";
    return "the description at rows " + std::to_string(lineas.front().arriba) + ".." +
           std::to_string(lineas.back().abajo) + " is not centred on row " + std::to_string(EnPixeles(3350));
}

using ListaMenu = PruebaConMedio;

// ------------------------------------------------------ title and version

// The darkest pixel of a zone: the colour of a text on a light background
// where its letters are solid, whatever the smoothing of their edges (an
// edge blends the text's colour with the lighter background, channel by
// channel).
COLORREF MasOscuro(const Captura& ventana, const RECT& zona) {
    COLORREF oscuro = RGB(255, 255, 255);
    const auto suma = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    for (const COLORREF c : PixelesDe(ventana, zona))
        if (suma(c) < suma(oscuro)) oscuro = c;
    return oscuro;
}

TEST_F(ListaMenu, MuestraElTituloYLaVersionArribaALaDerecha) {
    Menu& menu = Abrir(kTresOpciones);
    bool titulo = false;
    bool version = false;
    bool colorTitulo = false;
    bool colorVersion = false;
    Esperar(
        [&] {
            const Captura ventana(menu.Rectangulo());
            titulo = HayTintaEn(ventana, kZonaTitulo);
            version = HayTintaEn(ventana, kZonaVersion);
            colorTitulo = ContieneColor(ventana, ZonaEnPixeles(kZonaTitulo), diseno::Colorref(diseno::kTextoTitulo));
            colorVersion = MasOscuro(ventana, ZonaEnPixeles(kZonaVersion)) == diseno::Colorref(diseno::kTextoVersion);
            return titulo && version && colorTitulo && colorVersion;
        },
        3000);
    EXPECT_TRUE(titulo) << "nothing painted where the title goes";
    EXPECT_TRUE(version) << "nothing painted where the version goes";
    EXPECT_TRUE(colorTitulo) << "the title is not painted in RGB(64,0,0)";
    EXPECT_TRUE(colorVersion) << "the version is not painted in RGB(64,64,64) but its darkest pixel is "
                              << TextoColor(MasOscuro(Captura(menu.Rectangulo()), ZonaEnPixeles(kZonaVersion)));
}

// ------------------------------------------------------------- the list

TEST_F(ListaMenu, ReparteLosNombresPorIgualALoLargoDeLaLineaDivisoria) {
    Menu& menu = Abrir(kTresOpciones);
    const Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.opciones.size(), 3u) << lista.Describir();

    const std::vector<Franja>& f = lista.opciones;
    const double paso1 = f[1].Centro() - f[0].Centro();
    const double paso2 = f[2].Centro() - f[1].Centro();
    EXPECT_NEAR(paso1, paso2, 1.0) << lista.Describir();
    EXPECT_EQ(f[0].Alto(), f[2].Alto()) << lista.Describir();

    // The free space above the first and below the last name is the same:
    // the list is centred on the divider, from 2200 to 4500 twips.
    EXPECT_NEAR((f[0].Centro() + f[2].Centro()) / 2, EnPixeles(3350), 2.0) << lista.Describir();
    EXPECT_GT(f[0].arriba, EnPixeles(2200)) << lista.Describir();
    EXPECT_LT(f[2].abajo, EnPixeles(4500)) << lista.Describir();
    // Each gap (a quarter of what the three names leave free) is well over
    // a name's height of ink.
    EXPECT_GT(f[1].arriba - f[0].abajo, f[0].Alto()) << lista.Describir();
}

TEST_F(ListaMenu, AlAbrirEligeLaPrimeraOpcion) {
    Menu& menu = Abrir(kTresOpciones);
    const Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << "the arrow is not beside the first name: " << lista.Describir();
    EXPECT_TRUE(EsLaMasAncha(lista, 0)) << "the first name is not bold: " << lista.Describir();

    const Captura ventana(menu.Rectangulo());
    EXPECT_EQ(FalloDeCentrado(LineasDeLaDescripcion(ventana)), "");
    // The names are painted in the system's window text colour.
    const RECT columna = ZonaEnPixeles(kZonaOpciones);
    const RECT primera{columna.left, lista.opciones[0].arriba, columna.right, lista.opciones[0].abajo + 1};
    EXPECT_TRUE(ContieneColor(ventana, primera, GetSysColor(COLOR_WINDOWTEXT)));
    // The arrow stands in front of the name, not over it.
    const RECT flecha = ZonaEnPixeles(kZonaFlecha);
    EXPECT_FALSE(FranjaVerde(ventana, RECT{flecha.right, columna.top, columna.right, columna.bottom}).has_value());

    EXPECT_EQ(BuscarCuadroMensaje(menu.Id()).ventana, nullptr);
    EXPECT_TRUE(IsWindowEnabled(Hijo(menu, kIdInstalar)));
}

// --------------------------------------------------- selecting an item

// A click whose pointer shakes a little between press and release, as a
// hand does: it stays on the name, so it still selects it.
void ClicTembloroso(POINT p) {
    const POINT temblor{p.x + 3, p.y + 1};
    MoverRaton(p);
    AsentarRaton(p);
    PulsarRaton(p);
    MoverRaton(temblor);
    SoltarRaton(temblor);
}

const std::string kCuatroOpciones = LineasCrLf({
    "Oficina 2024",
    "1.0",
    "Producto A;a\\setup.exe;Instala el producto A",
    "Producto B;b\\setup.exe",
    "Producto C;c\\setup.exe;",
    "Producto D;d\\setup.exe;Una descripcion bastante larga, que ocupa varias lineas en la parte derecha",
});

enum class Descripcion { Cambia, SeQueda, SeVacia };

struct ClicEnOpcion {
    const char* nombre;
    std::size_t opcion;
    Descripcion descripcion;
};

void PrintTo(const ClicEnOpcion& caso, std::ostream* salida) { *salida << caso.nombre; }

class Seleccion : public ListaMenu, public ::testing::WithParamInterface<ClicEnOpcion> {};

TEST_P(Seleccion, UnClicMueveLaFlechaYLaNegritaYMuestraSuDescripcion) {
    const ClicEnOpcion& caso = GetParam();
    Menu& menu = Abrir(kCuatroOpciones);
    const Lista antes = EsperarLista(menu, ConMarca(4, 0));
    ASSERT_EQ(antes.Marcada(), 0u) << antes.Describir();
    const RECT ventanaAntes = menu.Rectangulo();
    const RECT descripcion = ZonaEnPixeles(kZonaDescripcion);
    const std::vector<COLORREF> descripcionAntes = PixelesDe(Captura(ventanaAntes), descripcion);

    ClicTembloroso(PuntoEnOpcion(menu, antes, caso.opcion));

    // Everything is painted at once: the arrow's new place shows the new
    // description too.
    const Lista despues = EsperarLista(menu, ConMarca(4, caso.opcion));
    ASSERT_EQ(despues.Marcada(), caso.opcion) << despues.Describir();
    EXPECT_TRUE(EsLaMasAncha(despues, caso.opcion)) << "the clicked name is not bold: " << despues.Describir();
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(despues.opciones[i].arriba, antes.opciones[i].arriba) << "item " << i << " moved";
        EXPECT_EQ(despues.opciones[i].abajo, antes.opciones[i].abajo) << "item " << i << " moved";
    }

    const Captura ventana(menu.Rectangulo());
    switch (caso.descripcion) {
    case Descripcion::Cambia:
        EXPECT_NE(PixelesDe(ventana, descripcion), descripcionAntes) << "the description did not change";
        EXPECT_EQ(FalloDeCentrado(LineasDeLaDescripcion(ventana)), "");
        break;
    case Descripcion::SeQueda:
        EXPECT_EQ(PixelesDe(ventana, descripcion), descripcionAntes) << "the previous description did not stay";
        break;
    case Descripcion::SeVacia:
        EXPECT_FALSE(HayTinta(ventana, descripcion, Fondo())) << "the empty description left text behind";
        break;
    }

    const RECT ventanaDespues = menu.Rectangulo();
    EXPECT_TRUE(EqualRect(&ventanaAntes, &ventanaDespues)) << "clicking an item moved the window";
}

INSTANTIATE_TEST_SUITE_P(
    Opciones, Seleccion,
    ::testing::Values(ClicEnOpcion{"con_descripcion", 3, Descripcion::Cambia},
                      ClicEnOpcion{"sin_descripcion_queda_la_anterior", 1, Descripcion::SeQueda},
                      ClicEnOpcion{"descripcion_vacia", 2, Descripcion::SeVacia}),
    [](const ::testing::TestParamInfo<ClicEnOpcion>& caso) { return std::string(caso.param.nombre); });

// Two names that differ only in letter case, in letters outside ASCII as a
// Western European Windows reads a menu file (Œ and œ are bytes 0x8C and
// 0x9C, Æ and æ 0xC6 and 0xE6, Ø and ø 0xD8 and 0xF8; letters without
// accents, whose marks would read as lines of their own): selecting the
// second shows the first one's description, never its own.  The item
// between them shows another one, so that the way back is a change on
// screen.
TEST_F(ListaMenu, DosNombresQueSoloCambianEnMayusculasMuestranLaDescripcionDelPrimero) {
    Menu& menu = Abrir(LineasCrLf({
        "Oficina 2024",
        "1.0",
        "\x8Cuvre de \xC6r\xF8;a\\setup.exe;La descripcion del primero",
        "Producto B;b\\setup.exe;Otra descripcion, bastante mas larga, que ocupa varias lineas a la derecha",
        "\x9Cuvre de \xE6R\xD8;c\\setup.exe;Esta no se ve nunca",
    }));
    const RECT descripcion = ZonaEnPixeles(kZonaDescripcion);
    const Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();
    const std::vector<COLORREF> delPrimero = PixelesDe(Captura(menu.Rectangulo()), descripcion);
    ASSERT_TRUE(HayTinta(Captura(menu.Rectangulo()), descripcion, Fondo())) << "no description on screen";

    Clic(PuntoEnOpcion(menu, lista, 1));
    const Lista segunda = EsperarLista(menu, ConMarca(3, 1));
    ASSERT_EQ(segunda.Marcada(), 1u) << segunda.Describir();
    ASSERT_NE(PixelesDe(Captura(menu.Rectangulo()), descripcion), delPrimero) << "the description did not change";

    Clic(PuntoEnOpcion(menu, segunda, 2));
    const Lista tercera = EsperarLista(menu, ConMarca(3, 2));
    ASSERT_EQ(tercera.Marcada(), 2u) << tercera.Describir();
    std::vector<COLORREF> vista;
    Esperar([&] { return (vista = PixelesDe(Captura(menu.Rectangulo()), descripcion)) == delPrimero; }, 3000);
    EXPECT_TRUE(vista == delPrimero) << "the third item does not show the first one's description";
    EXPECT_EQ(BuscarCuadroMensaje(menu.Id()).ventana, nullptr);
}

// The file is read again on every selection: once it is gone, a click on
// another item reports it and leaves the selection where it was.
TEST_F(ListaMenu, SiElArchivoDesapareceUnClicLoAvisaYNoCambiaLaSeleccion) {
    Menu& menu = Abrir(kTresOpciones);
    const Lista antes = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(antes.Marcada(), 0u) << antes.Describir();

    ASSERT_TRUE(DeleteFileW(medio_.RutaDe(L"instalar.inf").c_str()));
    Clic(PuntoEnOpcion(menu, antes, 2));

    const CuadroMensaje cuadro = EsperarCuadroMensaje(menu.Id());
    EXPECT_EQ(cuadro.titulo, diseno::kTituloW);
    EXPECT_EQ(Utf8(cuadro.texto), Utf8(L"No se encontr\u00f3 el archivo"));
    EXPECT_EQ(Nombre(cuadro.icono), std::string("exclamation"));
    EXPECT_TRUE(cuadro.soloAceptar) << "not an OK-only box";
    EXPECT_EQ(cuadro.propietario, menu.Ventana()) << "the box is not owned by the menu";
    Aceptar(cuadro);
    ASSERT_TRUE(Esperar([&] { return BuscarCuadroMensaje(menu.Id()).ventana == nullptr; }, 3000));

    // With the file back, Ctrl+Down goes to the second item only if the
    // first one is still the selected one (from the third it would stay).
    medio_.Escribir(L"instalar.inf", kTresOpciones);
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    const Lista despues = EsperarLista(menu, ConMarca(3, 1));
    EXPECT_EQ(despues.Marcada(), 1u) << despues.Describir();
    EXPECT_FALSE(menu.Terminado());
}

// ---------------------------------------------------- nothing to install

struct SinOpciones {
    const char* nombre;
    std::optional<std::string> archivo;  // no menu file at all when empty
    bool titulo;                         // the title shows
    bool version;                        // the version shows
    bool lineaEnBlanco;  // the description area shows two parts with an empty line between them
};

void PrintTo(const SinOpciones& caso, std::ostream* salida) { *salida << caso.nombre; }

class ListaVacia : public ListaMenu, public ::testing::WithParamInterface<SinOpciones> {};

TEST_P(ListaVacia, ExplicaElProblemaYSoloDejaCerrar) {
    const SinOpciones& caso = GetParam();
    Menu& menu = caso.archivo ? Abrir(*caso.archivo) : Abrir();

    const HWND instalar = Hijo(menu, kIdInstalar);
    const HWND cerrar = Hijo(menu, kIdCerrar);
    ASSERT_NE(instalar, nullptr);
    ASSERT_NE(cerrar, nullptr);
    EXPECT_FALSE(IsWindowEnabled(instalar)) << "\"Instalar\" is enabled";
    EXPECT_TRUE(IsWindowEnabled(cerrar));
    EXPECT_TRUE(Esperar([&] { return FocoDe(menu.Ventana()) == cerrar; }, 3000)) << "\"Cerrar\" has not the focus";

    // The message is painted together with the rest of the window.
    std::vector<Franja> lineas;
    const bool hay = Esperar(
        [&] { return !(lineas = LineasDeLaDescripcion(Captura(menu.Rectangulo()))).empty(); }, 3000);
    ASSERT_TRUE(hay) << "nothing painted where the description goes";
    const Captura ventana(menu.Rectangulo());

    const Lista lista = LeerLista(ventana);
    EXPECT_TRUE(lista.opciones.empty()) << "items shown: " << lista.Describir();
    EXPECT_FALSE(lista.flecha.has_value()) << "an arrow is shown: " << lista.Describir();
    EXPECT_EQ(HayTintaEn(ventana, kZonaTitulo), caso.titulo);
    EXPECT_EQ(HayTintaEn(ventana, kZonaVersion), caso.version);
    // The message stays where the description label was designed, at 2460
    // twips, and is not centred.
    EXPECT_GE(lineas[0].arriba, EnPixeles(2460) - 1);
    EXPECT_LE(lineas[0].arriba, EnPixeles(2460) + 2 * HolguraDeTinta());

    // "Ha ocurrido un error !!!", an empty line, then the explanation: the
    // gap after the first line is taller than the line itself; between the
    // lines of one paragraph it is not.
    const bool enBlanco = lineas.size() >= 2 && lineas[1].arriba - lineas[0].abajo > lineas[0].Alto();
    EXPECT_EQ(enBlanco, caso.lineaEnBlanco) << lineas.size() << " lines of text, the first at rows "
                                            << lineas[0].arriba << ".." << lineas[0].abajo;

    EXPECT_EQ(BuscarCuadroMensaje(menu.Id()).ventana, nullptr);
    EXPECT_FALSE(menu.Terminado());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ListaVacia,
    ::testing::Values(SinOpciones{"falta_el_archivo", std::nullopt, false, false, false},
                      SinOpciones{"solo_el_titulo", LineasCrLf({"Oficina 2024"}), true, false, false},
                      SinOpciones{"solo_la_cabecera", LineasCrLf({"Oficina 2024", "1.0"}), true, true, true}),
    [](const ::testing::TestParamInfo<SinOpciones>& caso) { return std::string(caso.param.nombre); });

}  // namespace
