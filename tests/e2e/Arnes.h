// Harness for the end-to-end tests: drives the real instalar.exe as a user
// would, through files, processes, the screen, the mouse and the keyboard.
//
// Every object cleans up after itself: a Medio removes its folder, a Menu
// ends its process, a Registro removes its log file.  Failures to set up a
// test throw std::runtime_error, which GoogleTest reports as a failure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace arnes {

// ---------------------------------------------------------------- folders

// Folder that holds the running test program (instalar.exe and the helper
// programs are built into the same folder).
std::wstring CarpetaDeLasPruebas();

// carpeta + "\" + nombre.
std::wstring Unir(const std::wstring& carpeta, const std::wstring& nombre);

// Bytes of a file; throws if it cannot be read.
std::string LeerArchivo(const std::wstring& ruta);

// Creates (or replaces) a file with exactly these bytes, making missing
// parent folders.
void EscribirArchivo(const std::wstring& ruta, const std::string& bytes);

// Removes a folder with everything in it; missing folders are fine.
void BorrarCarpeta(const std::wstring& carpeta);

// A temporary folder laid out like a distribution medium: the menu program,
// its menu file, its logo and the setup programs, in any subfolders.
class Medio {
public:
    Medio();
    ~Medio();
    Medio(const Medio&) = delete;
    Medio& operator=(const Medio&) = delete;

    const std::wstring& Ruta() const { return ruta_; }
    std::wstring RutaDe(const std::wstring& relativa) const { return Unir(ruta_, relativa); }

    void Escribir(const std::wstring& relativa, const std::string& bytes) const;
    // Copies a program from the test folder, under another name if given.
    void CopiarPrograma(const std::wstring& nombre, const std::wstring& destino = L"") const;
    // Copies instalar.exe from the test folder.
    void CopiarMenu() const { CopiarPrograma(L"instalar.exe"); }

private:
    std::wstring ruta_;
};

// Contents of a folder tree: relative path -> bytes; folders appear with a
// trailing backslash and no bytes.  Two equal snapshots mean the tree is
// byte-identical.
using Instantanea = std::map<std::wstring, std::string>;
Instantanea TomarInstantanea(const std::wstring& carpeta);
// Readable list of what differs (empty when equal), for failure messages.
std::string Diferencias(const Instantanea& antes, const Instantanea& despues);

// Menu file text from lines; each line gets CR LF.
std::string LineasCrLf(std::initializer_list<std::string> lineas);

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
};

// instalar.exe started from a medium.  The destructor ends the process if it
// is still running.
class Menu {
public:
    explicit Menu(const Medio& medio, const OpcionesMenu& opciones = {});
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    DWORD Id() const { return proceso_.dwProcessId; }
    HANDLE Proceso() const { return proceso_.hProcess; }
    const std::wstring& LineaDeOrdenes() const { return linea_; }

    // Waits for the visible top-level window of this process with the menu's
    // caption; throws when it does not appear in time.
    HWND EsperarVentana(DWORD milisegundos = 10000);
    HWND Ventana() const { return ventana_; }
    RECT Rectangulo() const;          // screen coordinates of the window
    POINT APantalla(POINT cliente) const;  // client -> screen

    bool EsperarSalida(DWORD milisegundos = 5000) const;
    bool Terminado() const { return EsperarSalida(0); }
    void Terminar() const;

    // Waits until no process this menu started is running any more (it may
    // have ended itself); returns "" or, when the time is up, what still
    // runs.
    std::string EsperarFinDeSusProgramas(DWORD milisegundos = 5000) const;

private:
    PROCESS_INFORMATION proceso_{};
    std::wstring linea_;
    HWND ventana_ = nullptr;
};

// The caption of the menu window and the title of its message boxes.
extern const wchar_t* const kTituloMenu;

// Visible top-level window of process `proceso` with that class and caption
// (nullptr for any caption), or nullptr.
HWND BuscarVentana(DWORD proceso, const wchar_t* clase, const wchar_t* titulo);

// Child windows of class BUTTON.
struct Boton {
    HWND ventana;
    int id;
    std::wstring texto;
    RECT rect;  // in the parent's client coordinates
    bool habilitado;
};
std::vector<Boton> Botones(HWND padre);

std::wstring TextoDe(HWND ventana);

// The window that has the keyboard focus in the thread of `ventana` (which
// may belong to another process), or nullptr.
HWND FocoDe(HWND ventana);

// Running processes that process `padre` started (the system reuses
// process ids: only processes created after `padre` count).
struct ProcesoEnMarcha {
    DWORD id;
    std::wstring programa;  // the executable's file name
};
std::vector<ProcesoEnMarcha> ProcesosHijos(HANDLE padre);
// "name (id), ..." for messages; "none" when empty.
std::string Describir(const std::vector<ProcesoEnMarcha>& procesos);

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
// Waits for one; throws when none appears in time.
CuadroMensaje EsperarCuadroMensaje(DWORD proceso, DWORD milisegundos = 5000);
// Presses OK (WM_COMMAND IDOK, which Wine and Windows treat alike).
void Aceptar(const CuadroMensaje& cuadro);

// ---------------------------------------------------------------- screen

// Screen resolution of this (DPI-aware) process in dots per inch.
int PuntosPorPulgada();

// The pixels of a screen rectangle, copied at construction (BitBlt from the
// screen DC: what is on screen, including whatever covers the window).
class Captura {
public:
    explicit Captura(const RECT& pantalla);
    // A picture drawn by `dibujar` on a memory DC of that size (for
    // comparing the screen with a drawing of what should be there).
    Captura(int ancho, int alto, const std::function<void(HDC, const RECT&)>& dibujar);
    COLORREF En(int x, int y) const;  // relative to the rectangle's corner
    int Ancho() const { return ancho_; }
    int Alto() const { return alto_; }

private:
    int ancho_;
    int alto_;
    std::vector<std::uint32_t> pixeles_;
};

COLORREF PixelDePantalla(POINT pantalla);

// "RGB(r,g,b)" for messages.
std::string TextoColor(COLORREF color);

// Consecutive rows of a capture, top and bottom included.
struct Franja {
    int arriba = 0;
    int abajo = 0;
    double Centro() const { return (arriba + abajo) / 2.0; }
    int Alto() const { return abajo - arriba + 1; }
};

// "Ink" is any pixel of another colour than the background `fondo`: text,
// lines, pictures.  The rectangles are relative to the capture's corner.
bool HayTinta(const Captura& captura, const RECT& zona, COLORREF fondo);
// The rows of the zone that hold ink, grouped into bands, top to bottom.
std::vector<Franja> FranjasDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo);
// The rightmost column of the zone that holds ink, or zona.left - 1.
int DerechaDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo);
bool ContieneColor(const Captura& captura, const RECT& zona, COLORREF color);
// The rows of the zone that hold clearly green pixels (green well above red
// and blue), as one band from the first to the last, if there are any.
std::optional<Franja> FranjaVerde(const Captura& captura, const RECT& zona);
// The pixels of a zone row by row, to compare two moments.
std::vector<COLORREF> PixelesDe(const Captura& captura, const RECT& zona);

// ---------------------------------------------------------- mouse, keys

void MoverRaton(POINT pantalla);
// Moves the pointer to the middle of the screen's left edge, away from any
// window under test (a Menu does so before it starts the program).
void AparcarRaton();
void PulsarRaton(POINT pantalla, bool derecho = false);
void SoltarRaton(POINT pantalla, bool derecho = false);
void Clic(POINT pantalla);
// Press at `desde`, move to `hasta`, release.
void Arrastrar(POINT desde, POINT hasta);

// Makes the window the foreground window; false if that did not happen.
bool TraerAlFrente(HWND ventana, DWORD milisegundos = 3000);
// Presses and releases a key, holding the modifiers (VK_CONTROL, VK_SHIFT,
// VK_MENU) around it.  The foreground window receives it.
void PulsarTecla(WORD tecla, std::initializer_list<WORD> modificadores = {});

// Polls `condicion` every 20 ms until it holds or the time is up; returns
// its last value.
bool Esperar(const std::function<bool()>& condicion, DWORD milisegundos);

// ---------------------------------------------- log of the stand-in setup

// Runs of setup_falso.exe, which appends one line per run to the file named
// by INSTALAR_PRUEBA_REGISTRO.  The constructor sets that variable in this
// process, so that every program started from now on (through the menu)
// inherits it; the destructor removes both file and variable.
struct Ejecucion {
    std::wstring lineaDeOrdenes;  // GetCommandLineW of the started program
    std::wstring carpeta;         // its working folder
    std::wstring programa;        // the path of the copy that ran
};

class Registro {
public:
    Registro();
    ~Registro();
    Registro(const Registro&) = delete;
    Registro& operator=(const Registro&) = delete;

    const std::wstring& Ruta() const { return ruta_; }
    std::vector<Ejecucion> Ejecuciones() const;
    // Waits until at least `cuantas` runs are logged.
    bool EsperarEjecuciones(std::size_t cuantas, DWORD milisegundos = 5000) const;

private:
    std::wstring ruta_;
};

// ------------------------------------------- what the menu window shows

// A rectangle of the window's design in twips (left, top, right, bottom),
// as client pixels at this screen's resolution.
RECT ZonaEnPixeles(const RECT& twips);

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

// Reads the list from a capture of the whole window.
Lista LeerLista(const Captura& ventana);
// Reads the menu's list until `condicion` holds or the time is up, and
// returns the last reading.
Lista EsperarLista(const Menu& menu, const std::function<bool(const Lista&)>& condicion,
                   DWORD milisegundos = 5000);
// A screen point on the name of item i.
POINT PuntoEnOpcion(const Menu& menu, const Lista& lista, std::size_t i);

// UTF-16 <-> UTF-8, for messages and files.
std::string Utf8(const std::wstring& texto);
std::wstring Utf16(const std::string& texto);

}  // namespace arnes
