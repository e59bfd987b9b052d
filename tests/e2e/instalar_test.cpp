// Starting the selected item's setup program, and the keys of the menu.
//
// The setup programs are copies of setup_falso.exe, which log how they were
// started to a file outside the medium; the menu starts them from the
// medium and must leave the medium exactly as it found it.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Arnes.h"

using namespace arnes;

namespace {

const std::wstring kNoEncontrado = L"No se encontr\u00f3 el archivo";
const std::wstring kRutaNoEncontrada = L"No se encontr\u00f3 la ruta de acceso";

// Brings the menu to the front with the focus on button `id`: "Instalar"
// has it at the start, Tab passes it on.
void Enfocar(const Menu& menu, int id) {
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    ASSERT_TRUE(EsperarFoco(menu, kIdInstalar)) << "\"Instalar\" has not the focus at the start";
    if (id == kIdInstalar) return;
    PulsarTecla(VK_TAB);
    ASSERT_TRUE(EsperarFoco(menu, id)) << "Tab did not move the focus";
}

void PulsarIntro(const Menu& menu) {
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_RETURN);
}

// Every test starts the menu on a medium with the menu file and copies of
// the stand-in setup program it names; the fixture checks at the end that
// nothing on the medium has changed.
class Instalacion : public PruebaConRegistro {
protected:
    void CopiarSetup(const std::wstring& destino) const { medio_.CopiarPrograma(L"setup_falso.exe", destino); }

    // The programs the menu has started so far, once they have ended.
    std::vector<Ejecucion> EjecucionesHastaAhora() {
        EXPECT_EQ(menu_->EsperarFinDeSusProgramas(), "");
        return registro_.Ejecuciones();
    }
};

// ------------------------------------------------------------ launching

const std::string kDosProgramas = LineasCrLf({
    "Oficina 2024",
    "1.0",
    "Producto A;programas\\setup.exe;Instala el producto A",
    "Producto B;otros\\setup.exe;Instala el producto B",
});

struct Forma {
    const char* nombre;
    void (*instalar)(const Menu&);
};

void PrintTo(const Forma& forma, std::ostream* salida) { *salida << forma.nombre; }

class FormaDeInstalar : public Instalacion, public ::testing::WithParamInterface<Forma> {};

TEST_P(FormaDeInstalar, ArrancaUnaVezElProgramaDeLaOpcionElegidaYCierraElMenu) {
    CopiarSetup(L"programas\\setup.exe");
    CopiarSetup(L"otros\\setup.exe");
    Menu& menu = Abrir(kDosProgramas);
    const Lista lista = EsperarLista(menu, ConMarca(2, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();

    GetParam().instalar(menu);
    if (HasFatalFailure()) return;

    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    const std::wstring programa = medio_.RutaDe(L"programas\\setup.exe");
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(programa));
    EXPECT_EQ(Utf8(ejecuciones[0].lineaDeOrdenes), Utf8(L"\"" + programa + L"\""));
    EXPECT_EQ(Utf8(ejecuciones[0].carpeta), Utf8(medio_.RutaDe(L"programas")));
}

INSTANTIATE_TEST_SUITE_P(
    Formas, FormaDeInstalar,
    ::testing::Values(Forma{"Intro", PulsarIntro}, Forma{"clic_en_Instalar", ClicEnInstalar},
                      Forma{"espacio_en_Instalar",
                            [](const Menu& m) {
                                Enfocar(m, kIdInstalar);
                                PulsarTecla(VK_SPACE);
                            }},
                      Forma{"Intro_con_el_foco_en_Cerrar",
                            [](const Menu& m) {
                                Enfocar(m, kIdCerrar);
                                PulsarTecla(VK_RETURN);
                            }}),
    [](const ::testing::TestParamInfo<Forma>& caso) { return std::string(caso.param.nombre); });

// The second of three items is chosen with the mouse and installed; the
// first and third items' programs exist too, so that starting the wrong
// item shows in the log.
struct Destino {
    const char* nombre;
    const char* opcion;                   // the line of the second item
    std::vector<std::wstring> copias;     // copies of the stand-in on the medium
    std::optional<std::wstring> arranca;  // the program that starts; none: an error
    std::wstring rutaDelError;            // the path the error message names
    bool soloArchivoNoEncontrado;         // else "path not found" may do too
    bool conIntro;                        // Enter instead of a click on "Instalar"
};

void PrintTo(const Destino& destino, std::ostream* salida) { *salida << destino.nombre; }

class DestinoDeInstalar : public Instalacion, public ::testing::WithParamInterface<Destino> {};

TEST_P(DestinoDeInstalar, ArrancaElProgramaNombradoOAvisaSinArrancarNada) {
    const Destino& caso = GetParam();
    CopiarSetup(L"primero\\setup.exe");
    CopiarSetup(L"tercero\\setup.exe");
    for (const std::wstring& copia : caso.copias) CopiarSetup(copia);
    Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0", "Producto A;primero\\setup.exe;Instala el producto A",
                                   caso.opcion, "Producto C;tercero\\setup.exe;Instala el producto C"}));
    const Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();
    Clic(PuntoEnOpcion(menu, lista, 1));
    const Lista elegida = EsperarLista(menu, ConMarca(3, 1));
    ASSERT_EQ(elegida.Marcada(), 1u) << elegida.Describir();

    if (caso.conIntro)
        PulsarIntro(menu);
    else
        ClicEnInstalar(menu);
    if (HasFatalFailure()) return;

    if (caso.arranca) {
        const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
        ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
        const std::wstring programa = medio_.RutaDe(*caso.arranca);
        EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(programa));
        EXPECT_EQ(Utf8(ejecuciones[0].lineaDeOrdenes), Utf8(L"\"" + programa + L"\""));
        const std::wstring carpeta = programa.substr(0, programa.find_last_of(L'\\'));
        EXPECT_EQ(Utf8(ejecuciones[0].carpeta), Utf8(carpeta));
        return;
    }

    const CuadroMensaje cuadro = EsperarCuadroMensaje(menu.Id());
    EXPECT_EQ(cuadro.titulo, diseno::kTituloW);
    EXPECT_EQ(Nombre(cuadro.icono), std::string("exclamation"));
    EXPECT_TRUE(cuadro.soloAceptar) << "not an OK-only box";
    EXPECT_EQ(cuadro.propietario, menu.Ventana()) << "the box is not owned by the menu";
    const std::wstring ruta = medio_.RutaDe(caso.rutaDelError);
    // The system's description of the error, CR LF, the path.
    const std::wstring archivo = kNoEncontrado + L"\r\n" + ruta;
    const std::wstring carpeta = kRutaNoEncontrada + L"\r\n" + ruta;
    if (caso.soloArchivoNoEncontrado)
        EXPECT_EQ(Utf8(cuadro.texto), Utf8(archivo));
    else
        EXPECT_TRUE(cuadro.texto == archivo || cuadro.texto == carpeta)
            << "neither file nor path not found, then " << Utf8(ruta) << ": " << Utf8(cuadro.texto);
    Aceptar(cuadro);
    ASSERT_TRUE(Esperar([&] { return BuscarCuadroMensaje(menu.Id()).ventana == nullptr; }, 3000));
    EXPECT_FALSE(menu.Terminado()) << "the menu closed after the error";

    // The selection is still on the second item: Ctrl+Down reaches the
    // third one only from there.
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    const Lista despues = EsperarLista(menu, ConMarca(3, 2));
    EXPECT_EQ(despues.Marcada(), 2u) << despues.Describir();

    const std::vector<Ejecucion> ejecuciones = EjecucionesHastaAhora();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
    EXPECT_FALSE(menu.Terminado());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DestinoDeInstalar,
    ::testing::Values(
        Destino{"programa_en_una_carpeta", "Producto B;programas\\setup.exe;Instala el producto B",
                {L"programas\\setup.exe"}, L"programas\\setup.exe", L"", false, false},
        // The file named has no extension; Windows, given only the command
        // line, would append ".exe" and start the one beside it.
        Destino{"sin_extension_junto_a_un_exe", "Producto B;programas\\setup;Instala el producto B",
                {L"programas\\setup", L"programas\\setup.exe"}, L"programas\\setup", L"", false, false},
        // Started without quotes, this path would run Mis.exe.
        Destino{"ruta_con_espacios", "Producto B;Mis Programas\\instalar setup.exe;Instala el producto B",
                {L"Mis Programas\\instalar setup.exe", L"Mis.exe"}, L"Mis Programas\\instalar setup.exe", L"",
                false, true},
        Destino{"falta_el_programa", "Producto B;programas\\falta.exe;Instala el producto B",
                {L"programas\\setup.exe"}, std::nullopt, L"programas\\falta.exe", true, true},
        // The whole text is taken as the file's name; its "/" makes part of
        // it a folder, which does not exist.
        Destino{"con_argumentos", "Producto B;programas\\setup.exe /S;Instala el producto B",
                {L"programas\\setup.exe"}, std::nullopt, L"programas\\setup.exe /S", false, false},
        Destino{"con_un_argumento_sin_barra", "Producto B;programas\\setup.exe --silencioso;Instala el producto B",
                {L"programas\\setup.exe"}, std::nullopt, L"programas\\setup.exe --silencioso", true, true},
        Destino{"una_carpeta", "Producto B;programas;Instala el producto B", {L"programas\\setup.exe"},
                std::nullopt, L"programas", false, true},
        Destino{"programa_vacio", "Producto B;", {}, std::nullopt, L"", false, false}),
    [](const ::testing::TestParamInfo<Destino>& caso) { return std::string(caso.param.nombre); });

// ------------------------------------------------------------- arguments

// The path in quotes, then the arguments: the program gets them exactly as
// written, after its own path in quotes, from a folder whose name has a
// space (beside a decoy that a careless command line would start).
TEST_F(Instalacion, LosArgumentosLleganTalCualTrasLaRutaEntreComillas) {
    CopiarSetup(L"Mis Programas\\setup.exe");
    CopiarSetup(L"Mis.exe");
    const std::string argumentos = "/S  /D=\"C:\\Archivos de programa\\Conta\" 100% %TEMP% \"\" \\\"x\\\" fin ";
    Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0",
                                   "Producto A;\"Mis Programas\\setup.exe\"   " + argumentos + ";Instala el producto A"}));
    EsperarLista(menu, ConMarca(1, 0));

    PulsarIntro(menu);
    if (HasFatalFailure()) return;

    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    const std::wstring programa = medio_.RutaDe(L"Mis Programas\\setup.exe");
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(programa));
    EXPECT_EQ(Utf8(ejecuciones[0].lineaDeOrdenes), Utf8(L"\"" + programa + L"\" ") + argumentos);
    EXPECT_EQ(Utf8(ejecuciones[0].carpeta), Utf8(medio_.RutaDe(L"Mis Programas")));
}

// A command in quotes that names no file gets its own message with the
// path, starts nothing and leaves the menu open.
struct ComillasMal {
    const char* nombre;
    const char* opcion;
    std::wstring mensaje;
    std::wstring ruta;  // relative to the medium
};

void PrintTo(const ComillasMal& caso, std::ostream* salida) { *salida << caso.nombre; }

class ComandoEntreComillasMal : public Instalacion, public ::testing::WithParamInterface<ComillasMal> {};

TEST_P(ComandoEntreComillasMal, AvisaConLaRutaYElMenuSigueAbierto) {
    const ComillasMal& caso = GetParam();
    CopiarSetup(L"programas\\setup.exe");
    Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0", caso.opcion}));
    EsperarLista(menu, ConMarca(1, 0));

    PulsarIntro(menu);
    if (HasFatalFailure()) return;

    const CuadroMensaje cuadro = EsperarCuadroMensaje(menu.Id());
    EXPECT_EQ(cuadro.titulo, diseno::kTituloW);
    EXPECT_EQ(Nombre(cuadro.icono), std::string("exclamation"));
    EXPECT_TRUE(cuadro.soloAceptar) << "not an OK-only box";
    EXPECT_EQ(Utf8(cuadro.texto), Utf8(caso.mensaje + L"\r\n" + medio_.RutaDe(caso.ruta)));
    Aceptar(cuadro);
    ASSERT_TRUE(Esperar([&] { return BuscarCuadroMensaje(menu.Id()).ventana == nullptr; }, 3000));
    EXPECT_FALSE(menu.Terminado()) << "the menu closed after the error";
    const std::vector<Ejecucion> ejecuciones = EjecucionesHastaAhora();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ComandoEntreComillasMal,
    ::testing::Values(ComillasMal{"sin_comilla_de_cierre", "Producto A;\"programas\\setup.exe /S;Instala",
                                  L"Falta la comilla que cierra la ruta del programa", L"programas\\setup.exe /S"},
                      ComillasMal{"sin_ruta", "Producto A;\"\" /S;Instala",
                                  L"No hay ninguna ruta de programa entre las comillas", L""}),
    [](const ::testing::TestParamInfo<ComillasMal>& caso) { return std::string(caso.param.nombre); });

// ------------------------------------------------------------------ keys


struct Pulsacion {
    WORD tecla;
    bool ctrl;
    bool mayusculas;
};

void Pulsar(const Pulsacion& p) {
    if (p.ctrl && p.mayusculas)
        PulsarTecla(p.tecla, {VK_CONTROL, VK_SHIFT});
    else if (p.ctrl)
        PulsarTecla(p.tecla, {VK_CONTROL});
    else if (p.mayusculas)
        PulsarTecla(p.tecla, {VK_SHIFT});
    else
        PulsarTecla(p.tecla);
}

const Pulsacion kCtrlArriba{VK_UP, true, false};
const Pulsacion kCtrlAbajo{VK_DOWN, true, false};

// Keys pressed with item `desde` selected, after which item `hasta` is.
// A key that must do nothing is followed by one that moves the selection
// to where it can only get from the unchanged state: the arrow is waited
// for there, so no state on a wrong path can pass for it.
struct Recorrido {
    const char* nombre;
    std::size_t desde;
    std::vector<Pulsacion> teclas;
    std::size_t hasta;
};

void PrintTo(const Recorrido& r, std::ostream* salida) { *salida << r.nombre; }

class TeclasDeFlecha : public Instalacion, public ::testing::WithParamInterface<Recorrido> {};

TEST_P(TeclasDeFlecha, MuevenLaSeleccionConCtrlSinDarLaVuelta) {
    const Recorrido& caso = GetParam();
    Menu& menu = Abrir(kTresOpciones);
    Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();
    if (caso.desde != 0) {
        Clic(PuntoEnOpcion(menu, lista, caso.desde));
        lista = EsperarLista(menu, ConMarca(3, caso.desde));
        ASSERT_EQ(lista.Marcada(), caso.desde) << lista.Describir();
    }

    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    for (const Pulsacion& p : caso.teclas) Pulsar(p);

    lista = EsperarLista(menu, ConMarca(3, caso.hasta));
    EXPECT_EQ(lista.Marcada(), caso.hasta) << lista.Describir();
    EXPECT_FALSE(menu.Terminado());
    EXPECT_EQ(BuscarCuadroMensaje(menu.Id()).ventana, nullptr);
    const std::vector<Ejecucion> ejecuciones = EjecucionesHastaAhora();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
}

INSTANTIATE_TEST_SUITE_P(
    Recorridos, TeclasDeFlecha,
    ::testing::Values(
        Recorrido{"Ctrl_abajo_baja_una", 0, {kCtrlAbajo}, 1},
        Recorrido{"Ctrl_abajo_dos_veces", 0, {kCtrlAbajo, kCtrlAbajo}, 2},
        Recorrido{"Ctrl_arriba_sube_una", 2, {kCtrlArriba}, 1},
        Recorrido{"Ctrl_mayusculas_abajo_baja_una", 0, {{VK_DOWN, true, true}}, 1},
        Recorrido{"Ctrl_arriba_en_la_primera_no_hace_nada", 0, {kCtrlArriba, kCtrlAbajo}, 1},
        Recorrido{"Ctrl_abajo_en_la_ultima_no_hace_nada", 2, {kCtrlAbajo, kCtrlArriba}, 1},
        Recorrido{"abajo_sin_Ctrl_no_hace_nada", 1, {{VK_DOWN, false, false}, kCtrlArriba}, 0},
        Recorrido{"arriba_sin_Ctrl_no_hace_nada", 1, {{VK_UP, false, false}, kCtrlAbajo}, 2}),
    [](const ::testing::TestParamInfo<Recorrido>& caso) { return std::string(caso.param.nombre); });

// The item list is the third stop: the menu window itself holds the focus.
const int kLista = 0;

bool EsperarFocoEn(const Menu& menu, int parada) {
    const HWND esperada = parada == kLista ? menu.Ventana() : Hijo(menu, parada);
    return Esperar([&] { return FocoDe(menu.Ventana()) == esperada; }, 3000);
}

TEST_F(Instalacion, TabRecorreLosDosBotonesYLaLista) {
    Menu& menu = Abrir(kTresOpciones);
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    ASSERT_TRUE(EsperarFoco(menu, kIdInstalar)) << "\"Instalar\" has not the focus at the start";

    const struct {
        Pulsacion tecla;
        int foco;
    } pasos[] = {
        {{VK_TAB, false, false}, kIdCerrar},
        {{VK_TAB, false, false}, kLista},
        {{VK_TAB, false, false}, kIdInstalar},
        {{VK_TAB, false, true}, kLista},
        {{VK_TAB, false, true}, kIdCerrar},
        {{VK_TAB, false, true}, kIdInstalar},
    };
    int n = 0;
    for (const auto& paso : pasos) {
        Pulsar(paso.tecla);
        ASSERT_TRUE(EsperarFocoEn(menu, paso.foco)) << "step " << n << ": the focus is not on " << paso.foco;
        ++n;
    }
    EXPECT_FALSE(menu.Terminado());
    const std::vector<Ejecucion> ejecuciones = EjecucionesHastaAhora();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
}

// Every way to close the menu: it ends, having started nothing (the first
// item's program is there, so a start would show in the log) and, as the
// fixture checks, written nothing.
struct Cierre {
    const char* nombre;
    const std::string* archivo;
    void (*cerrar)(const Menu&);
};

void PrintTo(const Cierre& c, std::ostream* salida) { *salida << c.nombre; }

const std::string kSoloCabecera = LineasCrLf({"Oficina 2024", "1.0"});

void PulsarEsc(const Menu& menu) {
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_ESCAPE);
}

void ClicEnCerrar(const Menu& menu) {
    const HWND cerrar = Hijo(menu, kIdCerrar);
    ASSERT_NE(cerrar, nullptr);
    Clic(CentroDe(cerrar));
}

class CierreDelMenu : public Instalacion, public ::testing::WithParamInterface<Cierre> {};

TEST_P(CierreDelMenu, TerminaElProgramaSinArrancarNiEscribirNada) {
    CopiarSetup(L"a\\setup.exe");
    Menu& menu = Abrir(*GetParam().archivo);
    GetParam().cerrar(menu);
    if (HasFatalFailure()) return;

    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
}

INSTANTIATE_TEST_SUITE_P(
    Formas, CierreDelMenu,
    ::testing::Values(Cierre{"Esc", &kTresOpciones, PulsarEsc},
                      Cierre{"clic_en_Cerrar", &kTresOpciones, ClicEnCerrar},
                      Cierre{"espacio_en_Cerrar", &kTresOpciones,
                             [](const Menu& m) {
                                 Enfocar(m, kIdCerrar);
                                 PulsarTecla(VK_SPACE);
                             }},
                      Cierre{"Alt_F4", &kTresOpciones,
                             [](const Menu& m) {
                                 ASSERT_TRUE(TraerAlFrente(m.Ventana()));
                                 PulsarTecla(VK_F4, {VK_MENU});
                             }},
                      Cierre{"Esc_con_Instalar_desactivado", &kSoloCabecera, PulsarEsc}),
    [](const ::testing::TestParamInfo<Cierre>& caso) { return std::string(caso.param.nombre); });

// Enter acts once, also when the menu stays open after it: the first
// item's program is missing, so Enter brings one message box; a second
// action would bring another once the first is closed (or hold the next
// key in its own loop).  The next key, Ctrl+Down, moving the selection
// shows that nothing else came between.
TEST_F(Instalacion, IntroActuaUnaSolaVezAunqueElMenuSigaAbierto) {
    CopiarSetup(L"b\\setup.exe");
    CopiarSetup(L"c\\setup.exe");
    Menu& menu = Abrir(LineasCrLf({"Oficina 2024", "1.0", "Producto A;b\\falta.exe;Instala el producto A",
                                   "Producto B;b\\setup.exe;Instala el producto B",
                                   "Producto C;c\\setup.exe;Instala el producto C"}));
    const Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();

    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    const CuadroMensaje cuadro = EsperarCuadroMensaje(menu.Id());
    EXPECT_EQ(Utf8(cuadro.texto), Utf8(kNoEncontrado + L"\r\n" + medio_.RutaDe(L"b\\falta.exe")));
    EXPECT_EQ(CuadrosDeMensaje(menu.Id()), 1u);
    Aceptar(cuadro);
    ASSERT_TRUE(Esperar([&] { return CuadrosDeMensaje(menu.Id()) == 0; }, 3000)) << "the message box stayed";

    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    const Lista despues = EsperarLista(menu, ConMarca(3, 1));
    EXPECT_EQ(despues.Marcada(), 1u) << "the key after Enter was not handled: " << despues.Describir();
    EXPECT_EQ(CuadrosDeMensaje(menu.Id()), 0u) << "a second message box: " << Utf8(BuscarCuadroMensaje(menu.Id()).texto);
    EXPECT_FALSE(menu.Terminado());
    const std::vector<Ejecucion> ejecuciones = EjecucionesHastaAhora();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
}

// With nothing to install, Enter runs the install command all the same, and
// it finds no item: a later drag of the window shows the key has been dealt
// with, and the menu is still there, without a message.
TEST_F(Instalacion, IntroSinOpcionesNoHaceNada) {
    Menu& menu = Abrir(kSoloCabecera);
    ASSERT_FALSE(IsWindowEnabled(Hijo(menu, kIdInstalar)));
    ASSERT_TRUE(EsperarFoco(menu, kIdCerrar));
    const RECT antes = menu.Rectangulo();

    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    const POINT fondo = menu.APantalla(APixeles(kFondoLibre));
    Arrastrar(fondo, {fondo.x + 10, fondo.y + 10});

    RECT despues{};
    const bool movida = Esperar(
        [&] {
            despues = menu.Rectangulo();
            return despues.left == antes.left + 10 && despues.top == antes.top + 10;
        },
        3000);
    EXPECT_TRUE(movida) << "the window did not follow the drag";
    EXPECT_EQ(BuscarCuadroMensaje(menu.Id()).ventana, nullptr);
    EXPECT_FALSE(menu.Terminado());
    const std::vector<Ejecucion> ejecuciones = EjecucionesHastaAhora();
    EXPECT_TRUE(ejecuciones.empty()) << Describir(ejecuciones);
}

}  // namespace
