// The menu as a screen reader and a keyboard user meet it: its accessible
// object read from another process as Narrator and NVDA read it (Microsoft
// Active Accessibility), the events it announces, the item list as a stop
// of the Tab key with its own keys, and the items' access keys.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <optional>
#include <string>
#include <vector>

#include "Arnes.h"
#include "herramientas/Accesibilidad.h"

using namespace arnes;

namespace {


// Item names start this many pixels from the window's left edge, at any
// resolution; the focus frame stands two pixels before them, and the arrow
// ends five before them.
const int kIzquierdaNombres = 50;

// Its elements: the items 1 to 3, then the description, the title, the
// version, the hint and the two buttons.
const long kDescripcion = 4;
const long kInstalar = 8;
const long kCerrar = 9;

// The event has come for element `hijo` of the menu's client area.
auto Anuncio(const Menu& menu, DWORD evento, long hijo) {
    const HWND ventana = menu.Ventana();
    return [ventana, evento, hijo](const std::vector<EventoAccesible>& eventos) {
        return std::any_of(eventos.begin(), eventos.end(), [&](const EventoAccesible& e) {
            return e.evento == evento && e.ventana == ventana && e.objeto == OBJID_CLIENT && e.hijo == hijo;
        });
    };
}

// The events the menu announced about its client area, in order.
std::vector<EventoAccesible> DelMenu(const Menu& menu, const std::vector<EventoAccesible>& eventos) {
    std::vector<EventoAccesible> propios;
    for (const EventoAccesible& e : eventos)
        if (e.ventana == menu.Ventana() && e.objeto == OBJID_CLIENT) propios.push_back(e);
    return propios;
}

bool Tiene(long estado, long bits) { return (estado & bits) == bits; }

// The arrow stands beside the element whose place on the screen is
// `ubicacion` (its middle within a few pixels of the element's).  This
// holds whatever else is painted round the names: a focus frame, or the
// underlines of access keys.
bool FlechaJunto(const Menu& menu, const RECT& ubicacion) {
    const RECT ventana = menu.Rectangulo();
    const auto flecha = FranjaVerde(Captura(ventana), ZonaEnPixeles(kZonaFlecha));
    if (!flecha) return false;
    const double centro = ventana.top + flecha->Centro();
    const double tolerancia = 3.0 * PuntosPorPulgada() / 96;
    return std::abs(centro - (ubicacion.top + ubicacion.bottom - 1) / 2.0) <= tolerancia;
}

// Ink just before an item's name, from `arriba` to `abajo` (rows of the
// window): where the focus frame's left side runs.
bool MarcoAntesDelNombre(const Menu& menu, int arriba, int abajo) {
    const RECT franja{kIzquierdaNombres - 3, arriba, kIzquierdaNombres, abajo + 1};
    return HayTinta(Captura(menu.Rectangulo()), franja, GetSysColor(COLOR_WINDOW));
}

class Accesibilidad : public PruebaConMedio {
protected:
    Elemento Raiz() const { return ObjetoDeVentana(menu_->Ventana()); }
    Elemento DeLaRaiz(long id) const { return Elemento{Raiz().objeto, id}; }
    // The selected item as the object says, 0 for none.
    long SeleccionadoSegunElObjeto() const {
        const auto elegido = Seleccionado(Raiz());
        return elegido ? elegido->id : 0;
    }

    // Puts the menu in front with the focus on the item list (Tab twice
    // from "Instalar").
    void EnfocarLaLista(const Menu& menu) {
        ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
        ASSERT_TRUE(EsperarFoco(menu, kIdInstalar));
        PulsarTecla(VK_TAB);
        PulsarTecla(VK_TAB);
        ASSERT_TRUE(Esperar([&] { return FocoDe(menu.Ventana()) == menu.Ventana(); }, 3000))
            << "two Tabs did not take the focus to the item list";
    }

    ComIniciado com_;
};

// ----------------------------------------------------- the accessible tree

TEST_F(Accesibilidad, LeeLasOpcionesComoSeVenYCualEstaElegida) {
    Abrir(LineasCrLf({"Gesti\u00f3n && C\u00eda", "2.0", "&Contabilidad;a\\setup.exe;Instala la &contabilidad",
                      "N\u00f3minas && pagas;b\\setup.exe", "Ma&nual;c\\setup.exe;Abre el manual"}));
    const Elemento raiz = Raiz();
    EXPECT_EQ(Rol(raiz), ROLE_SYSTEM_CLIENT);
    EXPECT_EQ(Nombre(raiz), diseno::kTituloW);

    const std::vector<Elemento> hijos = Hijos(raiz);
    ASSERT_EQ(hijos.size(), 9u);
    const struct {
        long rol;
        std::wstring nombre;
        long estado;
        std::wstring atajo;
        std::wstring descripcion;
    } opciones[] = {
        {ROLE_SYSTEM_LISTITEM, L"Contabilidad", STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTED,
         L"Alt+C", L"Instala la contabilidad"},
        {ROLE_SYSTEM_LISTITEM, L"N\u00f3minas & pagas", STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE, L"", L""},
        {ROLE_SYSTEM_LISTITEM, L"Manual", STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE, L"Alt+n",
         L"Abre el manual"},
    };
    for (long i = 0; i < 3; ++i) {
        const Elemento& opcion = hijos[static_cast<std::size_t>(i)];
        SCOPED_TRACE("item " + std::to_string(i + 1));
        EXPECT_EQ(opcion.id, i + 1) << "not a simple element of the window";
        EXPECT_EQ(Rol(opcion), opciones[i].rol);
        EXPECT_EQ(Utf8(Nombre(opcion)), Utf8(opciones[i].nombre));
        EXPECT_EQ(TextoEstado(Estado(opcion)), TextoEstado(opciones[i].estado));
        EXPECT_EQ(Utf8(Atajo(opcion)), Utf8(opciones[i].atajo));
        EXPECT_EQ(Utf8(Descripcion(opcion)), Utf8(opciones[i].descripcion));
    }
    const std::wstring textos[] = {L"Instala la contabilidad", L"Gesti\u00f3n & C\u00eda", L"Versi\u00f3n 2.0",
                                   L"Selecciona la opci\u00f3n que desees instalar."};
    for (long i = 0; i < 4; ++i) {
        const Elemento& texto = hijos[static_cast<std::size_t>(3 + i)];
        EXPECT_EQ(texto.id, 4 + i);
        EXPECT_EQ(Rol(texto), ROLE_SYSTEM_STATICTEXT) << texto.id;
        EXPECT_EQ(Utf8(Nombre(texto)), Utf8(textos[i])) << texto.id;
    }
    // The buttons are their windows' own objects; the window also answers
    // for them by number.
    const std::wstring botones[] = {L"Instalar", L"Cerrar"};
    for (long i = 0; i < 2; ++i) {
        const Elemento& boton = hijos[static_cast<std::size_t>(7 + i)];
        EXPECT_EQ(boton.id, CHILDID_SELF) << "button " << i << " is not an object of its own";
        EXPECT_NE(boton.objeto, raiz.objeto);
        EXPECT_EQ(Utf8(Nombre(boton)), Utf8(botones[i]));
        EXPECT_EQ(Rol(DeLaRaiz(kInstalar + i)), ROLE_SYSTEM_PUSHBUTTON);
    }

    // The focus is on "Instalar", the selection on the first item.
    const auto foco = ConFoco(raiz);
    ASSERT_TRUE(foco.has_value());
    EXPECT_EQ(Utf8(Nombre(*foco)), "Instalar");
    EXPECT_EQ(SeleccionadoSegunElObjeto(), 1);
}

TEST_F(Accesibilidad, SinOpcionesDiceElErrorYQueInstalarNoEstaDisponible) {
    Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0"}));
    const Elemento raiz = Raiz();
    ASSERT_EQ(CuantosHijos(raiz), 6);
    EXPECT_EQ(Utf8(Nombre(DeLaRaiz(1))).rfind("Ha ocurrido un error !!!", 0), 0u) << Utf8(Nombre(DeLaRaiz(1)));
    EXPECT_TRUE(Tiene(Estado(DeLaRaiz(5)), STATE_SYSTEM_UNAVAILABLE)) << TextoEstado(Estado(DeLaRaiz(5)));
    EXPECT_EQ(SeleccionadoSegunElObjeto(), 0);

    // Tab has nowhere else to go: Space after it still presses "Cerrar".
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    ASSERT_TRUE(EsperarFoco(menu, kIdCerrar));
    PulsarTecla(VK_TAB);
    PulsarTecla(VK_TAB, {VK_SHIFT});
    PulsarTecla(VK_TAB);
    PulsarTecla(VK_SPACE);
    EXPECT_TRUE(menu.EsperarSalida()) << "the focus left \"Cerrar\"";
}

TEST_F(Accesibilidad, LasUbicacionesSonLasQueSePintanYElRatonLasConfirma) {
    Menu& menu = Abrir(kTresOpciones);
    const Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.opciones.size(), 3u) << lista.Describir();
    const POINT origen = menu.APantalla({0, 0});

    for (long id = 1; id <= 3; ++id) {
        const RECT caja = Ubicacion(DeLaRaiz(id));
        const Franja& tinta = lista.opciones[static_cast<std::size_t>(id - 1)];
        SCOPED_TRACE("item " + std::to_string(id));
        // The letters lie within the box, which starts where the names do.
        EXPECT_LE(caja.top, origen.y + tinta.arriba);
        EXPECT_GE(caja.bottom, origen.y + tinta.abajo + 1);
        EXPECT_EQ(caja.left, origen.x + kIzquierdaNombres);
        EXPECT_GE(caja.right, origen.x + lista.derechas[static_cast<std::size_t>(id - 1)]);
        const POINT centro{(caja.left + caja.right) / 2, (caja.top + caja.bottom) / 2};
        const auto alli = EnPunto(Raiz(), centro);
        ASSERT_TRUE(alli.has_value());
        EXPECT_EQ(alli->id, id);
    }
    const auto boton = EnPunto(Raiz(), CentroDe(Hijo(menu, kIdCerrar)));
    ASSERT_TRUE(boton.has_value());
    EXPECT_EQ(Utf8(Nombre(*boton)), "Cerrar");
    const RECT ventana = menu.Rectangulo();
    EXPECT_FALSE(EnPunto(Raiz(), {ventana.right + 5, ventana.top}).has_value()) << "a point outside the window";

    // A click where the object says the third item is selects it.
    const RECT tercera = Ubicacion(DeLaRaiz(3));
    Clic({tercera.left + 8, (tercera.top + tercera.bottom) / 2});
    const Lista despues = EsperarLista(menu, ConMarca(3, 2));
    EXPECT_EQ(despues.Marcada(), 2u) << despues.Describir();
    EXPECT_EQ(SeleccionadoSegunElObjeto(), 3);
    EXPECT_EQ(FocoDe(menu.Ventana()), Hijo(menu, kIdInstalar)) << "the click moved the focus";
}

// ----------------------------------------------------------- the events

TEST_F(Accesibilidad, CtrlAbajoAnunciaLaSeleccionYLaDescripcionNueva) {
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    EscuchaDeEventos escucha(menu.Id(), EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE);
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    ASSERT_TRUE(EsperarFoco(menu, kIdInstalar));
    escucha.Olvidar();

    PulsarTecla(VK_DOWN, {VK_CONTROL});

    ASSERT_TRUE(escucha.Esperar(Anuncio(menu, EVENT_OBJECT_NAMECHANGE, kDescripcion), 5000)) << escucha.Describir();
    const std::vector<EventoAccesible> propios = DelMenu(menu, escucha.Eventos());
    ASSERT_GE(propios.size(), 2u) << escucha.Describir();
    EXPECT_EQ(propios[0].evento, static_cast<DWORD>(EVENT_OBJECT_SELECTION)) << escucha.Describir();
    EXPECT_EQ(propios[0].hijo, 2) << escucha.Describir();
    // A button has the focus, not the list: no item takes it.
    for (const EventoAccesible& e : propios) EXPECT_NE(e.evento, static_cast<DWORD>(EVENT_OBJECT_FOCUS)) << escucha.Describir();

    EXPECT_TRUE(Tiene(Estado(DeLaRaiz(2)), STATE_SYSTEM_SELECTED)) << TextoEstado(Estado(DeLaRaiz(2)));
    EXPECT_FALSE(Tiene(Estado(DeLaRaiz(1)), STATE_SYSTEM_SELECTED)) << TextoEstado(Estado(DeLaRaiz(1)));
    EXPECT_EQ(Utf8(Nombre(DeLaRaiz(kDescripcion))), "Instala el producto B");
    EXPECT_EQ(Utf8(Descripcion(DeLaRaiz(2))), "Instala el producto B");
    EXPECT_EQ(SeleccionadoSegunElObjeto(), 2);
    EXPECT_EQ(FocoDe(menu.Ventana()), Hijo(menu, kIdInstalar)) << "Ctrl+Down moved the focus";
}

// ------------------------------------------------- the list as a stop

TEST_F(Accesibilidad, TabLlevaALaListaQueSeRecorreConLasFlechasInicioYFin) {
    Menu& menu = Abrir(kTresOpciones);
    const Lista antes = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(antes.opciones.size(), 3u) << antes.Describir();
    const auto filas = [&](std::size_t i) {
        return std::pair{antes.opciones[i].arriba - 4, antes.opciones[i].abajo + 4};
    };
    EXPECT_FALSE(MarcoAntesDelNombre(menu, filas(0).first, filas(0).second)) << "a focus frame before the focus";
    EscuchaDeEventos escucha(menu.Id(), EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE);

    EnfocarLaLista(menu);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(escucha.Esperar(Anuncio(menu, EVENT_OBJECT_FOCUS, 1), 5000)) << escucha.Describir();
    EXPECT_TRUE(Tiene(Estado(DeLaRaiz(1)), STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED))
        << TextoEstado(Estado(DeLaRaiz(1)));
    const auto foco = ConFoco(Raiz());
    ASSERT_TRUE(foco.has_value());
    EXPECT_EQ(foco->id, 1);
    // The focus frame: around the selected name, and only there.
    EXPECT_TRUE(Esperar([&] { return MarcoAntesDelNombre(menu, filas(0).first, filas(0).second); }, 3000))
        << "no focus frame around the selected name";
    EXPECT_FALSE(MarcoAntesDelNombre(menu, filas(1).first, filas(1).second));

    const struct {
        WORD tecla;
        std::size_t elegida;
    } pasos[] = {{VK_DOWN, 1}, {VK_END, 2}, {VK_DOWN, 2}, {VK_HOME, 0}, {VK_UP, 0}, {VK_DOWN, 1}};
    for (const auto& paso : pasos) {
        SCOPED_TRACE("key " + std::to_string(paso.tecla));
        escucha.Olvidar();
        PulsarTecla(paso.tecla);
        const long id = static_cast<long>(paso.elegida) + 1;
        const RECT ubicacion = Ubicacion(DeLaRaiz(id));
        EXPECT_TRUE(Esperar([&] { return FlechaJunto(menu, ubicacion); }, 3000)) << "the arrow is not beside it";
        EXPECT_EQ(SeleccionadoSegunElObjeto(), id);
        EXPECT_TRUE(Tiene(Estado(DeLaRaiz(id)), STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED))
            << TextoEstado(Estado(DeLaRaiz(id)));
        const auto [arriba, abajo] = filas(paso.elegida);
        EXPECT_TRUE(Esperar([&] { return MarcoAntesDelNombre(menu, arriba, abajo); }, 3000))
            << "the focus frame did not follow";
    }
    // The last move was announced to a screen reader following the focus.
    EXPECT_TRUE(escucha.Esperar(Anuncio(menu, EVENT_OBJECT_FOCUS, 2), 5000)) << escucha.Describir();
    EXPECT_TRUE(Anuncio(menu, EVENT_OBJECT_SELECTION, 2)(escucha.Eventos())) << escucha.Describir();
    EXPECT_EQ(FocoDe(menu.Ventana()), menu.Ventana()) << "the keys moved the focus away from the list";

    PulsarTecla(VK_TAB);
    EXPECT_TRUE(EsperarFoco(menu, kIdInstalar));
    EXPECT_TRUE(Esperar([&] { return !MarcoAntesDelNombre(menu, filas(1).first, filas(1).second); }, 3000))
        << "the focus frame stayed after the list lost the focus";
    const Lista despues = EsperarLista(menu, ConMarca(3, 1));
    EXPECT_EQ(despues.Marcada(), 1u) << despues.Describir();
}

TEST_F(Accesibilidad, IntroConLaListaEnfocadaInstalaLaElegida) {
    Registro registro;  // before the menu: the menu inherits the log's name
    medio_.CopiarPrograma(L"setup_falso.exe", L"b\\setup.exe");
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    EnfocarLaLista(menu);
    if (HasFatalFailure()) return;
    PulsarTecla(VK_DOWN);
    ASSERT_TRUE(Esperar([&] { return SeleccionadoSegunElObjeto() == 2; }, 3000));

    PulsarTecla(VK_RETURN);
    ASSERT_TRUE(registro.EsperarEjecuciones(1)) << "no setup program started";
    EXPECT_TRUE(menu.EsperarSalida()) << "the menu is still open";
    EXPECT_EQ(menu.EsperarFinDeSusProgramas(), "");
    const auto ejecuciones = registro.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u);
    EXPECT_EQ(CompareStringOrdinal(ejecuciones[0].programa.c_str(), -1, medio_.RutaDe(L"b\\setup.exe").c_str(), -1,
                                   TRUE),
              CSTR_EQUAL)
        << Utf8(ejecuciones[0].programa);
}

TEST_F(Accesibilidad, AlVolverALaVentanaSeAnunciaOtraVezElFoco) {
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    EscuchaDeEventos escucha(menu.Id(), EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS);
    EnfocarLaLista(menu);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(escucha.Esperar(Anuncio(menu, EVENT_OBJECT_FOCUS, 1), 5000)) << escucha.Describir();

    // Another program's window comes to the front, then the menu again.
    {
        const HWND otra = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"otra", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40,
                                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(otra, nullptr);
        const bool delante = TraerAlFrente(otra);
        DestroyWindow(otra);
        ASSERT_TRUE(delante) << "the other window did not come to the front";
    }
    escucha.Olvidar();
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    EXPECT_TRUE(escucha.Esperar(Anuncio(menu, EVENT_OBJECT_FOCUS, 1), 5000)) << escucha.Describir();
    EXPECT_EQ(FocoDe(menu.Ventana()), menu.Ventana()) << "the list did not get the focus back";
}

// ----------------------------------------------------------- access keys

TEST_F(Accesibilidad, AltYLaLetraMarcadaEligenLaOpcion) {
    Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0", "&Producto A;a\\setup.exe;Instala el producto A",
                                   "&Producto B;b\\setup.exe;Instala el producto B",
                                   "Producto &C;c\\setup.exe;Instala el producto C"}));
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    ASSERT_TRUE(EsperarFoco(menu, kIdInstalar));
    const auto elige = [&](WORD letra, std::initializer_list<WORD> modificadores, long id) {
        PulsarTecla(letra, modificadores);
        const RECT ubicacion = Ubicacion(DeLaRaiz(id));
        EXPECT_TRUE(Esperar([&] { return FlechaJunto(menu, ubicacion) && SeleccionadoSegunElObjeto() == id; }, 3000))
            << char(letra) << ": item " << SeleccionadoSegunElObjeto() << " is selected, not " << id;
    };

    // Two items share the P: each press goes on to the next, round.
    elige('P', {VK_MENU}, 2);
    elige('P', {VK_MENU}, 1);
    elige('C', {VK_MENU}, 3);
    elige('P', {VK_MENU}, 1);
    EXPECT_EQ(FocoDe(menu.Ventana()), Hijo(menu, kIdInstalar)) << "an access key moved the focus";

    // While the list has the focus, the letter alone does the same.
    EnfocarLaLista(menu);
    if (HasFatalFailure()) return;
    elige('C', {}, 3);
    elige('P', {}, 1);
    EXPECT_FALSE(menu.Terminado());
}

// ------------------------------------------------- acting through the object

TEST_F(Accesibilidad, SeleccionarYLaAccionPredeterminadaHacenLoQueUnClic) {
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    ASSERT_TRUE(EsperarFoco(menu, kIdInstalar));

    EXPECT_EQ(Seleccionar(DeLaRaiz(3), SELFLAG_TAKESELECTION), S_OK);
    Lista lista = EsperarLista(menu, [](const Lista& l) { return ConMarca(3, 2)(l) && EsLaMasAncha(l, 2); });
    EXPECT_EQ(lista.Marcada(), 2u) << lista.Describir();
    EXPECT_TRUE(EsLaMasAncha(lista, 2)) << "the third name is not bold: " << lista.Describir();
    EXPECT_EQ(FocoDe(menu.Ventana()), Hijo(menu, kIdInstalar)) << "selecting moved the focus";

    EXPECT_EQ(AccionPredeterminada(DeLaRaiz(2)), S_OK);
    lista = EsperarLista(menu, [](const Lista& l) { return ConMarca(3, 1)(l) && EsLaMasAncha(l, 1); });
    EXPECT_EQ(lista.Marcada(), 1u) << lista.Describir();
    EXPECT_TRUE(EsLaMasAncha(lista, 1)) << lista.Describir();

    // Taking the focus gives it to the list, on that item.
    EXPECT_EQ(Seleccionar(DeLaRaiz(1), SELFLAG_TAKEFOCUS), S_OK);
    EXPECT_TRUE(Esperar([&] { return FocoDe(menu.Ventana()) == menu.Ventana(); }, 3000));
    const RECT primera = Ubicacion(DeLaRaiz(1));
    EXPECT_TRUE(Esperar([&] { return FlechaJunto(menu, primera); }, 3000));

    // A list of one selection cannot add to it; texts cannot be selected.
    EXPECT_EQ(Seleccionar(DeLaRaiz(2), SELFLAG_ADDSELECTION), E_INVALIDARG);
    EXPECT_EQ(Seleccionar(DeLaRaiz(kDescripcion), SELFLAG_TAKESELECTION), E_INVALIDARG);
    EXPECT_EQ(SeleccionadoSegunElObjeto(), 1);
    EXPECT_FALSE(menu.Terminado());
}

// A screen reader's requests while the menu's own message box is up: the
// box's loop would carry them out inside it, each able to open another box
// or to close the window under it.  They do nothing, and until the box is
// closed every element says it is unavailable.
TEST_F(Accesibilidad, MientrasHayUnAvisoLasPeticionesNoHacenNada) {
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    const Elemento raiz = Raiz();
    ASSERT_TRUE(DeleteFileW(medio_.RutaDe(L"instalar.inf").c_str()));
    // Selecting reads the file again: it is gone, and the menu says so.
    EXPECT_EQ(AccionPredeterminada(Elemento{raiz.objeto, 2}), S_OK);
    const CuadroMensaje cuadro = EsperarCuadroMensaje(menu.Id());

    EXPECT_TRUE(Tiene(Estado(Elemento{raiz.objeto, 3}), STATE_SYSTEM_UNAVAILABLE))
        << TextoEstado(Estado(Elemento{raiz.objeto, 3}));
    EXPECT_TRUE(Tiene(Estado(Elemento{raiz.objeto, kCerrar}), STATE_SYSTEM_UNAVAILABLE))
        << TextoEstado(Estado(Elemento{raiz.objeto, kCerrar}));
    for (int i = 0; i < 5; ++i) {
        AccionPredeterminada(Elemento{raiz.objeto, 3});
        Seleccionar(Elemento{raiz.objeto, 1}, SELFLAG_TAKESELECTION);
    }
    AccionPredeterminada(Elemento{raiz.objeto, kCerrar});
    // Had any been carried out, a second box or the end of the menu would
    // show within this time.
    EXPECT_FALSE(Esperar([&] { return CuadrosDeMensaje(menu.Id()) > 1 || menu.Terminado(); }, 2000))
        << CuadrosDeMensaje(menu.Id()) << " boxes; ended: " << menu.Terminado();

    Aceptar(cuadro);
    ASSERT_TRUE(Esperar([&] { return CuadrosDeMensaje(menu.Id()) == 0; }, 3000));
    EXPECT_FALSE(menu.Terminado());
    EXPECT_FALSE(Tiene(Estado(Elemento{raiz.objeto, 3}), STATE_SYSTEM_UNAVAILABLE));
    EXPECT_EQ(SeleccionadoSegunElObjeto(), 1) << "the selection moved";
    medio_.Escribir(L"instalar.inf", kTresOpciones);  // the medium as it was
}

// A screen reader that keeps the window's object after the menu has closed
// gets errors from it, and the menu ends as it should.
TEST_F(Accesibilidad, UnObjetoGuardadoTrasCerrarSoloDaErrores) {
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    const Elemento raiz = Raiz();
    ASSERT_EQ(Nombre(Elemento{raiz.objeto, 1}), L"Producto A");
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_ESCAPE);
    ASSERT_TRUE(menu.EsperarSalida(5000)) << "Esc did not close the menu";
    DWORD codigo = 1;
    GetExitCodeProcess(menu.Proceso(), &codigo);
    EXPECT_EQ(codigo, 0u);
    VARIANT hijo;
    VariantInit(&hijo);
    hijo.vt = VT_I4;
    hijo.lVal = 1;
    Cadena nombre;
    EXPECT_TRUE(FAILED(raiz.objeto->get_accName(hijo, &nombre)));
}

// Child numbers and argument types no element has: each is refused, and the
// menu goes on answering.
TEST_F(Accesibilidad, NumerosYTiposFueraDeRangoSeRechazan) {
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    const Elemento raiz = Raiz();
    struct Caso {
        VARTYPE tipo;
        long valor;
    };
    const Caso casos[] = {{VT_I4, -1}, {VT_I4, 10}, {VT_I4, 0x7FFFFFFF}, {VT_I4, -0x7FFFFFFF - 1},
                          {VT_BSTR, 1}, {VT_EMPTY, 1}, {VT_R8, 1}, {VT_DISPATCH, 1}};
    for (const Caso& caso : casos) {
        VARIANT hijo;
        VariantInit(&hijo);
        hijo.vt = caso.tipo;
        if (caso.tipo == VT_I4) hijo.lVal = caso.valor;
        Cadena texto;
        EXPECT_TRUE(FAILED(raiz.objeto->get_accName(hijo, &texto))) << caso.tipo << " " << caso.valor;
        Variante estado;
        EXPECT_TRUE(FAILED(raiz.objeto->get_accState(hijo, &estado))) << caso.tipo << " " << caso.valor;
        EXPECT_TRUE(FAILED(raiz.objeto->accDoDefaultAction(hijo))) << caso.tipo << " " << caso.valor;
        EXPECT_TRUE(FAILED(raiz.objeto->accSelect(SELFLAG_TAKESELECTION, hijo))) << caso.tipo << " " << caso.valor;
    }
    EXPECT_EQ(Nombre(Elemento{raiz.objeto, 1}), L"Producto A");
    EXPECT_EQ(SeleccionadoSegunElObjeto(), 1);
    EXPECT_FALSE(menu.Terminado());
}

// ------------------------------------------------------ what it costs

TEST_F(Accesibilidad, LaBibliotecaDeAccesibilidadSoloSeCargaAlPedirElObjeto) {
    Menu& menu = Abrir(kTresOpciones);
    EsperarLista(menu, ConMarca(3, 0));
    const auto cargada = [&](const wchar_t* dll) {
        const std::vector<std::wstring> modulos = ModulosDe(menu.Id());
        return std::find(modulos.begin(), modulos.end(), dll) != modulos.end();
    };
    ASSERT_TRUE(cargada(L"instalar.exe")) << "the menu's modules cannot be read";
    EXPECT_FALSE(cargada(L"oleacc.dll"));
    EXPECT_FALSE(cargada(L"oleaut32.dll"));

    EXPECT_EQ(CuantosHijos(Raiz()), 9);
    EXPECT_TRUE(cargada(L"oleacc.dll"));
}

}  // namespace
