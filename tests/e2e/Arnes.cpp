#include "Arnes.h"

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <memory>
#include <stdexcept>

namespace arnes {

namespace {

// Pixel-exact tests need real screen coordinates on Windows too: declare
// the test program DPI-aware before it looks at the screen.
[[maybe_unused]] const bool kConscienteDePpp = SetProcessDPIAware() != FALSE;

[[noreturn]] void Fallar(const std::string& que) {
    throw std::runtime_error(que + " (Win32 error " + std::to_string(GetLastError()) + ")");
}

struct CerrarManejador {
    void operator()(HANDLE h) const noexcept {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using Manejador = std::unique_ptr<void, CerrarManejador>;

struct CerrarBusqueda {
    void operator()(HANDLE h) const noexcept {
        if (h && h != INVALID_HANDLE_VALUE) FindClose(h);
    }
};
using Busqueda = std::unique_ptr<void, CerrarBusqueda>;

std::wstring CarpetaTemporal() {
    wchar_t ruta[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, ruta);
    if (n == 0 || n > MAX_PATH) Fallar("GetTempPathW");
    std::wstring carpeta(ruta, n);
    if (carpeta.back() == L'\\') carpeta.pop_back();
    return carpeta;
}

// A name no other test object of this or another run uses.
std::wstring NombreUnico(const wchar_t* prefijo) {
    static std::atomic<unsigned> contador{0};
    return std::wstring(prefijo) + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++contador) + L"-" + std::to_wstring(GetTickCount());
}

std::wstring CarpetaDe(const std::wstring& ruta) {
    const auto barra = ruta.find_last_of(L'\\');
    return barra == std::wstring::npos ? std::wstring() : ruta.substr(0, barra);
}

void CrearCarpetas(const std::wstring& carpeta) {
    if (carpeta.empty() || GetFileAttributesW(carpeta.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    CrearCarpetas(CarpetaDe(carpeta));
    if (!CreateDirectoryW(carpeta.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        Fallar("CreateDirectoryW " + Utf8(carpeta));
}

bool EsPuntoOPuntoPunto(const wchar_t* nombre) {
    return wcscmp(nombre, L".") == 0 || wcscmp(nombre, L"..") == 0;
}

// Calls visitar for each entry of a folder except . and ..
void RecorrerCarpeta(const std::wstring& carpeta,
                     const std::function<void(const WIN32_FIND_DATAW&)>& visitar) {
    WIN32_FIND_DATAW datos;
    Busqueda busqueda(FindFirstFileW(Unir(carpeta, L"*").c_str(), &datos));
    if (busqueda.get() == INVALID_HANDLE_VALUE) return;
    do {
        if (!EsPuntoOPuntoPunto(datos.cFileName)) visitar(datos);
    } while (FindNextFileW(busqueda.get(), &datos));
}

bool EsCarpeta(const WIN32_FIND_DATAW& datos) {
    return (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IntentarBorrarCarpeta(const std::wstring& carpeta) {
    bool todo = true;
    RecorrerCarpeta(carpeta, [&](const WIN32_FIND_DATAW& datos) {
        const std::wstring ruta = Unir(carpeta, datos.cFileName);
        SetFileAttributesW(ruta.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (EsCarpeta(datos))
            todo = IntentarBorrarCarpeta(ruta) && todo;
        else
            todo = DeleteFileW(ruta.c_str()) && todo;
    });
    return RemoveDirectoryW(carpeta.c_str()) && todo;
}

void TomarInstantaneaEn(const std::wstring& raiz, const std::wstring& relativa, Instantanea& resultado) {
    RecorrerCarpeta(Unir(raiz, relativa), [&](const WIN32_FIND_DATAW& datos) {
        const std::wstring nombre = relativa.empty() ? datos.cFileName : Unir(relativa, datos.cFileName);
        if (EsCarpeta(datos)) {
            resultado[nombre + L"\\"] = std::string();
            TomarInstantaneaEn(raiz, nombre, resultado);
        } else {
            resultado[nombre] = LeerArchivo(Unir(raiz, nombre));
        }
    });
}

void PonerEnteroLe(std::string& destino, std::uint32_t valor, int bytes) {
    for (int i = 0; i < bytes; ++i) destino.push_back(static_cast<char>((valor >> (8 * i)) & 0xFF));
}

BOOL CALLBACK AnotarVentana(HWND ventana, LPARAM lista) {
    reinterpret_cast<std::vector<HWND>*>(lista)->push_back(ventana);
    return TRUE;
}

// All top-level windows, owned ones (message boxes) included.
std::vector<HWND> VentanasDeNivelSuperior() {
    std::vector<HWND> ventanas;
    EnumWindows(AnotarVentana, reinterpret_cast<LPARAM>(&ventanas));
    return ventanas;
}

std::vector<HWND> Hijas(HWND padre) {
    std::vector<HWND> hijas;
    EnumChildWindows(padre, AnotarVentana, reinterpret_cast<LPARAM>(&hijas));
    return hijas;
}

DWORD ProcesoDe(HWND ventana) {
    DWORD proceso = 0;
    GetWindowThreadProcessId(ventana, &proceso);
    return proceso;
}

// Top-level windows of a process that are visible.
std::vector<HWND> VentanasVisiblesDe(DWORD proceso) {
    std::vector<HWND> ventanas;
    for (HWND ventana : VentanasDeNivelSuperior())
        if (ProcesoDe(ventana) == proceso && IsWindowVisible(ventana)) ventanas.push_back(ventana);
    return ventanas;
}

std::wstring ClaseDe(HWND ventana) {
    wchar_t clase[256] = L"";
    GetClassNameW(ventana, clase, 256);
    return clase;
}

bool EsClase(HWND ventana, const wchar_t* clase) {
    return _wcsicmp(ClaseDe(ventana).c_str(), clase) == 0;
}

// "class 'caption' (hidden)" for each top-level window of a process.
std::string DescribirVentanas(DWORD proceso) {
    std::string texto;
    for (HWND ventana : VentanasDeNivelSuperior())
        if (ProcesoDe(ventana) == proceso)
            texto += Utf8(ClaseDe(ventana)) + " '" + Utf8(TextoDe(ventana)) + "'" +
                     (IsWindowVisible(ventana) ? "" : " (hidden)") + "; ";
    return texto.empty() ? "none" : texto;
}

void EnviarEntrada(INPUT entrada) {
    if (SendInput(1, &entrada, sizeof entrada) != 1) Fallar("SendInput");
}

// Absolute mouse coordinates: 0..65535 over the primary screen, rounded up
// so that the system's conversion back lands on the same pixel.
LONG Normalizar(LONG valor, int tamanio) {
    return static_cast<LONG>((static_cast<long long>(valor) * 65536 + tamanio - 1) / tamanio);
}

// A mouse event at an absolute screen position, with button flags if any:
// a press or release carries its own position, so it lands where it should
// even if a late pointer event of another window moved the cursor.
void EventoRaton(POINT pantalla, DWORD botones) {
    INPUT entrada{};
    entrada.type = INPUT_MOUSE;
    entrada.mi.dx = Normalizar(pantalla.x, GetSystemMetrics(SM_CXSCREEN));
    entrada.mi.dy = Normalizar(pantalla.y, GetSystemMetrics(SM_CYSCREEN));
    entrada.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | botones;
    EnviarEntrada(entrada);
}

bool EsTeclaExtendida(WORD tecla) {
    switch (tecla) {
        case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT:
        case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
        case VK_INSERT: case VK_DELETE: case VK_RCONTROL: case VK_RMENU:
            return true;
        default:
            return false;
    }
}

void Tecla(WORD tecla, bool soltar) {
    INPUT entrada{};
    entrada.type = INPUT_KEYBOARD;
    entrada.ki.wVk = tecla;
    entrada.ki.wScan = static_cast<WORD>(MapVirtualKeyW(tecla, MAPVK_VK_TO_VSC));
    entrada.ki.dwFlags = (soltar ? KEYEVENTF_KEYUP : 0) | (EsTeclaExtendida(tecla) ? KEYEVENTF_EXTENDEDKEY : 0);
    EnviarEntrada(entrada);
}

}  // namespace

const wchar_t* const kTituloMenu = L"Men\u00fa de instalaci\u00f3n";

// ---------------------------------------------------------------- folders

std::wstring CarpetaDeLasPruebas() {
    std::wstring ruta(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
    if (n == 0 || n >= ruta.size()) Fallar("GetModuleFileNameW");
    ruta.resize(n);
    return CarpetaDe(ruta);
}

std::wstring Unir(const std::wstring& carpeta, const std::wstring& nombre) {
    if (carpeta.empty()) return nombre;
    if (carpeta.back() == L'\\') return carpeta + nombre;
    return carpeta + L"\\" + nombre;
}

std::string LeerArchivo(const std::wstring& ruta) {
    Manejador archivo(CreateFileW(ruta.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (archivo.get() == INVALID_HANDLE_VALUE) Fallar("cannot open " + Utf8(ruta));
    std::string bytes;
    char bloque[65536];
    DWORD leidos = 0;
    while (ReadFile(archivo.get(), bloque, sizeof bloque, &leidos, nullptr) && leidos > 0)
        bytes.append(bloque, leidos);
    return bytes;
}

void EscribirArchivo(const std::wstring& ruta, const std::string& bytes) {
    CrearCarpetas(CarpetaDe(ruta));
    Manejador archivo(CreateFileW(ruta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (archivo.get() == INVALID_HANDLE_VALUE) Fallar("cannot create " + Utf8(ruta));
    DWORD escritos = 0;
    if (!WriteFile(archivo.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr) ||
        escritos != bytes.size())
        Fallar("cannot write " + Utf8(ruta));
}

void BorrarCarpeta(const std::wstring& carpeta) {
    // A program that has just ended may still hold its file for a moment.
    Esperar([&] { return IntentarBorrarCarpeta(carpeta) ||
                         GetFileAttributesW(carpeta.c_str()) == INVALID_FILE_ATTRIBUTES; },
            3000);
}

Medio::Medio() : ruta_(Unir(CarpetaTemporal(), NombreUnico(L"instalar-medio-"))) {
    if (!CreateDirectoryW(ruta_.c_str(), nullptr)) Fallar("cannot create " + Utf8(ruta_));
}

Medio::~Medio() { BorrarCarpeta(ruta_); }

void Medio::Escribir(const std::wstring& relativa, const std::string& bytes) const {
    EscribirArchivo(RutaDe(relativa), bytes);
}

void Medio::CopiarPrograma(const std::wstring& nombre, const std::wstring& destino) const {
    const std::wstring origen = Unir(CarpetaDeLasPruebas(), nombre);
    const std::wstring final = RutaDe(destino.empty() ? nombre : destino);
    CrearCarpetas(CarpetaDe(final));
    if (!CopyFileW(origen.c_str(), final.c_str(), FALSE))
        Fallar("cannot copy " + Utf8(origen) + " to " + Utf8(final));
}

Instantanea TomarInstantanea(const std::wstring& carpeta) {
    Instantanea resultado;
    TomarInstantaneaEn(carpeta, L"", resultado);
    return resultado;
}

std::string Diferencias(const Instantanea& antes, const Instantanea& despues) {
    std::string texto;
    for (const auto& [ruta, bytes] : antes) {
        const auto otro = despues.find(ruta);
        if (otro == despues.end())
            texto += "removed " + Utf8(ruta) + "\n";
        else if (otro->second != bytes)
            texto += "changed " + Utf8(ruta) + "\n";
    }
    for (const auto& par : despues)
        if (antes.count(par.first) == 0) texto += "added " + Utf8(par.first) + "\n";
    return texto;
}

std::string LineasCrLf(std::initializer_list<std::string> lineas) {
    std::string texto;
    for (const auto& linea : lineas) texto += linea + "\r\n";
    return texto;
}

std::string Bmp24(int ancho, int alto, const std::function<COLORREF(int, int)>& color) {
    const int fila = (ancho * 3 + 3) / 4 * 4;
    const std::uint32_t datos = static_cast<std::uint32_t>(fila * alto);
    std::string bmp = "BM";
    PonerEnteroLe(bmp, 14 + 40 + datos, 4);  // file size
    PonerEnteroLe(bmp, 0, 4);                // reserved
    PonerEnteroLe(bmp, 14 + 40, 4);          // offset of the pixels
    PonerEnteroLe(bmp, 40, 4);               // BITMAPINFOHEADER
    PonerEnteroLe(bmp, static_cast<std::uint32_t>(ancho), 4);
    PonerEnteroLe(bmp, static_cast<std::uint32_t>(alto), 4);  // positive: bottom-up
    PonerEnteroLe(bmp, 1, 2);                // planes
    PonerEnteroLe(bmp, 24, 2);               // bits per pixel
    PonerEnteroLe(bmp, BI_RGB, 4);
    PonerEnteroLe(bmp, datos, 4);
    PonerEnteroLe(bmp, 2835, 4);             // 72 dpi
    PonerEnteroLe(bmp, 2835, 4);
    PonerEnteroLe(bmp, 0, 4);
    PonerEnteroLe(bmp, 0, 4);
    for (int y = alto - 1; y >= 0; --y) {
        std::string linea;
        for (int x = 0; x < ancho; ++x) {
            const COLORREF c = color(x, y);
            linea += static_cast<char>(GetBValue(c));
            linea += static_cast<char>(GetGValue(c));
            linea += static_cast<char>(GetRValue(c));
        }
        linea.resize(static_cast<std::size_t>(fila), '\0');
        bmp += linea;
    }
    return bmp;
}

// ------------------------------------------------------ the menu process

Menu::Menu(const Medio& medio, const OpcionesMenu& opciones) {
    // A window that appears under the pointer gets a pointer event for the
    // old position, which may come late, after the test moved the mouse.
    AparcarRaton();
    const std::wstring programa = medio.RutaDe(L"instalar.exe");
    linea_ = L"\"" + programa + L"\"";
    if (!opciones.cola.empty()) linea_ += L" " + opciones.cola;
    const std::wstring carpeta = opciones.carpetaTrabajo.empty() ? CarpetaTemporal() : opciones.carpetaTrabajo;

    std::wstring linea = linea_;  // CreateProcessW may write into it
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    if (!CreateProcessW(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        carpeta.c_str(), &inicio, &proceso_))
        Fallar("cannot start " + Utf8(linea_));
}

Menu::~Menu() {
    Terminar();
    CloseHandle(proceso_.hThread);
    CloseHandle(proceso_.hProcess);
}

void Menu::Terminar() const {
    if (!Terminado()) {
        TerminateProcess(proceso_.hProcess, 1);
        WaitForSingleObject(proceso_.hProcess, 5000);
    }
}

HWND Menu::EsperarVentana(DWORD milisegundos) {
    const bool hallada = Esperar(
        [&] {
            for (HWND ventana : VentanasVisiblesDe(Id()))
                if (!EsClase(ventana, L"#32770") && TextoDe(ventana) == kTituloMenu) {
                    ventana_ = ventana;
                    return true;
                }
            return Terminado();
        },
        milisegundos);
    if (!ventana_) {
        DWORD codigo = 0;
        GetExitCodeProcess(proceso_.hProcess, &codigo);
        std::string que = hallada ? "the menu ended without a window, exit code " + std::to_string(codigo)
                                  : "the menu window did not appear";
        const CuadroMensaje cuadro = BuscarCuadroMensaje(Id());
        if (cuadro.ventana) que += "; a message box says: " + Utf8(cuadro.texto);
        throw std::runtime_error(que + "; its windows: " + DescribirVentanas(Id()));
    }
    // The window procedure has run the messages sent so far.
    DWORD_PTR resultado = 0;
    SendMessageTimeoutW(ventana_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &resultado);
    return ventana_;
}

RECT Menu::Rectangulo() const {
    RECT rect{};
    if (!GetWindowRect(ventana_, &rect)) Fallar("GetWindowRect");
    return rect;
}

POINT Menu::APantalla(POINT cliente) const {
    if (!ClientToScreen(ventana_, &cliente)) Fallar("ClientToScreen");
    return cliente;
}

bool Menu::EsperarSalida(DWORD milisegundos) const {
    return WaitForSingleObject(proceso_.hProcess, milisegundos) == WAIT_OBJECT_0;
}

HWND BuscarVentana(DWORD proceso, const wchar_t* clase, const wchar_t* titulo) {
    for (HWND ventana : VentanasVisiblesDe(proceso))
        if ((!clase || EsClase(ventana, clase)) && (!titulo || TextoDe(ventana) == titulo)) return ventana;
    return nullptr;
}

std::vector<Boton> Botones(HWND padre) {
    std::vector<Boton> botones;
    for (HWND ventana : Hijas(padre)) {
        if (!EsClase(ventana, L"Button")) continue;
        RECT rect{};
        GetWindowRect(ventana, &rect);
        MapWindowPoints(nullptr, padre, reinterpret_cast<POINT*>(&rect), 2);
        botones.push_back({ventana, GetDlgCtrlID(ventana), TextoDe(ventana), rect, IsWindowEnabled(ventana) != FALSE});
    }
    return botones;
}

std::wstring TextoDe(HWND ventana) {
    // WM_GETTEXT works across processes, also for controls.
    DWORD_PTR largo = 0;
    if (!SendMessageTimeoutW(ventana, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &largo)) return L"";
    std::wstring texto(largo + 1, L'\0');
    DWORD_PTR copiados = 0;
    SendMessageTimeoutW(ventana, WM_GETTEXT, texto.size(), reinterpret_cast<LPARAM>(texto.data()),
                        SMTO_ABORTIFHUNG, 2000, &copiados);
    texto.resize(std::min<std::size_t>(copiados, largo));
    return texto;
}

// ---------------------------------------------------------- message boxes

CuadroMensaje BuscarCuadroMensaje(DWORD proceso) {
    CuadroMensaje cuadro;
    cuadro.ventana = BuscarVentana(proceso, L"#32770", nullptr);
    if (!cuadro.ventana) return cuadro;
    cuadro.propietario = GetWindow(cuadro.ventana, GW_OWNER);
    cuadro.titulo = TextoDe(cuadro.ventana);
    if (HWND texto = GetDlgItem(cuadro.ventana, 0xFFFF)) cuadro.texto = TextoDe(texto);
    cuadro.icono = GetDlgItem(cuadro.ventana, 0x440) != nullptr;
    int visibles = 0;
    for (HWND hija : Hijas(cuadro.ventana))
        if (EsClase(hija, L"Button") && IsWindowVisible(hija)) ++visibles;
    HWND aceptar = GetDlgItem(cuadro.ventana, IDOK);
    cuadro.soloAceptar = visibles == 1 && aceptar && IsWindowVisible(aceptar);
    return cuadro;
}

CuadroMensaje EsperarCuadroMensaje(DWORD proceso, DWORD milisegundos) {
    CuadroMensaje cuadro;
    Esperar([&] { return (cuadro = BuscarCuadroMensaje(proceso)).ventana != nullptr; }, milisegundos);
    if (!cuadro.ventana) throw std::runtime_error("no message box appeared");
    // Let the dialog finish its initialisation before it is read again.
    DWORD_PTR resultado = 0;
    SendMessageTimeoutW(cuadro.ventana, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &resultado);
    return BuscarCuadroMensaje(proceso);
}

void Aceptar(const CuadroMensaje& cuadro) {
    PostMessageW(cuadro.ventana, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// ---------------------------------------------------------------- screen

int PuntosPorPulgada() {
    HDC pantalla = GetDC(nullptr);
    const int ppp = GetDeviceCaps(pantalla, LOGPIXELSX);
    ReleaseDC(nullptr, pantalla);
    return ppp;
}

Captura::Captura(const RECT& pantalla)
    : ancho_(pantalla.right - pantalla.left),
      alto_(pantalla.bottom - pantalla.top),
      pixeles_(static_cast<std::size_t>(ancho_) * static_cast<std::size_t>(alto_)) {
    if (ancho_ <= 0 || alto_ <= 0) throw std::runtime_error("empty capture rectangle");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = ancho_;
    info.bmiHeader.biHeight = -alto_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC dcPantalla = GetDC(nullptr);
    HDC dcMemoria = CreateCompatibleDC(dcPantalla);
    void* bits = nullptr;
    HBITMAP mapa = CreateDIBSection(dcPantalla, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ anterior = SelectObject(dcMemoria, mapa);
    const BOOL copiado = BitBlt(dcMemoria, 0, 0, ancho_, alto_, dcPantalla, pantalla.left, pantalla.top,
                                SRCCOPY | CAPTUREBLT);
    GdiFlush();
    if (copiado && bits) std::copy_n(static_cast<const std::uint32_t*>(bits), pixeles_.size(), pixeles_.begin());
    SelectObject(dcMemoria, anterior);
    DeleteObject(mapa);
    DeleteDC(dcMemoria);
    ReleaseDC(nullptr, dcPantalla);
    if (!copiado || !bits) Fallar("cannot copy the screen");
}

COLORREF Captura::En(int x, int y) const {
    if (x < 0 || y < 0 || x >= ancho_ || y >= alto_)
        throw std::out_of_range("pixel (" + std::to_string(x) + "," + std::to_string(y) + ") outside the capture");
    const std::uint32_t p = pixeles_[static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho_) +
                                     static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

COLORREF PixelDePantalla(POINT pantalla) {
    return Captura(RECT{pantalla.x, pantalla.y, pantalla.x + 1, pantalla.y + 1}).En(0, 0);
}

std::string TextoColor(COLORREF color) {
    return "RGB(" + std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color)) + ")";
}

// ---------------------------------------------------------- mouse, keys

void MoverRaton(POINT pantalla) {
    EventoRaton(pantalla, 0);
    Esperar([&] {
        POINT actual{};
        return GetCursorPos(&actual) && actual.x == pantalla.x && actual.y == pantalla.y;
    }, 1000);
}

void AparcarRaton() { MoverRaton({0, GetSystemMetrics(SM_CYSCREEN) / 2}); }

void PulsarRaton(POINT pantalla, bool derecho) {
    EventoRaton(pantalla, derecho ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
}

void SoltarRaton(POINT pantalla, bool derecho) {
    EventoRaton(pantalla, derecho ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void Clic(POINT pantalla) {
    MoverRaton(pantalla);
    PulsarRaton(pantalla);
    SoltarRaton(pantalla);
}

void Arrastrar(POINT desde, POINT hasta) {
    MoverRaton(desde);
    PulsarRaton(desde);
    MoverRaton(hasta);
    SoltarRaton(hasta);
}

bool TraerAlFrente(HWND ventana, DWORD milisegundos) {
    return Esperar(
        [&] {
            if (GetForegroundWindow() == ventana) return true;
            if (!SetForegroundWindow(ventana)) {
                // Windows lets only the process with the last input take the
                // foreground; a tap of Alt gives this process that right.
                Tecla(VK_MENU, false);
                Tecla(VK_MENU, true);
                SetForegroundWindow(ventana);
            }
            return GetForegroundWindow() == ventana;
        },
        milisegundos);
}

void PulsarTecla(WORD tecla, std::initializer_list<WORD> modificadores) {
    for (WORD m : modificadores) Tecla(m, false);
    Tecla(tecla, false);
    Tecla(tecla, true);
    for (auto m = std::rbegin(modificadores); m != std::rend(modificadores); ++m) Tecla(*m, true);
}

bool Esperar(const std::function<bool()>& condicion, DWORD milisegundos) {
    const ULONGLONG limite = GetTickCount64() + milisegundos;
    for (;;) {
        if (condicion()) return true;
        if (GetTickCount64() >= limite) return false;
        Sleep(20);
    }
}

// ---------------------------------------------- log of the stand-in setup

namespace {
const wchar_t* const kVariableRegistro = L"INSTALAR_PRUEBA_REGISTRO";
}

Registro::Registro() : ruta_(Unir(CarpetaTemporal(), NombreUnico(L"instalar-registro-") + L".txt")) {
    if (!SetEnvironmentVariableW(kVariableRegistro, ruta_.c_str())) Fallar("SetEnvironmentVariableW");
}

Registro::~Registro() {
    SetEnvironmentVariableW(kVariableRegistro, nullptr);
    Esperar([&] { return DeleteFileW(ruta_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, 3000);
}

std::vector<Ejecucion> Registro::Ejecuciones() const {
    if (GetFileAttributesW(ruta_.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    const std::string texto = LeerArchivo(ruta_);
    std::vector<Ejecucion> ejecuciones;
    std::size_t inicio = 0;
    for (std::size_t fin; (fin = texto.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2) {
        const std::wstring linea = Utf16(texto.substr(inicio, fin - inicio));
        const auto tab = linea.find_last_of(L'\t');
        if (tab == std::wstring::npos) continue;
        ejecuciones.push_back({linea.substr(0, tab), linea.substr(tab + 1)});
    }
    return ejecuciones;
}

bool Registro::EsperarEjecuciones(std::size_t cuantas, DWORD milisegundos) const {
    return Esperar([&] { return Ejecuciones().size() >= cuantas; }, milisegundos);
}

// ------------------------------------------------------------------- text

std::string Utf8(const std::wstring& texto) {
    if (texto.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string resultado(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), resultado.data(), n, nullptr,
                        nullptr);
    return resultado;
}

std::wstring Utf16(const std::string& texto) {
    if (texto.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
    std::wstring resultado(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), resultado.data(), n);
    return resultado;
}

}  // namespace arnes
