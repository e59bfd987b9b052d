#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MenuDePrueba.h"
#include "common/Texto.h"
#include "window/ArbolAccesible.h"

namespace instalar::prueba {
namespace {

using P = ParadaFoco;

// Item ids 1 to 3, then the description (4), title (5), version (6), hint
// (7), "Instalar" (8) and "Cerrar" (9).
class ArbolTest : public MenuDePrueba {
protected:
    void SetUp() override {
        Escribir({"Gesti\xF3n && C\xED" "a", "2.0", "&Contabilidad;conta.exe;Instala la &contabilidad",
                  "N\xF3minas && pagas;nom.exe", "Ma&nual;man.exe;"});
    }

    ArbolAccesible Arbol(std::optional<ParadaFoco> foco = std::nullopt) const { return ArbolAccesible(*ventana, foco); }
    ElementoAccesible Elemento(long id, std::optional<ParadaFoco> foco = std::nullopt) const {
        const auto elemento = Arbol(foco).Elemento(id);
        if (!elemento) ADD_FAILURE() << "no element " << id;
        return elemento.value_or(ElementoAccesible{});
    }
};

TEST_F(ArbolTest, NumeraLasOpcionesYDespuesLasDemasPartes) {
    Cargar();
    const ArbolAccesible arbol = Arbol();
    EXPECT_EQ(arbol.Hijos(), 9);
    const Parte partes[] = {Parte::Opcion,  Parte::Opcion,     Parte::Opcion,   Parte::Descripcion, Parte::Titulo,
                            Parte::Version, Parte::Indicacion, Parte::Instalar, Parte::Cerrar};
    for (long id = 1; id <= 9; ++id) EXPECT_EQ(arbol.ParteDe(id), partes[id - 1]) << id;
    for (long id : {-1L, 0L, 10L}) EXPECT_EQ(arbol.ParteDe(id), std::nullopt) << id;
    for (long id : {1L, 2L, 3L}) EXPECT_EQ(arbol.OpcionDe(id), int16_t(id - 1));
    EXPECT_EQ(arbol.OpcionDe(4), std::nullopt);
    EXPECT_EQ(arbol.IdDe(Parte::Descripcion), 4);
    EXPECT_EQ(arbol.IdDe(Parte::Cerrar), 9);
    EXPECT_EQ(arbol.Elemento(10), std::nullopt);
    EXPECT_EQ(arbol.Elemento(-1), std::nullopt);
}

struct Esperado {
    long id;
    RolAccesible rol;
    std::u16string nombre;
    unsigned estados;
    std::u16string atajo;
    std::u16string accion;
};

TEST_F(ArbolTest, NombresRolesYEstadosComoSeVen) {
    Cargar();
    const unsigned kOpcion = kSeleccionable | kEnfocable;
    const Esperado esperados[] = {
        {0, RolAccesible::Ventana, kTituloVentana, kEnfocable, u"", u""},
        {1, RolAccesible::OpcionDeLista, u"Contabilidad", kOpcion | kSeleccionado, u"Alt+C", u"Seleccionar"},
        {2, RolAccesible::OpcionDeLista, u"Nóminas & pagas", kOpcion, u"", u"Seleccionar"},
        {3, RolAccesible::OpcionDeLista, u"Manual", kOpcion, u"Alt+n", u"Seleccionar"},
        {4, RolAccesible::Texto, u"Instala la contabilidad", kSoloLectura, u"", u""},
        {5, RolAccesible::Texto, u"Gestión & Cía", kSoloLectura, u"", u""},
        {6, RolAccesible::Texto, u"Versión 2.0", kSoloLectura, u"", u""},
        {7, RolAccesible::Texto, u"Selecciona la opción que desees instalar.", kSoloLectura, u"", u""},
        {8, RolAccesible::Boton, u"Instalar", kEnfocable, u"", u"Presionar"},
        {9, RolAccesible::Boton, u"Cerrar", kEnfocable, u"", u"Presionar"},
    };
    for (const Esperado& e : esperados) {
        const ElementoAccesible elemento = Elemento(e.id);
        EXPECT_EQ(elemento.rol, e.rol) << e.id;
        EXPECT_EQ(AUtf8(elemento.nombre), AUtf8(e.nombre)) << e.id;
        EXPECT_EQ(elemento.estados, e.estados) << e.id;
        EXPECT_EQ(AUtf8(elemento.atajo), AUtf8(e.atajo)) << e.id;
        EXPECT_EQ(AUtf8(elemento.accion), AUtf8(e.accion)) << e.id;
    }
}

struct CasoFoco {
    const char* nombre;
    std::optional<ParadaFoco> foco;
    std::optional<long> conFoco;  // the only element with the focused state
};

void PrintTo(const CasoFoco& caso, std::ostream* os) { *os << caso.nombre; }

class FocoArbolTest : public ArbolTest, public ::testing::WithParamInterface<CasoFoco> {};

TEST_P(FocoArbolTest, SoloElElementoEnfocadoLoDiceYEsElQueSeInforma) {
    const CasoFoco& caso = GetParam();
    Cargar();
    ventana->ClicEnOpcion(1);
    const ArbolAccesible arbol = Arbol(caso.foco);
    EXPECT_EQ(arbol.HijoConFoco(), caso.conFoco);
    EXPECT_EQ(arbol.HijoSeleccionado(), 2);
    for (long id = 0; id <= arbol.Hijos(); ++id) {
        const bool enfocado = (arbol.Elemento(id)->estados & kEnfocado) != 0;
        EXPECT_EQ(enfocado, caso.conFoco == id) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Paradas, FocoArbolTest,
                         ::testing::Values(CasoFoco{"Lista", P::Lista, 2L}, CasoFoco{"Instalar", P::Instalar, 8L},
                                           CasoFoco{"Cerrar", P::Cerrar, 9L},
                                           CasoFoco{"VentanaInactiva", std::nullopt, std::nullopt}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(ArbolTest, SinSeleccionLaListaEnfocadaEsLaVentana) {
    p.erroresPorApertura[2] = ErrorDe(CodigoError::PermisoDenegado, 5);  // the first description
    Cargar();
    ASSERT_TRUE(Negritas().empty());
    const ArbolAccesible arbol = Arbol(P::Lista);
    EXPECT_EQ(arbol.HijoSeleccionado(), std::nullopt);
    EXPECT_EQ(arbol.HijoConFoco(), ArbolAccesible::kVentana);
    EXPECT_NE(arbol.Elemento(0)->estados & kEnfocado, 0u);
    for (long id = 1; id <= 3; ++id) EXPECT_EQ(arbol.Elemento(id)->estados & (kEnfocado | kSeleccionado), 0u);
}

TEST_F(ArbolTest, SinOpcionesInstalarNoEstaDisponibleYLaIndicacionNoSeVe) {
    Escribir({"Oficina", "2.0"});
    Cargar();
    const ArbolAccesible arbol = Arbol(P::Cerrar);
    EXPECT_EQ(arbol.Hijos(), 6);
    EXPECT_EQ(arbol.ParteDe(1), Parte::Descripcion);
    EXPECT_EQ(AUtf8(arbol.Elemento(1)->nombre).rfind("Ha ocurrido un error !!!", 0), 0u);
    EXPECT_EQ(arbol.Elemento(4)->estados, kSoloLectura | kInvisible) << "the hint is emptied";
    EXPECT_EQ(arbol.Elemento(5)->estados, kNoDisponible) << "Instalar";
    EXPECT_EQ(arbol.Elemento(5)->accion, u"");
    EXPECT_EQ(arbol.Elemento(6)->estados, kEnfocable | kEnfocado) << "Cerrar";
    EXPECT_EQ(arbol.HijoSeleccionado(), std::nullopt);
    EXPECT_EQ(arbol.AccionPredeterminada(5), std::nullopt);
}

TEST_F(ArbolTest, LaDescripcionDeCadaOpcionEsLaQueMostraria) {
    Cargar();
    const ArbolAccesible arbol = Arbol();
    EXPECT_EQ(arbol.Descripcion(1), std::u16string(u"Instala la contabilidad"));
    EXPECT_EQ(arbol.Descripcion(2), std::nullopt) << "an entry without a description keeps the previous one";
    EXPECT_EQ(arbol.Descripcion(3), std::nullopt) << "an empty description shows nothing";
    for (long id : {0L, 4L, 5L, 8L, 10L}) EXPECT_EQ(arbol.Descripcion(id), std::nullopt) << id;

    // Read afresh, as selecting it would.
    Escribir({"T", "V", "&Contabilidad;conta.exe;Otra"});
    EXPECT_EQ(arbol.Descripcion(1), std::u16string(u"Otra"));
    p.archivos.erase(kRutaMenu);
    EXPECT_EQ(arbol.Descripcion(1), std::nullopt);
    EXPECT_TRUE(p.mensajes.empty()) << "asking must not show a message";
}

// A screen reader walks the whole tree, asking each item's description: the
// file is read once for all of them (a UTF-8 file is looked through once
// more, to know it is UTF-8), and again only once it has changed.
TEST_F(ArbolTest, LasDescripcionesDeTodasSalenDeUnaLectura) {
    std::vector<std::string> lineas = {"Men\xC3\xBA", "1.0"};
    for (int i = 0; i < 200; ++i)
        lineas.push_back("Producto " + std::to_string(i) + ";p.exe;Instala el m\xC3\xB3" "dulo " + std::to_string(i));
    Escribir(lineas);
    Cargar();
    const size_t tamano = p.archivos[kRutaMenu].size();
    const int aperturasAntes = p.aperturas;
    const size_t bytesAntes = p.bytesLeidos;

    const ArbolAccesible arbol = Arbol();
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        for (long id = 1; id <= 200; ++id)
            EXPECT_EQ(arbol.Descripcion(id), u"Instala el m\u00f3dulo " + DesdeUtf8(std::to_string(id - 1))) << id;
    }
    EXPECT_EQ(p.aperturas - aperturasAntes, 1);
    EXPECT_LE(p.bytesLeidos - bytesAntes, 2 * tamano);

    lineas[2] = "Producto 0;p.exe;Otra";
    Escribir(lineas);
    EXPECT_EQ(arbol.Descripcion(1), std::u16string(u"Otra"));
    EXPECT_EQ(arbol.Descripcion(2), std::u16string(u"Instala el m\u00f3dulo 1"));
    EXPECT_EQ(p.aperturas - aperturasAntes, 2);
}

// Finding each item's description among the file's entries costs a
// comparison of names or two, not one against every other entry: the
// platform's groups of names (the host's sort keys) narrow it down.
TEST_F(ArbolTest, CadaDescripcionSeHallaSinCompararConTodas) {
    constexpr int kOpciones = 2000;
    std::vector<std::string> lineas = {"Men\xC3\xBA", "1.0"};
    for (int i = 0; i < kOpciones; ++i)
        lineas.push_back("Producto " + std::to_string(i) + ";p.exe;Instala el " + std::to_string(i));
    // A repeated name, in other letters: its first entry's description.
    lineas.push_back("PRODUCTO 7;q.exe;Otra");
    Escribir(lineas);
    Cargar();
    ASSERT_EQ(ventana->TotalOpciones(), kOpciones + 1);
    p.comparaciones = 0;

    const ArbolAccesible arbol = Arbol();
    for (long id = 1; id <= kOpciones; ++id)
        ASSERT_EQ(arbol.Descripcion(id), DesdeUtf8("Instala el " + std::to_string(id - 1))) << id;
    EXPECT_EQ(arbol.Descripcion(kOpciones + 1), std::u16string(u"Instala el 7"));
    EXPECT_LE(p.comparaciones, size_t{3} * kOpciones);
}

struct CasoCajas {
    const char* nombre;
    double twipsPorPixel;
    float izquierdaOpciones;
};

void PrintTo(const CasoCajas& caso, std::ostream* os) { *os << caso.nombre; }

class CajasTest : public ArbolTest, public ::testing::WithParamInterface<CasoCajas> {};

void ExpectCaja(const Rectangulo& real, const Rectangulo& esperada, const std::string& que) {
    EXPECT_FLOAT_EQ(real.izquierda, esperada.izquierda) << que;
    EXPECT_FLOAT_EQ(real.arriba, esperada.arriba) << que;
    EXPECT_FLOAT_EQ(real.ancho, esperada.ancho) << que;
    EXPECT_FLOAT_EQ(real.alto, esperada.alto) << que;
}

TEST_P(CajasTest, LasCajasSonLasQueSePintanEnTwips) {
    const CasoCajas& caso = GetParam();
    p.twipsPorPixel = caso.twipsPorPixel;
    Cargar();
    const float x = caso.izquierdaOpciones;
    // 12-point names, 120 twips a character and 132 in bold, 270 high.
    ExpectCaja(Elemento(1).caja, {x, 2572.5f, 12 * 132, 270}, "item 1");
    ExpectCaja(Elemento(2).caja, {x, 3215, 15 * 120, 270}, "item 2");
    ExpectCaja(Elemento(3).caja, {x, 3857.5f, 6 * 120, 270}, "item 3");
    // One line of 8.25-point text, centred on the divider.
    ExpectCaja(Elemento(4).caja, {3780, 2200 + (2300 - 185.625f) / 2, 2835, 185.625f}, "description");
    // 20.25-point title against the right edge at 6690.
    ExpectCaja(Elemento(5).caja, {6690 - 13 * 202.5f, 1245, 13 * 202.5f, 455.625f}, "title");
    ExpectCaja(Elemento(8).caja, {200, 5085, 1350, 350}, "Instalar");
    ExpectCaja(Elemento(9).caja, {5280, 5085, 1350, 350}, "Cerrar");
    ExpectCaja(Elemento(0).caja, {0, 0, 6765, 5490}, "window");

    // And always exactly where the model has them.
    const Controles& c = V();
    for (int i = 0; i < 3; ++i) ExpectCaja(Elemento(i + 1).caja, c.opciones[size_t(i)].caja, "item");
    ExpectCaja(Elemento(6).caja, c.version.caja, "version");
    ExpectCaja(Elemento(7).caja, c.indicacion.caja, "hint");
}

INSTANTIATE_TEST_SUITE_P(Resoluciones, CajasTest,
                         ::testing::Values(CasoCajas{"A96ppp", 15, 750}, CasoCajas{"A144ppp", 10, 500}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

Punto Centro(const Rectangulo& r) { return {r.izquierda + r.ancho / 2.0, r.arriba + r.alto / 2.0}; }

TEST_F(ArbolTest, LoQueHayEnUnPuntoCoincideConElRaton) {
    Cargar();
    ventana->AjustarATamano(kAnchoVentana, kAltoVentana);
    const Controles& c = V();
    const struct {
        const char* que;
        Punto punto;
        long id;
    } casos[] = {
        {"item 1", Centro(c.opciones[0].caja), 1},
        {"item 2", Centro(c.opciones[1].caja), 2},
        {"item 3", Centro(c.opciones[2].caja), 3},
        {"description", Centro(c.descripcion.caja), 4},
        {"title", Centro(c.titulo.caja), 5},
        {"version", Centro(c.version.caja), 6},
        {"hint", Centro(c.indicacion.caja), 7},
        {"Instalar", Centro(c.instalar.caja), 8},
        {"Cerrar", Centro(c.cerrar.caja), 9},
        {"background", {3000, 900}, 0},
        {"icon", Centro(c.icono.caja), 0},
        {"arrow", Centro(c.flecha.caja), 0},
        {"divider", {3550, 3000}, 0},
        {"bar between the buttons", {4000, 5200}, 0},
        {"just right of item 1", {c.opciones[0].caja.izquierda + c.opciones[0].caja.ancho + 10.0, 2700}, 0},
    };
    const ArbolAccesible arbol = Arbol();
    for (const auto& caso : casos) {
        EXPECT_EQ(arbol.HijoEn(caso.punto.x, caso.punto.y), caso.id) << caso.que;
        // Where the mouse finds an item, so does a screen reader.
        const Impacto raton = ventana->ControlEn(caso.punto.x, caso.punto.y);
        if (raton.tipo == Impacto::Tipo::Opcion) {
            EXPECT_EQ(caso.id, raton.indice + 1) << caso.que;
        }
    }
}

// Stacked labels from a menu cut short take the mouse in the order they
// were made: the last one on top.
TEST_F(ArbolTest, OpcionesApiladasElPuntoEsDeLaUltima) {
    Escribir({"T", "V", "Uno;u.exe", "Dos;d.exe", std::string(32767, 'x') + ";cmd;larga"});
    Cargar();
    EXPECT_EQ(Arbol().HijoEn(1100, 2900), 2);
}

struct CasoNavegar {
    long desde;
    Direccion direccion;
    std::optional<long> hasta;
};

TEST_F(ArbolTest, NavegarRecorreLosHijosEnOrden) {
    Cargar();
    const CasoNavegar casos[] = {
        {0, Direccion::PrimerHijo, 1L},      {0, Direccion::UltimoHijo, 9L},   {0, Direccion::Siguiente, std::nullopt},
        {0, Direccion::Anterior, std::nullopt}, {1, Direccion::Siguiente, 2L}, {3, Direccion::Siguiente, 4L},
        {9, Direccion::Siguiente, std::nullopt}, {1, Direccion::Anterior, std::nullopt}, {4, Direccion::Anterior, 3L},
        {2, Direccion::PrimerHijo, std::nullopt}, {10, Direccion::Anterior, std::nullopt},
    };
    const ArbolAccesible arbol = Arbol();
    for (const CasoNavegar& caso : casos) {
        EXPECT_EQ(arbol.Navegar(caso.desde, caso.direccion), caso.hasta)
            << caso.desde << " " << static_cast<int>(caso.direccion);
    }
}

TEST_F(ArbolTest, SeleccionarUnaOpcionEsLoQueHariaUnClic) {
    Cargar();
    const ArbolAccesible arbol = Arbol();
    const struct {
        long id;
        PeticionSeleccion peticion;
        std::optional<int16_t> opcion;
        bool enfocarLista;
    } casos[] = {
        {2, {false, true, false}, int16_t{1}, false},
        {3, {true, false, false}, int16_t{2}, true},
        {1, {true, true, false}, int16_t{0}, true},
        {1, {false, true, true}, std::nullopt, false},   // adding to the selection
        {1, {false, false, false}, std::nullopt, false},
        {4, {false, true, false}, std::nullopt, false},  // the description
        {8, {true, true, false}, std::nullopt, false},   // a button
        {0, {false, true, false}, std::nullopt, false},
    };
    for (const auto& caso : casos) {
        const auto peticion = arbol.Seleccionar(caso.id, caso.peticion);
        ASSERT_EQ(peticion.has_value(), caso.opcion.has_value()) << caso.id;
        if (!peticion) continue;
        EXPECT_EQ(peticion->tipo, Peticion::Tipo::SeleccionarOpcion);
        EXPECT_EQ(peticion->opcion, *caso.opcion);
        EXPECT_EQ(peticion->enfocarLista, caso.enfocarLista);
    }
}

TEST_F(ArbolTest, LaAccionPredeterminadaEligeLaOpcionOPulsaElBoton) {
    Cargar();
    const ArbolAccesible arbol = Arbol();
    const auto opcion = arbol.AccionPredeterminada(3);
    ASSERT_TRUE(opcion.has_value());
    EXPECT_EQ(opcion->tipo, Peticion::Tipo::SeleccionarOpcion);
    EXPECT_EQ(opcion->opcion, 2);
    EXPECT_FALSE(opcion->enfocarLista);
    for (const auto& [id, boton] : {std::pair{8L, P::Instalar}, std::pair{9L, P::Cerrar}}) {
        const auto presion = arbol.AccionPredeterminada(id);
        ASSERT_TRUE(presion.has_value()) << id;
        EXPECT_EQ(presion->tipo, Peticion::Tipo::PresionarBoton);
        EXPECT_EQ(presion->boton, boton);
    }
    for (long id : {0L, 4L, 5L, 7L, 10L}) EXPECT_EQ(arbol.AccionPredeterminada(id), std::nullopt) << id;
}

// While a message box of the window's own is up, the window takes no input:
// every element says so, and no request comes out of the tree.
TEST_F(ArbolTest, ConLaVentanaSinEntradaNadaEstaDisponibleNiSePuedePedir) {
    Cargar();
    const ArbolAccesible arbol(*ventana, P::Lista, false);
    for (long id = 0; id <= arbol.Hijos(); ++id) {
        const auto elemento = arbol.Elemento(id);
        ASSERT_TRUE(elemento.has_value()) << id;
        EXPECT_TRUE(elemento->estados & kNoDisponible) << id;
        EXPECT_EQ(arbol.AccionPredeterminada(id), std::nullopt) << id;
        EXPECT_EQ(arbol.Seleccionar(id, PeticionSeleccion{true, true, false}), std::nullopt) << id;
    }
    // The same window, taking input again.
    EXPECT_FALSE(Arbol(P::Lista).Elemento(1)->estados & kNoDisponible);
    EXPECT_TRUE(Arbol(P::Lista).AccionPredeterminada(1).has_value());
}

// A screen reader may still hold the window's object after it is unloaded:
// the tree then holds no item, and asks nothing of the labels that are gone.
TEST_F(ArbolTest, TrasDescargarNoQuedanOpciones) {
    Cargar();
    ventana->Descargar();
    const ArbolAccesible arbol = Arbol(P::Lista);
    EXPECT_EQ(ventana->TotalOpciones(), 0);
    EXPECT_EQ(arbol.Hijos(), 6);
    EXPECT_EQ(arbol.OpcionDe(1), std::nullopt);
    EXPECT_EQ(arbol.ParteDe(1), Parte::Descripcion);
    for (long id = 0; id <= 9; ++id) {
        if (const auto elemento = arbol.Elemento(id)) {
            EXPECT_NE(elemento->rol, RolAccesible::OpcionDeLista) << id;
        }
        EXPECT_EQ(arbol.Descripcion(id), std::nullopt) << id;
        if (const auto peticion = arbol.AccionPredeterminada(id)) {
            EXPECT_EQ(peticion->tipo, Peticion::Tipo::PresionarBoton) << id;
        }
    }
}

// An empty list still has the design's label 0, hidden: a request to select
// item 0 (a screen reader's, forged or late) selects nothing.
TEST_F(ArbolTest, ElegirUnaOpcionQueNoEstaEnLaListaNoHaceNada) {
    Escribir({"Oficina", "2.0"});
    Cargar();
    ASSERT_EQ(ventana->TotalOpciones(), 0);
    ventana->ClicEnOpcion(0);
    EXPECT_TRUE(Negritas().empty());
    EXPECT_FALSE(V().flecha.visible);
    EXPECT_TRUE(p.mensajes.empty());
}

}  // namespace
}  // namespace instalar::prueba
