// Harness for the end-to-end tests: drives the real instalar.exe as a user
// would, through files, processes, the screen, the mouse and the keyboard.
// What is not particular to the menu comes from the herramientas library.
//
// Every object cleans up after itself: a Medio removes its folder, a Menu
// ends its process, a Registro removes its log file.  Failures to set up a
// test throw std::runtime_error, which GoogleTest reports as a failure.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "herramientas/Archivos.h"
#include "herramientas/CarpetaTemporal.h"
#include "herramientas/Diseno.h"
#include "herramientas/Entorno.h"
#include "herramientas/Entrada.h"
#include "herramientas/Errores.h"
#include "herramientas/Espera.h"
#include "herramientas/Instantanea.h"
#include "herramientas/LineasCrLf.h"
#include "herramientas/Pantalla.h"
#include "herramientas/Procesos.h"
#include "herramientas/Texto.h"
#include "herramientas/Tinta.h"
#include "herramientas/Ventanas.h"
#include "herramientas/Wine.h"

namespace arnes {

// Whether the programs under test are the x86 build's: this driver is one,
// or, as an x64 driver, it drives them for the x86 suite (see
// herramientas::CarpetaDelPrograma).
bool ProgramasX86();

// The tests reach the generic tools (files, text, processes, the screen,
// input, windows) through this namespace, as they reach the harness.
using namespace herramientas;

// ---------------------------------------------------------------- folders

// A temporary folder laid out like a distribution medium: the menu program,
// its menu file, its logo and the setup programs, in any subfolders.
class Medio {
public:
    Medio();

    const std::wstring& Ruta() const { return ruta_; }
    std::wstring RutaDe(const std::wstring& relativa) const { return Unir(ruta_, relativa); }

    void Escribir(const std::wstring& relativa, const std::string& bytes) const;
    // Copies a program from the test folder, under another name if given.
    void CopiarPrograma(const std::wstring& nombre, const std::wstring& destino = L"") const;
    // Copies instalar.exe from the test folder.
    void CopiarMenu() const { CopiarPrograma(L"instalar.exe"); }

private:
    CarpetaTemporal carpeta_;
    std::wstring ruta_;
};

// A menu of three items, "Producto A" to "C", each with its description.
// Their names share their letters, so that the bold one is the widest on
// screen, and have no access keys, whose underlines would read as more
// names.
extern const std::string kTresOpciones;

// A bottom-up 24-bit BMP file whose pixel (x, y) (y = 0 at the top) has the
// colour color(x, y).
std::string Bmp24(int ancho, int alto, const std::function<COLORREF(int, int)>& color);

// ------------------------------------------------------ the menu process

struct OpcionesMenu {
    // Raw text after the quoted program path; empty: no argument at all.
    std::wstring cola;
    // Working folder of the new process; empty: the temporary folder
    // (deliberately not the medium, so the program cannot lean on it).
    std::wstring carpetaTrabajo;
    // The window's caption to wait for; empty: the design's.  A menu file
    // in another language gives the window another one.
    std::wstring titulo;
};

// instalar.exe started from a medium.  The destructor ends the process if it
// is still running.
class Menu {
public:
    explicit Menu(const Medio& medio, const OpcionesMenu& opciones = {});
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    DWORD Id() const { return proceso_.Id(); }
    HANDLE Proceso() const { return proceso_.ManejadorDelProceso(); }
    const std::wstring& LineaDeOrdenes() const { return linea_; }

    // Waits for the visible top-level window of this process with the menu's
    // caption; throws when it does not appear in time.
    HWND EsperarVentana(DWORD milisegundos = 10000);
    HWND Ventana() const { return ventana_; }
    RECT Rectangulo() const;          // screen coordinates of the window
    POINT APantalla(POINT cliente) const;  // client -> screen

    bool EsperarSalida(DWORD milisegundos = 5000) const { return proceso_.EsperarSalida(milisegundos); }
    bool Terminado() const { return proceso_.Terminado(); }
    void Terminar() const { proceso_.Terminar(); }

    // Waits until no process this menu started is running any more (it may
    // have ended itself); returns "" or, when the time is up, what still
    // runs.
    std::string EsperarFinDeSusProgramas(DWORD milisegundos = 5000) const;

private:
    std::wstring linea_;
    std::wstring titulo_;
    herramientas::Proceso proceso_;
    HWND ventana_ = nullptr;
};

// The menu's two buttons, by their control ids.
constexpr int kIdInstalar = 1001;
constexpr int kIdCerrar = 1002;
HWND Hijo(const Menu& menu, int id);
// Clicks the middle of "Instalar".
void ClicEnInstalar(const Menu& menu);
// Waits until the control `id` of the menu has the keyboard focus.
bool EsperarFoco(const Menu& menu, int id, DWORD milisegundos = 3000);

// ---------------------------------------------------------- message boxes

// The standard icons a message box can show.
enum class IconoMensaje { Ninguno, Exclamacion, Error, Informacion, Pregunta };
const char* Nombre(IconoMensaje icono);

struct CuadroMensaje {
    HWND ventana = nullptr;
    HWND propietario = nullptr;
    std::wstring titulo;
    std::wstring texto;   // static control 0xFFFF
    // The icon on screen (control 0x440): the system icon whose drawing is
    // nearest to its pixels.
    IconoMensaje icono = IconoMensaje::Ninguno;
    bool soloAceptar = false;  // an OK button (id 1) and no other button
};

// Visible message box (#32770) of the process, or none (ventana == nullptr).
CuadroMensaje BuscarCuadroMensaje(DWORD proceso);
// How many message boxes of the process are visible.
std::size_t CuadrosDeMensaje(DWORD proceso);
// Waits for one; throws when none appears in time.
CuadroMensaje EsperarCuadroMensaje(DWORD proceso, DWORD milisegundos = 5000);
// Presses OK (WM_COMMAND IDOK, which Wine and Windows treat alike).
void Aceptar(const CuadroMensaje& cuadro);

// ------------------------------------------------------------- logs

// A log file outside the medium that the programs started from now on
// (through the menu too) append lines to, UTF-8 and ended by CR LF: its
// path is in the environment variable `variable`, which this process sets
// and so passes on.  The destructor removes both file and variable.
class ArchivoDeRegistro {
public:
    ArchivoDeRegistro(const wchar_t* variable, const wchar_t* prefijo);
    ~ArchivoDeRegistro();
    ArchivoDeRegistro(const ArchivoDeRegistro&) = delete;
    ArchivoDeRegistro& operator=(const ArchivoDeRegistro&) = delete;

    const std::wstring& Ruta() const { return ruta_; }
    std::vector<std::wstring> Lineas() const;

private:
    std::wstring ruta_;
    VariableDeEntorno variable_;
};

// Runs of setup_falso.exe, which appends one line per run to the file named
// by INSTALAR_PRUEBA_REGISTRO.
struct Ejecucion {
    std::wstring lineaDeOrdenes;  // GetCommandLineW of the started program
    std::wstring carpeta;         // its working folder
    std::wstring programa;        // the path of the copy that ran
};

// One line per run, "program started as [command line] in folder", for
// failure messages; "none" when empty.
std::string Describir(const std::vector<Ejecucion>& ejecuciones);

class Registro {
public:
    Registro();

    const std::wstring& Ruta() const { return archivo_.Ruta(); }
    std::vector<Ejecucion> Ejecuciones() const;
    // Waits until at least `cuantas` runs are logged.
    bool EsperarEjecuciones(std::size_t cuantas, DWORD milisegundos = 5000) const;

private:
    ArchivoDeRegistro archivo_;
};

// ------------------------------------------- what the menu window shows

// The window is designed in twips (1440 to the inch); on screen they are
// pixels at this screen's resolution.
double TwipsPorPixel();
double EnPixeles(double twips);          // exact, for comparing with a tolerance
int APixeles(double twips);              // the nearest whole pixel
POINT APixeles(POINT twips);
// A rectangle of the window's design in twips (left, top, right, bottom),
// as client pixels at this screen's resolution.
RECT ZonaEnPixeles(const RECT& twips);

// An empty piece of background, to drag the window by (twips).
extern const POINT kFondoLibre;

// Parts of the window, in twips: the column of the item names, the column
// of the arrow marker left of them, the description on the right (all
// three over the length of the divider and a little beyond), and the title
// and the version at the top right.
extern const RECT kZonaOpciones;
extern const RECT kZonaFlecha;
extern const RECT kZonaDescripcion;
extern const RECT kZonaTitulo;
extern const RECT kZonaVersion;

// The item list as painted: one band of ink per item name, the right edge
// of each name's ink (a bold name reaches further), and the arrow marker.
struct Lista {
    std::vector<Franja> opciones;
    std::vector<int> derechas;
    std::optional<Franja> flecha;

    // The item the arrow stands beside (centred on its band within a few
    // pixels), if any.
    std::optional<std::size_t> Marcada() const;
    std::string Describir() const;
};

// Name `i` reaches further right than every other one, by more than two
// pixels: of names of the same length, the bold one.
bool EsLaMasAncha(const Lista& lista, std::size_t i);

// Reads the list from a capture of the whole window.
Lista LeerLista(const Captura& ventana);
// Reads the menu's list until `condicion` holds or the time is up, and
// returns the last reading.
Lista EsperarLista(const Menu& menu, const std::function<bool(const Lista&)>& condicion,
                   DWORD milisegundos = 5000);
// The condition "the list shows `n` names and the arrow beside name `i`".
std::function<bool(const Lista&)> ConMarca(std::size_t n, std::size_t i);
// A screen point on the name of item i.
POINT PuntoEnOpcion(const Menu& menu, const Lista& lista, std::size_t i);

// ------------------------------------------------------- the fixture

// Every end-to-end case: a medium with instalar.exe on it, the menu started
// from it, and at the end the menu and whatever it started ended and the
// medium checked byte-identical to what it was when the menu started, since
// the menu writes nothing.
class PruebaConMedio : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the menu file, then starts the menu and waits for its window.
    Menu& Abrir(const std::string& archivo);
    // Starts the menu on the medium as it is laid out.
    Menu& Abrir(const OpcionesMenu& opciones = {}, DWORD esperaVentana = 10000);
    // The medium is laid out: what the menu has to leave as it is.  Abrir
    // notes it if the case has not, but a case that holds a file locked
    // while the menu runs has to note it before.
    void NotarMedio();

    Medio medio_;
    std::optional<Menu> menu_;  // ends before the medium is removed

private:
    std::optional<Instantanea> antes_;
};

// A case whose menu starts programs that log their runs: the log exists
// before the menu starts, so that the menu inherits its name.
class PruebaConRegistro : public PruebaConMedio {
protected:
    // Waits until the menu has ended and so have the programs it started,
    // and returns what they logged.
    std::vector<Ejecucion> EjecucionesTrasCerrarse();

    Registro registro_;
};

}  // namespace arnes
