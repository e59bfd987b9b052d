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

// ---------------------------------------------------------- message boxes

struct CuadroMensaje {
    HWND ventana = nullptr;
    HWND propietario = nullptr;
    std::wstring titulo;
    std::wstring texto;   // static control 0xFFFF
    bool icono = false;   // icon control 0x440 present
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

// UTF-16 <-> UTF-8, for messages and files.
std::string Utf8(const std::wstring& texto);
std::wstring Utf16(const std::string& texto);

}  // namespace arnes
