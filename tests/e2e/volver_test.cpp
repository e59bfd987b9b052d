// A menu that comes back (";@volver"): it stays on screen while the setup
// it started runs, takes no input then but closing, and once the setup and
// everything it started have ended it says how, to the eye and to a screen
// reader, and marks the item.  Without the directive the menu closes after
// the start as it always did, which instalar_test.cpp holds.
//
// The setups are copies of setup_falso.exe, told by the environment (or by
// their item's arguments, where items must differ) how long to run and
// with which code to end.

#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Arnes.h"
#include "herramientas/Accesibilidad.h"

using namespace arnes;

namespace {

using instalar::win32::ManejadorProceso;

const std::string kTresQueVuelven = LineasCrLf({
    "Oficina 2024",
    "1.0",
    ";@volver",
    "Producto A;a\\setup.exe;Instala el producto A",
    "Producto B;b\\setup.exe;Instala el producto B",
    "Producto C;c\\setup.exe;Instala el producto C",
});

// The screen reader's numbers of a three-item menu's elements.
const long kPrimera = 1;
const long kIndicacion = 7;
const long kInstalar = 8;

const std::wstring kInstalandoA = L"Instalando \u00abProducto A\u00bb\u2026";

const wchar_t kIncierto[] = L"Termin\u00f3; no se puede saber si se instal\u00f3";

std::wstring EsperandoA(const std::wstring& programa) {
    return L"Esperando a que se cierre \u00ab" + programa + L"\u00bb\u2026 (Intro: dejar de esperar)";
}

std::wstring Terminado(const std::wstring& nombre, const std::wstring& desenlace) {
    return L"\u00ab" + nombre + L"\u00bb: " + desenlace;
}

void PulsarIntro(const Menu& menu) {
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_RETURN);
}

bool Tiene(long estado, long bits) { return (estado & bits) == bits; }

// The event has come for element `hijo` of the menu's client area.
bool Anunciado(const std::vector<EventoAccesible>& eventos, const Menu& menu, DWORD evento, long hijo) {
    return std::any_of(eventos.begin(), eventos.end(), [&](const EventoAccesible& e) {
        return e.evento == evento && e.ventana == menu.Ventana() && e.objeto == OBJID_CLIENT && e.hijo == hijo;
    });
}

// What a screen reader is told when the item's state turns: its new name,
// its state, and the hint line's new text.
bool AnunciadoElCambio(const std::vector<EventoAccesible>& eventos, const Menu& menu) {
    return Anunciado(eventos, menu, EVENT_OBJECT_NAMECHANGE, kPrimera) &&
           Anunciado(eventos, menu, EVENT_OBJECT_STATECHANGE, kPrimera) &&
           Anunciado(eventos, menu, EVENT_OBJECT_NAMECHANGE, kIndicacion);
}

// The processes now running the program file `programa` (its path as the
// program itself sees it).
std::vector<ManejadorProceso> ProcesosDe(const std::wstring& programa) {
    const instalar::win32::Archivo foto(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!foto) Fallar("CreateToolhelp32Snapshot");
    std::vector<ManejadorProceso> procesos;
    PROCESSENTRY32W datos{};
    datos.dwSize = sizeof datos;
    for (BOOL hay = Process32FirstW(foto.get(), &datos); hay; hay = Process32NextW(foto.get(), &datos)) {
        ManejadorProceso proceso(
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, datos.th32ProcessID));
        if (!proceso || WaitForSingleObject(proceso.get(), 0) == WAIT_OBJECT_0) continue;
        std::wstring ruta(MAX_PATH * 4, L'\0');
        DWORD largo = static_cast<DWORD>(ruta.size());
        if (!QueryFullProcessImageNameW(proceso.get(), 0, ruta.data(), &largo)) continue;
        ruta.resize(largo);
        if (CompareStringOrdinal(ruta.c_str(), -1, programa.c_str(), -1, TRUE) == CSTR_EQUAL)
            procesos.push_back(std::move(proceso));
    }
    return procesos;
}

bool EnMarcha(const ManejadorProceso& proceso) { return WaitForSingleObject(proceso.get(), 0) == WAIT_TIMEOUT; }

// ------------------------------------------------------------ pixels

RECT AVentana(const Menu& menu, const RECT& pantalla) {
    const RECT ventana = menu.Rectangulo();
    return {pantalla.left - ventana.left, pantalla.top - ventana.top, pantalla.right - ventana.left,
            pantalla.bottom - ventana.top};
}

RECT Union(const RECT& a, const RECT& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RECT Ensanchar(const RECT& r, int pixeles) {
    return {r.left - pixeles, r.top - pixeles, r.right + pixeles, r.bottom + pixeles};
}

bool Dentro(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// How `despues` differs from `antes` outside the rectangles `aparte`: ""
// when it does not, otherwise how many pixels differ and the first one.
std::string CambiosFuera(const Captura& antes, const Captura& despues, const std::vector<RECT>& aparte) {
    if (antes.Ancho() != despues.Ancho() || antes.Alto() != despues.Alto()) return "the window changed its size";
    long cambiados = 0;
    std::string primero;
    RECT donde{antes.Ancho(), antes.Alto(), -1, -1};
    for (int y = 0; y < antes.Alto(); ++y)
        for (int x = 0; x < antes.Ancho(); ++x) {
            if (antes.En(x, y) == despues.En(x, y)) continue;
            if (std::any_of(aparte.begin(), aparte.end(), [&](const RECT& r) { return Dentro(r, x, y); })) continue;
            if (cambiados++ == 0)
                primero = ", the first at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                          TextoColor(antes.En(x, y)) + " became " + TextoColor(despues.En(x, y));
            donde = Union(donde, {x, y, x, y});
        }
    if (cambiados == 0) return "";
    return std::to_string(cambiados) + " pixels changed within x " + std::to_string(donde.left) + ".." +
           std::to_string(donde.right) + ", y " + std::to_string(donde.top) + ".." + std::to_string(donde.bottom) +
           primero;
}

// The colour most of a zone's ink has, or the background when it has none.
COLORREF ColorDeLaTinta(const Captura& captura, const RECT& zona, COLORREF fondo) {
    std::map<COLORREF, int> cuantos;
    for (int y = std::max(0L, zona.top); y < std::min<LONG>(captura.Alto(), zona.bottom); ++y)
        for (int x = std::max(0L, zona.left); x < std::min<LONG>(captura.Ancho(), zona.right); ++x)
            if (captura.En(x, y) != fondo) ++cuantos[captura.En(x, y)];
    const auto mayor = std::max_element(cuantos.begin(), cuantos.end(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; });
    return mayor == cuantos.end() ? fondo : mayor->first;
}

// The window as it is once its painting has settled.
Captura CapturaQuieta(const Menu& menu) {
    return herramientas::CapturaQuieta([&] { return menu.Rectangulo(); }, 2000);
}

// The whole window as a BMP file beside the test program, to look at.
std::wstring GuardarCaptura(const Captura& captura, const wchar_t* nombre) {
    const std::wstring ruta = Unir(CarpetaDelPrograma(), nombre);
    EscribirArchivo(ruta, Bmp24(captura.Ancho(), captura.Alto(), [&](int x, int y) { return captura.En(x, y); }));
    return ruta;
}

class Volver : public PruebaConRegistro {
protected:
    void CopiarSetups() const {
        for (const wchar_t* carpeta : {L"a", L"b", L"c"})
            medio_.CopiarPrograma(L"setup_falso.exe", std::wstring(carpeta) + L"\\setup.exe");
    }

    Elemento DelMenu(long id) const { return Elemento{ObjetoDeVentana(menu_->Ventana()).objeto, id}; }
    std::wstring Leer(long id) const { return Nombre(DelMenu(id)); }
    // Polls what a screen reader reads of element `id` until it is `texto`.
    bool EsperarLectura(long id, const std::wstring& texto, DWORD milisegundos) const {
        return Esperar([&] { return Leer(id) == texto; }, milisegundos);
    }

    // The programs the menu has started so far, once they have ended.
    std::vector<Ejecucion> EjecucionesHastaAhora() {
        EXPECT_EQ(menu_->EsperarFinDeSusProgramas(), "");
        return registro_.Ejecuciones();
    }

    ComIniciado com_;
};

// ------------------------------------------------ while the setup runs

// Every way to install again or to choose another item, tried while the
// setup runs: Enter, a click on the third item, a click on "Instalar",
// Ctrl+Down.  None may act.  Once the setup has ended, Ctrl+Down reaches
// the second item only from the first, and it shows that the keys before
// it have been dealt with: the log then holds one run.
TEST_F(Volver, MientrasInstalaSigueAbiertoYNoAtiendeAOtraCosa) {
    CopiarSetups();
    const VariableDeEntorno espera(L"INSTALAR_PRUEBA_ESPERA", L"1500");
    Menu& menu = Abrir(kTresQueVuelven);
    const Lista lista = EsperarLista(menu, ConMarca(3, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();

    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(EsperarLectura(kIndicacion, kInstalandoA, 3000)) << "the hint line reads: " << Utf8(Leer(kIndicacion));
    EXPECT_FALSE(menu.Terminado()) << "the menu closed";
    EXPECT_TRUE(IsWindowVisible(menu.Ventana()));
    EXPECT_FALSE(IsWindowEnabled(Hijo(menu, kIdInstalar))) << "\"Instalar\" is enabled while the setup runs";

    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    Clic(PuntoEnOpcion(menu, lista, 2));
    ClicEnInstalar(menu);
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    // Sent well within the setup's run, or the case proves nothing.
    ASSERT_EQ(Utf8(Leer(kIndicacion)), Utf8(kInstalandoA)) << "the setup ended before the keys were sent";

    ASSERT_TRUE(EsperarLectura(kIndicacion, Terminado(L"Producto A", L"Instalado"), 5000))
        << "the hint line reads: " << Utf8(Leer(kIndicacion));
    EXPECT_TRUE(IsWindowEnabled(Hijo(menu, kIdInstalar))) << "\"Instalar\" stayed disabled";
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    EXPECT_TRUE(EsperarFoco(menu, kIdInstalar)) << "the focus did not come back to \"Instalar\"";
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    const Lista despues = EsperarLista(menu, ConMarca(3, 1));
    EXPECT_EQ(despues.Marcada(), 1u) << "the selection moved while the setup ran: " << despues.Describir();
    const std::vector<Ejecucion> ejecuciones = EjecucionesHastaAhora();
    EXPECT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_FALSE(menu.Terminado());
}

// ------------------------------------------------------- the outcome

struct Desenlace {
    const char* nombre;
    const wchar_t* codigo;
    std::wstring texto;
};

void PrintTo(const Desenlace& d, std::ostream* salida) { *salida << d.nombre; }

class DesenlaceDeLaInstalacion : public Volver, public ::testing::WithParamInterface<Desenlace> {};

// While the setup runs, the item reads "<name>: instalando" and is busy;
// once it has ended, the item and the hint line read the outcome, each
// turn announced, and "Instalar" works again.
TEST_P(DesenlaceDeLaInstalacion, SeVeYSeOyeComoTerminoYVuelveAAtender) {
    CopiarSetups();
    const VariableDeEntorno espera(L"INSTALAR_PRUEBA_ESPERA", L"1000");
    const VariableDeEntorno salida(L"INSTALAR_PRUEBA_SALIDA", GetParam().codigo);
    Menu& menu = Abrir(kTresQueVuelven);
    EsperarLista(menu, ConMarca(3, 0));
    EscuchaDeEventos escucha(menu.Id(), EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE);

    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    const auto leida = [&](const std::wstring& texto) {
        return [&, texto](const std::vector<EventoAccesible>& eventos) {
            return AnunciadoElCambio(eventos, menu) && Leer(kIndicacion) == texto;
        };
    };
    ASSERT_TRUE(escucha.Esperar(leida(kInstalandoA), 3000))
        << "the hint line reads: " << Utf8(Leer(kIndicacion)) << "; events: " << escucha.Describir();
    EXPECT_EQ(Utf8(Leer(kPrimera)), "Producto A: instalando");
    EXPECT_TRUE(Tiene(Estado(DelMenu(kPrimera)), STATE_SYSTEM_BUSY)) << TextoEstado(Estado(DelMenu(kPrimera)));
    EXPECT_TRUE(Tiene(Estado(DelMenu(kInstalar)), STATE_SYSTEM_UNAVAILABLE)) << TextoEstado(Estado(DelMenu(kInstalar)));
    escucha.Olvidar();

    const std::wstring terminado = Terminado(L"Producto A", GetParam().texto);
    ASSERT_TRUE(escucha.Esperar(leida(terminado), 5000))
        << "the hint line reads: " << Utf8(Leer(kIndicacion)) << "; events: " << escucha.Describir();
    EXPECT_EQ(Utf8(Leer(kPrimera)), Utf8(L"Producto A: " + GetParam().texto));
    EXPECT_FALSE(Tiene(Estado(DelMenu(kPrimera)), STATE_SYSTEM_BUSY)) << TextoEstado(Estado(DelMenu(kPrimera)));
    EXPECT_FALSE(Tiene(Estado(DelMenu(kInstalar)), STATE_SYSTEM_UNAVAILABLE))
        << TextoEstado(Estado(DelMenu(kInstalar)));
    EXPECT_TRUE(IsWindowEnabled(Hijo(menu, kIdInstalar))) << "\"Instalar\" stayed disabled";

    // Choosing the item again installs it again.
    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    EXPECT_TRUE(registro_.EsperarEjecuciones(2)) << Describir(registro_.Ejecuciones());
    EXPECT_TRUE(EsperarLectura(kIndicacion, kInstalandoA, 3000)) << Utf8(Leer(kIndicacion));
}

INSTANTIATE_TEST_SUITE_P(
    Codigos, DesenlaceDeLaInstalacion,
    ::testing::Values(Desenlace{"cero", L"0", L"Instalado"},
                      Desenlace{"reiniciar_3010", L"3010", L"Instalado; hay que reiniciar el equipo"},
                      Desenlace{"reinicio_iniciado_1641", L"1641", L"Instalado; el equipo se va a reiniciar"},
                      Desenlace{"otro_7", L"7", L"Termin\u00f3 con el c\u00f3digo 7"},
                      Desenlace{"menos_uno", L"4294967295", L"Termin\u00f3 con el c\u00f3digo 0xFFFFFFFF (-1)"}),
    [](const ::testing::TestParamInfo<Desenlace>& caso) { return std::string(caso.param.nombre); });

// A bootstrapper starts the real setup and ends at once: the menu waits for
// the child.  Whenever the hint line is read while the child runs, it names
// the child it waits for; once the child has ended, the outcome is the
// uncertain one, since the bootstrapper's code told nothing.
TEST_F(Volver, EsperaAlHijoDeUnArrancador) {
    CopiarSetups();
    const VariableDeEntorno hijo(L"INSTALAR_PRUEBA_ARRANCADOR", L"3000");
    Menu& menu = Abrir(kTresQueVuelven);
    EsperarLista(menu, ConMarca(3, 0));

    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    // The bootstrapper ends at once, so under load the first reading may
    // already name the child.
    const auto instalando = [&] {
        const std::wstring leido = Leer(kIndicacion);
        return leido == kInstalandoA || leido == EsperandoA(L"setup.exe");
    };
    ASSERT_TRUE(Esperar(instalando, 3000)) << Utf8(Leer(kIndicacion));
    ASSERT_TRUE(registro_.EsperarEjecuciones(2)) << "the child did not start: " << Describir(registro_.Ejecuciones());
    ASSERT_TRUE(Esperar([&] { return ProcesosHijos(menu.Proceso()).empty(); }, 3000))
        << "the bootstrapper did not end: " << Describir(ProcesosHijos(menu.Proceso()));
    std::vector<ManejadorProceso> enMarcha = ProcesosDe(registro_.Ejecuciones()[1].programa);
    ASSERT_EQ(enMarcha.size(), 1u) << "the child is not running on its own";
    const ManejadorProceso& setup = enMarcha[0];

    const ULONGLONG inicio = GetTickCount64();
    long lecturas = 0;
    while (EnMarcha(setup) && GetTickCount64() - inicio < 10000) {
        const std::wstring leido = Leer(kIndicacion);
        if (!EnMarcha(setup)) break;
        // The first readings may come before the menu's next look.
        if (leido != kInstalandoA || lecturas > 0)
            ASSERT_EQ(Utf8(leido), Utf8(EsperandoA(L"setup.exe")))
                << "after " << GetTickCount64() - inicio << " ms of the child's " << lecturas << " readings";
        if (leido != kInstalandoA) ++lecturas;
        Sleep(50);
    }
    ASSERT_FALSE(EnMarcha(setup)) << "the child ran too long";
    EXPECT_GT(lecturas, 0) << "the hint line never named the child";
    EXPECT_TRUE(EsperarLectura(kIndicacion, Terminado(L"Producto A", kIncierto), 3000)) << Utf8(Leer(kIndicacion));
}

// A bootstrapper returns 0 at once, and the real setup it started then
// fails: the menu never says "Instalado".
TEST_F(Volver, UnArrancadorQueVuelveConCeroNoDiceInstaladoSiSuHijoFalla) {
    CopiarSetups();
    const VariableDeEntorno hijo(L"INSTALAR_PRUEBA_ARRANCADOR", L"1500");
    const VariableDeEntorno salidaHijo(L"INSTALAR_PRUEBA_SALIDA_HIJO", L"1603");
    Menu& menu = Abrir(kTresQueVuelven);
    EsperarLista(menu, ConMarca(3, 0));
    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(registro_.EsperarEjecuciones(2)) << Describir(registro_.Ejecuciones());
    bool instalado = false;
    ASSERT_TRUE(Esperar(
        [&] {
            const std::wstring leido = Leer(kIndicacion);
            instalado = instalado || leido.find(L"Instalado") != std::wstring::npos;
            return leido == Terminado(L"Producto A", kIncierto);
        },
        10000))
        << Utf8(Leer(kIndicacion));
    EXPECT_FALSE(instalado) << "the menu said \"Instalado\" on the way";
    EXPECT_EQ(Utf8(Leer(kPrimera)), Utf8(L"Producto A: " + std::wstring(kIncierto)));
}

// The setup ends with 0 and leaves the program it installed open: the hint
// line names it, Enter stops the wait, the program runs on, and the menu
// says nothing of success and takes input again.
TEST_F(Volver, UnProgramaQueQuedaAbiertoNoRetieneElMenu) {
    CopiarSetups();
    medio_.CopiarPrograma(L"setup_falso.exe", L"a\\visor.exe");
    const VariableDeEntorno hijo(L"INSTALAR_PRUEBA_ARRANCADOR", L"60000");
    const VariableDeEntorno visor(L"INSTALAR_PRUEBA_HIJO", L"visor.exe");
    Menu& menu = Abrir(kTresQueVuelven);
    EsperarLista(menu, ConMarca(3, 0));
    EscuchaDeEventos escucha(menu.Id(), EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE);
    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(registro_.EsperarEjecuciones(2)) << Describir(registro_.Ejecuciones());
    std::vector<ManejadorProceso> abiertos = ProcesosDe(registro_.Ejecuciones()[1].programa);
    ASSERT_EQ(abiertos.size(), 1u) << "visor.exe is not running";
    // Whatever happens below, the program left open is ended afterwards.
    const ManejadorProceso abierto(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, GetProcessId(abiertos[0].get())));
    struct Terminar {
        HANDLE proceso;
        ~Terminar() { if (proceso) TerminateProcess(proceso, 0); }
    } alFinal{abierto.get()};

    const std::wstring esperando = EsperandoA(L"visor.exe");
    ASSERT_TRUE(escucha.Esperar(
        [&](const std::vector<EventoAccesible>& eventos) {
            return Anunciado(eventos, menu, EVENT_OBJECT_NAMECHANGE, kIndicacion) && Leer(kIndicacion) == esperando;
        },
        5000))
        << "the hint line reads: " << Utf8(Leer(kIndicacion)) << "; events: " << escucha.Describir();
    EXPECT_TRUE(Esperar([&] { return IsWindowEnabled(Hijo(menu, kIdInstalar)) != FALSE; }, 2000))
        << "\"Instalar\" does not stop the wait";

    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    EXPECT_TRUE(EsperarLectura(kIndicacion, Terminado(L"Producto A", kIncierto), 3000)) << Utf8(Leer(kIndicacion));
    EXPECT_EQ(Utf8(Leer(kPrimera)), Utf8(L"Producto A: " + std::wstring(kIncierto)));
    EXPECT_TRUE(EnMarcha(abiertos[0])) << "the program left open was ended";
    EXPECT_EQ(registro_.Ejecuciones().size(), 2u) << "Enter started the setup again";
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    const Lista despues = EsperarLista(menu, ConMarca(3, 1));
    EXPECT_EQ(despues.Marcada(), 1u) << "the menu takes no input: " << despues.Describir();
    EXPECT_TRUE(EnMarcha(abiertos[0]));
}

// ------------------------------------------------------ closing meanwhile

struct Cierre {
    const char* nombre;
    void (*cerrar)(const Menu&);
};

void PrintTo(const Cierre& c, std::ostream* salida) { *salida << c.nombre; }

class CierreMientrasInstala : public Volver, public ::testing::WithParamInterface<Cierre> {};

// The menu goes; the setup runs on to its own end, as its exit code shows
// (a setup ended from outside would not end with it).
TEST_P(CierreMientrasInstala, ElMenuSeVaYLaInstalacionSigue) {
    CopiarSetups();
    const VariableDeEntorno espera(L"INSTALAR_PRUEBA_ESPERA", L"1500");
    const VariableDeEntorno salida(L"INSTALAR_PRUEBA_SALIDA", L"42");
    Menu& menu = Abrir(kTresQueVuelven);
    EsperarLista(menu, ConMarca(3, 0));
    PulsarIntro(menu);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(EsperarLectura(kIndicacion, kInstalandoA, 3000)) << Utf8(Leer(kIndicacion));
    ASSERT_TRUE(registro_.EsperarEjecuciones(1));
    std::vector<ManejadorProceso> enMarcha = ProcesosDe(registro_.Ejecuciones()[0].programa);
    ASSERT_EQ(enMarcha.size(), 1u);
    const ManejadorProceso& setup = enMarcha[0];

    GetParam().cerrar(menu);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(menu.EsperarSalida(3000)) << "the menu did not close";
    EXPECT_TRUE(EnMarcha(setup)) << "the setup ended with the menu";
    ASSERT_EQ(WaitForSingleObject(setup.get(), 5000), WAIT_OBJECT_0) << "the setup did not end";
    DWORD codigo = 0;
    ASSERT_TRUE(GetExitCodeProcess(setup.get(), &codigo));
    EXPECT_EQ(codigo, 42u) << "the setup did not end on its own";
    EXPECT_EQ(registro_.Ejecuciones().size(), 1u) << Describir(registro_.Ejecuciones());
}

INSTANTIATE_TEST_SUITE_P(Formas, CierreMientrasInstala,
                         ::testing::Values(Cierre{"Esc",
                                                  [](const Menu& m) {
                                                      ASSERT_TRUE(TraerAlFrente(m.Ventana()));
                                                      PulsarTecla(VK_ESCAPE);
                                                  }},
                                           Cierre{"clic_en_Cerrar",
                                                  [](const Menu& m) { Clic(CentroDe(Hijo(m, kIdCerrar))); }}),
                         [](const ::testing::TestParamInfo<Cierre>& caso) { return std::string(caso.param.nombre); });

// ------------------------------------------------------------- the marks

// The first item's setup ends with 0, the second's with 7, each told by its
// arguments.  After each outcome a mark appears right of the item's name,
// within its row, where there was no ink; nothing else changes but the
// hint line; and the first mark stays when the second comes.
TEST_F(Volver, LaMarcaApareceJuntoAlNombreYNadaMasCambia) {
    CopiarSetups();
    Menu& menu = Abrir(LineasCrLf({
        "Oficina 2024",
        "1.0",
        ";@volver",
        "Producto A;\"a\\setup.exe\" INSTALAR_PRUEBA_SALIDA=0;Instala el producto A",
        "Producto B;\"b\\setup.exe\" INSTALAR_PRUEBA_SALIDA=7;Instala el producto B",
        "Producto C;c\\setup.exe;Instala el producto C",
    }));
    EsperarLista(menu, ConMarca(3, 0));
    const COLORREF fondo = GetSysColor(COLOR_WINDOW);
    const RECT indicacionAntes = AVentana(menu, Ubicacion(DelMenu(kIndicacion)));
    // Right of the item's box, over its height and a little more than a
    // mark's width (half that height, six pixels away).
    const auto zonaDeMarca = [&](long id) {
        const RECT caja = AVentana(menu, Ubicacion(DelMenu(id)));
        const int alto = caja.bottom - caja.top;
        return RECT{caja.right, caja.top, caja.right + MulDiv(8, PuntosPorPulgada(), 96) + alto, caja.bottom};
    };

    // Item `id` is selected: it is installed, and its name drawn bold, now.
    const auto instalar = [&](long id, const wchar_t* nombre, const std::wstring& desenlace) {
        const RECT marca = zonaDeMarca(id);
        const Captura antes = CapturaQuieta(menu);
        EXPECT_FALSE(HayTinta(antes, marca, fondo)) << "ink right of " << Utf8(nombre) << " before its setup";
        PulsarIntro(menu);
        if (HasFatalFailure()) return antes;
        EXPECT_TRUE(EsperarLectura(kIndicacion, Terminado(nombre, desenlace), 5000)) << Utf8(Leer(kIndicacion));
        EXPECT_TRUE(Esperar([&] { return HayTinta(Captura(menu.Rectangulo()), marca, fondo); }, 3000))
            << "no mark right of " << Utf8(nombre);
        const Captura despues = CapturaQuieta(menu);
        // In the name's colour: the mark's main colour is one the name has.
        const COLORREF tinta = ColorDeLaTinta(despues, marca, fondo);
        EXPECT_TRUE(ContieneColor(despues, AVentana(menu, Ubicacion(DelMenu(id))), tinta))
            << Utf8(nombre) << "'s mark is " << TextoColor(tinta) << ", a colour its name has not";
        // The hint line may draw up to the window's right margin, which is
        // its left one: its glyphs may run past its measured box.
        RECT indicacion = Union(indicacionAntes, AVentana(menu, Ubicacion(DelMenu(kIndicacion))));
        const RECT ventana = menu.Rectangulo();
        indicacion.right = std::max(indicacion.right, (ventana.right - ventana.left) - indicacion.left);
        EXPECT_EQ(CambiosFuera(antes, despues, {marca, Ensanchar(indicacion, 1)}), "")
            << "after " << Utf8(nombre) << "'s setup";
        return despues;
    };

    instalar(1, L"Producto A", L"Instalado");
    if (HasFatalFailure()) return;
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    EsperarLista(menu, ConMarca(3, 1));
    const Captura conAyB = instalar(2, L"Producto B", L"Termin\u00f3 con el c\u00f3digo 7");
    // The first item's mark stays, beside its name now drawn regular.
    EXPECT_TRUE(HayTinta(conAyB, zonaDeMarca(1), fondo)) << "the first mark went";

    const std::wstring ruta = GuardarCaptura(conAyB, L"volver-marcas.bmp");
    std::printf("[ CAPTURA  ] %s\n", Utf8(ruta).c_str());
}

}  // namespace
